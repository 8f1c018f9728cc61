// SetLanguage on real Qt windows, and the main window showing the core's state.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/program.h"
#include "app/startup.h"
#include "frm_main.h"
#include "qt_language.h"
#include "test_util.h"

namespace vt::gui {
namespace {

using test::FakeUi;
using test::TempDir;
using test::WriteFile;

QMainWindow* BuildWindow(const char* tag) {
    auto* w = new QMainWindow;
    w->setProperty(kTagProperty, tag);
    QMenu* file = w->menuBar()->addMenu("Arkiv");
    file->setObjectName("mnuFile");
    QAction* open = file->addAction("Öppna");
    open->setObjectName("mnuOppna");
    QAction* sep = file->addSeparator();
    sep->setObjectName("mnuBreak1");
    QAction* plain = file->addAction("unnamed");
    (void)plain;
    auto* central = new QWidget(w);
    auto* frame = new QGroupBox("Ram", central);
    frame->setProperty(kTagProperty, "10");
    auto* label = new QLabel("Etikett", central);
    label->setProperty(kTagProperty, "11");
    auto* untagged = new QLabel("orörd", central);
    untagged->setObjectName("untagged");
    auto* button = new QPushButton("Knapp", central);
    button->setProperty(kTagProperty, "12");
    auto* check = new QCheckBox("Kryss", central);
    check->setProperty(kTagProperty, "13");
    auto* edit = new QLineEdit(central);
    edit->setProperty(kTagProperty, "15");
    auto* tabs = new QTabWidget(central);
    tabs->setProperty(kTagProperty, "30");
    tabs->addTab(new QWidget, "a");
    tabs->addTab(new QWidget, "b");
    w->setCentralWidget(central);
    auto* tb = w->addToolBar("tbr");
    tb->setObjectName("tbr_File");
    tb->addAction("x")->setProperty(kTagProperty, "301");
    tb->addAction("y")->setProperty(kTagProperty, "302");
    return w;
}

TEST(GuiLanguage, ReplacesCaptionsOfARealWindow) {
    TempDir dir;
    WriteFile(
        dir.File("Veltrum32.LNG"),
        "[LANGUAGE]\n1000=Main\n300=&File\n302=&Open\n301=New drawing\n307=-\n10=Frame\n11=Label\n"
        "12=Button\n13=Check\n15=Text\n30=First tab\n31=Second tab\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    std::unique_ptr<QMainWindow> w(BuildWindow("1000"));
    QtLanguageTarget target(w.get());
    SetLanguage(p, target);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(w->windowTitle(), "MAIN");
    EXPECT_EQ(w->findChild<QMenu*>("mnuFile")->title(), "&File");
    EXPECT_EQ(w->findChild<QAction*>("mnuOppna")->text(), "&Open");
    EXPECT_EQ(w->findChild<QGroupBox*>()->title(), "Frame");
    EXPECT_EQ(w->findChild<QLabel*>("untagged")->text(), "orörd");
    EXPECT_EQ(w->findChild<QPushButton*>()->text(), "Button");
    EXPECT_EQ(w->findChild<QCheckBox*>()->text(), "Check");
    EXPECT_EQ(w->findChild<QLineEdit*>()->text(), "Text");
    EXPECT_EQ(w->findChild<QTabWidget*>()->tabText(1), "Second tab");
    auto actions = w->findChild<QToolBar*>("tbr_File")->actions();
    EXPECT_EQ(actions[0]->toolTip(), "New drawing");
    EXPECT_EQ(actions[1]->toolTip(), "Open");  // a menu text without its key mark
}

TEST(GuiLanguage, BadWindowTagIsReported) {
    TempDir dir;
    WriteFile(dir.File("Veltrum32.LNG"), "[LANGUAGE]\n11=Label\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    std::unique_ptr<QMainWindow> w(BuildWindow("main"));
    QtLanguageTarget target(w.get());
    SetLanguage(p, target);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fel");
}

TEST(GuiMainWindow, MirrorsTheCoreState) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FrmMain w(p);
    w.Load("");
    EXPECT_EQ(w.windowTitle(), "Veltrum32 - [  ]");
    EXPECT_EQ(w.findChild<QLabel*>("lblVersion")->text(), "v1.1.36");
    p.uiState.infoText = " - Ange FÖRSTA punkten ( Markera eller mata in värden )";
    p.uiState.panels[3].text = "X: 1.5";
    p.uiState.panels[7].bevel = kBevelRaised;
    w.Mirror();
    EXPECT_EQ(w.findChild<QLineEdit*>("InfoText")->text(),
              QString::fromUtf8(" - Ange FÖRSTA punkten ( Markera eller mata in värden )"));
    EXPECT_EQ(w.findChild<QLabel*>("Panel3")->text(), "X: 1.5");
    EXPECT_EQ(w.findChild<QLabel*>("Panel7")->frameShadow(), QFrame::Raised);
    EXPECT_NE(w.findChild<QWidget*>("RitYta"), nullptr);
    EXPECT_NE(w.findChild<QStatusBar*>("StatusBar1"), nullptr);
}

TEST(GuiMainWindow, CloseAsksAndKeepsRunningOnNo) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FrmMain w(p);
    w.Load("");
    w.show();
    ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ui.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(p.closing);
    EXPECT_TRUE(std::filesystem::exists(p.paths.SettingsFile()));
}

}  // namespace
}  // namespace vt::gui
