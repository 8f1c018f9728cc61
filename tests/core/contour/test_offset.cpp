// The tool-centre path checked apart from the code that made it: sampled densely, every sample
// lies at the tool radius from the part's contour and never closer.
#include "contour/offset.h"

#include <gtest/gtest.h>

#include <cmath>

#include "contour/contour_moves.h"
#include "contour_fixtures.h"

namespace vt {
namespace {

using namespace contour_fixtures;

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
