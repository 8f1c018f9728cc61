// The settings command.
#include "app/settings_dialog.h"

#include "app/error_report.h"
#include "app/program.h"
#include "commands/drawing_edit.h"
#include "nc/machines.h"

namespace vt {

void mnuSettings_Click(Program& p) {
    Guarded(p, "mnuSettings_Click()", [&] {
        SettingsDialog d{p.settings, p.uiState.ncMachines};
        if (!p.ui.ShowSettings(d)) return;
        const std::string oldPostpath = p.settings.Postpath;
        p.settings = d.copy;
        // Another machine folder brings its own machines; otherwise the chosen machine is read
        // again (the multiplier switch may have changed).
        if (p.settings.Postpath != oldPostpath)
            LoadMaskiner(p);
        else
            ReadPPInfo(p);
        p.uiState.surfaceBackColor = p.settings.BackColor;
        // The snap points carry their colours and the table its capacity: rebuilt with the new
        // settings.
        p.snaps.MaxPoints = p.settings.MaxPoints;
        UpdatePoints(p);
        p.view.ViewChanged = true;
        p.ui.StateChanged();
        p.ui.Refresh();
    });
}

}  // namespace vt
