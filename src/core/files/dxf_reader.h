// DXF import: the geometric entities of an ASCII DXF file become drawing objects.
#pragma once

#include <string>

namespace vt {

class Program;

inline constexpr const char* kDxfLogName = "dxfimport.log";

// Imports into the current tables (the caller empties them first), then shows how many objects
// were imported. Entities it does not know are listed in dxfimport.log in the program folder.
void LoadDXF(Program& p, const std::string& name);

}  // namespace vt
