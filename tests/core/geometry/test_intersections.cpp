// Line/line, line/circle and circle/circle intersections: the documented cases and an independent
// check that every reported point lies on both elements.
#include "geometry/intersections.h"

#include <gtest/gtest.h>

#include "geometry/primitives.h"
#include "geometry_checks.h"

namespace vt {
namespace {

using test::Circ;
using test::Dist;
using test::Gen;
using test::LineDist;
using test::Seg;

TEST(Lin2Lin, CrossingParallelAndCoincident) {
    PointResult r = Lin2LinIntersec(0, 0, 10, 10, 0, 10, 10, 0);
    EXPECT_FALSE(r.CalcError);
    EXPECT_DOUBLE_EQ(r.Pt.X, 5);
    EXPECT_DOUBLE_EQ(r.Pt.Y, 5);
    // The lines are infinite.
    r = Lin2LinIntersec(0, 0, 1, 0, 5, 3, 5, 4);
    EXPECT_DOUBLE_EQ(r.Pt.X, 5);
    EXPECT_DOUBLE_EQ(r.Pt.Y, 0);
    // Parallel is a matter of direction, not of length: short lines at right angles still meet.
    r = Lin2LinIntersec(0, 0, 0.001, 0, 0.0005, 0.0005, 0.0005, 0.001);
    EXPECT_FALSE(r.CalcError);
    EXPECT_DOUBLE_EQ(r.Pt.X, 0.0005);
    EXPECT_DOUBLE_EQ(r.Pt.Y, 0);
    for (auto [a, b] : {std::pair{Seg{0, 0, 10, 0}, Seg{0, 1, 10, 1}},
                        {Seg{0, 0, 10, 0}, Seg{2, 0, 7, 0}},
                        {Seg{0, 0, 0.001, 0}, Seg{0, 1e-9, 0.001, 1e-9}}}) {
        PointResult p = Lin2LinIntersec(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2);
        EXPECT_TRUE(p.CalcError);
        EXPECT_EQ(p.Pt.X, 0);
        EXPECT_EQ(p.Pt.Y, 0);
    }
}

TEST(Lin2Arc, DocumentedCases) {
    // Two points, the larger x first.
    IntersectionList l = Lin2ArcIntersec(0, 0, 5, -10, 3, 10, 3);
    ASSERT_EQ(l.Count, 2);
    EXPECT_FALSE(l.CalcError);
    EXPECT_NEAR(l.Pt[1].X, 4, 1e-12);
    EXPECT_NEAR(l.Pt[2].X, -4, 1e-12);
    EXPECT_NEAR(l.Pt[1].Y, 3, 1e-12);
    // A segment that stops short still meets the circle: the line is infinite.
    l = Lin2ArcIntersec(0, 0, 5, 20, 0, 30, 0);
    EXPECT_EQ(l.Count, 2);
    // Tangent: one point.
    l = Lin2ArcIntersec(0, 0, 5, -10, 5, 10, 5);
    ASSERT_EQ(l.Count, 1);
    EXPECT_NEAR(l.Pt[1].X, 0, 1e-12);
    EXPECT_NEAR(l.Pt[1].Y, 5, 1e-12);
    // Miss.
    l = Lin2ArcIntersec(0, 0, 5, -10, 6, 10, 6);
    EXPECT_EQ(l.Count, 0);
    EXPECT_TRUE(l.CalcError);
    EXPECT_EQ(l.Pt[1].X, 0);
    // Vertical branch (|x1 − x2| < 1e-6): the larger y first.
    l = Lin2ArcIntersec(0, 0, 5, 3, -10, 3 + 5e-7, 10);
    ASSERT_EQ(l.Count, 2);
    EXPECT_NEAR(l.Pt[1].Y, 4, 1e-5);
    EXPECT_NEAR(l.Pt[2].Y, -4, 1e-5);
    // Degenerate: a line of two equal points, or radius 0.
    EXPECT_TRUE(Lin2ArcIntersec(0, 0, 5, 1, 1, 1, 1).CalcError);
    EXPECT_TRUE(Lin2ArcIntersec(0, 0, 0, -1, 0, 1, 0).CalcError);
    // Every other element of the list stays zero.
    l = Lin2ArcIntersec(0, 0, 5, -10, 3, 10, 3);
    EXPECT_EQ(l.Pt[0].X, 0);
    EXPECT_EQ(l.Pt[3].X, 0);
}

TEST(Arc2Arc, DocumentedCases) {
    EXPECT_TRUE(Arc2ArcIntersect(0, 0, 5, 0, 0, 3).CalcError);
    EXPECT_TRUE(Arc2ArcIntersect(0, 0, 0, 5, 0, 3).CalcError);
    EXPECT_TRUE(Arc2ArcIntersect(0, 0, 2, 10, 0, 3).CalcError);  // apart
    EXPECT_TRUE(Arc2ArcIntersect(0, 0, 10, 1, 0, 3).CalcError);  // inside
    // Outer and inner contact: one point on the touching spot.
    IntersectionList l = Arc2ArcIntersect(0, 0, 4, 10, 0, 6);
    ASSERT_EQ(l.Count, 1);
    EXPECT_NEAR(l.Pt[1].X, 4, 1e-12);
    EXPECT_NEAR(l.Pt[1].Y, 0, 1e-12);
    l = Arc2ArcIntersect(0, 0, 10, 4, 0, 6);
    ASSERT_EQ(l.Count, 1);
    EXPECT_NEAR(l.Pt[1].X, 10, 1e-12);
    l = Arc2ArcIntersect(4, 0, 6, 0, 0, 10);
    ASSERT_EQ(l.Count, 1);
    EXPECT_NEAR(l.Pt[1].X, 10, 1e-12);
    // The chord through the left centre (c = 0): the points at θ ± π/2.
    l = Arc2ArcIntersect(0, 0, 3, 4, 0, 5);
    ASSERT_EQ(l.Count, 2);
    EXPECT_NEAR(l.Pt[1].X, 0, 1e-12);
    EXPECT_NEAR(l.Pt[1].Y, 3, 1e-12);
    EXPECT_NEAR(l.Pt[2].Y, -3, 1e-12);
    // The order depends on which centre has the smaller x, not on the argument order...
    IntersectionList swapped = Arc2ArcIntersect(4, 0, 5, 0, 0, 3);
    EXPECT_DOUBLE_EQ(swapped.Pt[1].Y, l.Pt[1].Y);
    // ...except when the centres share x: then the first circle is A.
    IntersectionList up = Arc2ArcIntersect(0, 0, 5, 0, 6, 5),
                     down = Arc2ArcIntersect(0, 6, 5, 0, 0, 5);
    EXPECT_NEAR(up.Pt[1].X, -4, 1e-12);  // counter-clockwise of A→B (upwards) is to the left
    EXPECT_NEAR(down.Pt[1].X, 4, 1e-12);
}

// Every point reported lies on both elements, for random and axis-aligned configurations.
TEST(Intersections, PointsLieOnBothElements) {
    Gen g(7);
    int lineCircle = 0, circleCircle = 0, lineLine = 0;
    std::vector<Seg> lines = test::SpecialLines();
    for (int i = 0; i < 300; ++i)
        lines.push_back(g.S());
    for (const Seg& s : lines) {
        for (int k = 0; k < 4; ++k) {
            Circ c = g.C();
            IntersectionList l = Lin2ArcIntersec(c.x, c.y, c.r, s.x1, s.y1, s.x2, s.y2);
            for (int j = 1; j <= l.Count; ++j) {
                const SnapPoint& p = l.Pt[static_cast<std::size_t>(j)];
                double scale = 100 + c.r;
                if (l.Count == 2) EXPECT_REL(Dist(p.X, p.Y, c.x, c.y), c.r, scale);
                EXPECT_REL(LineDist(s, p.X, p.Y), 0, scale);
                ++lineCircle;
            }
            if (l.Count == 2) {
                bool vertical = std::fabs(s.x1 - s.x2) < 1e-6;
                if (vertical)
                    EXPECT_GE(l.Pt[1].Y, l.Pt[2].Y);
                else
                    EXPECT_GE(l.Pt[1].X, l.Pt[2].X);
            }
        }
        Seg t = g.S();
        PointResult r = Lin2LinIntersec(s.x1, s.y1, s.x2, s.y2, t.x1, t.y1, t.x2, t.y2);
        if (!r.CalcError && std::fabs(r.Pt.X) < 1e4) {
            EXPECT_REL(LineDist(s, r.Pt.X, r.Pt.Y), 0, 1e3);
            EXPECT_REL(LineDist(t, r.Pt.X, r.Pt.Y), 0, 1e3);
            ++lineLine;
        }
    }
    for (int i = 0; i < 2000; ++i) {
        Circ a = g.C(), b = g.C();
        if (i % 10 == 0) b.x = a.x + 1e-6 * (i % 3);  // centres (nearly) on one vertical
        IntersectionList l = Arc2ArcIntersect(a.x, a.y, a.r, b.x, b.y, b.r);
        if (l.Count != 2) continue;
        for (int j = 1; j <= 2; ++j) {
            const SnapPoint& p = l.Pt[static_cast<std::size_t>(j)];
            EXPECT_REL(Dist(p.X, p.Y, a.x, a.y), a.r, 100);
            EXPECT_REL(Dist(p.X, p.Y, b.x, b.y), b.r, 100);
        }
        // Pt[1] is counter-clockwise of A→B seen from A.
        const Circ& A = (a.x > b.x) ? b : a;
        const Circ& B = (a.x > b.x) ? a : b;
        double cross = (B.x - A.x) * (l.Pt[1].Y - A.y) - (B.y - A.y) * (l.Pt[1].X - A.x);
        EXPECT_GT(cross, 0);
        ++circleCircle;
    }
    EXPECT_GT(lineCircle, 300);
    EXPECT_GT(circleCircle, 250);
    EXPECT_GT(lineLine, 200);
}

}  // namespace
}  // namespace vt
