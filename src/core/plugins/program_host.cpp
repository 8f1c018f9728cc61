// The host operations, each on the program's own state.
#include "plugins/program_host.h"

#include <cmath>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "nc/toolpath_ops.h"
#include "plugins/plugins.h"

namespace vt {

void ProgramHost::RegisterPlugin(int16_t category, const std::string& caption, int16_t command) {
    p_.uiState.pluginMenus.push_back(
        {PluginMenuOf(category), caption + "*",
         std::to_string(currentPlugin) + "." + std::to_string(command)});
    p_.ui.StateChanged();
}

void ProgramHost::pAddLocation(const std::string& routine) {
    p_.errorTrail.Push(routine);
}

veltrum::Value ProgramHost::pVar(int16_t which) {
    veltrum::Value v;
    switch (which) {
        case 0:
            v.kind = veltrum::Value::Number;
            v.number = p_.drawing.ObjectCount;
            break;
        case 1:
            v.kind = veltrum::Value::Number;
            v.number = p_.snaps.PointCount;
            break;
        case 16:
        case 17:
            v.kind = veltrum::Value::Text;
            v.text = which == 16 ? p_.axisNameX : p_.axisNameY;
            break;
        default:
            v.kind = veltrum::Value::Boolean;
            break;
    }
    return v;
}

bool ProgramHost::pTextInput(std::string& text) {
    const int16_t saved = p_.cmd.InputMode;
    p_.cmd.InputMode = 12;
    std::string s1 = text, s2, s3;
    const bool ok = ValueInput(p_, s1, s2, s3);
    p_.cmd.InputMode = saved;
    if (ok) text = p_.valueDialog.text[1];
    return ok;
}

bool ProgramHost::pInput(const std::string& label1, std::string& value1, const std::string& label2,
                         std::string& value2, const std::string& label3, std::string& value3) {
    const int16_t saved = p_.cmd.InputMode;
    p_.cmd.InputMode = 255;
    std::string s1 = label1, s2 = label2, s3 = label3;
    p_.valueDialog.text = {"", value1, value2, value3};
    const bool ok = ValueInput(p_, s1, s2, s3);
    p_.cmd.InputMode = saved;
    if (!ok) return false;
    std::string* values[] = {&value1, &value2, &value3};
    const std::string* texts[] = {&s1, &s2, &s3};
    for (int i = 0; i < 3; ++i)
        if (!texts[i]->empty()) *values[i] = *texts[i];
    return true;
}

bool ProgramHost::WaitForPick(int16_t mode, int16_t kind, int prompt) {
    CommandState& c = p_.cmd;
    p_.uiState.infoText = p_.language.GetText(prompt);
    c.StepPrompt = {"", p_.uiState.infoText, "", "",
                    ""};  // no prompt of an earlier command comes back
    p_.uiState.logoFrameVisible = false;
    c.PluginPickIndex = -1;
    c.OpStep = 1;
    LookFor(p_, kind);
    c.Operation = mode;
    p_.ui.StateChanged();
    while (c.Operation == mode && !p_.closing)
        p_.ui.PumpEvents();
    const bool picked = c.Operation == OP_PLUGIN_DONE;
    c.Operation = 255;
    p_.ui.StateChanged();
    return picked;
}

bool ProgramHost::pGetPointInput(double& x, double& y) {
    if (!WaitForPick(OP_PLUGIN_POINT, 3, 2107)) return false;
    x = p_.cmd.PluginPickPoint.X;
    y = p_.cmd.PluginPickPoint.Y;
    return true;
}

bool ProgramHost::pGetLineInput(double& x1, double& y1, double& x2, double& y2) {
    if (!WaitForPick(OP_PLUGIN_LINE, 1, 2109) || p_.cmd.PluginPickIndex < 1) return false;
    const RitObjekt& o = p_.drawing.Obj(p_.cmd.PluginPickIndex);
    x1 = o.X1;
    y1 = o.Y1;
    x2 = o.X2;
    y2 = o.Y2;
    return true;
}

bool ProgramHost::pGetArcInput(double& cx, double& cy, double& r, double& startAngle,
                               double& endAngle) {
    if (!WaitForPick(OP_PLUGIN_ARC, 2, 2108) || p_.cmd.PluginPickIndex < 1) return false;
    const RitObjekt& o = p_.drawing.Obj(p_.cmd.PluginPickIndex);
    cx = o.CX;
    cy = o.CY;
    r = o.R;
    startAngle = o.StartAngle;
    endAngle = o.EndAngle;
    return true;
}

void ProgramHost::pSelectSave(int16_t mode) {
    if (mode < OP_PLUGIN_ARC || mode > OP_PLUGIN_POINT) return;
    CommandState& c = p_.cmd;
    c.OpStep = 1;
    c.PluginPickIndex = -1;
    LookFor(p_, mode == OP_PLUGIN_ARC ? 2 : mode == OP_PLUGIN_LINE ? 1 : 3);
    c.Operation = mode;
    p_.ui.StateChanged();
}

void ProgramHost::pRepaint() {
    p_.ui.Refresh();
}

namespace {

veltrum::DrawingObject ToPlugin(const RitObjekt& o) {
    return {o.Typ,     o.X1,       o.Y1,        o.X2,         o.Y2,       o.CX,
            o.CY,      o.R,        o.Reserved,  o.StartAngle, o.EndAngle, o.Temp,
            o.Deleted, o.Selected, o.Highlight, o.Color};
}

bool Finite(const veltrum::DrawingObject& o) {
    for (double v : {o.X1, o.Y1, o.X2, o.Y2, o.CX, o.CY, o.R, o.Reserved, o.StartAngle, o.EndAngle})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

bool ProgramHost::pRitObjekt(int16_t index, veltrum::DrawingObject& object) {
    if (index < 1 || index > p_.drawing.ObjectCount) return false;
    object = ToPlugin(p_.drawing.Obj(index));
    return true;
}

bool ProgramHost::pUpdateRitObjekt(int16_t index, const veltrum::DrawingObject& o) {
    if (index < 1 || index > p_.drawing.ObjectCount) return false;
    // A record the drawing could not hold is refused rather than stored.
    if (o.Typ < kLine || o.Typ > kRitPoint || !Finite(o)) return false;
    if (o.Typ == kCircle && !(std::fabs(o.R) >= kMinRadius && std::fabs(o.R) <= kCoordLimit))
        return false;
    RitObjekt& r = p_.drawing.Obj(index);
    r = RitObjekt{o.Typ,     o.X1,       o.Y1,        o.X2,         o.Y2,       o.CX,
                  o.CY,      o.R,        o.Reserved,  o.StartAngle, o.EndAngle, o.Temp,
                  o.Deleted, o.Selected, o.Highlight, o.Color};
    p_.drawing.Modified = true;
    UpdatePoints(p_);  // the snap points follow the changed object
    return true;
}

void ProgramHost::AddVV(int16_t typ, double x, double y, double ignored, double cx, double cy,
                        double r, bool incremental) {
    vt::AddVV(p_, typ, x, y, ignored, cx, cy, r, incremental);
}

bool ProgramHost::AddLine(double x1, double y1, double x2, double y2) {
    for (double v : {x1, y1, x2, y2})
        if (!std::isfinite(v)) return false;
    vt::AddLine(p_, x1, y1, x2, y2, false, false, false);
    return true;
}

bool ProgramHost::AddCircle(double cx, double cy, double r) {
    if (!std::isfinite(cx) || !std::isfinite(cy)) return false;
    return AddArc(p_, cx, cy, 0, 0, r, false, false, false);
}

bool ProgramHost::AddPoint(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    AddRitPoint(p_, x, y, false, false, false);
    return true;
}

}  // namespace vt
