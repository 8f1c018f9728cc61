// frm_main: the main window. It shows the core's state and forwards events; it holds no rules.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "app/settings.h"

namespace vt {
class Program;
}

namespace vt::gui {

class RitYta;

class FrmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrmMain(Program& p);

    // The load steps: language, then the core's load steps.
    void Load(const std::string& commandLineFile);
    // Shows the core's UiState.
    void Mirror();
    // The placement to store: outer position and size in pixels.
    WindowPlacement CurrentPlacement() const;

    RitYta* Surface() const { return ritYta_; }

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void BuildWidgets();

    Program& p_;
    RitYta* ritYta_ = nullptr;
    QLineEdit* functionText_ = nullptr;
    QLineEdit* infoText_ = nullptr;
    QWidget* logoFrame_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QWidget* inputFrame_ = nullptr;
    QWidget* analysFrame_ = nullptr;
    QPlainTextEdit* txtAnalys_ = nullptr;
    std::array<QLabel*, 17> panels_{};
    bool unloaded_ = false;
};

}  // namespace vt::gui
