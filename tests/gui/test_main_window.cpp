// The main window: every named menu, toolbar and panel; clicks on the surface reaching the core.
#include <gtest/gtest.h>
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "app/program.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "frm_main.h"
#include "main_menu.h"
#include "rit_yta.h"
#include "test_util.h"
#include "view/view.h"

namespace vt::gui {
namespace {

using test::FakeUi;
using test::TempDir;

TEST(GuiMainWindow, HasEveryMenuToolbarAndPanel) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FrmMain w(p);
    w.Load("");
    for (const char* menu :
         {"mnuFile", "mnuCirkel", "mnuLinje", "mnuPunkt", "mnuModifiera", "mnuNCData", "mnuZoom",
          "mnuPlugins", "mnuHelp", "mnuShowIntersection", "mnuNCMachine"})
        EXPECT_NE(w.findChild<QMenu*>(menu), nullptr) << menu;
    // Every command of the mode table, every menu the language map names and every handler.
    std::vector<std::string> names;
    for (const auto& m : ModeTable())
        names.push_back(m.menu);
    for (const auto& [name, number] : Language::MenuNumbers())
        names.push_back(name);
    for (const char* extra :
         {"mnuLinjeBHA", "mnuNCAutoKontur", "mnuNCClearAll", "mnuShowPointsOnDemand",
          "mnuImportDxf", "mnuImportRit", "mnuExportRit", "mnuExportDxf", "mnuNCMachines", "mnuFilePlugins",
          "mnuArcPlugins", "mnuLinePlugins", "mnuPointPlugins", "mnuModifyPlugins", "mnuNCPlugins",
          "mnuZoomPlugins", "mnuPluginsPlugins"})
        names.push_back(extra);
    for (const std::string& n : names) {
        QString q = QString::fromStdString(n);
        EXPECT_TRUE(w.findChild<QAction*>(q) || w.findChild<QMenu*>(q)) << n;
    }
    // Every menu item a command table knows is wired to a handler.
    for (const MenuEntry& e : MainMenuLayout())
        if (e.kind == MenuEntry::Item && FindModeByMenu(e.name))
            EXPECT_TRUE(RunMenu(p, e.name)) << e.name;
    for (const auto& t : Toolbars()) {
        auto* bar = w.findChild<QToolBar*>(t.name);
        ASSERT_NE(bar, nullptr) << t.name;
        EXPECT_EQ(bar->actions().size(), t.buttons) << t.name;
        for (QAction* a : bar->actions())
            if (!a->isSeparator())
                EXPECT_FALSE(a->icon().isNull() || a->toolTip().isEmpty()) << t.name;
    }
    for (int i = 1; i <= 16; ++i)
        EXPECT_NE(w.findChild<QLabel*>(QString("Panel%1").arg(i)), nullptr) << i;
    EXPECT_FALSE(w.findChild<QAction*>("tbr_delete_5")->isEnabled());
    EXPECT_FALSE(w.findChild<QAction*>("mnuUndo")->isEnabled());
    EXPECT_EQ(w.findChild<QAction*>("mnuShowEndpoints")->isChecked(), p.settings.EP);
}

TEST(GuiMainWindow, MenusAndPanelsReachTheCore) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FrmMain w(p);
    w.Load("");
    w.findChild<QAction*>("mnuCirkelg3p")->trigger();
    EXPECT_EQ(p.cmd.Operation, OP_CIRCLE_3PT);
    EXPECT_EQ(w.findChild<QLineEdit*>("FunctionText")->text(),
              QString::fromUtf8(" CIRKEL MED 3 PUNKTER"));
    EXPECT_TRUE(w.findChild<QWidget*>("InputFrame")->isVisibleTo(&w));
    w.findChild<QAction*>("tbr_Circle_1")->trigger();
    EXPECT_EQ(p.cmd.Operation, OP_CIRCLE_CENTER_RADIUS);
    bool ep = p.settings.EP;
    QTest::mouseClick(w.findChild<QLabel*>("Panel11"), Qt::LeftButton);
    EXPECT_EQ(p.settings.EP, !ep);
    EXPECT_EQ(w.findChild<QAction*>("mnuShowEndpoints")->isChecked(), !ep);
}

TEST(GuiMainWindow, ClicksOnTheSurfaceReachTheCoreAtTheirDrawingPosition) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FrmMain w(p);
    w.Load("");
    w.resize(900, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    RitYta* surface = w.Surface();
    EXPECT_EQ(p.view.W, surface->width());
    w.findChild<QAction*>("mnuZoomFonster")->trigger();
    // Corners at drawing (−20, −10) and (20, 10): the window zoom fits that rectangle.
    auto at = [&](double x, double y) {
        return QPoint(static_cast<int>(std::lround(ToColumn(p.view, x))),
                      static_cast<int>(std::lround(ToRow(p.view, y))));
    };
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, at(-20, -10));
    EXPECT_NEAR(p.cmd.Step(1).X, -20, 1.0);
    EXPECT_NEAR(p.cmd.Step(1).Y, -10, 1.0);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, at(20, 10));
    EXPECT_EQ(p.cmd.OpStep, 1);
    double expected = std::max(40.0 / surface->width(), 20.0 / surface->height()) * 1.1;
    EXPECT_NEAR(p.view.Skala, expected, expected * 0.06);
    EXPECT_NEAR(ToColumn(p.view, 0), surface->width() / 2.0, 2);
    // A right click cancels.
    QTest::mouseClick(surface, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(p.cmd.Operation, 255);
}

}  // namespace
}  // namespace vt::gui
