// Whole contours: turned for climb or conventional milling, with leads and overlap, never closer
// to the part than the tool radius; compensation left to the control; refusals named.
#include "contour/contour_path.h"

#include <gtest/gtest.h>

#include <string>

#include "contour_fixtures.h"

namespace vt {
namespace {

using namespace contour_fixtures;

double NearestToPart(const Chain& part, double x, double y) {
    double d = HUGE_VAL;
    for (const ChainElement& e : part.elements)
        d = std::min(d, Distance(e, x, y));
    return d;
}

// Twice the signed area of the polygon through the samples: positive counter-clockwise.
double Orientation(const std::vector<std::pair<double, double>>& s) {
    double a = 0;
    for (std::size_t i = 0, j = s.size() - 1; i < s.size(); j = i++)
        a += s[j].first * s[i].second - s[i].first * s[j].second;
    return a;
}

TEST(ContourPath, ComputedContoursKeepTheToolRadiusCoverThePartAndRunTheMillingWay) {
    const double d = 6, r = 3;
    struct Case {
        const char* name;
        Chain part;
        ContourSide side;
    };
    const Case cases[] = {
        {"plate outside", Plate(), ContourSide::Outside},
        {"plate cw outside", Backwards(Plate()), ContourSide::Outside},
        {"plate inside", Plate(), ContourSide::Inside},
        {"slot inside", Slot(), ContourSide::Inside},
        {"L outside", LShape(), ContourSide::Outside},
        {"L inside", LShape(), ContourSide::Inside},
        {"hole inside", Hole(), ContourSide::Inside},
    };
    for (const Case& c : cases)
        for (bool climb : {true, false})
            for (LeadKind lead : {LeadKind::None, LeadKind::Line, LeadKind::Arc}) {
                const std::string what = std::string(c.name) + (climb ? " climb" : " conv") +
                                         " lead " + std::to_string(static_cast<int>(lead));
                ContourOptions o;
                o.side = c.side;
                o.climb = climb;
                o.toolDiameter = d;
                o.lead = lead;
                o.leadSize = 4;
                o.overlap = 2;
                const ContourPlan plan = PlanContour(c.part, o);
                ASSERT_FALSE(plan.refused) << what;
                ASSERT_EQ(plan.moves.front().Typ, kG0) << what;
                const auto samples = Samples(FromMoves(plan.moves));
                // Never closer than the tool radius, every point of the part reached, on the
                // side asked for.
                ASSERT_EQ(CheckCut({c.part}, samples, r), "") << what;
                for (const auto& [x, y] : samples)
                    ASSERT_EQ(InsideOf(c.part, x, y), c.side == ContourSide::Inside) << what;
                // Climb milling with a clockwise spindle keeps the tool left of travel: round
                // the outside clockwise, round a hole counter-clockwise.
                const bool ccw = Orientation(samples) > 0;
                EXPECT_EQ(ccw, (c.side == ContourSide::Inside) == climb) << what;
                // The lead starts off the contour and the path ends off it as it started.
                if (lead != LeadKind::None) {
                    EXPECT_GT(NearestToPart(c.part, plan.moves[0].X, plan.moves[0].Y), r + 0.5)
                        << what;
                    EXPECT_GT(NearestToPart(c.part, plan.moves.back().X, plan.moves.back().Y),
                              r + 0.5)
                        << what;
                }
            }
}

TEST(ContourPath, ACounterClockwiseSpindleTurnsClimbRound) {
    ContourOptions o;
    o.side = ContourSide::Outside;
    o.lead = LeadKind::None;
    const double climbCw = Orientation(Samples(FromMoves(PlanContour(Plate(), o).moves)));
    o.spindleCcw = true;
    const double climbCcw = Orientation(Samples(FromMoves(PlanContour(Plate(), o).moves)));
    EXPECT_LT(climbCw, 0);
    EXPECT_GT(climbCcw, 0);
}

TEST(ContourPath, OnTheControlTheProgramIsThePartWithLeadsThatSwitchCompensation) {
    for (bool climb : {true, false})
        for (LeadKind lead : {LeadKind::None, LeadKind::Line, LeadKind::Arc})
            for (const Chain& part : {Plate(), Hole()}) {
                ContourOptions o;
                o.side = part.elements.size() == 1 ? ContourSide::Inside : ContourSide::Outside;
                o.climb = climb;
                o.compensation = Compensation::Control;
                o.lead = lead;
                o.leadSize = 1;  // below the tool diameter: raised to it
                const ContourPlan plan = PlanContour(part, o);
                ASSERT_FALSE(plan.refused);
                const auto& m = plan.moves;
                ASSERT_GE(m.size(), 4u);
                // The switch on is a straight move as long as the tool diameter, from a start
                // the tool's radius clear of the part; the switch off is the last move.
                EXPECT_EQ(m[1].Typ, kG1);
                EXPECT_EQ(m[1].Comp, climb ? kCompLeft : kCompRight);
                EXPECT_GE(std::hypot(m[1].X - m[0].X, m[1].Y - m[0].Y), o.toolDiameter - 1e-9);
                EXPECT_GE(NearestToPart(part, m[0].X, m[0].Y), o.toolDiameter / 2);
                EXPECT_EQ(m.back().Typ, kG1);
                EXPECT_EQ(m.back().Comp, kCompOff);
                for (std::size_t i = 2; i + 1 < m.size(); ++i)
                    EXPECT_EQ(m[i].Comp, kCompNone);
                // No full circle: a control compensates none.
                for (std::size_t i = 1; i < m.size(); ++i)
                    EXPECT_FALSE(m[i].Typ >= kG2 && m[i].X == m[i - 1].X && m[i].Y == m[i - 1].Y);
                // Between the leads the program is the part's own contour.
                const std::vector<ChainElement> moved = FromMoves(m);
                const std::size_t leadMoves = lead == LeadKind::Arc ? 2 : 1;
                for (std::size_t i = leadMoves; i + leadMoves < moved.size(); ++i)
                    for (const auto& [x, y] : Samples({moved[i]}))
                        ASSERT_LT(NearestToPart(part, x, y), 1e-9);
            }
}

TEST(ContourPath, WhatCannotBeCutIsRefusedNamingTheElement) {
    Chain plate = Plate();
    for (std::size_t i = 0; i < plate.elements.size(); ++i)
        plate.elements[i].object = static_cast<int16_t>(i + 1);
    ContourOptions o;
    o.side = ContourSide::Inside;
    o.toolDiameter = 24;  // the R10 corners are smaller than the tool
    const ContourPlan plan = PlanContour(plate, o);
    EXPECT_TRUE(plan.refused);
    EXPECT_TRUE(plan.moves.empty());
    EXPECT_EQ(plan.refusedObject % 2, 0);  // one of the corner arcs (objects 2, 4, 6, 8)
    EXPECT_GT(plan.refusedObject, 0);
    // A hole too small for the control's lead-in, which must be a tool diameter long.
    o.compensation = Compensation::Control;
    o.toolDiameter = 12;
    const ContourPlan hole = PlanContour(Hole(), o);
    EXPECT_TRUE(hole.refused);
    EXPECT_TRUE(hole.noRoomForLeads);
    // The same hole computed here: a lead that fits, or none.
    o.compensation = Compensation::Computed;
    EXPECT_FALSE(PlanContour(Hole(), o).refused);
}

TEST(ContourPath, AnOpenChainOnTheLineRunsAsGivenWithoutLeads) {
    Chain open;
    open.elements = {L(0, 0, 50, 0), A(50, 10, 10, 270, 360, true), L(60, 10, 60, 40)};
    ContourOptions o;
    o.side = ContourSide::On;
    const ContourPlan plan = PlanContour(open, o);
    ASSERT_EQ(plan.moves.size(), 4u);
    EXPECT_EQ(plan.moves[0].X, 0);
    EXPECT_EQ(plan.moves[2].Typ, kG3);
    EXPECT_EQ(plan.moves[3].Y, 40);
    // Tool on the left with conventional milling: turned round, so the tool stays on the same
    // side of the part.
    o.side = ContourSide::Left;
    o.climb = false;
    o.lead = LeadKind::None;
    const ContourPlan turned = PlanContour(open, o);
    ASSERT_FALSE(turned.refused);
    EXPECT_NEAR(turned.moves[0].X, 60 - 3, 1e-9);  // right of travel downwards is -x
    EXPECT_NEAR(turned.moves[0].Y, 40, 1e-9);
}

}  // namespace
}  // namespace vt
