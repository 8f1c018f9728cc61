// Circles through points and tangent to lines and circles. The case numbering and failure rules
// are those of the angle formulas, decided within tolerances relative to the configuration
// (geometry/tolerance.h) and clamped there, so that a configuration that touches gives its touching
// answer; centres are computed in vector form, which keeps the digits the angle formulas lose near
// the axes and near tangency.
#include <algorithm>
#include <cmath>

#include "geometry/constructions.h"
#include "geometry/intersections.h"
#include "geometry/primitives.h"
#include "geometry/tolerance.h"

namespace vt {

namespace {

Construction Circle(double cx, double cy, double r) {
    Construction c;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r)) {
        c.CalcError = true;
        return c;
    }
    c.Obj.CX = cx;
    c.Obj.CY = cy;
    c.Obj.R = r;
    return c;
}

Construction Fail() {
    Construction c;
    c.CalcError = true;
    return c;
}

// The point at distance `along` from origin O towards the unit direction u turned by the angle
// whose cosine is `cosb` (counter-clockwise for side +1, clockwise for −1); the caller has checked
// that the angle exists (within the tolerance), so the cosine is clamped to it.
bool Turned(double ox, double oy, double ux, double uy, double cosb, double side, double along,
            double& x, double& y) {
    if (!std::isfinite(cosb)) return false;
    cosb = std::clamp(cosb, -1.0, 1.0);
    double sinb = std::sqrt((1 - cosb) * (1 + cosb));
    x = ox + along * (cosb * ux - side * sinb * uy);
    y = oy + along * (cosb * uy + side * sinb * ux);
    return true;
}

// The cosine of the angle between the sides a and b of the triangle whose third side is c, or
// NaN when there is no such triangle. A triangle that is flat within the tolerance is flat
// exactly (the cosine ±1), so that circles that touch give the touching point and not one
// displaced by the square root of the rounding noise.
double TriangleCos(double a, double b, double c, double reach) {
    a = std::fabs(a), b = std::fabs(b), c = std::fabs(c);
    const double tol = LengthTolerance(std::max({a, b, c}), reach);
    if (a > b + c + tol || b > a + c + tol || c > a + b + tol) return NAN;
    if (c >= a + b - tol) return -1;                     // c opposite a straight angle
    if (a >= b + c - tol || b >= a + c - tol) return 1;  // b along a, or a along b
    return std::clamp((a * a + b * b - c * c) / (2 * a * b), -1.0, 1.0);
}

}  // namespace

double LineDirection(double x1, double y1, double x2, double y2) {
    if (x1 == x2) return kHalfPi;
    return std::atan((y2 - y1) / (x2 - x1));
}

Construction Arc2pt(double x1, double y1, double x2, double y2, double r, int16_t side) {
    double c = Hypot(x2 - x1, y2 - y1);
    // Distance from the chord's midpoint to the centre, r·cos(θ/2) = √(r² − (c/2)²).
    double h = c / 2;
    const double tol = LengthTolerance(r, Reach({x1, y1, x2, y2}));
    if (c > 2 * r + tol) return Fail();
    // A chord of 2r within the tolerance is the diameter.
    double d = c >= 2 * r - tol ? 0 : std::sqrt(std::max(0.0, (r - h) * (r + h)));
    double a = LineDirection(x1, y1, x2, y2);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    double s = side == 1 ? 1 : -1;  // 1: left normal side of the chord
    return Circle(mx - s * d * std::sin(a), my + s * d * std::cos(a), r);
}

Construction Arc3pt(double x1, double y1, double x2, double y2, double x3, double y3) {
    // The crossing of the perpendicular bisectors, relative to the first point. Points that
    // coincide, or lie on one line (three equal x or y values among them), have none.
    double bx = x2 - x1, by = y2 - y1, cx = x3 - x1, cy = y3 - y1;
    const double lb = Hypot(bx, by), lc = Hypot(cx, cy);
    double d = 2 * (bx * cy - by * cx);
    const double reach = Reach({x1, y1, x2, y2, x3, y3});
    if (!(lb > 0 && lc > 0) || !std::isfinite(d) ||
        std::fabs(d) <= 2 * AngleTolerance(lb, lc, reach) * lb * lc)
        return Fail();
    double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    double ux = (cy * b2 - by * c2) / d, uy = (bx * c2 - cx * b2) / d;
    return Circle(x1 + ux, y1 + uy, Hypot(ux, uy));
}

Construction TanArc2Arcpt(double cx, double cy, double rc, double px, double py, double r,
                          int16_t kase) {
    double s1 = (kase == 1 || kase == 3) ? 1 : -1;
    double s2 = (kase == 1 || kase == 2) ? 1 : -1;
    double rp = rc + s1 * r;  // distance of the new centre from the given one
    double d = Hypot(px - cx, py - cy);
    const double reach = Reach({cx, cy, px, py});
    if (d <= LengthTolerance(std::max(std::fabs(rc), std::fabs(r)), reach)) return Fail();
    // The new centre at r from P and at |rp| from C: a triangle with the side d.
    double cosb = TriangleCos(d, r, rp, reach);
    if (r < 0) cosb = -cosb;
    double x, y;
    if (!Turned(px, py, (cx - px) / d, (cy - py) / d, cosb, s2, r, x, y)) return Fail();
    return Circle(x, y, r);
}

Construction TanArc2LinPt(double px, double py, double r, double x1, double y1, double x2,
                          double y2, int16_t side) {
    double a = LineDirection(x1, y1, x2, y2);
    double b = a + kHalfPi;
    double nx = std::cos(b), ny = std::sin(b);
    double e = nx * (px - x1) + ny * (py - y1);  // signed distance of P from the line
    const double tol = LengthTolerance(r, Reach({px, py, x1, y1, x2, y2}));
    if (std::fabs(e) > 2 * r + tol) return Fail();
    double psi;
    if (std::fabs(e) <= tol) {
        psi = side == 1 ? kPi / 2 : 3 * kPi / 2;
    } else {
        double h = r - std::fabs(e);
        // √(r² − h²); a point 2r from the line within the tolerance has the centre straight
        // between.
        double s = std::fabs(e) >= 2 * r - tol
                       ? 0
                       : std::sqrt(std::max(0.0, std::fabs(e) * (2 * r - std::fabs(e))));
        psi = (e < 0 ? -1 : 1) * std::atan2(h, s);
    }
    Construction c;
    if (side == 1)
        c = Circle(px + r * std::cos(a + psi), py + r * std::sin(a + psi), 0);
    else if (side == 2)
        c = Circle(px - r * std::cos(a - psi), py - r * std::sin(a - psi), 0);
    else
        c = Circle(0, 0, 0);
    return c;
}

Construction TanArc2Lin(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4, double r, int16_t kase) {
    double a1 = LineDirection(x1, y1, x2, y2), a2 = LineDirection(x3, y3, x4, y4);
    // Directions are taken modulo a half turn: a line at 90° is parallel to one at −89.99999°.
    double diff = std::fabs(a1 - a2) / kDegToRad;
    if (std::min(diff, 180 - diff) < 0.00001) return Fail();
    // S, the crossing of the two infinite lines.
    double ux = x2 - x1, uy = y2 - y1, vx = x4 - x3, vy = y4 - y3;
    double den = ux * vy - uy * vx;
    if (den == 0) return Fail();
    double t = ((x3 - x1) * vy - (y3 - y1) * vx) / den;
    double sx = x1 + t * ux, sy = y1 + t * uy;
    double h1 = (a1 + a2) / 2, h2 = h1 + kPi / 2;
    double d1 = r / std::sin(h1 - a1), d2 = r / std::sin(h2 - a1);
    switch (kase) {
        case 1:
            return Circle(sx + d1 * std::cos(h1), sy + d1 * std::sin(h1), r);
        case 2:
            return Circle(sx - d1 * std::cos(h1), sy - d1 * std::sin(h1), r);
        case 3:
            return Circle(sx + d2 * std::cos(h2), sy + d2 * std::sin(h2), r);
        case 4:
            return Circle(sx - d2 * std::cos(h2), sy - d2 * std::sin(h2), r);
        default:
            return Circle(0, 0, 0);
    }
}

Construction TanArc2LinArc(double x1, double y1, double x2, double y2, double cx, double cy,
                           double rc, double r, int16_t kase) {
    if (kase < 1 || kase > 8) return Circle(0, 0, 0);
    double ar = std::fabs(r);
    RitObjekt line = ParallellLine(x1, y1, x2, y2, kase <= 4 ? ar : -ar);
    bool outer = kase == 1 || kase == 2 || kase == 5 || kase == 6;
    RitObjekt circle = OffsetCircle(cx, cy, rc, outer ? ar : -ar);
    IntersectionList l =
        Lin2ArcIntersec(circle.CX, circle.CY, circle.R, line.X1, line.Y1, line.X2, line.Y2);
    if (l.CalcError) return Fail();
    int index = kase % 2 == 1 ? 1 : 2;
    // A tangency has one centre; the second-point cases have no answer of their own.
    if (index > l.Count) return Fail();
    const SnapPoint& pt = l.Pt[static_cast<std::size_t>(index)];
    return Circle(pt.X, pt.Y, r);
}

Construction TanArc2Arc(double x1, double y1, double r1, double x2, double y2, double r2, double r,
                        int16_t kase) {
    if (kase < 1 || kase > 8) return Circle(0, 0, 0);
    double sA = kase <= 4 ? 1 : -1;
    double sB = (kase == 1 || kase == 2 || kase == 5 || kase == 6) ? 1 : -1;
    double sC = kase % 2 == 1 ? 1 : -1;
    double rp1 = r1 + sB * r, rp2 = r2 + sA * r;
    double d = Hypot(x2 - x1, y2 - y1);
    const double reach = Reach({x1, y1, x2, y2});
    const double tol =
        LengthTolerance(std::max({std::fabs(r1), std::fabs(r2), std::fabs(r)}), reach);
    // Concentric circles give no direction to measure from; a new centre on the first one's none.
    if (d <= tol || std::fabs(rp1) <= tol) return Fail();
    double cosb = TriangleCos(d, rp1, rp2, reach);
    if (rp1 < 0) cosb = -cosb;  // the centre is reached going backwards
    double x, y;
    if (!Turned(x1, y1, (x2 - x1) / d, (y2 - y1) / d, cosb, sC, rp1, x, y)) return Fail();
    return Circle(x, y, r);
}

}  // namespace vt
