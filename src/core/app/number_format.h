// Numbers as the program shows them: rounded half to even to a number of decimals, written in the
// shortest form with the locale's decimal separator; and the axis marks of multiplied axes.
#pragma once

#include <string>

namespace vt {

class Program;

std::string FormatRounded(double v, int decimals, char decimalSeparator);
// With the program's decimal separator.
std::string Fmt(const Program& p, double v, int decimals);

struct AxisMarks {
    std::string x, y;
};
// Empty unless the machine's multipliers are applied; then "*" for a multiplied X axis, and "Ø"
// for a Y factor of exactly 2 (diameter), "*" for any other factor than 1.
AxisMarks Marks(const Program& p);

}  // namespace vt
