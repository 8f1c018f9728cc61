// Construction of the program state.
#include "app/program.h"

#include "base/ini_file.h"
#include "base/text_file.h"

namespace vt {

namespace {

// The language file: the caller's, else the settings' choice from lang/, else Veltrum32.LNG of the
// program folder (absent: the built-in Swedish table).
std::string LanguageFileFor(const ProgramPaths& paths, const std::string& option) {
    if (!option.empty()) return AbsolutePath(option);
    const std::string chosen = INIReadString(paths.SettingsFile(), "Program", "Language", "");
    if (!chosen.empty()) {
        const std::string file =
            chosen.find('/') == std::string::npos ? paths.File("lang/" + chosen) : chosen;
        if (FileExists(file)) return file;
    }
    return paths.LanguageFile();
}

}  // namespace

Program::Program(Ui& ui_, const std::string& programFolder, const std::string& languageFile)
    : ui(ui_) {
    paths.folder = programFolder;
    language.Init(LanguageFileFor(paths, languageFile));
    settings = DefaultSettings(paths.folder);
    enginePath = JoinPath(ExecutableDir(), "vtengine");
}

}  // namespace vt
