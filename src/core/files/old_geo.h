// The older geometry format (.geo, read only): P, L and C lines.
#pragma once

#include <string>
#include <vector>

#include "model/document.h"

namespace vt {

class ErrorTrail;

// Trims the text (the caller's variable too); 0 for empty text; "." or "," as the decimal
// separator. Anything else throws type mismatch.
double Str2Float(std::string& text);
struct OldGeoRead {
    int read = 0;                // P, L and C lines
    int skipped = 0;             // of them, objects not kept (numbers not finite or too large)
    bool circleRefused = false;  // a circle among them
};
// Reads the file's lines into the document (lines of `lineLength` either side of their point).
// An empty file or a malformed number throws, with what was read kept and counted in `info`.
void ReadOldGeo(const std::vector<std::string>& lines, double lineLength, Document& doc,
                OldGeoRead& info, ErrorTrail* trail = nullptr);

}  // namespace vt
