// A construction through the real window: mouse clicks on the surface and typing into the real
// value dialog, with Enter walking the fields.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "frm_input.h"
#include "frm_main.h"
#include "locale_util.h"
#include "qt_ui.h"
#include "rit_yta.h"
#include "test_util.h"
#include "view/view.h"

namespace vt::gui {
namespace {

// Runs `answer` on the value dialog as soon as it is open.
void WhenDialogOpens(std::function<void(QDialog*)> answer) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != "frm_input" || !d->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(d);
    });
    timer->start();
}

// Reads and closes every message box while it lives.
struct MessageBoxes {
    MessageBoxes() {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer.start();
    }
    QStringList texts;
    QTimer timer;
};

class GuiConstruction : public ::testing::Test {
  protected:
    GuiConstruction() {
        ui.SetMainWindow(&w);
        w.Load("");
        w.resize(900, 700);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QPoint At(double x, double y) {
        return QPoint(static_cast<int>(std::lround(ToColumn(p.view, x))),
                      static_cast<int>(std::lround(ToRow(p.view, y))));
    }
    test::TempDir dir;
    QtUi ui;
    Program p{ui, dir.Path()};
    FrmMain w{p};
};

TEST_F(GuiConstruction, CircleByAPickedCentreAndATypedRadius) {
    AddLine(p, -100, 0, 100, 0, false, false, false);
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    WhenDialogOpens([](QDialog* d) {
        auto* text1 = d->findChild<QLineEdit*>("Text1");
        EXPECT_TRUE(text1->isVisible());
        EXPECT_FALSE(d->findChild<QLineEdit*>("Text2")->isVisible());
        QTest::keyClicks(text1, "2*3");
        QTest::keyClick(text1, Qt::Key_Return);  // the last field: Enter confirms
    });
    QTest::mouseClick(w.Surface(), Qt::LeftButton, Qt::NoModifier,
                      At(100, 2));  // near the end point
    ASSERT_EQ(p.drawing.ObjectCount, 2);
    EXPECT_EQ(p.drawing.Obj(2).CX, 100);
    EXPECT_EQ(p.drawing.Obj(2).CY, 0);
    EXPECT_EQ(p.drawing.Obj(2).R, 6);
    EXPECT_EQ(p.cmd.Operation, OP_CIRCLE_CENTER_RADIUS);
    EXPECT_EQ(p.cmd.OpStep, 1);
}

TEST_F(GuiConstruction, ABadRadiusKeepsTheDialogOpenWithTheFieldSelected) {
    AddLine(p, -100, 0, 100, 0, false, false, false);
    MessageBoxes boxes;
    QStringList& messages = boxes.texts;
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    QString selected;
    bool stillOpen = false;
    WhenDialogOpens([&](QDialog* d) {
        auto* text1 = d->findChild<QLineEdit*>("Text1");
        QTest::keyClicks(text1, "45*sin(60");
        QTest::keyClick(text1, Qt::Key_Return);
        stillOpen = d->isVisible();
        selected = text1->selectedText();
        EXPECT_EQ(d->focusWidget(), text1);
        QTest::keyClicks(text1, "5");  // replaces the selected text
        QTest::keyClick(text1, Qt::Key_Return);
    });
    QTest::mouseClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, At(100, 2));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(selected, "45*sin(60");
    EXPECT_EQ(messages, QStringList{"Felaktigt värde, försök igen."});  // once, not per event
    ASSERT_EQ(p.drawing.ObjectCount, 2);
    EXPECT_EQ(p.drawing.Obj(2).R, 5);
}

TEST_F(GuiConstruction, EqualsOnABadValueSaysSoOnce) {
    MessageBoxes boxes;
    QStringList& messages = boxes.texts;
    w.findChild<QAction*>("mnuPointP")->trigger();
    WhenDialogOpens([&](QDialog* d) {
        auto* text2 = d->findChild<QLineEdit*>("Text2");
        text2->setFocus();
        QTest::keyClicks(text2, "2*(");
        QTest::mouseClick(d->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(messages.size(), 1);
        text2->selectAll();
        QTest::keyClicks(text2, "4");
        QTest::mouseClick(d->findChild<QPushButton*>("Command2"), Qt::LeftButton);
        EXPECT_EQ(text2->text(), "4");
        d->reject();
    });
    w.findChild<QPushButton*>("ValuesButton")->click();
    EXPECT_EQ(messages, QStringList{"Felaktigt värde, försök igen."});
}

// With the window low on the screen the dialog still opens inside it, beside the prompt lines and
// off the point under the mouse.
TEST_F(GuiConstruction, TheValueDialogOpensInsideTheScreen) {
    const QRect area = w.screen()->availableGeometry();
    w.move(area.left(), area.bottom() - w.frameGeometry().height() + 60);
    QApplication::processEvents();
    const QPoint mouse =
        w.Surface()->mapToGlobal(QPoint(w.Surface()->width() - 30, w.Surface()->height() - 20));
    QCursor::setPos(mouse);
    QRect placed;
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    WhenDialogOpens([&](QDialog* d) {
        placed = d->frameGeometry();
        d->reject();
    });
    w.findChild<QPushButton*>("ValuesButton")->click();
    ASSERT_FALSE(placed.isEmpty());
    EXPECT_TRUE(area.contains(placed))
        << placed.x() << "," << placed.y() << " " << placed.width() << "x" << placed.height();
    EXPECT_FALSE(placed.contains(mouse));
}

TEST_F(GuiConstruction, TypedPointWalksTheFieldsWithEnter) {
    w.findChild<QAction*>("mnuPointP")->trigger();
    WhenDialogOpens([](QDialog* d) {
        auto* text1 = d->findChild<QLineEdit*>("Text1");
        auto* text2 = d->findChild<QLineEdit*>("Text2");
        QTest::keyClicks(text1, "10/4");
        QTest::keyClick(text1, Qt::Key_Return);
        EXPECT_TRUE(text2->hasFocus());
        EXPECT_EQ(text1->text(), "2.5");  // evaluated when left
        QTest::keyClicks(text2, "7");
        QTest::keyClick(text2, Qt::Key_Return);
    });
    w.findChild<QPushButton*>("ValuesButton")->click();
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).X1, 2.5);
    EXPECT_EQ(p.drawing.Obj(1).Y1, 7);
}

// On a Swedish desktop (the C library's locale and Qt's both with a decimal comma) typed decimals
// keep their decimals with either separator, and values are shown with a comma.
TEST_F(GuiConstruction, DecimalCommaDesktop) {
    test::ScopedLocale locale("sv_SE.UTF-8");
    ASSERT_TRUE(locale.Ok());
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    p.decimalSeparator = ',';
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    WhenDialogOpens([](QDialog* d) {
        auto* text1 = d->findChild<QLineEdit*>("Text1");
        auto* text2 = d->findChild<QLineEdit*>("Text2");
        auto* text3 = d->findChild<QLineEdit*>("Text3");
        text1->selectAll();
        QTest::keyClicks(text1, "2.5");
        QTest::keyClick(text1, Qt::Key_Return);
        EXPECT_EQ(text1->text(), "2,5");
        text2->selectAll();
        QTest::keyClicks(text2, "1,5+0,25");
        QTest::keyClick(text2, Qt::Key_Return);
        EXPECT_EQ(text2->text(), "1,75");
        text3->selectAll();
        QTest::keyClicks(text3, "22.5");
        QTest::keyClick(text3, Qt::Key_Return);
    });
    w.findChild<QPushButton*>("ValuesButton")->click();
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).CX, 2.5);
    EXPECT_EQ(p.drawing.Obj(1).CY, 1.75);
    EXPECT_EQ(p.drawing.Obj(1).R, 22.5);
}

TEST_F(GuiConstruction, ADigitTypedOnTheWindowStartsTheFirstField) {
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    WhenDialogOpens([](QDialog* d) {
        auto* text1 = d->findChild<QLineEdit*>("Text1");
        QApplication::processEvents();
        EXPECT_EQ(text1->text(), "6");
        EXPECT_TRUE(text1->selectedText().isEmpty());  // the caret after the digit: typing goes on
        QTest::keyClicks(text1, "0");
        QTest::keyClick(text1, Qt::Key_Return);
        QTest::keyClicks(d->findChild<QLineEdit*>("Text2"), "-5");
        QTest::keyClick(d->findChild<QLineEdit*>("Text2"), Qt::Key_Return);
        QTest::keyClicks(d->findChild<QLineEdit*>("Text3"), "25");
        QTest::keyClick(d->findChild<QLineEdit*>("Text3"), Qt::Key_Return);
    });
    QTest::keyClick(&w, '6');
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).CX, 60);
    EXPECT_EQ(p.drawing.Obj(1).CY, -5);
    EXPECT_EQ(p.drawing.Obj(1).R, 25);
}

TEST_F(GuiConstruction, EscapeCancelsTheCommand) {
    w.findChild<QAction*>("mnuLinjelm2a")->trigger();
    WhenDialogOpens(
        [](QDialog* d) { QTest::keyClick(d->findChild<QLineEdit*>("Text1"), Qt::Key_Escape); });
    w.findChild<QPushButton*>("ValuesButton")->click();
    EXPECT_EQ(p.cmd.Operation, 255);
    EXPECT_EQ(p.drawing.ObjectCount, 0);
}

}  // namespace
}  // namespace vt::gui
