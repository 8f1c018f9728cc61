// The NC code window: tabs for the code, the operations and the output options.
#include "frm_nccode.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/program.h"
#include "base/language.h"
#include "commands/menu_commands.h"
#include "icons.h"
#include "nc/job_edit.h"
#include "nc/nc_window.h"
#include "qt_language.h"
#include "qt_util.h"

namespace vt::gui {

namespace {

QToolButton* ToolButton(const char* name, const QString& tip, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setIcon(CommandIcon(name));
    b->setIconSize(QSize(24, 24));
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

FrmNcCode::FrmNcCode(Program& p, QWidget* owner, std::function<void()> afterEvent)
    : QWidget(owner, Qt::Tool), p_(p), afterEvent_(std::move(afterEvent)) {
    setObjectName("frm_nccode");
    setProperty(kTagProperty, "1002");
    setWindowTitle("NC kod");
    QFont verdana("Verdana", 9);
    setFont(verdana);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("SSTabNC");
    tabs_->setProperty(kTagProperty, "1010");
    v->addWidget(tabs_, 1);

    // The code tab: machine choice and buttons above the text.
    auto* codeTab = new QWidget(tabs_);
    auto* cv = new QVBoxLayout(codeTab);
    auto* frameTop = new QFrame(codeTab);
    frameTop->setObjectName("frameTop");
    auto* th = new QHBoxLayout(frameTop);
    th->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel("Maskin:", frameTop);
    label->setObjectName("lbl_maskin");
    label->setProperty(kTagProperty, "1013");
    machines_ = new QComboBox(frameTop);
    machines_->setObjectName("combo_Maskin");
    machines_->setMinimumWidth(220);
    th->addWidget(label);
    th->addWidget(machines_, 1);
    auto* copy = ToolButton("cmdClipboard", VT_TEXT(p_, 1259), frameTop);
    auto* save = ToolButton("cmdSaveNC", VT_TEXT(p_, 1260), frameTop);
    auto* print = ToolButton("cmdPrintNC", VT_TEXT(p_, 1261), frameTop);
    th->addWidget(copy);
    th->addWidget(save);
    th->addWidget(print);
    cv->addWidget(frameTop);
    code_ = new QPlainTextEdit(codeTab);
    code_->setObjectName("txtNCCode");
    QFont courier("Courier New", 10);
    courier.setStyleHint(QFont::TypeWriter);
    code_->setFont(courier);
    code_->setLineWrapMode(QPlainTextEdit::NoWrap);
    cv->addWidget(code_, 1);
    tabs_->addTab(codeTab, "NC kod");

    // The operations tab.
    ops_ = new QTreeWidget(tabs_);
    ops_->setObjectName("lvOps");
    ops_->setRootIsDecorated(false);
    ops_->setHeaderLabels({VT_TEXT(p_, 1262), VT_TEXT(p_, 1263), VT_TEXT(p_, 1264)});
    ops_->header()->setStretchLastSection(true);
    tabs_->addTab(ops_, "Operationer");

    // The settings tab.
    auto* settingsTab = new QWidget(tabs_);
    auto* sv = new QVBoxLayout(settingsTab);
    auto* frame = new QGroupBox("Inställningar", settingsTab);
    frame->setObjectName("frameSettings");
    frame->setProperty(kTagProperty, "1014");
    auto* fv = new QVBoxLayout(frame);
    blockNumbers_ = new QCheckBox("Blocknummer", frame);
    blockNumbers_->setObjectName("cbBlockNummer");
    blockNumbers_->setProperty(kTagProperty, "1015");
    comments_ = new QCheckBox("Kommentarer (P1...)", frame);
    comments_->setObjectName("cbComments");
    comments_->setProperty(kTagProperty, "1016");
    fv->addWidget(blockNumbers_);
    fv->addWidget(comments_);
    sv->addWidget(frame);
    sv->addWidget(BuildJobFrame(settingsTab));
    sv->addStretch();
    auto* scroll = new QScrollArea(tabs_);
    scroll->setWidget(settingsTab);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    tabs_->addTab(scroll, "Inställningar");

    auto* bar = new QStatusBar(this);
    bar->setObjectName("StatusBar");
    status_ = new QLabel(bar);
    status_->setObjectName("StatusPanel1");
    bar->addWidget(status_, 1);
    v->addWidget(bar);

    connect(machines_, &QComboBox::activated, this,
            [this](int index) { Run("mnuNCMachines", index); });
    connect(copy, &QToolButton::clicked, this, [this] { Run("cmdClipboard"); });
    connect(save, &QToolButton::clicked, this, [this] { Run("cmdSaveNC"); });
    connect(print, &QToolButton::clicked, this, [this] { Run("cmdPrintNC"); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        if (mirroring_) return;
        SSTabNC_Click(p_);
        FillOperations();
        afterEvent_();
    });
    connect(blockNumbers_, &QCheckBox::clicked, this,
            [this](bool on) { cbBlockNummer_Click(p_, on); });
    connect(comments_, &QCheckBox::clicked, this, [this](bool on) { cbComments_Click(p_, on); });
    // What the user types stays in the text until the next generation and is what is copied.
    connect(code_, &QPlainTextEdit::textChanged, this, [this] {
        if (mirroring_) return;
        p_.uiState.ncCodeText = S(code_->toPlainText().replace("\n", "\r\n"));
    });

    // Placement from the settings file, kept on the screen.
    resize(560, 520);
    WindowPlacement current{false, x(), y(), frameGeometry().width(), frameGeometry().height()};
    if (owner) {
        QRect o = owner->frameGeometry();
        current.x = o.x() + 60;
        current.y = o.y() + 60;
    }
    WindowPlacement stored = LoadWindowPlacement(p_.paths.SettingsFile(), "frm_nccode", current);
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        QRect r = s->availableGeometry();
        stored = FitOnScreen(stored, r.x(), r.y(), r.width(), r.height());
    }
    move(stored.x, stored.y);
    resize(stored.w, stored.h);
    if (stored.maximized) setWindowState(windowState() | Qt::WindowMaximized);

    QtLanguageTarget target(this);
    SetLanguage(p_, target);
    Mirror();
}

// The job settings: one row per field, an empty field showing the machine's value in grey.
QWidget* FrmNcCode::BuildJobFrame(QWidget* parent) {
    const Language& l = p_.language;
    auto* frame = new QGroupBox(Q(l.GetText(1200)), parent);
    frame->setObjectName("frameJob");
    frame->setProperty(kTagProperty, "1200");
    auto* form = new QFormLayout(frame);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const JobField& f : JobFields()) {
        JobEditor e;
        e.key = f.key;
        e.label = new QLabel(Q(l.GetText(f.textId)), frame);
        e.label->setObjectName(QString("lblJob") + f.key);
        e.label->setProperty(kTagProperty, QString::number(f.textId));
        QWidget* editor = nullptr;
        if (f.kind == JobKind::Choice) {
            e.choice = new QComboBox(frame);
            e.choice->setObjectName(QString("cboJob") + f.key);
            const QStringList values = QString(f.choices).split('|');
            e.choice->addItem("");  // the machine's value, named in Mirror
            for (int i = 0; i < values.size(); ++i)
                e.choice->addItem(Q(l.GetText(f.choiceText + i)), values[i]);
            const std::string key = f.key;
            connect(e.choice, &QComboBox::activated, this, [this, key](int index) {
                auto it = std::find_if(job_.begin(), job_.end(),
                                       [&](const JobEditor& j) { return j.key == key; });
                JobEdited(key, index == 0 ? "" : S(it->choice->itemData(index).toString()));
            });
            editor = e.choice;
        } else {
            e.text = new QLineEdit(frame);
            e.text->setObjectName(QString("txtJob") + f.key);
            e.text->setToolTip(Q(l.GetText(1220)));
            const std::string key = f.key;
            QLineEdit* field = e.text;
            connect(e.text, &QLineEdit::editingFinished, this,
                    [this, key, field] { JobEdited(key, S(field->text())); });
            editor = e.text;
        }
        e.label->setBuddy(editor);
        form->addRow(e.label, editor);
        job_.push_back(e);
    }
    auto* reset = new QPushButton(Q(l.GetText(1221)), frame);
    reset->setObjectName("cmdJobDefaults");
    reset->setProperty(kTagProperty, "1221");
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetJobValues(p_);
        afterEvent_();
    });
    form->addRow(reset);
    return frame;
}

void FrmNcCode::JobEdited(const std::string& key, const std::string& text) {
    if (mirroring_) return;
    SetJobValue(p_, key, text);
    afterEvent_();
}

void FrmNcCode::MirrorJob() {
    const std::vector<JobFieldState> states = JobFieldStates(p_);
    for (std::size_t i = 0; i < job_.size() && i < states.size(); ++i) {
        const JobFieldState& s = states[i];
        JobEditor& e = job_[i];
        e.label->setEnabled(s.applies);
        if (e.text) {
            e.text->setEnabled(s.applies);
            e.text->setPlaceholderText(Q(s.machineValue));
            if (!e.text->hasFocus() && e.text->text() != Q(s.value)) e.text->setText(Q(s.value));
            continue;
        }
        e.choice->setEnabled(s.applies);
        const int machine = e.choice->findData(Q(s.machineValue));
        e.choice->setItemText(0, Q(p_.language.GetText(1222)) +
                                     (machine > 0 ? e.choice->itemText(machine) : QString()));
        const int own = s.value.empty() ? 0 : e.choice->findData(Q(s.value));
        e.choice->setCurrentIndex(std::max(0, own));
    }
}

void FrmNcCode::Run(const char* handler, int arg) {
    RunMenu(p_, handler, arg);
    afterEvent_();
}

void FrmNcCode::Mirror() {
    mirroring_ = true;
    const UiState& s = p_.uiState;
    QStringList names;
    for (const std::string& n : s.ncMachines)
        names << Q(n);
    QStringList shown;
    for (int i = 0; i < machines_->count(); ++i)
        shown << machines_->itemText(i);
    if (names != shown) {
        machines_->clear();
        machines_->addItems(names);
    }
    if (machines_->currentIndex() != s.ncMachineIndex) machines_->setCurrentIndex(s.ncMachineIndex);
    const QString text = FromCrLf(s.ncCodeText);
    if (code_->toPlainText() != text) code_->setPlainText(text);
    status_->setText(Q(s.ncStatusText));
    blockNumbers_->setChecked(p_.settings.BlockNumbers);
    comments_->setChecked(p_.settings.Comments);
    // The job fields read the machine's file: only while they are in view.
    if (isVisible() && tabs_->currentIndex() == 2) MirrorJob();
    mirroring_ = false;
}

void FrmNcCode::FillOperations() {
    ops_->clear();
    for (const OperationRow& r : OperationRows(p_))
        ops_->addTopLevelItem(new QTreeWidgetItem({Q(r.number), Q(r.operation), Q(r.coordinates)}));
}

bool FrmNcCode::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FillOperations();
    return QWidget::event(e);
}

void FrmNcCode::SavePlacement() {
    QRect r = isMaximized() || isMinimized() ? normalGeometry() : frameGeometry();
    SaveWindowPlacement(p_.paths.SettingsFile(), "frm_nccode",
                        {isMaximized(), r.x(), r.y(), r.width(), r.height()}, isMinimized());
}

void FrmNcCode::closeEvent(QCloseEvent* e) {
    SavePlacement();
    NcWindowClosed(p_);
    e->accept();
    afterEvent_();
}

}  // namespace vt::gui
