// UpdatePoints: kinds, order, intersections with and without extension, truncation, points on
// demand, and the switch handlers.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "geometry/primitives.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class SnapTest : public ::testing::Test {
  protected:
    SnapTest() {
        ProgramSettings& s = p.settings;
        s.LL = s.LC = s.CC = s.EP = s.CP = s.MP = s.QP = s.POD = false;
        s.IntersecMore = 0;
    }
    void Line(double x1, double y1, double x2, double y2) {
        AddLine(p, x1, y1, x2, y2, false, true, false);
    }
    void Circle(double x, double y, double r) { AddArc(p, x, y, 0, 0, r, false, true, false); }
    std::vector<std::tuple<double, double, int, int>> Points() {
        UpdatePoints(p);
        std::vector<std::tuple<double, double, int, int>> out;
        for (int i = 1; i <= p.snaps.PointCount; ++i) {
            const SnapPoint& s = p.snaps.Pt(i);
            out.emplace_back(std::round(s.X * 1e9) / 1e9, std::round(s.Y * 1e9) / 1e9, s.Obj1,
                             s.Obj2);
        }
        return out;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

using P = std::tuple<double, double, int, int>;

TEST_F(SnapTest, PerObjectKindsInOrder) {
    p.settings.EP = p.settings.MP = p.settings.CP = p.settings.QP = true;
    Circle(10, 20, 5);
    Line(0, 0, 4, 2);
    AddRitPoint(p, 50, 50, false, true, false);
    EXPECT_EQ(Points(), (std::vector<P>{{10, 20, 1, 1},
                                        {15, 20, 1, 1},
                                        {5, 20, 1, 1},
                                        {10, 25, 1, 1},
                                        {10, 15, 1, 1},
                                        {0, 0, 2, 2},
                                        {4, 2, 2, 2},
                                        {2, 1, 2, 2}}));
    EXPECT_EQ(p.snaps.Pt(1).Color, p.settings.CenterColor);
    EXPECT_EQ(p.snaps.Pt(2).Color, p.settings.QuadrantColor);
    EXPECT_EQ(p.snaps.Pt(6).Color, p.settings.EndpointColor);
    EXPECT_EQ(p.snaps.Pt(8).Color, p.settings.MidpointColor);
}

TEST_F(SnapTest, LineLineCrossingIsAddedTwice) {
    p.settings.LL = true;
    Line(0, 0, 10, 10);
    Line(0, 10, 10, 0);
    EXPECT_EQ(Points(), (std::vector<P>{{5, 5, 1, 2}, {5, 5, 2, 1}}));
    EXPECT_EQ(p.snaps.Pt(1).Color, p.settings.IntersecColor);
}

TEST_F(SnapTest, ExtendedLineLineIntersections) {
    p.settings.LL = true;
    Line(0, 0, 10, 0);  // meets line 2 five units beyond its end
    Line(15, -5, 15, 5);
    EXPECT_TRUE(Points().empty());
    p.settings.IntersecMore = 1;
    EXPECT_EQ(Points(), (std::vector<P>{{15, 0, 1, 2}}));
    // Within the 0.2 widening counts as on the line.
    p.settings.IntersecMore = 0;
    NewDrawing(p);
    Line(0, 0, 9.9, 0);
    Line(10, -5, 10, 5);
    EXPECT_EQ(Points().size(), 2u);
}

TEST_F(SnapTest, LineCircleWithWidening) {
    p.settings.LC = true;
    Line(0, 0, 9.9, 0);
    Circle(15, 0, 5);
    EXPECT_EQ(Points(), (std::vector<P>{{10, 0, 2, 1}}));
    p.settings.IntersecMore = 1;
    EXPECT_EQ(Points(), (std::vector<P>{{20, 0, 2, 1}, {10, 0, 2, 1}}));
}

TEST_F(SnapTest, CircleCircleWithoutBoxTestTwice) {
    p.settings.CC = true;
    Circle(0, 0, 5);
    Circle(8, 0, 5);
    EXPECT_EQ(Points(), (std::vector<P>{{4, 3, 1, 2}, {4, -3, 1, 2}, {4, 3, 2, 1}, {4, -3, 2, 1}}));
}

TEST_F(SnapTest, PartArcsOfferOnlyWhatLiesOnTheirSpan) {
    ProgramSettings& s = p.settings;
    s.CP = s.QP = s.EP = s.MP = true;
    const double h = std::round(5 / std::sqrt(2.0) * 1e9) / 1e9;
    double r = 5;
    AddArc(p, 0, 0, 0, kHalfPi, r, false, true, false);  // the first quadrant
    EXPECT_EQ(Points(), (std::vector<P>{{0, 0, 1, 1},    // centre
                                        {5, 0, 1, 1},    // right and top quadrant points
                                        {0, 5, 1, 1},
                                        {5, 0, 1, 1},  // end points
                                        {0, 5, 1, 1},
                                        {h, h, 1, 1}}));  // middle of the span
    EXPECT_EQ(p.snaps.Pt(4).Color, s.EndpointColor);
    EXPECT_EQ(p.snaps.Pt(6).Color, s.MidpointColor);

    // Intersections only where both spans are: the full circle and the line cross the arc's
    // circle at (3, ±4), of which only (3, 4) is on the arc.
    s.CP = s.QP = s.EP = s.MP = false;
    s.CC = s.LC = true;
    Circle(6, 0, 5);
    Line(3, -10, 3, 10);
    EXPECT_EQ(
        Points(),
        (std::vector<P>{{3, 4, 1, 2}, {3, 4, 2, 1}, {3, 4, 1, 3}, {3, 4, 2, 3}, {3, -4, 2, 3}}));
    // A circle that crosses only the arc's missing part gives nothing with it.
    NewDrawing(p);
    AddArc(p, 0, 0, 0, kHalfPi, r, false, true, false);
    Circle(-6, 0, 5);
    EXPECT_TRUE(Points().empty());

    // A span over the zero angle (270° to 90°) has the right half's quadrant points.
    NewDrawing(p);
    s.CC = s.LC = false;
    s.QP = true;
    AddArc(p, 0, 0, 3 * kHalfPi, kHalfPi, r, false, true, false);
    EXPECT_EQ(Points(), (std::vector<P>{{5, 0, 1, 1}, {0, 5, 1, 1}, {0, -5, 1, 1}}));
}

TEST_F(SnapTest, DrawingPointsNeverBecomeSnapPoints) {
    ProgramSettings& s = p.settings;
    s.LL = s.LC = s.CC = s.EP = s.CP = s.MP = s.QP = true;
    AddRitPoint(p, 1, 1, false, true, false);
    AddRitPoint(p, 2, 2, false, true, false);
    EXPECT_TRUE(Points().empty());
}

TEST_F(SnapTest, TruncationKeepsTheFirstKinds) {
    p.settings.EP = p.settings.LL = true;
    p.snaps.MaxPoints = 3;
    Line(0, 0, 10, 10);
    Line(0, 10, 10, 0);
    EXPECT_EQ(Points(), (std::vector<P>{{0, 0, 1, 1}, {10, 10, 1, 1}, {0, 10, 2, 2}}));
}

TEST_F(SnapTest, PointsOnDemand) {
    p.settings.EP = true;
    p.settings.POD = true;
    Line(0, 0, 1, 1);
    EXPECT_TRUE(Points().empty());
    LookFor(p, 3);  // picking points: the points exist now
    EXPECT_EQ(p.snaps.PointCount, 2);
    LookFor(p, 1);
    EXPECT_TRUE(Points().empty());
}

TEST_F(SnapTest, SwitchHandlers) {
    Line(0, 0, 10, 0);
    p.uiState.Menu("mnuShowEndpoints").checked = false;
    ASSERT_TRUE(ToggleSnapSwitch(p, "mnuShowEndpoints"));
    EXPECT_TRUE(p.settings.EP);
    EXPECT_TRUE(p.uiState.Checked("mnuShowEndpoints"));
    EXPECT_EQ(p.uiState.panels[11].bevel, kBevelInset);
    EXPECT_EQ(p.snaps.PointCount, 2);
    ASSERT_TRUE(ToggleSnapSwitch(p, "mnuShowEndpoints"));
    EXPECT_FALSE(p.settings.EP);
    EXPECT_EQ(p.uiState.panels[11].bevel, kBevelRaised);
    EXPECT_EQ(p.snaps.PointCount, 0);
    ASSERT_TRUE(ToggleSnapSwitch(p, "mnuIntersecMore"));
    EXPECT_EQ(p.settings.IntersecMore, 1);
    EXPECT_TRUE(p.uiState.Checked("mnuIntersecMore"));
    EXPECT_EQ(p.uiState.panels[16].bevel, kBevelInset);
    EXPECT_FALSE(ToggleSnapSwitch(p, "mnuNothing"));
}

}  // namespace
}  // namespace vt
