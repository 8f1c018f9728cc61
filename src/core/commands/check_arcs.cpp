// CheckArcs: the circle constructions (32–41), keeping circle candidates (144) and the plug-in
// circle pick (176).
#include <functional>
#include <vector>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick.h"
#include "commands/pick_steps.h"
#include "commands/processors.h"
#include "geometry/constructions.h"
#include "geometry/primitives.h"
#include "view/hit_tests.h"

namespace vt {

namespace {

const StepPoint& P(Program& p, int i) {
    return p.cmd.Step(i);
}
RitObjekt Elem(Program& p, int i) {
    return p.drawing.Obj(p.cmd.Elem(i));
}

// A definite circle; the command goes on with its first step unless the circle was refused (which
// cancels the command).
void Circle(Program& p, double cx, double cy, double r, int16_t inputMode) {
    if (!AddArc(p, cx, cy, 0, 0, r, false, false, false)) return;
    ContinueCommand(p, 3, inputMode);
}

// Calls the construction for cases 1..n; every answer without CalcError becomes a candidate circle
// of the typed radius. An answer beyond the coordinate and size limits is left out with one
// message, and the others are still offered.
void Candidates(Program& p, int cases, double r,
                const std::function<Construction(int16_t)>& construct) {
    std::vector<RitObjekt> answers;
    bool refused = false;
    for (int16_t n = 1; n <= cases; ++n) {
        Construction c = construct(n);
        if (c.CalcError) continue;
        if (ArcWithinLimits(c.Obj.CX, c.Obj.CY, r))
            answers.push_back(c.Obj);
        else
            refused = true;
    }
    if (RoomFor(p, static_cast<int64_t>(answers.size())))
        for (const RitObjekt& c : answers)
            AddCandidateCircle(p, c.CX, c.CY, r);
    UpdatePoints(p);
    EnterKeepMode(p, OP_KEEP_CIRCLES);
    if (refused)
        p.ui.MessageBox(p.language.GetText(1060), p.language.GetText(1066), MsgButtons::Ok,
                        MsgIcon::Exclamation);
}

// Two element steps, then the radius.
template <bool Line1, bool Line2>
bool TwoElementsThenRadius(Program& p, Pick& k) {
    if (p.cmd.OpStep == 3) return true;
    bool second = Line2 ? GetLine(p, k.x, k.y, 2) : GetArc(p, k.x, k.y, 2);
    if (second) {
        AskValues(p, 5);
        return false;
    }
    bool first = Line1 ? GetLine(p, k.x, k.y, 1) : GetArc(p, k.x, k.y, 1);
    if (first && Line1 != Line2) LookFor(p, Line2 ? 1 : 2);
    return false;
}

// A point step, then a line or circle step, then the radius.
template <bool Line2>
bool PointElementThenRadius(Program& p, Pick& k) {
    if (p.cmd.OpStep == 3) return true;
    if (Line2 ? GetLine(p, k.x, k.y, 2) : GetArc(p, k.x, k.y, 2)) {
        AskValues(p, 5);
        return false;
    }
    if (GetPoint(p, k.x, k.y, 1, false)) LookFor(p, Line2 ? 1 : 2);
    return false;
}

const CodeHandler kArcHandlers[] = {
    {OP_PLUGIN_ARC, [](Program& p, Pick& k) { PluginElementPicked(p, CheckArcHit(p, k.x, k.y)); }},
    {OP_KEEP_CIRCLES, [](Program& p, Pick& k) { KeepCandidate(p, CheckArcHit(p, k.x, k.y)); }},
    {OP_CIRCLE_TAN_2LINES,
     [](Program& p, Pick& k) {
         if (!TwoElementsThenRadius<true, true>(p, k)) return;
         const RitObjekt a = Elem(p, 1), b = Elem(p, 2);
         Candidates(p, 4, k.v1, [&](int16_t n) {
             return TanArc2Lin(a.X1, a.Y1, a.X2, a.Y2, b.X1, b.Y1, b.X2, b.Y2, k.v1, n);
         });
     }},
    {OP_CIRCLE_TAN_2CIRCLES,
     [](Program& p, Pick& k) {
         if (!TwoElementsThenRadius<false, false>(p, k)) return;
         const RitObjekt a = Elem(p, 1), b = Elem(p, 2);
         Candidates(p, 8, k.v1, [&](int16_t n) {
             return TanArc2Arc(a.CX, a.CY, a.R, b.CX, b.CY, b.R, k.v1, n);
         });
     }},
    {OP_CIRCLE_TAN_LINE_CIRCLE,
     [](Program& p, Pick& k) {
         if (!TwoElementsThenRadius<true, false>(p, k)) return;
         const RitObjekt l = Elem(p, 1), c = Elem(p, 2);
         Candidates(p, 8, k.v1, [&](int16_t n) {
             return TanArc2LinArc(l.X1, l.Y1, l.X2, l.Y2, c.CX, c.CY, c.R, k.v1, n);
         });
     }},
    {OP_CIRCLE_TAN_LINE_PT,
     [](Program& p, Pick& k) {
         if (!PointElementThenRadius<true>(p, k)) return;
         const StepPoint q = P(p, 1);
         const RitObjekt l = Elem(p, 2);
         Candidates(p, 2, k.v1, [&](int16_t n) {
             return TanArc2LinPt(q.X, q.Y, k.v1, l.X1, l.Y1, l.X2, l.Y2, n);
         });
     }},
    {OP_CIRCLE_TAN_CIRCLE_PT,
     [](Program& p, Pick& k) {
         if (!PointElementThenRadius<false>(p, k)) return;
         const StepPoint q = P(p, 1);
         const RitObjekt c = Elem(p, 2);
         Candidates(p, 4, k.v1,
                    [&](int16_t n) { return TanArc2Arcpt(c.CX, c.CY, c.R, q.X, q.Y, k.v1, n); });
     }},
    {OP_CIRCLE_CENTER_PT,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 2, false);
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep != 3) return;
         const StepPoint a = P(p, 1), b = P(p, 2);
         Circle(p, a.X, a.Y, LineLen(a.X, a.Y, b.X, b.Y).Length, -1);
     }},
    {OP_CIRCLE_CENTER_RADIUS,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             Circle(p, P(p, 1).X, P(p, 1).Y, k.v1, 2);
             return;
         }
         if (!GetPoint(p, k.x, k.y, 1, false)) return;
         if (k.v1 == 0)
             AskValues(p, 5);
         else
             Circle(p, P(p, 1).X, P(p, 1).Y, k.v1, 2);
     }},
    {OP_CIRCLE_2PT,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 2, false);
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep != 3) return;
         LineMeasure m = LineLen(P(p, 1).X, P(p, 1).Y, P(p, 2).X, P(p, 2).Y);
         Circle(p, m.MidX, m.MidY, m.Length / 2, -1);
     }},
    {OP_CIRCLE_2PT_RADIUS,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 3) {
             const StepPoint a = P(p, 1), b = P(p, 2);
             std::vector<Construction> answers;
             Candidates(p, 2, k.v1, [&](int16_t n) {
                 return Arc2pt(a.X, a.Y, b.X, b.Y, k.v1, static_cast<int16_t>(n - 1));
             });
         } else if (GetPoint(p, k.x, k.y, 2, false)) {
             AskValues(p, 5);
         } else {
             GetPoint(p, k.x, k.y, 1, false);
         }
     }},
    {OP_CIRCLE_3PT,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 3, false);
         GetPoint(p, k.x, k.y, 2, false);
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep != 4) return;
         const StepPoint a = P(p, 1), b = P(p, 2), c = P(p, 3);
         Construction r = Arc3pt(a.X, a.Y, b.X, b.Y, c.X, c.Y);
         if (r.CalcError) {
             ContinueCommand(p, 3, -1);
             p.ui.MessageBox(p.language.GetText(2340), p.language.GetText(1066), MsgButtons::Ok,
                             MsgIcon::Exclamation);
         } else {
             Circle(p, r.Obj.CX, r.Obj.CY, r.Obj.R, -1);
         }
     }},
};

}  // namespace

void CheckArcs(Program& p, float x, float y, double& v1, double& v2, double& v3) {
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckArcs()", FindHandler(kArcHandlers, p.cmd.Operation), k);
}

}  // namespace vt
