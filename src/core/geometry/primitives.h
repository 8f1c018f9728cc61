// The numerical floor of the geometry module: scalar helpers, LineLen and the segment clipper.
// Every routine is a pure function; failures are part of the result, never a global flag.
#pragma once

#include <cmath>
#include <cstdint>

#include "geometry/objects.h"

namespace vt {

inline constexpr double kPi = 3.14159265358979;
inline constexpr double kHalfPi = 1.570796326794895;
inline constexpr double kDegToRad = 0.017453292519943278;
inline constexpr double kTwoPi = 6.28318530717958;

double ArcSin(double x);
// Arccosine in [0, π]; failed is set when 1 − x² < 0.
double ArcCos(double x, bool& failed);
// The common tolerance: |a − b| < 0.00001, strict and absolute.
bool IsEqual(double a, double b);
void SwapValues(double& a, double& b);
double Hypot(double a, double b);
// Inclusive box test; the corners may come in any order.
bool PointInBox(double px, double py, double x1, double y1, double x2, double y2, double tol);
// The circle concentric with (x, y, r) of radius r + d.
RitObjekt OffsetCircle(double x, double y, double r, double d);

struct LineMeasure {
    double Length = 0;
    double AngleDeg = 0;  // clockwise from +x, in [0, 360)
    double AngleRad = 0;  // counter-clockwise radians, −AngleDeg·π/180
    double MidX = 0, MidY = 0;
};
// Measures the segment; never fails.
LineMeasure LineLen(double x1, double y1, double x2, double y2);
// LineLen's Length alone, computed the same way (for the scans that need nothing else).
inline double SegmentLength(double x1, double y1, double x2, double y2) {
    const double dx = std::fabs(x2 - x1), dy = std::fabs(y2 - y1);
    return std::sqrt(dx * dx + dy * dy);
}

// The counter-clockwise direction angle in degrees of a segment, as the information texts show it.
double DirectionDeg(double x1, double y1, double x2, double y2);

// Cohen–Sutherland against a rectangle whose y grows downwards.
struct ClipRect {
    int32_t left, top, right, bottom;
};
uint8_t ClipCode(const ClipRect& rect, double x, double y);
// Clips in place; 0 when a visible part remains, 1 when the segment is wholly outside.
int ClipLine(const ClipRect& rect, double& x1, double& y1, double& x2, double& y2);

}  // namespace vt
