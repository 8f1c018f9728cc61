// A whole contour for the tool path: the chain turned the way the cut needs it, started in the
// middle of its longest element, offset by the tool radius or left for the control to
// compensate, with its lead-in, overlap and lead-out, as moves.
#pragma once

#include <cstdint>
#include <vector>

#include "contour/chain.h"
#include "model/toolpath.h"

namespace vt {

// Where the tool runs: left or right of the chain as it is given (open chains), outside or inside
// a closed one, or with its centre on the line.
enum class ContourSide { Left, Right, On, Outside, Inside };
enum class Compensation { Computed, Control, Off };
enum class LeadKind { None, Line, Arc };

struct ContourOptions {
    ContourSide side = ContourSide::Outside;
    bool climb = true;        // climb milling: with a clockwise spindle the tool left of travel
    bool spindleCcw = false;  // a counter-clockwise spindle turns climb and conventional round
    double toolDiameter = 6;
    Compensation compensation = Compensation::Computed;
    LeadKind lead = LeadKind::Arc;
    double leadSize = 5;   // the lead line's length or the lead arc's radius
    double overlap = 0;    // closed contours: cut on past the start by this much
    double tolerance = 0;  // moves no longer than this are left out
};

struct ContourPlan {
    std::vector<ToolPathOp> moves;  // a rapid to the start, then the cutting moves
    std::vector<ChainElement> cut;  // what the moves follow, leads included
    // The drawing object of an element the tool cannot follow without cutting into the part.
    int16_t refusedObject = -1;
    bool refused = false;
    // The control's compensation needs a lead-in and a lead-out, and there is no room for them.
    bool noRoomForLeads = false;
};

// The area the closed chain encloses: positive when it runs counter-clockwise.
double ChainArea(const Chain& chain);

// Whether (x, y) lies inside the closed chain.
bool InsideChain(const Chain& chain, double x, double y);

ContourPlan PlanContour(const Chain& chain, const ContourOptions& options);

}  // namespace vt
