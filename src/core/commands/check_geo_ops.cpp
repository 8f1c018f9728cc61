// CheckGeoOps: moving the origin of the whole drawing and moving one end point of a line.
#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick.h"
#include "commands/pick_steps.h"
#include "commands/processors.h"
#include "nc/nc_code.h"

namespace vt {

namespace {

void MoveOrigin(Program& p, Pick& k) {
    if (!GetPoint(p, k.x, k.y, 1, false)) return;
    const double ox = p.cmd.Step(1).X, oy = p.cmd.Step(1).Y;
    Drawing& d = p.drawing;
    for (int i = 1; i <= d.ObjectCount; ++i) {
        RitObjekt& o = d.Obj(i);
        if (o.Typ == kRitPoint) {
            o.X1 -= ox;
            o.Y1 -= oy;
        } else if (o.Typ == kCircle || o.Typ == kLine) {
            if (o.Typ == kCircle) {
                o.CX -= ox;
                o.CY -= oy;
            }
            o.X1 -= ox;
            o.Y1 -= oy;
            o.X2 -= ox;
            o.Y2 -= oy;
        }
    }
    for (int i = 1; i <= p.toolPath.Count; ++i) {
        ToolPathOp& op = p.toolPath.Op(i);
        int16_t kind = BaseKind(op.Typ);
        if (kind == kG0 || kind == kG1 || kind == kG2 || kind == kG3) {
            op.X -= ox;
            op.Y -= oy;
        }
        if (kind == kG2 || kind == kG3) {
            op.CX -= ox;
            op.CY -= oy;
        }
    }
    // The drawing now differs from its file.
    d.Modified = true;
    ContinueCommand(p, 3, 1);
    UpdatePoints(p);
    p.ui.Refresh();
    RegenerateNcIfShown(p);
}

void MoveEndPoint(Program& p, Pick& k) {
    CommandState& c = p.cmd;
    if (GetPoint(p, k.x, k.y, 3, false)) {
        RitObjekt& l = p.drawing.Obj(c.Elem(1));
        const StepPoint p2 = c.Step(2), p3 = c.Step(3);
        if (p2.X == l.X1 && p2.Y == l.Y1) {
            l.X1 = p3.X;
            l.Y1 = p3.Y;
        } else {
            l.X2 = p3.X;
            l.Y2 = p3.Y;
        }
        p.drawing.Modified = true;
        ClearObjectMarks(p);
        p.uiState.inputFrameVisible = false;
        ContinueCommand(p, 1, 0);
        UpdatePoints(p);
        p.ui.Refresh();
        return;
    }
    if (GetPoint(p, k.x, k.y, 2, false)) {
        const RitObjekt& l = p.drawing.Obj(c.Elem(1));
        const StepPoint p2 = c.Step(2);
        bool onLine = (p2.X == l.X1 && p2.Y == l.Y1) || (p2.X == l.X2 && p2.Y == l.Y2);
        if (!onLine) {
            p.ui.MessageBox(p.language.GetText(1279), p.language.GetText(1066), MsgButtons::Ok,
                            MsgIcon::Critical);
            ResetOperation(p);
            return;
        }
        c.InputMode = 1;
        p.uiState.inputFrameVisible = true;
        p.ui.StateChanged();
        return;
    }
    if (GetLine(p, k.x, k.y, 1)) LookFor(p, 3);
}

const CodeHandler kGeoHandlers[] = {
    {OP_MOVE_ORIGIN, MoveOrigin},
    {OP_MOVE_POINT, MoveEndPoint},
};

}  // namespace

void CheckGeoOps(Program& p, float x, float y, double& v1, double& v2, double& v3) {
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckGeoOps()", FindHandler(kGeoHandlers, p.cmd.Operation), k);
}

}  // namespace vt
