// The headless commands: an NC program or a converted drawing without a window or a display.
#pragma once

#include <iosfwd>
#include <string>

namespace vt {

struct CommandLine;

// --nc DRAWING --machine NAME: 0 when the program was written, 1 when the drawing, the machine or
// the engine failed (one line per reason on err).
int RunNcCommand(const CommandLine& cl, const std::string& programFolder, std::ostream& out,
                 std::ostream& err);
// --convert IN OUT: 0 when OUT was written.
int RunConvertCommand(const CommandLine& cl, const std::string& programFolder, std::ostream& err);

}  // namespace vt
