// The pick processors DispatchPick offers every pick to, in a fixed order. Each acts only on its
// own mode codes.
#pragma once

#include <string>

namespace vt {

class Program;

void CheckDelete(Program& p, float x, float y, double& v1, double& v2, double& v3);
void CheckVV(Program& p, float x, float y, double& v1, double& v2, double& v3,
             const std::string& text);
void CheckPoints(Program& p, float x, float y, double& v1, double& v2, double& v3);
void CheckLines(Program& p, float x, float y, double& v1, double& v2, double& v3);
void CheckArcs(Program& p, float x, float y, double& v1, double& v2, double& v3);
void CheckAnalyse(Program& p, float x, float y);
void CheckGeoOps(Program& p, float x, float y, double& v1, double& v2, double& v3);

// Every left click on the surface and every confirmed value dialog ends here.
void DispatchPick(Program& p, float x, float y, double& v1, double& v2, double& v3,
                  const std::string& text);
// A click with zero values and no text.
void DispatchClick(Program& p, float x, float y);

}  // namespace vt
