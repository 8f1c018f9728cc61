// The programs of the LinuxCNC and the ISO mill run through rs274: every example, random chained
// arcs at arbitrary coordinates, full circles, an arc below the resolution, manual lines between
// moves, incremental sections and NC points as drilling cycles. Any refusal fails, and the
// interpreted moves must be the drawn ones.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "contour/contour_moves.h"
#include "contour/contour_path.h"
#include "contour/offset.h"
#include "core/contour/contour_fixtures.h"
#include "engine_test_util.h"
#include "files/native_file.h"
#include "interpreter.h"
#include "test_util.h"

namespace vt::engine {
namespace {

using test::ComparePath;
using test::PathCheck;
using test::RunRs274;

using et::Add;

struct Mill {
    const char* file;
    double unit;
};
const Mill kMills[] = {{"linuxcnc_mill", 0.0001}, {"iso_fanuc_mill", 0.001}};

std::string NcProgram(const ToolPath& t, const Mill& mill, const JobValues& job = {}) {
    return et::Text(t, et::MachineFile(mill.file), {true, true, job}, true);
}

PathCheck Check(const Mill& mill, double safeZ = 5, double depth = 1) {
    PathCheck c;
    c.unit = mill.unit;
    c.safeZ = safeZ;
    c.depth = depth;
    return c;
}

#define EXPECT_RUNS_AS_DRAWN(path, mill, program, check)                                    \
    do {                                                                                    \
        const std::string nc_ = (program);                                                  \
        EXPECT_EQ(ComparePath(path, RunRs274(nc_), check), "") << mill.file << "\n" << nc_; \
    } while (0)

class Interpreter : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(test::HaveRs274())
            << "rs274 is missing: scripts/setup installs linuxcnc-uspace";
    }
};

// Compensated contours (the tool-centre path computed here) as tool path moves: a plate with R10
// corners cut outside and an L-shaped pocket with a sharp inside corner cut inside, both ways
// round, run as drawn.
TEST_F(Interpreter, ComputedContoursRunAsDrawn) {
    using namespace contour_fixtures;
    struct Case {
        Chain chain;
        OffsetSide side;  // of the counter-clockwise chain
    };
    for (const Case& c : {Case{Plate(), OffsetSide::Right}, Case{LShape(), OffsetSide::Left}}) {
        for (bool backwards : {false, true}) {
            Chain chain = c.chain;
            OffsetSide side = c.side;
            if (backwards) {
                chain = Backwards(chain);
                side = side == OffsetSide::Left ? OffsetSide::Right : OffsetSide::Left;
            }
            const OffsetResult offset = OffsetChain(chain, 3, side);
            ASSERT_FALSE(offset.path.empty());
            ToolPath path;
            for (const ToolPathOp& m : ContourMoves(offset.path, 1e-9)) {
                path.Ops.push_back(m);
                ++path.Count;
            }
            for (const Mill& mill : kMills)
                EXPECT_RUNS_AS_DRAWN(path, mill, NcProgram(path, mill), Check(mill));
        }
    }
}

// Contours with the compensation left to the control (G41/G42 with the tool table's D6): the
// interpreter's own compensated path, sampled, never comes closer to the part than the tool
// radius and reaches every part of it but the inside of sharp corners.
TEST_F(Interpreter, ControlCompensatedContoursCutThePart) {
    using namespace contour_fixtures;
    const double r = 3;
    struct Case {
        const char* name;
        Chain part;
        ContourSide side;
    };
    const Case cases[] = {{"plate", Plate(), ContourSide::Outside},
                          {"pocket", LShape(), ContourSide::Inside},
                          {"hole", Hole(), ContourSide::Inside}};
    for (const Case& c : cases)
        for (bool climb : {true, false})
            for (LeadKind lead : {LeadKind::Line, LeadKind::Arc}) {
                ContourOptions o;
                o.side = c.side;
                o.climb = climb;
                o.compensation = Compensation::Control;
                o.lead = lead;
                o.overlap = 2;
                const ContourPlan plan = PlanContour(c.part, o);
                ASSERT_FALSE(plan.refused) << c.name;
                ToolPath path;
                for (const ToolPathOp& m : plan.moves) {
                    path.Ops.push_back(m);
                    ++path.Count;
                }
                for (const Mill& mill : kMills) {
                    const std::string nc = NcProgram(path, mill);
                    const std::string what = std::string(c.name) + (climb ? " climb " : " conv ") +
                                             mill.file + "\n" + nc;
                    EXPECT_NE(nc.find(climb ? "41" : "42"), std::string::npos) << what;
                    const test::Interpretation run = RunRs274(nc);
                    ASSERT_TRUE(run.ok) << run.error << what;
                    EXPECT_EQ(CheckCut({c.part}, Samples(test::CuttingMoves(run, 1)), r), "")
                        << what;
                }
            }
}

TEST_F(Interpreter, EveryExample) {
    for (const char* name : {"flange", "plate", "shaft"}) {
        const ToolPath path = et::ExamplePath(name);
        for (const Mill& mill : kMills)
            EXPECT_RUNS_AS_DRAWN(path, mill, NcProgram(path, mill), Check(mill));
    }
}

// Arcs chained end to end at arbitrary coordinates, radii from 0.05 to 500, either direction,
// sweeps from a sliver to nearly a full turn, some in incremental mode, with lines between.
TEST_F(Interpreter, RandomChainedArcs) {
    std::mt19937_64 rng(20261210);
    std::uniform_real_distribution<double> u01(0, 1);
    for (const Mill& mill : kMills) {
        for (int run = 0; run < 3; ++run) {
            ToolPath t;
            double x = -200 + 400 * u01(rng), y = -200 + 400 * u01(rng);
            Add(t, kG0, x, y);
            for (int k = 0; k < 100; ++k) {
                const bool inc = u01(rng) < 0.25;
                if (u01(rng) < 0.15) {
                    x += 30 * (u01(rng) - 0.5);
                    y += 30 * (u01(rng) - 0.5);
                    Add(t, static_cast<int16_t>(kG1 + (inc ? 6 : 0)), x, y);
                    continue;
                }
                const double r = 0.05 * std::pow(10000.0, u01(rng));
                const double a = 2 * M_PI * u01(rng);
                const double cx = x - r * std::cos(a), cy = y - r * std::sin(a);
                const bool ccw = u01(rng) < 0.5;
                const double sweep =
                    u01(rng) < 0.2 ? 0.001 + 0.05 * u01(rng) : 0.01 + (2 * M_PI - 0.02) * u01(rng);
                const double b = a + (ccw ? sweep : -sweep);
                x = cx + r * std::cos(b);
                y = cy + r * std::sin(b);
                Add(t, static_cast<int16_t>((ccw ? kG3 : kG2) + (inc ? 6 : 0)), x, y, cx, cy, r);
            }
            EXPECT_RUNS_AS_DRAWN(t, mill, NcProgram(t, mill), Check(mill));
        }
    }
}

// Full turns, an arc far below the resolution (0.0017° on R10) and one just at it, absolute and
// incremental.
TEST_F(Interpreter, FullCirclesAndTinyArcs) {
    for (const Mill& mill : kMills) {
        ToolPath t;
        Add(t, kG0, 10.12345, -3.98765);
        Add(t, kG2, 10.12345, -3.98765, 0.12345, -3.98765, 10);
        Add(t, kG3 + 6, 10.12345, -3.98765, 13.5, -1.25, std::hypot(3.37655, 2.73765));
        const double a = 0.0017 * M_PI / 180;
        Add(t, kG3, 0.12345 + 10 * std::cos(a), -3.98765 + 10 * std::sin(a), 0.12345, -3.98765, 10);
        const double b = 2 * mill.unit / 10;
        Add(t, kG3, 0.12345 + 10 * std::cos(a + b), -3.98765 + 10 * std::sin(a + b), 0.12345,
            -3.98765, 10);
        Add(t, kG1, 20, 20);
        EXPECT_RUNS_AS_DRAWN(t, mill, NcProgram(t, mill), Check(mill));
    }
}

// Manual lines between moves of the same kind: the next move carries its code and both words.
// The user moves Z in the manual lines here, so the program leaves Z alone.
TEST_F(Interpreter, ManualLinesBetweenMoves) {
    for (const Mill& mill : kMills) {
        ToolPath t;
        Add(t, kG0, 10, 0);
        Add(t, kManualLine, 10, 0, 0, 0, 0, "G1 Z-2 F100");
        Add(t, kG3, 0, 10, 0, 0, 10);
        Add(t, kManualLine, 0, 10, 0, 0, 0, "G1 Z-3");
        Add(t, kG3, -10, 0, 0, 0, 10);
        Add(t, kManualLine, -10, 0, 0, 0, 0, "G0 Z1");
        Add(t, kG1, -10, 10);
        Add(t, kManualLine, -10, 10, 0, 0, 0, "G91");
        Add(t, kG1, 0, 10);
        PathCheck c = Check(mill);
        c.heights = false;
        EXPECT_RUNS_AS_DRAWN(t, mill, NcProgram(t, mill, {{"ZMoves", "Off"}}), c);
    }
}

// NC points as drilling cycles, plain and pecking, absolute and incremental, between cuts.
TEST_F(Interpreter, NcPointsAsCycles) {
    for (const Mill& mill : kMills) {
        for (const char* peck : {"0", "1.5"}) {
            ToolPath t;
            Add(t, kNcPoint, 5, 5);
            Add(t, kNcPoint, 15.25, 5);
            Add(t, kNcPoint + 6, 25.5, 7.125);
            Add(t, kG0, 0, 0);
            Add(t, kG1, 30, 0);
            Add(t, kNcPoint, 40, 40);
            Add(t, kG0 + 6, 50, 40);
            Add(t, kG1 + 6, 50, 30);
            const JobValues job = {{"Depth", "6.5"}, {"SafeZ", "3"}, {"Peck", peck}};
            EXPECT_RUNS_AS_DRAWN(t, mill, NcProgram(t, mill, job), Check(mill, 3, 6.5));
        }
    }
}

}  // namespace
}  // namespace vt::engine
