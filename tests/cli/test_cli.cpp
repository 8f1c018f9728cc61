// The command line of the real program: help and version, --nc for every example and machine,
// --convert, and the errors a script must be able to rely on.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "core/contour/contour_fixtures.h"
#include "engine/interpreter.h"
#include "test_util.h"

namespace {

namespace fs = std::filesystem;
using vt::test::ReadFile;
using vt::test::TempDir;
using vt::test::WriteFile;

struct Result {
    int status;
    std::string out, err;
};

// Runs veltrum32 with the arguments in a program folder of its own (the shipped machines).
class Cli : public ::testing::Test {
  protected:
    Cli() { fs::copy(VT_POST_DIR, home.File("POST")); }
    Result Run(const std::string& args) {
        const std::string cmd = "'" + std::string(VT_VELTRUM32) + "' --home '" + home.Path() +
                                "' " + args + " >'" + home.File("out.txt") + "' 2>'" +
                                home.File("err.txt") + "'";
        const int s = std::system(cmd.c_str());
        return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, ReadFile(home.File("out.txt")),
                ReadFile(home.File("err.txt"))};
    }
    static std::string Example(const char* name) {
        return "'" + std::string(VT_EXAMPLES) + "/" + name + "'";
    }
    TempDir home;
};

TEST_F(Cli, HelpAndVersion) {
    Result h = Run("--help");
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("--nc DRAWING --machine NAME"), std::string::npos);
    Result v = Run("--version");
    EXPECT_EQ(v.out, "veltrum32 1.1.36\n");
    EXPECT_EQ(Run("--frobnicate").status, 2);
}

TEST_F(Cli, EveryExampleForEveryMachine) {
    const std::pair<const char*, const char*> machines[] = {{"iso_fanuc_mill", "\nO1234 ("},
                                                            {"linuxcnc_mill", "\n(Program "},
                                                            {"heidenhain", "0 BEGIN PGM "},
                                                            {"Svarv diameter (ISO)", "G18"}};
    for (const char* example : {"flange.vgm", "plate.vgm", "shaft.vgm"}) {
        for (const auto& [machine, mark] : machines) {
            Result r = Run("--nc " + Example(example) + " --machine '" + machine + "'");
            EXPECT_EQ(r.status, 0) << example << " " << machine << ": " << r.err;
            EXPECT_NE(r.out.find(mark), std::string::npos) << example << " " << machine;
            EXPECT_EQ(r.out.find('\r'), std::string::npos);
        }
    }
    // The options of the NC window, and a file instead of standard output.
    Result r = Run("--nc " + Example("plate.vgm") +
                   " --machine iso_fanuc_mill --block-numbers off --comments off -o '" +
                   home.File("plate.nc") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string nc = ReadFile(home.File("plate.nc"));
    EXPECT_NE(nc.find("\nG2 X80. Y-20. I0. J-20.\n"), std::string::npos) << nc;
    EXPECT_EQ(nc.find("(P"), std::string::npos);
}

// The job settings on the command line win over the drawing's; a bad value is refused before
// anything runs.
TEST_F(Cli, JobSettingsOnTheCommandLine) {
    Result r = Run("--nc " + Example("plate.vgm") +
                   " --machine linuxcnc_mill --feed 450 --plunge-feed 60 --spindle 3000 --tool 5"
                   " --depth 4.5 --safe-z 10 --program PLATTA-1 --coolant flood");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* want : {"(Program PLATTA-1)", "t5 m6", "s3000 m3", "m8", "g0 g43 h5 z10",
                             "z-4.5 r10 f60", "f450", "m9"})
        EXPECT_NE(r.out.find(want), std::string::npos) << want << "\n" << r.out;
    Result bad = Run("--nc " + Example("plate.vgm") + " --machine linuxcnc_mill --feed 0");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("--feed"), std::string::npos) << bad.err;
}

// Runs that share a program folder wait for each other: each gets its own program.
TEST_F(Cli, ParallelRunsGetTheirOwnPrograms) {
    std::string cmd;
    for (int i = 0; i < 12; ++i)
        cmd += "'" + std::string(VT_VELTRUM32) + "' --home '" + home.Path() + "' --nc " +
               Example("plate.vgm") + " --machine iso_fanuc_mill --program " +
               std::to_string(100 + i) + " > '" + home.File("run" + std::to_string(i)) +
               "' 2>&1 & ";
    cmd += "wait";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (int i = 0; i < 12; ++i) {
        const std::string out = ReadFile(home.File("run" + std::to_string(i)));
        EXPECT_NE(out.find("\nO0" + std::to_string(100 + i) + "\n"), std::string::npos)
            << "run " << i << ":\n"
            << out;
    }
}

TEST_F(Cli, NcErrors) {
    Result missing = Run("--nc '" + home.File("none.vgm") + "' --machine heidenhain");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.vgm"), std::string::npos);
    Result unknown = Run("--nc " + Example("plate.vgm") + " --machine linuxcnc");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("\"LinuxCNC fräs\" (linuxcnc_mill)"), std::string::npos)
        << unknown.err;
    // A drawing without a tool path has no program.
    Result empty = Run("--nc '" + std::string(VT_TEST_DATA) +
                       "/dxf/r2000_blocks.dxf' --machine "
                       "'LinuxCNC fräs'");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "no tool path\n");
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(Run("--nc " + Example("plate.vgm")).status, 2);  // no machine named
    // An engine that fails: its own words reach the user, and nothing is written.
    WriteFile(home.File("vtengine"),
              "#!/bin/sh\necho 'vtengine: the machine is broken' >&2\nexit 1\n");
    fs::permissions(home.File("vtengine"), fs::perms::owner_all);
    Result broken = Run("--nc " + Example("plate.vgm") + " --machine heidenhain -o '" +
                        home.File("x.nc") + "'");
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("the machine is broken"), std::string::npos) << broken.err;
    EXPECT_FALSE(fs::exists(home.File("x.nc")));
}

TEST_F(Cli, Convert) {
    // A drawing written back is the same file.
    EXPECT_EQ(Run("--convert " + Example("flange.vgm") + " '" + home.File("f.vgm") + "'").status,
              0);
    EXPECT_EQ(ReadFile(home.File("f.vgm")), ReadFile(std::string(VT_EXAMPLES) + "/flange.vgm"));
    // DXF into the exchange file and from there into a drawing.
    EXPECT_EQ(Run("--convert '" + std::string(VT_TEST_DATA) + "/dxf/r2000_blocks.dxf' '" +
                  home.File("b.rit") + "'")
                  .status,
              0);
    EXPECT_EQ(Run("--convert '" + home.File("b.rit") + "' '" + home.File("b.vtm") + "'").status, 0);
    EXPECT_TRUE(fs::file_size(home.File("b.vtm")) > 0);
    // A drawing to DXF: R12 unless asked for R2000 (millimetres in $INSUNITS), and back.
    Result dxf = Run("--convert " + Example("plate.vgm") + " '" + home.File("p.dxf") + "'");
    EXPECT_EQ(dxf.status, 0) << dxf.err;
    EXPECT_NE(ReadFile(home.File("p.dxf")).find("AC1009"), std::string::npos);
    Result r2000 = Run("--convert " + Example("plate.vgm") + " '" + home.File("p2.dxf") +
                       "' --dxf-version r2000");
    EXPECT_EQ(r2000.status, 0) << r2000.err;
    EXPECT_NE(ReadFile(home.File("p2.dxf")).find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);
    EXPECT_EQ(Run("--convert '" + home.File("p2.dxf") + "' '" + home.File("p2.vgm") + "'").status,
              0);
    EXPECT_EQ(Run("--convert " + Example("plate.vgm") + " '" + home.File("p3.dxf") +
                  "' --dxf-version R14")
                  .status,
              2);
    EXPECT_FALSE(fs::exists(home.File("p3.dxf")));
    EXPECT_EQ(Run("--convert '" + home.File("none.vgm") + "' '" + home.File("n.vgm") + "'").status,
              1);
}

// Every DXF fixture (written by ezdxf) read by ezdxf itself: its geometry and the imported drawing
// lie within the curve tolerance of each other. The whole ellipse is the drawing's own 36-line
// ellipse, whose chords stand off the curve by up to 0.4 % of its size.
TEST_F(Cli, DxfImportAgreesWithEzdxf) {
    const std::string data = std::string(VT_TEST_DATA) + "/dxf/";
    for (const auto& e : fs::directory_iterator(data)) {
        const std::string name = e.path().filename().string();
        if (e.path().extension() != ".dxf" || name == "r2000_binary.dxf") continue;
        Result r = Run("--convert '" + e.path().string() + "' '" + home.File("c.vgm") + "'");
        ASSERT_EQ(r.status, 0) << name << ": " << r.err;
        const std::string tolerance = name == "r2000_ellipse.dxf" ? "0.05" : "0.011";
        const std::string cmd = "/usr/bin/python3 '" + data + "compare_with_ezdxf.py' '" +
                                e.path().string() + "' '" + home.File("c.vgm") + "' " + tolerance +
                                " > '" + home.File("cmp.txt") + "' 2>&1";
        EXPECT_EQ(std::system(cmd.c_str()), 0) << name << ": " << ReadFile(home.File("cmp.txt"));
    }
}

// A file that is not what its name says, or holds nothing, is an error with one line that says
// so; nothing is written.
TEST_F(Cli, UnreadableInputs) {
    WriteFile(home.File("random.vgm"), std::string("\x13\x37\x00\xff junk", 9));
    WriteFile(home.File("text.dxf"), "this is\nnot a drawing\n");
    WriteFile(home.File("bad.rit"), "KRX.Banmodul.XXX and more");
    WriteFile(home.File("empty.vgm"), "");
    for (const char* f : {"random.vgm", "text.dxf", "bad.rit", "empty.vgm"}) {
        for (const std::string& cmd :
             {"--convert '" + home.File(f) + "' '" + home.File("out.vgm") + "'",
              "--nc '" + home.File(f) + "' --machine heidenhain -o '" + home.File("out.nc") +
                  "'"}) {
            Result r = Run(cmd);
            EXPECT_EQ(r.status, 1) << cmd << "\n" << r.err;
            EXPECT_NE(r.err.find(f), std::string::npos) << cmd << "\n" << r.err;
            EXPECT_FALSE(fs::exists(home.File("out.vgm")));
            EXPECT_FALSE(fs::exists(home.File("out.nc")));
        }
    }
    // The NC program never replaces the drawing it was made from.
    fs::copy(std::string(VT_EXAMPLES) + "/plate.vgm", home.File("plate.vgm"));
    Result same = Run("--nc '" + home.File("plate.vgm") + "' --machine heidenhain -o '" +
                      home.File("plate.vgm") + "'");
    EXPECT_EQ(same.status, 2);
    EXPECT_EQ(ReadFile(home.File("plate.vgm")), ReadFile(std::string(VT_EXAMPLES) + "/plate.vgm"));
}

}  // namespace

namespace {

using namespace vt::contour_fixtures;

// The example part as drawn (examples/part.dxf): a 120 × 80 plate with R8 corners, four holes
// of Ø12, a bore of Ø30 and a slot 10 wide.
std::vector<vt::Chain> ExamplePart() {
    std::vector<vt::Chain> part = {
        Closed({L(8, 0, 112, 0), A(112, 8, 8, 270, 360, true), L(120, 8, 120, 72),
                A(112, 72, 8, 0, 90, true), L(112, 80, 8, 80), A(8, 72, 8, 90, 180, true),
                L(0, 72, 0, 8), A(8, 8, 8, 180, 270, true)}),
        Closed({L(40, 60, 80, 60), A(80, 65, 5, 270, 450, true), L(80, 70, 40, 70),
                A(40, 65, 5, 90, 270, true)}),
        Closed({A(60, 35, 15, 0, 0, true)})};
    for (auto [x, y] : {std::pair{15, 15}, {105, 15}, {15, 65}, {105, 65}})
        part.push_back(Closed({A(x, y, 6, 0, 0, true)}));
    return part;
}

// The interpreter's cuts of the program: never closer to the part than the tool's radius, and
// every edge of every chain reached.
std::string CutsThePart(const std::string& program, double r) {
    const vt::test::Interpretation run = vt::test::RunRs274(program);
    if (!run.ok) return "rs274 refused it: " + run.error;
    return CheckCut(ExamplePart(), Samples(vt::test::CuttingMoves(run, 1)), r);
}

// A DXF part to an NC program in one command: holes and slot inside before the outline outside,
// with the compensation computed here or left to the control; a tool too big for a hole is
// refused naming the hole; a drawing with its own tool path keeps it.
TEST_F(Cli, ContoursOfADxfPart) {
    ASSERT_TRUE(vt::test::HaveRs274());
    for (const char* comp : {"computed", "control"}) {
        for (const char* machine : {"linuxcnc_mill", "iso_fanuc_mill"}) {
            Result r =
                Run("--nc " + Example("part.dxf") + " --contour --tool-diameter 6 --machine " +
                    machine + " --compensation " + comp);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_EQ(r.err, "");
            std::string program;  // rs274 does not read the ISO program's O line
            std::istringstream lines(r.out);
            for (std::string l; std::getline(lines, l);)
                if (l.empty() || l[0] != 'O') program += l + "\n";
            EXPECT_EQ(CutsThePart(program, 3), "") << comp << " " << machine << "\n" << r.out;
            EXPECT_EQ(
                r.out.find("G41") != std::string::npos || r.out.find("g41") != std::string::npos,
                std::string(comp) == "control");
        }
    }
    Result big = Run("--nc " + Example("part.dxf") +
                     " --contour --tool-diameter 13 --machine "
                     "linuxcnc_mill");
    EXPECT_EQ(big.status, 1);
    EXPECT_NE(big.err.find("with radius 6"), std::string::npos) << big.err;
    EXPECT_EQ(big.out, "");

    Result own = Run("--nc " + Example("plate.vgm") + " --contour --machine linuxcnc_mill");
    EXPECT_EQ(own.status, 0);
    EXPECT_NE(own.err.find("has a tool path of its own"), std::string::npos);
    EXPECT_EQ(own.out, Run("--nc " + Example("plate.vgm") + " --machine linuxcnc_mill").out);
    Result replaced =
        Run("--nc " + Example("plate.vgm") + " --contour --replace-path --machine linuxcnc_mill");
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_NE(replaced.out, own.out);
    EXPECT_EQ(Run("--contour --machine linuxcnc_mill").status, 2);
}

}  // namespace
