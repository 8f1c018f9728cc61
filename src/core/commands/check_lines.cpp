// CheckLines: the line constructions (16–23), keeping line candidates (145) and the plug-in line
// pick (177).
#include <cmath>

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

constexpr double kRad = 3.14159265358979 / 180;

const StepPoint& P(Program& p, int i) {
    return p.cmd.Step(i);
}
RitObjekt Elem(Program& p, int i) {
    return p.drawing.Obj(p.cmd.Elem(i));
}

void Line(Program& p, double x1, double y1, double x2, double y2) {
    AddLine(p, x1, y1, x2, y2, false, true, false);
}

// Adds every answer without CalcError as a candidate and waits for the user to keep some.
void Candidates(Program& p, const std::vector<Construction>& answers) {
    int64_t found = 0;
    for (const Construction& c : answers)
        found += !c.CalcError;
    if (RoomFor(p, found))
        for (const Construction& c : answers)
            if (!c.CalcError) AddCandidateLine(p, c.Obj.X1, c.Obj.Y1, c.Obj.X2, c.Obj.Y2);
    UpdatePoints(p);
    EnterKeepMode(p, OP_KEEP_LINES);
}

// Parallels of the picked line on the side of the picked point: n of them at d, 2d, ..., n·d.
void Parallels(Program& p, double value1, double value2) {
    const double d = std::fabs(value1);
    const int n = RoundCount(value2);
    const RitObjekt l = Elem(p, 1);
    const StepPoint side = P(p, 2);
    RitObjekt a = ParallellLine(l.X1, l.Y1, l.X2, l.Y2, d),
              b = ParallellLine(l.X1, l.Y1, l.X2, l.Y2, -d);
    double da = LineLen(a.X1, a.Y1, side.X, side.Y).Length,
           db = LineLen(b.X1, b.Y1, side.X, side.Y).Length;
    RitObjekt cur = da < db ? a : b;
    double step = da < db ? d : -d;
    if (!RoomFor(p, n)) return;
    for (int i = 0; i < n; ++i) {
        Line(p, cur.X1, cur.Y1, cur.X2, cur.Y2);
        cur = ParallellLine(cur.X1, cur.Y1, cur.X2, cur.Y2, step);
    }
}

// Width, height and/or angle from P1.
void WidthHeightAngle(Program& p, double w, double h, double a) {
    const StepPoint q = P(p, 1);
    if (!RoomFor(p, w != 0 && h != 0 && a != 0 ? 3 : 1)) return;
    if (w != 0 && h != 0 && a != 0) {
        Line(p, q.X, q.Y, q.X + w, q.Y);
        Line(p, q.X, q.Y, q.X + w, q.Y + h);
        Line(p, q.X + w, q.Y, q.X + w, q.Y + h);
    } else if (w != 0 && h != 0) {
        Line(p, q.X, q.Y, q.X + w, q.Y + h);
    } else if (w != 0 && a != 0) {
        double len = w / std::cos(a * kRad);
        Line(p, q.X, q.Y, q.X + len * std::cos(a * kRad), q.Y + len * std::sin(a * kRad));
    } else if (h != 0 && a != 0) {
        double len = h / std::sin(a * kRad);
        Line(p, q.X, q.Y, q.X + len * std::cos(a * kRad), q.Y + len * std::sin(a * kRad));
    }
}

const CodeHandler kLineHandlers[] = {
    {OP_PLUGIN_LINE,
     [](Program& p, Pick& k) { PluginElementPicked(p, CheckLineHit(p, k.x, k.y)); }},
    {OP_KEEP_LINES, [](Program& p, Pick& k) { KeepCandidate(p, CheckLineHit(p, k.x, k.y)); }},
    {OP_LINE_2PT,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 2, false);
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep != 3) return;
         Line(p, P(p, 1).X, P(p, 1).Y, P(p, 2).X, P(p, 2).Y);
         UpdatePoints(p);
         ContinueCommand(p, 3, 1);
     }},
    {OP_LINE_TAN_2CIRCLES,
     [](Program& p, Pick& k) {
         GetArc(p, k.x, k.y, 2);
         GetArc(p, k.x, k.y, 1);
         if (p.cmd.OpStep != 3) return;
         const RitObjekt a = Elem(p, 1), b = Elem(p, 2);
         std::vector<Construction> answers;
         for (int16_t n = 1; n <= 4; ++n)
             answers.push_back(TanLin2Arc(a.CX, a.CY, a.R, b.CX, b.CY, b.R, n));
         Candidates(p, answers);
     }},
    {OP_LINE_TAN_CIRCLE_PT,
     [](Program& p, Pick& k) {
         GetArc(p, k.x, k.y, 2);
         if (GetPoint(p, k.x, k.y, 1, false)) LookFor(p, 2);
         if (p.cmd.OpStep != 3) return;
         const RitObjekt c = Elem(p, 2);
         const StepPoint q = P(p, 1);
         std::vector<Construction> answers;
         for (int16_t n = 1; n <= 2; ++n)
             answers.push_back(TanLin2ArcPt(c.CX, c.CY, c.R, q.X, q.Y, n));
         Candidates(p, answers);
     }},
    {OP_LINE_ANGLE_LEN,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             const StepPoint q = P(p, 1);
             double a = k.v1 * kRad, len = k.v2;
             Line(p, q.X, q.Y, q.X + len * std::cos(a), q.Y + len * std::sin(a));
             UpdatePoints(p);
             ContinueCommand(p, 3, 1);
         } else if (GetPoint(p, k.x, k.y, 1, false)) {
             AskValues(p, 6);
         }
     }},
    {OP_LINE_PARALLEL,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 3) {
             Parallels(p, k.v1, k.v2);
             UpdatePoints(p);
             ContinueCommand(p, 1, 0);
         } else if (GetPoint(p, k.x, k.y, 2, true)) {
             AskValues(p, 7);
         } else if (GetLine(p, k.x, k.y, 1)) {
             LookFor(p, 0);
         }
     }},
    {OP_LINE_TAN_CIRCLE_ANGLE,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             const RitObjekt c = Elem(p, 1);
             std::vector<Construction> answers;
             for (int16_t n = 1; n <= 4; ++n)
                 answers.push_back(TanArcAngle(c.CX, c.CY, c.R, k.v1, k.v2, n));
             Candidates(p, answers);
         } else if (GetArc(p, k.x, k.y, 1)) {
             AskValues(p, 6);
         }
     }},
    {OP_RECTANGLE,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 2, false);
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep != 3) return;
         const StepPoint a = P(p, 1), b = P(p, 2);
         if (RoomFor(p, 4)) {
             Line(p, a.X, a.Y, a.X, b.Y);
             Line(p, a.X, a.Y, b.X, a.Y);
             Line(p, a.X, b.Y, b.X, b.Y);
             Line(p, b.X, a.Y, b.X, b.Y);
         }
         UpdatePoints(p);
         ContinueCommand(p, 3, 1);
         p.cmd.RubberBox = true;
     }},
    {OP_LINE_WHA,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             WidthHeightAngle(p, k.v1, k.v2, k.v3);
             UpdatePoints(p);
             ContinueCommand(p, 3, 1);
         } else if (GetPoint(p, k.x, k.y, 1, false)) {
             AskValues(p, 14);
         }
     }},
};

}  // namespace

void CheckLines(Program& p, float x, float y, double& v1, double& v2, double& v3) {
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckLines()", FindHandler(kLineHandlers, p.cmd.Operation), k);
}

}  // namespace vt
