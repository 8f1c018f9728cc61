// The program's command line: options and the drawing to open.
#pragma once

#include <string>
#include <vector>

namespace vt {

struct CommandLine {
    std::string home;       // --home DIR
    bool noSplash = false;  // --no-splash
    std::string batch;      // --batch SCRIPT: run a script without a window
    std::string file;       // a drawing or template to open at start
    std::string error;      // set when the arguments could not be understood
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace vt
