// Numbers as the program shows them, with the user's decimal separator, and the axis marks of
// multiplied axes.
#pragma once

#include <string>

#include "base/numbers.h"

namespace vt {

class Program;

// With the program's decimal separator.
std::string Fmt(const Program& p, double v, int decimals);

struct AxisMarks {
    std::string x, y;
};
// Empty unless the machine's multipliers are applied; then "*" for a multiplied X axis, and "Ø"
// for a Y factor of exactly 2 (diameter), "*" for any other factor than 1.
AxisMarks Marks(const Program& p);

}  // namespace vt
