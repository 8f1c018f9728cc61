// CheckAnalyse (codes 160–163), the contour length, statistics, repaint timing and prompt flashing.
#include "commands/analysis.h"

#include "app/number_format.h"
#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/pick.h"
#include "commands/pick_steps.h"
#include "commands/processors.h"
#include "geometry/primitives.h"
#include "view/renderer.h"

namespace vt {

namespace {

const std::string kCrLf = "\r\n";

// After each result the command waits for its next pick.
void InfoShown(Program& p) {
    p.cmd.OpStep = 1;
    ShowStepPrompt(p);
    ClearObjectMarks(p);
    p.uiState.analysFrameVisible = true;
    p.ui.StateChanged();
    p.ui.Refresh();
}

void PointInfo(Program& p, Pick& k) {
    GetPoint(p, k.x, k.y, 1, false);
    if (p.cmd.OpStep != 2) return;
    const StepPoint q = p.cmd.Step(1);
    const Language& l = p.language;
    p.uiState.txtAnalys = l.GetText(1092) + kCrLf + kCrLf + "  " + p.axisNameX + ":" +
                          Fmt(p, q.X * p.xMult, 5) + kCrLf + " " + Marks(p).y + p.axisNameY + ":" +
                          Fmt(p, q.Y * p.yMult, 5);
    InfoShown(p);
}

void LineInfo(Program& p, Pick& k) {
    if (!GetLine(p, k.x, k.y, 1)) return;
    const RitObjekt o = p.drawing.Obj(p.cmd.Elem(1));
    const Language& l = p.language;
    const std::string y = " " + Marks(p).y + p.axisNameY + ": ";
    std::string t = l.GetText(1090) + kCrLf + kCrLf;
    t += l.GetText(1094) + p.axisNameX + ": " + Fmt(p, o.X1 * p.xMult, 5) + "\t" + y +
         Fmt(p, o.Y1 * p.yMult, 5) + kCrLf;
    t += l.GetText(1095) + p.axisNameX + ": " + Fmt(p, o.X2 * p.xMult, 5) + "\t" + y +
         Fmt(p, o.Y2 * p.yMult, 5) + kCrLf;
    t += l.GetText(1096) + Fmt(p, DirectionDeg(o.X1, o.Y1, o.X2, o.Y2), 5) + "°\t(" +
         Fmt(p, DirectionDeg(o.X2, o.Y2, o.X1, o.Y1), 5) + "°)";
    p.uiState.txtAnalys = t;
    InfoShown(p);
}

void CircleInfo(Program& p, Pick& k) {
    if (!GetArc(p, k.x, k.y, 1)) return;
    const RitObjekt o = p.drawing.Obj(p.cmd.Elem(1));
    const Language& l = p.language;
    p.uiState.txtAnalys = l.GetText(1091) + kCrLf + kCrLf + l.GetText(1093) + p.axisNameX + ":" +
                          Fmt(p, o.CX * p.xMult, 5) + "\t " + Marks(p).y + p.axisNameY + ":" +
                          Fmt(p, o.CY * p.yMult, 5) + kCrLf + l.GetText(1098) + Fmt(p, o.R, 5);
    InfoShown(p);
}

void DistanceInfo(Program& p, Pick& k) {
    GetPoint(p, k.x, k.y, 2, false);
    GetPoint(p, k.x, k.y, 1, false);
    if (p.cmd.OpStep != 3) return;
    const StepPoint a = p.cmd.Step(1), b = p.cmd.Step(2);
    const Language& l = p.language;
    const double xf = p.xMult, yf = p.yMult;
    std::string t = l.GetText(1076) + Fmt(p, LineLen(a.X, a.Y, b.X, b.Y).Length, 3) + kCrLf;
    t += l.GetText(1072) + Fmt(p, DirectionDeg(a.X, a.Y, b.X, b.Y), 3) + "°(" +
         Fmt(p, DirectionDeg(b.X, b.Y, a.X, a.Y), 3) + "°)" + kCrLf;
    t += l.GetText(1073) + p.axisNameX + Fmt(p, b.X * xf - a.X * xf, 3) + " " + p.axisNameY +
         Fmt(p, b.Y * yf - a.Y * yf, 3) + kCrLf;
    t += l.GetText(1074) + p.axisNameX + Fmt(p, a.X * xf, 5) + " " + p.axisNameY +
         Fmt(p, a.Y * yf, 3) + kCrLf;
    t += l.GetText(1075) + p.axisNameX + Fmt(p, b.X * xf, 5) + " " + p.axisNameY +
         Fmt(p, b.Y * yf, 3);
    p.uiState.txtAnalys = t;
    InfoShown(p);
}

const CodeHandler kInfoHandlers[] = {
    {OP_LINE_INFO, LineInfo},
    {OP_CIRCLE_INFO, CircleInfo},
    {OP_POINT_INFO, PointInfo},
    {OP_DISTANCE_INFO, DistanceInfo},
};

}  // namespace

void CheckAnalyse(Program& p, float x, float y) {
    double v1 = 0, v2 = 0, v3 = 0;
    Pick k{x, y, v1, v2, v3};
    RunProcessor(p, "CheckAnalyse()", FindHandler(kInfoHandlers, p.cmd.Operation), k);
}

void ContourLength(Program& p) {
    double g0 = 0, g1 = 0, arcs = 0;
    const ToolPath& t = p.toolPath;
    for (int i = 2; i <= t.Count; ++i) {
        const ToolPathOp& s = t.Op(i - 1);
        const ToolPathOp& e = t.Op(i);
        switch (e.Typ) {
            case 0:
            case 6:
                g0 += LineLen(s.X, s.Y, e.X, e.Y).Length;
                break;
            case 1:
            case 7:
                g1 += LineLen(s.X, s.Y, e.X, e.Y).Length;
                break;
            case 2:
            case 3:
            case 8:
            case 9: {
                // Angles clockwise from +x; a clockwise move turns the way they grow.
                double as = LineLen(e.CX, e.CY, s.X, s.Y).AngleDeg,
                       ae = LineLen(e.CX, e.CY, e.X, e.Y).AngleDeg;
                bool clockwise = e.Typ == 2 || e.Typ == 8;
                double swept = clockwise ? ae - as : as - ae;
                if (swept <= 0) swept += 360;
                arcs += swept * 3.14159265358979 / 180 * e.R;
                break;
            }
            default:
                break;
        }
    }
    UiState& ui = p.uiState;
    ui.analysFrameVisible = true;
    ui.txtAnalys = "G0    : " + Fmt(p, g0, 3) + kCrLf + "G1    : " + Fmt(p, g1, 3) + kCrLf +
                   "G2/3  : " + Fmt(p, arcs, 3) + kCrLf + "-------------------" + kCrLf +
                   p.language.GetText(1071) + Fmt(p, g0 + g1 + arcs, 3);
    p.ui.StateChanged();
}

void ShowStatistics(Program& p) {
    p.ui.MessageBox("Punkter: " + std::to_string(p.snaps.PointCount) + kCrLf +
                        "Ritobjekt: " + std::to_string(p.drawing.ObjectCount),
                    "Statistik", MsgButtons::Ok, MsgIcon::Question);
}

void ScreenTest(Program& p) {
    int64_t start = TickMs();
    for (int i = 0; i < 10; ++i)
        p.ui.Refresh();
    p.uiState.analysFrameVisible = true;
    p.uiState.txtAnalys = std::to_string(TickMs() - start);
    p.ui.StateChanged();
}

int tmr_info_Timer(Program& p) {
    int& ticks = p.infoFlashTicks;
    // Five ticks make two red flashes (counts 2 and 4); with three there was only one.
    if (ticks < 5) {
        ++ticks;
        // Light red on even counts (after counting this tick), the window colour on odd ones.
        p.uiState.infoTextBack = ticks % 2 == 0 ? Colour(255 | (192 << 8) | (192 << 16)) : -1;
        p.ui.StateChanged();
        return 75;
    }
    ticks = 0;
    p.uiState.infoTextBack = -1;
    p.ui.StateChanged();
    return 0;
}

}  // namespace vt
