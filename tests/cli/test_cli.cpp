// The command line of the real program: help and version, --nc for every example and machine,
// --convert, and the errors a script must be able to rely on.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

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
    Result dxf = Run("--convert " + Example("plate.vgm") + " '" + home.File("p.dxf") + "'");
    EXPECT_EQ(dxf.status, 1);
    EXPECT_FALSE(fs::exists(home.File("p.dxf")));
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
