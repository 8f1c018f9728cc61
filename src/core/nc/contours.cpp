// Contours from chains into the tool path.
#include "nc/contours.h"

#include <cmath>

#include "app/number_format.h"
#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick_steps.h"
#include "contour/part_contours.h"
#include "nc/job_edit.h"
#include "nc/nc_code.h"
#include "nc/toolpath_ops.h"
#include "view/hit_tests.h"

namespace vt {

namespace {

double JobNumberOf(const JobValues& v, const char* key) {
    auto it = v.find(key);
    return it == v.end() ? 0 : ParsePlainNumber(it->second).value_or(0);
}

std::string JobTextOf(const JobValues& v, const char* key) {
    auto it = v.find(key);
    return it == v.end() ? "" : it->second;
}

void Select(Program& p, const Chain& chain, bool on) {
    for (const ChainElement& e : chain.elements)
        p.drawing.Obj(e.object).Selected = on;
}

// Ready for the next chain.
void NextChain(Program& p) {
    ContinueCommand(p, static_cast<int16_t>(PickKind::LinesAndArcs), 0);
}

// How the command line names an element that cannot be cut.
std::string Describe(const Program& p, int16_t object) {
    if (object <= 0 || object > p.drawing.ObjectCount) return "";
    const RitObjekt& o = p.drawing.Obj(object);
    auto n = [](double v) { return PlainNumber(v, 4); };
    if (o.Typ == kLine)
        return "the line from (" + n(o.X1) + ", " + n(o.Y1) + ") to (" + n(o.X2) + ", " + n(o.Y2) +
               ")";
    return "the arc about (" + n(o.CX) + ", " + n(o.CY) + ") with radius " + n(std::fabs(o.R));
}

}  // namespace

JobValues EffectiveJobOf(const Program& p) {
    return EffectiveJob(p.jobSettings, MachineJobValues(p));
}

ContourOptions ContourOptionsFromJob(const JobValues& job) {
    ContourOptions o;
    o.toolDiameter = JobNumberOf(job, "ToolDiameter");
    const std::string comp = JobTextOf(job, "Compensation");
    o.compensation = comp == "Control" ? Compensation::Control
                     : comp == "Off"   ? Compensation::Off
                                       : Compensation::Computed;
    const std::string lead = JobTextOf(job, "Lead");
    o.lead = lead == "None" ? LeadKind::None : lead == "Line" ? LeadKind::Line : LeadKind::Arc;
    o.leadSize = JobNumberOf(job, "LeadSize");
    o.overlap = JobNumberOf(job, "Overlap");
    o.spindleCcw = JobTextOf(job, "Direction") == "CCW";
    return o;
}

void AppendContour(Program& p, const std::vector<ToolPathOp>& moves, bool incremental) {
    const int group = p.toolPath.Count + 1;
    for (const ToolPathOp& m : moves) {
        AddVV(p, m.Typ, m.X, m.Y, 0, m.CX, m.CY, m.R, incremental);
        ToolPathOp& added = p.toolPath.Op(p.toolPath.Count);
        added.Comp = m.Comp;
        added.Group = group;
    }
}

void ChainContour(Program& p, Pick& k) {
    if (p.cmd.OpStep != 1) return;
    int16_t hit = CheckLineHit(p, k.x, k.y);
    if (hit < 0) hit = CheckArcHit(p, k.x, k.y);
    if (hit < 0) return;
    Chain chain = FollowChain(p.drawing, hit);
    if (chain.elements.empty()) return;
    if (!chain.closed) {
        // An open chain runs from the end nearer the click: left and right are seen from there.
        const ChainElement &f = chain.elements.front(), &b = chain.elements.back();
        if (std::hypot(k.x - b.x2, k.y - b.y2) < std::hypot(k.x - f.x1, k.y - f.y1))
            chain.elements = Reversed(chain.elements);
    }
    Select(p, chain, true);
    if (chain.branched) p.uiState.infoText = p.language.GetText(1317);
    p.ui.StateChanged();
    p.ui.Refresh();
    ContourQuestion q;
    q.closed = chain.closed;
    q.x = k.x;
    q.y = k.y;
    const bool asked = p.ui.AskContour(q);
    Select(p, chain, false);
    if (!asked) {
        NextChain(p);
        return;
    }
    ContourOptions o = ContourOptionsFromJob(EffectiveJobOf(p));
    const ContourSide sides[2][3] = {{ContourSide::Left, ContourSide::Right, ContourSide::On},
                                     {ContourSide::Outside, ContourSide::Inside, ContourSide::On}};
    o.side = sides[chain.closed ? 1 : 0][q.side >= 0 && q.side <= 2 ? q.side : 2];
    o.climb = q.climb;
    o.tolerance = ChainTolerance(p.drawing);
    const ContourPlan plan = PlanContour(chain, o);
    if (plan.refused) {
        if (plan.refusedObject > 0) p.drawing.Obj(plan.refusedObject).Selected = true;
        p.ui.Refresh();
        p.ui.MessageBox(p.language.GetText(plan.noRoomForLeads ? 1319 : 1318),
                        p.language.GetText(1307), MsgButtons::Ok, MsgIcon::Exclamation);
        if (plan.refusedObject > 0) p.drawing.Obj(plan.refusedObject).Selected = false;
        NextChain(p);
        return;
    }
    AppendContour(p, plan.moves, IncrementalMode(p));
    NextChain(p);
    RegenerateNcIfShown(p);
}

bool AddPartContours(Program& p, const ContourOptions& options, std::string& why) {
    ContourOptions o = options;
    o.tolerance = ChainTolerance(p.drawing);
    const PartContours part = PlanPart(p.drawing, o);
    if (part.refused) {
        const int16_t object = part.refusal.refusedObject;
        why = part.refusal.noRoomForLeads
                  ? "no room for the lead-in and lead-out that compensation on the control needs "
                    "at the chain through " +
                        Describe(p, part.refusedChain.elements.front().object)
                  : "a tool of diameter " + PlainNumber(o.toolDiameter, 4) + " cannot follow " +
                        Describe(p, object) + " without cutting into the part";
        return false;
    }
    for (const ContourPlan& plan : part.plans)
        AppendContour(p, plan.moves, false);
    return true;
}

}  // namespace vt
