// The value dialog's widgets and events.
#include "frm_input.h"

#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/program.h"
#include "commands/value_input.h"
#include "qt_language.h"
#include "qt_util.h"

namespace vt::gui {

FrmInput::FrmInput(Program& p, QWidget* owner) : QDialog(owner), p_(p) {
    setObjectName("frm_input");
    setProperty(kTagProperty, "1001");
    setWindowTitle(Q(p.valueDialog.caption));
    auto* grid = new QGridLayout;
    for (int i = 1; i <= 3; ++i) {
        auto k = static_cast<std::size_t>(i);
        labels_[k] = new QLabel(this);
        labels_[k]->setObjectName(QString("Label%1").arg(i));
        texts_[k] = new QLineEdit(this);
        texts_[k]->setObjectName(QString("Text%1").arg(i));
        texts_[k]->setMinimumWidth(150);
        texts_[k]->installEventFilter(this);
        evaluate_[k] = new QPushButton("=", this);
        evaluate_[k]->setObjectName(QString("Command%1").arg(i));
        evaluate_[k]->setFixedWidth(28);
        evaluate_[k]->setFocusPolicy(Qt::NoFocus);
        evaluate_[k]->setAutoDefault(false);
        connect(evaluate_[k], &QPushButton::clicked, this, [this, i] {
            Pull();
            ValueDialogEvaluate(p_, i);
            Push();
        });
        grid->addWidget(labels_[k], i, 0, Qt::AlignRight);
        grid->addWidget(texts_[k], i, 1);
        grid->addWidget(evaluate_[k], i, 2);
    }
    g2_ = new QPushButton(VT_TEXT(p_, 1257), this);
    g2_->setObjectName("cmdG2");
    g3_ = new QPushButton(VT_TEXT(p_, 1258), this);
    g3_->setObjectName("cmdG3");
    auto* arcs = new QHBoxLayout;
    arcs->addWidget(g2_);
    arcs->addWidget(g3_);
    grid->addLayout(arcs, 0, 0, 1, 3);
    auto* info = new QLabel(this);
    info->setObjectName("lblValueInfo");
    grid->addWidget(info, 4, 0, 1, 3);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKButton");
    cancel_ = new QPushButton(VT_TEXT(p_, 1256), this);
    cancel_->setObjectName("CancelButton");
    for (QPushButton* b : {ok_, cancel_, g2_, g3_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        // A click does not take the focus from a field first: OK and Avbryt act at once, and
        // Enter still reaches OK by walking the fields.
        b->setFocusPolicy(Qt::TabFocus);
    }
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);
    setTabOrder(texts_[1], texts_[2]);
    setTabOrder(texts_[2], texts_[3]);
    setTabOrder(texts_[3], ok_);
    setTabOrder(ok_, cancel_);

    connect(ok_, &QPushButton::clicked, this, [this] { Ok(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(g2_, &QPushButton::clicked, this, [this] { Arc(2); });
    connect(g3_, &QPushButton::clicked, this, [this] { Arc(3); });
    timer1_.setObjectName("Timer1");
    connect(&timer1_, &QTimer::timeout, this, &FrmInput::Watch);
    QtLanguageTarget target(this);
    SetLanguage(p_, target);
}

void FrmInput::Pull() {
    for (int i = 1; i <= 3; ++i)
        p_.valueDialog.text[static_cast<std::size_t>(i)] =
            S(texts_[static_cast<std::size_t>(i)]->text());
}

void FrmInput::Push() {
    const ValueDialog& d = p_.valueDialog;
    for (int i = 1; i <= 3; ++i) {
        auto k = static_cast<std::size_t>(i);
        if (texts_[k]->text() != Q(d.text[k])) texts_[k]->setText(Q(d.text[k]));
    }
}

void FrmInput::Prepare() {
    const ValueDialog& d = p_.valueDialog;
    for (int i = 1; i <= 3; ++i) {
        auto k = static_cast<std::size_t>(i);
        bool visible = d.rowVisible[k];
        labels_[k]->setText(Q(d.label[k]));
        labels_[k]->setVisible(visible);
        texts_[k]->setVisible(visible);
        evaluate_[k]->setVisible(visible && (i != 1 || d.command1Visible));
    }
    Push();
    ok_->setVisible(d.okVisible);
    g2_->setVisible(d.arcButtonsVisible);
    g3_->setVisible(d.arcButtonsVisible);
    adjustSize();
}

void FrmInput::Run(const QPoint& topLeft) {
    move(topLeft);
    closing_ = false;
    exec();
    timer1_.stop();
}

void FrmInput::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // After Qt has given the dialog its focus: the typed digit stays with the caret after it.
    QTimer::singleShot(0, this, [this] {
        const ValueDialog& d = p_.valueDialog;
        if (!d.rowVisible[1]) return;
        texts_[1]->setFocus(Qt::OtherFocusReason);
        if (d.selLength > 0)
            texts_[1]->selectAll();
        else
            texts_[1]->setCursorPosition(static_cast<int>(texts_[1]->text().size()));
    });
    timer1_.start(500);
}

void FrmInput::Ok() {
    if (closing_) return;
    closing_ = true;  // no field events or timer clicks while the message is up
    Pull();
    const bool confirmed = ValueDialogOk(p_);
    Push();
    if (!confirmed) {
        closing_ = false;
        SelectFaultyField();
        return;
    }
    accept();
}

void FrmInput::SelectFaultyField() {
    const int f = p_.valueDialog.faultyField;
    if (f < 1 || f > 3) return;
    QLineEdit* t = texts_[static_cast<std::size_t>(f)];
    t->setFocus(Qt::OtherFocusReason);
    t->selectAll();
}

void FrmInput::Arc(int kind) {
    if (closing_) return;
    closing_ = true;
    Pull();
    ValueDialogArc(p_, static_cast<int16_t>(kind));
    accept();
}

void FrmInput::reject() {
    if (!closing_) ValueDialogCancel(p_);
    closing_ = true;
    QDialog::reject();
}

bool FrmInput::eventFilter(QObject* watched, QEvent* e) {
    for (int i = 1; i <= 3; ++i) {
        if (watched != texts_[static_cast<std::size_t>(i)]) continue;
        if (e->type() == QEvent::FocusOut && !closing_ && !leaving_) {
            leaving_ = true;  // the message box takes the focus too
            Pull();
            ValueDialogLeaveField(p_, i);
            Push();
            leaving_ = false;
        } else if (e->type() == QEvent::FocusIn && i > 1) {
            QTimer::singleShot(0, texts_[static_cast<std::size_t>(i)], &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, e);
}

void FrmInput::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // Enter walks the fields like Tab and confirms after the last one.
        focusNextChild();
        QApplication::processEvents();
        if (p_.valueDialog.faultyField) {
            SelectFaultyField();  // a value to mend before going on
            return;
        }
        if (focusWidget() == ok_ && ok_->isVisible()) Ok();
        return;
    }
    QDialog::keyPressEvent(e);  // Escape rejects
}

void FrmInput::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        reject();
        return;
    }
    QDialog::mousePressEvent(e);
}

void FrmInput::Watch() {
    timer1_.setInterval(50);
    if (!isVisible()) {
        timer1_.stop();
        return;
    }
    // A click on a message box of the dialog is not a click outside it.
    if (closing_ || leaving_ || QApplication::activeModalWidget() != this) return;
    Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    QRect r = frameGeometry();
    QPoint pos = QCursor::pos();
    bool outside =
        !(pos.x() > r.left() && pos.x() < r.right() && pos.y() > r.top() && pos.y() < r.bottom());
    if (!outside) return;
    if (buttons & Qt::RightButton)
        reject();
    else if ((buttons & Qt::LeftButton) && ok_->isVisible())
        Ok();
}

}  // namespace vt::gui
