// View transform, zoom, fit, pan and wheel.
#include "view/view.h"

#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "geometry/primitives.h"

namespace vt {

double ToColumn(const ViewState& v, double x) {
    return x / v.Skala + v.OffsetX + v.W / 2.0;
}
double ToRow(const ViewState& v, double y) {
    return v.H / 2.0 - (y / v.Skala + v.OffsetY);
}
double ToWorldX(const ViewState& v, double column) {
    return (column - v.W / 2.0 - v.OffsetX) * v.Skala;
}
double ToWorldY(const ViewState& v, double row) {
    return (v.H / 2.0 - row - v.OffsetY) * v.Skala;
}

namespace {

void StartPaintTimer(Program& p) {
    p.view.ViewChanged = true;
    p.view.paintTimerEnabled = true;
    p.ui.StartPaintTimer();
}

void CheckFinite(double v) {
    if (!std::isfinite(v)) throw VtError(kErrOverflow);
}

}  // namespace

void ZoomIn(Program& p, bool atMouse) {
    Guarded(p, "ZoomIn()", [&] {
        ViewState& v = p.view;
        if (v.Skala < 0.0001) return;
        if (atMouse) PanTo(p, p.mouse.MouseX, p.mouse.MouseY, false);
        v.Skala *= 0.9;
        v.OffsetX *= 1.11111111111111;
        v.OffsetY *= 1.11111111111111;
        StartPaintTimer(p);
    });
}

void mnuZoomut_Click(Program& p) {
    Guarded(p, "mnuZoomut_Click()", [&] {
        ViewState& v = p.view;
        if (!(v.Skala <= 1e12)) return;
        v.Skala *= 1.1;
        v.OffsetX *= 0.909090909090909;
        v.OffsetY *= 0.909090909090909;
        StartPaintTimer(p);
    });
}

void CalcSkalaWindow(Program& p, double x1, double y1, double x2, double y2, bool forPrinter) {
    Guarded(p, "CalcSkalaWindow()", [&] {
        ViewState& v = p.view;
        double w = forPrinter ? v.printerW : v.W, h = forPrinter ? v.printerH : v.H;
        if (w == 0 || h == 0) throw VtError(kErrDivisionByZero);
        double dx = x2 - x1, dy = y2 - y1;
        double rx = std::fabs(dx) / w, ry = std::fabs(dy) / h;
        double skala = rx > ry ? rx : ry;
        skala *= 1.1;
        if (skala == 0) skala = 1.0;
        CheckFinite(skala);
        v.Skala = skala;
        LineMeasure m = LineLen(x1, y1, x2, y2);
        v.OffsetX = -m.MidX / v.Skala;
        v.OffsetY = -m.MidY / v.Skala;
        CheckFinite(v.OffsetX);
        CheckFinite(v.OffsetY);
    });
}

void ZoomScreen(Program& p, bool forPrinter) {
    Guarded(p, "ZoomScreen", [&] {
        ViewState& v = p.view;
        const Drawing& d = p.drawing;
        if (d.ObjectCount == 0) {
            v.Skala = 1.0;
            v.OffsetX = 0;
            v.OffsetY = 0;
        } else {
            double maxX = -99999, maxY = -99999, minX = 99999, minY = 99999;
            auto widen = [&](double x, double y) {
                if (x > maxX) maxX = x;
                if (x < minX) minX = x;
                if (y > maxY) maxY = y;
                if (y < minY) minY = y;
            };
            for (int i = 1; i <= d.ObjectCount; ++i) {
                const RitObjekt& o = d.Obj(i);
                if (o.Typ == kRitPoint) {
                    widen(o.X1, o.Y1);
                } else if (o.Typ == kLine) {
                    widen(o.X1, o.Y1);
                    widen(o.X2, o.Y2);
                } else if (o.Typ == kCircle) {
                    widen(o.CX - o.R, o.CY - o.R);
                    widen(o.CX + o.R, o.CY + o.R);
                }
            }
            for (int i = 1; i <= p.toolPath.Count; ++i) {
                const ToolPathOp& op = p.toolPath.Op(i);
                int16_t k = BaseKind(op.Typ);
                if (k == kG2 || k == kG3) {
                    widen(op.CX - op.R, op.CY - op.R);
                    widen(op.CX + op.R, op.CY + op.R);
                } else if (k == kNcPoint || k == kG0 || k == kG1) {
                    widen(op.X, op.Y);
                }
            }
            CalcSkalaWindow(p, minX, minY, maxX, maxY, forPrinter);
        }
        v.ViewChanged = true;
        if (!forPrinter) p.ui.Refresh();
    });
}

void PanTo(Program& p, double x, double y, bool explicitPoint) {
    Guarded(p, "PanTo()", [&] {
        ViewState& v = p.view;
        double dx, dy;
        if (explicitPoint) {
            dx = v.W / 2.0 - x;
            dy = v.H / 2.0 - y;
        } else {
            dx = v.W / 2.0 - p.mouse.MouseX;
            dy = v.H / 2.0 + p.mouse.MouseY;
        }
        v.OffsetX += dx;
        v.OffsetY -= dy;
        v.ViewChanged = true;
        if (!explicitPoint)
            p.ui.MovePointerBy(static_cast<int>(std::lround(dx)),
                               static_cast<int>(std::lround(dy)));
    });
}

void MouseWheel(Program& p, int keys, int rotation, int x, int y) {
    if (p.mouse.PanActive) return;
    if (rotation < 0)
        mnuZoomut_Click(p);
    else if (rotation > 0)
        ZoomIn(p, true);
}

void tmr_paint_Timer(Program& p) {
    p.view.paintTimerEnabled = false;
    p.ui.Refresh();
}

}  // namespace vt
