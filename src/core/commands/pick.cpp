// Candidates, keeping them, and plug-in element picks.
#include "commands/pick.h"

#include "app/error_report.h"
#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"

namespace vt {

void RunProcessor(Program& p, const char* name, const CodeHandler* handler, Pick& k) {
    if (handler) Guarded(p, name, [&] { handler->run(p, k); });
}

void AddCandidateLine(Program& p, double x1, double y1, double x2, double y2) {
    AddLine(p, x1, y1, x2, y2, true, true, true);
}

bool RoomFor(Program& p, int64_t n) {
    if (p.drawing.ObjectCount + n <= kMaxCount) return true;
    ReportError(p, VtError(kErrOverflow));
    return false;
}

void AddCandidateCircle(Program& p, double cx, double cy, double r) {
    AddArc(p, cx, cy, 0, 0, r, true, true, true);
}

void KeepCandidate(Program& p, int16_t index) {
    if (index < 0) return;
    RitObjekt& o = p.drawing.Obj(index);
    if (!o.Temp) return;
    o.Temp = false;
    o.Deleted = false;
    o.Selected = true;
    p.ui.Refresh();
}

void PluginElementPicked(Program& p, int16_t index) {
    if (index < 0) return;
    p.cmd.PluginPickIndex = index;
    RitObjekt& o = p.drawing.Obj(index);
    o.Temp = false;
    o.Deleted = false;
    o.Selected = true;
    p.ui.Refresh();
    p.cmd.Operation = OP_PLUGIN_DONE;
}

}  // namespace vt
