// Hit tests: the drawing point, snap point, line or circle nearest to a drawing position within
// the pixel tolerances, or −1.
#pragma once

#include <cstdint>

namespace vt {

class Program;

int16_t CheckRitPointHit(const Program& p, float x, float y);
int32_t CheckPointHit(const Program& p, float x, float y);
int16_t CheckLineHit(const Program& p, float x, float y);
int16_t CheckArcHit(const Program& p, float x, float y);

// Round half to even, as the integer conversion of the tie-break does.
int64_t RoundHalfEven(double v);

}  // namespace vt
