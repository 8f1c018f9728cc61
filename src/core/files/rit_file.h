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
// Reads the objects into the tables; a wrong signature imports nothing, a truncated file what is
// complete.
void ImportRit(Program& p, const std::string& name);

}  // namespace vt
