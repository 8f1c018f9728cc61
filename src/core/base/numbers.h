// Numbers as text without the C library's locale: files, the job file and NC programs always use
// "."; callers that show numbers to the person put in the user's separator themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vt {

// Exactly a finite decimal number: optional sign, digits with an optional "." part, optional
// exponent; nothing around it.
std::optional<double> ParseNumber(std::string_view text);
// The same, blanks around it allowed and "," taken as the decimal point; no exponent.
std::optional<double> ParsePlainNumber(std::string_view text);

// printf's "%.*f" and "%.*g" in the C locale (exact decimal rounding of the binary value).
std::string FixedText(double v, int decimals);
std::string GeneralText(double v, int significant);

// Plain decimal notation with ".", at most `decimals` decimals, trailing zeros dropped, no "-0".
std::string PlainNumber(double v, int decimals = 10);

// Rounded half to even to a number of decimals, written in the shortest form with the given
// decimal separator.
std::string FormatRounded(double v, int decimals, char decimalSeparator);

}  // namespace vt
