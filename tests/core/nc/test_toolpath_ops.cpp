// Building the tool path from picks: kinds and labels, incremental mode, manual lines, circular
// moves with their on-circle test and direction, undo and clear.
#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "commands/processors.h"
#include "commands/value_input.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class ToolPathTest : public ::testing::Test {
  protected:
    ToolPathTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.view.Skala = 0.01;
        for (auto [x, y] :
             {std::pair{0.0, 0.0}, {10.0, 10.0}, {20.0, 0.0}, {10.0, -10.0}, {30.0, 5.0}})
            AddRitPoint(p, x, y, false, false, false);
        double r = 10;
        AddArc(p, 10, 0, 0, 360, r, false, false, false);  // through the origin
    }
    void Click(double x, double y) {
        DispatchClick(p, static_cast<float>(x), static_cast<float>(y));
    }
    // A click on the circle at a counter-clockwise angle in degrees.
    void ClickCircle(double deg) {
        const double a = deg * M_PI / 180;
        Click(10 + 10 * std::cos(a), 10 * std::sin(a));
    }
    int16_t Kind(int i) const { return p.toolPath.Op(i).Typ; }

    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ToolPathTest, LinearMovesGetKindsLabelsAndTheIncrementalOffset) {
    RunMenu(p, "mnuNCg1");
    Click(10, 10);
    Click(20, 0);
    ASSERT_EQ(p.toolPath.Count, 2);
    EXPECT_EQ(Kind(1), 1);
    EXPECT_EQ(p.toolPath.Op(2).Label, "P2");
    EXPECT_EQ(p.toolPath.Op(2).X, 20);
    EXPECT_EQ(p.cmd.OpStep, 1);  // the command stays for the next move

    RunMenu(p, "mnuNCIncAbs");
    EXPECT_EQ(p.uiState.panels[1].text, "INKR.");
    RunMenu(p, "mnuNCg1");
    Click(30, 5);
    EXPECT_EQ(Kind(3), 7);
    EXPECT_EQ(p.toolPath.Op(3).Label, "P3");
    RunMenu(p, "mnuNCG0");
    Click(10, -10);
    RunMenu(p, "mnuNCGPunkt");
    Click(10, 10);
    EXPECT_EQ(Kind(4), 6);
    EXPECT_EQ(Kind(5), 5);
    RunMenu(p, "mnuNCIncAbs");
    EXPECT_EQ(p.uiState.panels[1].text, "");
    EXPECT_EQ(Kind(3), 7);  // the mode belongs to each move
}

TEST_F(ToolPathTest, TypedCoordinatesKeepFullPrecision) {
    RunMenu(p, "mnuNCGPunkt");
    ui.dialogs.push_back(test::Ok({"10.1", "0.3"}));
    std::string a, b, c;
    ValueInput(p, a, b, c);
    ASSERT_EQ(p.toolPath.Count, 1);
    EXPECT_EQ(p.toolPath.Op(1).X, 10.1);
    EXPECT_EQ(p.toolPath.Op(1).Y, 0.3);
}

TEST_F(ToolPathTest, ManualLineCarriesThePositionForward) {
    RunMenu(p, "mnuNCmanuell");
    ui.dialogs.push_back(test::Ok({"M3 S1000"}));
    std::string a, b, c;
    ValueInput(p, a, b, c);
    ASSERT_EQ(p.toolPath.Count, 1);
    EXPECT_EQ(Kind(1), 255);
    EXPECT_EQ(p.toolPath.Op(1).NCText, "M3 S1000");
    EXPECT_EQ(p.toolPath.Op(1).X, 0);

    RunMenu(p, "mnuNCg1");
    Click(30, 5);
    RunMenu(p, "mnuNCIncAbs");  // manual lines never get the incremental offset
    RunMenu(p, "mnuNCmanuell");
    ui.dialogs.push_back(test::Ok({"M5"}));
    ValueInput(p, a, b, c);
    EXPECT_EQ(Kind(3), 255);
    EXPECT_EQ(p.toolPath.Op(3).X, 30);
    EXPECT_EQ(p.toolPath.Op(3).Y, 5);

    RunMenu(p, "mnuNCundolast");
    EXPECT_EQ(p.toolPath.Count, 2);
    EXPECT_EQ(p.toolPath.Op(2).X, 30);
}

// Start at the origin (left of the circle), end at the top; the hint picks the side.
TEST_F(ToolPathTest, CircularMoveDirectionFollowsTheHint) {
    struct Case {
        bool fromTop;  // start at the top, end at the origin
        double hintDeg;
        int16_t kind;
    } cases[] = {
        {false, 135, 2},  // over the upper left quarter: clockwise
        {false, 300, 3},  // the long way round under the circle
        {true, 135, 3},
        {true, 300, 2},
    };
    for (const Case& c : cases) {
        p.toolPath.Clear();
        if (c.fromTop) {
            RunMenu(p, "mnuNCg1");
            Click(10, 10);
        }
        RunMenu(p, "mnuNCG2");
        if (c.fromTop)
            Click(0, 0);
        else
            Click(10, 10);
        ClickCircle(c.hintDeg);
        ASSERT_EQ(p.toolPath.Count, c.fromTop ? 2 : 1) << c.hintDeg;
        const ToolPathOp& o = p.toolPath.Op(p.toolPath.Count);
        EXPECT_EQ(o.Typ, c.kind) << c.fromTop << " " << c.hintDeg;
        EXPECT_EQ(o.CX, 10);
        EXPECT_EQ(o.R, 10);
        EXPECT_EQ(p.cmd.OpStep, 1);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ToolPathTest, CircularMoveOffTheCircleIsRefused) {
    RunMenu(p, "mnuNCg1");
    Click(30, 5);  // the current position is not on the circle
    RunMenu(p, "mnuNCG3");
    Click(10, 10);
    ClickCircle(45);
    EXPECT_EQ(p.toolPath.Count, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Felaktig cirkelrörelse.");
    EXPECT_EQ(ui.messages[0].title, "Fel");
    EXPECT_EQ(p.cmd.Operation, 255);
}

TEST_F(ToolPathTest, FullTurnAsksForTheDirection) {
    RunMenu(p, "mnuNCG2");
    Click(0, 0);  // the end is the start: a full turn
    ui.dialogs.push_back(test::Arc(3));
    ClickCircle(90);
    ASSERT_EQ(p.toolPath.Count, 1);
    EXPECT_EQ(Kind(1), 3);
    EXPECT_EQ(ui.shownDialogs.back().arcButtonsVisible, true);

    RunMenu(p, "mnuNCIncAbs");
    RunMenu(p, "mnuNCG2");
    Click(0, 0);
    ui.dialogs.push_back(test::Arc(2));
    ClickCircle(90);
    EXPECT_EQ(Kind(2), 8);

    RunMenu(p, "mnuNCG2");
    Click(0, 0);
    ui.dialogs.push_back(test::Cancel());
    ClickCircle(90);
    EXPECT_EQ(p.toolPath.Count, 2);
    EXPECT_EQ(p.cmd.Operation, 255);
}

TEST_F(ToolPathTest, ClearAsksAndUndoOnEmptyDoesNothing) {
    RunMenu(p, "mnuNCundolast");
    RunMenu(p, "mnuNCClearAll");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Är du säker att du vill rensa alla NC operationer?");
    EXPECT_EQ(ui.messages[0].title, "Rensa all NC-data");
    RunMenu(p, "mnuNCg1");
    Click(10, 10);
    ui.answers.push_back(MsgAnswer::No);
    RunMenu(p, "mnuNCClearAll");
    EXPECT_EQ(p.toolPath.Count, 1);
    RunMenu(p, "mnuNCClearAll");
    EXPECT_EQ(p.toolPath.Count, 0);
}

}  // namespace
}  // namespace vt
