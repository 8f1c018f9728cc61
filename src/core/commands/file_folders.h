// The folder each file dialog starts in: the one last used for that kind of file, else the
// drawing or NC folder of the settings (made when it is not there yet).
#pragma once

#include <string>

namespace vt {

class Program;

enum class FileKind { Drawing, Dxf, Exchange, NcProgram };

// The History key that keeps the last folder of a kind.
const char* LastFolderKey(FileKind kind);
std::string StartFolder(Program& p, FileKind kind);
// Notes the folder of a chosen file for its kind, in the program and in the settings file (a
// file that cannot be written costs only the memory of the folder).
void RememberFolder(Program& p, FileKind kind, const std::string& chosenFile);

}  // namespace vt
