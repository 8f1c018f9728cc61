// Program: the one owner of all state of a running program (no globals anywhere else).
#pragma once

#include <string>

#include "app/error_report.h"
#include "app/program_folder.h"
#include "app/settings.h"
#include "app/ui.h"
#include "app/ui_state.h"
#include "base/language.h"
#include "commands/command_state.h"
#include "commands/value_input.h"
#include "expr/expression_parser.h"
#include "model/change_history.h"
#include "model/document.h"
#include "model/snap_points.h"
#include "nc/machines.h"
#include "plugins/plugins.h"
#include "view/overlay.h"
#include "view/view_state.h"

namespace vt {

class Program {
  public:
    // Takes the program folder and decides once whether the language file exists.
    // A language file named by the caller (--language) wins over the one the settings choose.
    Program(Ui& ui, const std::string& programFolder, const std::string& languageFile = "");
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Ui& ui;
    ProgramPaths paths;
    ErrorTrail errorTrail;
    Language language;
    ProgramSettings settings;
    ProgramSettings settingsAsLoaded;  // as the file held them: closing writes only the changes
    History history;
    ChangeHistory changes;  // undo and redo
    UiState uiState;
    Document doc;  // the drawing that is open
    Drawing& drawing = doc.drawing;
    SnapTable snaps;  // its snap points
    CommandState cmd;
    ViewState view;
    MouseState mouse;
    ToolPath& toolPath = doc.toolPath;
    JobValues& jobSettings = doc.job;  // the drawing's own job settings (kept in its file)
    MachineList machines;

    ValueDialog valueDialog;
    clsExpressionParser parser;
    Overlay overlay;  // feedback drawn over the surface between paints

    std::string axisNameX = "X", axisNameY = "Y", axisNameZ = "Z";
    double xMult = 1.0, yMult = 1.0;  // axis multipliers of the chosen machine
    char decimalSeparator = '.';      // the user's locale
    std::string selectedMachineName;  // the machine chosen in the NC code window
    std::string enginePath;           // the post-processor used when the program folder has none
    bool closing = false;
    bool ncGenerating = false;  // GenNCCode is waiting for the engine
    bool ncRegenerate = false;  // and was asked again meanwhile
    int infoFlashTicks = 0;     // tmr_info's count
    bool paintAbort = false;

    PluginSet plugins;  // last: unloaded first, while the rest of the program still exists
};

}  // namespace vt
