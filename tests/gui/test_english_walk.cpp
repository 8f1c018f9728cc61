// With lang/English.LNG every window, menu, tool tip, status panel, dialog and message speaks
// English: the walk opens each of them and fails on any text that is a Swedish built-in text or
// has a Swedish letter (names such as the machines' are data, not texts of the program).
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "app/program.h"
#include "base/language.h"
#include "base/text_file.h"
#include "frm_choose_machine.h"
#include "frm_contour.h"
#include "frm_main.h"
#include "qt_ui.h"
#include "test_util.h"

namespace vt::gui {
namespace {

QString Plain(QString t) {
    t.remove('&');
    return t.trimmed();
}

// Words that are the same in both languages.
const std::set<QString> kBoth = {"OK",  "Info", "Version", "Operation", "PDF", "Zoom",
                                 "L/L", "C/C",  "L/C",     "Test",      "NC"};

class EnglishWalk {
  public:
    explicit EnglishWalk(const Program& p) {
        for (int n : Language::BuiltinNumbers()) {
            const QString t = Plain(QString::fromStdString(std::string(*Language::BuiltinText(n))));
            // Texts that read the same in both languages ("OK", "NC", "G0") are not Swedish.
            if (t.size() > 2 && t.contains(QRegularExpression("[a-zåäö]")) && !kBoth.count(t))
                swedish_.insert(t);
        }
        for (const std::string& m : p.uiState.ncMachines)
            names_ << QString::fromStdString(m);
        names_ << "Veltrum32";
    }
    void Check(const QString& where, const QString& text) {
        const QString t = Plain(text);
        if (t.isEmpty()) return;
        QString rest = t;
        for (const QString& n : names_)
            rest.remove(n);
        shown_.insert(rest);
        if (swedish_.count(t) || rest.contains(QRegularExpression("[åäöÅÄÖ]")))
            found_ << where + ": \"" + t + "\"";
        else
            where_[rest] = where;
    }
    // Texts shown in both languages that are not the same word in both.
    QStringList SameAs(const std::set<QString>& swedishRun) const {
        static const std::set<QString> kBoth = {
            "OK", "Info", "Version", "Operation", "PDF", "Zoom", "L/L", "C/C", "L/C", "Test", "NC"};
        QStringList same;
        for (const auto& [text, where] : where_)
            if (swedishRun.count(text) && !where.startsWith("QFileDialog") && !kBoth.count(text) &&
                text.contains(QRegularExpression("[A-Za-z]{2}")))
                same << where + ": \"" + text + "\"";
        return same;
    }
    std::set<QString> shown_;
    std::map<QString, QString> where_;
    void Walk(QWidget* w) {
        const QString where = w->objectName();
        Check(where + " title", w->windowTitle());
        std::set<QAction*> toolbarToggles;  // offered nowhere: the window has no context menu
        for (QToolBar* t : w->findChildren<QToolBar*>())
            toolbarToggles.insert(t->toggleViewAction());
        for (QAction* a : w->findChildren<QAction*>()) {
            // A separator with text shows it as a heading.
            if (a->isSeparator() && !a->text().isEmpty())
                found_ << where + "/" + a->objectName() + " separator: \"" + a->text() + "\"";
            if (a->isSeparator() || toolbarToggles.count(a)) continue;
            // Key marks and dots belong to menus, not to tool tips.
            if (a->toolTip().contains('&') || a->toolTip().endsWith("..."))
                found_ << where + "/" + a->objectName() + " tip: \"" + a->toolTip() + "\"";
            Check(where + "/" + a->objectName(), a->text());
            Check(where + "/" + a->objectName() + " tip", a->toolTip());
        }
        for (QMenu* m : w->findChildren<QMenu*>())
            Check(where + "/" + m->objectName(), m->title());
        for (QLabel* l : w->findChildren<QLabel*>())
            Check(where + "/" + l->objectName(), l->text());
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            Check(where + "/" + b->objectName(), b->text());
            Check(where + "/" + b->objectName() + " tip", b->toolTip());
        }
        for (QGroupBox* g : w->findChildren<QGroupBox*>())
            Check(where + "/" + g->objectName(), g->title());
        for (QTabWidget* t : w->findChildren<QTabWidget*>())
            for (int i = 0; i < t->count(); ++i)
                Check(where + "/" + t->objectName(), t->tabText(i));
        for (QTreeWidget* t : w->findChildren<QTreeWidget*>())
            for (int i = 0; i < t->columnCount(); ++i)
                Check(where + "/" + t->objectName() + " header", t->headerItem()->text(i));
        if (auto* box = qobject_cast<QMessageBox*>(w)) Check(where + " message", box->text());
    }
    QStringList found_;

  private:
    std::set<QString> swedish_;
    QStringList names_;
};

// Walks the next modal window, then closes it.
void WalkNextModal(EnglishWalk& walk, int* walked) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, &walk, walked] {
        QWidget* m = QApplication::activeModalWidget();
        if (!m || !m->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        walk.Walk(m);
        ++*walked;
        if (auto* d = qobject_cast<QDialog*>(m)) d->reject();
    });
    timer->start();
}

// Opens every window with the language file (none: the built-in Swedish texts) and walks it.
void WalkEveryWindow(const char* languageFile, EnglishWalk*& walkOut,
                     std::function<void(EnglishWalk&)> done) {
    test::TempDir dir;
    std::filesystem::copy(VT_POST_DIR, dir.File("POST"));
    WriteFileOrThrow(dir.File("veltrum32.ini"), "[Program]\r\nDefaultMachine=LinuxCNC fräs\r\n");
    QtUi ui;
    Program p(ui, dir.Path(), languageFile);
    ui.SetProgram(&p);
    FrmMain w(p);
    ui.SetMainWindow(&w);
    w.Load("");
    w.resize(1024, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EnglishWalk walk(p);
    walkOut = &walk;
    walk.Walk(&w);
    for (int i = 1; i <= 16; ++i)
        if (auto* panel = w.findChild<QLabel*>(QString("Panel%1").arg(i)))
            walk.Check(QString("Panel%1").arg(i), panel->text());
    // A running command shows its prompts and the value buttons.
    w.findChild<QAction*>("mnuCirkeloor")->trigger();
    walk.Walk(&w);
    // Every window the menus open.
    int walked = 0;
    for (const char* action : {"mnuSettings", "mnuPrint", "mnuHelpAbout", "mnuSkirvNCkod",
                               "mnuOppna", "mnuCirkeloor", "mnuNy"}) {
        const int before = walked;
        WalkNextModal(walk, &walked);
        if (std::string(action) == "mnuCirkeloor") {
            w.findChild<QAction*>(action)->trigger();
            w.findChild<QPushButton*>("ValuesButton")->click();
        } else {
            w.findChild<QAction*>(action)->trigger();
        }
        QTest::qWaitFor([&] { return walked > before; }, 2000);
        EXPECT_GT(walked, before) << action;
    }
    w.findChild<QAction*>("mnuNCVisaNC")->trigger();
    auto* nc = w.findChild<QWidget*>("frm_nccode");
    ASSERT_NE(nc, nullptr);
    walk.Walk(nc);
    WalkNextModal(walk, &walked);
    const int before = walked;
    ChooseMachineDialog(&w, &p, p.uiState.ncMachines, 0);
    EXPECT_GT(walked, before);
    // The contour question, for an open and a closed chain.
    for (bool closed : {false, true}) {
        WalkNextModal(walk, &walked);
        const int beforeContour = walked;
        ContourQuestion q;
        q.closed = closed;
        ContourDialog(&w, p, q, nullptr);
        EXPECT_GT(walked, beforeContour);
    }
    done(walk);
}

TEST(GuiEnglish, EveryWindowSpeaksEnglish) {
    EnglishWalk* walk = nullptr;
    std::set<QString> swedish;
    WalkEveryWindow("", walk, [&](EnglishWalk& w) { swedish = w.shown_; });
    QStringList found;
    WalkEveryWindow(VT_LANG_DIR "/English.LNG", walk,
                    [&](EnglishWalk& w) { found = w.found_ + w.SameAs(swedish); });
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join("\n").toStdString();
}

}  // namespace
}  // namespace vt::gui
