// Independent checks for geometry answers: distances to points, lines and circles.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace vt::test {

struct Pt {
    double x, y;
};
struct Seg {
    double x1, y1, x2, y2;
};
struct Circ {
    double x, y, r;
};

inline double Dist(double ax, double ay, double bx, double by) {
    return std::hypot(ax - bx, ay - by);
}
// Distance of a point from the infinite line through a segment.
inline double LineDist(const Seg& l, double px, double py) {
    double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    return std::fabs((px - l.x1) * dy - (py - l.y1) * dx) / std::hypot(dx, dy);
}
// Signed: positive on the left of the direction of increasing x (upwards when vertical).
inline double SignedLineDist(const Seg& l, double px, double py) {
    double dx = l.x2 - l.x1, dy = l.y2 - l.y1;
    if (dx < 0 || (dx == 0 && dy < 0)) dx = -dx, dy = -dy;
    return ((py - l.y1) * dx - (px - l.x1) * dy) / std::hypot(dx, dy);
}

// |a − b| within 1e-9 relative to the size of the configuration.
#define EXPECT_REL(a, b, scale) EXPECT_NEAR((a), (b), 1e-9 * std::max(1.0, double(scale)))

// Reproducible random configurations in a box of the given size.
class Gen {
  public:
    explicit Gen(unsigned seed, double size = 100)
        : rng_(seed), u_(-size, size), r_(0.5, size / 2) {}
    double Coord() { return u_(rng_); }
    double Radius() { return r_(rng_); }
    Pt P() { return {Coord(), Coord()}; }
    Seg S() {
        Seg s{Coord(), Coord(), Coord(), Coord()};
        return s;
    }
    Circ C() { return {Coord(), Coord(), Radius()}; }

  private:
    std::mt19937 rng_;
    std::uniform_real_distribution<double> u_, r_;
};

// Lines of every orientation class, each given in both point orders.
inline std::vector<Seg> SpecialLines() {
    std::vector<Seg> base = {
        {0, 0, 10, 0}, {-5, 3, 7, 3},    {0, 0, 0, 10},    {4, -2, 4, 9},   {0, 0, 10, 10},
        {1, 2, -3, 8}, {0, 0, 1e-7, 10}, {0, 0, 10, 1e-7}, {-20, 5, 30, 6}, {2, 1, 2.00001, 40},
    };
    std::vector<Seg> out;
    for (const auto& s : base) {
        out.push_back(s);
        out.push_back({s.x2, s.y2, s.x1, s.y1});
    }
    return out;
}

}  // namespace vt::test
