// Program folder resolution and small path helpers.
#include "app/program_folder.h"

#include <unistd.h>

#include <climits>
#include <filesystem>

namespace vt {

std::string ProgramPaths::File(const std::string& name) const {
    return JoinPath(folder, name);
}

std::string ExecutableDir() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    buf[n] = '\0';
    return std::filesystem::path(buf).parent_path().string();
}

std::string StripTrailingSeparator(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

std::string AbsolutePath(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    auto abs = std::filesystem::absolute(path, ec);
    return ec ? path : abs.lexically_normal().string();
}

std::string ResolveProgramFolder(const std::string& homeOption, const std::string& environment,
                                 const std::string& executableDir) {
    for (const auto* candidate : {&homeOption, &environment, &executableDir})
        if (!candidate->empty()) return StripTrailingSeparator(AbsolutePath(*candidate));
    return StripTrailingSeparator(AbsolutePath("."));
}

std::string SharedDataDir(const std::string& executableDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(fs::path(executableDir) / "POST", ec)) return "";
    const fs::path shared = fs::path(executableDir).parent_path() / "share" / "veltrum32";
    return fs::is_directory(shared / "POST", ec) ? shared.lexically_normal().string() : "";
}

std::string UserProgramFolder(const std::string& xdgDataHome, const std::string& home) {
    if (!xdgDataHome.empty() && xdgDataHome[0] == '/') return JoinPath(xdgDataHome, "veltrum32");
    return JoinPath(JoinPath(home.empty() ? "/tmp" : home, ".local/share"), "veltrum32");
}

void SeedUserFolder(const std::string& folder, const std::string& sharedDir,
                    const std::string& pluginDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    // Each part is copied once, when the user's folder does not have it yet: later changes the
    // user makes there stay.
    const std::pair<fs::path, const char*> parts[] = {{fs::path(sharedDir) / "POST", "POST"},
                                                      {fs::path(sharedDir) / "lang", "lang"},
                                                      {fs::path(pluginDir), "plugins"}};
    for (const auto& [from, name] : parts) {
        const fs::path to = fs::path(folder) / name;
        if (fs::exists(to, ec) || !fs::is_directory(from, ec)) continue;
        fs::copy(from, to, fs::copy_options::recursive, ec);
    }
}

std::string DriveOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    return "";
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace vt

namespace vt {

std::string ChooseProgramFolder(const std::string& homeOption, const std::string& environment,
                                const std::string& executableDir, const std::string& xdgDataHome,
                                const std::string& userHome) {
    if (!homeOption.empty() || !environment.empty() || executableDir.empty())
        return ResolveProgramFolder(homeOption, environment, executableDir);
    const std::string shared = SharedDataDir(executableDir);
    const bool writable = ::access(executableDir.c_str(), W_OK) == 0;
    if (shared.empty() && writable) return ResolveProgramFolder("", "", executableDir);
    // An installed program, or one in a folder the user cannot write: a folder of the user's own.
    const std::string folder = UserProgramFolder(xdgDataHome, userHome);
    const std::string source = shared.empty() ? executableDir : shared;
    const std::string plugins = shared.empty()
                                    ? JoinPath(executableDir, "plugins")
                                    : JoinPath(executableDir, "../lib/veltrum32/plugins");
    SeedUserFolder(folder, source, plugins);
    return StripTrailingSeparator(AbsolutePath(folder));
}

}  // namespace vt
