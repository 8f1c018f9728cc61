// Start-up steps, the caption, the closing sequence, the program folder and the command line.
#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/program.h"
#include "base/ini_file.h"
#include "commands/drawing_edit.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

TEST(Caption, Format) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    EXPECT_EQ(MainCaption(p), "Veltrum32 - [  ]");
    p.selectedMachineName = "Fanuc fräs";
    EXPECT_EQ(MainCaption(p), "Veltrum32 - [ Fanuc fräs ]");
    p.drawing.HasFileName = true;
    p.drawing.FileName = "/home/a/del.vgm";
    SetMainCaption(p);
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [ Fanuc fräs ] - /home/a/del.vgm");
}

TEST(Startup, LoadSetsTheWindowState) {
    TempDir dir;
    test::WriteFile(dir.File("veltrum32.ini"), "[Program]\nMP=True\nLL=False\nBackColor=123\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    p.drawing.Modified = true;
    MainWindowLoad(p, "");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(p.drawing.Modified);
    EXPECT_EQ(p.uiState.versionLabel, "v1.1.36");
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [  ]");
    EXPECT_FALSE(p.uiState.Enabled("mnuUndo"));
    EXPECT_FALSE(p.uiState.ButtonEnabled("tbr_delete", 5));
    EXPECT_TRUE(p.uiState.Checked("mnuShowMiddlepoints"));
    EXPECT_FALSE(p.uiState.Checked("mnuIntersectionLL"));
    EXPECT_TRUE(p.uiState.Checked("mnuShowEndpoints"));
    EXPECT_EQ(p.uiState.panels[10].bevel, kBevelInset);  // middle points on
    EXPECT_EQ(p.uiState.panels[7].bevel, kBevelRaised);  // line/line off
    EXPECT_EQ(p.uiState.surfaceBackColor, 123);
}

TEST(Startup, MaxPointsFromTheSettingsSizesTheSnapTable) {
    for (int capacity : {5, 10000}) {
        TempDir dir;
        test::WriteFile(dir.File("veltrum32.ini"),
                        "[Program]\nMaxPoints=" + std::to_string(capacity) +
                            "\nEP=True\nLL=False\nLC=False\nCC=False"
                            "\nMP=False\nPOD=False\n");
        FakeUi ui;
        Program p(ui, dir.Path());
        MainWindowLoad(p, "");
        EXPECT_EQ(p.snaps.MaxPoints, capacity);
        // 3000 lines: 6000 end points, more than the default capacity of 4000.
        for (int i = 0; i < 3000; ++i)
            AddLine(p, i, 0, i, 1, false, i < 2999, false);
        EXPECT_EQ(p.snaps.PointCount, std::min(capacity, 6000));
        if (capacity > 6000) EXPECT_EQ(p.snaps.Pt(6000).X, 2999);  // the last line's end
    }
}

TEST(Startup, SplashWaitsForTheRoundedSecondPlusThree) {
    EXPECT_DOUBLE_EQ(SplashSecondsLeft(100.0), 3.0);
    EXPECT_NEAR(SplashSecondsLeft(100.4), 2.6, 1e-9);
    EXPECT_NEAR(SplashSecondsLeft(100.6), 3.4, 1e-9);
    EXPECT_NEAR(SplashSecondsLeft(86399.9), 3.1, 1e-9);  // just before midnight
}

struct CloseCase {
    bool modified;
    std::vector<MsgAnswer> answers;
    bool cancelled;
    std::size_t questions;
    bool named = true;  // the drawing has a file, so Yes saves without a dialog
};

TEST(Closing, Answers) {
    const CloseCase cases[] = {
        {false, {MsgAnswer::Yes}, false, 1},
        {false, {MsgAnswer::No}, true, 1},
        {true, {MsgAnswer::Cancel}, true, 1},
        {true, {MsgAnswer::No, MsgAnswer::Yes}, false, 2},
        {true, {MsgAnswer::Yes, MsgAnswer::No}, true, 2},
        {true, {MsgAnswer::Yes}, true, 1, false},  // the save dialog cancelled: nothing is lost
    };
    for (const auto& c : cases) {
        TempDir dir;
        FakeUi ui;
        ui.answers.assign(c.answers.begin(), c.answers.end());
        Program p(ui, dir.Path());
        p.drawing.Modified = c.modified;
        p.drawing.HasFileName = c.named;
        p.drawing.FileName = dir.File("part.vgm");
        EXPECT_EQ(MainWindowQueryUnload(p), c.cancelled);
        bool saved = std::filesystem::exists(dir.File("part.vgm"));
        EXPECT_EQ(saved, c.modified && c.named && c.answers[0] == MsgAnswer::Yes);
        EXPECT_EQ(p.drawing.Modified, c.modified && !saved);
        ASSERT_EQ(ui.messages.size(), c.questions);
        const auto& last = ui.messages.back();
        EXPECT_EQ(last.title, "Avsluta");
        if (c.modified) {
            EXPECT_EQ(ui.messages[0].text, "Spara ändringarna innan du avslutar ?");
            EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
        }
        if (c.questions == 2 || !c.modified) {
            EXPECT_EQ(last.text, "Avsluta Veltrum32 ?");
            EXPECT_EQ(last.buttons, MsgButtons::YesNo);
            EXPECT_EQ(last.icon, MsgIcon::Question);
        }
    }
}

TEST(Closing, UnloadWritesSettingsAndPlacement) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    MainWindowLoad(p, "");
    p.settings.EP = false;
    const WindowPlacement placement{false, 20, 30, 800, 600};
    MainWindowUnload(p, &placement, false);
    EXPECT_TRUE(p.closing);
    EXPECT_EQ(INIReadString(p.paths.SettingsFile(), "Program", "EP", ""), "False");
    EXPECT_EQ(INIReadLong(p.paths.SettingsFile(), "frm_main", "X", 0), 300);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ProgramFolder, ResolutionOrder) {
    EXPECT_EQ(ResolveProgramFolder("/a/home/", "/b", "/c"), "/a/home");
    EXPECT_EQ(ResolveProgramFolder("", "/b/", "/c"), "/b");
    EXPECT_EQ(ResolveProgramFolder("", "", "/c"), "/c");
    EXPECT_EQ(DriveOf("C:\\Program"), "C:");
    EXPECT_EQ(DriveOf("/opt/veltrum"), "");
    EXPECT_FALSE(ExecutableDir().empty());
}

TEST(CommandLineTest, Options) {
    CommandLine c = ParseCommandLine({"--home", "/x", "--no-splash", "part.vgm"});
    EXPECT_EQ(c.home, "/x");
    EXPECT_TRUE(c.noSplash);
    EXPECT_EQ(c.file, "part.vgm");
    EXPECT_TRUE(c.error.empty());
    EXPECT_FALSE(ParseCommandLine({"--bogus"}).error.empty());
    EXPECT_FALSE(ParseCommandLine({"--home"}).error.empty());
    EXPECT_FALSE(ParseCommandLine({"a.vgm", "b.vgm"}).error.empty());
}

}  // namespace
}  // namespace vt
