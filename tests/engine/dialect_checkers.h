// Strict readers of the two dialects no free interpreter reads, written from the rules of their
// documentation: Heidenhain conversational (BEGIN/END PGM, consecutive block numbers, TOOL CALL,
// L/CC/C blocks with signed coordinates, DR+/DR-, cycle 200 and CYCL CALL, ; comments) and the
// ISO lathe in diameter mode (%, O number, N blocks, G18, diameter X, U/W instead of G90/G91,
// T0101, G97 S M3, I/K arc centres). Each refuses a program that breaks a rule, naming the line,
// and otherwise reports the moves in drawing coordinates for the comparison with the drawn path.
#pragma once

#include <string>

#include "interpreter.h"

namespace vt::test {

Interpretation ReadHeidenhain(const std::string& program);
Interpretation ReadLathe(const std::string& program);

}  // namespace vt::test
