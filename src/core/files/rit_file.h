// The CAM-module exchange file (.rit): a tagged little-endian binary stream of lines, full circles
// and drawing points.
#pragma once

#include <string>
#include <string_view>

#include "model/document.h"

namespace vt {

inline constexpr const char* kRitSignature = "KRX.Banmodul.RIT";

std::string RitBytes(const Document& doc);

struct RitRead {
    bool known = true;           // false: not an exchange file (nothing read)
    int skipped = 0;             // objects not kept: numbers not finite or too large
    bool circleRefused = false;  // a circle too large to hold (the rest of them are left out)
};
// Adds the file's objects to the document. A cut-off file throws, with what came before kept.
void ReadRit(std::string_view bytes, Document& doc, RitRead& info);

}  // namespace vt
