// Building the tool path: G0, G1 and circular moves, NC points, manual NC lines, auto contour,
// absolute/incremental, undo of the last move and clearing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/toolpath.h"

namespace vt {

class Program;

// Appends a move (kind + 6 when incremental) with its label; no repaint. Offered to plug-ins.
void AddVV(Program& p, int16_t typ, double x, double y, double ignored, double cx, double cy,
           double r, bool incremental);
// A G1 move (7 in incremental mode) to (x, y).
void AddG1(Program& p, double x, double y);
// The circular move a click at (x, y) would add in step 2 of G2/G3 (the circle under the mouse
// through the current position and the picked end point, the direction from the side clicked);
// none where the click would add nothing.
std::optional<ToolPathOp> ArcMoveAt(const Program& p, float x, float y);
// True while new moves are incremental (mnuNCIncAbs unchecked).
bool IncrementalMode(const Program& p);

void mnuNCIncAbs_Click(Program& p);
void mnuNCundolast_Click(Program& p);
void mnuNCClearAll_Click(Program& p);

}  // namespace vt
