// The start sequence of every command, the cancel, the restart table, keys, toolbar buttons and
// status-bar panels.
#include "commands/mode_table.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/keys.h"
#include "commands/menu_commands.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class ModeTest : public ::testing::Test {
  protected:
    ModeTest() {
        MainWindowLoad(p, "");
        p.view.W = 400;
        p.view.H = 300;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ModeTest, CircleThroughThreePointsStarts) {
    ASSERT_TRUE(RunMenu(p, "mnuCirkelg3p"));
    const CommandState& c = p.cmd;
    EXPECT_EQ(c.Operation, OP_CIRCLE_3PT);
    EXPECT_EQ(c.OpStep, 1);
    EXPECT_EQ(c.LastOperation, 35);
    EXPECT_EQ(c.InputMode, 1);
    EXPECT_EQ(c.FunctionTitle, " CIRKEL MED 3 PUNKTER");
    EXPECT_EQ(c.StepPrompt[1], " - Ange FÖRSTA punkten ( Markera eller mata in värden )");
    EXPECT_EQ(c.StepPrompt[3], " - Ange TREDJE punkten ( Markera eller mata in värden )");
    EXPECT_EQ(c.StepPrompt[4], "");
    EXPECT_EQ(p.uiState.infoText, c.StepPrompt[1]);
    EXPECT_EQ(p.uiState.functionText, " CIRKEL MED 3 PUNKTER");
    EXPECT_FALSE(p.uiState.logoFrameVisible);
    EXPECT_TRUE(p.uiState.inputFrameVisible);
    EXPECT_FALSE(p.uiState.analysFrameVisible);
    EXPECT_TRUE(c.PickPoints);
    EXPECT_FALSE(c.PickLines || c.PickArcs);
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::PickPoint);
}

TEST_F(ModeTest, EveryModeRowStartsAsItsRowSays) {
    for (const ModeRow& row : ModeTable()) {
        ResetOperation(p);
        ASSERT_TRUE(RunMenu(p, row.menu)) << row.menu;
        const CommandState& c = p.cmd;
        EXPECT_EQ(c.Operation, row.code) << row.menu;
        EXPECT_EQ(c.InputMode, row.inputMode) << row.menu;
        EXPECT_EQ(c.FunctionTitle, p.language.GetText(row.title)) << row.menu;
        EXPECT_EQ(p.uiState.infoText, p.language.GetText(row.prompts[0])) << row.menu;
        EXPECT_EQ(p.uiState.inputFrameVisible, row.values) << row.menu;
        bool info = row.code >= 160 && row.code <= 162;
        EXPECT_EQ(p.uiState.analysFrameVisible, info) << row.menu;
        int kind = static_cast<int>(row.pick);
        EXPECT_EQ(c.PickLines, kind == 1 || kind == 4 || kind == 5) << row.menu;
        EXPECT_EQ(c.PickArcs, kind == 2 || kind == 4 || kind == 5) << row.menu;
        EXPECT_EQ(c.PickPoints, kind == 3 || kind == 4) << row.menu;
        bool box = row.code == 2 || row.code == 22 || row.code == 83;
        EXPECT_EQ(c.RubberBox, box) << row.menu;
    }
    RunMenu(p, "mnuPanorera");
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::SizeAll);
    RunMenu(p, "mnuNCmanuell");
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::Cross);
    RunMenu(p, "mnuNCG0");
    EXPECT_TRUE(p.cmd.RubberLine);
    RunMenu(p, "mnuNCAutoKontur");
    EXPECT_FALSE(p.cmd.RubberLine);
}

TEST_F(ModeTest, ResetOperationClearsAndRemovesCandidates) {
    AddLine(p, 0, 0, 1, 1, false, true, false);
    AddLine(p, 0, 0, 2, 2, true, true, true);  // an unkept candidate
    RunMenu(p, "mnuCirkelInfo");
    p.cmd.OpStep = 3;
    p.cmd.TypedInput = true;
    p.drawing.Obj(1).Selected = true;
    p.drawing.Obj(1).Highlight = true;
    p.uiState.infoText = "x";
    ResetOperation(p);
    const CommandState& c = p.cmd;
    EXPECT_EQ(c.Operation, 255);
    EXPECT_EQ(c.OpStep, 1);
    EXPECT_EQ(c.InputMode, 0);
    EXPECT_FALSE(c.TypedInput || c.PickPoints || c.PickLines || c.PickArcs || c.RubberBox);
    EXPECT_EQ(c.PluginPickIndex, -1);
    EXPECT_EQ(p.uiState.infoText, "");
    EXPECT_EQ(p.uiState.functionText, " CIRKEL INFO");  // the title stays
    EXPECT_FALSE(p.uiState.inputFrameVisible || p.uiState.analysFrameVisible);
    EXPECT_TRUE(p.uiState.logoFrameVisible);
    EXPECT_EQ(p.uiState.surfaceCursor, SurfaceCursor::Cross);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_FALSE(p.drawing.Obj(1).Selected || p.drawing.Obj(1).Highlight);
}

TEST_F(ModeTest, SpaceRestartsTheLastCommand) {
    Form_KeyPress(p, U' ');  // right after start-up: only a cancel
    EXPECT_EQ(p.cmd.Operation, 255);
    RunMenu(p, "mnuCirkelg3p");
    p.cmd.OpStep = 3;
    Form_KeyPress(p, U' ');
    EXPECT_EQ(p.cmd.Operation, 35);
    EXPECT_EQ(p.cmd.OpStep, 1);
    for (const char* menu : {"mnuLinjeBHA", "mnuPunktsia", "mnuGeoMoveOrigo", "mnuGeoMoveEndpoint",
                             "mnuRaderaWin", "mnuNCGPunkt", "mnuNCAutoKontur"}) {
        RunMenu(p, menu);
        Form_KeyPress(p, U' ');
        EXPECT_EQ(p.cmd.Operation, 255) << menu;
    }
    for (const ModeRow& row : ModeTable()) {
        if (!RestartHandler(row.code)) continue;
        ResetOperation(p);
        RestartOperation(p, row.code);
        EXPECT_EQ(p.cmd.Operation, row.code);
    }
    RestartOperation(p, 200);  // outside the table: nothing
}

TEST_F(ModeTest, CharacterKeys) {
    Form_KeyPress(p, U'7');  // no value input open: nothing
    EXPECT_EQ(p.cmd.Operation, 255);
    Form_KeyPress(p, U'2');
    EXPECT_EQ(p.cmd.Operation, OP_NC_G2);
    Form_KeyPress(p, 27);
    EXPECT_EQ(p.cmd.Operation, 255);
    Form_KeyPress(p, U'P');
    EXPECT_EQ(p.cmd.Operation, OP_PAN);
    Form_KeyPress(p, U'u');
    EXPECT_DOUBLE_EQ(p.view.Skala, 1.1);
    p.mouse.MouseX = 200;
    p.mouse.MouseY = -150;
    Form_KeyPress(p, U'z');
    EXPECT_DOUBLE_EQ(p.view.Skala, 1.1 * 0.9);
    Form_KeyPress(p, U'n');
    EXPECT_EQ(p.view.Skala, 1.0);
    p.mouse.MouseX = 210;
    Form_KeyPress(p, U'O');
    EXPECT_EQ(p.view.OffsetX, -10);
}

TEST_F(ModeTest, KeyDownKeys) {
    Form_KeyDown(p, Key::Left, false);
    EXPECT_EQ(p.view.OffsetX, 50);
    Form_KeyDown(p, Key::Up, false);
    EXPECT_EQ(p.view.OffsetY, -50);
    Form_KeyDown(p, Key::PageDown, false);
    EXPECT_DOUBLE_EQ(p.view.Skala, 0.9);
    Form_KeyDown(p, Key::F12, false);
    EXPECT_TRUE(p.cmd.SketchMode);
    EXPECT_EQ(p.uiState.panels[3].text, "SKISSA");
    Form_KeyDown(p, Key::F12, false);
    EXPECT_EQ(p.uiState.panels[3].text, "");
    Form_KeyDown(p, Key::F10, false);
    EXPECT_FALSE(p.view.showPaintTime);
    Form_KeyDown(p, Key::F10, true);
    EXPECT_TRUE(p.view.showPaintTime);
}

TEST_F(ModeTest, ToolbarButtonsAndPanels) {
    ToolbarClick(p, "tbr_Circle", 5);
    EXPECT_EQ(p.cmd.Operation, OP_CIRCLE_3PT);
    ToolbarClick(p, "tbr_NC", 4);  // a separator
    EXPECT_EQ(p.cmd.Operation, OP_CIRCLE_3PT);
    ToolbarClick(p, "tbr_analys", 1);
    EXPECT_EQ(p.cmd.Operation, OP_DISTANCE_INFO);
    for (const auto& b : ToolbarBindings())
        EXPECT_TRUE(FindModeByMenu(b.handler) || std::string(b.handler).rfind("mnu", 0) == 0)
            << b.handler;
    bool ep = p.settings.EP;
    PanelClick(p, 11);
    EXPECT_EQ(p.settings.EP, !ep);
    EXPECT_EQ(p.uiState.panels[11].bevel, ep ? kBevelRaised : kBevelInset);
    PanelClick(p, 15);
    EXPECT_TRUE(p.mouse.ShowHoverInfo);
    EXPECT_EQ(p.uiState.panels[15].bevel, kBevelInset);
    PanelClick(p, 15);
    EXPECT_EQ(p.uiState.panels[15].bevel, kBevelRaised);
    PanelClick(p, 16);
    EXPECT_EQ(p.settings.IntersecMore, 1);
}

TEST_F(ModeTest, StartingACommandDiscardsTheHalfDoneOne) {
    RunMenu(p, "mnuCirkelt2c");
    p.cmd.OpStep = 2;
    AddLine(p, 0, 0, 5, 5, true, true, true);
    RunMenu(p, "mnuLinjelm2a");
    EXPECT_EQ(p.cmd.OpStep, 1);
    EXPECT_EQ(p.drawing.ObjectCount, 0);
}

}  // namespace
}  // namespace vt
