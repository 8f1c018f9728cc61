// Mouse down, move, up and double click: cancel, pan drags, window zoom, Ctrl and Shift picks,
// coordinates and hover read-outs, pick feedback and rubber bands.
#include "view/mouse.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "geometry/primitives.h"
#include "nc/toolpath_ops.h"
#include "test_util.h"
#include "view/view.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class MouseTest : public ::testing::Test {
  protected:
    MouseTest() {
        MainWindowLoad(p, "");
        p.view.W = 400;
        p.view.H = 300;
        p.overlay.Resize(400, 300);
    }
    // Surface pixels of a drawing position.
    int Col(double x) { return static_cast<int>(std::lround(ToColumn(p.view, x))); }
    int Row(double y) { return static_cast<int>(std::lround(ToRow(p.view, y))); }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(MouseTest, PositionIsSinglePrecisionWithTheRowNegated) {
    p.view.Skala = 0.1;
    SetMousePosition(p, 201, 150);
    EXPECT_EQ(p.mouse.MouseX, 201);
    EXPECT_EQ(p.mouse.MouseY, -150);
    EXPECT_EQ(p.mouse.MouseWorldX, 0.1f);
    EXPECT_EQ(p.mouse.MouseWorldY, 0.0f);
}

TEST_F(MouseTest, PositionsBeyondAnySurfaceAreClamped) {
    // A batch script can click anywhere; the 16-bit position keeps its nearest value.
    SetMousePosition(p, 1e300, -1e300);
    EXPECT_EQ(p.mouse.MouseX, 32767);
    EXPECT_EQ(p.mouse.MouseY, 32767);
    SetMousePosition(p, -40000, std::nan(""));
    EXPECT_EQ(p.mouse.MouseX, -32768);
    EXPECT_EQ(p.mouse.MouseY, 0);
    RitYta_MouseDown(p, kMiddleButton, false, false, 1e300, 1e300);  // a pan starts there
    EXPECT_EQ(p.mouse.PanStartX, 32767);
    RitYta_MouseUp(p, kMiddleButton, -1e300, 5);
    EXPECT_EQ(p.mouse.MouseX, -32768);
    EXPECT_EQ(p.mouse.MouseY, -5);
}

TEST_F(MouseTest, RightCancelsMiddlePansWithoutAPick) {
    RunMenu(p, "mnuZoomFonster");
    RitYta_MouseDown(p, kMiddleButton, false, false, 10, 10);
    EXPECT_TRUE(p.mouse.PanActive);
    EXPECT_EQ(p.cmd.OpStep, 1);  // not a corner
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::SizeAll);
    RitYta_MouseMove(p, kMiddleButton, 30, 5);
    EXPECT_EQ(p.view.OffsetX, 20);
    EXPECT_EQ(p.view.OffsetY, 5);
    EXPECT_TRUE(p.view.paintTimerEnabled);
    RitYta_MouseUp(p, kMiddleButton, 30, 5);
    EXPECT_FALSE(p.mouse.PanActive);
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::Cross);
    RitYta_MouseDown(p, kRightButton, false, false, 10, 10);
    EXPECT_EQ(p.cmd.Operation, 255);
}

TEST_F(MouseTest, LeftDragPansInPanMode) {
    RunMenu(p, "mnuPanorera");
    RitYta_MouseDown(p, kLeftButton, false, false, 100, 100);
    RitYta_MouseMove(p, kLeftButton, 90, 120);
    EXPECT_EQ(p.view.OffsetX, -10);
    EXPECT_EQ(p.view.OffsetY, -20);
    RitYta_MouseUp(p, kLeftButton, 90, 120);
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::SizeAll);
}

TEST_F(MouseTest, WindowZoomRepeats) {
    RunMenu(p, "mnuZoomFonster");
    RitYta_MouseDown(p, kLeftButton, false, false, Col(0), Row(0));
    EXPECT_EQ(p.cmd.OpStep, 2);
    EXPECT_EQ(p.uiState.infoText, " - Markera ANDRA hörnet");
    RitYta_MouseDown(p, kLeftButton, false, false, Col(40), Row(30));
    EXPECT_EQ(p.cmd.OpStep, 1);
    EXPECT_NEAR(p.view.Skala, 30.0 / 300 * 1.1, 1e-6);
    EXPECT_EQ(p.uiState.infoText, " - Markera FÖSTA hörnet");
    EXPECT_EQ(p.cmd.Operation, OP_ZOOM_WINDOW);
}

TEST_F(MouseTest, CtrlTogglesOneShiftTogglesAKind) {
    AddLine(p, -50, 0, 50, 0, false, true, false);
    AddLine(p, -50, 100, 50, 100, false, true, false);
    AddRitPoint(p, 0, -50, false, true, false);
    RitYta_MouseDown(p, kLeftButton, true, false, Col(0), Row(0));
    EXPECT_TRUE(p.drawing.Obj(1).Selected);
    EXPECT_FALSE(p.drawing.Obj(2).Selected);
    RitYta_MouseDown(p, kLeftButton, false, true, Col(10), Row(0));
    EXPECT_FALSE(p.drawing.Obj(1).Selected);
    EXPECT_TRUE(p.drawing.Obj(2).Selected);  // every line, also far from the mouse
    EXPECT_FALSE(p.drawing.Obj(3).Selected);
    // Both keys: the one under the mouse toggles, then every line toggles again.
    RitYta_MouseDown(p, kLeftButton, true, true, Col(0), Row(0));
    EXPECT_FALSE(p.drawing.Obj(1).Selected);
    EXPECT_FALSE(p.drawing.Obj(2).Selected);
    EXPECT_FALSE(p.drawing.Obj(3).Selected);
}

// The G2/G3 preview is the move the click makes: the circle under the mouse, the direction from
// the side of it the mouse is on.
TEST_F(MouseTest, CircularMovePreviewIsTheMoveTheClickMakes) {
    double r = 50;
    AddArc(p, 0, 0, 0, 0, r, false, false, false);
    AddRitPoint(p, 0, 50, false, false, false);  // the end point to snap to
    for (double side : {45.0, 225.0}) {
        p.toolPath.Clear();
        test::AddMove(p, 0, 50, 0);
        RunMenu(p, "mnuNCG2");
        RitYta_MouseDown(p, kLeftButton, false, false, Col(0), Row(50));  // the end point
        ASSERT_EQ(p.cmd.OpStep, 2);
        const double a = side * kPi / 180;
        const double x = 50 * std::cos(a), y = 50 * std::sin(a);
        RitYta_MouseMove(p, 0, Col(x), Row(y));
        const auto preview = ArcMoveAt(p, p.mouse.MouseWorldX, p.mouse.MouseWorldY);
        ASSERT_TRUE(preview.has_value()) << side;
        // The overlay shows an arc of that circle (drawn as a polygon), not one round the mouse
        // through the end point.
        const double rp = 50 / p.view.Skala;
        const double rm = std::hypot(Col(x) - Col(0), Row(y) - Row(50));
        int onCircle = 0, onMouseCircle = 0;
        for (const OverlayFigure& f : p.overlay.Figures()) {
            if (f.kind != OverlayFigure::Line) continue;
            onCircle += std::fabs(std::hypot(f.x2 - Col(0), f.y2 - Row(0)) - rp) < 1.5;
            onMouseCircle += std::fabs(std::hypot(f.x2 - Col(x), f.y2 - Row(y)) - rm) < 1.5;
        }
        EXPECT_GE(onCircle, 8) << side;
        EXPECT_GT(onCircle, 5 * onMouseCircle) << onCircle << " " << onMouseCircle << " " << side;
        RitYta_MouseDown(p, kLeftButton, false, false, Col(x), Row(y));
        ASSERT_EQ(p.toolPath.Count, 2) << side;
        const ToolPathOp& made = p.toolPath.Op(2);
        EXPECT_EQ(made.Typ, preview->Typ) << side;
        EXPECT_EQ(made.CX, preview->CX);
        EXPECT_EQ(made.R, preview->R);
        ResetOperation(p);
    }
    // Off every circle there is nothing to show.
    p.toolPath.Clear();
    test::AddMove(p, 0, 50, 0);
    RunMenu(p, "mnuNCG3");
    RitYta_MouseDown(p, kLeftButton, false, false, Col(0), Row(50));
    EXPECT_FALSE(ArcMoveAt(p, 200, 200).has_value());
}

TEST_F(MouseTest, CoordinatesInTheStatusBar) {
    p.decimalSeparator = ',';
    RitYta_MouseMove(p, 0, Col(12.25), Row(-3));
    EXPECT_EQ(p.uiState.panels[3].text, "X: 12");
    EXPECT_EQ(p.uiState.panels[4].text, "Y: -3");
    p.view.Skala = 0.01;
    RitYta_MouseMove(p, 0, 250, 150);
    EXPECT_EQ(p.uiState.panels[3].text, "X: 0,5");
    p.yMult = 2;
    p.xMult = 1;
    p.axisNameY = "X";
    p.axisNameX = "Z";
    RitYta_MouseMove(p, 0, 200, 100);
    EXPECT_EQ(p.uiState.panels[3].text, "Z: 0");
    EXPECT_EQ(p.uiState.panels[4].text, "ØX: 1");
}

TEST_F(MouseTest, HoverReadOut) {
    AddLine(p, -50, 10, 50, 10, false, true, false);
    double r = 30;
    AddArc(p, 0, -80, 0, 0, r, false, true, false);
    PanelClick(p, 15);
    RitYta_MouseMove(p, 0, Col(0), Row(10));
    EXPECT_EQ(p.uiState.panels[2].text, "L1");
    EXPECT_EQ(p.uiState.panels[3].text, "X1:-50");
    EXPECT_EQ(p.uiState.panels[6].text, "Y2:10");
    EXPECT_TRUE(p.drawing.Obj(1).Selected && p.drawing.Obj(1).Highlight);
    RitYta_MouseMove(p, 0, Col(30), Row(-80));
    EXPECT_EQ(p.uiState.panels[2].text, "C2");
    EXPECT_EQ(p.uiState.panels[3].text, "XC:0");
    EXPECT_EQ(p.uiState.panels[5].text, "R:30");
    EXPECT_EQ(p.uiState.panels[6].text, "");
    EXPECT_FALSE(p.drawing.Obj(1).Highlight);
}

TEST_F(MouseTest, PickFeedbackMarksWhatAClickWouldPick) {
    p.settings.EP = true;
    AddLine(p, -50, 0, 50, 0, false, false, false);
    RunMenu(p, "mnuLinjelm2a");
    RitYta_MouseMove(p, 0, Col(48), Row(1));
    ASSERT_EQ(p.overlay.Figures().size(), 1u);
    EXPECT_EQ(p.overlay.Figures()[0].kind, OverlayFigure::Rect);
    EXPECT_EQ(p.overlay.Figures()[0].colour, p.settings.HighLightColor);
    EXPECT_TRUE(p.mouse.HoverShown);
    RitYta_MouseMove(p, 0, Col(0), Row(60));
    EXPECT_TRUE(p.overlay.Figures().empty());
    EXPECT_FALSE(p.mouse.HoverShown);
    RunMenu(p, "mnuRaderaL");
    RitYta_MouseMove(p, 0, Col(0), Row(0));
    EXPECT_EQ(p.overlay.Figures().size(), 3u);  // the line and its two dotted continuations
}

TEST_F(MouseTest, RubberLineFollowsTheMouse) {
    RunMenu(p, "mnuNCDistance");
    p.cmd.OpStep = 2;
    p.cmd.Step(1) = StepPoint{0, 0, 0};
    for (int x : {250, 260, 270})
        RitYta_MouseMove(p, 0, x, 100);
    ASSERT_EQ(p.overlay.Figures().size(), 1u);
    const OverlayFigure& f = p.overlay.Figures()[0];
    EXPECT_TRUE(f.xorPen);
    EXPECT_EQ(f.x2, 270);
    EXPECT_EQ(f.colour, p.settings.EndpointColor);
    EXPECT_EQ(p.cmd.Step(2).X, static_cast<float>(ToWorldX(p.view, 270)));
}

TEST_F(MouseTest, DoubleClickOffersThePositionAsValues) {
    RunMenu(p, "mnuPointP");
    p.view.Skala = 0.001;
    SetMousePosition(p, 201, 149);
    p.yMult = 2;
    RitYta_DblClick(p);
    EXPECT_DOUBLE_EQ(p.history.X, 0.001);
    EXPECT_DOUBLE_EQ(p.history.Y, 0.002);
    RunMenu(p, "mnuRaderaL");  // no point input: nothing
    p.history.X = 7;
    RitYta_DblClick(p);
    EXPECT_EQ(p.history.X, 7);
}

}  // namespace
}  // namespace vt
