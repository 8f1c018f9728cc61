// Snap points: derived from the objects by UpdatePoints, and the switches that choose their kinds.
#pragma once

#include <string>
#include <vector>

#include "app/settings.h"

namespace vt {

class Program;

// Rebuilds the snap-point table from scratch.
void UpdatePoints(Program& p);

// A snap-point switch: its menu item, its setting and its status-bar panel (0: none).
struct SnapSwitch {
    const char* menu;
    bool ProgramSettings::*setting;
    int panel;
};
const std::vector<SnapSwitch>& SnapSwitches();

// The menu handlers of the switches (and of mnuIntersecMore): toggle the check mark, the panel
// bevel and the setting, then rebuild and repaint. False for a name that is not a switch.
bool ToggleSnapSwitch(Program& p, const std::string& menu);

}  // namespace vt
