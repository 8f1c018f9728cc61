// The view transform, zoom limits and factors, fit all, fit a window, pan, wheel and the deferred
// repaint.
#include "view/view.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "test_util.h"
#include "view/mouse.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class CountingUi : public FakeUi {
  public:
    int refreshes = 0, timerStarts = 0, pointerMoves = 0, lastDx = 0, lastDy = 0;
    void Refresh() override { ++refreshes; }
    void StartPaintTimer() override { ++timerStarts; }
    void MovePointerBy(int dx, int dy) override {
        ++pointerMoves;
        lastDx = dx;
        lastDy = dy;
    }
};

class ViewTest : public ::testing::Test {
  protected:
    ViewTest() {
        p.view.W = 500;
        p.view.H = 300;
    }
    TempDir dir;
    CountingUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ViewTest, TransformBothWays) {
    ViewState& v = p.view;
    EXPECT_EQ(ToColumn(v, 0), 250);
    EXPECT_EQ(ToRow(v, 0), 150);
    v.Skala = 0.5;
    v.OffsetX = 10;
    v.OffsetY = -20;
    EXPECT_EQ(ToColumn(v, 5), 5 / 0.5 + 10 + 250);
    EXPECT_EQ(ToRow(v, 5), 150 - (10 - 20));
    EXPECT_DOUBLE_EQ(ToWorldX(v, ToColumn(v, 12.5)), 12.5);
    EXPECT_DOUBLE_EQ(ToWorldY(v, ToRow(v, -7.25)), -7.25);
}

TEST_F(ViewTest, ZoomLimitsAndFactors) {
    ViewState& v = p.view;
    v.Skala = 0.0001;
    v.OffsetX = 9;
    ZoomIn(p, false);
    EXPECT_DOUBLE_EQ(v.Skala, 0.0001 * 0.9);
    EXPECT_DOUBLE_EQ(v.OffsetX, 9 * 1.11111111111111);
    double before = v.Skala;
    ZoomIn(p, false);  // 0.00009: below the limit
    EXPECT_EQ(v.Skala, before);
    v.Skala = 1e12;
    v.OffsetY = 11;
    mnuZoomut_Click(p);
    EXPECT_DOUBLE_EQ(v.Skala, 1.1e12);
    EXPECT_DOUBLE_EQ(v.OffsetY, 11 * 0.909090909090909);
    mnuZoomut_Click(p);
    EXPECT_DOUBLE_EQ(v.Skala, 1.1e12);
    // In and out are the decimal factors, not reciprocals: the view does not come back.
    v.Skala = 1;
    v.OffsetX = 100;
    ZoomIn(p, false);
    mnuZoomut_Click(p);
    EXPECT_DOUBLE_EQ(v.Skala, 0.9 * 1.1);
    EXPECT_DOUBLE_EQ(v.OffsetX, 100 * 1.11111111111111 * 0.909090909090909);
}

TEST_F(ViewTest, ZoomAtMousePansFirst) {
    p.mouse.MouseX = 300;
    p.mouse.MouseY = -100;  // row 100
    ZoomIn(p, true);
    EXPECT_EQ(ui.pointerMoves, 1);
    EXPECT_EQ(ui.lastDx, -50);
    EXPECT_EQ(ui.lastDy, 50);
    EXPECT_DOUBLE_EQ(p.view.OffsetX, -50 * 1.11111111111111);
    EXPECT_DOUBLE_EQ(p.view.OffsetY, -50 * 1.11111111111111);
}

TEST_F(ViewTest, DeferredRepaintCollectsZoomSteps) {
    ZoomIn(p, false);
    ZoomIn(p, false);
    mnuZoomut_Click(p);
    EXPECT_EQ(ui.refreshes, 0);
    EXPECT_TRUE(p.view.paintTimerEnabled);
    tmr_paint_Timer(p);
    EXPECT_EQ(ui.refreshes, 1);
    EXPECT_FALSE(p.view.paintTimerEnabled);
}

TEST_F(ViewTest, ZoomScreenCases) {
    // No objects: the tool path is not examined.
    p.toolPath.Ops.resize(2);
    p.toolPath.Count = 1;
    p.toolPath.Op(1).X = 500;
    p.view.Skala = 3;
    ZoomScreen(p, false);
    EXPECT_EQ(p.view.Skala, 1.0);
    EXPECT_EQ(p.view.OffsetX, 0);
    EXPECT_EQ(ui.refreshes, 1);
    p.toolPath.Clear();
    // A single point: scale 1, the point centred.
    AddRitPoint(p, 10, 20, false, true, false);
    ZoomScreen(p, false);
    EXPECT_EQ(p.view.Skala, 1.0);
    EXPECT_DOUBLE_EQ(ToColumn(p.view, 10), 250);
    EXPECT_DOUBLE_EQ(ToRow(p.view, 20), 150);
    // A horizontal line of 100 on 500 x 300.
    NewDrawing(p);
    AddLine(p, 0, 0, 100, 0, false, true, false);
    ZoomScreen(p, false);
    EXPECT_DOUBLE_EQ(p.view.Skala, 100.0 / 500 * 1.1);
    // A circle counts as its full square; the tool path widens the extents once objects exist.
    NewDrawing(p);
    double r = 10;
    AddArc(p, 0, 0, 0, 0, r, false, true, false);
    p.toolPath.Ops.resize(2);
    p.toolPath.Count = 1;
    p.toolPath.Op(1).Typ = 1;
    p.toolPath.Op(1).Y = -290;
    ZoomScreen(p, false);
    EXPECT_DOUBLE_EQ(p.view.Skala, 300.0 / 300 * 1.1);
    EXPECT_DOUBLE_EQ(p.view.OffsetY, 140 / p.view.Skala);
}

TEST_F(ViewTest, ZoomScreenStartExtentsBeyond99999) {
    AddRitPoint(p, 200000, 200000, false, true, false);
    AddRitPoint(p, 300000, 300000, false, true, false);
    ZoomScreen(p, false);
    // minX keeps its start value 99999, maxX becomes 300000.
    EXPECT_DOUBLE_EQ(p.view.Skala, (300000.0 - 99999) / 300 * 1.1);
}

TEST_F(ViewTest, CalcSkalaWindow) {
    CalcSkalaWindow(p, 0, 0, 50, 30, false);  // equal ratios: the height's is taken
    EXPECT_DOUBLE_EQ(p.view.Skala, 30.0 / 300 * 1.1);
    EXPECT_DOUBLE_EQ(p.view.OffsetX, -25 / p.view.Skala);
    CalcSkalaWindow(p, 5, 5, 5, 5, false);
    EXPECT_EQ(p.view.Skala, 1.0);
    EXPECT_EQ(p.view.OffsetX, -5);
    EXPECT_TRUE(ui.messages.empty());
    p.view.W = 0;  // a zero-sized target is a reported division by zero, the view unchanged
    CalcSkalaWindow(p, 0, 0, 10, 10, false);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 11"), std::string::npos);
    EXPECT_EQ(p.view.Skala, 1.0);
}

TEST_F(ViewTest, PanToBothForms) {
    PanTo(p, 200, 100, true);  // a point left of and above the centre comes to the centre
    EXPECT_EQ(p.view.OffsetX, 50);
    EXPECT_EQ(p.view.OffsetY, -50);
    EXPECT_EQ(ui.pointerMoves, 0);
    p.view.OffsetX = p.view.OffsetY = 0;
    SetMousePosition(p, 400, 200);
    double wx = p.mouse.MouseWorldX, wy = p.mouse.MouseWorldY;
    PanTo(p, 0, 0, false);
    EXPECT_DOUBLE_EQ(ToColumn(p.view, wx), 250);
    EXPECT_DOUBLE_EQ(ToRow(p.view, wy), 150);
    EXPECT_EQ(ui.lastDx, -150);
    EXPECT_EQ(ui.lastDy, -50);
}

TEST_F(ViewTest, WheelZoomsOneStepAndIgnoresDrags) {
    MouseWheel(p, 0, -480, 0, 0);
    EXPECT_DOUBLE_EQ(p.view.Skala, 1.1);
    MouseWheel(p, 0, 120, 0, 0);
    EXPECT_DOUBLE_EQ(p.view.Skala, 1.1 * 0.9);
    p.mouse.PanActive = true;
    MouseWheel(p, 0, 120, 0, 0);
    EXPECT_DOUBLE_EQ(p.view.Skala, 1.1 * 0.9);
}

}  // namespace
}  // namespace vt
