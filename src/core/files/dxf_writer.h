// DXF export: the drawing's lines, circles, part arcs and points on layer 0, the tool path on
// layers of its own (cuts and NC points on VT_TOOLPATH, rapids on VT_RAPIDS), as ASCII DXF.
#pragma once

#include <string>

#include "model/drawing.h"
#include "model/toolpath.h"

namespace vt {

enum class DxfVersion {
    R12,    // AC1009: read by every program that reads DXF
    R2000,  // AC1015, with $INSUNITS = millimetres
};

inline constexpr const char* kDxfToolPathLayer = "VT_TOOLPATH";
inline constexpr const char* kDxfRapidLayer = "VT_RAPIDS";

// The whole file, lines ended by CR LF.
std::string DxfText(const Drawing& d, const ToolPath& t, DxfVersion version);

}  // namespace vt
