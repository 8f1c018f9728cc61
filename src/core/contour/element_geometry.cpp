// Measures of one contour element.
#include "contour/element_geometry.h"

#include <algorithm>
#include <cmath>

#include "geometry/arc_span.h"

namespace vt {

Vec2 UnitVec(double x, double y) {
    const double l = std::hypot(x, y);
    return l > 0 ? Vec2{x / l, y / l} : Vec2{0, 0};
}

Vec2 ElementTangent(const ChainElement& e, bool atEnd) {
    if (!e.arc) return UnitVec(e.x2 - e.x1, e.y2 - e.y1);
    const double px = atEnd ? e.x2 : e.x1, py = atEnd ? e.y2 : e.y1;
    const Vec2 radial = UnitVec(px - e.cx, py - e.cy);
    return e.ccw ? Vec2{-radial.y, radial.x} : Vec2{radial.y, -radial.x};
}

bool IsFullTurn(const ChainElement& e) {
    return e.arc && e.x1 == e.x2 && e.y1 == e.y2;
}

double ElementSweep(const ChainElement& e) {
    const double a1 = std::atan2(e.y1 - e.cy, e.x1 - e.cx),
                 a2 = std::atan2(e.y2 - e.cy, e.x2 - e.cx);
    if (IsFullTurn(e)) return 2 * M_PI;
    return e.ccw ? ArcSweep(a1, a2) : ArcSweep(a2, a1);
}

double ElementLength(const ChainElement& e) {
    return e.arc ? e.r * ElementSweep(e) : std::hypot(e.x2 - e.x1, e.y2 - e.y1);
}

Vec2 PointAlong(const ChainElement& e, double s) {
    const double len = ElementLength(e);
    if (len <= 0) return {e.x1, e.y1};
    if (!e.arc) {
        const double k = s / len;
        return {e.x1 + (e.x2 - e.x1) * k, e.y1 + (e.y2 - e.y1) * k};
    }
    const double a = std::atan2(e.y1 - e.cy, e.x1 - e.cx) + (e.ccw ? 1 : -1) * s / e.r;
    return {e.cx + e.r * std::cos(a), e.cy + e.r * std::sin(a)};
}

void SplitElement(const ChainElement& e, double s, ChainElement& first, ChainElement& second) {
    const Vec2 p = PointAlong(e, s);
    first = second = e;
    first.x2 = second.x1 = p.x;
    first.y2 = second.y1 = p.y;
}

double DistanceToElement(const ChainElement& e, double x, double y) {
    if (!e.arc) {
        const double dx = e.x2 - e.x1, dy = e.y2 - e.y1, ll = dx * dx + dy * dy;
        const double t =
            ll > 0 ? std::clamp(((x - e.x1) * dx + (y - e.y1) * dy) / ll, 0.0, 1.0) : 0;
        return std::hypot(x - (e.x1 + t * dx), y - (e.y1 + t * dy));
    }
    const double ends = std::min(std::hypot(x - e.x1, y - e.y1), std::hypot(x - e.x2, y - e.y2));
    if (IsFullTurn(e)) return std::fabs(std::hypot(x - e.cx, y - e.cy) - e.r);
    // On the span when the point's angle lies between the ends in the direction of travel.
    const double a1 = std::atan2(e.y1 - e.cy, e.x1 - e.cx), a = std::atan2(y - e.cy, x - e.cx);
    const double from = e.ccw ? ArcSweep(a1, a) : ArcSweep(a, a1);
    if (from < ElementSweep(e))
        return std::min(ends, std::fabs(std::hypot(x - e.cx, y - e.cy) - e.r));
    return ends;
}

}  // namespace vt
