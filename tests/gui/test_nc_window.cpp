// The NC code window and the machine menu in the real widgets.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/program.h"
#include "base/text_file.h"
#include "commands/history.h"
#include "commands/menu_commands.h"
#include "frm_main.h"
#include "main_menu.h"
#include "test_util.h"

namespace vt::gui {
namespace {

using test::FakeUi;
using test::TempDir;

void Op(Program& p, int16_t typ, double x, double y) {
    test::AddMove(p, typ, x, y);
}

class GuiNc : public ::testing::Test {
  protected:
    GuiNc() {
        std::filesystem::copy(VT_POST_DIR, dir.File("POST"));
        WriteFileOrThrow(dir.File("veltrum32.ini"),
                         "[Program]\r\nMaskinAsk=False\r\nDefaultMachine=ISO fräs (Fanuc)\r\n");
        ui.program = &p;
        w.Load("");
        w.show();
    }
    void Trigger(const char* action) {
        QAction* a = w.findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action;
        a->trigger();
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
    FrmMain w{p};
};

TEST_F(GuiNc, WindowTabsAndMachineChange) {
    Op(p, 1, 1, 2);
    Op(p, 7, 3, 4);
    ResetHistory(p);  // the path as if opened with the drawing
    Trigger("mnuNCVisaNC");
    auto* nc = w.findChild<QWidget*>("frm_nccode");
    ASSERT_NE(nc, nullptr);
    EXPECT_TRUE(nc->isVisible());
    auto* code = nc->findChild<QPlainTextEdit*>("txtNCCode");
    auto* box = nc->findChild<QComboBox*>("combo_Maskin");
    ASSERT_TRUE(code && box);
    EXPECT_EQ(box->currentText(), "ISO fräs (Fanuc)");
    EXPECT_TRUE(code->toPlainText().contains(" X1. Y2. F200. (P1)\n"))
        << code->toPlainText().toStdString();
    EXPECT_EQ(nc->findChild<QLabel*>("StatusPanel1")->text(),
              QString::number(code->toPlainText().count('\n')) + " rader");

    // The next machine in the box: the code, the caption and the menu follow.
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->currentText(), "Svarv diameter (ISO)");
    EXPECT_TRUE(code->toPlainText().contains("G1 X4. Z1. F0.15 (P1)"))
        << code->toPlainText().toStdString();
    EXPECT_EQ(w.windowTitle(), "Veltrum32 - [ Svarv diameter (ISO) ]");
    QList<QAction*> entries;
    for (QAction* a : w.findChildren<QAction*>())
        if (a->property("machineIndex").isValid()) entries << a;
    ASSERT_EQ(entries.size(), 4);
    for (QAction* a : entries)
        EXPECT_EQ(a->isChecked(), a->text() == "Svarv diameter (ISO)");

    // A machine from the menu selects it in the box.
    for (QAction* a : entries)
        if (a->text() == "LinuxCNC fräs") a->trigger();
    EXPECT_EQ(box->currentText(), "LinuxCNC fräs");
    EXPECT_TRUE(code->toPlainText().contains("x1 y2 f200 (P1)"));

    // The operations tab lists the absolute moves; the settings tab holds the options.
    auto* tabs = nc->findChild<QTabWidget*>("SSTabNC");
    tabs->setCurrentIndex(1);
    auto* ops = nc->findChild<QTreeWidget*>("lvOps");
    ASSERT_EQ(ops->topLevelItemCount(), 1);
    EXPECT_EQ(ops->topLevelItem(0)->text(1), "G01");
    EXPECT_EQ(ops->topLevelItem(0)->text(2), "1, 2");
    tabs->setCurrentIndex(2);
    auto* comments = nc->findChild<QCheckBox*>("cbComments");
    EXPECT_TRUE(comments->isChecked());
    comments->click();
    EXPECT_FALSE(p.settings.Comments);
    tabs->setCurrentIndex(0);
    EXPECT_FALSE(code->toPlainText().contains("(P1)"));

    // Typed edits are what is copied.
    code->setPlainText("G0 X0\nM30\n");
    QTest::mouseClick(nc->findChild<QWidget*>("cmdClipboard"), Qt::LeftButton);
    EXPECT_EQ(ui.clipboard, "G0 X0\r\nM30\r\n");

    // Quitting stores the NC window's placement too.
    Trigger("mnuQuit");
    EXPECT_FALSE(w.isVisible());
    std::string ini;
    ReadFileBytes(p.paths.SettingsFile(), ini);
    EXPECT_NE(ini.find("[frm_nccode]"), std::string::npos);
    EXPECT_NE(ini.find("DefaultMachine=LinuxCNC fräs"), std::string::npos);
}

// The job settings on the settings tab: an empty field shows the machine's value, a typed one
// becomes the drawing's and reaches the code, a bad one is refused, a lathe has no heights.
TEST_F(GuiNc, JobSettingsTab) {
    Op(p, 1, 1, 2);
    Trigger("mnuNCVisaNC");
    auto* nc = w.findChild<QWidget*>("frm_nccode");
    ASSERT_NE(nc, nullptr);
    nc->findChild<QTabWidget*>("SSTabNC")->setCurrentIndex(2);
    auto* feed = nc->findChild<QLineEdit*>("txtJobFeed");
    auto* safe = nc->findChild<QLineEdit*>("txtJobSafeZ");
    auto* coolant = nc->findChild<QComboBox*>("cboJobCoolant");
    ASSERT_TRUE(feed && safe && coolant);
    EXPECT_EQ(feed->text(), "");
    EXPECT_EQ(feed->placeholderText(), "200");
    EXPECT_EQ(coolant->currentText(), "Maskinens värde: Av");
    feed->setFocus();
    QTest::keyClicks(feed, "275,5");
    QTest::keyClick(feed, Qt::Key_Return);
    EXPECT_EQ(p.jobSettings.at("Feed"), "275.5");
    EXPECT_TRUE(p.drawing.Modified);
    auto* code = nc->findChild<QPlainTextEdit*>("txtNCCode");
    EXPECT_TRUE(code->toPlainText().contains("F275.5")) << code->toPlainText().toStdString();
    coolant->setCurrentIndex(2);
    emit coolant->activated(2);
    EXPECT_EQ(p.jobSettings.at("Coolant"), "Flood");
    EXPECT_TRUE(code->toPlainText().contains("\nN40 M8\n")) << code->toPlainText().toStdString();
    feed->selectAll();
    QTest::keyClicks(feed, "snabb");
    QTest::keyClick(feed, Qt::Key_Return);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Ogiltigt värde för Matning (F): snabb");
    EXPECT_EQ(p.jobSettings.at("Feed"), "275.5");
    EXPECT_EQ(feed->text(), "275.5");
    // The lathe: no safe height or depth to set.
    nc->findChild<QComboBox*>("combo_Maskin")->setCurrentText("Svarv diameter (ISO)");
    emit nc->findChild<QComboBox*>("combo_Maskin")
        ->activated(nc->findChild<QComboBox*>("combo_Maskin")->currentIndex());
    EXPECT_FALSE(safe->isEnabled());
    EXPECT_TRUE(feed->isEnabled());
    QTest::mouseClick(nc->findChild<QWidget*>("cmdJobDefaults"), Qt::LeftButton);
    EXPECT_TRUE(p.jobSettings.empty());
    EXPECT_EQ(feed->text(), "");
    EXPECT_EQ(feed->placeholderText(), "0.15");
}

// Every menu item reaches a handler (quitting is the window's own closing).
TEST_F(GuiNc, EveryMenuItemIsWired) {
    const std::vector<std::string> handled = MenuHandlerNames();
    for (const MenuEntry& e : MainMenuLayout()) {
        if (e.kind != MenuEntry::Item && e.kind != MenuEntry::Check) continue;
        const std::string name = e.name;
        EXPECT_TRUE(std::find(handled.begin(), handled.end(), name) != handled.end() ||
                    name == "mnuQuit")
            << name;
    }
}

}  // namespace
}  // namespace vt::gui
