// Delete and undo state, the origin move with a tool path, info texts with multiplied axes, the
// contour length and the flashing prompt.
#include <gtest/gtest.h>

#include "app/number_format.h"
#include "app/program.h"
#include "app/startup.h"
#include "commands/analysis.h"
#include "commands/drawing_edit.h"
#include "commands/history.h"
#include "commands/menu_commands.h"
#include "commands/processors.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class ModifyTest : public ::testing::Test {
  protected:
    ModifyTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.view.Skala = 0.01;
    }
    void Op(int16_t typ, double x, double y, double cx = 0, double cy = 0, double r = 0) {
        ToolPathOp o;
        o.Typ = typ;
        o.X = x;
        o.Y = y;
        o.CX = cx;
        o.CY = cy;
        o.R = r;
        p.toolPath.Ops.push_back(o);
        ++p.toolPath.Count;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ModifyTest, DeleteEnablesUndoAndTheLastUndoDisablesIt) {
    AddLine(p, 0, 0, 10, 0, false, false, false);
    ResetHistory(p);  // the line as if opened with the drawing
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    RunMenu(p, "mnuRaderaL");
    DispatchClick(p, 5, 0);
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    EXPECT_TRUE(p.uiState.Enabled("mnuUndo"));
    EXPECT_TRUE(p.uiState.ButtonEnabled("tbr_delete", 5));
    EXPECT_EQ(p.drawing.UndoList[1].Action, 80);
    RunMenu(p, "mnuUndo");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    EXPECT_FALSE(p.uiState.ButtonEnabled("tbr_delete", 5));
}

TEST_F(ModifyTest, OriginMoveShiftsMovesButNotNcPointsOrManualLines) {
    Op(0, 5, 5);
    Op(7, 6, 6);
    Op(3, 8, 8, 1, 1, 2);
    Op(-1, 9, 9);
    Op(5, 9, 9);
    Op(255, 9, 9);
    AddRitPoint(p, 1, 1, false, false, false);
    p.drawing.Modified = false;
    RunMenu(p, "mnuGeoMoveOrigo");
    DispatchClick(p, 1, 1);
    const ToolPath& t = p.toolPath;
    EXPECT_EQ(t.Op(1).X, 4);
    EXPECT_EQ(t.Op(2).Y, 5);
    EXPECT_EQ(t.Op(3).X, 7);
    EXPECT_EQ(t.Op(3).CX, 0);
    EXPECT_EQ(t.Op(4).X, 9);
    EXPECT_EQ(t.Op(5).X, 9);
    EXPECT_EQ(t.Op(6).X, 9);
    EXPECT_EQ(p.drawing.Obj(1).X1, 0);
    EXPECT_TRUE(p.drawing.Modified);
    EXPECT_EQ(p.cmd.InputMode, 1);
    EXPECT_TRUE(p.cmd.PickPoints);
}

TEST_F(ModifyTest, EndPointMoveMarksTheDrawingModified) {
    AddLine(p, 0, 0, 10, 0, false, false, false);
    p.drawing.Modified = false;
    RunMenu(p, "mnuGeoMoveEndpoint");
    DispatchClick(p, 5, 0);
    DispatchClick(p, 0, 0);
    ui.dialogs = {test::Ok({"-3", "2"})};
    RunMenu(p, "ValuesButton");
    EXPECT_EQ(p.drawing.Obj(1).X1, -3);
    EXPECT_EQ(p.drawing.Obj(1).Y1, 2);
    EXPECT_TRUE(p.drawing.Modified);
    EXPECT_FALSE(p.uiState.inputFrameVisible);
}

TEST_F(ModifyTest, InfoTextsWithADiameterAxis) {
    p.settings.PPUseMult = true;
    p.yMult = 2;
    p.axisNameX = "Z";
    p.axisNameY = "X";
    p.decimalSeparator = ',';
    AddRitPoint(p, 1.234567, 0.5, false, false, false);
    RunMenu(p, "mnuPunktInfo");
    DispatchClick(p, 1.234567f, 0.5f);
    EXPECT_EQ(p.uiState.txtAnalys, " - PUNKTINFO -\r\n\r\n  Z:1,23457\r\n ØX:1");
    double r = 2;
    AddArc(p, 3, 0.25, 0, 0, r, false, false, false);
    RunMenu(p, "mnuCirkelInfo");
    DispatchClick(p, 5, 0.25);
    EXPECT_EQ(p.uiState.txtAnalys, " - CIRKEL -\r\n\r\nOrigo  : Z:3\t ØX:0,5\r\nRadie  : 2");
    EXPECT_FALSE(p.drawing.Obj(2).Selected);  // the marks are cleared after each result
}

TEST_F(ModifyTest, ContourLength) {
    ContourLength(p);
    EXPECT_EQ(p.uiState.txtAnalys,
              "G0    : 0\r\nG1    : 0\r\nG2/3  : 0\r\n-------------------\r\nTotalt: 0");
    EXPECT_TRUE(p.uiState.analysFrameVisible);
    Op(0, 10, 0);
    ContourLength(p);  // the first move has no start
    EXPECT_EQ(p.uiState.txtAnalys,
              "G0    : 0\r\nG1    : 0\r\nG2/3  : 0\r\n-------------------\r\nTotalt: 0");
    Op(1, 10, 5);
    Op(3, 10, 5, 10, 3, 2);  // a full counter-clockwise turn: it ends where it starts
    Op(6, 13, 9);
    ContourLength(p);
    const double full = 2 * 3.14159265358979 * 2;
    EXPECT_EQ(p.uiState.txtAnalys,
              "G0    : 5\r\nG1    : 5\r\nG2/3  : " + FormatRounded(full, 3, '.') +
                  "\r\n-------------------\r\nTotalt: " + FormatRounded(10 + full, 3, '.'));
    // Clockwise and counter-clockwise between the same two points: complementary arcs.
    p.toolPath.Clear();
    Op(0, 5, 0);
    Op(2, 0, 5, 0, 0, 5);
    Op(0, 5, 0);
    Op(3, 0, 5, 0, 0, 5);
    ContourLength(p);
    EXPECT_NE(
        p.uiState.txtAnalys.find("G2/3  : " + FormatRounded(2 * 3.14159265358979 * 5, 3, '.')),
        std::string::npos);
    p.toolPath.Clear();
    Op(0, 5, 0);
    Op(2, 0, 5, 0, 0, 5);
    ContourLength(p);
    EXPECT_NE(
        p.uiState.txtAnalys.find("G2/3  : " + FormatRounded(1.5 * 3.14159265358979 * 5, 3, '.')),
        std::string::npos);
}

TEST_F(ModifyTest, PromptFlashesTwice) {
    std::vector<std::pair<int, Colour>> ticks;
    for (int i = 0; i < 6; ++i) {
        int next = tmr_info_Timer(p);
        ticks.emplace_back(next, p.uiState.infoTextBack);
    }
    const Colour red = 255 | (192 << 8) | (192 << 16);
    EXPECT_EQ(ticks, (std::vector<std::pair<int, Colour>>{
                         {75, -1}, {75, red}, {75, -1}, {75, red}, {75, -1}, {0, -1}}));
    EXPECT_EQ(tmr_info_Timer(p), 75);  // enabled again: it flashes again
}

}  // namespace
}  // namespace vt
