// A contour as tool path moves: a rapid to its start, then G1 along lines and G2/G3 along arcs
// with their exact centres and radii.
#pragma once

#include <vector>

#include "contour/chain.h"
#include "model/toolpath.h"

namespace vt {

// The moves, in order (element 0 of the table is not included). Lines shorter than `minLength`
// are left out; a full circle is one move ending where it starts.
std::vector<ToolPathOp> ContourMoves(const std::vector<ChainElement>& path, double minLength = 0);

}  // namespace vt
