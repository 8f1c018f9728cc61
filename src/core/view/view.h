// The view transform and every operation that changes the view: zoom in and out, fit all, fit a
// window, pan and the mouse wheel.
#pragma once

namespace vt {

class Program;
struct ViewState;

// Drawing to surface and back, with the current surface size (W, H).
double ToColumn(const ViewState& v, double x);
double ToRow(const ViewState& v, double y);
double ToWorldX(const ViewState& v, double column);
double ToWorldY(const ViewState& v, double row);

void ZoomIn(Program& p, bool atMouse);
void mnuZoomut_Click(Program& p);
void ZoomScreen(Program& p, bool forPrinter);
void CalcSkalaWindow(Program& p, double x1, double y1, double x2, double y2, bool forPrinter);
// Brings a surface point (pixels) to the centre; not explicit: the stored mouse position, and the
// pointer follows.
void PanTo(Program& p, double x, double y, bool explicitPoint);
void MouseWheel(Program& p, int keys, int rotation, int x, int y);
// The deferred repaint's tick.
void tmr_paint_Timer(Program& p);

}  // namespace vt
