// Line constructions: the documented cases and independent tangency checks.
#include <gtest/gtest.h>

#include "geometry/constructions.h"
#include "geometry/primitives.h"
#include "geometry_checks.h"

namespace vt {
namespace {

using test::Circ;
using test::Dist;
using test::Gen;
using test::LineDist;
using test::Pt;
using test::Seg;

void ExpectLine(const Construction& c, double x1, double y1, double x2, double y2) {
    ASSERT_FALSE(c.CalcError);
    EXPECT_NEAR(c.Obj.X1, x1, 1e-9);
    EXPECT_NEAR(c.Obj.Y1, y1, 1e-9);
    EXPECT_NEAR(c.Obj.X2, x2, 1e-9);
    EXPECT_NEAR(c.Obj.Y2, y2, 1e-9);
}

TEST(ParallellLineTest, DocumentedCasesAndDistance) {
    ExpectLine({ParallellLine(0, 0, 10, 0, 2), false}, 0, 2, 10, 2);
    ExpectLine({ParallellLine(0, 10, 0, 0, 2), false}, -2, 10, -2, 0);
    ExpectLine({ParallellLine(0, 0, 0, 10, 2), false}, -2, 0, -2, 10);
    for (const Seg& s : test::SpecialLines()) {
        RitObjekt p = ParallellLine(s.x1, s.y1, s.x2, s.y2, -3.5);
        EXPECT_REL(LineDist(s, p.X1, p.Y1), 3.5, 50);
        EXPECT_REL(LineDist(s, p.X2, p.Y2), 3.5, 50);
        EXPECT_LT(test::SignedLineDist(s, p.X1, p.Y1), 0);
    }
}

TEST(TanLin2ArcPtTest, DocumentedCases) {
    Construction s1 = TanLin2ArcPt(0, 0, 5, 0, 10, 1), s2 = TanLin2ArcPt(0, 0, 5, 0, 10, 2);
    const double x = 5 * std::sqrt(3.0) / 2;
    // Side 1 is reached by turning counter-clockwise from the downward direction P→C.
    ExpectLine(s1, 0, 10, x, 2.5);
    ExpectLine(s2, 0, 10, -x, 2.5);
    ExpectLine(TanLin2ArcPt(0, 0, 5, 0, -10, 1), 0, -10, -x, -2.5);
    EXPECT_TRUE(TanLin2ArcPt(0, 0, 5, 5, 0, 1).CalcError);  // on the circle
    EXPECT_TRUE(TanLin2ArcPt(0, 0, 5, 1, 1, 1).CalcError);  // inside
    EXPECT_TRUE(TanLin2ArcPt(0, 0, 0, 0, 0, 1).CalcError);  // at the centre
    Construction z = TanLin2ArcPt(0, 0, 5, 0, 10, 3);
    EXPECT_FALSE(z.CalcError);
    EXPECT_EQ(z.Obj.X2, 0);
}

TEST(TanLin2ArcPtTest, TouchesTheCircle) {
    Gen g(21);
    int found = 0;
    for (int i = 0; i < 500; ++i) {
        Circ c = g.C();
        Pt p = i % 4 == 0 ? Pt{c.x, g.Coord()} : (i % 4 == 1 ? Pt{g.Coord(), c.y} : g.P());
        for (int s = 1; s <= 2; ++s) {
            Construction t = TanLin2ArcPt(c.x, c.y, c.r, p.x, p.y, static_cast<int16_t>(s));
            if (t.CalcError) continue;
            const RitObjekt& l = t.Obj;
            EXPECT_EQ(l.X1, p.x);
            EXPECT_EQ(l.Y1, p.y);
            EXPECT_REL(Dist(l.X2, l.Y2, c.x, c.y), c.r, 200);
            EXPECT_REL(LineDist({l.X1, l.Y1, l.X2, l.Y2}, c.x, c.y), c.r, 200);
            ++found;
        }
    }
    EXPECT_GT(found, 300);
}

TEST(TanArcAngleTest, DocumentedCases) {
    ExpectLine(TanArcAngle(0, 0, 5, 0, 10, 1), 0, 5, 10, 5);
    ExpectLine(TanArcAngle(0, 0, 5, 0, 10, 2), 0, -5, 10, -5);
    ExpectLine(TanArcAngle(0, 0, 5, 0, 10, 3), 0, 5, -10, 5);
    ExpectLine(TanArcAngle(0, 0, 5, 0, 10, 4), 0, -5, -10, -5);
    for (int k = 1; k <= 4; ++k) {
        Construction t = TanArcAngle(3, -2, 4, 33, 7, static_cast<int16_t>(k));
        EXPECT_FALSE(t.CalcError);
        EXPECT_REL(Dist(t.Obj.X1, t.Obj.Y1, 3, -2), 4, 10);
        EXPECT_REL(LineDist({t.Obj.X1, t.Obj.Y1, t.Obj.X2, t.Obj.Y2}, 3, -2), 4, 10);
        EXPECT_REL(Dist(t.Obj.X1, t.Obj.Y1, t.Obj.X2, t.Obj.Y2), 7, 10);
    }
}

TEST(TanLin2ArcTest, DocumentedCases) {
    ExpectLine(TanLin2Arc(0, 0, 2, 10, 0, 2, 1), 0, 2, 10, 2);
    ExpectLine(TanLin2Arc(0, 0, 2, 10, 0, 2, 2), 0, -2, 10, -2);
    ExpectLine(TanLin2Arc(10, 0, 2, 0, 0, 2, 1), 0, 2, 10, 2);  // the other order: the same
    EXPECT_TRUE(TanLin2Arc(0, 0, 2, 3, 0, 2, 3).CalcError);
    EXPECT_TRUE(TanLin2Arc(0, 0, 2, 3, 0, 2, 4).CalcError);
    EXPECT_FALSE(TanLin2Arc(0, 0, 2, 3, 0, 2, 1).CalcError);
    for (int k = 1; k <= 4; ++k)
        EXPECT_TRUE(TanLin2Arc(0, 0, 1, 3, 0, 5, static_cast<int16_t>(k)).CalcError);
    // Equal radii on a vertical centre line: the parallels of the centre line.
    ExpectLine(TanLin2Arc(0, 10, 2, 0, 0, 2, 1), -2, 0, -2, 10);
    ExpectLine(TanLin2Arc(0, 10, 2, 0, 0, 2, 2), 2, 0, 2, 10);
}

TEST(TanLin2ArcTest, TouchesBothCircles) {
    Gen g(22);
    int found = 0;
    for (int i = 0; i < 500; ++i) {
        Circ a = g.C(), b = g.C();
        if (i % 5 == 0) b.x = a.x;
        if (i % 5 == 1) b.x = a.x + 1e-7;
        for (int k = 1; k <= 4; ++k) {
            Construction t = TanLin2Arc(a.x, a.y, a.r, b.x, b.y, b.r, static_cast<int16_t>(k));
            if (t.CalcError) continue;
            const RitObjekt& l = t.Obj;
            Seg s{l.X1, l.Y1, l.X2, l.Y2};
            EXPECT_REL(LineDist(s, a.x, a.y), a.r, 300);
            EXPECT_REL(LineDist(s, b.x, b.y), b.r, 300);
            // It runs between its contact points: from the first circle's to the second's.
            const bool swapped = (a.x == b.x && a.y > b.y) || a.x > b.x;
            const Circ& first = swapped ? b : a;
            const Circ& second = swapped ? a : b;
            EXPECT_REL(Dist(l.X1, l.Y1, first.x, first.y), first.r, 300);
            EXPECT_REL(Dist(l.X2, l.Y2, second.x, second.y), second.r, 300);
            ++found;
        }
    }
    EXPECT_GT(found, 800);
}

}  // namespace
}  // namespace vt
