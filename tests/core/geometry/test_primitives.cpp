// IsEqual, ArcCos, PointInBox, LineLen and the clipper.
#include "geometry/primitives.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt {
namespace {

TEST(Primitives, IsEqualIsStrictAndAbsolute) {
    EXPECT_TRUE(IsEqual(1.0, 1.000009));
    EXPECT_FALSE(IsEqual(0.0, 0.00001));
    EXPECT_FALSE(IsEqual(1e9, 1e9 + 1));
    EXPECT_TRUE(IsEqual(-3, -3));
}

TEST(Primitives, ArcCosAndArcSin) {
    bool failed = true;
    EXPECT_NEAR(ArcCos(0.5, failed), std::acos(0.5), 1e-14);
    EXPECT_FALSE(failed);
    EXPECT_NEAR(ArcCos(-1, failed), kPi, 1e-14);
    EXPECT_FALSE(failed);
    EXPECT_EQ(ArcCos(1.0000001, failed), 0);
    EXPECT_TRUE(failed);
    EXPECT_NEAR(ArcSin(0.5), std::asin(0.5), 1e-14);
}

TEST(Primitives, PointInBoxTakesCornersInAnyOrder) {
    EXPECT_TRUE(PointInBox(5, 5, 10, 10, 0, 0, 0));
    EXPECT_TRUE(PointInBox(10, 0, 0, 10, 10, 0, 0));  // edges inclusive
    EXPECT_FALSE(PointInBox(10.1, 5, 0, 0, 10, 10, 0));
    EXPECT_TRUE(PointInBox(10.1, 5, 0, 0, 10, 10, 0.2));
    RitObjekt c = OffsetCircle(1, 2, 5, -1.5);
    EXPECT_EQ(c.CX, 1);
    EXPECT_EQ(c.R, 3.5);
    EXPECT_EQ(c.Typ, 0);
}

TEST(Primitives, LineLenAngles) {
    struct Case {
        double x1, y1, x2, y2, deg, len, midX, midY;
    };
    const Case cases[] = {
        {0, 0, 0, 10, 270, 10, 0, 5},
        {0, 0, 10, 0, 0, 10, 5, 0},
        {0, 0, -1, -1, 135, std::sqrt(2.0), -0.5, -0.5},
        {0, 10, 0, 0, 90, 10, 0, 5},
        {10, 0, 0, 0, 180, 10, 5, 0},
        {0, 0, 1, -1, 45, std::sqrt(2.0), 0.5, -0.5},
        {0, 0, -1, 1, 225, std::sqrt(2.0), -0.5, 0.5},
        {0, 0, 1, 1, 315, std::sqrt(2.0), 0.5, 0.5},
        {3, 4, 3, 4, 0, 0, 3, 4},
    };
    for (const auto& c : cases) {
        LineMeasure m = LineLen(c.x1, c.y1, c.x2, c.y2);
        EXPECT_NEAR(m.AngleDeg, c.deg, 1e-12) << c.x2 << "," << c.y2;
        EXPECT_NEAR(m.Length, c.len, 1e-12);
        EXPECT_NEAR(m.AngleRad, -c.deg * kPi / 180, 1e-12);
        EXPECT_EQ(m.MidX, c.midX);
        EXPECT_EQ(m.MidY, c.midY);
    }
    EXPECT_NEAR(LineLen(0, 0, 0, 10).AngleRad, -3 * kPi / 2, 1e-12);
    EXPECT_NEAR(DirectionDeg(0, 0, 0, 10), 90, 1e-12);  // counter-clockwise for the info texts
    EXPECT_NEAR(DirectionDeg(0, 0, 3, 4), std::atan2(4, 3) * 180 / kPi, 1e-9);
}

TEST(Primitives, ClipLine) {
    const ClipRect r{0, 0, 100, 50};
    double x1 = 10, y1 = 10, x2 = 20, y2 = 30;
    EXPECT_EQ(ClipLine(r, x1, y1, x2, y2), 0);
    EXPECT_EQ(x1, 10);
    EXPECT_EQ(y2, 30);
    x1 = -50, y1 = 10, x2 = -10, y2 = 40;
    EXPECT_EQ(ClipLine(r, x1, y1, x2, y2), 1);
    x1 = -50, y1 = 25, x2 = 150, y2 = 25;
    EXPECT_EQ(ClipLine(r, x1, y1, x2, y2), 0);
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 100);
    x1 = 50, y1 = -100, x2 = 50, y2 = 100;
    EXPECT_EQ(ClipLine(r, x1, y1, x2, y2), 0);
    EXPECT_EQ(y1, 0);
    EXPECT_EQ(y2, 50);
    // A diagonal missing the corner is rejected after clipping.
    x1 = 90, y1 = -20, x2 = 130, y2 = 20;
    EXPECT_EQ(ClipLine(r, x1, y1, x2, y2), 1);
    EXPECT_EQ(ClipCode(r, 150, -10), 4 | 2);
    EXPECT_EQ(ClipCode(r, -1, 60), 8 | 1);
    EXPECT_EQ(ClipCode(r, 100, 50), 0);
}

}  // namespace
}  // namespace vt
