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
