// The CAM-module exchange file (.rit): a tagged little-endian binary stream of lines, full circles
// and drawing points.
#pragma once

#include <string>

namespace vt {

class Program;

inline constexpr const char* kRitSignature = "KRX.Banmodul.RIT";

std::string RitBytes(const Program& p);
// Writes the file whole or not at all; a failure is reported and gives false.
bool ExportRit(Program& p, const std::string& name);
// Reads the objects into the tables. False, with the reason shown, for a wrong signature or a
// cut-off file (the caller then keeps the drawing it had); objects whose numbers are not finite or
// beyond the coordinate limit are skipped and counted.
bool ImportRit(Program& p, const std::string& name);

}  // namespace vt
