// std::from_chars and std::to_chars: the same on every desktop.
#include "base/numbers.h"

#include <charconv>
#include <cmath>

namespace vt {

std::optional<double> ParseNumber(std::string_view t) {
    if (t.empty()) return std::nullopt;
    std::size_t i = 0;
    const bool plus = t[0] == '+';
    if (t[0] == '+' || t[0] == '-') ++i;
    // from_chars takes no "+" and no "inf"/"nan": only digits, a point and an exponent here.
    std::size_t digits = 0;
    for (std::size_t k = i; k < t.size() && t[k] != 'e' && t[k] != 'E'; ++k) {
        if (t[k] >= '0' && t[k] <= '9')
            ++digits;
        else if (t[k] != '.')
            return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    double v = 0;
    const char* first = t.data() + (plus ? 1 : 0);
    const char* last = t.data() + t.size();
    auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<double> ParsePlainNumber(std::string_view text) {
    std::size_t a = text.find_first_not_of(" \t"), b = text.find_last_not_of(" \t");
    if (a == std::string_view::npos) return std::nullopt;
    std::string t(text.substr(a, b - a + 1));
    for (char& c : t)
        if (c == ',') c = '.';
    if (t.find_first_of("eE") != std::string::npos) return std::nullopt;
    return ParseNumber(t);
}

std::string FixedText(double v, int decimals) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}

std::string GeneralText(double v, int significant) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, significant);
    return r.ec == std::errc() ? std::string(buf, r.ptr) : std::string("0");
}

std::string PlainNumber(double v, int decimals) {
    if (!std::isfinite(v)) return "0";
    std::string s = FixedText(v, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string FormatRounded(double v, int decimals, char sep) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NaN" : (v > 0 ? "Inf" : "-Inf");
    double scale = std::pow(10.0, decimals);
    double r = std::nearbyint(v * scale) / scale;
    if (!std::isfinite(r)) r = v;
    std::string s = FixedText(r, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    for (char& c : s)
        if (c == '.') c = sep;
    return s;
}

}  // namespace vt
