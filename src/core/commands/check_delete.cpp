// CheckDelete: deleting points, lines and circles one click at a time, and windows of them; every
// removed object goes to the undo history first.
#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick.h"
#include "commands/pick_steps.h"
#include "commands/processors.h"
#include "geometry/primitives.h"
#include "view/hit_tests.h"

namespace vt {

namespace {

// The undo code of an object's kind.
int16_t UndoCode(int16_t typ) {
    return typ == kRitPoint ? OP_DELETE_POINT : typ == kLine ? OP_DELETE_LINE : OP_DELETE_CIRCLE;
}

void MarkDeleted(Program& p, int index) {
    AddUndo(p, UndoCode(p.drawing.Obj(index).Typ), index);
    p.drawing.Obj(index).Deleted = true;
    p.drawing.Obj(index).Selected = true;
}

void DeleteOne(Program& p, int16_t index) {
    if (index < 0) return;
    MarkDeleted(p, index);
    CleanDeletedObjects(p);
    p.ui.Refresh();
}

bool Inside(const StepPoint& a, const StepPoint& b, double x, double y) {
    return PointInBox(x, y, a.X, a.Y, b.X, b.Y, 0);
}

void DeleteWindow(Program& p, Pick& k) {
    GetPoint(p, k.x, k.y, 2, true);
    GetPoint(p, k.x, k.y, 1, true);
    if (p.cmd.OpStep != 3) return;
    const StepPoint a = p.cmd.Step(1), b = p.cmd.Step(2);
    Drawing& d = p.drawing;
    for (int i = d.ObjectCount; i >= 1; --i) {
        const RitObjekt& o = d.Obj(i);
        bool wholly = false;
        if (o.Typ == kRitPoint)
            wholly = Inside(a, b, o.X1, o.Y1);
        else if (o.Typ == kCircle)
            wholly = Inside(a, b, o.CX + o.R, o.CY + o.R) && Inside(a, b, o.CX - o.R, o.CY - o.R);
        else if (o.Typ == kLine)
            wholly = Inside(a, b, o.X1, o.Y1) && Inside(a, b, o.X2, o.Y2);
        if (wholly) MarkDeleted(p, i);
    }
    CleanDeletedObjects(p);
    p.cmd.OpStep = 1;
    ShowStepPrompt(p);
    p.ui.Refresh();
}

const CodeHandler kDeleteHandlers[] = {
    {OP_DELETE_POINT, [](Program& p, Pick& k) { DeleteOne(p, CheckRitPointHit(p, k.x, k.y)); }},
    {OP_DELETE_LINE, [](Program& p, Pick& k) { DeleteOne(p, CheckLineHit(p, k.x, k.y)); }},
    {OP_DELETE_CIRCLE, [](Program& p, Pick& k) { DeleteOne(p, CheckArcHit(p, k.x, k.y)); }},
    {OP_DELETE_WINDOW, DeleteWindow},
};

}  // namespace

void CheckDelete(Program& p, float x, float y, double& v1, double& v2, double& v3) {
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckDelete()", FindHandler(kDeleteHandlers, p.cmd.Operation), k);
}

}  // namespace vt
