// The older geometry format (.geo, read only): P, L and C lines.
#pragma once

#include <string>

namespace vt {

class Program;

// Trims the text (the caller's variable too); 0 for empty text; "." or "," as the decimal
// separator. Anything else throws type mismatch.
double Str2Float(std::string& text);
// Empties the drawing and reads the file; objects whose numbers are not finite or beyond the
// coordinate limit are skipped and counted in a message. False, with the reason shown, when the
// file could not be read: the caller then keeps the drawing it had.
bool LoadOldGEO(Program& p, const std::string& name);

}  // namespace vt
