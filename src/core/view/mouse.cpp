// Mouse down, move, up and double click on the drawing surface.
#include "view/mouse.h"

#include <algorithm>
#include <cmath>

#include "app/error_report.h"
#include "app/number_format.h"
#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/mode_table.h"
#include "commands/processors.h"
#include "commands/value_input.h"
#include "geometry/primitives.h"
#include "nc/toolpath_ops.h"
#include "view/hit_tests.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt {

namespace {

// A surface coordinate as the 16-bit number the mouse state keeps. Events never go beyond it, but
// a batch script may name any number.
int16_t Pixel16(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int16_t>(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

}  // namespace

void SetMousePosition(Program& p, double x, double y) {
    MouseState& m = p.mouse;
    m.MouseX = Pixel16(x);
    m.MouseY = Pixel16(-y);
    m.MouseWorldX = static_cast<float>(ToWorldX(p.view, x));
    m.MouseWorldY = static_cast<float>(ToWorldY(p.view, y));
}

namespace {

void StartPan(Program& p, double x, double y) {
    MouseState& m = p.mouse;
    m.PanActive = true;
    m.PanStartX = Pixel16(x);
    m.PanStartY = Pixel16(-y);
    m.PanStartOffsetX = p.view.OffsetX;
    m.PanStartOffsetY = p.view.OffsetY;
}

// Toggles Selected of the first drawing point, circle or line under the mouse; Shift toggles every
// object of that kind.
bool ToggleUnderMouse(Program& p, float x, float y, bool wholeKind) {
    int16_t i = CheckRitPointHit(p, x, y);
    if (i < 0) i = CheckArcHit(p, x, y);
    if (i < 0) i = CheckLineHit(p, x, y);
    if (i < 0) return false;
    Drawing& d = p.drawing;
    if (!wholeKind) {
        d.Obj(i).Selected = !d.Obj(i).Selected;
        return true;
    }
    const int16_t kind = d.Obj(i).Typ;
    for (int k = 1; k <= d.ObjectCount; ++k)
        if (d.Obj(k).Typ == kind) d.Obj(k).Selected = !d.Obj(k).Selected;
    return true;
}

}  // namespace

void RitYta_MouseDown(Program& p, int button, bool ctrl, bool shift, double x, double y) {
    Guarded(p, "RitYta_MouseDown()", [&] {
        SetMousePosition(p, x, y);
        if (button == kRightButton) {
            ResetOperation(p);
            return;
        }
        if (button == kMiddleButton) {
            StartPan(p, x, y);
            p.uiState.surfaceCursor = SurfaceCursor::SizeAll;
            p.ui.StateChanged();
            return;
        }
        if (button != kLeftButton) return;
        CommandState& c = p.cmd;
        const float wx = p.mouse.MouseWorldX, wy = p.mouse.MouseWorldY;
        if (c.Operation == OP_PAN) StartPan(p, x, y);
        if (c.Operation == OP_ZOOM_WINDOW) {
            c.Step(c.OpStep) = StepPoint{wx, wy, 0};
            ++c.OpStep;
            ShowStepPrompt(p);
            if (c.OpStep == 3) {
                CalcSkalaWindow(p, c.Step(1).X, c.Step(1).Y, c.Step(2).X, c.Step(2).Y, false);
                c.OpStep = 1;
                p.view.ViewChanged = true;
                ShowStepPrompt(p);
                p.ui.Refresh();
            }
        }
        // Ctrl and Shift together apply both toggles, one after the other.
        if (ctrl && ToggleUnderMouse(p, wx, wy, false)) p.ui.Refresh();
        if (shift && ToggleUnderMouse(p, wx, wy, true)) p.ui.Refresh();
        DispatchClick(p, wx, wy);
    });
}

namespace {

std::string Coord(const Program& p, const std::string& mark, const std::string& axis,
                  const std::string& label, double value, int decimals) {
    return mark + axis + label + Fmt(p, value, decimals);
}

void HoverPanels(Program& p, const std::string& index, const std::string& a, const std::string& b,
                 const std::string& c, const std::string& d) {
    auto& panels = p.uiState.panels;
    panels[2].text = index;
    panels[3].text = a;
    panels[4].text = b;
    panels[5].text = c;
    panels[6].text = d;
}

// Hover read-out: what is under the mouse, in the status bar. True on a hit.
bool HoverReadOut(Program& p, float x, float y) {
    Drawing& d = p.drawing;
    const ProgramSettings& s = p.settings;
    AxisMarks mk = Marks(p);
    const std::string &ax = p.axisNameX, &ay = p.axisNameY;
    auto select = [&](int i, bool highlight) {
        RitObjekt& o = d.Obj(i);
        if (o.Selected) return;
        ClearHighlight(p);
        o.Selected = true;
        if (highlight) o.Highlight = true;
        p.ui.Refresh();
    };
    if (int16_t i = CheckRitPointHit(p, x, y); i >= 0) {
        const RitObjekt& o = d.Obj(i);
        HoverPanels(p, "P" + std::to_string(i), Coord(p, mk.x, ax, ": ", o.X1 * p.xMult, 3),
                    Coord(p, mk.y, ay, ": ", o.Y1 * p.yMult, 3), "", "");
        select(i, false);
        return true;
    }
    if (int32_t i = CheckPointHit(p, x, y); i >= 0) {
        const SnapPoint& sp = p.snaps.Pt(i);
        HoverPanels(p, "P" + std::to_string(i), Coord(p, mk.x, ax, ": ", sp.X * p.xMult, 3),
                    Coord(p, mk.y, ay, ": ", sp.Y * p.yMult, 3), "", "");
        ClearHighlight(p);
        p.ui.Refresh();
        DrawBox(p, p.overlay, sp.X, sp.Y, s.SelectedColor);
        p.ui.OverlayChanged();
        return true;
    }
    if (int16_t i = CheckLineHit(p, x, y); i >= 0) {
        const RitObjekt& o = d.Obj(i);
        HoverPanels(p, "L" + std::to_string(i), Coord(p, mk.x, ax, "1:", o.X1 * p.xMult, 3),
                    Coord(p, mk.y, ay, "1:", o.Y1 * p.yMult, 3),
                    Coord(p, mk.x, ax, "2:", o.X2 * p.xMult, 3),
                    Coord(p, mk.y, ay, "2:", o.Y2 * p.yMult, 3));
        select(i, true);
        return true;
    }
    if (int16_t i = CheckArcHit(p, x, y); i >= 0) {
        const RitObjekt& o = d.Obj(i);
        HoverPanels(p, "C" + std::to_string(i), Coord(p, mk.x, ax, "C:", o.CX * p.xMult, 3),
                    Coord(p, mk.y, ay, "C:", o.CY * p.yMult, 3), "R:" + Fmt(p, o.R, 3), "");
        select(i, false);
        return true;
    }
    ClearHighlight(p);
    return false;
}

// Shows what a click would pick; each hit first clears the previous marker.
void PickFeedback(Program& p, float x, float y) {
    const CommandState& c = p.cmd;
    const Drawing& d = p.drawing;
    const Colour hl = p.settings.HighLightColor;
    MouseState& m = p.mouse;
    bool hit = false;
    auto fresh = [&] {
        p.view.ViewChanged = true;
        p.overlay.ClearFigures();
        hit = true;
    };
    if (c.PickPoints) {
        if (int16_t i = CheckRitPointHit(p, x, y); i >= 0) {
            fresh();
            DrawBox(p, p.overlay, d.Obj(i).X1, d.Obj(i).Y1, hl);
        } else if (int32_t k = CheckPointHit(p, x, y); k >= 0) {
            fresh();
            DrawBox(p, p.overlay, p.snaps.Pt(k).X, p.snaps.Pt(k).Y, hl);
        }
    }
    if (c.PickLines) {
        if (int16_t i = CheckLineHit(p, x, y); i >= 0) {
            fresh();
            const RitObjekt& o = d.Obj(i);
            DrawLine(p, p.overlay, o.X1, o.Y1, o.X2, o.Y2, hl, false, false);
        }
    }
    if (c.PickArcs) {
        if (int16_t i = CheckArcHit(p, x, y); i >= 0) {
            fresh();
            const RitObjekt& o = d.Obj(i);
            DrawArc(p, p.overlay, o.CX, o.CY, o.R, o.StartAngle, o.EndAngle, hl);
        }
    }
    if (hit) {
        m.HoverShown = true;
    } else if (m.HoverShown) {
        p.overlay.ClearFigures();
        m.HoverShown = false;
    }
}

// The rubber-band previews, moved by drawing the previous figure again with the not-xor pen.
void RubberBands(Program& p, float x, float y) {
    CommandState& c = p.cmd;
    const ToolPath& path = p.toolPath;
    const int16_t op = c.Operation;
    enum { None, LineFromLastMove, LineFromStep1, Arc, Box } kind = None;
    if (c.RubberLine && (op == OP_NC_G0 || op == OP_NC_G1 || op == OP_NC_POINT) && path.Count >= 1)
        kind = LineFromLastMove;
    else if (c.RubberLine && (op == OP_DISTANCE_INFO || op == OP_LINE_2PT) && c.OpStep == 2)
        kind = LineFromStep1;
    else if ((op == OP_NC_G2 || op == OP_NC_G3) && c.OpStep == 2)
        kind = Arc;
    else if (c.RubberBox && c.OpStep == 2)
        kind = Box;
    if (kind == None) return;
    auto draw = [&](double ex, double ey) {
        switch (kind) {
            case LineFromLastMove: {
                const ToolPathOp& last = path.Op(path.Count);
                DrawLine(p, p.overlay, last.X, last.Y, ex, ey, p.settings.NCColor, true, true);
                break;
            }
            case LineFromStep1:
                DrawLine(p, p.overlay, c.Step(1).X, c.Step(1).Y, ex, ey, p.settings.EndpointColor,
                         true, true);
                break;
            case Box:
                DrawRect(p, p.overlay, c.Step(1).X, c.Step(1).Y, ex, ey);
                break;
            case Arc: {
                // The circular move a click here would add: the circle under the mouse, the
                // direction from the side of it the mouse is on.
                const std::optional<ToolPathOp> move =
                    ArcMoveAt(p, static_cast<float>(ex), static_cast<float>(ey));
                if (!move) break;
                const ToolPathOp& last = path.Op(path.Count);
                p.overlay.SetXor(true);
                DrawG23(p, p.overlay, *move, last.X, last.Y, move->X, move->Y, move->CX, move->CY,
                        move->R, 0);
                p.overlay.SetXor(false);
                break;
            }
            default:
                break;
        }
    };
    if (!p.view.ViewChanged) draw(c.Step(2).X, c.Step(2).Y);
    c.Step(2) = StepPoint{x, y, 0};
    draw(x, y);
    p.view.ViewChanged = false;
}

}  // namespace

void RitYta_MouseMove(Program& p, int button, double x, double y) {
    Guarded(p, "RitYta_MouseMove()", [&] {
        SetMousePosition(p, x, y);
        MouseState& m = p.mouse;
        if (m.PanActive) {
            p.view.OffsetX = (m.MouseX - m.PanStartX) + m.PanStartOffsetX;
            p.view.OffsetY = (m.MouseY - m.PanStartY) + m.PanStartOffsetY;
            p.view.ViewChanged = true;
            p.view.paintTimerEnabled = true;
            p.ui.StartPaintTimer();
            return;
        }
        const float wx = m.MouseWorldX, wy = m.MouseWorldY;
        const CommandState& c = p.cmd;
        const bool picking = c.PickPoints || c.PickLines || c.PickArcs;
        if (m.ShowHoverInfo && !picking) {
            m.HoverInfoShown = false;
            if (HoverReadOut(p, wx, wy)) m.HoverInfoShown = true;
        }
        if (picking) PickFeedback(p, wx, wy);
        RubberBands(p, wx, wy);
        if (!m.HoverInfoShown) {
            AxisMarks mk = Marks(p);
            p.uiState.panels[3].text = Coord(p, mk.x, p.axisNameX, ": ", wx * p.xMult, 1);
            p.uiState.panels[4].text = Coord(p, mk.y, p.axisNameY, ": ", wy * p.yMult, 1);
        }
        p.ui.StateChanged();
        p.ui.OverlayChanged();
    });
}

void RitYta_MouseUp(Program& p, int button, double x, double y) {
    MouseState& m = p.mouse;
    m.MouseX = Pixel16(x);
    m.MouseY = Pixel16(-y);
    if (!m.PanActive) return;
    m.PanActive = false;
    p.view.ViewChanged = true;
    p.ui.Refresh();
    p.uiState.surfaceCursor =
        p.cmd.Operation == OP_PAN ? SurfaceCursor::SizeAll : SurfaceCursor::Cross;
    p.ui.StateChanged();
}

void RitYta_DblClick(Program& p) {
    if (p.cmd.InputMode != 1 && p.cmd.InputMode != 2) return;
    auto round3 = [](double v) { return std::nearbyint(v * 1000) / 1000; };
    p.history.X = round3(p.mouse.MouseWorldX * p.xMult);
    p.history.Y = round3(p.mouse.MouseWorldY * p.yMult);
    std::string a, b, c;
    ValueInput(p, a, b, c);
}

}  // namespace vt
