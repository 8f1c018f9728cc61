// The value input per InputMode: labels, fills and selection, evaluation, the hand-over to the pick
// dispatcher with the axis factors, cancel, text, direction and plug-in forms.
#include "commands/value_input.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::Ok;
using test::TempDir;

class ValueInputTest : public ::testing::Test {
  protected:
    ValueInputTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
    }
    bool Open(std::string a = "", std::string b = "", std::string c = "") {
        return ValueInput(p, a, b, c);
    }
    const ValueDialog& Shown() { return ui.shownDialogs.back(); }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(ValueInputTest, PointFormFromTheHistoryWithTheFirstFieldSelected) {
    RunMenu(p, "mnuPointP");
    p.history.X = 12.5;
    p.history.Y = -3;
    ui.dialogs = {Ok()};
    EXPECT_TRUE(Open());
    const ValueDialog& d = Shown();
    EXPECT_EQ(d.label[1], "X = ");
    EXPECT_EQ(d.label[2], "Y = ");
    EXPECT_FALSE(d.rowVisible[3]);
    EXPECT_EQ(d.text[1], "12.5");
    EXPECT_EQ(d.text[2], "-3");
    EXPECT_EQ(d.selStart, 0);
    EXPECT_EQ(d.selLength, 999);
    EXPECT_TRUE(d.okVisible && d.validate && !d.arcButtonsVisible);
    ASSERT_EQ(p.drawing.ObjectCount, 1);  // confirmed: a typed point
    EXPECT_EQ(p.drawing.Obj(1).X1, 12.5);
    EXPECT_EQ(p.drawing.Obj(1).Y1, -3);
}

TEST_F(ValueInputTest, ATypedDigitStartsTheFieldWithTheCaretAfterIt) {
    RunMenu(p, "mnuCirkeloor");
    p.cmd.InputMode = 5;
    ui.dialogs = {test::Cancel()};
    EXPECT_FALSE(Open("5"));
    EXPECT_EQ(Shown().text[1], "5");
    EXPECT_EQ(Shown().label[1], "R = ");
    EXPECT_EQ(Shown().selStart, 999);
    EXPECT_EQ(Shown().selLength, 0);
    EXPECT_EQ(p.cmd.Operation, 255);  // a cancel ends the command
}

TEST_F(ValueInputTest, DiameterAxisHalvesTheTypedValueInFullPrecision) {
    p.settings.PPUseMult = true;
    p.yMult = 2;
    RunMenu(p, "mnuCirkeloor");
    ui.dialogs = {Ok({"10.1", "40", "3"})};
    EXPECT_TRUE(Open());
    EXPECT_EQ(Shown().label[2], "ØY = ");
    EXPECT_EQ(Shown().label[1], "X = ");
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).CX, 10.1);
    EXPECT_EQ(p.drawing.Obj(1).CY, 20);
    EXPECT_EQ(p.drawing.Obj(1).R, 3);
    EXPECT_EQ(p.history.Y, 40);  // the history keeps what was typed
    p.xMult = 3;
    RunMenu(p, "mnuPointP");
    ui.dialogs = {test::Cancel()};
    Open();
    EXPECT_EQ(Shown().label[1], "*X = ");
}

TEST_F(ValueInputTest, EvaluationOnOkAndTheHistorySlot) {
    RunMenu(p, "mnuPunktpplma");
    p.cmd.InputMode = 9;
    p.history.D = 7;
    ui.dialogs = {Ok({"2*3"})};
    Open();
    EXPECT_EQ(Shown().label[1], "Avstånd = ");
    EXPECT_EQ(Shown().text[1], "7");
    EXPECT_EQ(p.valueDialog.text[1], "6");
    EXPECT_EQ(p.history.D, 6);
    // A bad expression: the parser's message, and the dialog waits for a value.
    p.cmd.InputMode = 9;
    ui.dialogs = {Ok({"abc"}), Ok({"3+1"})};
    Open();
    EXPECT_EQ(ui.messages.back().text, "Felaktigt värde, försök igen.");
    EXPECT_EQ(p.history.D, 4);
}

TEST_F(ValueInputTest, ABadValueKeepsTheDialogOpenAndBuildsNothing) {
    RunMenu(p, "mnuCirkeloor");
    AddRitPoint(p, 1, 2, false, false, false);
    p.cmd.InputMode = 5;
    p.cmd.OpStep = 2;
    p.cmd.Step(1) = StepPoint{1, 2, 0};
    int16_t faulty = -1;
    std::string kept;
    ui.dialogs = {Ok({"45*sin(60"}), [&](Program& pr, ValueDialog& d) {
                      faulty = d.faultyField;
                      kept = d.text[1];
                      ValueDialogCancel(pr);
                  }};
    EXPECT_FALSE(Open());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(faulty, 1);  // the field to mend, its text as typed
    EXPECT_EQ(kept, "45*sin(60");
    EXPECT_EQ(p.drawing.ObjectCount, 1);  // no circle of radius 0
    EXPECT_EQ(p.cmd.Operation, 255);      // cancelled

    // Leaving the field reports once; OK on the same text does not repeat the message but is
    // still refused; a mended value confirms.
    RunMenu(p, "mnuCirkeloor");
    p.cmd.InputMode = 5;
    p.cmd.OpStep = 2;
    p.cmd.Step(1) = StepPoint{1, 2, 0};
    ui.messages.clear();
    bool refused = false;
    ui.dialogs = {[&](Program& pr, ValueDialog& d) {
                      d.text[1] = "1/0";
                      ValueDialogLeaveField(pr, 1);
                      refused = !ValueDialogOk(pr);
                  },
                  Ok({"2*3"})};
    EXPECT_TRUE(Open());
    EXPECT_TRUE(refused);
    EXPECT_EQ(ui.messages.size(), 1u);
    ASSERT_EQ(p.drawing.ObjectCount, 2);
    EXPECT_EQ(p.drawing.Obj(2).R, 6);
}

TEST_F(ValueInputTest, DecimalCommaRoundTrips) {
    p.decimalSeparator = ',';
    RunMenu(p, "mnuPointP");
    ui.dialogs = {[](Program& pr, ValueDialog& d) {
        d.text[1] = "1/4";
        ValueDialogLeaveField(pr, 1);
        EXPECT_EQ(d.text[1], "0,25");
        d.text[2] = "0,5";
        ValueDialogOk(pr);
    }};
    Open();
    EXPECT_EQ(p.drawing.Obj(1).X1, 0.25);
    EXPECT_EQ(p.drawing.Obj(1).Y1, 0.5);
}

TEST_F(ValueInputTest, FormsPerMode) {
    struct Case {
        int16_t mode;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {6, {"Vinkel = ", "Längd = "}},
        {7, {"Avstånd = ", "Antal = "}},
        {8, {"Vinkel = "}},
        {10, {"Vinkel = ", "Avstånd = ", "Antal = "}},
        {11, {"Startv. = ", "Inkr. = ", "Antal = "}},
        {12, {"Text = "}},
        {14, {"Bredd = ", "Höjd = ", "Vinkel = "}},
    };
    for (const Case& c : cases) {
        p.cmd.InputMode = c.mode;
        ui.dialogs = {test::Cancel()};
        Open();
        const ValueDialog& d = Shown();
        for (int i = 1; i <= 3; ++i) {
            bool used = static_cast<std::size_t>(i) <= c.labels.size();
            EXPECT_EQ(d.rowVisible[static_cast<std::size_t>(i)], used) << c.mode << " row " << i;
            EXPECT_EQ(d.label[static_cast<std::size_t>(i)],
                      used ? c.labels[static_cast<std::size_t>(i - 1)] : "");
        }
        EXPECT_EQ(d.validate, c.mode != 12) << c.mode;
        EXPECT_EQ(d.command1Visible, c.mode != 12) << c.mode;
    }
    EXPECT_EQ(p.history.NR, 1);  // a cancel stores nothing
}

TEST_F(ValueInputTest, TextIsTakenLiterally) {
    RunMenu(p, "mnuNCmanuell");
    std::string seen;
    ui.dialogs = {Ok({"G1 X10 (a/0)"})};
    Open();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(p.history.S, "G1 X10 (a/0)");
}

TEST_F(ValueInputTest, DirectionForm) {
    p.cmd.InputMode = 13;
    p.valueDialog.validate = false;
    ui.dialogs = {test::Arc(3)};
    EXPECT_TRUE(Open());
    const ValueDialog& d = Shown();
    EXPECT_FALSE(d.okVisible || d.rowVisible[1] || d.rowVisible[2] || d.rowVisible[3]);
    EXPECT_TRUE(d.arcButtonsVisible);
    EXPECT_FALSE(d.validate);  // left as it was
    EXPECT_EQ(p.valueDialog.arcChoice, 3);
    // Cancelling the direction does not end the command (the tool path decides).
    RunMenu(p, "mnuNCG2");
    p.cmd.InputMode = 13;
    ui.dialogs = {test::Cancel()};
    EXPECT_FALSE(Open());
    EXPECT_EQ(p.cmd.Operation, OP_NC_G2);
}

TEST_F(ValueInputTest, PluginFormShowsOnlyLabelledRows) {
    p.cmd.InputMode = 255;
    p.valueDialog.text = {"", "5", "keep", "x"};
    std::string a = "A", b = "", c = "C";
    ui.dialogs = {Ok({nullptr, nullptr, "7"})};
    EXPECT_TRUE(ValueInput(p, a, b, c));
    const ValueDialog& d = Shown();
    EXPECT_TRUE(d.rowVisible[1] && !d.rowVisible[2] && d.rowVisible[3]);
    EXPECT_EQ(d.label[1], "A = ");
    EXPECT_EQ(d.label[3], "C = ");
    EXPECT_EQ(d.text[1], "5");  // not filled
    EXPECT_EQ(a, "5");
    EXPECT_EQ(c, "7");
    EXPECT_FALSE(p.cmd.TypedInput);
}

TEST_F(ValueInputTest, NoFormNoDialog) {
    p.cmd.InputMode = 0;
    EXPECT_FALSE(Open());
    EXPECT_TRUE(ui.shownDialogs.empty());
}

TEST_F(ValueInputTest, FieldTextHasNoExponent) {
    EXPECT_EQ(FieldText(1e20, '.'), "100000000000000000000");
    EXPECT_EQ(FieldText(1e-7, ','), "0,0000001");
    EXPECT_EQ(FieldText(0.1 + 0.2, '.'), "0.3");
    EXPECT_EQ(FieldText(-0.0, '.'), "0");
    EXPECT_EQ(FieldText(10.0 / 3, '.'), "3.33333333333333");
}

}  // namespace
}  // namespace vt
