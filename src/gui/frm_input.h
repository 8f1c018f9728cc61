// frm_input: the value dialog. It shows the core's ValueDialog and calls the core's dialog events.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>

namespace vt {
class Program;
}

namespace vt::gui {

class FrmInput : public QDialog {
    Q_OBJECT
  public:
    FrmInput(Program& p, QWidget* owner);
    // Lays the dialog out from the core's state and runs it modally at a screen position.
    // Fields, labels and buttons for the dialog's current form, and its size for them.
    void Prepare();
    void Run(const QPoint& topLeft);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void reject() override;

  private:
    void Pull();  // widget texts into the core
    void Push();  // core state into the widgets
    void Ok();
    void SelectFaultyField();  // the caret into the field that is not a value, its text selected
    void Arc(int kind);
    void Watch();

    Program& p_;
    std::array<QLabel*, 4> labels_{};
    std::array<QLineEdit*, 4> texts_{};
    std::array<QPushButton*, 4> evaluate_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* g2_ = nullptr;
    QPushButton* g3_ = nullptr;
    QTimer timer1_;
    bool closing_ = false;
    bool leaving_ = false;  // a field is being evaluated as the focus leaves it
};

}  // namespace vt::gui
