// The main window: layout, mirroring of the core's state, and the closing sequence.
#include "frm_main.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/program.h"
#include "app/startup.h"
#include "qt_language.h"
#include "qt_util.h"
#include "rit_yta.h"

namespace vt::gui {

FrmMain::FrmMain(Program& p) : p_(p) {
    setObjectName("frm_main");
    setProperty(kTagProperty, "1000");
    BuildWidgets();
    // 780 x 560 centred, then the stored placement.
    resize(780, 560);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        move(r.x() + (r.width() - 780) / 2, r.y() + (r.height() - 560) / 2);
    }
}

void FrmMain::BuildWidgets() {
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    ritYta_ = new RitYta(p_, central);
    v->addWidget(ritYta_, 1);

    auto* bottom = new QWidget(central);
    auto* h = new QHBoxLayout(bottom);
    h->setContentsMargins(2, 0, 2, 0);
    auto* infoFrame = new QFrame(bottom);
    infoFrame->setObjectName("InfoFrame");
    auto* iv = new QVBoxLayout(infoFrame);
    iv->setContentsMargins(0, 0, 0, 0);
    iv->setSpacing(1);
    functionText_ = new QLineEdit(infoFrame);
    functionText_->setObjectName("FunctionText");
    functionText_->setReadOnly(true);
    QFont bold = functionText_->font();
    bold.setBold(true);
    functionText_->setFont(bold);
    infoText_ = new QLineEdit(infoFrame);
    infoText_->setObjectName("InfoText");
    infoText_->setReadOnly(true);
    iv->addWidget(functionText_);
    iv->addWidget(infoText_);
    h->addWidget(infoFrame, 1);

    logoFrame_ = new QFrame(bottom);
    logoFrame_->setObjectName("LogoFrame");
    auto* lv = new QVBoxLayout(logoFrame_);
    lv->setContentsMargins(4, 0, 4, 0);
    lblVersion_ = new QLabel(logoFrame_);
    lblVersion_->setObjectName("lblVersion");
    lv->addWidget(lblVersion_);
    h->addWidget(logoFrame_);

    inputFrame_ = new QFrame(bottom);
    inputFrame_->setObjectName("InputFrame");
    auto* inh = new QHBoxLayout(inputFrame_);
    inh->setContentsMargins(0, 0, 0, 0);
    auto* avbryt = new QPushButton("Avbryt", inputFrame_);
    avbryt->setObjectName("AvbrytButton");
    auto* values = new QPushButton("Värden", inputFrame_);
    values->setObjectName("ValuesButton");
    inh->addWidget(avbryt);
    inh->addWidget(values);
    h->addWidget(inputFrame_);
    v->addWidget(bottom);

    analysFrame_ = new QFrame(central);
    analysFrame_->setObjectName("AnalysFrame");
    auto* av = new QVBoxLayout(analysFrame_);
    av->setContentsMargins(2, 0, 2, 0);
    txtAnalys_ = new QPlainTextEdit(analysFrame_);
    txtAnalys_->setObjectName("txt_Analys");
    txtAnalys_->setReadOnly(true);
    txtAnalys_->setFixedHeight(90);
    av->addWidget(txtAnalys_);
    v->addWidget(analysFrame_);
    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    for (int i = 1; i <= 16; ++i) {
        auto* l = new QLabel(bar);
        l->setObjectName(QString("Panel%1").arg(i));
        l->setMinimumWidth(i >= 3 && i <= 6 ? 90 : 22);
        l->setAlignment(Qt::AlignCenter);
        bar->addWidget(l, i == 1 ? 1 : 0);
        panels_[static_cast<std::size_t>(i)] = l;
    }
    setStatusBar(bar);
}

void FrmMain::Load(const std::string& commandLineFile) {
    QtLanguageTarget target(this);
    SetLanguage(p_, target);
    MainWindowLoad(p_, commandLineFile);
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
    Mirror();
}

WindowPlacement FrmMain::CurrentPlacement() const {
    QRect r = isMaximized() || isMinimized() ? normalGeometry() : frameGeometry();
    return {isMaximized(), r.x(), r.y(), r.width(), r.height()};
}

void FrmMain::Mirror() {
    const UiState& s = p_.uiState;
    setWindowTitle(Q(s.caption));
    if (functionText_->text() != Q(s.functionText)) functionText_->setText(Q(s.functionText));
    if (infoText_->text() != Q(s.infoText)) infoText_->setText(Q(s.infoText));
    lblVersion_->setText(Q(s.versionLabel));
    logoFrame_->setVisible(s.logoFrameVisible);
    inputFrame_->setVisible(s.inputFrameVisible);
    analysFrame_->setVisible(s.analysFrameVisible);
    if (txtAnalys_->toPlainText() != FromCrLf(s.txtAnalys))
        txtAnalys_->setPlainText(FromCrLf(s.txtAnalys));
    for (int i = 1; i <= 16; ++i) {
        QLabel* l = panels_[static_cast<std::size_t>(i)];
        const PanelState& ps = s.panels[static_cast<std::size_t>(i)];
        l->setText(Q(ps.text));
        l->setFrameStyle(QFrame::Panel |
                         (ps.bevel == kBevelInset ? QFrame::Sunken : QFrame::Raised));
    }
    ritYta_->update();
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
    MainWindowUnload(p_, CurrentPlacement(), isMinimized());
    unloaded_ = true;
    e->accept();
}

}  // namespace vt::gui
