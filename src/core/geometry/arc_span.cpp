// Spans of part arcs and the points on them.
#include "geometry/arc_span.h"

#include <cmath>

#include "geometry/primitives.h"
#include "geometry/tolerance.h"

namespace vt {

double ArcSweep(double start, double end) {
    // fmod rather than adding turns: a file may hold any angle.
    double sweep = std::fmod(end - start, 2 * kPi);
    if (!(sweep > 0)) sweep += 2 * kPi;
    return std::isfinite(sweep) ? sweep : 2 * kPi;
}

SnapPoint PointAtAngle(const RitObjekt& arc, double angle) {
    SnapPoint p;
    p.X = arc.CX + arc.R * std::cos(angle);
    p.Y = arc.CY + arc.R * std::sin(angle);
    return p;
}

bool OnArcSpan(const RitObjekt& arc, double x, double y) {
    if (!IsPartArc(arc)) return true;
    const double r = std::fabs(arc.R);
    if (!(r > 0)) return false;
    double angle = std::atan2(y - arc.CY, x - arc.CX);
    if (arc.R < 0) angle += kPi;
    // Where the point lies past the start, in [0, 2π).
    double past = std::fmod(angle - arc.StartAngle, 2 * kPi);
    if (past < 0) past += 2 * kPi;
    const double tol = AngleTolerance(r, r, Reach({x, y, arc.CX, arc.CY}));
    return past <= ArcSweep(arc.StartAngle, arc.EndAngle) + tol || past >= 2 * kPi - tol;
}

}  // namespace vt
