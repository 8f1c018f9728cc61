// Where to write an arc's centre once its end points are rounded to the output resolution: a
// point of the centre's own grid near the perpendicular bisector of the rounded ends, so that the
// arc the control computes from the written words has (nearly) equal radii at both ends.
#pragma once

#include <cstdint>

namespace vt::engine {

struct ArcGrid {
    double sx, sy, ex, ey;  // the rounded start and end, drawing units
    double cx, cy;          // the drawn centre
    double ox, oy;  // a point of the centre grid (the start for I/J, 0 for absolute centres)
    double qx, qy;  // the centre grid's steps
};

struct ArcCentre {
    int64_t i = 0, j = 0;  // the written centre: (ox + i·qx, oy + j·qy)
    double x = 0, y = 0;
    double radiusDifference = 0;  // |distance to the start − distance to the end|
};

// The grid point nearest to the drawn centre whose distances to the rounded start and end differ
// by at most one grid step; when no point near it is that good, the one with the smallest
// difference.
ArcCentre ChooseArcCentre(const ArcGrid& g);

// The arc's sweep in radians (0 < sweep <= 2π) from the start to the end round the centre in the
// given direction; a full turn when start and end coincide.
double ArcSweep(double sx, double sy, double ex, double ey, double cx, double cy, bool clockwise);

}  // namespace vt::engine
