// frm_main: the main window. It shows the core's state and forwards events; it holds no rules.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <optional>

#include "app/settings.h"
#include "commands/value_input.h"

namespace vt {
class Program;
}

namespace vt::gui {

class RitYta;
class FrmInput;

// A status-bar panel that reports clicks.
class StatusPanel : public QLabel {
    Q_OBJECT
  public:
    StatusPanel(int index, QWidget* parent);
  signals:
    void clicked(int index);

  protected:
    void mousePressEvent(QMouseEvent*) override;

  private:
    int index_;
};

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
    // What the core asks of the surface.
    void RefreshSurface();
    void OverlayChanged();
    void StartPaintTimer();
    void ShowValueInput(ValueDialog& dialog);
    // Where a small dialog of this size opens: beside the prompt lines, off the mouse and the
    // last picked point, inside the screen.
    QPoint PlaceBesidePrompts(const QSize& dialogSize, std::optional<QPoint> remembered,
                              std::optional<QPointF> alsoOff = std::nullopt);

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void BuildMenus();
    void BuildToolbars();
    void BuildWidgets();
    void Run(const QString& handler);
    void MirrorMachineMenu();
    void MirrorNcWindow();
    void MirrorPluginMenus();
    // Whether a key belongs to the drawing: no menu, popup or dialog open and no text field of
    // the window has the focus.
    bool KeysForTheDrawing() const;

    Program& p_;
    RitYta* ritYta_ = nullptr;
    QLineEdit* functionText_ = nullptr;
    QLineEdit* infoText_ = nullptr;
    QWidget* logoFrame_ = nullptr;
    QLabel* lblVersion_ = nullptr;
    QWidget* inputFrame_ = nullptr;
    QWidget* analysFrame_ = nullptr;
    QPlainTextEdit* txtAnalys_ = nullptr;
    QPushButton* cmdScreenTest_ = nullptr;
    std::array<StatusPanel*, 17> panels_{};
    QTimer tmrPaint_;
    QTimer tmrInfo_;
    FrmInput* frmInput_ = nullptr;
    class FrmNcCode* frmNcCode_ = nullptr;
    bool activated_ = false;  // the first activation asks for the machine
    bool busyShown_ = false;
    std::size_t pluginActions_ = 0;  // plug-in entries already in the menus
    bool unloaded_ = false;
    bool scrollLock_ = false;
    int ncRaisesSeen_ = 0;
    std::optional<QPoint> valueDialogPos_;  // where the user last moved the value dialog
    // The drawing opened at start is fitted to the surface as laid out, until the user acts.
    bool fitUntouched_ = false;
};

}  // namespace vt::gui
