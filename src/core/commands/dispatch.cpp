// DispatchPick: offers a pick to every processor in the fixed order.
#include "app/program.h"
#include "commands/history.h"
#include "commands/processors.h"

namespace vt {

void DispatchPick(Program& p, float x, float y, double& v1, double& v2, double& v3,
                  const std::string& text) {
    ChangeScope change(p);
    if (p.cmd.SketchMode) p.cmd.TypedInput = true;
    CheckDelete(p, x, y, v1, v2, v3);
    CheckVV(p, x, y, v1, v2, v3, text);
    CheckPoints(p, x, y, v1, v2, v3);
    CheckLines(p, x, y, v1, v2, v3);
    CheckArcs(p, x, y, v1, v2, v3);
    CheckAnalyse(p, x, y);
    CheckGeoOps(p, x, y, v1, v2, v3);
    // A typed position or value belongs to this pick alone, whether a step took it or not: the
    // next mouse pick snaps again.
    p.cmd.TypedInput = false;
    p.cmd.HasTypedXY = false;
}

void DispatchClick(Program& p, float x, float y) {
    double v1 = 0, v2 = 0, v3 = 0;
    DispatchPick(p, x, y, v1, v2, v3, "");
}

}  // namespace vt
