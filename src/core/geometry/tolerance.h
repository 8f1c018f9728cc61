// How close counts as the same for the geometry: a tangency, circles that touch, parallel lines, a
// point on a line, points that coincide. Each decision compares lengths within a tolerance that
// grows with the size of the configuration, so that the same drawing at any scale gives the same
// answers, and never falls below the rounding noise of its coordinates, so that a drawing far from
// the origin does too.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>

namespace vt {

// The relative tolerance of every decision: a billionth of the configuration's size.
inline constexpr double kRelTolerance = 1e-9;

// The largest magnitude of the values (the coordinates a computation starts from).
inline double Reach(std::initializer_list<double> values) {
    double m = 0;
    for (double v : values)
        m = std::max(m, std::fabs(v));
    return m;
}

// The tolerance of a length compared in a configuration of the given size whose coordinates
// reach `reach`.
inline double LengthTolerance(double size, double reach) {
    return kRelTolerance * std::fabs(size) + 16 * DBL_EPSILON * reach;
}

// The tolerance of the sine of an angle between directions of lengths a and b.
inline double AngleTolerance(double a, double b, double reach) {
    const double shorter = std::min(std::fabs(a), std::fabs(b));
    return kRelTolerance + (shorter > 0 ? 16 * DBL_EPSILON * reach / shorter : 1);
}

}  // namespace vt
