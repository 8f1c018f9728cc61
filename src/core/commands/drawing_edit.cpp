// Adding to the document as commands do it, the snap points of the program, and their switches.
#include "commands/drawing_edit.h"

#include "app/program.h"
#include "app/startup.h"
#include "commands/command_reset.h"

namespace vt {

void AddLine(Program& p, double x1, double y1, double x2, double y2, bool temp, bool noUpdate,
             bool deleted) {
    p.errorTrail.Push("AddLine()");
    AddLine(p.drawing, x1, y1, x2, y2, temp, deleted);
    if (!noUpdate) UpdatePoints(p);
}

bool AddArc(Program& p, double cx, double cy, double startAngle, double endAngle, double& r,
            bool temp, bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddArc()");
    if (!AddArc(p.drawing, cx, cy, startAngle, endAngle, r, temp, deleted)) {
        p.ui.MessageBox(p.language.GetText(1060), p.language.GetText(1066), MsgButtons::Ok,
                        MsgIcon::Exclamation);
        ResetOperation(p);
        return false;
    }
    if (!noUpdate) UpdatePoints(p);
    return true;
}

void AddRitPoint(Program& p, double x, double y, bool temp, bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddRitPoint()");
    AddRitPoint(p.drawing, x, y, temp, deleted);
    if (!noUpdate) UpdatePoints(p);
}

void AddEllipse(Program& p, double cx, double cy, double a, double b, double rotation, bool temp,
                bool noUpdate, bool deleted) {
    p.errorTrail.Push("AddEllipse()");
    AddEllipse(p.drawing, cx, cy, a, b, rotation, temp, deleted);
    if (!noUpdate) UpdatePoints(p);
}

bool AddPoint(Program& p, double x, double y, int32_t color, int16_t obj1, int16_t obj2) {
    return AddPoint(p.snaps, x, y, color, obj1, obj2);
}

void CleanDeletedObjects(Program& p) {
    p.errorTrail.Push("CleanDeletedObjects()");
    CleanDeletedObjects(p.drawing);
    UpdatePoints(p);
}

void ClearObjectMarks(Program& p) {
    ClearObjectMarks(p.drawing);
}

void ClearHighlight(Program& p) {
    ClearHighlight(p.drawing);
}

void AddUndo(Program& p, int16_t action, int index) {
    p.errorTrail.Push("AddUndo()");
    AddUndo(p.drawing, action, index);
    p.uiState.Menu("mnuUndo").enabled = true;
    p.uiState.SetButtonEnabled("tbr_delete", 5, true);
    p.ui.StateChanged();
}

void NewDrawing(Program& p) {
    p.errorTrail.Push("NewDrawing()");
    ClearDocument(p.doc);
    p.uiState.ncCodeText.clear();
    p.uiState.ncStatusText = "0" + p.language.GetText(1265);
    SetMainCaption(p);
    UpdatePoints(p);
}

void LookFor(Program& p, int16_t kind) {
    CommandState& c = p.cmd;
    c.PickPoints = c.PickLines = c.PickArcs = false;
    SurfaceCursor cursor = SurfaceCursor::Cross;
    switch (kind) {
        case 1:
            c.PickLines = true;
            cursor = SurfaceCursor::PickLine;
            break;
        case 2:
            c.PickArcs = true;
            cursor = SurfaceCursor::PickCircle;
            break;
        case 3:
            c.PickPoints = true;
            cursor = SurfaceCursor::PickPoint;
            if (p.settings.POD) {
                UpdatePoints(p);
                p.ui.Refresh();
            }
            break;
        case 4:
            c.PickPoints = c.PickLines = c.PickArcs = true;
            cursor = SurfaceCursor::PickAll;
            break;
        case 5:
            c.PickLines = c.PickArcs = true;
            cursor = SurfaceCursor::PickAll;
            break;
        default:
            break;
    }
    p.uiState.surfaceCursor = cursor;
}

const std::vector<SnapSwitch>& SnapSwitches() {
    static const std::vector<SnapSwitch> switches = {
        {"mnuShowPointsOnDemand", &ProgramSettings::POD, 0},
        {"mnuIntersectionLL", &ProgramSettings::LL, 7},
        {"mnuIntersectionLC", &ProgramSettings::LC, 9},
        {"mnuIntersectionCC", &ProgramSettings::CC, 8},
        {"mnuShowCenterPoints", &ProgramSettings::CP, 12},
        {"mnuShowEndpoints", &ProgramSettings::EP, 11},
        {"mnuShowMiddlepoints", &ProgramSettings::MP, 10},
        {"mnuShowQuadrantPoints", &ProgramSettings::QP, 13},
    };
    return switches;
}

SnapSettings SnapSettingsOf(const ProgramSettings& s) {
    SnapSettings o;
    o.LL = s.LL;
    o.LC = s.LC;
    o.CC = s.CC;
    o.EP = s.EP;
    o.CP = s.CP;
    o.MP = s.MP;
    o.QP = s.QP;
    o.IntersecMore = s.IntersecMore;
    o.EndpointColor = s.EndpointColor;
    o.MidpointColor = s.MidpointColor;
    o.QuadrantColor = s.QuadrantColor;
    o.CenterColor = s.CenterColor;
    o.IntersecColor = s.IntersecColor;
    return o;
}

void UpdatePoints(Program& p) {
    p.snaps.PointCount = 0;
    if (p.settings.POD && !p.cmd.PickPoints) return;
    p.uiState.busyCursor = true;
    BuildSnapPoints(p.drawing, SnapSettingsOf(p.settings), p.snaps);
    p.uiState.busyCursor = false;
}

bool AddOwnPoints(Program& p, int i) {
    return vt::AddOwnPoints(p.drawing, SnapSettingsOf(p.settings), i, p.snaps);
}

bool ToggleSnapSwitch(Program& p, const std::string& menu) {
    UiState& ui = p.uiState;
    if (menu == "mnuIntersecMore") {
        p.settings.IntersecMore = p.settings.IntersecMore ? 0 : 1;
        ui.Menu(menu).checked = p.settings.IntersecMore != 0;
        ui.panels[16].bevel = p.settings.IntersecMore ? kBevelInset : kBevelRaised;
    } else {
        const SnapSwitch* sw = nullptr;
        for (const auto& s : SnapSwitches())
            if (menu == s.menu) sw = &s;
        if (!sw) return false;
        bool on = !ui.Checked(menu);
        ui.Menu(menu).checked = on;
        if (sw->panel)
            ui.panels[static_cast<std::size_t>(sw->panel)].bevel = on ? kBevelInset : kBevelRaised;
        p.settings.*(sw->setting) = on;
    }
    p.view.ViewChanged = true;
    UpdatePoints(p);
    p.ui.StateChanged();
    p.ui.Refresh();
    return true;
}

}  // namespace vt
