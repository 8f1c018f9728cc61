// Walks a window's menus, frames, labels, buttons, text boxes, toolbars and tabs for SetLanguage.
#include "qt_language.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>

#include "qt_util.h"

namespace vt::gui {

namespace {

std::string TagOf(const QObject* o) {
    return S(o->property(kTagProperty).toString());
}

ControlKind KindOf(QObject* o) {
    if (qobject_cast<QMenu*>(o)) return ControlKind::Menu;
    if (auto* a = qobject_cast<QAction*>(o)) {
        return a->objectName().startsWith("mnu") ? ControlKind::Menu : ControlKind::Other;
    }
    if (qobject_cast<QGroupBox*>(o)) return ControlKind::Frame;
    if (qobject_cast<QLabel*>(o)) return ControlKind::Label;
    if (qobject_cast<QCheckBox*>(o)) return ControlKind::CheckBox;
    if (qobject_cast<QRadioButton*>(o)) return ControlKind::Option;
    if (qobject_cast<QPushButton*>(o)) return ControlKind::Button;
    if (qobject_cast<QLineEdit*>(o) || qobject_cast<QPlainTextEdit*>(o) ||
        qobject_cast<QTextEdit*>(o))
        return ControlKind::TextBox;
    if (qobject_cast<QToolBar*>(o)) return ControlKind::Toolbar;
    if (qobject_cast<QTabWidget*>(o)) return ControlKind::Tabs;
    return ControlKind::Other;
}

}  // namespace

void SetTags(QWidget* window, std::initializer_list<std::pair<const char*, int>> tags) {
    for (const auto& [name, number] : tags)
        for (QObject* o : window->findChildren<QObject*>(name))
            o->setProperty(kTagProperty, QString::number(number));
}

QtLanguageTarget::QtLanguageTarget(QWidget* window) : window_(window) {
    for (QObject* o : window->findChildren<QObject*>()) {
        ControlKind k = KindOf(o);
        if (k == ControlKind::Menu && o->objectName().isEmpty()) continue;
        if (k != ControlKind::Other) objects_.append(o);
    }
}

std::string QtLanguageTarget::WindowTag() const {
    return window_ ? TagOf(window_) : std::string();
}

void QtLanguageTarget::SetWindowCaption(const std::string& text) {
    if (window_) window_->setWindowTitle(Q(text));
}

std::vector<LanguageControl> QtLanguageTarget::Controls() const {
    std::vector<LanguageControl> out;
    for (QObject* o : objects_) {
        LanguageControl c;
        c.kind = KindOf(o);
        c.name = S(o->objectName());
        c.tag = TagOf(o);
        if (auto* tb = qobject_cast<QToolBar*>(o))
            for (QAction* a : tb->actions())
                c.buttonTags.push_back(TagOf(a));
        if (auto* tabs = qobject_cast<QTabWidget*>(o)) c.tabCount = tabs->count();
        out.push_back(std::move(c));
    }
    return out;
}

void QtLanguageTarget::SetControlText(std::size_t control, const std::string& text) {
    QObject* o = objects_.value(static_cast<int>(control));
    QString t = Q(text);
    if (auto* m = qobject_cast<QMenu*>(o))
        m->setTitle(t);
    else if (auto* a = qobject_cast<QAction*>(o))
        a->setText(a->isSeparator() ? QString() : t);  // a separator's "-" would show as a heading
    else if (auto* g = qobject_cast<QGroupBox*>(o))
        g->setTitle(t);
    else if (auto* l = qobject_cast<QLabel*>(o))
        l->setText(t);
    else if (auto* b = qobject_cast<QAbstractButton*>(o))
        b->setText(t);
    else if (auto* e = qobject_cast<QLineEdit*>(o))
        e->setText(t);
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(o))
        pe->setPlainText(t);
    else if (auto* te = qobject_cast<QTextEdit*>(o))
        te->setPlainText(t);
}

void QtLanguageTarget::SetToolTip(std::size_t control, int button, const std::string& text) {
    auto* tb = qobject_cast<QToolBar*>(objects_.value(static_cast<int>(control)));
    if (!tb) return;
    QAction* a = tb->actions().value(button - 1);
    // The tags are menu texts: a tool tip shows them without the key mark and the dots, and the
    // toolbar's overflow menu shows the same words.
    const QString tip = Q(text).remove('&').remove("...").trimmed();
    if (a && !a->isSeparator()) {
        a->setToolTip(tip);
        a->setText(tip);
    }
}

void QtLanguageTarget::SetTabCaption(std::size_t control, int tab, const std::string& text) {
    if (auto* tabs = qobject_cast<QTabWidget*>(objects_.value(static_cast<int>(control))))
        tabs->setTabText(tab, Q(text));
}

}  // namespace vt::gui
