// Start folders of the file dialogs.
#include "commands/file_folders.h"

#include <filesystem>
#include <system_error>

#include "app/program.h"
#include "base/ini_file.h"

namespace vt {

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

// Each kind's History key and its slot in the program.
struct KindFolder {
    FileKind kind;
    const char* key;
    std::string History::*slot;
};
constexpr KindFolder kKindFolders[] = {
    {FileKind::Drawing, "FolderDrawing", &History::FolderDrawing},
    {FileKind::Dxf, "FolderDxf", &History::FolderDxf},
    {FileKind::Exchange, "FolderExchange", &History::FolderExchange},
    {FileKind::NcProgram, "FolderNc", &History::FolderNc},
};

const KindFolder& Of(FileKind kind) {
    for (const KindFolder& k : kKindFolders)
        if (k.kind == kind) return k;
    return kKindFolders[0];
}

std::string& Slot(Program& p, FileKind kind) {
    return p.history.*(Of(kind).slot);
}

}  // namespace

const char* LastFolderKey(FileKind kind) {
    return Of(kind).key;
}

std::string StartFolder(Program& p, FileKind kind) {
    const std::string& last = Slot(p, kind);
    if (IsFolder(last)) return last;
    const std::string& setting =
        kind == FileKind::NcProgram ? p.settings.NCpath : p.settings.GEOpath;
    if (!setting.empty() && !IsFolder(setting)) {
        std::error_code ec;  // a folder that cannot be made leaves the dialog to choose
        std::filesystem::create_directories(setting, ec);
    }
    return IsFolder(setting) ? setting : std::string();
}

void RememberFolder(Program& p, FileKind kind, const std::string& chosenFile) {
    const std::string folder = std::filesystem::path(chosenFile).parent_path().string();
    if (folder.empty() || folder == Slot(p, kind)) return;
    Slot(p, kind) = folder;
    UpdateIniFile(p.paths.SettingsFile(),
                  [&](IniDocument& doc) { doc.Set("History", LastFolderKey(kind), folder); });
}

}  // namespace vt
