// Where the program's own files live: the --home option, then VELTRUM32_HOME, then the folder
// of the executable.
#pragma once

#include <string>

namespace vt {

struct ProgramPaths {
    std::string folder;     // no trailing separator
    std::string documents;  // the user's documents folder (the window sets it; empty in batch)

    // A file of the program folder ("error.log" → folder/error.log).
    std::string File(const std::string& name) const;
    std::string SettingsFile() const { return File("veltrum32.ini"); }
    std::string LanguageFile() const { return File("Veltrum32.LNG"); }
};

// The folder of the running executable (empty when it cannot be found).
std::string ExecutableDir();

// Chooses the program folder; empty arguments are skipped. The result has no trailing "/".
std::string ResolveProgramFolder(const std::string& homeOption, const std::string& environment,
                                 const std::string& executableDir);
// The installed program's shared data (prefix/share/veltrum32) when the executable's folder is an
// installation's bin folder rather than a program folder; empty otherwise.
std::string SharedDataDir(const std::string& executableDir);
// The per-user program folder of an installed program: $XDG_DATA_HOME/veltrum32, else
// ~/.local/share/veltrum32.
std::string UserProgramFolder(const std::string& xdgDataHome, const std::string& home);
// Creates the user's folder and copies in the shipped machines, language files and plug-ins it
// does not have yet.
void SeedUserFolder(const std::string& folder, const std::string& sharedDir,
                    const std::string& pluginDir);
// The program folder: --home, else VELTRUM32_HOME, else the executable's folder when it is a
// writable program folder, else the user's own folder (seeded).
std::string ChooseProgramFolder(const std::string& homeOption, const std::string& environment,
                                const std::string& executableDir, const std::string& xdgDataHome,
                                const std::string& userHome);

// The drive of a path: its first two characters when the second is ":", else "".
std::string DriveOf(const std::string& path);

std::string JoinPath(const std::string& folder, const std::string& name);
std::string StripTrailingSeparator(std::string path);
// The absolute form of a path relative to the working folder.
std::string AbsolutePath(const std::string& path);

}  // namespace vt
