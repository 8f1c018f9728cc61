// The indexed UpdatePoints against the pair-by-pair reference: the same table, bit for bit, on
// random drawings full of coincidences, tangencies, parallels, degenerate and far-off objects.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "reference/snap_points_reference.h"
#include "test_util.h"

namespace vt {
namespace {

struct Table {
    int32_t count = 0;
    std::vector<SnapPoint> points;
};

Table Snapshot(const SnapTable& d) {
    Table t;
    t.count = d.PointCount;
    for (int i = 1; i <= d.PointCount; ++i)
        t.points.push_back(d.Pt(i));
    return t;
}

// The first difference, or "" when the tables are identical (doubles compared bit for bit).
std::string Difference(const Table& a, const Table& b) {
    if (a.count != b.count)
        return "count " + std::to_string(a.count) + " vs " + std::to_string(b.count);
    for (std::size_t k = 0; k < a.points.size(); ++k) {
        const SnapPoint &x = a.points[k], &y = b.points[k];
        if (std::memcmp(&x.X, &y.X, sizeof x.X) != 0 || std::memcmp(&x.Y, &y.Y, sizeof x.Y) != 0 ||
            x.Color != y.Color || x.Obj1 != y.Obj1 || x.Obj2 != y.Obj2)
            return "point " + std::to_string(k + 1) + ": " + std::to_string(x.Obj1) + "/" +
                   std::to_string(x.Obj2) + " vs " + std::to_string(y.Obj1) + "/" +
                   std::to_string(y.Obj2);
    }
    return "";
}

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    // Coordinates on a coarse lattice (exact coincidences and tangencies), at random, or far off.
    double Coord(int style) {
        switch (style) {
            case 0:
                return Int(0, 40) * 0.5;
            case 1:
                return Real(-50, 50);
            case 2:
                return Chance(0.05) ? Real(-9e7, 9e7) : Real(-20, 20);
            default:
                return Chance(0.5) ? Int(0, 10) : Real(0, 10) * 1e-7;
        }
    }

    RitObjekt Object(int style) {
        RitObjekt o;
        const double roll = Real(0, 1);
        if (roll < 0.45) {
            o.Typ = kLine;
            o.X1 = Coord(style);
            o.Y1 = Coord(style);
            if (Chance(0.1)) {  // degenerate, axis-parallel or nearly parallel to another
                o.X2 = o.X1, o.Y2 = o.Y1;
            } else if (Chance(0.2)) {
                o.X2 = o.X1 + (Chance(0.5) ? 0 : Real(-1e-7, 1e-7));
                o.Y2 = Coord(style);
            } else {
                o.X2 = Coord(style);
                o.Y2 = Coord(style);
            }
        } else if (roll < 0.9) {
            o.Typ = kCircle;
            o.CX = Coord(style);
            o.CY = Coord(style);
            o.R = style == 0 ? Int(0, 12) * 0.5 : Real(0, 15);
            if (Chance(0.05)) o.R = -o.R;
            if (style == 2 && Chance(0.03)) o.R = 5e7;
            if (Chance(0.3)) {  // a part arc, at times from and to a quadrant
                o.StartAngle = Chance(0.3) ? Int(-4, 4) * 1.5707963267948966 : Real(-7, 7);
                o.EndAngle = Chance(0.3) ? Int(-4, 4) * 1.5707963267948966 : Real(-7, 7);
            }
        } else if (roll < 0.95) {
            o.Typ = 3;  // a drawing point: no part in intersections
            o.X1 = Coord(style);
            o.Y1 = Coord(style);
        } else {
            o.Typ = Chance(0.5) ? kLine : kCircle;  // not finite
            o.X1 = o.CX = Chance(0.5) ? NAN : INFINITY;
            o.Y2 = o.R = 1;
        }
        o.Deleted = Chance(0.05);
        return o;
    }

    int Int(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
    double Real(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
    bool Chance(double c) { return Real(0, 1) < c; }

  private:
    std::mt19937 rng_;
};

TEST(SnapEquivalence, IndexedSearchGivesTheReferenceTable) {
    test::TempDir dir;
    test::FakeUi ui;
    Program p(ui, dir.Path());
    int truncated = 0, withMore = 0;
    for (unsigned seed = 1; seed <= 400; ++seed) {
        Generator g(seed);
        Drawing& d = p.drawing;
        const int style = static_cast<int>(seed % 4);
        const int n = g.Int(0, seed % 10 == 0 ? 600 : 120);
        d.Objects.assign(static_cast<std::size_t>(n) + 1, RitObjekt{});
        d.ObjectCount = static_cast<int16_t>(n);
        for (int i = 1; i <= n; ++i)
            d.Obj(i) = g.Object(style);
        ProgramSettings& s = p.settings;
        for (bool* sw : {&s.LL, &s.LC, &s.CC, &s.EP, &s.CP, &s.MP, &s.QP})
            *sw = g.Chance(0.8);
        s.IntersecMore = g.Chance(0.5) ? 1 : 0;
        s.POD = g.Chance(0.1);
        p.cmd.PickPoints = g.Chance(0.5);
        p.snaps.MaxPoints = g.Chance(0.3) ? g.Int(1, 300) : 2'000'000;
        p.snaps.Points.assign(1, SnapPoint{});

        ReferenceUpdatePoints(p);
        const Table expected = Snapshot(p.snaps);
        p.snaps.Points.assign(1, SnapPoint{});
        UpdatePoints(p);
        const Table actual = Snapshot(p.snaps);
        ASSERT_EQ(Difference(expected, actual), "")
            << "seed " << seed << ", " << n << " objects, style " << style << ", more "
            << static_cast<int>(s.IntersecMore);
        truncated += expected.count == p.snaps.MaxPoints;
        withMore += s.IntersecMore == 1 && expected.count > 0;
    }
    // The random cases reach the situations they are meant to reach.
    EXPECT_GT(truncated, 20);
    EXPECT_GT(withMore, 100);
}

}  // namespace
}  // namespace vt
