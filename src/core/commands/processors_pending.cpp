// Processors whose commands are not built yet act on nothing.
#include "commands/processors.h"

namespace vt {

void CheckDelete(Program&, float, float, double&, double&, double&) {}
void CheckVV(Program&, float, float, double&, double&, double&, const std::string&) {}
void CheckAnalyse(Program&, float, float) {}
void CheckGeoOps(Program&, float, float, double&, double&, double&) {}

}  // namespace vt
