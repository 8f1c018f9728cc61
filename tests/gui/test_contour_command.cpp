// "Kontur från kedja" through the real window: a click on the surface, the contour question
// answered with its radio buttons, the chain highlighted while it is open and the question off
// the clicked point.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "frm_main.h"
#include "qt_ui.h"
#include "rit_yta.h"
#include "test_util.h"
#include "view/view.h"

namespace vt::gui {
namespace {

TEST(GuiContour, AChainPickedAndAnsweredInTheWindow) {
    test::TempDir dir;
    QtUi ui;
    Program p{ui, dir.Path()};
    FrmMain w{p};
    ui.SetMainWindow(&w);
    ui.SetProgram(&p);
    w.Load("");
    w.resize(900, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (auto [x1, y1, x2, y2] :
         {std::array{0, 0, 100, 0}, {100, 0, 100, 100}, {100, 100, 0, 100}, {0, 100, 0, 0}})
        AddLine(p, x1, y1, x2, y2, false, false, false);
    w.findChild<QAction*>("mnuZoomScreen")->trigger();
    w.findChild<QAction*>("mnuNCKedja")->trigger();
    const QPoint click(static_cast<int>(std::lround(ToColumn(p.view, 50))),
                       static_cast<int>(std::lround(ToRow(p.view, 0))));
    const QPoint clickOnScreen = w.Surface()->mapToGlobal(click);
    int highlighted = 0;
    bool coversClick = true;
    auto* timer = new QTimer(&w);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != "frm_Contour" || !d->isVisible()) return;
        timer->stop();
        for (int i = 1; i <= p.drawing.ObjectCount; ++i)
            highlighted += p.drawing.Obj(i).Selected ? 1 : 0;
        coversClick = d->frameGeometry().contains(clickOnScreen);
        d->findChild<QRadioButton*>("optSide1")->click();       // inside
        d->findChild<QRadioButton*>("optDirection1")->click();  // conventional
        d->findChild<QPushButton*>("cmdOk")->click();
    });
    timer->start();
    QTest::mouseClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, click);
    EXPECT_EQ(highlighted, 4);
    EXPECT_FALSE(coversClick);
    ASSERT_GT(p.toolPath.Count, 4);
    EXPECT_EQ(p.toolPath.Op(1).Typ, kG0);
    // Inside the square, the tool's radius (3) off every side.
    for (int i = 1; i <= p.toolPath.Count; ++i) {
        const ToolPathOp& o = p.toolPath.Op(i);
        EXPECT_TRUE(o.X >= 3 - 1e-9 && o.X <= 97 + 1e-9 && o.Y >= 3 - 1e-9 && o.Y <= 97 + 1e-9)
            << i << ": " << o.X << ", " << o.Y;
    }
    // Conventional milling inside with a clockwise spindle: the tool right of travel, so the
    // square is gone round clockwise; along the bottom side it runs towards -x.
    bool bottomBackward = false;
    for (int i = 2; i <= p.toolPath.Count; ++i) {
        const ToolPathOp &a = p.toolPath.Op(i - 1), &b = p.toolPath.Op(i);
        if (b.Typ == kG1 && std::fabs(a.Y - 3) < 1e-9 && std::fabs(b.Y - 3) < 1e-9)
            bottomBackward = bottomBackward || b.X < a.X;
    }
    EXPECT_TRUE(bottomBackward);
    for (int i = 1; i <= p.drawing.ObjectCount; ++i)
        EXPECT_FALSE(p.drawing.Obj(i).Selected);
}

}  // namespace
}  // namespace vt::gui
