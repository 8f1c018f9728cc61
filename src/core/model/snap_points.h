// Snap points: derived from the objects by UpdatePoints, and the switches that choose their kinds.
#pragma once

#include <string>
#include <vector>

#include "app/settings.h"

namespace vt {

class Program;

// Rebuilds the snap-point table from scratch.
void UpdatePoints(Program& p);

// Adds the points object i offers by itself (end points, midpoint, centre, quadrant points);
// false once the table is full.
bool AddOwnPoints(Program& p, int i);

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
