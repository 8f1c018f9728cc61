// Circle and line constructions. Each returns the new element's record (circles: CX, CY, R;
// lines: X1, Y1, X2, Y2) and CalcError when the chosen solution does not exist.
#pragma once

#include <cstdint>

#include "geometry/objects.h"

namespace vt {

struct Construction {
    RitObjekt Obj;
    bool CalcError = false;
};

// Circles.
Construction Arc2pt(double x1, double y1, double x2, double y2, double r, int16_t side);
Construction Arc3pt(double x1, double y1, double x2, double y2, double x3, double y3);
Construction TanArc2Arcpt(double cx, double cy, double rc, double px, double py, double r,
                          int16_t kase);
// R stays 0: the caller knows the radius.
Construction TanArc2LinPt(double px, double py, double r, double x1, double y1, double x2,
                          double y2, int16_t side);
Construction TanArc2Lin(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4, double r, int16_t kase);
Construction TanArc2LinArc(double x1, double y1, double x2, double y2, double cx, double cy,
                           double rc, double r, int16_t kase);
Construction TanArc2Arc(double x1, double y1, double r1, double x2, double y2, double r2, double r,
                        int16_t kase);

// Lines.
RitObjekt ParallellLine(double x1, double y1, double x2, double y2, double d);
Construction TanLin2ArcPt(double cx, double cy, double r, double px, double py, int16_t side);
Construction TanArcAngle(double cx, double cy, double r, double angleDeg, double length,
                         int16_t kase);
Construction TanLin2Arc(double x1, double y1, double r1, double x2, double y2, double r2,
                        int16_t kase);

// The direction angle of a line: atan of its slope, π/2 when its x values are equal; in (−π/2,
// π/2].
double LineDirection(double x1, double y1, double x2, double y2);

}  // namespace vt
