// Turning a job into the NC program of a machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "job.h"
#include "machine.h"

namespace vt::engine {

// A number as the machine writes it, from a whole count of its last decimal.
std::string FormatUnits(int64_t units, const NumberFormat& f);
// A drawing value in whole counts of the format's last decimal (the multiplier applied when asked).
int64_t ToUnits(double value, const NumberFormat& f, bool multiply);

// The program's lines. Throws EngineError when an arc cannot be written within the tolerance.
std::vector<std::string> Generate(const Job& job, const Machine& m);

}  // namespace vt::engine
