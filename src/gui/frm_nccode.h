// frm_nccode: the NC code window. It shows the core's NC text, machine list and options and
// forwards the user's choices.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

namespace vt {
class Program;
}

namespace vt::gui {

class FrmNcCode : public QWidget {
    Q_OBJECT
  public:
    FrmNcCode(Program& p, QWidget* owner, std::function<void()> afterEvent);
    // Shows the core's state: code text, status, machines, options.
    void Mirror();
    // Writes the placement to the settings file.
    void SavePlacement();

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

  private:
    void FillOperations();
    void Run(const char* handler, int arg = 0);

    Program& p_;
    std::function<void()> afterEvent_;
    QTabWidget* tabs_ = nullptr;
    QComboBox* machines_ = nullptr;
    QPlainTextEdit* code_ = nullptr;
    QTreeWidget* ops_ = nullptr;
    QCheckBox* blockNumbers_ = nullptr;
    QCheckBox* comments_ = nullptr;
    QLabel* status_ = nullptr;
    bool mirroring_ = false;
};

}  // namespace vt::gui
