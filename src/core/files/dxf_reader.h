// DXF import: the geometric entities of an ASCII DXF file become drawing objects.
#pragma once

#include <string>

namespace vt {

class Program;

inline constexpr const char* kDxfLogName = "dxfimport.log";

// Empties the drawing and imports the file, then shows how many objects were imported. Entities it
// does not know are listed in dxfimport.log in the program folder. False, with the reason shown,
// when the file could not be read (binary, no ENTITIES, a read error): the caller then keeps the
// drawing it had.
bool LoadDXF(Program& p, const std::string& name);

}  // namespace vt
