// The engine: golden programs for every shipped machine, exact incremental positions, the arc
// check, number formats, and the program's exit status and messages.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "app/text_file.h"
#include "job.h"
#include "machine.h"
#include "nc/job_file.h"
#include "post.h"
#include "test_util.h"

namespace vt::engine {
namespace {

using test::TempDir;

const std::string kPost = VT_POST_DIR;

void Add(ToolPath& t, int16_t typ, double x, double y, double cx = 0, double cy = 0, double r = 0,
         std::string text = "") {
    ToolPathOp o;
    o.Typ = typ;
    o.X = x;
    o.Y = y;
    o.CX = cx;
    o.CY = cy;
    o.R = r;
    o.NCText = std::move(text);
    o.Label = "P" + std::to_string(t.Count + 1);
    t.Ops.push_back(o);
    ++t.Count;
}

// Absolute and incremental moves, an arc, a full circle, a manual line and an NC point.
ToolPath SamplePath() {
    ToolPath t;
    Add(t, 0, 10, 0);
    Add(t, 255, 10, 0, 0, 0, 0, "M3 S1000");
    Add(t, 1, 10, 10);
    Add(t, 2, 20, 0, 10, 0, 10);
    Add(t, 7, 30, 0);
    Add(t, 9, 30, 0, 35, 0, 5);
    Add(t, 5, 40.1234, 2.5);
    Add(t, 0, 0, 0);
    return t;
}

std::string Program(const ToolPath& t, const std::string& machine, bool numbers, bool comments) {
    Job job = ParseJob(JobFileText(t, {machine, numbers, comments}));
    std::string out;
    for (const std::string& l : Generate(job, LoadMachine(machine)))
        out += l + "\n";
    return out;
}

std::string ReadAll(const std::string& path) {
    std::ifstream f(path);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Engine, GoldenProgramForEveryShippedMachine) {
    const char* machines[] = {"iso_fanuc_mill", "linuxcnc_mill", "heidenhain",
                              "iso_lathe_diameter"};
    for (const char* m : machines) {
        std::string got = Program(SamplePath(), kPost + "/" + m + ".vtp", true, true);
        std::string golden = std::string(VT_GOLDEN_DIR) + "/" + m + ".nc";
        if (std::getenv("VT_GOLDEN_UPDATE")) {
            std::ofstream(golden) << got;
            continue;
        }
        EXPECT_EQ(got, ReadAll(golden)) << m;
    }
}

TEST(Engine, OptionsFromTheJob) {
    const std::string iso = kPost + "/iso_fanuc_mill.vtp";
    ToolPath t;
    Add(t, 1, 1, 2);
    EXPECT_EQ(Program(t, iso, false, false), "%\nO1234\nG90\nG1 X1. Y2.\nM30\n%\n");
    EXPECT_EQ(Program(t, iso, true, true), "%\nO1234\nN10 G90\nN20 G1 X1. Y2. (P1)\nN30 M30\n%\n");
}

// Thousands of small incremental steps end exactly where the absolute move does.
TEST(Engine, IncrementalPathDoesNotDrift) {
    ToolPath t;
    for (int i = 1; i <= 3000; ++i)
        Add(t, 7, i * 0.1 / 3, i * 0.7 / 3);
    const Machine m = LoadMachine(kPost + "/iso_fanuc_mill.vtp");
    std::vector<std::string> lines =
        Generate(ParseJob(JobFileText(t, {kPost + "/iso_fanuc_mill.vtp"})), m);
    long long sx = 0, sy = 0;
    for (const std::string& l : lines) {
        std::istringstream words(l);
        for (std::string w; words >> w;) {
            if (w[0] == 'X') sx += std::llround(std::stod(w.substr(1)) * 1000);
            if (w[0] == 'Y') sy += std::llround(std::stod(w.substr(1)) * 1000);
        }
    }
    EXPECT_EQ(sx, 100000);  // 100.000 mm
    EXPECT_EQ(sy, 700000);
}

TEST(Engine, ArcThatCannotBeWrittenIsRejected) {
    TempDir dir;
    const std::string machine = dir.File("coarse.vtp");
    // Whole millimetres: the ends of this arc round to different radii.
    WriteFileOrThrow(
        machine, "[MACHINE]\nNamn=Grov\n[FORMATS]\nX=1\nY=1\n[FORMATDEFS]\n1=0,1,0,1,0,0,0,0\n");
    ToolPath t;
    Add(t, 1, 2.4, 0);
    Add(t, 3, 1.2, 2.4 * std::sin(M_PI / 3), 0, 0, 2.4);
    try {
        Program(t, machine, false, false);
        FAIL() << "an arc off by half a unit was written";
    } catch (const EngineError& e) {
        EXPECT_NE(std::string(e.what()).find("(P2)"), std::string::npos) << e.what();
    }
    // With three decimals the same arc is fine.
    EXPECT_NO_THROW(Program(t, kPost + "/iso_fanuc_mill.vtp", false, false));
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
    const std::string iso = kPost + "/iso_fanuc_mill.vtp";
    ToolPath t;
    Add(t, 1, 1, 2);
    const std::string good = JobFileText(t, {iso});
    EXPECT_NO_THROW(ParseJob(good));
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
    EXPECT_THROW(ParseJob(broken(33, "1e300")), EngineError);
    EXPECT_THROW(ParseJob(broken(7, "maybe")), EngineError);
    EXPECT_THROW(ParseJob(broken(34, "-1,-1,0,1,1,2")), EngineError);
    EXPECT_THROW(ParseJob(broken(34, good.substr(good.rfind("-1,-1,0,1"), 8) + "4" +
                                         good.substr(good.rfind("-1,-1,0,1") + 9))),
                 EngineError);
    EXPECT_THROW(LoadMachine("/no/such/machine.vtp"), EngineError);
}

// The program itself: exit status, one line on standard error, no output file on failure.
TEST(Engine, ProgramExitStatusAndOutput) {
    TempDir dir;
    ToolPath t;
    Add(t, 1, 1, 2);
    WriteFileOrThrow(dir.File("temp.pp"), JobFileText(t, {kPost + "/linuxcnc_mill.vtp"}));
    const std::string run = "cd '" + dir.Path() + "' && '" + VT_ENGINE + "' 2> err.txt";
    EXPECT_EQ(std::system(run.c_str()), 0);
    EXPECT_EQ(ReadAll(dir.File("pp.nc")), "%\n(Veltrum32 program 1234)\ng90\ng1 x1 y2\nm2\n%\n");

    std::remove(dir.File("pp.nc").c_str());
    WriteFileOrThrow(dir.File("temp.pp"), JobFileText(t, {dir.File("missing.vtp")}));
    int status = std::system(run.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_FALSE(FileExists(dir.File("pp.nc")));
    std::string err = ReadAll(dir.File("err.txt"));
    EXPECT_NE(err.find("machine definition not found"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1);
}

}  // namespace
}  // namespace vt::engine
