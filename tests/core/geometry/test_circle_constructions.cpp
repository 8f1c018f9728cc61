// Circle constructions: the documented cases, and for every construction an independent check of
// its answers (through the points, at the radius from the lines and circles) over configurations.
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
using test::SignedLineDist;

TEST(Arc2ptTest, DocumentedCases) {
    for (int side : {0, 1}) {
        Construction c = Arc2pt(0, 0, 10, 0, 5, static_cast<int16_t>(side));
        EXPECT_FALSE(c.CalcError);
        EXPECT_NEAR(c.Obj.CX, 5, 1e-12);
        EXPECT_NEAR(c.Obj.CY, 0, 1e-12);
        EXPECT_EQ(c.Obj.R, 5);
    }
    EXPECT_TRUE(Arc2pt(0, 0, 10, 0, 4, 1).CalcError);
    EXPECT_GT(Arc2pt(0, 0, 10, 0, 10, 1).Obj.CY, 0);
    EXPECT_LT(Arc2pt(0, 0, 10, 0, 10, 0).Obj.CY, 0);
    // A chord of r·√2: the centre r/√2 from the chord.
    Construction q = Arc2pt(0, 0, 10 * std::sqrt(2.0), 0, 10, 1);
    EXPECT_NEAR(q.Obj.CY, 10 / std::sqrt(2.0), 1e-12);
    // Two equal points: the centre r beside the point.
    Construction e = Arc2pt(3, 4, 3, 4, 2, 1);
    EXPECT_NEAR(Dist(e.Obj.CX, e.Obj.CY, 3, 4), 2, 1e-12);
}

TEST(Arc2ptTest, PassesThroughBothPointsOnTheChosenSide) {
    Gen g(11);
    int found = 0;
    for (int i = 0; i < 500; ++i) {
        Pt a = g.P(),
           b = i % 5 == 0 ? Pt{a.x, g.Coord()} : (i % 5 == 1 ? Pt{g.Coord(), a.y} : g.P());
        double r = Dist(a.x, a.y, b.x, b.y) / 2 * (1.000001 + (i % 7) * 0.3);
        for (int side : {0, 1}) {
            Construction c = Arc2pt(a.x, a.y, b.x, b.y, r, static_cast<int16_t>(side));
            ASSERT_FALSE(c.CalcError);
            EXPECT_REL(Dist(c.Obj.CX, c.Obj.CY, a.x, a.y), r, 200);
            EXPECT_REL(Dist(c.Obj.CX, c.Obj.CY, b.x, b.y), r, 200);
            double s = SignedLineDist({a.x, a.y, b.x, b.y}, c.Obj.CX, c.Obj.CY);
            if (std::fabs(s) > 1e-6) EXPECT_EQ(s > 0, side == 1);
            ++found;
        }
    }
    EXPECT_EQ(found, 1000);
}

TEST(Arc3ptTest, DocumentedCasesAndDegenerates) {
    Construction c = Arc3pt(0, 0, 10, 0, 0, 10);
    EXPECT_FALSE(c.CalcError);
    EXPECT_NEAR(c.Obj.CX, 5, 1e-12);
    EXPECT_NEAR(c.Obj.CY, 5, 1e-12);
    EXPECT_NEAR(c.Obj.R, std::sqrt(50.0), 1e-12);
    EXPECT_TRUE(Arc3pt(3, 0, 3, 5, 3, 9).CalcError);  // one vertical line
    EXPECT_TRUE(Arc3pt(0, 2, 5, 2, 9, 2).CalcError);  // one horizontal line
    EXPECT_TRUE(Arc3pt(1, 1, 1, 1, 4, 5).CalcError);  // two points that coincide
    // Points that only look collinear are a circle, however large: the tolerance is relative.
    Construction big = Arc3pt(0, 2, 5, 2, 9, 2.000001);
    EXPECT_FALSE(big.CalcError);
    EXPECT_NEAR(big.Obj.R, 1.8e7, 1e3);  // abc / 4·area
    // Collinear points whose decimals do not add up exactly in binary still fail.
    EXPECT_TRUE(Arc3pt(0.1, 0.7, 0.3, 2.1, 0.7, 4.9).CalcError);
    // Three points on one slanted line fail instead of giving an infinite circle.
    Construction s = Arc3pt(0, 0, 1, 1, 2, 2);
    EXPECT_TRUE(s.CalcError);
    EXPECT_EQ(s.Obj.CX, 0);
}

TEST(Arc3ptTest, PassesThroughAllThreePoints) {
    Gen g(12);
    const std::vector<std::array<Pt, 3>> special = {
        {{{0, 0}, {10, 0}, {5, 7}}},          {{{0, 0}, {0, 10}, {7, 5}}},
        {{{0, 0}, {10, 0}, {10, 10}}},        {{{-1e3, 2}, {1e3, 2}, {0, 5}}},
        {{{1e-3, 0}, {0, 1e-3}, {-1e-3, 0}}},
    };
    std::vector<std::array<Pt, 3>> all = special;
    for (int i = 0; i < 500; ++i)
        all.push_back({g.P(), g.P(), g.P()});
    int found = 0;
    for (const auto& t : all) {
        for (int order = 0; order < 3; ++order) {
            const Pt &a = t[order % 3], &b = t[(order + 1) % 3], &c = t[(order + 2) % 3];
            Construction r = Arc3pt(a.x, a.y, b.x, b.y, c.x, c.y);
            if (r.CalcError) continue;
            double scale = std::max(100.0, r.Obj.R);
            for (const Pt& p : t)
                EXPECT_REL(Dist(r.Obj.CX, r.Obj.CY, p.x, p.y), r.Obj.R, scale);
            ++found;
        }
    }
    EXPECT_GT(found, 1400);
}

TEST(TanArc2ArcptTest, TangentToTheCircleThroughThePoint) {
    // A point farther than rc + 2r fails for case 1.
    EXPECT_TRUE(TanArc2Arcpt(0, 0, 5, 20, 0, 2, 1).CalcError);
    EXPECT_TRUE(TanArc2Arcpt(3, 3, 5, 3, 3, 2, 1).CalcError);  // the point at the centre
    Gen g(13);
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        Circ c = g.C();
        Pt p = i % 4 == 0 ? Pt{c.x, g.Coord()} : g.P();
        double r = g.Radius();
        for (int k = 1; k <= 4; ++k) {
            Construction t = TanArc2Arcpt(c.x, c.y, c.r, p.x, p.y, r, static_cast<int16_t>(k));
            if (t.CalcError) continue;
            double s1 = (k == 1 || k == 3) ? 1 : -1, s2 = (k <= 2) ? 1 : -1;
            EXPECT_EQ(t.Obj.R, r);
            EXPECT_REL(Dist(t.Obj.CX, t.Obj.CY, p.x, p.y), r, 200);
            EXPECT_REL(Dist(t.Obj.CX, t.Obj.CY, c.x, c.y), std::fabs(c.r + s1 * r), 200);
            // Case side: counter-clockwise (+1) or clockwise (−1) of the direction P→C.
            double cross = (c.x - p.x) * (t.Obj.CY - p.y) - (c.y - p.y) * (t.Obj.CX - p.x);
            if (std::fabs(cross) > 1e-6) EXPECT_EQ(cross > 0, s2 > 0);
            ++found;
        }
    }
    EXPECT_GT(found, 250);
}

TEST(TanArc2LinPtTest, TangentToTheLineThroughThePoint) {
    // The point on the line: the two circles touching it there, side 1 on the left normal side.
    Construction a = TanArc2LinPt(5, 0, 2, 0, 0, 10, 0, 1),
                 b = TanArc2LinPt(5, 0, 2, 10, 0, 0, 0, 2);
    EXPECT_NEAR(a.Obj.CX, 5, 1e-12);
    EXPECT_NEAR(a.Obj.CY, 2, 1e-12);
    EXPECT_NEAR(b.Obj.CY, -2, 1e-12);
    EXPECT_EQ(a.Obj.R, 0);
    EXPECT_TRUE(TanArc2LinPt(0, 5, 2, -10, 0, 10, 0, 1).CalcError);  // farther than 2r
    Construction other = TanArc2LinPt(0, 1, 2, -10, 0, 10, 0, 3);
    EXPECT_FALSE(other.CalcError);
    EXPECT_EQ(other.Obj.CX, 0);
    Gen g(14);
    int found = 0;
    std::vector<Seg> lines = test::SpecialLines();
    for (int i = 0; i < 200; ++i)
        lines.push_back(g.S());
    for (const Seg& l : lines) {
        Pt p = g.P();
        double d = LineDist(l, p.x, p.y), side = SignedLineDist(l, p.x, p.y);
        double r = d / 2 * 1.5 + 0.1;
        for (int s = 1; s <= 2; ++s) {
            Construction c =
                TanArc2LinPt(p.x, p.y, r, l.x1, l.y1, l.x2, l.y2, static_cast<int16_t>(s));
            ASSERT_FALSE(c.CalcError);
            EXPECT_REL(Dist(c.Obj.CX, c.Obj.CY, p.x, p.y), r, 200);
            EXPECT_REL(LineDist(l, c.Obj.CX, c.Obj.CY), r, 200);
            EXPECT_EQ(SignedLineDist(l, c.Obj.CX, c.Obj.CY) > 0, side > 0);
            ++found;
        }
    }
    EXPECT_EQ(found, static_cast<int>(lines.size()) * 2);
}

TEST(TanArc2LinTest, DocumentedCasesAndTangency) {
    const double expected[4][2] = {{1, 1}, {-1, -1}, {-1, 1}, {1, -1}};
    for (int k = 1; k <= 4; ++k) {
        Construction c = TanArc2Lin(0, 0, 10, 0, 0, 0, 0, 10, 1, static_cast<int16_t>(k));
        ASSERT_FALSE(c.CalcError);
        EXPECT_NEAR(c.Obj.CX, expected[k - 1][0], 1e-12) << k;
        EXPECT_NEAR(c.Obj.CY, expected[k - 1][1], 1e-12) << k;
    }
    EXPECT_TRUE(TanArc2Lin(0, 0, 10, 0, 0, 5, 10, 5, 1, 1).CalcError);
    // Nearly vertical lines leaning opposite ways are parallel too.
    EXPECT_TRUE(TanArc2Lin(0, 0, 0, 10, 5, 0, 5 - 1e-9, 10, 1, 1).CalcError);
    Gen g(15);
    int found = 0;
    std::vector<Seg> lines = test::SpecialLines();
    for (int i = 0; i < 200; ++i)
        lines.push_back(g.S());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Seg& a = lines[i];
        const Seg& b = lines[(i * 7 + 3) % lines.size()];
        double r = g.Radius();
        for (int k = 1; k <= 4; ++k) {
            Construction c = TanArc2Lin(a.x1, a.y1, a.x2, a.y2, b.x1, b.y1, b.x2, b.y2, r,
                                        static_cast<int16_t>(k));
            if (c.CalcError) continue;
            double scale = std::max(200.0, std::fabs(c.Obj.CX) + std::fabs(c.Obj.CY));
            EXPECT_REL(LineDist(a, c.Obj.CX, c.Obj.CY), r, scale);
            EXPECT_REL(LineDist(b, c.Obj.CX, c.Obj.CY), r, scale);
            ++found;
        }
    }
    EXPECT_GT(found, 600);
}

TEST(TanArc2LinArcTest, TangentToLineAndCircle) {
    // A circle that neither parallel reaches fails in every case.
    for (int k = 1; k <= 8; ++k)
        EXPECT_TRUE(TanArc2LinArc(-10, 0, 10, 0, 0, 100, 5, 2, static_cast<int16_t>(k)).CalcError);
    // The line touches an offset circle: one centre, and no second one.
    EXPECT_FALSE(TanArc2LinArc(-10, 0, 10, 0, 0, 9, 5, 2, 1).CalcError);
    EXPECT_TRUE(TanArc2LinArc(-10, 0, 10, 0, 0, 9, 5, 2, 2).CalcError);
    Gen g(16);
    int found = 0;
    std::vector<Seg> lines = test::SpecialLines();
    for (int i = 0; i < 200; ++i)
        lines.push_back(g.S());
    for (const Seg& l : lines) {
        Circ c = g.C();
        double r = g.Radius() / 2;
        for (int k = 1; k <= 8; ++k) {
            Construction t =
                TanArc2LinArc(l.x1, l.y1, l.x2, l.y2, c.x, c.y, c.r, r, static_cast<int16_t>(k));
            if (t.CalcError) continue;
            bool outer = k == 1 || k == 2 || k == 5 || k == 6;
            EXPECT_REL(LineDist(l, t.Obj.CX, t.Obj.CY), r, 300);
            EXPECT_REL(Dist(t.Obj.CX, t.Obj.CY, c.x, c.y), std::fabs(outer ? c.r + r : c.r - r),
                       300);
            ++found;
        }
    }
    EXPECT_GT(found, 300);
}

TEST(TanArc2ArcTest, TangentToBothCircles) {
    Construction mid = TanArc2Arc(0, 0, 5, 20, 0, 5, 5, 1);
    ASSERT_FALSE(mid.CalcError);
    EXPECT_NEAR(mid.Obj.CX, 10, 1e-12);
    EXPECT_NEAR(mid.Obj.CY, 0, 1e-6);
    // Concentric circles fail instead of dividing by zero.
    for (int k = 1; k <= 8; ++k)
        EXPECT_TRUE(TanArc2Arc(1, 1, 5, 1, 1, 8, 2, static_cast<int16_t>(k)).CalcError);
    Gen g(17);
    int found = 0;
    for (int i = 0; i < 400; ++i) {
        Circ a = g.C(), b = g.C();
        if (i % 5 == 0) b.x = a.x;
        double r = g.Radius();
        for (int k = 1; k <= 8; ++k) {
            Construction t = TanArc2Arc(a.x, a.y, a.r, b.x, b.y, b.r, r, static_cast<int16_t>(k));
            if (t.CalcError) continue;
            double sA = k <= 4 ? 1 : -1, sB = (k == 1 || k == 2 || k == 5 || k == 6) ? 1 : -1;
            EXPECT_REL(Dist(t.Obj.CX, t.Obj.CY, a.x, a.y), std::fabs(a.r + sB * r), 300);
            EXPECT_REL(Dist(t.Obj.CX, t.Obj.CY, b.x, b.y), std::fabs(b.r + sA * r), 300);
            ++found;
        }
    }
    EXPECT_GT(found, 600);
}

}  // namespace
}  // namespace vt
