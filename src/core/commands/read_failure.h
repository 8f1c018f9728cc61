// How the file readers tell the person that a file cannot be read: the file, what is wrong with
// it, and that the drawing on the screen is the one they had.
#pragma once

#include <string>

#include "base/text_file.h"

namespace vt {

class Program;

// "The file could not be read; the drawing is unchanged", the file's name and the problem.
void CannotRead(Program& p, const std::string& name, const std::string& problem);
// The problem text of a read that did not succeed (too large, unreadable).
std::string ReadProblem(const Program& p, ReadStatus status);

}  // namespace vt
