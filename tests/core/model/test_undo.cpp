// The undo history of deleted objects.
#include <gtest/gtest.h>

#include "app/program.h"
#include "model/drawing_ops.h"
#include "model/undo.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

void Delete(Program& p, int16_t code, int index) {
    AddUndo(p, code, index);
    p.drawing.Obj(index).Deleted = true;
    p.drawing.Obj(index).Selected = true;
    CleanDeletedObjects(p);
}

TEST(Undo, RestoresNewestFirstAtTheEnd) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    AddLine(p, 0, 0, 1, 1, false, false, false);
    double r = 2;
    AddArc(p, 5, 5, 0.25, 1.25, r, false, false, false);
    AddRitPoint(p, 9, 9, false, false, false);
    AddRitPoint(p, 3, 3, false, false, false);  // stays
    p.drawing.Obj(1).Selected = true;
    Delete(p, 80, 1);
    Delete(p, 81, 1);
    Delete(p, 82, 1);
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_TRUE(p.uiState.Enabled("mnuUndo"));
    EXPECT_TRUE(p.uiState.ButtonEnabled("tbr_delete", 5));

    mnuUndo_Click(p);
    EXPECT_EQ(p.drawing.Obj(2).Typ, kRitPoint);
    mnuUndo_Click(p);
    EXPECT_EQ(p.drawing.Obj(3).Typ, kCircle);
    EXPECT_EQ(p.drawing.Obj(3).StartAngle, 0.25);
    EXPECT_EQ(p.drawing.Obj(3).EndAngle, 1.25);
    EXPECT_TRUE(p.uiState.Enabled("mnuUndo"));
    mnuUndo_Click(p);
    const RitObjekt& line = p.drawing.Obj(4);
    EXPECT_EQ(line.Typ, kLine);
    EXPECT_FALSE(line.Selected);
    EXPECT_FALSE(line.Deleted);
    EXPECT_EQ(p.drawing.ObjectCount, 4);
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    EXPECT_FALSE(p.uiState.ButtonEnabled("tbr_delete", 5));
    // Undo with nothing to undo changes nothing.
    mnuUndo_Click(p);
    EXPECT_EQ(p.drawing.ObjectCount, 4);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Undo, ARefusedCircleIsStillPopped) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    RitObjekt bad;
    bad.Typ = kCircle;
    bad.CX = 5e8;
    bad.R = 1;
    p.drawing.Objects.push_back(bad);
    p.drawing.ObjectCount = 1;
    AddUndo(p, 81, 1);
    mnuUndo_Click(p);
    EXPECT_EQ(p.drawing.UndoCount, 0);
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Ogiltlig storlek/koordinater på cirkeln");
}

}  // namespace
}  // namespace vt
