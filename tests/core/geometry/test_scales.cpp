// Every intersection and construction on configurations whose answers are known, run at scales
// from 1e-6 to 1e6 and a million units from the origin: the same answers in the same cases at the
// scaled positions. Then configurations that touch exactly in decimals (tangent, touching, a point
// 2r from a line), which binary rounding puts a hair inside or outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "geometry/constructions.h"
#include "geometry/intersections.h"

namespace vt {
namespace {

// Maps a configuration given in unit coordinates into the tested one and answers back.
struct Frame {
    double s = 1, ox = 0, oy = 0;
    mutable double reach = 0;  // the largest unit value seen: the configuration's size
    double X(double x) const { return Note(x), s * x + ox; }
    double Y(double y) const { return Note(y), s * y + oy; }
    double L(double l) const { return Note(l), s * l; }
    double UX(double x) const { return (x - ox) / s; }
    double UY(double y) const { return (y - oy) / s; }
    double UL(double l) const { return l / s; }
    void Note(double v) const { reach = std::max(reach, std::fabs(v)); }
};

// One answer in unit coordinates: the case (or the point's index) that gave it and its values.
struct Answer {
    int kase;
    std::vector<double> v;
};
using Answers = std::vector<Answer>;

Answer PointOut(const Frame& f, int kase, const SnapPoint& p) {
    return {kase, {f.UX(p.X), f.UY(p.Y)}};
}
Answer CircleOut(const Frame& f, int kase, const RitObjekt& o) {
    return {kase, {f.UX(o.CX), f.UY(o.CY), f.UL(o.R)}};
}
Answer LineOut(const Frame& f, int kase, const RitObjekt& o) {
    return {kase, {f.UX(o.X1), f.UY(o.Y1), f.UX(o.X2), f.UY(o.Y2)}};
}

Answers Points(const Frame& f, const IntersectionList& l) {
    Answers a;
    if (!l.CalcError)
        for (int i = 1; i <= l.Count; ++i)
            a.push_back(PointOut(f, i, l.Pt[static_cast<std::size_t>(i)]));
    return a;
}
// Every case from 1 to n of a circle construction that succeeds.
Answers Circles(const Frame& f, int first, int last, const std::function<Construction(int16_t)>& c,
                bool line = false) {
    Answers a;
    for (int k = first; k <= last; ++k) {
        Construction r = c(static_cast<int16_t>(k));
        if (!r.CalcError) a.push_back(line ? LineOut(f, k, r.Obj) : CircleOut(f, k, r.Obj));
    }
    return a;
}
Answers Lines(const Frame& f, int first, int last, const std::function<Construction(int16_t)>& c) {
    return Circles(f, first, last, c, true);
}

struct Row {
    std::string name;
    std::function<Answers(const Frame&)> run;
    Answers expected;
};

const double kRoot75Half = std::sqrt(75.0) / 2;

std::vector<Row> Rows() {
    return {
        // Intersections.
        {"lines cross",
         [](const Frame& f) {
             PointResult p =
                 Lin2LinIntersec(f.X(0), f.Y(0), f.X(4), f.Y(2), f.X(0), f.Y(3), f.X(3), f.Y(0));
             return p.CalcError ? Answers{} : Answers{PointOut(f, 1, p.Pt)};
         },
         {{1, {2, 1}}}},
        {"parallel lines",
         [](const Frame& f) {
             PointResult p =
                 Lin2LinIntersec(f.X(0), f.Y(0), f.X(4), f.Y(2), f.X(0), f.Y(1), f.X(4), f.Y(3));
             return p.CalcError ? Answers{} : Answers{PointOut(f, 1, p.Pt)};
         },
         {}},
        {"short perpendicular lines",
         [](const Frame& f) {
             PointResult p = Lin2LinIntersec(f.X(0), f.Y(0), f.X(0.001), f.Y(0), f.X(0.5),
                                             f.Y(-0.001), f.X(0.5), f.Y(0.001));
             return p.CalcError ? Answers{} : Answers{PointOut(f, 1, p.Pt)};
         },
         {{1, {0.5, 0}}}},
        {"line through circle",
         [](const Frame& f) {
             return Points(
                 f, Lin2ArcIntersec(f.X(0), f.Y(0), f.L(5), f.X(-10), f.Y(3), f.X(10), f.Y(3)));
         },
         {{1, {4, 3}}, {2, {-4, 3}}}},
        {"vertical line through circle",
         [](const Frame& f) {
             return Points(
                 f, Lin2ArcIntersec(f.X(0), f.Y(0), f.L(5), f.X(3), f.Y(-10), f.X(3), f.Y(10)));
         },
         {{1, {3, 4}}, {2, {3, -4}}}},
        {"slanted tangent line",
         [](const Frame& f) {
             return Points(
                 f, Lin2ArcIntersec(f.X(0), f.Y(0), f.L(5), f.X(-1), f.Y(7), f.X(7), f.Y(1)));
         },
         {{1, {3, 4}}}},
        {"line missing circle",
         [](const Frame& f) {
             return Points(
                 f, Lin2ArcIntersec(f.X(0), f.Y(0), f.L(5), f.X(-10), f.Y(5.1), f.X(10), f.Y(5.1)));
         },
         {}},
        {"line through small circle",
         [](const Frame& f) {
             return Points(f, Lin2ArcIntersec(f.X(0), f.Y(0), f.L(0.005), f.X(-1), f.Y(0.0048),
                                              f.X(1), f.Y(0.0048)));
         },
         {{1, {0.0014, 0.0048}}, {2, {-0.0014, 0.0048}}}},
        {"circles cross",
         [](const Frame& f) {
             return Points(f, Arc2ArcIntersect(f.X(8), f.Y(0), f.L(5), f.X(0), f.Y(0), f.L(5)));
         },
         {{1, {4, 3}}, {2, {4, -3}}}},
        {"circles touch outside",
         [](const Frame& f) {
             return Points(f, Arc2ArcIntersect(f.X(0), f.Y(0), f.L(2), f.X(3), f.Y(4), f.L(3)));
         },
         {{1, {1.2, 1.6}}}},
        {"circles touch inside",
         [](const Frame& f) {
             return Points(f, Arc2ArcIntersect(f.X(0), f.Y(0), f.L(5), f.X(2), f.Y(0), f.L(3)));
         },
         {{1, {5, 0}}}},
        {"circles apart",
         [](const Frame& f) {
             return Points(f, Arc2ArcIntersect(f.X(0), f.Y(0), f.L(2), f.X(5.1), f.Y(0), f.L(3)));
         },
         {}},
        {"concentric circles",
         [](const Frame& f) {
             return Points(f, Arc2ArcIntersect(f.X(1), f.Y(1), f.L(2), f.X(1), f.Y(1), f.L(3)));
         },
         {}},
        // Circles.
        {"circle through two points",
         [](const Frame& f) {
             return Circles(f, 0, 1, [&](int16_t k) {
                 return Arc2pt(f.X(0), f.Y(0), f.X(8), f.Y(0), f.L(5), k);
             });
         },
         {{0, {4, -3, 5}}, {1, {4, 3, 5}}}},
        {"circle on a chord of 2r",
         [](const Frame& f) {
             return Circles(f, 0, 1, [&](int16_t k) {
                 return Arc2pt(f.X(0.1), f.Y(0.2), f.X(0.7), f.Y(1.0), f.L(0.5), k);
             });
         },
         {{0, {0.4, 0.6, 0.5}}, {1, {0.4, 0.6, 0.5}}}},
        {"circle on a chord over 2r",
         [](const Frame& f) {
             return Circles(f, 0, 1, [&](int16_t k) {
                 return Arc2pt(f.X(0), f.Y(0), f.X(10), f.Y(0), f.L(4.99), k);
             });
         },
         {}},
        {"circle through three points",
         [](const Frame& f) {
             return Circles(f, 1, 1, [&](int16_t) {
                 return Arc3pt(f.X(0), f.Y(0), f.X(10), f.Y(0), f.X(0), f.Y(10));
             });
         },
         {{1, {5, 5, std::sqrt(50.0)}}}},
        {"three collinear points",
         [](const Frame& f) {
             Answers a = Circles(f, 1, 1, [&](int16_t) {
                 return Arc3pt(f.X(0.1), f.Y(0.7), f.X(0.3), f.Y(2.1), f.X(0.7), f.Y(4.9));
             });
             Answers b = Circles(f, 2, 2, [&](int16_t) {
                 return Arc3pt(f.X(0), f.Y(0), f.X(1), f.Y(1), f.X(2), f.Y(2));
             });
             Answers c = Circles(f, 3, 3, [&](int16_t) {
                 return Arc3pt(f.X(1), f.Y(1), f.X(1), f.Y(1), f.X(2), f.Y(3));
             });
             a.insert(a.end(), b.begin(), b.end());
             a.insert(a.end(), c.begin(), c.end());
             return a;
         },
         {}},
        {"circle tangent to a circle through a point",
         [](const Frame& f) {
             return Circles(f, 1, 4, [&](int16_t k) {
                 return TanArc2Arcpt(f.X(0), f.Y(0), f.L(5), f.X(8), f.Y(3), f.L(3), k);
             });
         },
         {{1, {8, 0, 3}}, {3, {440.0 / 73, 384.0 / 73, 3}}}},
        {"circle tangent to a circle through a point at rc + 2r",
         [](const Frame& f) {
             return Circles(f, 1, 4, [&](int16_t k) {
                 return TanArc2Arcpt(f.X(0.2), f.Y(0.3), f.L(0.7), f.X(1.7), f.Y(0.3), f.L(0.4), k);
             });
         },
         {{1, {1.3, 0.3, 0.4}}, {3, {1.3, 0.3, 0.4}}}},
        {"circle tangent to a line through a point",
         [](const Frame& f) {
             return Circles(f, 1, 2, [&](int16_t k) {
                 return TanArc2LinPt(f.X(3), f.Y(2), f.L(5), f.X(-10), f.Y(0), f.X(10), f.Y(0), k);
             });
         },
         {{1, {7, 5, 0}}, {2, {-1, 5, 0}}}},
        {"circle tangent to a line through a point 2r from it",
         [](const Frame& f) {
             return Circles(f, 1, 2, [&](int16_t k) {
                 return TanArc2LinPt(f.X(0.3), f.Y(0.7), f.L(0.3), f.X(-1), f.Y(0.1), f.X(1),
                                     f.Y(0.1), k);
             });
         },
         {{1, {0.3, 0.4, 0}}, {2, {0.3, 0.4, 0}}}},
        {"circle tangent to a line through a point on it",
         [](const Frame& f) {
             return Circles(f, 1, 2, [&](int16_t k) {
                 return TanArc2LinPt(f.X(4), f.Y(0), f.L(2), f.X(0), f.Y(0), f.X(10), f.Y(0), k);
             });
         },
         {{1, {4, 2, 0}}, {2, {4, -2, 0}}}},
        {"circle tangent to two lines",
         [](const Frame& f) {
             return Circles(f, 1, 4, [&](int16_t k) {
                 return TanArc2Lin(f.X(-5), f.Y(0), f.X(5), f.Y(0), f.X(0), f.Y(-5), f.X(0), f.Y(5),
                                   f.L(1), k);
             });
         },
         {{1, {1, 1, 1}}, {2, {-1, -1, 1}}, {3, {-1, 1, 1}}, {4, {1, -1, 1}}}},
        {"circle tangent to two parallel lines",
         [](const Frame& f) {
             return Circles(f, 1, 4, [&](int16_t k) {
                 return TanArc2Lin(f.X(0), f.Y(0), f.X(4), f.Y(2), f.X(0), f.Y(1), f.X(4), f.Y(3),
                                   f.L(1), k);
             });
         },
         {}},
        {"circle tangent to a line and a circle",
         [](const Frame& f) {
             return Circles(f, 1, 8, [&](int16_t k) {
                 return TanArc2LinArc(f.X(-10), f.Y(0), f.X(10), f.Y(0), f.X(0), f.Y(5), f.L(4),
                                      f.L(1), k);
             });
         },
         {{1, {3, 1, 1}}, {2, {-3, 1, 1}}}},
        {"circle tangent to a line and a circle, touching",
         [](const Frame& f) {
             return Circles(f, 1, 8, [&](int16_t k) {
                 return TanArc2LinArc(f.X(-1), f.Y(0.1), f.X(1), f.Y(0.1), f.X(0.3), f.Y(1.3),
                                      f.L(0.7), f.L(0.25), k);
             });
         },
         {{1, {0.3, 0.35, 0.25}}}},
        {"circle tangent to two circles",
         [](const Frame& f) {
             return Circles(f, 1, 8, [&](int16_t k) {
                 return TanArc2Arc(f.X(0), f.Y(0), f.L(2), f.X(6), f.Y(0), f.L(2), f.L(3), k);
             });
         },
         {{1, {3, 4, 3}},
          {2, {3, -4, 3}},
          {3, {1, 0, 3}},
          {4, {1, 0, 3}},
          {5, {5, 0, 3}},
          {6, {5, 0, 3}}}},
        {"circle tangent to two circles in short decimals",
         [](const Frame& f) {
             return Circles(f, 1, 8, [&](int16_t k) {
                 return TanArc2Arc(f.X(1.87), f.Y(0), f.L(1.57), f.X(8.73), f.Y(0), f.L(2.95),
                                   f.L(1.17), k);
             });
         },
         {{1, {4.61, 0, 1.17}}, {2, {4.61, 0, 1.17}}}},
        // Lines.
        {"parallels",
         [](const Frame& f) {
             Answers a{LineOut(f, 1, ParallellLine(f.X(0), f.Y(0), f.X(10), f.Y(0), f.L(2))),
                       LineOut(f, 2, ParallellLine(f.X(0), f.Y(10), f.X(0), f.Y(0), f.L(2)))};
             return a;
         },
         {{1, {0, 2, 10, 2}}, {2, {-2, 10, -2, 0}}}},
        {"tangents from a point",
         [](const Frame& f) {
             return Lines(f, 1, 2, [&](int16_t k) {
                 return TanLin2ArcPt(f.X(0), f.Y(0), f.L(3), f.X(5), f.Y(0), k);
             });
         },
         {{1, {5, 0, 1.8, -2.4}}, {2, {5, 0, 1.8, 2.4}}}},
        {"tangents from a point above",
         [](const Frame& f) {
             return Lines(f, 1, 2, [&](int16_t k) {
                 return TanLin2ArcPt(f.X(0), f.Y(0), f.L(5), f.X(0), f.Y(10), k);
             });
         },
         {{1, {0, 10, kRoot75Half, 2.5}}, {2, {0, 10, -kRoot75Half, 2.5}}}},
        {"tangents from a point on the circle",
         [](const Frame& f) {
             return Lines(f, 1, 2, [&](int16_t k) {
                 return TanLin2ArcPt(f.X(0.1), f.Y(0.2), f.L(0.5), f.X(0.4), f.Y(0.6), k);
             });
         },
         {}},
        {"tangents at a direction",
         [](const Frame& f) {
             return Lines(f, 1, 4, [&](int16_t k) {
                 return TanArcAngle(f.X(0), f.Y(0), f.L(5), 90, f.L(10), k);
             });
         },
         {{1, {-5, 0, -5, 10}}, {2, {5, 0, 5, 10}}, {3, {-5, 0, -5, -10}}, {4, {5, 0, 5, -10}}}},
        {"common tangents",
         [](const Frame& f) {
             return Lines(f, 1, 4, [&](int16_t k) {
                 return TanLin2Arc(f.X(10), f.Y(0), f.L(3), f.X(0), f.Y(0), f.L(3), k);
             });
         },
         {{1, {0, 3, 10, 3}},
          {2, {0, -3, 10, -3}},
          {3, {1.8, 2.4, 8.2, -2.4}},
          {4, {1.8, -2.4, 8.2, 2.4}}}},
        {"common tangents of touching circles",
         [](const Frame& f) {
             return Lines(f, 1, 4, [&](int16_t k) {
                 return TanLin2Arc(f.X(0), f.Y(0), f.L(1), f.X(5), f.Y(0), f.L(4), k);
             });
         },
         {{1, {-0.6, 0.8, 2.6, 3.2}}, {2, {-0.6, -0.8, 2.6, -3.2}}}},
        {"common tangents of circles touching inside",
         [](const Frame& f) {
             return Lines(f, 1, 4, [&](int16_t k) {
                 return TanLin2Arc(f.X(0), f.Y(0), f.L(5), f.X(2), f.Y(0), f.L(3), k);
             });
         },
         {}},
    };
}

// The answers agree in number, cases and values within a billionth of the configuration's size.
void ExpectAnswers(const Answers& got, const Answers& want, double size, const std::string& where) {
    ASSERT_EQ(got.size(), want.size()) << where;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].kase, want[i].kase) << where;
        ASSERT_EQ(got[i].v.size(), want[i].v.size()) << where;
        for (std::size_t j = 0; j < got[i].v.size(); ++j)
            EXPECT_NEAR(got[i].v[j], want[i].v[j], 1e-9 * size)
                << where << ", answer " << i + 1 << ", value " << j + 1;
    }
}

TEST(ScaleTest, EveryConstructionGivesTheSameAnswersAtEveryScaleAndPlace) {
    const std::vector<Frame> frames = {
        {1e-6, 0, 0}, {1e-3, 0, 0}, {1, 0, 0}, {1e3, 0, 0}, {1e6, 0, 0}, {1, 1e6, -1e6},
    };
    for (const Row& row : Rows())
        for (const Frame& f : frames) {
            Answers got = row.run(f);
            const std::string where =
                row.name + " at scale " + std::to_string(f.s) + " moved by " + std::to_string(f.ox);
            ExpectAnswers(got, row.expected, f.reach, where);
        }
}

// Configurations that touch exactly in hundredths, as a machinist types them: random centres,
// radii and directions (the axes and 3-4-5 triangles) whose distances are whole hundredths.
class Touching {
  public:
    explicit Touching(unsigned seed) : rng_(seed) {}
    double Coord() { return Pick(-99999, 99999) / 100.0; }
    // A radius in hundredths that is a multiple of 5, so that a step of it along Dir() stays in
    // hundredths.
    double Radius() { return Pick(1, 400) * 5 / 100.0; }
    void NextDir() {
        static const double dirs[][2] = {{1, 0},  {0, 1},  {0.6, 0.8},   {-0.8, 0.6},
                                         {-1, 0}, {0, -1}, {-0.6, -0.8}, {0.8, -0.6}};
        const auto& d = dirs[Pick(0, 7)];
        ux = d[0], uy = d[1];
    }
    // A point `along` from (x, y) in the direction, `across` to its left, rounded to hundredths
    // as typed (the rounding only removes the binary noise of the sum).
    double AtX(double x, double along, double across = 0) const {
        return std::round((x + along * ux - across * uy) * 100) / 100;
    }
    double AtY(double y, double along, double across = 0) const {
        return std::round((y + along * uy + across * ux) * 100) / 100;
    }
    double ux = 1, uy = 0;

  private:
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    std::mt19937 rng_;
};

TEST(ScaleTest, ConfigurationsThatTouchInDecimalsGiveTheirTouchingAnswer) {
    Touching t(20);
    auto expectPoint = [](double x, double y, double ex, double ey, const std::string& what) {
        EXPECT_NEAR(x, ex, 1e-9) << what;
        EXPECT_NEAR(y, ey, 1e-9) << what;
    };
    for (int i = 0; i < 200; ++i) {
        const std::string at = " (configuration " + std::to_string(i) + ")";
        t.NextDir();
        const double x = t.Coord(), y = t.Coord(), r1 = t.Radius(), r2 = t.Radius(), r = t.Radius();

        // Two circles a circle of radius r touches from outside: cases 1 and 2, one centre.
        const double far = r1 + 2 * r + r2;
        for (int16_t k = 1; k <= 8; ++k) {
            Construction c = TanArc2Arc(x, y, r1, t.AtX(x, far), t.AtY(y, far), r2, r, k);
            EXPECT_EQ(c.CalcError, k > 2) << "TanArc2Arc case " << k << at;
            if (!c.CalcError)
                expectPoint(c.Obj.CX, c.Obj.CY, x + (r1 + r) * t.ux, y + (r1 + r) * t.uy,
                            "TanArc2Arc" + at);
        }

        // Circles touching from outside and from inside: one point.
        IntersectionList o = Arc2ArcIntersect(x, y, r1, t.AtX(x, r1 + r2), t.AtY(y, r1 + r2), r2);
        ASSERT_EQ(o.Count, 1) << "outside" << at;
        expectPoint(o.Pt[1].X, o.Pt[1].Y, x + r1 * t.ux, y + r1 * t.uy, "outside" + at);
        const double big = r1 + r2, small = r2;  // big − small = r1 > 0
        IntersectionList n = Arc2ArcIntersect(x, y, big, t.AtX(x, r1), t.AtY(y, r1), small);
        ASSERT_EQ(n.Count, 1) << "inside" << at;
        expectPoint(n.Pt[1].X, n.Pt[1].Y, x + big * t.ux, y + big * t.uy, "inside" + at);

        // A tangent line: one point.
        IntersectionList l = Lin2ArcIntersec(x, y, r1, t.AtX(x, r1, -r2), t.AtY(y, r1, -r2),
                                             t.AtX(x, r1, r), t.AtY(y, r1, r));
        ASSERT_EQ(l.Count, 1) << "tangent line" << at;
        expectPoint(l.Pt[1].X, l.Pt[1].Y, x + r1 * t.ux, y + r1 * t.uy, "tangent line" + at);

        // A point exactly 2r from a line: the circle through it touching the line, both sides.
        const double lx1 = t.AtX(x, 0, -r1), ly1 = t.AtY(y, 0, -r1), lx2 = t.AtX(x, 0, r2),
                     ly2 = t.AtY(y, 0, r2);
        for (int16_t side : {1, 2}) {
            Construction c =
                TanArc2LinPt(t.AtX(x, 2 * r), t.AtY(y, 2 * r), r, lx1, ly1, lx2, ly2, side);
            ASSERT_FALSE(c.CalcError) << "2r from a line" << at;
            expectPoint(c.Obj.CX, c.Obj.CY, x + r * t.ux, y + r * t.uy, "2r from a line" + at);
        }

        // Two points 2r apart: the circle between them, either side.
        for (int16_t side : {0, 1}) {
            Construction c = Arc2pt(x, y, t.AtX(x, 2 * r), t.AtY(y, 2 * r), r, side);
            ASSERT_FALSE(c.CalcError) << "chord of 2r" << at;
            expectPoint(c.Obj.CX, c.Obj.CY, x + r * t.ux, y + r * t.uy, "chord of 2r" + at);
        }

        // A point rc + 2r from a circle's centre: the circle through it touching from outside.
        for (int16_t k = 1; k <= 4; ++k) {
            Construction c =
                TanArc2Arcpt(x, y, r1, t.AtX(x, r1 + 2 * r), t.AtY(y, r1 + 2 * r), r, k);
            ASSERT_EQ(c.CalcError, k == 2 || k == 4) << "TanArc2Arcpt case " << k << at;
            if (!c.CalcError)
                expectPoint(c.Obj.CX, c.Obj.CY, x + (r1 + r) * t.ux, y + (r1 + r) * t.uy,
                            "TanArc2Arcpt" + at);
        }
    }
}

}  // namespace
}  // namespace vt
