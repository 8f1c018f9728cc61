// Comma-separated "write"-style fields: quoted strings, plain numbers; and the number text the
// writers use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

// Splits one line into fields at commas outside double quotes; quotes are removed from strings.
std::vector<std::string> SplitFields(std::string_view line);

// A field as a number: blanks around it ignored, "." as the decimal separator, an optional leading
// zero and exponent; empty is 0. Anything else, or a value that does not fit a double, throws
// type mismatch or overflow.
double FieldNumber(std::string_view field);
int16_t FieldInt16(std::string_view field);

// A double with up to 15 significant digits, "." as the decimal separator, exponent for very
// large or small values (1E-06); -0 is written as 0.
std::string WriteNumber(double v);
// A string field: double quotes and line breaks cannot be stored and become ' and blanks.
std::string WriteString(std::string_view s);

}  // namespace vt
