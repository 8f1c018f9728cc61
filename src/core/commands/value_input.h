// The value input: typed numbers and expressions handed to the pick dispatcher as a pick.
#pragma once

#include <string>

namespace vt {

class Program;

// Opens the value dialog for the current InputMode, pre-filled from the arguments or the history.
// True when confirmed (after the pick it produced has run); false on cancel or without a form.
bool ValueInput(Program& p, std::string& s1, std::string& s2, std::string& s3);

}  // namespace vt
