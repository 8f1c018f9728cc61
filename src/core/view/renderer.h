// Painting the drawing surface and the drawing primitives that mouse feedback, the tool path
// painters and printing reuse. Every primitive draws on a Canvas; a printer canvas is the page.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings.h"
#include "model/toolpath.h"
#include "view/canvas.h"

namespace vt {

class Program;

// The whole surface: axes, axis symbol and letters, objects, snap points, tool path.
void RitYta_Paint(Program& p, Canvas& c);

void DrawPoint(Program& p, Canvas& c, double x, double y, Colour colour);
void DrawBox(Program& p, Canvas& c, double x, double y, Colour colour);
void DrawLine(Program& p, Canvas& c, double x1, double y1, double x2, double y2, Colour colour,
              bool noExtension, bool xorMode);
// The axis line through a drawing point across the whole surface: angle 0 horizontal, 90 vertical.
void DrawLineU(Program& p, Canvas& c, double x, double y, double angle, Colour colour);
void DrawArc(Program& p, Canvas& c, double cx, double cy, double r, double startAngle,
             double endAngle, Colour colour);
// The window rubber band between two drawing points, with the not-xor pen.
void DrawRect(Program& p, Canvas& c, double x1, double y1, double x2, double y2);

// The polygon step of a circle of rp pixels (before the style's minimum is applied).
double PolygonStep(double rp);

// Tool path painters.
void DrawG01(Program& p, Canvas& c, const ToolPathOp& op, double sx, double sy, double ex,
             double ey, int number);
void DrawG23(Program& p, Canvas& c, const ToolPathOp& op, double sx, double sy, double ex,
             double ey, double cx, double cy, double r, int number);
// True when no move before move i is a movement (manual lines do not count).
bool IsFirstMove(const ToolPath& path, int i);
void DrawToolPath(Program& p, Canvas& c);

// Milliseconds of a steady clock, for the paint time.
int64_t TickMs();

}  // namespace vt
