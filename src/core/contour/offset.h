// The tool-centre path of a chain: every element moved sideways by the tool radius, outside
// corners rounded about the corner point, inside corners cut back to where the moved elements
// meet. Whatever would make the tool cut into the part is refused instead.
#pragma once

#include <string>
#include <vector>

#include "contour/chain.h"

namespace vt {

enum class OffsetSide { Left, Right };

struct OffsetResult {
    std::vector<ChainElement> path;  // empty when refused
    // When refused: the element (index in the chain) that cannot be cut with this tool.
    int refusedElement = -1;
};

// `side` is seen in the direction of travel.
OffsetResult OffsetChain(const Chain& chain, double toolRadius, OffsetSide side);

}  // namespace vt
