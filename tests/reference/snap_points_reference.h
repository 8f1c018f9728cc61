// The pair-by-pair snap-point search: every ordered pair of objects is computed. Kept as the
// reference the indexed UpdatePoints must match point for point, and as its benchmark baseline.
#pragma once

namespace vt {

class Program;

// Rebuilds the snap-point table as UpdatePoints does, by trying every pair.
void ReferenceUpdatePoints(Program& p);

}  // namespace vt
