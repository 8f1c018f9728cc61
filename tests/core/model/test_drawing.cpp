// The drawing tables: adds, AddArc's validation, compaction, AddEllipse, snap-point capacity,
// NewDrawing, the 16-bit limit and LookFor.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class DrawingTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(DrawingTest, AddsAppendWithClearedRecords) {
    AddLine(p, 0, 0, 10, 5, false, false, false);
    double r = 3;
    ASSERT_TRUE(AddArc(p, 1, 2, 0.5, 1.5, r, true, false, false));
    AddRitPoint(p, 7, 8, false, false, true);
    ASSERT_EQ(p.drawing.ObjectCount, 3);
    ASSERT_EQ(p.drawing.Objects.size(), 4u);
    const RitObjekt &l = p.drawing.Obj(1), &c = p.drawing.Obj(2), &pt = p.drawing.Obj(3);
    EXPECT_EQ(l.Typ, kLine);
    EXPECT_EQ(l.X2, 10);
    EXPECT_EQ(l.CX, 0);
    EXPECT_EQ(c.Typ, kCircle);
    EXPECT_EQ(c.StartAngle, 0.5);
    EXPECT_TRUE(c.Temp);
    EXPECT_EQ(c.X1, 0);
    EXPECT_EQ(pt.Typ, kRitPoint);
    EXPECT_TRUE(pt.Deleted);
    EXPECT_FALSE(pt.Selected || pt.Highlight);
    EXPECT_TRUE(p.drawing.Modified);
}

TEST_F(DrawingTest, AddArcValidation) {
    double r = -5;
    EXPECT_TRUE(AddArc(p, 0, 0, 0, 0, r, false, false, false));
    EXPECT_EQ(r, 5);
    EXPECT_EQ(p.drawing.Obj(1).R, 5);
    double zero = 0, ok = 1;
    EXPECT_TRUE(AddArc(p, 0, 0, 0, 0, zero, false, false, false));
    EXPECT_TRUE(AddArc(p, 100000000, 0, 0, 0, ok, false, false, false));
    EXPECT_TRUE(ui.messages.empty());
    p.cmd.Operation = 35;
    p.cmd.OpStep = 3;
    for (auto [cx, cy, rad] : {std::tuple{100000000.5, 0.0, 1.0},
                               {0.0, -2e8, 1.0},
                               {0.0, 0.0, 1e8 + 1},
                               {0.0, 0.0, std::nan("")}}) {
        double rr = rad;
        EXPECT_FALSE(AddArc(p, cx, cy, 0, 0, rr, false, false, false));
    }
    EXPECT_EQ(p.drawing.ObjectCount, 3);
    ASSERT_EQ(ui.messages.size(), 4u);
    EXPECT_EQ(ui.messages[0].text, "Ogiltlig storlek/koordinater på cirkeln");
    EXPECT_EQ(ui.messages[0].title, "Fel");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(p.cmd.Operation, 255);  // the running command was cancelled
    EXPECT_EQ(p.cmd.OpStep, 1);
}

TEST_F(DrawingTest, CleanDeletedObjectsIsStable) {
    for (int i = 1; i <= 5; ++i)
        AddRitPoint(p, i, 0, false, true, i == 2 || i == 4);
    CleanDeletedObjects(p);
    ASSERT_EQ(p.drawing.ObjectCount, 3);
    EXPECT_EQ(p.drawing.Obj(1).X1, 1);
    EXPECT_EQ(p.drawing.Obj(2).X1, 3);
    EXPECT_EQ(p.drawing.Obj(3).X1, 5);
}

TEST_F(DrawingTest, AddEllipse) {
    AddEllipse(p, 2, 3, 4, 4, -90, false, false, false);  // a circle, unrotated
    ASSERT_EQ(p.drawing.ObjectCount, 36);
    EXPECT_NEAR(p.drawing.Obj(1).X1, 2, 1e-12);
    EXPECT_NEAR(p.drawing.Obj(1).Y1, 7, 1e-12);
    for (int i = 1; i <= 36; ++i) {
        const RitObjekt& o = p.drawing.Obj(i);
        EXPECT_EQ(o.Typ, kLine);
        EXPECT_NEAR(std::hypot(o.X2 - 2, o.Y2 - 3), 4, 1e-9);
        if (i > 1) {
            EXPECT_EQ(o.X1, p.drawing.Obj(i - 1).X2);
        }
    }
    EXPECT_NEAR(p.drawing.Obj(36).X2, 2, 1e-9);
    EXPECT_NEAR(p.drawing.Obj(36).Y2, 7, 1e-9);
    // Semi-axes 10 along X and 5 along Y come from A = 5, B = 10 turned by 0 (as DXF import calls
    // it).
    NewDrawing(p);
    AddEllipse(p, 0, 0, 5, 10, 0, false, false, false);
    double maxX = 0, maxY = 0;
    for (int i = 1; i <= 36; ++i) {
        maxX = std::max(maxX, std::fabs(p.drawing.Obj(i).X1));
        maxY = std::max(maxY, std::fabs(p.drawing.Obj(i).Y1));
    }
    EXPECT_NEAR(maxX, 10, 1e-9);
    EXPECT_NEAR(maxY, 5, 1e-9);
}

TEST_F(DrawingTest, AddPointCapacity) {
    p.snaps.MaxPoints = 4000;
    for (int i = 0; i < 4000; ++i)
        ASSERT_TRUE(AddPoint(p, i, 0, 255, 1, 1));
    EXPECT_FALSE(AddPoint(p, 1, 1, 255, 1, 1));
    EXPECT_EQ(p.snaps.PointCount, 4000);
    EXPECT_EQ(p.snaps.Pt(4000).X, 3999);
}

TEST_F(DrawingTest, NewDrawingEmptiesEverything) {
    AddLine(p, 0, 0, 1, 1, false, false, false);
    p.toolPath.Count = 1;
    p.toolPath.Ops.resize(2);
    p.drawing.HasFileName = true;
    p.drawing.FileName = "/x.vgm";
    p.uiState.ncCodeText = "G0 X1";
    NewDrawing(p);
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    EXPECT_EQ(p.drawing.Objects.size(), 1u);
    EXPECT_EQ(p.snaps.PointCount, 0);
    EXPECT_EQ(p.toolPath.Count, 0);
    EXPECT_FALSE(p.drawing.Modified || p.drawing.HasFileName);
    EXPECT_EQ(p.drawing.FileName, "");
    EXPECT_EQ(p.uiState.ncCodeText, "");
    EXPECT_EQ(p.uiState.ncStatusText, "0 rader");
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [  ]");
}

TEST_F(DrawingTest, CountLimitRaisesOverflowAndLeavesTheTable) {
    p.drawing.ObjectCount = kMaxCount - 1;
    p.drawing.Objects.resize(kMaxCount);
    AddRitPoint(p, 1, 1, false, true, false);
    EXPECT_EQ(p.drawing.ObjectCount, kMaxCount);
    try {
        AddLine(p, 0, 0, 1, 1, false, true, false);
        FAIL() << "no overflow";
    } catch (const VtError& e) {
        EXPECT_EQ(e.Number(), kErrOverflow);
    }
    EXPECT_EQ(p.drawing.ObjectCount, kMaxCount);
    EXPECT_EQ(p.drawing.Objects.size(), static_cast<std::size_t>(kMaxCount) + 1);
    p.drawing.ObjectCount = kMaxCount - 10;  // an ellipse goes in whole or not at all
    EXPECT_THROW(AddEllipse(p, 0, 0, 1, 1, 0, false, true, false), VtError);
    EXPECT_EQ(p.drawing.ObjectCount, kMaxCount - 10);
}

TEST_F(DrawingTest, LookForSetsPickKindsAndCursor) {
    struct Case {
        int16_t kind;
        bool points, lines, arcs;
        SurfaceCursor cursor;
    };
    const Case cases[] = {
        {1, false, true, false, SurfaceCursor::PickLine},
        {2, false, false, true, SurfaceCursor::PickCircle},
        {3, true, false, false, SurfaceCursor::PickPoint},
        {4, true, true, true, SurfaceCursor::PickAll},
        {0, false, false, false, SurfaceCursor::Cross},
        {9, false, false, false, SurfaceCursor::Cross},
    };
    for (const auto& c : cases) {
        p.cmd.PickPoints = p.cmd.PickLines = p.cmd.PickArcs = true;
        LookFor(p, c.kind);
        EXPECT_EQ(p.cmd.PickPoints, c.points) << c.kind;
        EXPECT_EQ(p.cmd.PickLines, c.lines) << c.kind;
        EXPECT_EQ(p.cmd.PickArcs, c.arcs) << c.kind;
        EXPECT_EQ(p.uiState.surfaceCursor, c.cursor) << c.kind;
    }
}

TEST_F(DrawingTest, NoUpdateLeavesTheSnapPointsAlone) {
    AddLine(p, 0, 0, 10, 0, false, true, false);
    EXPECT_EQ(p.snaps.PointCount, 0);
    AddLine(p, 5, -5, 5, 5, false, false, false);
    EXPECT_GT(p.snaps.PointCount, 0);
}

}  // namespace
}  // namespace vt
