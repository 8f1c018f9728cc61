// frm_nccode: the NC code window. It shows the core's NC text, machine list and options and
// forwards the user's choices.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <vector>

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
    QWidget* BuildJobFrame(QWidget* parent);
    void MirrorJob();
    void JobEdited(const std::string& key, const std::string& text);

    // One job setting: a text field, or a choice whose first entry is the machine's value.
    struct JobEditor {
        std::string key;
        QLabel* label = nullptr;
        QLineEdit* text = nullptr;
        QComboBox* choice = nullptr;
    };
    std::vector<JobEditor> job_;
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
