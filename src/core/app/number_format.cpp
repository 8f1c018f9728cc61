// Rounded number texts and axis marks.
#include "app/number_format.h"

#include "app/program.h"
#include "base/numbers.h"

namespace vt {

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
