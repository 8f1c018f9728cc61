// The settings and print dialogs and the plug-in menus in the real widgets; printing the drawing
// into a PDF file through the window program's Ui.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/program.h"
#include "base/text_file.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "frm_choose_machine.h"
#include "frm_main.h"
#include "frm_print.h"
#include "frm_settings.h"
#include "qt_ui.h"
#include "test_util.h"

namespace vt::gui {
namespace {

using test::FakeUi;
using test::TempDir;

// Acts on the next modal dialog once it is shown.
void WhenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

template <typename W>
W* Child(QWidget* w, const char* name) {
    W* c = w->findChild<W*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

TEST(GuiDialogs, MachineChooserOkTakesTheMachineShown) {
    const std::vector<std::string> names{"Alfa", "Beta", "Gamma"};
    WhenModal([](QWidget* w) {
        auto* ok = Child<QPushButton>(w, "cmdOk");
        EXPECT_TRUE(ok->isEnabled());
        ok->click();
    });
    EXPECT_EQ(ChooseMachineDialog(nullptr, nullptr, names, 1), 1);
    WhenModal([](QWidget* w) { Child<QPushButton>(w, "cmdCancel")->click(); });
    EXPECT_EQ(ChooseMachineDialog(nullptr, nullptr, names, 1), -1);
}

TEST(GuiDialogs, SettingsCopyComesBackOnlyWithOk) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    SettingsDialog d{p.settings, {"ISO fräs (Fanuc)", "LinuxCNC fräs"}};
    WhenModal([](QWidget* w) {
        Child<QLineEdit>(w, "txtNC")->setText("/tmp/nc");
        Child<QRadioButton>(w, "optAutoNone")->click();
        Child<QRadioButton>(w, "optMaskinAlways")->click();
        Child<QComboBox>(w, "comboMaskin")->setCurrentIndex(1);
        Child<QCheckBox>(w, "chkUsePPMult")->click();
        Child<QPushButton>(w, "OKButton")->click();
    });
    ASSERT_TRUE(ShowFrmSettings(p, nullptr, d));
    EXPECT_EQ(d.copy.NCpath, "/tmp/nc/");
    EXPECT_EQ(d.copy.LoadLastDrawing, 0);
    EXPECT_TRUE(d.copy.MaskinUseDefined);
    EXPECT_FALSE(d.copy.MaskinAsk);
    EXPECT_EQ(d.copy.MaskinDefined, "LinuxCNC fräs");
    EXPECT_FALSE(d.copy.PPUseMult);
    EXPECT_EQ(p.settings.LoadLastDrawing, 1);  // the program's own settings are untouched

    WhenModal([](QWidget* w) {
        Child<QRadioButton>(w, "optAutoMall")->click();
        Child<QPushButton>(w, "CancelButton")->click();
    });
    EXPECT_FALSE(ShowFrmSettings(p, nullptr, d));
}

TEST(GuiDialogs, PrintDialogModes) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    QPrinter printer;
    PrintOptions o;
    WhenModal([](QWidget* w) {
        EXPECT_TRUE(Child<QWidget>(w, "frame_Ritning")->isVisibleTo(w));
        EXPECT_FALSE(Child<QWidget>(w, "frame_NC")->isVisibleTo(w));
        Child<QCheckBox>(w, "cbColor")->click();
        Child<QComboBox>(w, "cbLinjeBredd")->setCurrentIndex(15);  // 20
        Child<QRadioButton>(w, "obLandscape")->click();
        Child<QPushButton>(w, "OKButton")->click();
    });
    ASSERT_TRUE(ShowFrmPrint(p, nullptr, PrintMode::Drawing, printer, o));
    EXPECT_FALSE(o.colour);
    EXPECT_TRUE(o.lines);
    EXPECT_EQ(o.lineWidth, 20);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    WhenModal([](QWidget* w) {
        EXPECT_FALSE(Child<QWidget>(w, "frame_Ritning")->isVisibleTo(w));
        Child<QPushButton>(w, "CancelButton")->click();
    });
    EXPECT_FALSE(ShowFrmPrint(p, nullptr, PrintMode::NcCode, printer, o));
}

// The whole way from the menu to a PDF file, with the window program's own Ui.
TEST(GuiDialogs, DrawingPrintsIntoAPdfFile) {
    TempDir dir;
    QtUi ui;
    Program p(ui, dir.Path());
    ui.SetProgram(&p);
    AddLine(p, 0, 0, 100, 50, false, false, false);
    p.view.Skala = 0.25;
    const std::string pdf = dir.File("ritning.pdf");
    WhenModal([pdf](QWidget* w) {
        auto* printers = Child<QComboBox>(w, "cbPrinter");
        printers->setCurrentIndex(std::max(0, static_cast<int>(printers->findText(kPdfPrinter))));
        if (printers->currentText() != kPdfPrinter) GTEST_SKIP() << "this system has printers";
        Child<QPushButton>(w, "OKButton")->click();
        WhenModal([pdf](QWidget* f) {
            auto* files = qobject_cast<QFileDialog*>(f);
            ASSERT_NE(files, nullptr);
            files->selectFile(QString::fromStdString(pdf));
            QMetaObject::invokeMethod(files, "accept");
        });
    });
    RunMenu(p, "mnuPrint");
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(pdf, bytes));
    EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
    EXPECT_EQ(p.view.Skala, 0.25);
}

TEST(GuiDialogs, PluginEntriesFollowTheirMenuArrays) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("plugins"));
    std::filesystem::copy_file(VT_EXAMPLE_PLUGIN, dir.File("plugins/bulthal.so"));
    FakeUi ui;
    Program p(ui, dir.Path());
    ui.program = &p;
    FrmMain w(p);
    w.Load("");
    QMenu* points = w.findChild<QMenu*>("mnuPunkt");
    ASSERT_NE(points, nullptr);
    QStringList captions;
    for (QAction* a : points->actions())
        if (a->property("pluginTag").isValid()) captions << a->text();
    EXPECT_EQ(captions, QStringList{"Bulthålscirkel*"});
    EXPECT_FALSE(w.findChild<QMenu*>("mnuPlugins")->menuAction()->isVisible());
}

}  // namespace
}  // namespace vt::gui
