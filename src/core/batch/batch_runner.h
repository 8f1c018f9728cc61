// The batch mode: runs a script of commands against the real program without a window.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vt {

// Runs the script; returns the exit status (0 done, 1 the program was ended, 2 a script error).
// The decimal separator is the desktop's, as the window would show it.
int RunBatch(const std::string& scriptPath, const std::string& programFolder, std::ostream& out,
             std::ostream& err, char decimalSeparator = '.');

// Splits a script line into words: blanks separate, a word in double quotes may hold blanks.
std::vector<std::string> SplitWords(const std::string& line);

// A number as the batch output writes it: at most 12 significant digits, shortest, "." as the
// decimal separator, no exponent between 1e-6 and 1e12, never "-0".
std::string BatchNumber(double v);

}  // namespace vt
