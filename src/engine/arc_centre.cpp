// Choosing the written arc centre on its grid.
#include "arc_centre.h"

#include <algorithm>
#include <cmath>

namespace vt::engine {

namespace {

constexpr int kWindow = 3;  // grid steps searched on each side of the ideal centre

}  // namespace

ArcCentre ChooseArcCentre(const ArcGrid& g) {
    // The difference of the distances to the start and to the end, and its gradient.
    auto diff = [&](double x, double y, double* gx, double* gy) {
        const double ds = std::hypot(x - g.sx, y - g.sy), de = std::hypot(x - g.ex, y - g.ey);
        if (gx) {
            *gx = (ds > 0 ? (x - g.sx) / ds : 0) - (de > 0 ? (x - g.ex) / de : 0);
            *gy = (ds > 0 ? (y - g.sy) / ds : 0) - (de > 0 ? (y - g.ey) / de : 0);
        }
        return ds - de;
    };
    // From the drawn centre towards the points with a difference of `level` (Newton steps).
    auto towards = [&](double level, double& x, double& y) {
        for (int k = 0; k < 6; ++k) {
            double gx = 0, gy = 0;
            const double f = diff(x, y, &gx, &gy) - level, n = gx * gx + gy * gy;
            if (n < 1e-30 || std::fabs(f) < 1e-15) return;
            x -= f * gx / n;
            y -= f * gy / n;
        }
    };
    const double unit = std::max(g.qx, g.qy);
    const double f0 = diff(g.cx, g.cy, nullptr, nullptr);
    // The drawn centre itself where it is good enough, else the nearest points that are: on the
    // bisector and half a step inside the allowed band.
    double ax = g.cx, ay = g.cy, bx = g.cx, by = g.cy;
    towards(0, ax, ay);
    towards(std::copysign(std::min(std::fabs(f0), unit / 2), f0), bx, by);
    const double targets[3][2] = {{g.cx, g.cy}, {ax, ay}, {bx, by}};
    ArcCentre best, closest;
    bool haveBest = false, haveClosest = false;
    double bestDistance = 0;
    const double limit = unit * (1 + 1e-9);
    for (const auto& t : targets) {
        const auto i0 = static_cast<int64_t>(std::llround((t[0] - g.ox) / g.qx));
        const auto j0 = static_cast<int64_t>(std::llround((t[1] - g.oy) / g.qy));
        for (int64_t i = i0 - kWindow; i <= i0 + kWindow; ++i) {
            for (int64_t j = j0 - kWindow; j <= j0 + kWindow; ++j) {
                ArcCentre c;
                c.i = i;
                c.j = j;
                c.x = g.ox + static_cast<double>(i) * g.qx;
                c.y = g.oy + static_cast<double>(j) * g.qy;
                c.radiusDifference = std::fabs(diff(c.x, c.y, nullptr, nullptr));
                if (!haveClosest || c.radiusDifference < closest.radiusDifference) {
                    closest = c;
                    haveClosest = true;
                }
                if (c.radiusDifference > limit) continue;
                const double distance = std::hypot(c.x - g.cx, c.y - g.cy);
                if (!haveBest || distance < bestDistance) {
                    best = c;
                    bestDistance = distance;
                    haveBest = true;
                }
            }
        }
    }
    return haveBest ? best : closest;
}

double ArcSweep(double sx, double sy, double ex, double ey, double cx, double cy, bool clockwise) {
    const double a1 = std::atan2(sy - cy, sx - cx), a2 = std::atan2(ey - cy, ex - cx);
    double sweep = clockwise ? a1 - a2 : a2 - a1;
    while (sweep <= 0)
        sweep += 2 * M_PI;
    while (sweep > 2 * M_PI)
        sweep -= 2 * M_PI;
    return sweep;
}

}  // namespace vt::engine
