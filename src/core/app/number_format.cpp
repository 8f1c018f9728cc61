// Rounded number texts and axis marks.
#include "app/number_format.h"

#include <cmath>

#include "app/numbers.h"
#include "app/program.h"

namespace vt {

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

std::string Fmt(const Program& p, double v, int decimals) {
    return FormatRounded(v, decimals, p.decimalSeparator);
}

AxisMarks Marks(const Program& p) {
    AxisMarks m;
    if (!p.settings.PPUseMult) return m;
    if (p.xMult != 1) m.x = "*";
    if (p.yMult == 2)
        m.y = "Ø";
    else if (p.yMult != 1)
        m.y = "*";
    return m;
}

}  // namespace vt
