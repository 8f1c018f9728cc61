// The settings dialog: a private copy that OK makes the program's and Cancel drops, and what
// follows an OK (machines, multipliers, background).
#include <gtest/gtest.h>

#include <filesystem>

#include "app/program.h"
#include "app/settings_dialog.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;
namespace fs = std::filesystem;

class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialogTest() {
        fs::create_directories(dir.File("POST"));
        fs::copy_file(std::string(VT_POST_DIR) + "/iso_lathe_diameter.vtp",
                      dir.File("POST/svarv.vtp"));
        fs::create_directories(dir.File("other"));
        fs::copy_file(std::string(VT_POST_DIR) + "/linuxcnc_mill.vtp", dir.File("other/fras.vtp"));
        ui.program = &p;
        MainWindowLoad(p, "");
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(SettingsDialogTest, CancelDropsTheCopy) {
    ui.settingsAnswers.push_back([](SettingsDialog& d) {
        d.copy.BackColor = 255;
        d.copy.DrawColor = 0;
        return false;
    });
    const ProgramSettings before = p.settings;
    RunMenu(p, "mnuSettings");
    ASSERT_EQ(ui.shownSettings.size(), 1u);
    EXPECT_EQ(ui.shownSettings[0].machines, std::vector<std::string>{"Svarv diameter (ISO)"});
    EXPECT_EQ(p.settings.BackColor, before.BackColor);
    EXPECT_EQ(p.settings.DrawColor, before.DrawColor);
}

TEST_F(SettingsDialogTest, OkAppliesColoursMultipliersAndTheMachineFolder) {
    EXPECT_EQ(p.yMult, 2.0);
    ui.settingsAnswers.push_back([](SettingsDialog& d) {
        d.copy.BackColor = 255;
        d.copy.PPUseMult = false;
        d.copy.LoadLastDrawing = 0;
        return true;
    });
    RunMenu(p, "mnuSettings");
    EXPECT_EQ(p.settings.BackColor, 255);
    EXPECT_EQ(p.uiState.surfaceBackColor, 255);
    EXPECT_EQ(p.settings.LoadLastDrawing, 0);
    EXPECT_EQ(p.yMult, 1.0);

    const std::string other = dir.File("other/");
    ui.settingsAnswers.push_back([other](SettingsDialog& d) {
        d.copy.Postpath = other;
        return true;
    });
    RunMenu(p, "mnuSettings");
    EXPECT_EQ(p.uiState.ncMachines, std::vector<std::string>{"LinuxCNC fräs"});
    EXPECT_EQ(p.uiState.caption, "Veltrum32 - [ LinuxCNC fräs ]");
}

TEST_F(SettingsDialogTest, OkRebuildsTheSnapPointsWithTheNewColoursAndCapacity) {
    p.settings.EP = true;
    p.settings.POD = false;
    AddLine(p, 0, 0, 1, 1, false, false, false);
    AddLine(p, 2, 2, 3, 3, false, false, false);
    ASSERT_EQ(p.snaps.PointCount, 4);
    ui.settingsAnswers.push_back([](SettingsDialog& d) {
        d.copy.EndpointColor = 4242;
        d.copy.MaxPoints = 3;
        return true;
    });
    RunMenu(p, "mnuSettings");
    EXPECT_EQ(p.snaps.PointCount, 3);
    EXPECT_EQ(p.snaps.Pt(1).Color, 4242);
}

TEST_F(SettingsDialogTest, KeysByName) {
    ProgramSettings s;
    EXPECT_TRUE(SetSettingByName(s, "backcolor", "123"));
    EXPECT_TRUE(SetSettingByName(s, "MaskinAsk", "False"));
    EXPECT_TRUE(SetSettingByName(s, "LoadLastDrawing", "abc"));
    EXPECT_FALSE(SetSettingByName(s, "NoSuchKey", "1"));
    EXPECT_EQ(s.BackColor, 123);
    EXPECT_FALSE(s.MaskinAsk);
    EXPECT_EQ(s.LoadLastDrawing, 0);
}

}  // namespace
}  // namespace vt
