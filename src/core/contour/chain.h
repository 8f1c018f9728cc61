// Contours from the drawing: the lines and part arcs joined end to end, followed both ways from
// one picked element to the ends of the chain or round a closed loop.
#pragma once

#include <cstdint>
#include <vector>

#include "model/drawing.h"

namespace vt {

// One element as the contour runs through it: from (x1, y1) to (x2, y2); an arc turns about
// (cx, cy) with radius r, counter-clockwise when ccw. A full circle has equal ends.
struct ChainElement {
    bool arc = false;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double cx = 0, cy = 0, r = 0;
    bool ccw = true;
    int16_t object = 0;  // index in the drawing
};

struct Chain {
    std::vector<ChainElement> elements;
    bool closed = false;
    // The chain stopped at a point where more than two elements meet (a T-junction).
    bool branched = false;
};

// Ends closer than this count as joined: a millionth of the drawing's size.
double ChainTolerance(const Drawing& d);

// The chain through object `start` (a line, a part arc, or a full circle, which is a chain of its
// own). Only ends that meet count: a line running on past a corner does not join it. Empty when
// `start` is none of these.
Chain FollowChain(const Drawing& d, int16_t start);

// The element reversed: it runs from its end to its start.
ChainElement Reversed(ChainElement e);
// The elements run the other way: last first, each reversed.
std::vector<ChainElement> Reversed(const std::vector<ChainElement>& path);

}  // namespace vt
