// The main window in daily use: the start-up drawing fitted to the laid-out surface, keys that
// belong to an open menu, the NC window brought back to the front.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <filesystem>

#include "app/program.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "commands/mode_table.h"
#include "frm_main.h"
#include "rit_yta.h"
#include "test_util.h"
#include "view/view.h"

namespace vt::gui {
namespace {

using test::FakeUi;
using test::TempDir;

// A 100 × 60 plate written as last.dat into the folder.
void WritePlate(const TempDir& dir) {
    FakeUi ui;
    Program q(ui, dir.Path());
    AddLine(q, 0, 0, 100, 0, false, true, false);
    AddLine(q, 100, 0, 100, 60, false, true, false);
    AddLine(q, 100, 60, 0, 60, false, true, false);
    AddLine(q, 0, 60, 0, 0, false, true, false);
    ASSERT_TRUE(SaveGEO(q, dir.File("last.dat")));
}

TEST(GuiDailyUse, TheStartUpDrawingFillsTheRealSurface) {
    TempDir dir;
    WritePlate(dir);
    WriteFileOrThrow(dir.File("veltrum32.ini"), "[Program]\r\nLoadLastDrawing=1\r\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    ui.program = &p;
    FrmMain w(p);
    w.Load("");
    ASSERT_EQ(p.drawing.ObjectCount, 4);
    w.resize(1200, 850);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QApplication::processEvents();
    const RitYta* s = w.Surface();
    ASSERT_GT(s->width(), 600);
    EXPECT_EQ(p.view.W, s->width());
    EXPECT_EQ(p.view.H, s->height());
    // The plate spans most of the surface in one direction and sits in its middle.
    const double left = ToColumn(p.view, 0), right = ToColumn(p.view, 100);
    const double top = ToRow(p.view, 60), bottom = ToRow(p.view, 0);
    EXPECT_GT(std::max((right - left) / s->width(), (bottom - top) / s->height()), 0.8);
    EXPECT_LE(right, s->width());
    EXPECT_GE(left, 0);
    EXPECT_NEAR((left + right) / 2, s->width() / 2.0, 2);
    EXPECT_NEAR((top + bottom) / 2, s->height() / 2.0, 2);
    // Once the user zooms, a new size keeps the view.
    w.findChild<QAction*>("mnuZoomin")->trigger();
    const double skala = p.view.Skala;
    w.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(p.view.Skala, skala);
}

class GuiKeys : public ::testing::Test {
  protected:
    GuiKeys() {
        ui.program = &p;
        w.Load("");
        w.resize(1000, 700);
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
    FrmMain w{p};
};

TEST_F(GuiKeys, AnOpenMenuGetsItsKeys) {
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    const int16_t operation = p.cmd.Operation;
    const double offsetX = p.view.OffsetX, skala = p.view.Skala;
    auto* menu = w.findChild<QMenu*>("mnuZoom");
    ASSERT_NE(menu, nullptr);
    menu->popup(w.mapToGlobal(QPoint(100, 100)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    for (int key : {int(Qt::Key_Right), int(Qt::Key_Down), int('1'), int('N')})
        QTest::keyClick(menu, Qt::Key(key));
    EXPECT_EQ(p.cmd.Operation, operation);  // no G0–G3 started
    EXPECT_EQ(p.view.OffsetX, offsetX);     // no pan
    EXPECT_EQ(p.view.Skala, skala);         // no zoom
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(p.cmd.Operation, operation);  // Escape closed the menu, not the command
    // With the menu closed the drawing has the keys again.
    while (QApplication::activePopupWidget()) {
        QApplication::activePopupWidget()->close();
        QApplication::processEvents();
    }
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_EQ(p.cmd.Operation, 255);
}

TEST(GuiDailyUse, TheNcWindowComesBackAfterAClickOnTheDrawing) {
    TempDir dir;
    std::filesystem::copy(VT_POST_DIR, dir.File("POST"));
    WriteFileOrThrow(dir.File("veltrum32.ini"), "[Program]\r\nDefaultMachine=ISO fräs (Fanuc)\r\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    ui.program = &p;
    FrmMain w(p);
    w.Load("");
    w.resize(1000, 700);
    w.show();
    test::AddMove(p, 1, 10, 10);
    w.findChild<QAction*>("mnuNCVisaNC")->trigger();
    auto* nc = w.findChild<QWidget*>("frm_nccode");
    ASSERT_NE(nc, nullptr);
    EXPECT_TRUE(nc->isVisible());
    EXPECT_TRUE(nc->windowFlags() & Qt::Tool);
    // A tool window counts as active with its owner, so the window with the keyboard is asked.
    const auto focused = [](QWidget* x) {
        return QTest::qWaitFor([x] { return QGuiApplication::focusWindow() == x->windowHandle(); });
    };
    EXPECT_TRUE(focused(nc));
    // The main window takes the focus with a click on the drawing.
    w.activateWindow();
    ASSERT_TRUE(focused(&w));
    QTest::mouseClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    w.findChild<QAction*>("mnuNCVisaNC")->trigger();
    EXPECT_TRUE(nc->isVisible());
    EXPECT_TRUE(focused(nc));
}

}  // namespace
}  // namespace vt::gui
