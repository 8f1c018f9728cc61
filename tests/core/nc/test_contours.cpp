// "Kontur från kedja" in the program: the picked chain highlighted while the side is asked, the
// contour appended as one step with the job's compensation, refusals shown with the element
// marked, a T-junction said, and every chain of a part at once.
#include "nc/contours.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "commands/processors.h"
#include "nc/toolpath_ops.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class ContoursTest : public ::testing::Test {
  protected:
    ContoursTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.view.Skala = 0.01;
    }
    void Line(double x1, double y1, double x2, double y2) {
        AddLine(p, x1, y1, x2, y2, false, false, false);
    }
    void Arc(double cx, double cy, double r, double a1, double a2) {
        AddArc(p, cx, cy, a1 * M_PI / 180, a2 * M_PI / 180, r, false, false, false);
    }
    // A 100 × 60 plate with R10 corners (objects 1 to 8).
    void Plate() {
        Line(10, 0, 90, 0);
        Line(100, 10, 100, 50);
        Line(90, 60, 10, 60);
        Line(0, 50, 0, 10);
        Arc(90, 10, 10, 270, 360);
        Arc(90, 50, 10, 0, 90);
        Arc(10, 50, 10, 90, 180);
        Arc(10, 10, 10, 180, 270);
    }
    void Pick(double x, double y) {
        DispatchClick(p, static_cast<float>(x), static_cast<float>(y));
    }
    ContourQuestion Answer(int side, bool climb = true) {
        ContourQuestion q;
        q.side = side;
        q.climb = climb;
        return q;
    }

    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ContoursTest, APickedChainBecomesOneStepWithTheJobsCompensation) {
    Plate();
    Line(-20, 0, 120, 0);  // a construction line along the bottom edge: not part of the chain
    RunMenu(p, "mnuNCKedja");
    ui.contourAnswers.push_back(Answer(0));  // outside, climb
    Pick(100, 30);
    ASSERT_EQ(ui.contourQuestions.size(), 1u);
    EXPECT_TRUE(ui.contourQuestions[0].closed);
    EXPECT_NE(ui.promptWhenAsked[0], p.language.GetText(1317));
    EXPECT_EQ(ui.selectedWhenAsked[0], (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    const int moves = p.toolPath.Count;
    ASSERT_GT(moves, 8);
    EXPECT_EQ(p.toolPath.Op(1).Typ, kG0);
    for (int i = 1; i <= moves; ++i) {
        EXPECT_EQ(p.toolPath.Op(i).Group, 1);
        EXPECT_EQ(p.toolPath.Op(i).Comp, kCompNone);  // computed here by default
    }
    // Computed: the tool's centre 3 mm outside the right edge, never on the part.
    bool rightEdge = false;
    for (int i = 2; i <= moves; ++i)
        rightEdge = rightEdge || std::fabs(p.toolPath.Op(i).X - 103) < 1e-9;
    EXPECT_TRUE(rightEdge);
    EXPECT_EQ(p.cmd.Operation, OP_NC_CHAIN);  // ready for the next chain
    for (int i = 1; i <= p.drawing.ObjectCount; ++i)
        EXPECT_FALSE(p.drawing.Obj(i).Selected);

    // The next contour on the control: its switch on and off are in the moves.
    p.jobSettings["Compensation"] = "Control";
    ui.contourAnswers.push_back(Answer(0, false));
    Pick(50, 60);
    ASSERT_GT(p.toolPath.Count, moves + 2);
    EXPECT_EQ(p.toolPath.Op(moves + 2).Comp, kCompRight);  // conventional: right of travel
    EXPECT_EQ(p.toolPath.Op(p.toolPath.Count).Comp, kCompOff);
    EXPECT_EQ(p.toolPath.Op(p.toolPath.Count).Group, moves + 1);

    // "Ångra senaste" takes a contour back whole.
    mnuNCundolast_Click(p);
    EXPECT_EQ(p.toolPath.Count, moves);
    mnuNCundolast_Click(p);
    EXPECT_EQ(p.toolPath.Count, 0);
}

TEST_F(ContoursTest, CancelAddsNothingAndARefusalMarksTheElement) {
    Arc(0, 0, 2, 0, 0);  // a hole smaller than the 6 mm tool
    RunMenu(p, "mnuNCKedja");
    Pick(2, 0);  // no answer: cancelled
    EXPECT_EQ(p.toolPath.Count, 0);
    ASSERT_EQ(ui.contourQuestions.size(), 1u);

    bool markedDuringMessage = false;
    ui.onMessage = [&] { markedDuringMessage = p.drawing.Obj(1).Selected; };
    ui.contourAnswers.push_back(Answer(1));  // inside
    Pick(2, 0);
    EXPECT_EQ(p.toolPath.Count, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, p.language.GetText(1318));
    EXPECT_TRUE(markedDuringMessage);
    EXPECT_FALSE(p.drawing.Obj(1).Selected);
}

TEST_F(ContoursTest, AnOpenChainRunsFromTheEndNearerThePickAndATJunctionIsSaid) {
    Line(0, 0, 40, 0);
    Line(40, 0, 40, 30);
    Line(40, 0, 70, 0);  // a third element at (40, 0): the chain branches there
    RunMenu(p, "mnuNCKedja");
    ui.contourAnswers.push_back(Answer(2));  // on the line
    Pick(5, 0);
    EXPECT_FALSE(ui.contourQuestions[0].closed);
    EXPECT_EQ(ui.selectedWhenAsked[0], (std::vector<int>{1}));
    EXPECT_EQ(ui.promptWhenAsked[0], p.language.GetText(1317));
    ASSERT_EQ(p.toolPath.Count, 2);
    EXPECT_EQ(p.toolPath.Op(1).X, 0);  // from the end nearer the pick
    EXPECT_EQ(p.toolPath.Op(2).X, 40);
    ui.contourAnswers.push_back(Answer(2));
    Pick(35, 0);
    EXPECT_EQ(p.toolPath.Op(3).X, 40);
    EXPECT_EQ(p.toolPath.Op(4).X, 0);
}

TEST_F(ContoursTest, EveryChainOfAPartHolesFirstOnTheRightSide) {
    Plate();
    Arc(30, 30, 8, 0, 0);  // holes
    Arc(70, 30, 8, 0, 0);
    std::string why;
    ASSERT_TRUE(AddPartContours(p, ContourOptionsFromJob(EffectiveJobOf(p)), why)) << why;
    // Three steps: the two holes (inside, radius 8 - 3) before the plate (outside).
    std::vector<double> groups;
    for (int i = 1; i <= p.toolPath.Count; ++i)
        if (groups.empty() || groups.back() != p.toolPath.Op(i).Group)
            groups.push_back(p.toolPath.Op(i).Group);
    ASSERT_EQ(groups.size(), 3u);
    for (int i = 1; i <= p.toolPath.Count; ++i) {
        const ToolPathOp& o = p.toolPath.Op(i);
        if (o.Typ == kG3 || o.Typ == kG2)
            if (std::fabs(o.CX - 30) < 1e-9 || std::fabs(o.CX - 70) < 1e-9)
                if (o.Group != groups.back()) {
                    const bool lead = std::fabs(o.R - 5) > 1e-9;
                    if (!lead) EXPECT_NEAR(std::hypot(o.X - o.CX, o.Y - o.CY), 5, 1e-9);
                }
        if (o.Group == groups.back() && o.Typ != kG0)
            EXPECT_FALSE(o.X > 0 && o.X < 100 && o.Y > 0 && o.Y < 60) << i;  // outside the plate
    }
    // A tool that does not fit a hole: nothing appended, the hole named.
    p.toolPath.Clear();
    ContourOptions big = ContourOptionsFromJob(EffectiveJobOf(p));
    big.toolDiameter = 17;
    EXPECT_FALSE(AddPartContours(p, big, why));
    EXPECT_NE(why.find("arc about (30, 30) with radius 8"), std::string::npos) << why;
    EXPECT_EQ(p.toolPath.Count, 0);
}

}  // namespace
}  // namespace vt
