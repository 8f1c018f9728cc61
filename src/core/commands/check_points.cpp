// CheckPoints: the point constructions (48–53), keeping point candidates (146) and the plug-in
// point pick (178).
#include <cmath>

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

constexpr double kRad = 3.14159265358979 / 180;

const StepPoint& P(Program& p, int i) {
    return p.cmd.Step(i);
}
const RitObjekt& Elem(Program& p, int i) {
    return p.drawing.Obj(p.cmd.Elem(i));
}

// Adds the points 0..n−1 that `at` gives, all of them or (past the table's size) none.
template <typename At>
void AddPoints(Program& p, int n, At&& at) {
    if (n > 0 && RoomFor(p, n))
        for (int i = 0; i < n; ++i) {
            const auto [x, y] = at(i);
            AddRitPoint(p, x, y, false, true, false);
        }
    UpdatePoints(p);
}

const CodeHandler kPointHandlers[] = {
    {OP_PLUGIN_POINT,
     [](Program& p, Pick& k) {
         GetPoint(p, k.x, k.y, 1, false);
         if (p.cmd.OpStep == 2) {
             p.cmd.PluginPickPoint = P(p, 1);
             p.ui.Refresh();
             p.cmd.Operation = OP_PLUGIN_DONE;
         }
     }},
    {OP_KEEP_POINTS, [](Program& p, Pick& k) { KeepCandidate(p, CheckRitPointHit(p, k.x, k.y)); }},
    {OP_POINT_SKETCH,
     [](Program& p, Pick& k) {
         if (!GetPoint(p, k.x, k.y, 1, true)) return;
         AddRitPoint(p, P(p, 1).X, P(p, 1).Y, false, false, false);
         ContinueCommand(p, 3, 1);
     }},
    {OP_POINT_XY,
     [](Program& p, Pick& k) {
         if (!GetPoint(p, k.x, k.y, 1, false)) return;
         AddRitPoint(p, P(p, 1).X, P(p, 1).Y, false, false, false);
         ContinueCommand(p, 3, 1);
     }},
    {OP_POINT_ON_CIRCLE_ANGLE,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             const RitObjekt& c = Elem(p, 1);
             double a = k.v1 * kRad;
             AddRitPoint(p, c.CX + c.R * std::cos(a), c.CY + c.R * std::sin(a), false, false,
                         false);
             ContinueCommand(p, 2, 0);
         } else if (GetArc(p, k.x, k.y, 1)) {
             AskValues(p, 8);
         }
     }},
    {OP_POINT_ON_LINE_DIST,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 3) {
             const RitObjekt& l = Elem(p, 1);
             double theta = DirectionDeg(l.X1, l.Y1, l.X2, l.Y2) * kRad;
             double d = k.v1;
             const StepPoint& p2 = P(p, 2);
             if (RoomFor(p, 2)) {
                 AddRitPoint(p, p2.X + d * std::cos(theta), p2.Y + d * std::sin(theta), true, true,
                             true);
                 AddRitPoint(p, p2.X - d * std::cos(theta), p2.Y - d * std::sin(theta), true, true,
                             true);
             }
             UpdatePoints(p);
             EnterKeepMode(p, OP_KEEP_POINTS);
         } else if (GetPoint(p, k.x, k.y, 2, false)) {
             AskValues(p, 9);
         } else if (GetLine(p, k.x, k.y, 1)) {
             LookFor(p, 3);
         }
     }},
    {OP_POINTS_ANGLE_DIST_COUNT,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             double a = k.v1 * kRad, d = k.v2;
             int n = RoundCount(k.v3);
             const StepPoint p1 = P(p, 1);
             AddPoints(p, n, [&](int i) {
                 return std::pair{p1.X + (i + 1) * d * std::cos(a),
                                  p1.Y + (i + 1) * d * std::sin(a)};
             });
             ContinueCommand(p, 3, 1);
         } else if (GetPoint(p, k.x, k.y, 1, false)) {
             AskValues(p, 10);
         }
     }},
    {OP_POINTS_ON_CIRCLE,
     [](Program& p, Pick& k) {
         if (p.cmd.OpStep == 2) {
             const RitObjekt c = Elem(p, 1);
             double s = k.v1, inc = k.v2;
             int m = RoundCount(k.v3 - 1);
             AddPoints(p, m + 1, [&](int i) {
                 double a = (s + i * inc) * kRad;
                 return std::pair{c.CX + c.R * std::cos(a), c.CY + c.R * std::sin(a)};
             });
             ContinueCommand(p, 2, 0);
         } else if (GetArc(p, k.x, k.y, 1)) {
             AskValues(p, 11);
         }
     }},
};

}  // namespace

void CheckPoints(Program& p, float x, float y, double& v1, double& v2, double& v3) {
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckPoints()", FindHandler(kPointHandlers, p.cmd.Operation), k);
}

}  // namespace vt
