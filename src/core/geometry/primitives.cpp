// Scalar helpers, LineLen and the Cohen–Sutherland clipper.
#include "geometry/primitives.h"

#include <cmath>

namespace vt {

double ArcSin(double x) {
    return std::atan(x / std::sqrt(1 - x * x));
}

double ArcCos(double x, bool& failed) {
    if (1 - x * x < 0) {
        failed = true;
        return 0;
    }
    failed = false;
    return kHalfPi - 2 * std::atan(x / (1 + std::sqrt(1 - x * x)));
}

bool IsEqual(double a, double b) {
    return std::fabs(a - b) < 0.00001;
}

void SwapValues(double& a, double& b) {
    double t = a;
    a = b;
    b = t;
}

double Hypot(double a, double b) {
    return std::sqrt(a * a + b * b);
}

bool PointInBox(double px, double py, double x1, double y1, double x2, double y2, double tol) {
    if (x1 > x2) SwapValues(x1, x2);
    if (y1 > y2) SwapValues(y1, y2);
    return x1 - tol <= px && px <= x2 + tol && y1 - tol <= py && py <= y2 + tol;
}

RitObjekt OffsetCircle(double x, double y, double r, double d) {
    RitObjekt o;
    o.CX = x;
    o.CY = y;
    o.R = r + d;
    return o;
}

LineMeasure LineLen(double x1, double y1, double x2, double y2) {
    LineMeasure m;
    double dx = std::fabs(x2 - x1), dy = std::fabs(y2 - y1);
    m.Length = SegmentLength(x1, y1, x2, y2);
    m.MidX = (x2 - x1) / 2 + x1;
    m.MidY = (y2 - y1) / 2 + y1;
    const double toDeg = 180 / kPi;
    if (x1 == x2 && y1 > y2)
        m.AngleDeg = 90;
    else if (x1 == x2 && y1 < y2)
        m.AngleDeg = 270;
    else if (y1 == y2 && x1 > x2)
        m.AngleDeg = 180;
    else if (y1 == y2 && x1 < x2)
        m.AngleDeg = 0;
    else if (x2 > x1 && y2 < y1)
        m.AngleDeg = std::atan(dy / dx) * toDeg;
    else if (x2 < x1 && y2 < y1)
        m.AngleDeg = std::atan(dx / dy) * toDeg + 90;
    else if (x2 < x1 && y2 > y1)
        m.AngleDeg = std::atan(dy / dx) * toDeg + 180;
    else if (x2 > x1 && y2 > y1)
        m.AngleDeg = std::atan(dx / dy) * toDeg + 270;
    m.AngleRad = -m.AngleDeg * kPi / 180;
    return m;
}

double DirectionDeg(double x1, double y1, double x2, double y2) {
    return LineLen(x1, -y1, x2, -y2).AngleDeg;
}

uint8_t ClipCode(const ClipRect& r, double x, double y) {
    uint8_t code = 0;
    if (y > double(r.bottom))
        code |= 1;
    else if (y < double(r.top))
        code |= 2;
    if (x > double(r.right))
        code |= 4;
    else if (x < double(r.left))
        code |= 8;
    return code;
}

int ClipLine(const ClipRect& r, double& x1, double& y1, double& x2, double& y2) {
    uint8_t c1 = ClipCode(r, x1, y1), c2 = ClipCode(r, x2, y2);
    // Each pass moves one end onto an edge, so four passes per end always suffice.
    for (int guard = 0; guard < 16; ++guard) {
        if ((c1 | c2) == 0) return 0;
        if (c1 & c2) return 1;
        bool first = c1 != 0;
        uint8_t code = first ? c1 : c2;
        double x = 0, y = 0;
        if (code & 1) {
            y = r.bottom;
            x = x1 + (y - y1) * (x2 - x1) / (y2 - y1);
        } else if (code & 2) {
            y = r.top;
            x = x1 + (y - y1) * (x2 - x1) / (y2 - y1);
        } else if (code & 4) {
            x = r.right;
            y = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
        } else {
            x = r.left;
            y = y1 + (x - x1) * (y2 - y1) / (x2 - x1);
        }
        if (!std::isfinite(x) || !std::isfinite(y)) return 1;
        if (first) {
            x1 = x;
            y1 = y;
            c1 = ClipCode(r, x1, y1);
        } else {
            x2 = x;
            y2 = y;
            c2 = ClipCode(r, x2, y2);
        }
    }
    return 1;
}

}  // namespace vt
