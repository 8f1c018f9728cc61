// Saving and opening drawings: the native file (.vgm), templates (.vtm), last.dat and
// autoload.vtm, the older format (.geo), the exchange file (.rit) and DXF export.
#pragma once

#include <string>

#include "files/dxf_writer.h"
#include "files/native_file.h"
#include "files/old_geo.h"
#include "files/rit_file.h"

namespace vt {

class Program;

// Writes the drawing, replacing the file only once it is completely written. A failure is
// reported and gives false; the previous file stays as it was.
bool SaveGEO(Program& p, const std::string& name);
// Empties the drawing and reads the file. Double quotes are removed from the name. A missing file
// shows its message and keeps the drawing; read errors are reported, keeping what was read.
// Returns whether the file existed.
bool LoadGEO(Program& p, std::string& name);
// Empties the drawing and reads the file; objects whose numbers are not finite or beyond the
// coordinate limit are skipped and counted in a message. False, with the reason shown, when the
// file could not be read: the caller then keeps the drawing it had.
bool LoadOldGEO(Program& p, const std::string& name);

// The exchange file (.rit). Writes the file whole or not at all; a failure is reported and gives
// false.
bool ExportRit(Program& p, const std::string& name);
// Reads the objects into the tables. False, with the reason shown, for a wrong signature or a
// cut-off file (the caller then keeps the drawing it had); objects whose numbers are not finite or
// beyond the coordinate limit are skipped and counted.
bool ImportRit(Program& p, const std::string& name);

// DXF export: writes the file atomically (a failed write leaves any old file as it was); false with
// the reason shown when it could not be written.
bool ExportDxf(Program& p, const std::string& name, DxfVersion version);

}  // namespace vt
