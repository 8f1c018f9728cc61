// Contours as moves.
#include "contour/contour_moves.h"

#include <cmath>

#include "contour/element_geometry.h"

namespace vt {

std::vector<ToolPathOp> ContourMoves(const std::vector<ChainElement>& path, double minLength) {
    std::vector<ToolPathOp> moves;
    if (path.empty()) return moves;
    ToolPathOp start;
    start.Typ = kG0;
    start.X = path.front().x1;
    start.Y = path.front().y1;
    moves.push_back(start);
    for (const ChainElement& e : path) {
        if (!IsFullTurn(e) && std::hypot(e.x2 - e.x1, e.y2 - e.y1) <= minLength) continue;
        ToolPathOp m;
        m.X = e.x2;
        m.Y = e.y2;
        m.Typ = kG1;
        if (e.arc) {
            m.Typ = e.ccw ? kG3 : kG2;
            m.CX = e.cx;
            m.CY = e.cy;
            m.R = e.r;
        }
        moves.push_back(m);
    }
    return moves;
}

}  // namespace vt
