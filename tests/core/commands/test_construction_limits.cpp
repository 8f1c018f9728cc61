// Constructions at the limits of the drawing: a candidate beyond the coordinate limit, a result
// that would pass 32 767 objects, and a typed pick that no step took.
#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "commands/processors.h"
#include "commands/value_input.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::Ok;
using test::TempDir;

class LimitsTest : public ::testing::Test {
  protected:
    LimitsTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.view.W = 400;
        p.view.H = 300;
        p.settings.POD = false;
        p.settings.EP = true;
    }
    bool Type(std::vector<const char*> values) {
        ui.dialogs.push_back(Ok(std::move(values)));
        std::string a, b, c;
        return ValueInput(p, a, b, c);
    }
    void Click(double x, double y) {
        DispatchClick(p, static_cast<float>(x), static_cast<float>(y));
    }
    // Fills the drawing with n short lines without rebuilding the snap points each time.
    void Fill(int n) {
        for (int i = 0; i < n; ++i)
            AddLine(p, i, 0, i, 1, false, true, false);
    }
    int Overflows() const {
        int n = 0;
        for (const auto& m : ui.messages)
            n += m.text.find("Overflow") != std::string::npos;
        return n;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(LimitsTest, ACandidateBeyondTheLimitsIsLeftOutAndTheOthersAreOffered) {
    // Two points near the coordinate limit and r = 2: one centre 1.73 beyond it, one inside.
    RunMenu(p, "mnuCirkelg2pmr");
    AddRitPoint(p, 99999999, 0, false, false, false);
    AddRitPoint(p, 99999999, 2, false, false, false);
    p.view.Skala = 1;  // clicks are single-precision: whole units here
    Click(99999999, 0);
    ui.dialogs.push_back(Ok({"2"}));
    Click(99999999, 2);
    EXPECT_EQ(p.cmd.Operation, OP_KEEP_CIRCLES);
    ASSERT_EQ(p.drawing.ObjectCount, 3);
    const RitObjekt& kept = p.drawing.Obj(3);
    EXPECT_TRUE(kept.Temp);
    EXPECT_NEAR(kept.CX, 99999999 - std::sqrt(3.0), 1e-6);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ogiltlig storlek/koordinater på cirkeln");
}

TEST_F(LimitsTest, AResultThatWouldPassTheTableSizeAddsNothing) {
    double r = 5;
    AddArc(p, 0, 0, 0, 0, r, false, false, false);
    // Points on the circle: 40 000 would not fit.
    RunMenu(p, "mnuPunktsia");
    p.view.Skala = 0.05;
    ui.dialogs.push_back(Ok({"0", "0.01", "40000"}));
    Click(5, 0);
    EXPECT_EQ(Overflows(), 1);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.cmd.Operation, OP_POINTS_ON_CIRCLE);
    // The command starts over and works with a count that fits.
    ui.dialogs.push_back(Ok({"0", "90", "4"}));
    Click(5, 0);
    EXPECT_EQ(p.drawing.ObjectCount, 5);

    // Parallels, a rectangle and candidates that would pass the size: none of them, and the snap
    // points are those of the drawing as it is.
    NewDrawing(p);
    Fill(32765);
    UpdatePoints(p);
    const int32_t points = p.snaps.PointCount;
    ui.messages.clear();
    RunMenu(p, "mnuLinjeR2pt");
    Type({"100", "100"});
    Type({"110", "120"});
    EXPECT_EQ(p.drawing.ObjectCount, 32765);
    RunMenu(p, "mnuCirkelt2l");
    AddLine(p, -50, -50, 50, -50, false, false, false);
    AddLine(p, -50, -50, -50, 50, false, false, false);  // 32 767 objects now
    EXPECT_EQ(p.snaps.PointCount, points);               // the table is full at 4000 either way
    p.view.Skala = 0.1;
    Click(0, -50);
    ui.dialogs.push_back(Ok({"1"}));
    Click(-50, 0);
    EXPECT_EQ(p.drawing.ObjectCount, 32767);
    EXPECT_EQ(Overflows(), 2);
    EXPECT_EQ(p.cmd.Operation, OP_KEEP_CIRCLES);
}

TEST_F(LimitsTest, ATypedPickThatNoStepTookDoesNotStopTheNextClickSnapping) {
    AddLine(p, 0, 0, 10, 0, false, false, false);
    RunMenu(p, "mnuPunktpplma");  // a point on a line at a distance: a line, then a point
    p.view.Skala = 0.01;
    // Typed coordinates on the line: the line step takes the line under them.
    ASSERT_EQ(p.cmd.InputMode, 1);
    Type({"5", "0"});
    ASSERT_EQ(p.cmd.OpStep, 2);
    EXPECT_FALSE(p.cmd.TypedInput);
    // A click a little off the end point takes the end point itself.
    ui.dialogs.push_back(Ok({"1"}));
    Click(10.03, 0.04);
    EXPECT_EQ(p.cmd.Step(2).X, 10);
    EXPECT_EQ(p.cmd.Step(2).Y, 0);
}

}  // namespace
}  // namespace vt
