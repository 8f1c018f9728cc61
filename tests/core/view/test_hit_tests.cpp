// Hit tests: pixel tolerances, scan orders and tie-breaks.
#include "view/hit_tests.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class HitTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(HitTest, DrawingPointsWithinFifteenPixels) {
    p.view.Skala = 0.1;
    AddRitPoint(p, 0, 0, false, true, false);
    EXPECT_EQ(CheckRitPointHit(p, 1.4f, 0), 1);
    EXPECT_EQ(CheckRitPointHit(p, 1.5f, 0), -1);
    // Two at one spot: the higher index wins.
    AddRitPoint(p, 0, 0, false, true, false);
    EXPECT_EQ(CheckRitPointHit(p, 0.5f, 0), 2);
    // The nearer one wins whatever its index.
    AddRitPoint(p, 0.4, 0, false, true, false);
    EXPECT_EQ(CheckRitPointHit(p, 0.5f, 0), 3);
    EXPECT_EQ(CheckLineHit(p, 0, 0), -1);
}

TEST_F(HitTest, SnapPointsLowestIndexOnTies) {
    p.snaps.MaxPoints = 10;
    AddPoint(p, 5, 5, 0, 1, 1);
    AddPoint(p, 5, 5, 0, 2, 2);
    AddPoint(p, 30, 5, 0, 3, 3);
    EXPECT_EQ(CheckPointHit(p, 6, 6), 1);
    EXPECT_EQ(CheckPointHit(p, 29, 5), 3);
    EXPECT_EQ(CheckPointHit(p, 60, 5), -1);
    p.snaps.PointCount = 0;
    EXPECT_EQ(CheckPointHit(p, 5, 5), -1);
}

TEST_F(HitTest, APositionBeyondAnyNumberHitsNothing) {
    AddLine(p, 0, 0, 10, 0, false, false, false);
    double r = 5;
    AddArc(p, 0, 0, 0, 0, r, false, false, false);
    for (float x : {INFINITY, -INFINITY, NAN, 3e38f}) {
        EXPECT_EQ(CheckLineHit(p, x, 0), -1);
        EXPECT_EQ(CheckArcHit(p, x, 0), -1);
        EXPECT_EQ(CheckRitPointHit(p, x, 0), -1);
    }
}

TEST_F(HitTest, LinesByTheEllipseRule) {
    AddLine(p, 0, 0, 100, 0, false, true, false);  // 100 pixels at scale 1
    EXPECT_EQ(CheckLineHit(p, 50, 0), 1);          // E = 0
    EXPECT_EQ(CheckLineHit(p, 50, 3), -1);         // E ≈ 0.18
    EXPECT_EQ(CheckLineHit(p, 50, 2), 1);          // E ≈ 0.08
    EXPECT_EQ(CheckLineHit(p, 120, 0), -1);
    // Two lines on top of each other: the higher index on an even rounded X, the other on an odd
    // one.
    AddLine(p, 0, 0, 100, 0, false, true, false);
    EXPECT_EQ(CheckLineHit(p, 50, 0), 2);
    EXPECT_EQ(CheckLineHit(p, 51, 0), 1);
    EXPECT_EQ(CheckLineHit(p, 50.5f, 0), 2);  // rounds to 50 (half to even)
    EXPECT_EQ(CheckLineHit(p, 51.5f, 0), 2);  // rounds to 52
}

TEST_F(HitTest, CirclesWithinFivePixelsOfTheCircumference) {
    double r = 50;
    AddArc(p, 0, 0, 0.1, 0.2, r, false, true, false);  // an arc hits like its full circle
    EXPECT_EQ(CheckArcHit(p, 54.9f, 0), 1);
    EXPECT_EQ(CheckArcHit(p, 55, 0), -1);
    EXPECT_EQ(CheckArcHit(p, 0, 0), -1);
    EXPECT_EQ(CheckArcHit(p, -50, 0), 1);
    double r2 = 50;
    AddArc(p, 0, 0, 0, 0, r2, false, true, false);
    EXPECT_EQ(CheckArcHit(p, 0, 52), 2);  // equal difference: the first found (highest index)
    p.view.Skala = 10;                    // zoomed out: 5 pixels are 50 units
    EXPECT_EQ(CheckArcHit(p, 0, 99), 2);
}

TEST_F(HitTest, RoundHalfEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4), 2);
}

}  // namespace
}  // namespace vt
