// The main window: menus, toolbars, frames and status bar built from tables, mirroring of the
// core's state, keys, and the closing sequence.
#include "frm_main.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/program.h"
#include "app/startup.h"
#include "base/language.h"
#include "commands/analysis.h"
#include "commands/keys.h"
#include "commands/menu_commands.h"
#include "dialog_placement.h"
#include "frm_input.h"
#include "frm_nccode.h"
#include "icons.h"
#include "main_menu.h"
#include "nc/machines.h"
#include "plugins/plugins.h"
#include "qt_language.h"
#include "qt_util.h"
#include "rit_yta.h"
#include "view/view.h"

namespace vt::gui {

StatusPanel::StatusPanel(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setObjectName(QString("Panel%1").arg(index));
    setAlignment(Qt::AlignCenter);
}

void StatusPanel::mousePressEvent(QMouseEvent*) {
    emit clicked(index_);
}

namespace {

// Captions of the snap-switch panels and the hover toggle.
QString PanelCaption(const Program& p, int i) {
    static const std::pair<int, int> kTexts[] = {
        {10, 1250}, {11, 1251}, {12, 1252}, {13, 1253}, {16, 1254}};
    for (const auto& [panel, number] : kTexts)
        if (panel == i) return VT_TEXT(p, number);
    switch (i) {
        case 7:
            return "L/L";
        case 8:
            return "C/C";
        case 9:
            return "L/C";
        case 15:
            return "Info";
        default:
            return "";
    }
}

}  // namespace

FrmMain::FrmMain(Program& p) : p_(p) {
    setObjectName("frm_main");
    setProperty(kTagProperty, "1000");
    // The toolbars have no names of their own to offer in a context menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
    BuildWidgets();
    BuildMenus();
    BuildToolbars();
    tmrPaint_.setObjectName("tmr_paint");
    tmrPaint_.setSingleShot(true);
    tmrPaint_.setInterval(20);
    connect(&tmrPaint_, &QTimer::timeout, this, [this] {
        tmr_paint_Timer(p_);
        Mirror();
    });
    // tmr_info flashes the prompt line twice, once, when the window is created.
    tmrInfo_.setObjectName("tmr_info");
    tmrInfo_.setInterval(1000);
    connect(&tmrInfo_, &QTimer::timeout, this, [this] {
        int next = tmr_info_Timer(p_);
        if (next > 0)
            tmrInfo_.setInterval(next);
        else
            tmrInfo_.stop();
        Mirror();
    });
    tmrInfo_.start();
    qApp->installEventFilter(this);
    resize(780, 560);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        move(r.x() + (r.width() - 780) / 2, r.y() + (r.height() - 560) / 2);
    }
}

void FrmMain::BuildMenus() {
    QMenu* current = nullptr;
    QMenu* top = nullptr;
    for (const MenuEntry& e : MainMenuLayout()) {
        const QString name = e.name;
        switch (e.kind) {
            case MenuEntry::Menu:
                top = current = menuBar()->addMenu(e.caption);
                top->setObjectName(name);
                break;
            case MenuEntry::Submenu:
                current = top->addMenu(e.caption);
                current->setObjectName(name);
                break;
            case MenuEntry::SubmenuEnd:
                current = top;
                break;
            case MenuEntry::Break:
                current->addSeparator()->setObjectName(name);
                break;
            case MenuEntry::Array: {
                QAction* a = current->addAction("");
                a->setObjectName(name);
                a->setVisible(false);
                break;
            }
            case MenuEntry::Item:
            case MenuEntry::Check: {
                QAction* a = current->addAction(e.caption);
                a->setObjectName(name);
                a->setCheckable(e.kind == MenuEntry::Check);
                QList<QKeySequence> keys;
                for (const MenuShortcut& sc : MenuShortcuts())
                    if (name == sc.name) keys << QKeySequence(sc.keys);
                if (!keys.isEmpty()) a->setShortcuts(keys);
                connect(a, &QAction::triggered, this, [this, name] { Run(name); });
                break;
            }
        }
    }
}

void FrmMain::BuildToolbars() {
    const Qt::ToolBarArea areas[] = {Qt::TopToolBarArea, Qt::LeftToolBarArea, Qt::RightToolBarArea};
    bool usedSide[3] = {false, false, false};
    for (const ToolbarLayout& t : Toolbars()) {
        auto* bar = new QToolBar(t.name, this);
        bar->setObjectName(t.name);
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::LeftToolBarArea | Qt::RightToolBarArea);
        bar->setIconSize(QSize(22, 22));
        for (int i = 1; i <= t.buttons; ++i) {
            const char* handler = nullptr;
            for (const auto& b : ToolbarBindings())
                if (QString(b.toolbar) == t.name && b.index == i) handler = b.handler;
            if (!handler) {
                bar->addSeparator();
                continue;
            }
            QString tip = QString(MenuCaption(handler)).remove('&').remove("...");
            QAction* a = bar->addAction(CommandIcon(handler), tip);
            a->setObjectName(QString("%1_%2").arg(t.name).arg(i));
            a->setToolTip(tip);
            a->setProperty(kTagProperty, Q(Language::MenuKey(handler)));
            const QString toolbar = t.name;
            connect(a, &QAction::triggered, this, [this, toolbar, i] {
                ToolbarClick(p_, S(toolbar), i);
                Mirror();
            });
        }
        // Side toolbars stand in columns of their own rather than one overlong column.
        if (t.area != 0 && usedSide[t.area]) addToolBarBreak(areas[t.area]);
        usedSide[t.area] = true;
        addToolBar(areas[t.area], bar);
    }
}

void FrmMain::BuildWidgets() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    ritYta_ = new RitYta(p_, central);
    ritYta_->SetAfterEvent([this] { Mirror(); });
    // Until the user acts, the start-up drawing follows the surface as the window is laid out,
    // placed and maximised.
    ritYta_->SetBeforeResize([this] {
        if (fitUntouched_) ZoomScreen(p_, false);
    });
    v->addWidget(ritYta_, 1);

    auto* bottom = new QWidget(central);
    auto* h = new QHBoxLayout(bottom);
    h->setContentsMargins(2, 0, 2, 2);
    auto* infoFrame = new QFrame(bottom);
    infoFrame->setObjectName("InfoFrame");
    auto* iv = new QVBoxLayout(infoFrame);
    iv->setContentsMargins(0, 0, 0, 0);
    iv->setSpacing(1);
    functionText_ = new QLineEdit(infoFrame);
    functionText_->setObjectName("FunctionText");
    functionText_->setReadOnly(true);
    functionText_->setFocusPolicy(Qt::NoFocus);
    QFont bold = functionText_->font();
    bold.setBold(true);
    functionText_->setFont(bold);
    infoText_ = new QLineEdit(infoFrame);
    infoText_->setObjectName("InfoText");
    infoText_->setReadOnly(true);
    infoText_->setFocusPolicy(Qt::NoFocus);
    iv->addWidget(functionText_);
    iv->addWidget(infoText_);
    iv->addStretch();
    h->addWidget(infoFrame, 1);

    analysFrame_ = new QFrame(bottom);
    analysFrame_->setObjectName("AnalysFrame");
    auto* av = new QVBoxLayout(analysFrame_);
    av->setContentsMargins(0, 0, 0, 0);
    txtAnalys_ = new QPlainTextEdit(analysFrame_);
    txtAnalys_->setObjectName("txt_Analys");
    txtAnalys_->setReadOnly(true);
    txtAnalys_->setFocusPolicy(Qt::ClickFocus);
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    txtAnalys_->setFont(mono);
    txtAnalys_->setFixedSize(380, 88);
    av->addWidget(txtAnalys_);

    h->addWidget(analysFrame_, 0, Qt::AlignTop);

    inputFrame_ = new QFrame(bottom);
    inputFrame_->setObjectName("InputFrame");
    auto* inv = new QVBoxLayout(inputFrame_);
    inv->setContentsMargins(0, 0, 0, 0);
    inv->setSpacing(1);
    auto* values = new QPushButton(VT_TEXT(p_, 1255), inputFrame_);
    values->setObjectName("ValuesButton");
    values->setFocusPolicy(Qt::NoFocus);
    auto* avbryt = new QPushButton(VT_TEXT(p_, 1256), inputFrame_);
    avbryt->setObjectName("AvbrytButton");
    avbryt->setFocusPolicy(Qt::NoFocus);
    inv->addWidget(values);
    inv->addWidget(avbryt);
    connect(values, &QPushButton::clicked, this, [this] { Run("ValuesButton"); });
    connect(avbryt, &QPushButton::clicked, this, [this] { Run("AvbrytButton"); });
    h->addWidget(inputFrame_, 0, Qt::AlignTop);

    logoFrame_ = new QFrame(bottom);
    logoFrame_->setObjectName("LogoFrame");
    auto* lh = new QHBoxLayout(logoFrame_);
    lh->setContentsMargins(4, 0, 4, 0);
    auto* logo = new QLabel(logoFrame_);
    logo->setObjectName("imgLogo");
    logo->setPixmap(LogoPicture(34));
    lblVersion_ = new QLabel(logoFrame_);
    lblVersion_->setObjectName("lblVersion");
    lh->addWidget(logo);
    lh->addWidget(lblVersion_);
    h->addWidget(logoFrame_, 0, Qt::AlignTop);

    cmdScreenTest_ = new QPushButton("Test", bottom);
    cmdScreenTest_->setObjectName("cmdScreenTest");
    cmdScreenTest_->setVisible(false);
    connect(cmdScreenTest_, &QPushButton::clicked, this, [this] { Run("cmdScreenTest"); });
    h->addWidget(cmdScreenTest_, 0, Qt::AlignTop);
    // The panel is as high as the result box whether that is shown or not: the surface never jumps.
    bottom->setFixedHeight(txtAnalys_->height() + 4);
    v->addWidget(bottom);
    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    for (int i = 1; i <= 16; ++i) {
        auto* l = new StatusPanel(i, bar);
        l->setText(PanelCaption(p_, i));
        l->setMinimumWidth(i == 1 ? 44 : (i >= 3 && i <= 6 ? 76 : (i == 2 ? 36 : 30)));
        bar->addWidget(l, i == 1 ? 1 : 0);
        panels_[static_cast<std::size_t>(i)] = l;
        connect(l, &StatusPanel::clicked, this, [this](int index) {
            PanelClick(p_, index);
            Mirror();
        });
    }
    setStatusBar(bar);
}

void FrmMain::Run(const QString& handler) {
    fitUntouched_ = false;
    // Quitting is closing the window: the closing questions come from there.
    if (handler == "mnuQuit") {
        close();
        return;
    }
    RunMenu(p_, S(handler));
    Mirror();
}

void FrmMain::Load(const std::string& commandLineFile) {
    QtLanguageTarget target(this);
    SetLanguage(p_, target);
    p_.view.W = ritYta_->width();
    p_.view.H = ritYta_->height();
    MainWindowLoad(p_, commandLineFile);
    fitUntouched_ = p_.drawing.ObjectCount > 0 || p_.toolPath.Count > 0;
    WindowPlacement current{false, frameGeometry().x(), frameGeometry().y(),
                            frameGeometry().width(), frameGeometry().height()};
    WindowPlacement stored = LoadWindowPlacement(p_.paths.SettingsFile(), "frm_main", current);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        stored = FitOnScreen(stored, r.x(), r.y(), r.width(), r.height());
    }
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    move(stored.x, stored.y);
    resize(stored.w - frame.left() - frame.right(), stored.h - frame.top() - frame.bottom());
    if (stored.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    const WindowPlacement none{false, -1000000, -1000000, 0, 0};  // not stored
    const WindowPlacement input = LoadWindowPlacement(p_.paths.SettingsFile(), "frm_input", none);
    if (input.x != none.x && input.y != none.y) valueDialogPos_ = QPoint(input.x, input.y);
    Mirror();
}

WindowPlacement FrmMain::CurrentPlacement() const {
    QRect r = isMaximized() || isMinimized() ? normalGeometry() : frameGeometry();
    return {isMaximized(), r.x(), r.y(), r.width(), r.height()};
}

void FrmMain::RefreshSurface() {
    ritYta_->Render();
}
void FrmMain::OverlayChanged() {
    ritYta_->update();
}
void FrmMain::StartPaintTimer() {
    tmrPaint_.start();
}

void FrmMain::ShowValueInput(ValueDialog&) {
    if (!frmInput_) frmInput_ = new FrmInput(p_, this);
    frmInput_->Prepare();
    const QPoint topLeft = PlaceBesidePrompts(frmInput_->size(), valueDialogPos_);
    frmInput_->Run(topLeft);
    // A place the user dragged it to is kept for the next time.
    if ((frmInput_->pos() - topLeft).manhattanLength() > 4) valueDialogPos_ = frmInput_->pos();
    Mirror();
}

// `alsoOff`: a drawing position the dialog must not cover either.
QPoint FrmMain::PlaceBesidePrompts(const QSize& dialogSize, std::optional<QPoint> remembered,
                                   std::optional<QPointF> alsoOff) {
    // The dialog's frame is taken to be as thick as the main window's.
    const QSize decoration = frameGeometry().size() - geometry().size();
    const QSize size = dialogSize + decoration;
    const QRect prompts(functionText_->mapToGlobal(QPoint(0, 0)),
                        infoText_->mapToGlobal(QPoint(infoText_->width(), infoText_->height())));
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1024, 768));
    // Off the mouse (where the user is picking) and off the last point picked.
    std::vector<QPoint> avoid;
    if (ritYta_->rect().contains(ritYta_->mapFromGlobal(QCursor::pos())))
        avoid.push_back(QCursor::pos());
    CommandState& c = p_.cmd;
    if (c.OpStep > 1) {
        const StepPoint& s = c.Step(c.OpStep - 1);
        avoid.push_back(
            ritYta_->mapToGlobal(QPoint(int(ToColumn(p_.view, s.X)), int(ToRow(p_.view, s.Y)))));
    }
    if (alsoOff)
        avoid.push_back(ritYta_->mapToGlobal(
            QPoint(int(ToColumn(p_.view, alsoOff->x())), int(ToRow(p_.view, alsoOff->y())))));
    // The status bar's snap toggles stay in sight.
    const QRect bar(statusBar()->mapToGlobal(QPoint(0, 0)), statusBar()->size());
    return PlaceDialog(prompts, size, area, avoid, {bar}, remembered);
}

void FrmMain::Mirror() {
    const UiState& s = p_.uiState;
    if (windowTitle() != Q(s.caption)) setWindowTitle(Q(s.caption));
    if (functionText_->text() != Q(s.functionText)) functionText_->setText(Q(s.functionText));
    if (infoText_->text() != Q(s.infoText)) infoText_->setText(Q(s.infoText));
    QPalette infoPalette = infoText_->palette();
    infoPalette.setColor(QPalette::Base, s.infoTextBack < 0 ? palette().color(QPalette::Base)
                                                            : ToQColor(s.infoTextBack));
    infoText_->setPalette(infoPalette);
    lblVersion_->setText(Q(s.versionLabel));
    logoFrame_->setVisible(s.logoFrameVisible);
    inputFrame_->setVisible(s.inputFrameVisible);
    analysFrame_->setVisible(s.analysFrameVisible);
    cmdScreenTest_->setVisible(s.screenTestVisible);
    if (txtAnalys_->toPlainText() != FromCrLf(s.txtAnalys))
        txtAnalys_->setPlainText(FromCrLf(s.txtAnalys));
    for (const auto& [name, state] : s.menus) {
        QAction* a = findChild<QAction*>(Q(name));
        if (!a) continue;
        if (a->isCheckable()) a->setChecked(state.checked);
        a->setEnabled(state.enabled);
        if (!state.text.empty() && a->text() != Q(state.text)) a->setText(Q(state.text));
        if (!name.empty() && a->isVisible() != state.visible) a->setVisible(state.visible);
    }
    for (const auto& [key, enabled] : s.buttonsEnabled) {
        QString k = Q(key);
        if (QAction* a = findChild<QAction*>(k.replace(':', '_'))) a->setEnabled(enabled);
    }
    for (int i = 1; i <= 16; ++i) {
        StatusPanel* l = panels_[static_cast<std::size_t>(i)];
        const PanelState& ps = s.panels[static_cast<std::size_t>(i)];
        QString text = ps.text.empty() ? PanelCaption(p_, i) : Q(ps.text);
        if (l->text() != text) l->setText(text);
        l->setFrameStyle(QFrame::Panel |
                         (ps.bevel == kBevelInset ? QFrame::Sunken : QFrame::Raised));
    }
    ritYta_->setCursor(SurfaceCursorFor(s.surfaceCursor));
    if (s.busyCursor != busyShown_) {
        busyShown_ = s.busyCursor;
        if (busyShown_)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    MirrorMachineMenu();
    MirrorPluginMenus();
    MirrorNcWindow();
    if (p_.view.paintTimerEnabled && !tmrPaint_.isActive()) tmrPaint_.start();
}

// The machine entries follow the hidden first element of the mnuNCMachines array.
void FrmMain::MirrorMachineMenu() {
    const UiState& s = p_.uiState;
    QAction* first = findChild<QAction*>("mnuNCMachines");
    if (!first || first->associatedObjects().isEmpty()) return;
    auto* menu = qobject_cast<QMenu*>(first->associatedObjects().first());
    if (!menu) return;
    QList<QAction*> entries;
    for (QAction* a : menu->actions())
        if (a->property("machineIndex").isValid()) entries << a;
    for (int i = 0; i < static_cast<int>(s.ncMachines.size()); ++i) {
        QAction* a = entries.value(i);
        if (!a) {
            a = new QAction(menu);
            a->setCheckable(true);
            a->setProperty("machineIndex", i);
            menu->addAction(a);
            connect(a, &QAction::triggered, this, [this, i] {
                RunMenu(p_, "mnuNCMachines", i);
                Mirror();
            });
            entries << a;
        }
        a->setText(Q(s.ncMachines[static_cast<std::size_t>(i)]));
        a->setVisible(true);
        a->setChecked(i == s.ncMachineIndex);
    }
    for (int i = static_cast<int>(s.ncMachines.size()); i < entries.size(); ++i) {
        entries[i]->setText("");
        entries[i]->setVisible(false);
    }
}

// Plug-in entries follow their category's array element, in the order they were registered; the
// Plug-in menu itself shows only when it has entries.
void FrmMain::MirrorPluginMenus() {
    const auto& entries = p_.uiState.pluginMenus;
    for (std::size_t i = pluginActions_; i < entries.size(); ++i) {
        const PluginMenuEntry& e = entries[i];
        QAction* anchor = findChild<QAction*>(Q(e.menu));
        if (!anchor || anchor->associatedObjects().isEmpty()) continue;
        auto* menu = qobject_cast<QMenu*>(anchor->associatedObjects().first());
        if (!menu) continue;
        const QList<QAction*> actions = menu->actions();
        int at = static_cast<int>(actions.indexOf(anchor));
        while (at + 1 < actions.size() && actions[at + 1]->property("pluginTag").isValid())
            ++at;
        auto* a = new QAction(Q(e.caption), menu);
        a->setProperty("pluginTag", Q(e.tag));
        menu->insertAction(actions.value(at + 1), a);
        const std::string tag = e.tag;
        connect(a, &QAction::triggered, this, [this, tag] {
            RunPluginCommand(p_, tag);
            Mirror();
        });
    }
    pluginActions_ = entries.size();
    if (QMenu* m = findChild<QMenu*>("mnuPlugins")) {
        bool any = false;
        for (const PluginMenuEntry& e : entries)
            any = any || e.menu == "mnuPluginsPlugins";
        m->menuAction()->setVisible(any);
    }
}

void FrmMain::MirrorNcWindow() {
    const bool visible = p_.uiState.ncWindowVisible;
    if (visible && !frmNcCode_) frmNcCode_ = new FrmNcCode(p_, this, [this] { Mirror(); });
    if (!frmNcCode_) return;
    frmNcCode_->Mirror();
    if (visible && (!frmNcCode_->isVisible() || ncRaisesSeen_ != p_.uiState.ncWindowRaises)) {
        frmNcCode_->show();
        frmNcCode_->raise();
        frmNcCode_->activateWindow();
    } else if (!visible && frmNcCode_->isVisible()) {
        frmNcCode_->hide();
    }
    ncRaisesSeen_ = p_.uiState.ncWindowRaises;
}

bool FrmMain::event(QEvent* e) {
    // The first activation; a desktop without a window manager never activates, so being shown
    // counts too.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && !activated_) {
        activated_ = true;
        // Asked once the window is up, outside the event itself.
        QTimer::singleShot(0, this, [this] {
            FirstActivation(p_);
            Mirror();
        });
    }
    return QMainWindow::event(e);
}

bool FrmMain::KeysForTheDrawing() const {
    if (!isActiveWindow() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    QWidget* f = QApplication::focusWidget();
    if (!f) return true;
    if (f->window() != this || qobject_cast<QMenuBar*>(f)) return false;
    if (auto* line = qobject_cast<QLineEdit*>(f)) return line->isReadOnly();
    if (auto* text = qobject_cast<QPlainTextEdit*>(f)) return text->isReadOnly();
    if (auto* text = qobject_cast<QTextEdit*>(f)) return text->isReadOnly();
    return !qobject_cast<QComboBox*>(f) && !qobject_cast<QAbstractSpinBox*>(f);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress)
        fitUntouched_ = false;
    if (type != QEvent::KeyPress || !KeysForTheDrawing()) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    static const std::pair<int, Key> kKeys[] = {
        {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right},   {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down}, {Qt::Key_PageUp, Key::PageUp}, {Qt::Key_PageDown, Key::PageDown},
        {Qt::Key_F8, Key::F8},     {Qt::Key_F9, Key::F9},         {Qt::Key_F10, Key::F10},
        {Qt::Key_F11, Key::F11},   {Qt::Key_F12, Key::F12},
    };
    if (k->key() == Qt::Key_ScrollLock) {
        scrollLock_ = !scrollLock_;
        return true;
    }
    for (const auto& [qtKey, key] : kKeys) {
        if (k->key() == qtKey) {
            Form_KeyDown(p_, key, scrollLock_);
            Mirror();
            return true;
        }
    }
    char32_t ch = 0;
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
        ch = 13;
    else if (k->key() == Qt::Key_Escape)
        ch = 27;
    else if (!k->text().isEmpty())
        ch = k->text().toUcs4().value(0);
    if (ch == 0) return false;
    Form_KeyPress(p_, ch);
    Mirror();
    return true;
}

void FrmMain::closeEvent(QCloseEvent* e) {
    if (unloaded_) {
        e->accept();
        return;
    }
    if (MainWindowQueryUnload(p_)) {
        e->ignore();
        return;
    }
    const WindowPlacement placement = CurrentPlacement();
    MainWindowUnload(p_, &placement, isMinimized());
    if (frmNcCode_) frmNcCode_->SavePlacement();
    if (valueDialogPos_)
        SaveWindowPlacement(p_.paths.SettingsFile(), "frm_input",
                            {false, valueDialogPos_->x(), valueDialogPos_->y(), 0, 0}, false);
    unloaded_ = true;
    qApp->removeEventFilter(this);
    e->accept();
}

}  // namespace vt::gui
