// Settings defaults, the keys written at close and window placement.
#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "base/ini_file.h"
#include "base/text_file.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(Settings, DefaultsWithoutAFile) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    p.settings.MaxPoints = 1;  // overwritten by the load
    LoadSettings(p);
    const ProgramSettings& s = p.settings;
    EXPECT_EQ(s.Postpath, dir.Path() + "/POST/");
    EXPECT_EQ(s.GEOpath, dir.Path() + "/GEO/");
    EXPECT_EQ(s.NCpath, dir.Path() + "/NCPROG/");
    EXPECT_EQ(s.MaxPoints, 4000);
    EXPECT_EQ(s.OldGeoLineLength, 1000);
    EXPECT_EQ(s.LoadLastDrawing, 1);
    EXPECT_EQ(s.ArcMode, 1);
    EXPECT_EQ(s.DefaultMachine, "");
    EXPECT_TRUE(s.BlockNumbers && s.Comments);
    const Colour colours[] = {s.DrawColor,     s.SelectedColor,  s.TempColor,   s.EndpointColor,
                              s.MidpointColor, s.QuadrantColor,  s.CenterColor, s.IntersecColor,
                              s.AxisColor,     s.OrigoColor,     s.BackColor,   s.NCColor,
                              s.NCIColor,      s.HighLightColor, s.NCTempColor};
    const Colour expected[] = {15153465, 65535, 16214377, 255, 16711935, 65280,    65535, 65535,
                               65535,    16512, 11337728, 255, 8421631,  16776960, 128};
    for (std::size_t i = 0; i < std::size(colours); ++i)
        EXPECT_EQ(colours[i], expected[i]) << i;
    EXPECT_TRUE(s.LL && s.LC && s.CC && s.EP && s.CP);
    EXPECT_FALSE(s.MP || s.QP || s.POD || s.MaskinAsk || s.MaskinUseDefined);
    EXPECT_TRUE(s.MaskinLast && s.PPUseMult);
    EXPECT_EQ(s.MaskinDefined, "");
    EXPECT_EQ(s.IntersecMore, 0);
    const History& h = p.history;
    EXPECT_EQ(std::vector<double>({h.D, h.IV, h.L, h.NR, h.R, h.SV, h.V, h.X, h.Y, h.W, h.H}),
              std::vector<double>({20, 45, 20, 1, 10, 0, 45, 0, 0, 0, 0}));
    EXPECT_EQ(h.S, "");
}

TEST(Settings, DriveLetterFolderUsesTheDrive) {
    ProgramSettings s = DefaultSettings("C:/Program/Veltrum");
    EXPECT_EQ(s.GEOpath, "C:/GEO/");
    EXPECT_EQ(s.NCpath, "C:/NCPROG/");
    EXPECT_EQ(s.Postpath, "C:/Program/Veltrum/POST/");
}

TEST(Settings, ReadsValuesAndFallsBackOnUnusableOnes) {
    TempDir dir;
    WriteFile(dir.File("veltrum32.ini"),
              "[Program]\nLoadLastDrawing=abc\nArcMode=77\nMaxPoints=-3\nDrawColor=255\nMP=true\n"
              "QP=maybe\nUndoDepth=l000\nDefaultMachine=  Fräs 1  "
              "\nPostpath=/opt/post/\n[History]\nR=2,5\nV=junk\nS=G1 X10\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    LoadSettings(p);
    EXPECT_EQ(p.settings.LoadLastDrawing, 0);
    EXPECT_EQ(p.settings.ArcMode, 1);
    EXPECT_EQ(p.settings.MaxPoints, 4000);
    EXPECT_EQ(p.settings.UndoDepth, 1000);
    EXPECT_EQ(p.settings.DrawColor, 255);
    EXPECT_TRUE(p.settings.MP);
    EXPECT_FALSE(p.settings.QP);
    EXPECT_EQ(p.settings.DefaultMachine, "Fräs 1");
    EXPECT_EQ(p.settings.Postpath, "/opt/post/");
    EXPECT_DOUBLE_EQ(p.history.R, 2.5);
    EXPECT_DOUBLE_EQ(p.history.V, 45);
    EXPECT_EQ(p.history.S, "G1 X10");

    WriteFile(dir.File("veltrum32.ini"),
              "[Program]\nLoadLastDrawing=true\nMaxPoints=999999999\nUndoDepth=0\n");
    LoadSettings(p);
    EXPECT_EQ(p.settings.UndoDepth, 0);  // no history is a choice
    EXPECT_EQ(p.settings.LoadLastDrawing, 1);
    EXPECT_EQ(p.settings.MaxPoints, kMaxPointsLimit);
}

TEST(Settings, GarbageFilesLoad) {
    const std::string garbage[] = {
        std::string(100000, '\xff'),
        std::string("[Program]\n") + std::string(200000, 'x') + "=1\nLL=False",
        std::string("\0\0\0[Program]\0LL=False\n", 22),
        "[Program\nLL=False\n[Program]]\nLL=False\nLL=True\n",
    };
    for (const auto& g : garbage) {
        TempDir dir;
        WriteFile(dir.File("veltrum32.ini"), g);
        FakeUi ui;
        Program p(ui, dir.Path());
        LoadSettings(p);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(p.settings.MaxPoints, 4000);
    }
}

// Closing writes what this program changed, in the save order, into the file as it is now: the
// rest of the file, and its order, stays.
TEST(Settings, SaveWritesTheChangedKeysAndKeepsOthers) {
    TempDir dir;
    WriteFile(dir.File("veltrum32.ini"),
              "[History]\nR=7\n[Program]\nMaxPoints=500\nLL=True\nUnknown=1\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    LoadSettings(p);
    p.settings.DefaultMachine = "Mill";
    p.settings.ArcMode = 3;
    p.settings.LL = false;
    p.settings.EP = false;
    ASSERT_TRUE(SaveSettings(p));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.File("veltrum32.ini"), lines));
    std::vector<std::string> keys;
    bool inProgram = false;
    for (const auto& l : lines) {
        if (!l.empty() && l[0] == '[')
            inProgram = l == "[Program]";
        else if (inProgram && !l.empty())
            keys.push_back(l.substr(0, l.find('=')));
    }
    std::vector<std::string> added;
    for (const char* k : SettingsSaveOrder())
        if (std::string(k) == "DefaultMachine" || std::string(k) == "EP") added.push_back(k);
    std::vector<std::string> expected = {"MaxPoints", "LL", "Unknown"};
    expected.insert(expected.end(), added.begin(), added.end());
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(INIReadString(dir.File("veltrum32.ini"), "Program", "DefaultMachine", ""), "Mill");
    EXPECT_EQ(INIReadString(dir.File("veltrum32.ini"), "Program", "LL", ""), "False");
    EXPECT_EQ(INIReadString(dir.File("veltrum32.ini"), "Program", "MaxPoints", ""), "500");
    EXPECT_EQ(INIReadString(dir.File("veltrum32.ini"), "History", "R", ""), "7");
    EXPECT_EQ(ReadFile(dir.File("veltrum32.ini")).find("ArcMode"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("veltrum32.ini")).find("NCTempColor"), std::string::npos);
    for (const auto& k : SettingsKeys()) {
        if (!k.written) continue;
        EXPECT_NE(
            std::find(SettingsSaveOrder().begin(), SettingsSaveOrder().end(), std::string(k.key)),
            SettingsSaveOrder().end())
            << k.key;
    }
}

// Two windows on one program folder: the one closed last does not undo the other's changes.
TEST(Settings, TwoProgramsKeepEachOthersChanges) {
    TempDir dir;
    WriteFile(dir.File("veltrum32.ini"), "[Program]\nLL=True\nEP=True\nDefaultMachine=A\n");
    FakeUi ui;
    Program first(ui, dir.Path()), second(ui, dir.Path());
    LoadSettings(first);
    LoadSettings(second);
    first.settings.LL = false;
    second.settings.EP = false;
    second.settings.DefaultMachine = "B";
    ASSERT_TRUE(SaveSettings(second));
    ASSERT_TRUE(SaveSettings(first));
    const std::string file = dir.File("veltrum32.ini");
    EXPECT_EQ(INIReadString(file, "Program", "LL", ""), "False");
    EXPECT_EQ(INIReadString(file, "Program", "EP", ""), "False");
    EXPECT_EQ(INIReadString(file, "Program", "DefaultMachine", ""), "B");
    // Saving again writes nothing: what was written is what the program now starts from.
    WriteFile(file, "[Program]\nLL=True\n");
    ASSERT_TRUE(SaveSettings(first));
    EXPECT_EQ(ReadFile(file), "[Program]\nLL=True\n");
}

TEST(Settings, FailedSaveIsQuiet) {
    TempDir dir;
    WriteFile(dir.File("plain"), "x");
    FakeUi ui;
    Program p(ui, dir.File("plain"));  // the program "folder" is a file: nothing can be written
    LoadSettings(p);
    EXPECT_FALSE(SaveSettings(p));
    EXPECT_TRUE(ui.messages.empty());
    // Quitting there shows nothing about the settings (last.dat, a drawing, is still reported).
    p.settings.LoadLastDrawing = 0;
    MainWindowUnload(p, nullptr, false);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(WindowPlacementTest, TwipsAndMaximised) {
    TempDir dir;
    const std::string f = dir.File("w.ini");
    WindowPlacement cur{false, 10, 20, 780, 560};
    WindowPlacement none = LoadWindowPlacement(f, "frm_main", cur);
    EXPECT_FALSE(none.maximized);
    EXPECT_EQ(none.x, 10);
    EXPECT_EQ(none.w, 780);

    ASSERT_TRUE(SaveWindowPlacement(f, "frm_main", {false, 100, 50, 800, 600}, false));
    EXPECT_EQ(INIReadLong(f, "frm_main", "X", 0), 1500);
    EXPECT_EQ(INIReadLong(f, "frm_main", "H", 0), 9000);
    // Maximised: only the flag changes, the earlier size stays for un-maximising.
    ASSERT_TRUE(SaveWindowPlacement(f, "frm_main", {true, 0, 0, 1920, 1080}, false));
    EXPECT_EQ(INIReadString(f, "frm_main", "Maximized", ""), "True");
    WindowPlacement back = LoadWindowPlacement(f, "frm_main", cur);
    EXPECT_TRUE(back.maximized);
    EXPECT_EQ(back.x, 100);
    EXPECT_EQ(back.y, 50);
    EXPECT_EQ(back.w, 800);
    EXPECT_EQ(back.h, 600);
    // Minimised: neither position nor size is written.
    ASSERT_TRUE(SaveWindowPlacement(f, "frm_main", {false, 1, 1, 300, 300}, true));
    EXPECT_EQ(INIReadLong(f, "frm_main", "W", 0), 12000);
}

TEST(WindowPlacementTest, FitOnScreen) {
    WindowPlacement off{false, 5000, -300, 780, 560};
    WindowPlacement fit = FitOnScreen(off, 0, 0, 1920, 1080);
    EXPECT_EQ(fit.x, 1920 - 780);
    EXPECT_EQ(fit.y, 0);
    WindowPlacement huge = FitOnScreen({false, 0, 0, 5000, 5000}, 0, 0, 1024, 768);
    EXPECT_EQ(huge.w, 1024);
    EXPECT_EQ(huge.h, 768);
}

}  // namespace
}  // namespace vt
