// Where the program's own files live: the --home option, then VELTRUM32_HOME, then the folder
// of the executable.
#pragma once

#include <string>

namespace vt {

struct ProgramPaths {
    std::string folder;  // no trailing separator

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

// The drive of a path: its first two characters when the second is ":", else "".
std::string DriveOf(const std::string& path);

std::string JoinPath(const std::string& folder, const std::string& name);
std::string StripTrailingSeparator(std::string path);
// The absolute form of a path relative to the working folder.
std::string AbsolutePath(const std::string& path);

}  // namespace vt
