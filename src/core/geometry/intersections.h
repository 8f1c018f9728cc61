// Intersections of infinite lines and circles.
#pragma once

#include <array>
#include <cstdint>

#include "geometry/objects.h"

namespace vt {

// Up to two solutions at Pt[1] and Pt[2]; CalcError when there is none.
struct IntersectionList {
    std::array<SnapPoint, 11> Pt{};
    int16_t Count = 0;
    bool CalcError = false;
};

struct PointResult {
    SnapPoint Pt;
    bool CalcError = false;
};

// The infinite lines through (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4); parallel when the sine of
// the angle between them is within the tolerance (geometry/tolerance.h).
PointResult Lin2LinIntersec(double x1, double y1, double x2, double y2, double x3, double y3,
                            double x4, double y4);

// The infinite line through two points and a circle. Pt[1] has the larger x (the larger y for a
// line within a millionth of a radian of vertical). A line whose distance from the centre is the
// radius within the tolerance is a tangent: one point.
IntersectionList Lin2ArcIntersec(double cx, double cy, double r, double x1, double y1, double x2,
                                 double y2);

// Two circles. A is the circle with the smaller centre x (the first on a tie); Pt[1] lies
// counter-clockwise of the line A→B as seen from A. Contact within the tolerance gives one point;
// centres that coincide within it give none.
IntersectionList Arc2ArcIntersect(double x1, double y1, double r1, double x2, double y2, double r2);

}  // namespace vt
