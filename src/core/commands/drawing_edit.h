// The document operations as a command runs them: each adds to the document, then rebuilds the
// snap points (unless noUpdate), shows the messages and registers itself in the error trail.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/drawing_ops.h"
#include "model/snap_points.h"

namespace vt {

class Program;
struct ProgramSettings;

void AddLine(Program& p, double x1, double y1, double x2, double y2, bool temp, bool noUpdate,
             bool deleted);
// An invalid circle is refused with the message and a cancel of the running command. Returns
// whether the circle was added.
bool AddArc(Program& p, double cx, double cy, double startAngle, double endAngle, double& r,
            bool temp, bool noUpdate, bool deleted);
void AddRitPoint(Program& p, double x, double y, bool temp, bool noUpdate, bool deleted);
void AddEllipse(Program& p, double cx, double cy, double a, double b, double rotation, bool temp,
                bool noUpdate, bool deleted);
bool AddPoint(Program& p, double x, double y, int32_t color, int16_t obj1, int16_t obj2);

// Removes deleted objects keeping the order of the rest, then rebuilds the snap points.
void CleanDeletedObjects(Program& p);
void ClearObjectMarks(Program& p);
void ClearHighlight(Program& p);
// Keeps a deleted object for undo and enables the undo command.
void AddUndo(Program& p, int16_t action, int index);
// Empties the document (drawing, tool path, job settings, file name) and shows the empty one.
void NewDrawing(Program& p);

// Pick kinds: 1 lines, 2 circles, 3 points, 4 all; anything else none.
void LookFor(Program& p, int16_t kind);

// The snap settings of the program's settings.
SnapSettings SnapSettingsOf(const ProgramSettings& s);
// Rebuilds the snap-point table from scratch (nothing while points are shown only on demand and
// no command asks for one).
void UpdatePoints(Program& p);
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
