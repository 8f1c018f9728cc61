// The Heidenhain and lathe programs read by the strict dialect readers: every example and a
// random path, compared with the drawn path; and the readers themselves refuse what breaks a rule.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "dialect_checkers.h"
#include "engine_test_util.h"
#include "files/native_file.h"
#include "test_util.h"

namespace vt::engine {
namespace {

using test::ComparePath;
using test::Interpretation;
using test::PathCheck;

using et::Add;

struct Dialect {
    const char* file;
    Interpretation (*read)(const std::string&);
    bool heights;
    double unitY;
    const char* manualLine;  // a line of the user's own in this dialect
};
const Dialect kDialects[] = {{"heidenhain", test::ReadHeidenhain, true, 0.001, "L M8"},
                             {"iso_lathe_diameter", test::ReadLathe, false, 0.0005, "M8"}};

std::string NcProgram(const ToolPath& t, const Dialect& d, bool numbers,
                      const JobValues& job = {}) {
    return et::Text(t, et::MachineFile(d.file), {numbers, true, job});
}

PathCheck Check(const Dialect& d) {
    PathCheck c;
    c.unit = 0.001;
    c.unitY = d.unitY;
    c.heights = d.heights;
    return c;
}

TEST(Dialects, EveryExampleReadsAsDrawn) {
    for (const char* name : {"flange", "plate", "shaft"}) {
        const ToolPath path = et::ExamplePath(name);
        for (const Dialect& d : kDialects)
            for (bool numbers : {true, false}) {
                const std::string nc = NcProgram(path, d, numbers);
                EXPECT_EQ(ComparePath(path, d.read(nc), Check(d)), "")
                    << name << " " << d.file << "\n"
                    << nc;
            }
    }
}

// Chained arcs and lines at arbitrary coordinates, absolute and incremental, NC points, manual
// lines.
TEST(Dialects, RandomPathReadsAsDrawn) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> u01(0, 1);
    for (const Dialect& d : kDialects) {
        ToolPath t;
        double x = 10 + 100 * u01(rng), y = 10 + 50 * u01(rng);
        Add(t, kG0, x, y);
        for (int k = 0; k < 150; ++k) {
            const bool inc = u01(rng) < 0.3;
            const double pick = u01(rng);
            if (pick < 0.1) {
                Add(t, kManualLine, x, y, 0, 0, 0, d.manualLine);
            } else if (pick < 0.2) {
                x += 20 * (u01(rng) - 0.5);
                y += 20 * (u01(rng) - 0.5);
                Add(t, static_cast<int16_t>((u01(rng) < 0.5 ? kG0 : kNcPoint) + (inc ? 6 : 0)), x,
                    y);
            } else if (pick < 0.35) {
                x += 20 * (u01(rng) - 0.5);
                y += 20 * (u01(rng) - 0.5);
                Add(t, static_cast<int16_t>(kG1 + (inc ? 6 : 0)), x, y);
            } else {
                const double r = 0.2 * std::pow(500.0, u01(rng));
                const double a = 2 * M_PI * u01(rng);
                const double cx = x - r * std::cos(a), cy = y - r * std::sin(a);
                const bool ccw = u01(rng) < 0.5;
                const double sweep = u01(rng) < 0.05 ? 2 * M_PI : 0.05 + 6 * u01(rng);
                const double b = a + (ccw ? sweep : -sweep);
                if (sweep < 2 * M_PI) {
                    x = cx + r * std::cos(b);
                    y = cy + r * std::sin(b);
                }
                Add(t, static_cast<int16_t>((ccw ? kG3 : kG2) + (inc ? 6 : 0)), x, y, cx, cy, r);
            }
        }
        const std::string nc = NcProgram(t, d, true, {{"Depth", "2.5"}, {"Coolant", "Flood"}});
        PathCheck c = Check(d);
        c.depth = 2.5;
        EXPECT_EQ(ComparePath(t, d.read(nc), c), "") << d.file << "\n" << nc;
    }
}

// Each reader refuses a program that breaks one of its rules.
TEST(Dialects, ReadersRefuseBrokenPrograms) {
    const std::string heidenhain =
        "0 BEGIN PGM P MM\n1 TOOL CALL 1 Z S1000\n2 L Z+5.000 R0 FMAX M3\n"
        "3 L X+1.000 Y+0.000 R0 F100\n4 CC X+0.000 Y+0.000\n5 C X-1.000 Y+0.000 DR+ R0\n"
        "6 END PGM P MM\n";
    EXPECT_TRUE(test::ReadHeidenhain(heidenhain).ok) << test::ReadHeidenhain(heidenhain).error;
    const std::pair<std::string, std::string> broken[] = {
        {"3 L X+1.000", "3 L X1.000"},                              // unsigned coordinate
        {"5 C X-1.000 Y+0.000 DR+", "5 C X-1.000 Y+0.000"},         // no direction
        {"4 CC X+0.000 Y+0.000", "4 L X+0.000 Y+0.000 R0"},         // C before CC
        {"6 END PGM P MM", "7 END PGM P MM"},                       // block number gap
        {"6 END PGM P MM", "6 END PGM Q MM"},                       // other name
        {"2 L Z+5.000 R0 FMAX M3", "2 L Z+5.000 R0 FMAX"},          // no spindle
        {"1 TOOL CALL 1 Z S1000", "1 L M8"},                        // no tool call
        {"3 L X+1.000 Y+0.000 R0 F100", "3 L X+1.000 Y+0.000 R0"},  // no feed
    };
    for (const auto& [from, to] : broken) {
        std::string p = heidenhain;
        p.replace(p.find(from), from.size(), to);
        EXPECT_FALSE(test::ReadHeidenhain(p).ok) << p;
    }
    const std::string lathe =
        "%\nO0001\nN10 G18 G21 G40 G80 G99\nN20 T0101\nN30 G97 S800 M3\nN40 G0 X20. Z5.\n"
        "N50 G1 Z0. F0.2\nN60 G2 X30. Z-5. I5. K0.\nN70 M30\n%\n";
    EXPECT_TRUE(test::ReadLathe(lathe).ok) << test::ReadLathe(lathe).error;
    const std::pair<std::string, std::string> lathes[] = {
        {"G18 G21", "G90 G18 G21"},        // G90 on a U/W lathe
        {"G18 G21", "G17 G21"},            // milling plane
        {"T0101", "T1"},                   // tool without offset
        {"G97 S800 M3", "S800 M3"},        // S without G97
        {"F0.2", ""},                      // no feed
        {" I5. K0.", " K0."},              // arc without I
        {"N50", "N5"},                     // numbers going down
        {"N70 M30\n", ""},                 // no end
        {"X20. Z5.", "X20. Z5. (a (b))"},  // nested comment
    };
    for (const auto& [from, to] : lathes) {
        std::string p = lathe;
        p.replace(p.find(from), from.size(), to);
        EXPECT_FALSE(test::ReadLathe(p).ok) << p;
    }
}

}  // namespace
}  // namespace vt::engine
