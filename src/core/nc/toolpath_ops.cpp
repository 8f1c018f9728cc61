// CheckVV (modes 112–118) and the tool path commands.
#include "nc/toolpath_ops.h"

#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick.h"
#include "commands/pick_steps.h"
#include "commands/processors.h"
#include "commands/value_input.h"
#include "geometry/primitives.h"
#include "nc/contours.h"
#include "nc/nc_code.h"
#include "view/hit_tests.h"

namespace vt {

bool IncrementalMode(const Program& p) {
    return !p.uiState.Checked("mnuNCIncAbs");
}

namespace {

ToolPathOp& Append(Program& p, int16_t typ, bool incremental) {
    ToolPath& t = p.toolPath;
    CheckCount(t.Count);
    ++t.Count;
    t.Ops.resize(static_cast<std::size_t>(t.Count) + 1);
    ToolPathOp& o = t.Op(t.Count);
    o = ToolPathOp{};
    o.Typ = static_cast<int16_t>(typ == kManualLine || !incremental ? typ : typ + kIncremental);
    o.Label = "P" + std::to_string(t.Count);
    return o;
}

// After a move is added, undone or cleared: repaint, and new NC code while its window is shown.
void PathChanged(Program& p) {
    p.ui.Refresh();
    RegenerateNcIfShown(p);
}

void NextMove(Program& p) {
    p.cmd.OpStep = 1;
    ShowStepPrompt(p);
    PathChanged(p);
}

void LinearMove(Program& p, Pick& k) {
    if (!GetPoint(p, k.x, k.y, 1, false)) return;
    const int16_t kind = p.cmd.Operation == OP_NC_POINT
                             ? kNcPoint
                             : static_cast<int16_t>(p.cmd.Operation - OP_NC_G0);
    ToolPathOp& o = Append(p, kind, IncrementalMode(p));
    o.X = p.cmd.Step(1).X;
    o.Y = p.cmd.Step(1).Y;
    NextMove(p);
}

void ManualLine(Program& p, Pick&, const std::string& text) {
    if (text.empty()) return;  // a click: the line is typed in the value dialog
    const ToolPath& t = p.toolPath;
    const double x = t.Count > 0 ? t.Op(t.Count).X : 0, y = t.Count > 0 ? t.Op(t.Count).Y : 0;
    ToolPathOp& o = Append(p, kManualLine, false);
    o.NCText = text;
    o.X = x;
    o.Y = y;
    NextMove(p);
}

// The direction from S to E along the circle that contains the hint P; angles clockwise from +x.
int16_t Direction(double aS, double aE, double aP) {
    if (aS < aE) {
        if (aP > aS && aP < aE) return kG2;
        if (aP < aS || aP > aE) return kG3;
        return aE - aS <= 180 ? kG2 : kG3;  // the hint on S or E: the shorter way
    }
    if (aP < aS && aP > aE) return kG3;
    if (aP > aS || aP < aE) return kG2;
    return aS - aE <= 180 ? kG3 : kG2;
}

}  // namespace

std::optional<ToolPathOp> ArcMoveAt(const Program& p, float x, float y) {
    const CommandState& c = p.cmd;
    const bool circular = c.Operation == OP_NC_G2 || c.Operation == OP_NC_G3;
    if (!circular || c.OpStep != 2 || p.toolPath.Count < 1) return std::nullopt;
    const int16_t i = CheckArcHit(p, x, y);
    if (i < 0) return std::nullopt;
    const RitObjekt& circle = p.drawing.Obj(i);
    const ToolPathOp& last = p.toolPath.Op(p.toolPath.Count);
    const StepPoint& e = c.StepPoints[1];
    const LineMeasure s = LineLen(circle.CX, circle.CY, last.X, last.Y);
    const LineMeasure en = LineLen(circle.CX, circle.CY, e.X, e.Y);
    if (std::fabs(s.Length - circle.R) >= 0.00001 || std::fabs(en.Length - circle.R) >= 0.00001)
        return std::nullopt;
    ToolPathOp o;
    const double aP = LineLen(circle.CX, circle.CY, x, y).AngleDeg;
    // A full turn asks for its direction; shown counter-clockwise.
    o.Typ = s.AngleDeg != en.AngleDeg ? Direction(s.AngleDeg, en.AngleDeg, aP) : kG3;
    o.X = e.X;
    o.Y = e.Y;
    o.CX = circle.CX;
    o.CY = circle.CY;
    o.R = circle.R;
    return o;
}

namespace {

void CircularMove(Program& p, Pick& k) {
    CommandState& c = p.cmd;
    if (c.OpStep == 2) {
        const StepPoint hint{k.x, k.y, 0};
        if (!GetArc(p, k.x, k.y, 2)) return;
        const RitObjekt circle = p.drawing.Obj(c.Elem(2));
        const ToolPathOp& last = p.toolPath.Op(p.toolPath.Count);
        const StepPoint e = c.Step(1);
        const double rs = LineLen(circle.CX, circle.CY, last.X, last.Y).Length;
        const double re = LineLen(circle.CX, circle.CY, e.X, e.Y).Length;
        if (std::fabs(rs - circle.R) >= 0.00001 || std::fabs(re - circle.R) >= 0.00001) {
            p.ui.MessageBox(p.language.GetText(1063), p.language.GetText(1066), MsgButtons::Ok,
                            MsgIcon::Exclamation);
            ResetOperation(p);
            return;
        }
        const double aS = LineLen(circle.CX, circle.CY, last.X, last.Y).AngleDeg;
        const double aE = LineLen(circle.CX, circle.CY, e.X, e.Y).AngleDeg;
        const double aP = LineLen(circle.CX, circle.CY, hint.X, hint.Y).AngleDeg;
        int16_t kind;
        if (aS != aE) {
            kind = Direction(aS, aE, aP);
        } else {
            // A full turn: the user chooses the direction.
            p.uiState.infoText = p.language.GetText(2156);
            p.ui.StateChanged();
            c.InputMode = 13;
            std::string a, b, d;
            if (!ValueInput(p, a, b, d)) {
                ResetOperation(p);
                return;
            }
            kind = p.valueDialog.arcChoice == 2 ? kG2 : kG3;
            c.InputMode = 0;
        }
        ToolPathOp& o = Append(p, kind, IncrementalMode(p));
        o.X = e.X;
        o.Y = e.Y;
        o.CX = circle.CX;
        o.CY = circle.CY;
        o.R = circle.R;
        ClearObjectMarks(p);
        LookFor(p, 3);
        NextMove(p);
        return;
    }
    if (GetPoint(p, k.x, k.y, 1, false)) LookFor(p, 2);
}

void AutoContour(Program& p, Pick& k) {
    GetLine(p, k.x, k.y, 2);
    if (GetPoint(p, k.x, k.y, 1, false)) LookFor(p, 1);
    if (p.cmd.OpStep != 3) return;
    AddG1(p, p.cmd.Step(1).X, p.cmd.Step(1).Y);
    ContinueCommand(p, 3, 0);
    PathChanged(p);
}

const CodeHandler kNcHandlers[] = {
    {OP_NC_G0, LinearMove},      {OP_NC_G1, LinearMove},   {OP_NC_POINT, LinearMove},
    {OP_NC_G2, CircularMove},    {OP_NC_G3, CircularMove}, {OP_NC_AUTO_CONTOUR, AutoContour},
    {OP_NC_CHAIN, ChainContour},
};

}  // namespace

void CheckVV(Program& p, float x, float y, double& v1, double& v2, double& v3,
             const std::string& text) {
    Pick k{x, y, v1, v2, v3};
    if (p.cmd.Operation == OP_NC_MANUAL) {
        Guarded(p, "CheckVV()", [&] { ManualLine(p, k, text); });
        return;
    }
    RunProcessor(p, "CheckVV()", FindHandler(kNcHandlers, p.cmd.Operation), k);
}

void AddVV(Program& p, int16_t typ, double x, double y, double, double cx, double cy, double r,
           bool incremental) {
    ToolPathOp& o = Append(p, typ, incremental);
    o.X = x;
    o.Y = y;
    o.CX = cx;
    o.CY = cy;
    o.R = r;
}

void AddG1(Program& p, double x, double y) {
    ToolPathOp& o = Append(p, kG1, IncrementalMode(p));
    o.X = x;
    o.Y = y;
}

void mnuNCIncAbs_Click(Program& p) {
    MenuItemState& m = p.uiState.Menu("mnuNCIncAbs");
    m.checked = !m.checked;
    p.uiState.panels[1].text = m.checked ? "" : "INKR.";
    p.ui.StateChanged();
}

void mnuNCundolast_Click(Program& p) {
    Guarded(p, "mnuNCundolast()", [&] {
        ToolPath& t = p.toolPath;
        if (t.Count <= 0) return;
        // A contour goes back as the one step it was made in.
        const double group = t.Op(t.Count).Group;
        do
            --t.Count;
        while (t.Count > 0 && group != 0 && t.Op(t.Count).Group == group);
        t.Ops.resize(static_cast<std::size_t>(t.Count) + 1);
        PathChanged(p);
    });
}

void mnuNCClearAll_Click(Program& p) {
    if (p.ui.MessageBox(p.language.GetText(1276), p.language.GetText(1277), MsgButtons::YesNo,
                        MsgIcon::Question) != MsgAnswer::Yes)
        return;
    if (p.toolPath.Count == 0) return;
    p.toolPath.Clear();
    PathChanged(p);
}

}  // namespace vt
