// Generating the NC program: the job file, the engine, the NC code window's text.
#pragma once

namespace vt {

class Program;

// Writes the job file, runs the engine and loads its output into the NC code window.
void GenNCCode(Program& p);
// After a change of the tool path: regenerates only while the NC code window is shown.
void RegenerateNcIfShown(Program& p);

}  // namespace vt
