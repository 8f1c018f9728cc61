// Field splitting and number texts of the text file formats.
#include "files/fields.h"

#include <cmath>

#include "base/numbers.h"
#include "base/text_file.h"
#include "base/vt_error.h"

namespace vt {

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> out;
    std::string cur;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

double FieldNumber(std::string_view field) {
    std::string_view t = Trim(field, " \t");
    if (t.empty()) return 0;
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-') ++i;
    std::size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++digits;
    }
    if (digits == 0) throw VtError(kErrTypeMismatch);
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t exp = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i, ++exp;
        if (exp == 0) throw VtError(kErrTypeMismatch);
    }
    if (i != t.size()) throw VtError(kErrTypeMismatch);
    auto v = ParseNumber(t);
    if (!v) throw VtError(kErrOverflow);  // the syntax is right: only the size can be wrong
    return *v;
}

int16_t FieldInt16(std::string_view field) {
    double v = std::nearbyint(FieldNumber(field));
    if (v < -32768 || v > 32767) throw VtError(kErrOverflow);
    return static_cast<int16_t>(v);
}

std::string WriteNumber(double v) {
    if (v == 0) return "0";
    std::string s = GeneralText(v, 15);
    for (char& c : s)
        c = c == 'e' ? 'E' : c;
    return s;
}

std::string WriteString(std::string_view s) {
    std::string out = "\"";
    for (char c : s)
        out += c == '"' ? '\'' : (c == '\r' || c == '\n') ? ' ' : c;
    return out + "\"";
}

}  // namespace vt
