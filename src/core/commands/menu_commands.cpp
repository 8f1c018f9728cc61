// The handler table behind every menu item, toolbar button, button and status-bar panel.
#include "commands/menu_commands.h"
#include "commands/history.h"

#include <map>

#include "app/program.h"
#include "app/settings_dialog.h"
#include "commands/analysis.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/file_commands.h"
#include "commands/help_commands.h"
#include "commands/mode_table.h"
#include "commands/value_input.h"
#include "nc/machines.h"
#include "nc/nc_window.h"
#include "nc/toolpath_ops.h"
#include "view/printing.h"
#include "view/view.h"

namespace vt {

namespace {

using Handler = void (*)(Program&, int);

const std::map<std::string, Handler>& Handlers() {
    static const std::map<std::string, Handler> handlers = [] {
        std::map<std::string, Handler> h = {
            {"AvbrytButton", [](Program& p, int) { ResetOperation(p); }},
            {"ValuesButton",
             [](Program& p, int) {
                 std::string a, b, c;
                 ValueInput(p, a, b, c);
             }},
            {"mnuRaderaLinje", [](Program& p, int) { RunMenu(p, "mnuRaderaL"); }},
            {"mnuRaderaCirkel", [](Program& p, int) { RunMenu(p, "mnuRaderaC"); }},
            {"mnuRaderaPunkt", [](Program& p, int) { RunMenu(p, "mnuRaderaP"); }},
            {"mnuZoomin", [](Program& p, int) { ZoomIn(p, false); }},
            {"mnuZoomut", [](Program& p, int) { mnuZoomut_Click(p); }},
            {"mnuZoomScreen", [](Program& p, int) { ZoomScreen(p, false); }},
            {"mnuUndo", [](Program& p, int) { mnuUndo_Click(p); }},
            {"mnuRedo", [](Program& p, int) { mnuRedo_Click(p); }},
            {"mnuNy", [](Program& p, int) { mnuNy_Click(p); }},
            {"mnuOppna", [](Program& p, int) { mnuOppna_Click(p); }},
            {"mnuSpara", [](Program& p, int) { mnuSpara_Click(p); }},
            {"mnuSparasom", [](Program& p, int) { mnuSparasom_Click(p); }},
            {"mnuImportDxf", [](Program& p, int) { mnuImportDxf_Click(p); }},
            {"mnuExportRit", [](Program& p, int) { mnuExportRit_Click(p); }},
            {"mnuExportDxf", [](Program& p, int) { mnuExportDxf_Click(p); }},
            {"mnuImportRit", [](Program& p, int) { mnuImportRit_Click(p); }},
            {"mnuNCKonturL",
             [](Program& p, int) {
                 ResetOperation(p);
                 ContourLength(p);
             }},
            {"Statistics", [](Program& p, int) { ShowStatistics(p); }},
            {"cmdScreenTest", [](Program& p, int) { ScreenTest(p); }},
            {"ToggleScreenTest",
             [](Program& p, int) {
                 p.uiState.screenTestVisible = !p.uiState.screenTestVisible;
                 p.ui.StateChanged();
             }},
            {"mnuIntersecMore", [](Program& p, int) { ToggleSnapSwitch(p, "mnuIntersecMore"); }},
            {"mnuPrint", [](Program& p, int) { mnuPrint_Click(p); }},
            {"mnuSettings", [](Program& p, int) { mnuSettings_Click(p); }},
            {"mnuHelpIndex", [](Program& p, int) { mnuHelpIndex_Click(p); }},
            {"mnuHelpInternet", [](Program& p, int) { mnuHelpInternet_Click(p); }},
            {"mnuHelpAbout", [](Program& p, int) { mnuHelpAbout_Click(p); }},
            {"mnuNCIncAbs", [](Program& p, int) { mnuNCIncAbs_Click(p); }},
            {"mnuNCundolast", [](Program& p, int) { mnuNCundolast_Click(p); }},
            {"mnuNCClearAll", [](Program& p, int) { mnuNCClearAll_Click(p); }},
            {"mnuNCVisaNC", [](Program& p, int) { mnuNCVisaNC_Click(p); }},
            {"mnuSkirvNCkod", [](Program& p, int) { mnuSkirvNCkod_Click(p); }},
            {"mnuSparaNCkod", [](Program& p, int) { mnuSparaNCkod_Click(p); }},
            {"mnuNCMachines", [](Program& p, int i) { mnuNCMachines_Click(p, i); }},
            {"cmdClipboard", [](Program& p, int) { cmdClipboard_Click(p); }},
            {"cmdPrintNC", [](Program& p, int) { mnuSkirvNCkod_Click(p); }},
            {"cmdSaveNC", [](Program& p, int) { mnuSparaNCkod_Click(p); }},
        };
        return h;
    }();
    return handlers;
}

}  // namespace

bool RunMenu(Program& p, const std::string& name, int arg) {
    // What the command changes is one change, named by its menu item.
    ChangeScope change(p, p.language.GetText(Language::MenuKey(name)));
    if (const ModeRow* row = FindModeByMenu(name)) {
        StartCommand(p, row->code);
        return true;
    }
    for (const auto& s : SnapSwitches()) {
        if (name == s.menu) {
            ToggleSnapSwitch(p, name);
            return true;
        }
    }
    auto it = Handlers().find(name);
    if (it == Handlers().end()) return false;
    it->second(p, arg);
    return true;
}

std::vector<std::string> MenuHandlerNames() {
    std::vector<std::string> names;
    for (const auto& m : ModeTable())
        names.push_back(m.menu);
    for (const auto& s : SnapSwitches())
        names.push_back(s.menu);
    for (const auto& [name, h] : Handlers())
        names.push_back(name);
    return names;
}

const std::vector<ToolbarBinding>& ToolbarBindings() {
    static const std::vector<ToolbarBinding> b = {
        {"tbr_File", 1, "mnuNy"},
        {"tbr_File", 2, "mnuOppna"},
        {"tbr_File", 3, "mnuSpara"},
        {"tbr_points", 1, "mnuPointP"},
        {"tbr_points", 2, "mnuPunktppcvv"},
        {"tbr_points", 3, "mnuPunktpplma"},
        {"tbr_points", 4, "mnuPunktvaa"},
        {"tbr_points", 5, "mnuPunktsia"},
        {"tbr_points", 6, "mnuPunktmm"},
        {"tbr_Lines", 1, "mnuLinegpmvol"},
        {"tbr_Lines", 2, "mnuLinjelm2a"},
        {"tbr_Lines", 3, "mnuLinjettcvv"},
        {"tbr_Lines", 4, "mnuTangenttcgp"},
        {"tbr_Lines", 5, "mnuLinjet2c"},
        {"tbr_Lines", 6, "mnuLinjepmaoa"},
        {"tbr_Lines", 7, "mnuLinjeR2pt"},
        {"tbr_Circle", 1, "mnuCirkeloor"},
        {"tbr_Circle", 2, "mnuCirkecoppc"},
        {"tbr_Circle", 3, "mnuCirkelg2pur"},
        {"tbr_Circle", 4, "mnuCirkelg2pmr"},
        {"tbr_Circle", 5, "mnuCirkelg3p"},
        {"tbr_Circle", 6, "mnuCirkelt2l"},
        {"tbr_Circle", 7, "mnuCirkelttloc"},
        {"tbr_Circle", 8, "mnuCirkelt2c"},
        {"tbr_Circle", 9, "mnuArcttlogp"},
        {"tbr_Circle", 10, "mnuArcttcogp"},
        {"tbr_delete", 1, "mnuRaderaP"},
        {"tbr_delete", 2, "mnuRaderaL"},
        {"tbr_delete", 3, "mnuRaderaC"},
        {"tbr_delete", 4, "mnuRaderaWin"},
        {"tbr_delete", 5, "mnuUndo"},
        {"tbr_zoom", 1, "mnuPanorera"},
        {"tbr_zoom", 2, "mnuZoomin"},
        {"tbr_zoom", 3, "mnuZoomut"},
        {"tbr_zoom", 4, "mnuZoomScreen"},
        {"tbr_zoom", 5, "mnuZoomFonster"},
        {"tbr_NC", 1, "mnuNCG0"},
        {"tbr_NC", 2, "mnuNCg1"},
        {"tbr_NC", 3, "mnuNCG2"},
        {"tbr_NC", 5, "mnuNCKonturL"},
        {"tbr_NC", 7, "mnuNCVisaNC"},
        {"tbr_NC", 9, "mnuNCGPunkt"},
        {"tbr_NC", 10, "mnuNCmanuell"},
        {"tbr_NC", 11, "mnuNCundolast"},
        {"tbr_analys", 1, "mnuNCDistance"},
        {"tbr_analys", 2, "mnuPunktInfo"},
        {"tbr_analys", 3, "mnuLinjeInfo"},
        {"tbr_analys", 4, "mnuCirkelInfo"},
    };
    return b;
}

void ToolbarClick(Program& p, const std::string& toolbar, int index) {
    for (const auto& b : ToolbarBindings())
        if (toolbar == b.toolbar && index == b.index) RunMenu(p, b.handler);
}

void PanelClick(Program& p, int panel) {
    static const std::map<int, const char*> kPanels = {
        {7, "mnuIntersectionLL"},      {8, "mnuIntersectionCC"}, {9, "mnuIntersectionLC"},
        {10, "mnuShowMiddlepoints"},   {11, "mnuShowEndpoints"}, {12, "mnuShowCenterPoints"},
        {13, "mnuShowQuadrantPoints"}, {16, "mnuIntersecMore"},
    };
    if (panel == 15) {
        p.mouse.ShowHoverInfo = !p.mouse.ShowHoverInfo;
        p.uiState.panels[15].bevel = p.mouse.ShowHoverInfo ? kBevelInset : kBevelRaised;
        p.ui.StateChanged();
        return;
    }
    auto it = kPanels.find(panel);
    if (it != kPanels.end()) RunMenu(p, it->second);
}

}  // namespace vt
