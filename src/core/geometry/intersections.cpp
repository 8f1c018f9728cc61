// Line/line, line/circle and circle/circle intersections. The case rules are those of the slope
// formulas, decided within tolerances relative to the configuration (geometry/tolerance.h); the
// points themselves are computed in vector form, which keeps full precision for steep lines and
// nearly vertical centre lines.
#include "geometry/intersections.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "geometry/primitives.h"
#include "geometry/tolerance.h"

namespace vt {

namespace {

bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

IntersectionList Fail() {
    IntersectionList l;
    l.CalcError = true;
    return l;
}

}  // namespace

PointResult Lin2LinIntersec(double x1, double y1, double x2, double y2, double x3, double y3,
                            double x4, double y4) {
    PointResult r;
    const double ux = x2 - x1, uy = y2 - y1, vx = x4 - x3, vy = y4 - y3;
    const double lu = std::sqrt(ux * ux + uy * uy), lv = std::sqrt(vx * vx + vy * vy);
    const double d = ux * vy - uy * vx;
    // Parallel: the sine of the angle between the lines within the tolerance, that is
    // |d| ≤ AngleTolerance(lu, lv, reach)·lu·lv, written without its division (this runs for every
    // pair of lines the snap points meet).
    const double reach = Reach({x1, y1, x2, y2, x3, y3, x4, y4});
    const double tol = kRelTolerance * lu * lv + 16 * DBL_EPSILON * reach * std::max(lu, lv);
    if (!(lu > 0 && lv > 0) || !std::isfinite(d) || std::fabs(d) <= tol) {
        r.CalcError = true;
        return r;
    }
    double t = ((y1 - y3) * (x4 - x3) - (x1 - x3) * (y4 - y3)) / d;
    r.Pt.X = x1 + t * (x2 - x1);
    r.Pt.Y = y1 + t * (y2 - y1);
    if (!Finite(r.Pt.X, r.Pt.Y)) return PointResult{SnapPoint{}, true};
    return r;
}

IntersectionList Lin2ArcIntersec(double cx, double cy, double r, double x1, double y1, double x2,
                                 double y2) {
    if ((x1 == x2 && y1 == y2) || r == 0) return Fail();
    double ux = x2 - x1, uy = y2 - y1;
    double len2 = ux * ux + uy * uy;
    // Vertical: within a millionth of a radian of it, whatever the line's length
    // (|ux| < 1e-6·length).
    const bool vertical = ux * ux < 1e-12 * len2;
    // In the slope form the discriminant is D = 4(1 + m²)(r² − h²), h the distance of the centre
    // from the line and m the slope (x over y for a vertical line); its tolerance decides tangency.
    double m = vertical ? ux / uy : uy / ux;
    if (!std::isfinite(m)) return Fail();
    double t0 = ((cx - x1) * ux + (cy - y1) * uy) / len2;
    double fx = x1 + t0 * ux, fy = y1 + t0 * uy;  // foot of the perpendicular from the centre
    double h = std::hypot(cx - fx, cy - fy);
    double ar = std::fabs(r);
    IntersectionList l;
    if (!Finite(fx, fy) || !std::isfinite(h) || !std::isfinite(ar)) return Fail();
    // Tangent: the line's distance from the centre within the tolerance of the radius.
    const double tol = LengthTolerance(ar, Reach({cx, cy, x1, y1, x2, y2}));
    if (std::fabs(ar - h) <= tol) {
        l.Pt[1].X = fx;
        l.Pt[1].Y = fy;
        l.Count = 1;
        return l;
    }
    if (h > ar) return Fail();
    double half = std::sqrt((ar - h) * (ar + h)) / std::sqrt(len2);
    SnapPoint a{fx + half * ux, fy + half * uy}, b{fx - half * ux, fy - half * uy};
    bool aFirst = vertical ? a.Y >= b.Y : a.X >= b.X;
    l.Pt[1] = aFirst ? a : b;
    l.Pt[2] = aFirst ? b : a;
    l.Count = 2;
    if (!Finite(a.X, a.Y) || !Finite(b.X, b.Y)) return Fail();
    return l;
}

IntersectionList Arc2ArcIntersect(double x1, double y1, double r1, double x2, double y2,
                                  double r2) {
    if (r1 == 0 || r2 == 0) return Fail();
    double xA = x1, yA = y1, rA = r1, xB = x2, yB = y2, rB = r2;
    if (x1 > x2) {
        xA = x2, yA = y2, rA = r2;
        xB = x1, yB = y1, rB = r1;
    }
    double d = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    const double ar1 = std::fabs(r1), ar2 = std::fabs(r2);
    const double tol = LengthTolerance(std::max(ar1, ar2), Reach({x1, y1, x2, y2}));
    // Centres that coincide (within the tolerance) give no direction and no point.
    if (d <= tol || 2 * rA * d == 0 || !std::isfinite(d)) return Fail();
    double ux = (xB - xA) / d, uy = (yB - yA) / d;  // direction A→B
    double c = (rA * rA + d * d - rB * rB) / (2 * rA * d);
    IntersectionList l;
    auto onB = [&](bool away) {
        // The contact point seen from B: towards A (φ = θ + π) or away from it (φ = θ).
        double s = away ? 1 : -1;
        l.Pt[1].X = xB + s * rB * ux;
        l.Pt[1].Y = yB + s * rB * uy;
        l.Count = 1;
    };
    if (std::fabs(d - (r1 + r2)) <= tol) {
        onB(!(c > 0));
    } else if (d > r1 + r2) {
        return Fail();
    } else if (std::fabs(d - std::fabs(r1 - r2)) <= tol) {
        onB(!(c < 0));
    } else if (std::fabs(r1 - r2) > d) {
        return Fail();
    } else {
        c = std::clamp(c, -1.0, 1.0);
        double s = std::sqrt((1 - c) * (1 + c));
        // θ ± α with cos α = c, sin α = s: rotate the direction A→B both ways.
        l.Pt[1].X = xA + rA * (c * ux - s * uy);
        l.Pt[1].Y = yA + rA * (c * uy + s * ux);
        l.Pt[2].X = xA + rA * (c * ux + s * uy);
        l.Pt[2].Y = yA + rA * (c * uy - s * ux);
        l.Count = 2;
    }
    for (int i = 1; i <= l.Count; ++i)
        if (!Finite(l.Pt[static_cast<std::size_t>(i)].X, l.Pt[static_cast<std::size_t>(i)].Y))
            return Fail();
    return l;
}

}  // namespace vt
