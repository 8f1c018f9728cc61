// Parallels, tangents from a point, tangents at a direction and common tangents of two circles;
// touching and coinciding are decided within the tolerances of geometry/tolerance.h.
#include <cmath>

#include "geometry/constructions.h"
#include "geometry/primitives.h"
#include "geometry/tolerance.h"

namespace vt {

namespace {

Construction Line(double x1, double y1, double x2, double y2) {
    Construction c;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
        c.CalcError = true;
        return c;
    }
    c.Obj.X1 = x1;
    c.Obj.Y1 = y1;
    c.Obj.X2 = x2;
    c.Obj.Y2 = y2;
    return c;
}

Construction Fail() {
    Construction c;
    c.CalcError = true;
    return c;
}

}  // namespace

RitObjekt ParallellLine(double x1, double y1, double x2, double y2, double d) {
    double a = LineDirection(x1, y1, x2, y2);
    RitObjekt o;
    o.X1 = x1 - d * std::sin(a);
    o.Y1 = y1 + d * std::cos(a);
    o.X2 = x2 - d * std::sin(a);
    o.Y2 = y2 + d * std::cos(a);
    return o;
}

Construction TanLin2ArcPt(double cx, double cy, double r, double px, double py, int16_t side) {
    double d = Hypot(cx - px, cy - py);
    // On the circle (within the tolerance) or inside it there is no tangent from the point.
    if (d <= std::fabs(r) + LengthTolerance(std::max(std::fabs(r), d), Reach({cx, cy, px, py})))
        return Fail();
    if (side != 1 && side != 2) return Line(0, 0, 0, 0);
    double t = std::sqrt((d - r) * (d + r));  // length of the tangent
    double ux = (cx - px) / d, uy = (cy - py) / d;
    double cosb = t / d, sinb = r / d;  // half the angle between the two tangents
    double s = side == 1 ? 1 : -1;      // 1: counter-clockwise of P→C
    double tx = px + t * (cosb * ux - s * sinb * uy);
    double ty = py + t * (cosb * uy + s * sinb * ux);
    return Line(px, py, tx, ty);
}

Construction TanArcAngle(double cx, double cy, double r, double angleDeg, double length,
                         int16_t kase) {
    if (kase == 2 || kase == 4) r = -r;
    if (kase == 3 || kase == 4) length = -length;
    double a = angleDeg * kPi / 180, n = (angleDeg + 90) * kPi / 180;
    double tx = cx + r * std::cos(n), ty = cy + r * std::sin(n);
    return Line(tx, ty, tx + length * std::cos(a), ty + length * std::sin(a));
}

Construction TanLin2Arc(double x1, double y1, double r1, double x2, double y2, double r2,
                        int16_t kase) {
    // The second circle is the one further right (further up when the centres share x).
    if ((x1 == x2 && y1 > y2) || x1 > x2) {
        SwapValues(x1, x2);
        SwapValues(y1, y2);
        SwapValues(r1, r2);
    }
    double d = Hypot(x2 - x1, y2 - y1);
    const double tol =
        LengthTolerance(std::max({std::fabs(r1), std::fabs(r2), d}), Reach({x1, y1, x2, y2}));
    // One circle inside the other, or touching it from inside (within the tolerance): none.
    if (d <= std::fabs(r1 - r2) + tol) return Fail();
    double phi = std::atan2(y2 - y1, x2 - x1);  // in (−π/2, π/2] after the ordering
    if (kase == 1 || kase == 2) {
        double dr = r2 - r1;
        double len = std::sqrt((d - dr) * (d + dr));
        double beta = std::atan(dr / len);
        double psi = kase == 1 ? phi + beta : phi - beta;
        double s = kase == 1 ? 1 : -1;  // contact on the left or right normal side of ψ
        double tx = x1 - s * r1 * std::sin(psi), ty = y1 + s * r1 * std::cos(psi);
        return Line(tx, ty, tx + len * std::cos(psi), ty + len * std::sin(psi));
    }
    if (kase == 3 || kase == 4) {
        double sum = r1 + r2;
        if (!(d > sum + tol)) return Fail();
        double alpha = std::atan(std::sqrt((d - sum) * (d + sum)) / sum);
        double g = kase == 3 ? phi + alpha : phi - alpha;
        return Line(x1 + r1 * std::cos(g), y1 + r1 * std::sin(g), x2 - r2 * std::cos(g),
                    y2 - r2 * std::sin(g));
    }
    return Line(0, 0, 0, 0);
}

}  // namespace vt
