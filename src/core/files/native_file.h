// The native drawing file (.vgm), templates (.vtm), last.dat and autoload.vtm: objects and tool
// path as text.
#pragma once

#include <string>

namespace vt {

class Program;

inline constexpr const char* kNativeIdentifier = "Ortix Veltrum 1.1.36";

// The file's text for the current drawing.
std::string NativeText(const Program& p);
// Writes the drawing, replacing the file only once it is completely written. A failure is
// reported and gives false; the previous file stays as it was.
bool SaveGEO(Program& p, const std::string& name);
// Empties the drawing and reads the file. Double quotes are removed from the name. A missing file
// shows its message and keeps the drawing; read errors are reported, keeping what was read.
// Returns whether the file existed.
bool LoadGEO(Program& p, std::string& name);

}  // namespace vt
