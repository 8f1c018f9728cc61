// The tool-centre path checked apart from the code that made it: sampled densely, every sample
// lies at the tool radius from the part's contour and never closer.
#include "contour/offset.h"

#include <gtest/gtest.h>

#include <cmath>

#include "contour/contour_moves.h"
#include "geometry/arc_span.h"

namespace vt {
namespace {

constexpr double kTwoPiExact = 6.283185307179586;

ChainElement L(double x1, double y1, double x2, double y2) {
    ChainElement e;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

ChainElement A(double cx, double cy, double r, double a1Deg, double a2Deg, bool ccw) {
    ChainElement e;
    e.arc = true;
    e.cx = cx;
    e.cy = cy;
    e.r = r;
    e.ccw = ccw;
    const double a1 = a1Deg * kTwoPiExact / 360, a2 = a2Deg * kTwoPiExact / 360;
    e.x1 = cx + r * std::cos(a1);
    e.y1 = cy + r * std::sin(a1);
    e.x2 = cx + r * std::cos(a2);
    e.y2 = cy + r * std::sin(a2);
    return e;
}

double AngleOf(const ChainElement& e, double x, double y) {
    return std::atan2(y - e.cy, x - e.cx);
}

// The counter-clockwise span of an arc element as (start, sweep).
std::pair<double, double> Span(const ChainElement& e) {
    double a1 = AngleOf(e, e.x1, e.y1), a2 = AngleOf(e, e.x2, e.y2);
    if (!e.ccw) std::swap(a1, a2);
    double sweep = std::fmod(a2 - a1 + 2 * kTwoPiExact, kTwoPiExact);
    if (sweep <= 1e-12) sweep = kTwoPiExact;
    return {a1, sweep};
}

std::vector<std::pair<double, double>> Samples(const std::vector<ChainElement>& path) {
    std::vector<std::pair<double, double>> out;
    for (const ChainElement& e : path) {
        for (int k = 0; k <= 200; ++k) {
            const double t = k / 200.0;
            if (!e.arc) {
                out.push_back({e.x1 + t * (e.x2 - e.x1), e.y1 + t * (e.y2 - e.y1)});
                continue;
            }
            auto [a1, sweep] = Span(e);
            const double a = e.ccw ? a1 + t * sweep : a1 + sweep - t * sweep;
            out.push_back({e.cx + e.r * std::cos(a), e.cy + e.r * std::sin(a)});
        }
    }
    return out;
}

double Distance(const ChainElement& e, double x, double y) {
    if (!e.arc) {
        const double dx = e.x2 - e.x1, dy = e.y2 - e.y1, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0 ? std::clamp(((x - e.x1) * dx + (y - e.y1) * dy) / l2, 0.0, 1.0) : 0;
        return std::hypot(x - (e.x1 + t * dx), y - (e.y1 + t * dy));
    }
    auto [a1, sweep] = Span(e);
    const double a = std::fmod(AngleOf(e, x, y) - a1 + 2 * kTwoPiExact, kTwoPiExact);
    if (a <= sweep + 1e-12) return std::fabs(std::hypot(x - e.cx, y - e.cy) - e.r);
    return std::min(std::hypot(x - e.x1, y - e.y1), std::hypot(x - e.x2, y - e.y2));
}

Chain Closed(std::vector<ChainElement> e) {
    Chain c;
    c.elements = std::move(e);
    c.closed = true;
    return c;
}

Chain Backwards(Chain c) {
    std::vector<ChainElement> r;
    for (auto it = c.elements.rbegin(); it != c.elements.rend(); ++it)
        r.push_back(Reversed(*it));
    c.elements = r;
    return c;
}

// A 100 × 60 plate with R10 corners, counter-clockwise.
Chain Plate() {
    return Closed({L(10, 0, 90, 0), A(90, 10, 10, 270, 360, true), L(100, 10, 100, 50),
                   A(90, 50, 10, 0, 90, true), L(90, 60, 10, 60), A(10, 50, 10, 90, 180, true),
                   L(0, 50, 0, 10), A(10, 10, 10, 180, 270, true)});
}

// A slot 40 long, 12 wide: two lines and two half circles.
Chain Slot() {
    return Closed(
        {L(0, -6, 40, -6), A(40, 0, 6, 270, 450, true), L(40, 6, 0, 6), A(0, 0, 6, 90, 270, true)});
}

// An L-shaped plate: one inside corner, sharper than any tool.
Chain LShape() {
    return Closed({L(0, 0, 60, 0), L(60, 0, 60, 20), L(60, 20, 20, 20), L(20, 20, 20, 50),
                   L(20, 50, 0, 50), L(0, 50, 0, 0)});
}

// A hole: a full circle.
Chain Hole() {
    ChainElement e = A(0, 0, 8, 0, 0, true);
    return Closed({e});
}

// The path as the moves give it: each from where the one before ended, G3 counter-clockwise.
std::vector<ChainElement> FromMoves(const std::vector<ToolPathOp>& moves) {
    std::vector<ChainElement> out;
    for (std::size_t i = 1; i < moves.size(); ++i) {
        ChainElement e = L(moves[i - 1].X, moves[i - 1].Y, moves[i].X, moves[i].Y);
        if (moves[i].Typ == kG2 || moves[i].Typ == kG3) {
            e.arc = true;
            e.cx = moves[i].CX;
            e.cy = moves[i].CY;
            e.r = moves[i].R;
            e.ccw = moves[i].Typ == kG3;
        }
        out.push_back(e);
    }
    return out;
}

TEST(Offset, EverySampleAtTheToolRadiusAndNeverCloser) {
    const double tool = 3;
    struct Case {
        const char* name;
        Chain part;
    };
    const Case parts[] = {{"plate", Plate()}, {"slot", Slot()}, {"L", LShape()}, {"hole", Hole()}};
    for (const Case& c : parts) {
        for (bool reversed : {false, true}) {
            const Chain chain = reversed ? Backwards(c.part) : c.part;
            for (OffsetSide side : {OffsetSide::Left, OffsetSide::Right}) {
                const std::string what = std::string(c.name) + (reversed ? " cw " : " ccw ") +
                                         (side == OffsetSide::Left ? "left" : "right");
                const OffsetResult r = OffsetChain(chain, tool, side);
                ASSERT_FALSE(r.path.empty()) << what;
                for (std::size_t i = 1; i < r.path.size(); ++i) {
                    EXPECT_NEAR(r.path[i].x1, r.path[i - 1].x2, 1e-9) << what << " " << i;
                    EXPECT_NEAR(r.path[i].y1, r.path[i - 1].y2, 1e-9) << what << " " << i;
                }
                EXPECT_NEAR(r.path.front().x1, r.path.back().x2, 1e-9) << what;
                // The moves made of it start with a rapid to its start and follow it exactly.
                const std::vector<ToolPathOp> moves = ContourMoves(r.path);
                ASSERT_EQ(moves.front().Typ, kG0);
                EXPECT_EQ(moves.front().X, r.path.front().x1);
                for (const auto& [x, y] : Samples(FromMoves(moves))) {
                    double nearest = HUGE_VAL;
                    for (const ChainElement& e : chain.elements)
                        nearest = std::min(nearest, Distance(e, x, y));
                    ASSERT_NEAR(nearest, tool, 0.001) << what << " at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(Offset, AnArcSmallerThanTheToolOnTheInsideIsRefused) {
    // The plate's R10 corners with a 12 mm radius tool inside: the corner arcs cannot be cut.
    const OffsetResult inside = OffsetChain(Plate(), 12, OffsetSide::Left);
    EXPECT_TRUE(inside.path.empty());
    EXPECT_EQ(inside.refusedElement, 1);
    // Outside they can.
    EXPECT_FALSE(OffsetChain(Plate(), 12, OffsetSide::Right).path.empty());
    // A hole smaller than the tool.
    EXPECT_TRUE(OffsetChain(Hole(), 8, OffsetSide::Left).path.empty());
    // A slot narrower than the tool: the straight sides would be cut back past each other.
    EXPECT_TRUE(OffsetChain(Slot(), 7, OffsetSide::Left).path.empty());
}

}  // namespace
}  // namespace vt
