// The engine: golden programs for every shipped machine (each also read by its consumer), the job
// settings in the program, depth and passes, block number limits, text from the drawing in
// comments, arcs that cannot be written, number formats, bad jobs, and the program's exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "base/text_file.h"
#include "contour/contour_path.h"
#include "core/contour/contour_fixtures.h"
#include "dialect_checkers.h"
#include "engine_test_util.h"
#include "interpreter.h"
#include "test_util.h"

namespace vt::engine {
namespace {

using et::Add;
using et::MachineFile;
using et::Text;
using test::TempDir;

// Absolute and incremental moves, an arc, a full circle, a manual line of the dialect, a cut and
// NC points.
ToolPath SamplePath(const std::string& manualLine) {
    ToolPath t;
    Add(t, kG0, 10, 0);
    Add(t, kManualLine, 10, 0, 0, 0, 0, manualLine);
    Add(t, kG1, 10, 10);
    Add(t, kG2, 20, 0, 10, 0, 10);
    Add(t, kG1 + 6, 30, 0);
    Add(t, kG3 + 6, 30, 0, 35, 0, 5);
    Add(t, kNcPoint + 6, 40.1234, 2.5);
    Add(t, kG0, 0, 0);
    return t;
}

std::string ReadAll(const std::string& path) {
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Shipped {
    const char* file;
    const char* manualLine;
    test::Interpretation (*read)(const std::string&);  // null: rs274
    test::PathCheck check;
};

const Shipped kShipped[] = {
    {"iso_fanuc_mill", "M8", nullptr, {0.001, 0, 5, 1, true}},
    {"linuxcnc_mill", "M8", nullptr, {0.0001, 0, 5, 1, true}},
    {"heidenhain", "L M8", test::ReadHeidenhain, {0.001, 0, 5, 1, true}},
    {"iso_lathe_diameter", "M8", test::ReadLathe, {0.001, 0.0005, 5, 1, false}},
};

// A golden program shows every change of a definition or of the engine; it is only kept when the
// machine's consumer reads it as the drawn path.
TEST(Engine, GoldenProgramForEveryShippedMachine) {
    for (const Shipped& m : kShipped) {
        const ToolPath path = SamplePath(m.manualLine);
        std::string got = Text(path, MachineFile(m.file));
        std::string golden = std::string(VT_GOLDEN_DIR) + "/" + m.file + ".nc";
        if (std::getenv("VT_GOLDEN_UPDATE")) std::ofstream(golden) << got;
        EXPECT_EQ(got, ReadAll(golden)) << m.file;
        const test::Interpretation run =
            m.read ? m.read(got) : test::RunRs274(Text(path, MachineFile(m.file), {}, true));
        EXPECT_EQ(test::ComparePath(path, run, m.check), "") << m.file;
    }
}

TEST(Engine, BlockNumbersAndCommentsAsTheJobAsks) {
    ToolPath t;
    Add(t, kG1, 1, 2);
    const std::vector<std::string> off =
        et::Lines(t, MachineFile("iso_fanuc_mill"), {false, false, {}});
    for (const std::string& l : off) {
        EXPECT_NE(l[0], 'N') << l;
        EXPECT_EQ(l.find("(P1)"), std::string::npos) << l;
    }
    const std::string on = Text(t, MachineFile("iso_fanuc_mill"));
    EXPECT_NE(on.find("\nN10 G21 G17 G40 G49 G80 G90 G94\n"), std::string::npos) << on;
    EXPECT_NE(on.find(" Y2. F200. (P1)\n"), std::string::npos) << on;
}

// The job settings reach the control: tool, spindle and direction, coolant, feeds, heights.
TEST(Engine, JobSettingsInTheProgram) {
    ASSERT_TRUE(test::HaveRs274());
    ToolPath t;
    Add(t, kG0, 10, 10);
    Add(t, kG1, 20, 10);
    const JobValues job = {{"Tool", "7"},     {"Spindle", "2500"},  {"Direction", "CCW"},
                           {"Feed", "350"},   {"PlungeFeed", "80"}, {"SafeZ", "12"},
                           {"Depth", "3.25"}, {"Coolant", "Flood"}};
    for (const char* mill : {"iso_fanuc_mill", "linuxcnc_mill"}) {
        const test::Interpretation run =
            test::RunRs274(Text(t, MachineFile(mill), {true, true, job}, true));
        ASSERT_TRUE(run.ok) << run.error;
        std::string calls;
        for (const std::string& c : run.calls)
            calls += c + "\n";
        for (const char* want :
             {"CHANGE_TOOL(7)", "SET_SPINDLE_SPEED(0, 2500.0000)", "START_SPINDLE_COUNTERCLOCKWISE",
              "FLOOD_ON()", "SET_FEED_RATE(80.0000)", "SET_FEED_RATE(350.0000)",
              "STRAIGHT_TRAVERSE(10.0000, 10.0000, 12.0000",
              "STRAIGHT_FEED(10.0000, 10.0000, -3.2500", "STRAIGHT_FEED(20.0000, 10.0000, -3.2500",
              "FLOOD_OFF()", "STOP_SPINDLE_TURNING"})
            EXPECT_NE(calls.find(want), std::string::npos) << mill << ": no " << want << "\n"
                                                           << calls;
        // The length offset of the new tool is taken before the first move.
        EXPECT_LT(calls.find("USE_TOOL_LENGTH_OFFSET(0.0000 0.0000 "),
                  calls.find("STRAIGHT_TRAVERSE"));
    }
    const std::string h = Text(t, MachineFile("heidenhain"), {true, true, job});
    EXPECT_NE(h.find("1 TOOL CALL 7 Z S2500\n2 L Z+12.000 R0 FMAX M4\n3 L M8\n"), std::string::npos)
        << h;
    EXPECT_NE(h.find("L Z-3.250 R0 F80\n"), std::string::npos) << h;
    const std::string lathe = Text(t, MachineFile("iso_lathe_diameter"), {true, true, job});
    EXPECT_NE(lathe.find("T0707\nN30 G97 S2500 M4\nN40 M8\n"), std::string::npos) << lathe;
    EXPECT_EQ(lathe.find('Z' + std::string("12")), std::string::npos) << lathe;  // no heights
}

// Depth in passes: the cut between two rapids is repeated one pass deeper each time; an open
// cut goes back to its start at safe height, a closed one plunges where it ends.
TEST(Engine, DepthInPasses) {
    ASSERT_TRUE(test::HaveRs274());
    ToolPath t;
    Add(t, kG0, 0, 0);
    Add(t, kG1, 30, 0);
    Add(t, kG1, 30, 20);
    Add(t, kG0, 50, 0);
    Add(t, kG3, 50, 0, 60, 0, 10);
    const JobValues job = {{"Depth", "5"}, {"DepthPerPass", "2"}, {"SafeZ", "3"}};
    const test::Interpretation run =
        test::RunRs274(Text(t, MachineFile("linuxcnc_mill"), {true, true, job}));
    ASSERT_TRUE(run.ok) << run.error;
    std::vector<double> openCuts, circles;
    for (const test::CanonMove& m : run.moves) {
        if (m.kind == test::CanonMove::Traverse && (m.x != m.sx || m.y != m.sy)) {
            EXPECT_EQ(m.z, 3) << "a rapid in the plane below safe height";
        }
        if (m.kind == test::CanonMove::Feed && m.x == 30 && m.y == 20) openCuts.push_back(m.z);
        if (m.kind == test::CanonMove::Arc) circles.push_back(m.z);
    }
    EXPECT_EQ(openCuts, (std::vector<double>{-2, -4, -5}));
    EXPECT_EQ(circles, (std::vector<double>{-2, -4, -5}));
    // The open cut returns to its start above the part before each deeper pass.
    int backToStart = 0;
    for (const test::CanonMove& m : run.moves)
        backToStart += m.kind == test::CanonMove::Traverse && m.x == 0 && m.y == 0 && m.sx == 30;
    EXPECT_EQ(backToStart, 2);
}

// Fanuc numbers blocks up to N99999 and then starts again, as its users do.
TEST(Engine, BlockNumbersWrapAtTheMachinesLimit) {
    ToolPath t;
    for (int i = 1; i <= 10500; ++i)
        Add(t, kG1, i % 2, i % 3);
    int last = 0, wraps = 0;
    for (const std::string& l : et::Lines(t, MachineFile("iso_fanuc_mill"))) {
        if (l[0] != 'N') continue;
        const int n = std::stoi(l.substr(1));
        EXPECT_LE(n, 99999);
        if (n < last) {
            EXPECT_EQ(n, 10);
            ++wraps;
        }
        last = n;
    }
    EXPECT_EQ(wraps, 1);
}

// A label read from a drawing is data: it cannot end the comment, start a command of the
// control, or open a second comment.
TEST(Engine, LabelsStayInTheirComments) {
    ASSERT_TRUE(test::HaveRs274());
    for (const char* label : {"P1) G0 Z-50 (", "MSG,look", " (DEBUG,x", "ABORT,stop", "a;b"}) {
        ToolPath t;
        Add(t, kG0, 10, 0);
        t.Op(1).Label = label;
        Add(t, kG1, 20, 0);
        for (const char* mill : {"iso_fanuc_mill", "linuxcnc_mill"}) {
            const test::Interpretation run = test::RunRs274(Text(t, MachineFile(mill), {}, true));
            test::PathCheck check;
            check.unit = 0.001;
            EXPECT_EQ(test::ComparePath(t, run, check), "") << mill << " " << label;
            EXPECT_TRUE(run.messages.empty()) << mill << " " << label << ": " << run.messages[0];
        }
        EXPECT_TRUE(test::ReadHeidenhain(Text(t, MachineFile("heidenhain"))).ok) << label;
    }
}

// A machine that writes arcs with a radius word: full turns as two halves, arcs over half a turn
// with a negative radius; rs274 reads them as drawn.
TEST(Engine, RadiusWordArcs) {
    ASSERT_TRUE(test::HaveRs274());
    TempDir dir;
    std::string def = ReadAll(MachineFile("linuxcnc_mill"));
    def = def.substr(0, def.find("ArcCW=")) +
          "ArcCW={G} {X} {Y} {R} {F}\nArcCCW={G} {X} {Y} {R} {F}\n" +
          def.substr(def.find("Point="));
    const std::string machine = dir.File("radius.vtp");
    WriteFileOrThrow(machine, def);
    const double ex = 10 * std::cos(2.2), ey = 10 * std::sin(2.2);
    ToolPath t;
    Add(t, kG0, 10, 0);
    Add(t, kG3, 10, 0, 0, 0, 10);       // full turn
    Add(t, kG2, ex, ey, 0, 0, 10);      // over half a turn
    Add(t, kG3, -10, 0, 0, 0, 10);      // under half a turn
    Add(t, kG2 + 6, -10, 0, 0, 0, 10);  // full turn, incremental
    const std::string nc = Text(t, machine);
    EXPECT_NE(nc.find(" r-10 "), std::string::npos) << nc;
    test::PathCheck check;
    check.unit = 0.0001;
    // Two halves are two interpreted arcs where one full turn is drawn.
    ToolPath halves;
    Add(halves, kG0, 10, 0);
    Add(halves, kG3, -10, 0, 0, 0, 10);
    Add(halves, kG3, 10, 0, 0, 0, 10);
    Add(halves, kG2, ex, ey, 0, 0, 10);
    Add(halves, kG3, -10, 0, 0, 0, 10);
    Add(halves, kG2, 10, 0, 0, 0, 10);
    Add(halves, kG2, -10, 0, 0, 0, 10);
    EXPECT_EQ(test::ComparePath(halves, test::RunRs274(nc), check), "") << nc;
}

TEST(Engine, ArcThatCannotBeWrittenIsRejected) {
    TempDir dir;
    const std::string machine = dir.File("coarse.vtp");
    // Whole millimetres: no centre on the grid has equal distances to the rounded ends.
    WriteFileOrThrow(
        machine, "[MACHINE]\nNamn=Grov\n[FORMATS]\nX=1\nY=1\n[FORMATDEFS]\n1=0,1,0,1,0,0,0,0\n");
    ToolPath t;
    Add(t, kG0, 24, 0);
    Add(t, kG3, 12, 24 * std::sin(M_PI / 3), 0, 0, 24);
    try {
        et::Lines(t, machine);
        FAIL() << "an arc off by half a unit was written";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("(P2)"), std::string::npos) << e.what();
    }
    // With three decimals the same arc is fine.
    EXPECT_NO_THROW(et::Lines(t, MachineFile("iso_fanuc_mill")));
    // An arc within a unit of its chord at this resolution is written as the chord.
    ToolPath flat;
    Add(flat, kG0, 2.4, 0);
    Add(flat, kG3, 1.2, 2.4 * std::sin(M_PI / 3), 0, 0, 2.4);
    const std::string nc = Text(flat, machine);
    EXPECT_NE(nc.find(" X1 Y2 F200 (P2)"), std::string::npos) << nc;
    EXPECT_EQ(nc.find("G3"), std::string::npos) << nc;
}

// Thousands of small incremental steps end exactly where the absolute move does.
TEST(Engine, IncrementalPathDoesNotDrift) {
    ToolPath t;
    for (int i = 1; i <= 3000; ++i)
        Add(t, kG1 + 6, i * 0.1 / 3, i * 0.7 / 3);
    long long sx = 0, sy = 0;
    bool incremental = false;
    for (const std::string& l : et::Lines(t, MachineFile("iso_fanuc_mill"))) {
        incremental = incremental || l.find("G91") != std::string::npos;
        if (!incremental) continue;
        std::istringstream words(l);
        for (std::string w; words >> w;) {
            if (w[0] == 'X') sx += std::llround(std::stod(w.substr(1)) * 1000);
            if (w[0] == 'Y') sy += std::llround(std::stod(w.substr(1)) * 1000);
        }
    }
    EXPECT_EQ(sx, 100000);  // 100.000 mm
    EXPECT_EQ(sy, 700000);
}

TEST(Engine, ProgramNamesAsEachControlTakesThem) {
    ToolPath t;
    Add(t, kG0, 1, 1);
    struct Case {
        const char* machine;
        const char* program;
        const char* line;
    } cases[] = {
        {"iso_fanuc_mill", "", "\nO1234\n"},
        {"iso_fanuc_mill", "42", "\nO0042\n"},
        {"iso_fanuc_mill", "flange", "\nO1234 (flange)\n"},
        {"iso_fanuc_mill", "99999", "\nO1234 (99999)\n"},
        {"linuxcnc_mill", "flänge v2", "\n(Program fl__nge_v2)\n"},
        {"heidenhain", "my part.2", "0 BEGIN PGM my_part_2 MM\n"},
        {"heidenhain", "", "0 BEGIN PGM 1234 MM\n"},
    };
    for (const Case& c : cases) {
        const std::string nc =
            Text(t, MachineFile(c.machine), {true, true, {{"Program", c.program}}});
        EXPECT_NE(nc.find(c.line), std::string::npos) << c.machine << " " << c.program << "\n"
                                                      << nc;
    }
}

TEST(Engine, NumberFormats) {
    struct Case {
        const char* def;
        int64_t units;
        const char* text;
    } cases[] = {
        {"3,1,1,0,0,0", 12500, "12.5"},   {"3,1,1,0,0,0", 500, ".5"},
        {"3,1,1,1,0,0", 500, "0.5"},      {"3,1,1,1,1,1", 500, "+0.500"},
        {"3,1,1,0,0,0", -2000, "-2."},    {"3,1,0,1,0,0", -2000, "-2"},
        {"0,1,0,1,0,0", 0, "0"},          {"3,1,1,0,0,0", 0, "0."},
        {"4,1,0,1,0,0", 12345, "1.2345"}, {"3,1,1,1,1,1", -1, "-0.001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatUnits(c.units, ParseFormat(c.def)), c.text) << c.def << " " << c.units;
    for (const char* bad : {"10,1,1,0,0,0", "3,0,1,0,0,0", "3,x", "1e300,1", "3,1,1,-1"})
        EXPECT_THROW(ParseFormat(bad), EngineError) << bad;
}

TEST(Engine, BadJobsAreRejectedWithTheLine) {
    const std::string iso = MachineFile("iso_fanuc_mill");
    ToolPath t;
    Add(t, kG1, 1, 2);
    const std::string good = et::Job(t, iso, {{"Feed", "150"}});
    EXPECT_EQ(ParseJob(good).settings.at("Feed"), "150");
    auto broken = [&](std::size_t line, const std::string& with) {
        std::vector<std::string> lines;
        for (auto l : SplitLines(good))
            lines.emplace_back(l);
        lines[line - 1] = with;
        std::string s;
        for (auto& l : lines)
            s += l + "\r\n";
        return s;
    };
    EXPECT_THROW(ParseJob("1234\r\n"), EngineError);
    EXPECT_THROW(ParseJob(broken(33, "2")), EngineError);
    EXPECT_THROW(ParseJob(broken(33, "0")), EngineError);  // a record where the settings belong
    EXPECT_THROW(ParseJob(broken(33, "1e300")), EngineError);
    EXPECT_THROW(ParseJob(broken(7, "maybe")), EngineError);
    EXPECT_THROW(ParseJob(broken(34, "-1,-1,0,1,1,2")), EngineError);
    EXPECT_THROW(ParseJob(broken(34, good.substr(good.rfind("-1,-1,0,1"), 8) + "4" +
                                         good.substr(good.rfind("-1,-1,0,1") + 9))),
                 EngineError);
    EXPECT_THROW(ParseJob(broken(36, "Feed=0")), EngineError);
    EXPECT_THROW(ParseJob(broken(36, "Speed=100")), EngineError);
    EXPECT_THROW(LoadMachine("/no/such/machine.vtp"), EngineError);
}

// The program itself: exit status, one line on standard error, no output file on failure.
TEST(Engine, ProgramExitStatusAndOutput) {
    TempDir dir;
    ToolPath t;
    Add(t, kG1, 1, 2);
    WriteFileOrThrow(dir.File("temp.pp"), et::Job(t, MachineFile("linuxcnc_mill")));
    const std::string run = "cd '" + dir.Path() + "' && '" + VT_ENGINE + "' 2> err.txt";
    EXPECT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(ReadAll(dir.File("pp.nc")),
              Text(t, MachineFile("linuxcnc_mill"), {false, false, {}}));

    std::remove(dir.File("pp.nc").c_str());
    WriteFileOrThrow(dir.File("temp.pp"), et::Job(t, dir.File("missing.vtp")));
    int status = std::system(run.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_FALSE(FileExists(dir.File("pp.nc")));
    std::string err = ReadAll(dir.File("err.txt"));
    EXPECT_NE(err.find("machine definition not found"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1);
}

}  // namespace
}  // namespace vt::engine

namespace vt::engine {
namespace {

// A contour with the compensation left to the control: switched on on the straight lead-in after
// the plunge and off on the lead-out, in each dialect's words; a machine without compensation
// refuses it instead of cutting the drawn line.
TEST(Post, CompensationOnTheControlInEachDialect) {
    for (bool climb : {true, false}) {
        ContourOptions o;
        o.climb = climb;
        o.compensation = Compensation::Control;
        o.lead = LeadKind::Arc;
        const ContourPlan plan = PlanContour(contour_fixtures::Plate(), o);
        ASSERT_FALSE(plan.refused);
        ToolPath t;
        for (const ToolPathOp& m : plan.moves) {
            t.Ops.push_back(m);
            ++t.Count;
        }
        const std::string on = climb ? "RL" : "RR";
        const std::vector<std::string> h = et::Lines(t, MachineFile("heidenhain"));
        std::size_t first = 0, last = 0, withComp = 0;
        for (std::size_t i = 0; i < h.size(); ++i)
            if (h[i].find(" " + on) != std::string::npos) {
                if (!first) first = i;
                last = i;
                ++withComp;
            }
        ASSERT_GT(first, 0u);
        EXPECT_NE(h[first - 1].find(" Z-1.000 R0 F"), std::string::npos)
            << h[first - 1];  // plunged
        EXPECT_EQ(h[first].rfind(std::to_string(first) + " L X", 0), 0u) << h[first];
        EXPECT_NE(h[last + 1].find(" R0"), std::string::npos) << h[last + 1];  // switched off
        EXPECT_EQ(h[last + 1].rfind(std::to_string(last + 1) + " L X", 0), 0u);
        // Every block between: the contour's lines and arcs.
        for (std::size_t i = first; i <= last; ++i)
            EXPECT_TRUE(h[i].find(" " + on) != std::string::npos ||
                        h[i].find(" CC X") != std::string::npos)
                << h[i];
        std::string text;
        for (const std::string& l : h)
            text += l + "\n";
        EXPECT_EQ(test::ComparePath(t, test::ReadHeidenhain(text), {0.001, 0, 5, 1, true}), "")
            << text;
        const std::string iso = Text(t, MachineFile("iso_fanuc_mill"));
        const std::string g = climb ? "G41 D1 " : "G42 D1 ";
        ASSERT_NE(iso.find(g), std::string::npos) << iso;
        EXPECT_EQ(iso.find(g), iso.rfind(g));
        const std::size_t off = iso.find("G40 ", iso.find(g));
        EXPECT_LT(off, iso.find("G0 Z5", iso.find(g))) << iso;
        try {
            et::Lines(t, MachineFile("iso_lathe_diameter"));
            ADD_FAILURE() << "the lathe took a compensated contour";
        } catch (const EngineError& e) {
            EXPECT_NE(std::string(e.what()).find("no tool radius compensation"), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
}  // namespace vt::engine
