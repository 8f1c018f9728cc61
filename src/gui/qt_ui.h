// The Ui of the window program: real message boxes, and the main window's surface.
#pragma once

#include <QPointer>
#include <QWidget>

#include "app/ui.h"

namespace vt {
class Program;
}

namespace vt::gui {

class FrmMain;

class QtUi : public Ui {
  public:
    void SetMainWindow(FrmMain* w);
    void SetProgram(const Program* p) { program_ = p; }

    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    void ShowValueInput(ValueDialog& dialog) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    void EndProgram() override;
    void PumpEvents() override;
    void StateChanged() override;
    void Refresh() override;
    void OverlayChanged() override;
    void StartPaintTimer() override;
    void MovePointerBy(int dx, int dy) override;
    int ChooseMachine(const std::vector<std::string>& names, int current) override;
    void SetClipboard(const std::string& text) override;
    bool PrintText(const std::string& text) override;

  private:
    QPointer<FrmMain> main_;
    const Program* program_ = nullptr;
};

}  // namespace vt::gui
