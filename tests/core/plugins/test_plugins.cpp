// Plug-ins: loading from the plugins folder, failures, menu entries, the plug-in boundary, every
// host operation, and the settings dialog's register button.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/program.h"
#include "app/startup.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/history.h"
#include "commands/menu_commands.h"
#include "commands/processors.h"
#include "plugins/plugins.h"
#include "plugins/program_host.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;
namespace fs = std::filesystem;

const char* const kLoadFailure =
    "Ett fel uppstod under initieringen av Plugin:er.\r\n"
    "Detta kan bero på att en eller flera plugin:er inte är registrerade korrekt.\r\n"
    "Gå till Inställningar - Plugin's och registrera om plugin:erna.\r\n";

class PluginTest : public ::testing::Test {
  protected:
    void Library(const std::string& from, const std::string& name) {
        fs::create_directories(dir.File("plugins"));
        fs::copy_file(from, dir.File("plugins/" + name));
    }
    void Load() {
        ui.program = &p;
        MainWindowLoad(p, "");
    }
    std::vector<std::string> Tags() const {
        std::vector<std::string> tags;
        for (const auto& e : p.uiState.pluginMenus)
            tags.push_back(e.menu + " " + e.tag + " " + e.caption);
        return tags;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(PluginTest, NoFolderNoMenusNoMessage) {
    Load();
    EXPECT_TRUE(p.plugins.items.empty());
    EXPECT_TRUE(p.uiState.pluginMenus.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PluginTest, LibrariesLoadInNameOrderWithTheirMenus) {
    Library(VT_EXAMPLE_PLUGIN, "bulthal.so");
    Library(VT_THROWING_PLUGIN, "kastar.so");
    WriteFileOrThrow(dir.File("plugins/readme.txt"), "not a library");
    Load();
    ASSERT_EQ(p.plugins.items.size(), 2u);
    EXPECT_EQ(Tags(), (std::vector<std::string>{
                          "mnuPointPlugins 0.1 Bulthålscirkel*",
                          "mnuModifyPlugins 0.2 Förläng linje*", "mnuNCPlugins 0.3 Fräs cirkel*",
                          "mnuPluginsPlugins 1.1 Kasta*", "mnuPluginsPlugins 1.2 Kasta igen*"}));
    auto rows = PluginRows(p);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "Bulthål");
    EXPECT_EQ(rows[0].version, "1.0");
    EXPECT_TRUE(PluginCanSetup(p, 0));
    EXPECT_FALSE(PluginCanSetup(p, 1));
    EXPECT_FALSE(PluginCanSetup(p, 7));
    EXPECT_TRUE(ui.messages.empty());
}

// What a plug-in command adds, its picks included, is one change: one undo takes it all back.
TEST_F(PluginTest, APluginsChangesAreOneChange) {
    Library(VT_EXAMPLE_PLUGIN, "bulthal.so");
    Load();
    AddRitPoint(p, 10, 10, false, false, false);
    ResetHistory(p);
    p.view.Skala = 0.01;
    ui.pumpActions.push_back([](Program& q) { DispatchClick(q, 10, 10); });  // the centre
    ui.dialogs.push_back(test::Ok({"20", "6", "0"}));
    RunPluginCommand(p, "0.1");
    EXPECT_EQ(p.drawing.ObjectCount, 1 + 1 + 6);  // the pitch circle and six holes
    EXPECT_EQ(p.changes.changes.size(), 1u);
    EXPECT_EQ(p.uiState.Menu("mnuUndo").text, "Ångra Bulthålscirkel");
    RunMenu(p, "mnuUndo");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    RunMenu(p, "mnuRedo");
    EXPECT_EQ(p.drawing.ObjectCount, 8);
}

TEST_F(PluginTest, ABrokenLibraryStopsTheLoadingAfterTheOnesBefore) {
    Library(VT_EXAMPLE_PLUGIN, "bulthal.so");
    WriteFileOrThrow(dir.File("plugins/trasig.so"), "this is no shared library");
    Library(VT_THROWING_PLUGIN, "zz_kastar.so");  // its class would be zz_kastar.plugin
    Load();
    EXPECT_EQ(p.plugins.items.size(), 1u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(kLoadFailure, 0), 0u) << ui.messages[0].text;
    EXPECT_NE(ui.messages[0].text.find("trasig.so"), std::string::npos);
    EXPECT_EQ(ui.messages[0].title, "Plugin:er");

    // A library whose class is not the one its name asks for fails the same way.
    TempDir other;
    fs::create_directories(other.File("plugins"));
    fs::copy_file(VT_THROWING_PLUGIN, other.File("plugins/annat.so"));
    FakeUi ui2;
    Program q(ui2, other.Path());
    ui2.program = &q;
    MainWindowLoad(q, "");
    EXPECT_TRUE(q.plugins.items.empty());
    ASSERT_EQ(ui2.messages.size(), 1u);
    EXPECT_NE(ui2.messages[0].text.find("annat.so"), std::string::npos);
}

TEST_F(PluginTest, WhatAPluginThrowsIsReportedAndTheProgramGoesOn) {
    Library(VT_THROWING_PLUGIN, "kastar.so");
    Load();
    AddLine(p, 0, 0, 1, 1, false, false, false);
    RunPluginCommand(p, "0.1");
    RunPluginCommand(p, "0.2");
    RunPluginCommand(p, "5.1");  // no such plug-in: nothing happens
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].title, "Fel");
    EXPECT_NE(ui.messages[1].text.find("440"), std::string::npos) << ui.messages[1].text;
    EXPECT_EQ(p.drawing.ObjectCount, 1);
}

TEST_F(PluginTest, RegisterChecksEveryLibrary) {
    Library(VT_EXAMPLE_PLUGIN, "bulthal.so");
    WriteFileOrThrow(dir.File("plugins/trasig.so"), "broken");
    Load();
    ui.messages.clear();
    cmdRegPlugins_Click(p);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_NE(ui.messages[0].text.find("trasig.so"), std::string::npos);
    EXPECT_EQ(ui.messages[1].text,
              "Registrering av plugin:er klar. Omstartning av Veltrum32 krävs för att plugin:erna "
              "skall fungera.");
    EXPECT_EQ(ui.messages[1].icon, MsgIcon::Information);
}

// The host operations, called as a plug-in would.
class HostTest : public PluginTest {
  protected:
    HostTest() {
        Load();
        p.view.Skala = 0.01;
        AddLine(p, 0, 0, 10, 0, false, false, false);
        double r = 5;
        AddArc(p, 20, 0, 0, 0, r, false, false, false);
    }
    void ClickNext(double x, double y) {
        ui.pumpActions.push_back(
            [x, y](Program& q) { DispatchClick(q, static_cast<float>(x), static_cast<float>(y)); });
    }
    ProgramHost host{p};
};

TEST_F(HostTest, VariablesAndObjects) {
    EXPECT_EQ(host.pVar(0).number, 2);
    EXPECT_EQ(host.pVar(1).number, p.snaps.PointCount);
    EXPECT_EQ(host.pVar(16).text, "X");
    EXPECT_EQ(host.pVar(17).text, "Y");
    EXPECT_EQ(host.pVar(2).kind, veltrum::Value::Boolean);

    veltrum::DrawingObject o;
    EXPECT_FALSE(host.pRitObjekt(0, o));
    EXPECT_FALSE(host.pRitObjekt(3, o));
    ASSERT_TRUE(host.pRitObjekt(1, o));
    EXPECT_EQ(o.X2, 10);
    o.X2 = 12;
    EXPECT_TRUE(host.pUpdateRitObjekt(1, o));
    EXPECT_EQ(p.drawing.Obj(1).X2, 12);
    EXPECT_TRUE(p.drawing.Modified);
    bool endSnap = false;  // the snap points follow the changed line
    for (int i = 1; i <= p.snaps.PointCount; ++i)
        if (p.snaps.Pt(i).X == 12 && p.snaps.Pt(i).Y == 0) endSnap = true;
    EXPECT_TRUE(endSnap);
    o.X2 = std::nan("");
    EXPECT_FALSE(host.pUpdateRitObjekt(1, o));
    ASSERT_TRUE(host.pRitObjekt(2, o));
    o.R = 1e9;  // beyond the coordinate limit
    EXPECT_FALSE(host.pUpdateRitObjekt(2, o));
    EXPECT_EQ(p.drawing.Obj(2).R, 5);

    host.pAddLocation("Plugin.Routine()");
    EXPECT_NE(BuildErrorReport(p.errorTrail, 6, "Overflow").find("Plugin.Routine()"),
              std::string::npos);
    host.AddVV(1, 3, 4, 0, 0, 0, 0, true);
    EXPECT_EQ(p.toolPath.Op(1).Typ, 7);
    EXPECT_TRUE(host.AddCircle(1, 1, 2));
    EXPECT_FALSE(host.AddCircle(1, 1, 1e9));
    EXPECT_FALSE(host.AddLine(0, 0, std::nan(""), 1));
}

TEST_F(HostTest, PicksWaitOnTheEventPump) {
    double x = 0, y = 0;
    ClickNext(10, 0);
    EXPECT_TRUE(host.pGetPointInput(x, y));
    EXPECT_EQ(x, 10);
    EXPECT_EQ(p.cmd.Operation, 255);

    double x1, y1, x2, y2;
    ui.pumpActions.push_back([](Program&) {});  // an event that is no pick: still waiting
    ClickNext(5, 0);
    EXPECT_TRUE(host.pGetLineInput(x1, y1, x2, y2));
    EXPECT_EQ(x2, 10);
    EXPECT_TRUE(p.drawing.Obj(1).Selected);

    double cx, cy, r, a1, a2;
    ClickNext(25, 0);
    EXPECT_TRUE(host.pGetArcInput(cx, cy, r, a1, a2));
    EXPECT_EQ(cx, 20);
    EXPECT_EQ(r, 5);

    // Cancelled (the fake cancels when no event is left): false, and no command stays active.
    EXPECT_FALSE(host.pGetLineInput(x1, y1, x2, y2));
    EXPECT_EQ(p.cmd.Operation, 255);
    // A closing program ends the wait.
    p.closing = true;
    EXPECT_FALSE(host.pGetPointInput(x, y));
}

TEST_F(HostTest, TypedValuesAndMarking) {
    ui.dialogs.push_back(test::Ok({"M8"}));
    std::string text = "M3";
    EXPECT_TRUE(host.pTextInput(text));
    EXPECT_EQ(ui.shownDialogs.back().text[1], "M3");
    EXPECT_EQ(text, "M8");

    std::string a = "1", b = "2", c = "unchanged";
    ui.dialogs.push_back(test::Ok({"2*4", "7"}));
    EXPECT_TRUE(host.pInput("Radie", a, "Antal", b, "", c));
    EXPECT_EQ(ui.shownDialogs.back().label[1], "Radie = ");
    EXPECT_FALSE(ui.shownDialogs.back().rowVisible[3]);
    EXPECT_EQ(a, "8");
    EXPECT_EQ(b, "7");
    EXPECT_EQ(c, "unchanged");
    ui.dialogs.push_back(test::Cancel());
    EXPECT_FALSE(host.pInput("Radie", a, "", b, "", c));
    EXPECT_EQ(a, "8");

    host.pSelectSave(177);
    EXPECT_EQ(p.cmd.Operation, 177);
    EXPECT_TRUE(p.cmd.PickLines);
    DispatchClick(p, 5, 0);
    EXPECT_TRUE(p.drawing.Obj(1).Selected);
}

}  // namespace
}  // namespace vt
