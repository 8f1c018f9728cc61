// The main window's load steps, caption and closing sequence.
#include "app/startup.h"

#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "base/version.h"
#include "commands/drawing_edit.h"
#include "commands/file_commands.h"
#include "nc/machines.h"
#include "plugins/plugins.h"

namespace vt {

double SplashSecondsLeft(double secondsSinceMidnightAtStart) {
    double start = std::round(secondsSinceMidnightAtStart);
    return std::max(0.0, start + 3.0 - secondsSinceMidnightAtStart);
}

std::string MainCaption(const Program& p) {
    std::string title = std::string(kProgramTitle) + " - [ " + p.selectedMachineName + " ]";
    if (p.drawing.HasFileName) return title + " - " + p.drawing.FileName;
    return title;
}

void SetMainCaption(Program& p) {
    p.uiState.caption = MainCaption(p);
    p.ui.StateChanged();
}

void ApplyStartupUiState(Program& p) {
    UiState& ui = p.uiState;
    ui.Menu("mnuUndo").enabled = false;
    ui.SetButtonEnabled("tbr_delete", 5, false);
    for (const auto& s : SnapSwitches()) {
        bool on = p.settings.*s.setting;
        ui.Menu(s.menu).checked = on;
        if (s.panel)
            ui.panels[static_cast<std::size_t>(s.panel)].bevel = on ? kBevelInset : kBevelRaised;
    }
    ui.Menu("mnuIntersecMore").checked = p.settings.IntersecMore != 0;
    ui.panels[16].bevel = p.settings.IntersecMore ? kBevelInset : kBevelRaised;
    ui.panels[15].bevel = kBevelRaised;  // hover read-out starts off
    ui.Menu("mnuNCIncAbs").checked = true;
    ui.surfaceBackColor = p.settings.BackColor;
}

void MainWindowLoad(Program& p, const std::string& commandLineFile) {
    Guarded(p, "Load()", [&] {
        p.uiState.versionLabel = "v" + std::to_string(kVersionMajor) + "." +
                                 std::to_string(kVersionMinor) + "." +
                                 std::to_string(kVersionRevision);
        LoadSettings(p);
        p.drawing.Modified = false;
        p.drawing.HasFileName = false;
        p.axisNameX = "X";
        p.axisNameY = "Y";
        p.axisNameZ = "Z";
        SetMainCaption(p);
        LoadMaskiner(p);
        PreselectMachine(p);
        ApplyStartupUiState(p);
        OpenAtStart(p, commandLineFile);
        LoadPlugins(p);
    });
    p.ui.StateChanged();
}

bool MainWindowQueryUnload(Program& p) {
    const Language& lang = p.language;
    if (p.drawing.Modified) {
        MsgAnswer a = p.ui.MessageBox(lang.GetText(1052), lang.GetText(1050),
                                      MsgButtons::YesNoCancel, MsgIcon::Question);
        if (a == MsgAnswer::Cancel) return true;
        // Yes saves through the save command; a save that did not happen keeps the program running.
        if (a == MsgAnswer::Yes && !mnuSpara_Click(p)) return true;
    }
    MsgAnswer quit = p.ui.MessageBox(lang.GetText(1051), lang.GetText(1050), MsgButtons::YesNo,
                                     MsgIcon::Question);
    return quit != MsgAnswer::Yes;
}

void MainWindowUnload(Program& p, const WindowPlacement* placement, bool minimized) {
    Guarded(p, "Form_Unload()", [&] {
        SaveLastDrawing(p);
        // One report is enough: when the settings could not be written, neither can the placement.
        if (SaveSettings(p) && placement)
            SaveWindowPlacement(p.paths.SettingsFile(), "frm_main", *placement, minimized);
    });
    p.closing = true;
}

}  // namespace vt
