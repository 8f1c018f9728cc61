// Message boxes and the other person-facing services of the core, done with Qt widgets.
#include "qt_ui.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>

#include "frm_main.h"
#include "qt_util.h"

namespace vt::gui {

MsgAnswer QtUi::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                           MsgIcon icon) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = main_;
    QMessageBox box(parent);
    box.setWindowTitle(Q(title));
    box.setText(FromCrLf(text));
    switch (icon) {
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::None:
            break;
    }
    struct Choice {
        QMessageBox::StandardButton button;
        const char* caption;
        MsgAnswer answer;
    };
    static const Choice kOk{QMessageBox::Ok, "OK", MsgAnswer::Ok};
    static const Choice kCancel{QMessageBox::Cancel, "Avbryt", MsgAnswer::Cancel};
    static const Choice kYes{QMessageBox::Yes, "Ja", MsgAnswer::Yes};
    static const Choice kNo{QMessageBox::No, "Nej", MsgAnswer::No};
    std::vector<Choice> choices;
    switch (buttons) {
        case MsgButtons::Ok:
            choices = {kOk};
            break;
        case MsgButtons::OkCancel:
            choices = {kOk, kCancel};
            break;
        case MsgButtons::YesNoCancel:
            choices = {kYes, kNo, kCancel};
            break;
        case MsgButtons::YesNo:
            choices = {kYes, kNo};
            break;
    }
    for (const auto& c : choices)
        box.addButton(c.button)->setText(c.caption);
    box.setDefaultButton(choices.front().button);
    if (buttons != MsgButtons::YesNo) box.setEscapeButton(choices.back().button);
    int result = box.exec();
    for (const auto& c : choices)
        if (result == c.button) return c.answer;
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : choices.back().answer;
}

void QtUi::SetMainWindow(FrmMain* w) {
    main_ = w;
}

void QtUi::ShowValueInput(ValueDialog& dialog) {
    if (main_) main_->ShowValueInput(dialog);
}

void QtUi::EndProgram() {
    std::_Exit(1);
}

void QtUi::StateChanged() {
    if (main_) main_->Mirror();
}

void QtUi::Refresh() {
    if (main_) main_->RefreshSurface();
}

void QtUi::OverlayChanged() {
    if (main_) main_->OverlayChanged();
}

void QtUi::StartPaintTimer() {
    if (main_) main_->StartPaintTimer();
}

void QtUi::MovePointerBy(int dx, int dy) {
    QCursor::setPos(QCursor::pos() + QPoint(dx, dy));
}

void QtUi::PumpEvents() {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace vt::gui
