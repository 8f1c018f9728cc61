// Every contour of a part at once: each chain of the drawing, closed ones cut outside where they
// bound the part and inside where they are holes, open ones on the line; holes before the
// boundary round them, and from each contour to the nearest one that may come next.
#pragma once

#include <vector>

#include "contour/contour_path.h"
#include "model/drawing.h"

namespace vt {

struct PartContours {
    std::vector<ContourPlan> plans;  // in cutting order
    // When a chain cannot be cut: its plan (refused) and the chain.
    bool refused = false;
    ContourPlan refusal;
    Chain refusedChain;
};

// The side each closed chain is cut on, and the options for everything else.
PartContours PlanPart(const Drawing& d, const ContourOptions& options);

}  // namespace vt
