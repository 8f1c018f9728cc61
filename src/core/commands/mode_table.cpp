// The mode table, the start sequence and the restart table.
#include "commands/mode_table.h"

#include "app/error_report.h"
#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"

namespace vt {

namespace {

using K = PickKind;

const std::vector<ModeRow> kModes = {
    {OP_PAN, "OP_PAN", "mnuPanorera", 2071, {2130}, K::NotSet, false, 0},
    {OP_ZOOM_WINDOW, "OP_ZOOM_WINDOW", "mnuZoomFonster", 2070, {2128, 2129}, K::NotSet, false, 0},
    {OP_LINE_2PT, "OP_LINE_2PT", "mnuLinjelm2a", 2044, {2102, 2103}, K::Points, true, 1},
    {OP_LINE_ANGLE_LEN,
     "OP_LINE_ANGLE_LEN",
     "mnuLinegpmvol",
     2043,
     {2099, 2119},
     K::Points,
     true,
     1},
    {OP_LINE_PARALLEL,
     "OP_LINE_PARALLEL",
     "mnuLinjepmaoa",
     2045,
     {2109, 2127, 2123},
     K::Lines,
     false,
     0},
    {OP_LINE_TAN_2CIRCLES,
     "OP_LINE_TAN_2CIRCLES",
     "mnuLinjet2c",
     2046,
     {2113, 2114, 2111},
     K::Circles,
     false,
     0},
    {OP_LINE_TAN_CIRCLE_PT,
     "OP_LINE_TAN_CIRCLE_PT",
     "mnuTangenttcgp",
     2047,
     {2107, 2108, 2111},
     K::Points,
     false,
     0},
    {OP_LINE_TAN_CIRCLE_ANGLE,
     "OP_LINE_TAN_CIRCLE_ANGLE",
     "mnuLinjettcvv",
     2042,
     {2108, 2119, 2111},
     K::Circles,
     false,
     0},
    {OP_RECTANGLE, "OP_RECTANGLE", "mnuLinjeR2pt", 2041, {2102, 2103}, K::Points, true, 1},
    {OP_LINE_WHA, "OP_LINE_WHA", "mnuLinjeBHA", 2048, {2099, 2135}, K::Points, true, 1},
    {OP_CIRCLE_CENTER_PT,
     "OP_CIRCLE_CENTER_PT",
     "mnuCirkecoppc",
     2004,
     {2106, 2105},
     K::Points,
     true,
     1},
    {OP_CIRCLE_2PT_RADIUS,
     "OP_CIRCLE_2PT_RADIUS",
     "mnuCirkelg2pmr",
     2003,
     {2102, 2103, 2101, 2110},
     K::Points,
     true,
     1},
    {OP_CIRCLE_2PT, "OP_CIRCLE_2PT", "mnuCirkelg2pur", 2002, {2102, 2103}, K::Points, true, 1},
    {OP_CIRCLE_3PT, "OP_CIRCLE_3PT", "mnuCirkelg3p", 2001, {2102, 2103, 2104}, K::Points, true, 1},
    {OP_CIRCLE_CENTER_RADIUS,
     "OP_CIRCLE_CENTER_RADIUS",
     "mnuCirkeloor",
     2000,
     {2100, 2101},
     K::Points,
     true,
     2},
    {OP_CIRCLE_TAN_2LINES,
     "OP_CIRCLE_TAN_2LINES",
     "mnuCirkelt2l",
     2010,
     {2116, 2117, 2101, 2110},
     K::Lines,
     false,
     0},
    {OP_CIRCLE_TAN_LINE_CIRCLE,
     "OP_CIRCLE_TAN_LINE_CIRCLE",
     "mnuCirkelttloc",
     2009,
     {2109, 2108, 2101, 2110},
     K::Lines,
     false,
     0},
    {OP_CIRCLE_TAN_2CIRCLES,
     "OP_CIRCLE_TAN_2CIRCLES",
     "mnuCirkelt2c",
     2008,
     {2113, 2114, 2101, 2110},
     K::Circles,
     false,
     0},
    {OP_CIRCLE_TAN_LINE_PT,
     "OP_CIRCLE_TAN_LINE_PT",
     "mnuArcttlogp",
     2006,
     {2107, 2109, 2101, 2110},
     K::Points,
     false,
     0},
    {OP_CIRCLE_TAN_CIRCLE_PT,
     "OP_CIRCLE_TAN_CIRCLE_PT",
     "mnuArcttcogp",
     2005,
     {2107, 2108, 2101, 2110},
     K::Points,
     false,
     0},
    {OP_POINT_XY, "OP_POINT_XY", "mnuPointP", 2020, {2132}, K::Points, true, 1},
    {OP_POINT_SKETCH, "OP_POINT_SKETCH", "mnuPunktmm", 2022, {2125}, K::Points, true, 1},
    {OP_POINT_ON_CIRCLE_ANGLE,
     "OP_POINT_ON_CIRCLE_ANGLE",
     "mnuPunktppcvv",
     2023,
     {2108, 2120},
     K::Circles,
     true,
     0},
    {OP_POINT_ON_LINE_DIST,
     "OP_POINT_ON_LINE_DIST",
     "mnuPunktpplma",
     2024,
     {2109, 2107, 2122, 2112},
     K::Lines,
     false,
     1},
    {OP_POINTS_ANGLE_DIST_COUNT,
     "OP_POINTS_ANGLE_DIST_COUNT",
     "mnuPunktvaa",
     2026,
     {2099, 2126},
     K::Points,
     true,
     1},
    {OP_POINTS_ON_CIRCLE,
     "OP_POINTS_ON_CIRCLE",
     "mnuPunktsia",
     2025,
     {2108, 2124},
     K::Circles,
     false,
     0},
    {OP_MOVE_ORIGIN, "OP_MOVE_ORIGIN", "mnuGeoMoveOrigo", 2063, {2100}, K::Points, true, 1},
    {OP_MOVE_POINT,
     "OP_MOVE_POINT",
     "mnuGeoMoveEndpoint",
     2065,
     {2109, 2107, 2131},
     K::Lines,
     true,
     0},
    {OP_DELETE_LINE, "OP_DELETE_LINE", "mnuRaderaL", 2061, {2151}, K::Lines, false, 0},
    {OP_DELETE_CIRCLE, "OP_DELETE_CIRCLE", "mnuRaderaC", 2062, {2152}, K::Circles, false, 0},
    {OP_DELETE_POINT, "OP_DELETE_POINT", "mnuRaderaP", 2060, {2150}, K::Points, false, 0},
    {OP_DELETE_WINDOW, "OP_DELETE_WINDOW", "mnuRaderaWin", 2064, {2128, 2129}, K::NotSet, true, 0},
    {OP_NC_G0, "OP_NC_G0", "mnuNCG0", 2081, {2145}, K::Points, false, 0},
    {OP_NC_G1, "OP_NC_G1", "mnuNCg1", 2082, {2146}, K::Points, false, 0},
    {OP_NC_G2, "OP_NC_G2", "mnuNCG2", 2084, {2147, 2148, 2156}, K::Points, false, 0},
    {OP_NC_G3, "OP_NC_G3", "mnuNCG3", 2084, {2147, 2148}, K::Points, false, 0},
    {OP_NC_POINT, "OP_NC_POINT", "mnuNCGPunkt", 2085, {2149}, K::Points, false, 1},
    {OP_NC_MANUAL, "OP_NC_MANUAL", "mnuNCmanuell", 2086, {2155}, K::None, true, 12},
    {OP_NC_AUTO_CONTOUR,
     "OP_NC_AUTO_CONTOUR",
     "mnuNCAutoKontur",
     2082,
     {2146},
     K::Points,
     false,
     0},
    {OP_NC_CHAIN, "OP_NC_CHAIN", "mnuNCKedja", 1320, {1306}, K::LinesAndArcs, false, 0},
    {OP_LINE_INFO, "OP_LINE_INFO", "mnuLinjeInfo", 2040, {2109}, K::Lines, false, 0},
    {OP_CIRCLE_INFO, "OP_CIRCLE_INFO", "mnuCirkelInfo", 2007, {2108}, K::Circles, false, 0},
    {OP_POINT_INFO, "OP_POINT_INFO", "mnuPunktInfo", 2021, {2107}, K::Points, false, 0},
    {OP_DISTANCE_INFO,
     "OP_DISTANCE_INFO",
     "mnuNCDistance",
     2080,
     {2102, 2103},
     K::Points,
     false,
     0},
};

// Space restarts these codes through their menu handlers; the others only cancel.
constexpr int16_t kRestartable[] = {0,  2,   16,  17,  18,  19,  20,  21,  22,  32,  33, 34, 35,
                                    36, 37,  38,  39,  40,  41,  48,  49,  50,  51,  52, 80, 81,
                                    82, 112, 113, 114, 115, 117, 119, 160, 161, 162, 163};

}  // namespace

const std::vector<ModeRow>& ModeTable() {
    return kModes;
}

const ModeRow* FindMode(int16_t code) {
    for (const auto& m : kModes)
        if (m.code == code) return &m;
    return nullptr;
}

const ModeRow* FindModeByMenu(const std::string& menu) {
    for (const auto& m : kModes)
        if (menu == m.menu) return &m;
    return nullptr;
}

void ShowStepPrompt(Program& p) {
    int step = p.cmd.OpStep;
    p.uiState.infoText =
        step >= 0 && step <= 4 ? p.cmd.StepPrompt[static_cast<std::size_t>(step)] : "";
    p.ui.StateChanged();
}

void StartCommand(Program& p, int16_t code) {
    const ModeRow* row = FindMode(code);
    if (!row) return;
    Guarded(p, std::string(row->menu) + "_Click()", [&] {
        ResetOperation(p);
        CommandState& c = p.cmd;
        c.OpStep = 1;
        c.Operation = code;
        c.LastOperation = code;
        c.InputMode = row->inputMode;
        UiState& ui = p.uiState;
        ui.logoFrameVisible = false;
        c.FunctionTitle = p.language.GetText(row->title);
        c.StepPrompt = {};
        for (std::size_t i = 0; i < row->prompts.size(); ++i)
            if (row->prompts[i]) c.StepPrompt[i + 1] = p.language.GetText(row->prompts[i]);
        ui.infoText = c.StepPrompt[1];
        ui.functionText = c.FunctionTitle;
        if (code == OP_LINE_INFO || code == OP_CIRCLE_INFO || code == OP_POINT_INFO)
            ui.analysFrameVisible = true;
        ui.inputFrameVisible = row->values;
        c.RubberLine = code == OP_LINE_2PT || code == OP_NC_G0 || code == OP_NC_G1 ||
                       code == OP_NC_POINT || code == OP_DISTANCE_INFO;
        if (code == OP_ZOOM_WINDOW || code == OP_RECTANGLE || code == OP_DELETE_WINDOW)
            c.RubberBox = true;
        if (c.RubberLine || c.RubberBox) p.view.ViewChanged = true;
        if (code == OP_PAN)
            ui.surfaceCursor = SurfaceCursor::SizeAll;
        else if (row->pick != PickKind::NotSet)
            LookFor(p, static_cast<int16_t>(row->pick));
        p.ui.StateChanged();
    });
}

const char* RestartHandler(int16_t code) {
    for (int16_t c : kRestartable)
        if (c == code) return FindMode(code)->menu;
    return nullptr;
}

void RestartOperation(Program& p, int16_t code) {
    if (const char* menu = RestartHandler(code)) RunMenu(p, menu);
}

}  // namespace vt
