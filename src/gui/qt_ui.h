// The Ui of the window program: real message boxes, and the main window's surface.
#pragma once

#include <QPointer>
#include <QPrinter>
#include <QProgressDialog>
#include <QWidget>
#include <memory>

#include "app/ui.h"

namespace vt {
class Program;
}

namespace vt::gui {

class FrmMain;

class QtUi : public Ui {
  public:
    void SetMainWindow(FrmMain* w);
    void SetProgram(Program* p) { program_ = p; }

    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    void ShowValueInput(ValueDialog& dialog) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    void EndProgram() override;
    void PumpEvents() override;
    bool KeepAlive(bool busy, const std::string& text) override;
    void EndBusy() override;
    void StateChanged() override;
    void Refresh() override;
    void OverlayChanged() override;
    void StartPaintTimer() override;
    void MovePointerBy(int dx, int dy) override;
    int ChooseMachine(const std::vector<std::string>& names, int current) override;
    bool AskContour(ContourQuestion& question) override;
    void SetClipboard(const std::string& text) override;
    void OpenExternal(const std::string& target) override;
    bool ShowSettings(SettingsDialog& dialog) override;
    bool ShowPrintDialog(PrintMode mode, PrintOptions& options) override;
    std::unique_ptr<PrintJob> StartPrint(const PrintOptions& options) override;

  private:
    QPointer<FrmMain> main_;
    Program* program_ = nullptr;
    std::unique_ptr<QPrinter> printer_;  // the printer frm_print set up
    QPointer<QProgressDialog> busy_;     // shown while the NC engine takes long
};

}  // namespace vt::gui
