// Following chains: closed loops of lines and arcs, open chains, a T-junction, construction lines
// running past corners.
#include "contour/chain.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "geometry/primitives.h"
#include "test_util.h"

namespace vt {
namespace {

class ChainTest : public ::testing::Test {
  protected:
    void Line(double x1, double y1, double x2, double y2) {
        AddLine(p, x1, y1, x2, y2, false, true, false);
    }
    // A part arc counter-clockwise from a1 to a2 degrees.
    void Arc(double cx, double cy, double r, double a1, double a2) {
        AddArc(p, cx, cy, a1 * kPi / 180, a2 * kPi / 180, r, false, true, false);
    }
    // A 100 × 60 plate with R10 corners, drawn in no particular order or direction.
    void Plate(double scale = 1) {
        const double s = scale;
        Line(10 * s, 0, 90 * s, 0);
        Line(100 * s, 50 * s, 100 * s, 10 * s);  // drawn against the others
        Line(10 * s, 60 * s, 90 * s, 60 * s);
        Line(0, 10 * s, 0, 50 * s);
        Arc(90 * s, 10 * s, 10 * s, 270, 0);
        Arc(90 * s, 50 * s, 10 * s, 0, 90);
        Arc(10 * s, 50 * s, 10 * s, 90, 180);
        Arc(10 * s, 10 * s, 10 * s, 180, 270);
    }
    test::TempDir dir;
    test::FakeUi ui;
    Program p{ui, dir.Path()};
};

// Every element starts where the one before it ends.
void ExpectJoined(const Chain& c, double tol) {
    for (std::size_t i = 1; i < c.elements.size(); ++i) {
        EXPECT_NEAR(c.elements[i].x1, c.elements[i - 1].x2, tol) << i;
        EXPECT_NEAR(c.elements[i].y1, c.elements[i - 1].y2, tol) << i;
    }
    if (c.closed) {
        EXPECT_NEAR(c.elements.front().x1, c.elements.back().x2, tol);
        EXPECT_NEAR(c.elements.front().y1, c.elements.back().y2, tol);
    }
}

TEST_F(ChainTest, AClosedPlateFromAnyElementAtAnyScale) {
    for (double scale : {1e-3, 1.0, 1e4}) {
        p.drawing = Drawing{};
        Plate(scale);
        for (int16_t start = 1; start <= 8; ++start) {
            const Chain c = FollowChain(p.drawing, start);
            EXPECT_TRUE(c.closed) << scale << " " << start;
            EXPECT_FALSE(c.branched);
            ASSERT_EQ(c.elements.size(), 8u) << scale << " " << start;
            EXPECT_EQ(c.elements[0].object, start);
            ExpectJoined(c, 1e-9 * scale);
        }
    }
}

TEST_F(ChainTest, OpenChainsStopAtTheirEndsAndAtJunctions) {
    Line(0, 0, 10, 0);
    Line(10, 0, 10, 10);
    Arc(15, 10, 5, 0, 180);  // from (20, 10) to (10, 10): joins the line above at its end
    Line(50, 0, 60, 0);      // apart
    Chain c = FollowChain(p.drawing, 2);
    EXPECT_FALSE(c.closed);
    EXPECT_FALSE(c.branched);
    ASSERT_EQ(c.elements.size(), 3u);
    EXPECT_EQ(c.elements.front().object, 1);
    EXPECT_EQ(c.elements.back().object, 3);
    EXPECT_FALSE(c.elements.back().ccw);  // the arc is run clockwise, from (10, 10) to (20, 10)
    EXPECT_NEAR(c.elements.back().x2, 20, 1e-12);
    ExpectJoined(c, 1e-12);
    // A T: a third line at (10, 0) stops the chain there.
    Line(10, 0, 20, -5);
    c = FollowChain(p.drawing, 2);
    EXPECT_TRUE(c.branched);
    EXPECT_EQ(c.elements.front().object, 2);
}

TEST_F(ChainTest, OnlyEndsThatMeetJoin) {
    // Construction lines running past the corners of a square: no chain through them.
    Line(-10, 0, 110, 0);
    Line(100, -10, 100, 110);
    Line(0, 100, 100, 100);  // its end meets nothing but the middle of the long line
    Chain c = FollowChain(p.drawing, 1);
    EXPECT_EQ(c.elements.size(), 1u);
    EXPECT_FALSE(c.closed);
    // A full circle is a chain of its own.
    double r = 5;
    AddArc(p, 50, 50, 0, 0, r, false, true, false);
    c = FollowChain(p.drawing, 4);
    ASSERT_EQ(c.elements.size(), 1u);
    EXPECT_TRUE(c.closed);
    EXPECT_TRUE(c.elements[0].arc);
    // Points and deleted objects are no chain.
    AddRitPoint(p, 1, 1, false, true, false);
    EXPECT_TRUE(FollowChain(p.drawing, 5).elements.empty());
}

}  // namespace
}  // namespace vt
