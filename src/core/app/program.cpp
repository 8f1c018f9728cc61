// Construction of the program state.
#include "app/program.h"

namespace vt {

Program::Program(Ui& ui_, const std::string& programFolder) : ui(ui_) {
    paths.folder = programFolder;
    language.Init(paths.LanguageFile());
    settings = DefaultSettings(paths.folder);
    enginePath = JoinPath(ExecutableDir(), "vtengine");
}

}  // namespace vt
