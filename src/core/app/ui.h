// The one interface through which the core talks to a person: the window program, the batch
// runner and the tests each implement it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/settings_dialog.h"
#include "view/printing.h"

namespace vt {

struct ValueDialog;

// A file dialog as the core asks for it. The filter is "description|pattern|description|pattern".
struct FileDialogRequest {
    bool save = false;
    std::string title;
    std::string filter;
    std::string defaultExtension;  // without the dot
    std::string initialFolder;
    std::string proposedName;
    bool confirmOverwrite = false;
    bool mustExist = false;
};

struct FileDialogResult {
    bool chosen = false;
    std::string path;
    int filterIndex = 1;  // 1-based
};

// Button sets, icons and answers keep the classic message-box numbers.
enum class MsgButtons : int { Ok = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4 };
enum class MsgIcon : int {
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};
enum class MsgAnswer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The questions of a contour from a chain: on which side the tool runs and which way it mills.
struct ContourQuestion {
    bool closed = false;  // a closed chain: outside or inside, else left or right
    int side = 0;         // 0 left or outside, 1 right or inside, 2 on the line
    bool climb = true;
    double x = 0, y = 0;  // where the chain was picked, in drawing units: kept in sight
};

class Ui {
  public:
    virtual ~Ui() = default;

    // Shows a modal message box; the text may contain CR LF line breaks.
    virtual MsgAnswer MessageBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    // Shows the value dialog modally; its buttons set ModalResult through the dialog events.
    virtual void ShowValueInput(ValueDialog& dialog) = 0;

    // Shows a file open or save dialog.
    virtual FileDialogResult FileDialog(const FileDialogRequest& request) = 0;

    // Ends the program at once, writing nothing more. A test double may return.
    virtual void EndProgram() = 0;

    // Keeps the interface alive while the core waits inside a call.
    virtual void PumpEvents() {}

    // A long wait (the NC engine): keeps the windows painted without taking the person's input;
    // once `busy` is true, shows `text` with a Cancel button (the rest of the program waits).
    // True when the person pressed Cancel.
    virtual bool KeepAlive(bool busy, const std::string& text) { return false; }
    // The long wait is over: the busy indication goes.
    virtual void EndBusy() {}

    // The core's UiState changed: mirror it.
    virtual void StateChanged() {}

    // Repaint the drawing surface from the tables now.
    virtual void Refresh() {}

    // The feedback drawn over the surface between paints changed.
    virtual void OverlayChanged() {}

    // Start the 20 ms timer whose tick calls tmr_paint_Timer.
    virtual void StartPaintTimer() {}

    // Moves the mouse pointer by whole pixels.
    virtual void MovePointerBy(int dx, int dy) {}

    // Asks modally which machine to use; returns the chosen index, or -1 when nothing was chosen.
    virtual int ChooseMachine(const std::vector<std::string>& names, int current) { return -1; }

    // Opens a local file (a path) or a web address in the desktop's viewer or browser.
    virtual void OpenExternal(const std::string& target) {}

    // Replaces the clipboard's content with the text.
    virtual void SetClipboard(const std::string& text) {}

    // Asks modally for the side and direction of a contour; false when cancelled.
    virtual bool AskContour(ContourQuestion& question) { return false; }

    // frm_Settings: true when closed with OK (the copy then holds the new settings).
    virtual bool ShowSettings(SettingsDialog& dialog) { return false; }

    // frm_print: true when confirmed, with the options the user chose.
    virtual bool ShowPrintDialog(PrintMode mode, PrintOptions& options) { return false; }
    // A print job on the printer the dialog chose; null when none was started (a cancelled file
    // name, or a failure the Ui has reported).
    virtual std::unique_ptr<PrintJob> StartPrint(const PrintOptions& options) { return nullptr; }
};

}  // namespace vt
