// The command modes as one table: code, constant, menu handler, title, prompts, pick kind, value
// input, and the start sequence every command runs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

class Program;

enum OpCode : int16_t {
    OP_PAN = 0,
    OP_ZOOM_WINDOW = 2,
    OP_LINE_2PT = 16,
    OP_LINE_ANGLE_LEN = 17,
    OP_LINE_PARALLEL = 18,
    OP_LINE_TAN_2CIRCLES = 19,
    OP_LINE_TAN_CIRCLE_PT = 20,
    OP_LINE_TAN_CIRCLE_ANGLE = 21,
    OP_RECTANGLE = 22,
    OP_LINE_WHA = 23,
    OP_CIRCLE_CENTER_PT = 32,
    OP_CIRCLE_2PT_RADIUS = 33,
    OP_CIRCLE_2PT = 34,
    OP_CIRCLE_3PT = 35,
    OP_CIRCLE_CENTER_RADIUS = 36,
    OP_CIRCLE_TAN_2LINES = 37,
    OP_CIRCLE_TAN_LINE_CIRCLE = 38,
    OP_CIRCLE_TAN_2CIRCLES = 39,
    OP_CIRCLE_TAN_LINE_PT = 40,
    OP_CIRCLE_TAN_CIRCLE_PT = 41,
    OP_POINT_XY = 48,
    OP_POINT_SKETCH = 49,
    OP_POINT_ON_CIRCLE_ANGLE = 50,
    OP_POINT_ON_LINE_DIST = 51,
    OP_POINTS_ANGLE_DIST_COUNT = 52,
    OP_POINTS_ON_CIRCLE = 53,
    OP_MOVE_ORIGIN = 64,
    OP_MOVE_POINT = 65,
    OP_DELETE_LINE = 80,
    OP_DELETE_CIRCLE = 81,
    OP_DELETE_POINT = 82,
    OP_DELETE_WINDOW = 83,
    OP_NC_G0 = 112,
    OP_NC_G1 = 113,
    OP_NC_G2 = 114,
    OP_NC_G3 = 115,
    OP_NC_POINT = 116,
    OP_NC_MANUAL = 117,
    OP_NC_AUTO_CONTOUR = 118,
    OP_NC_CHAIN = 119,
    OP_KEEP_CIRCLES = 144,
    OP_KEEP_LINES = 145,
    OP_KEEP_POINTS = 146,
    OP_LINE_INFO = 160,
    OP_CIRCLE_INFO = 161,
    OP_POINT_INFO = 162,
    OP_DISTANCE_INFO = 163,
    OP_PLUGIN_ARC = 176,
    OP_PLUGIN_LINE = 177,
    OP_PLUGIN_POINT = 178,
    OP_PLUGIN_DONE = 254,
    OP_NONE = 255,
};

// The LookFor kind a command starts with; NotSet leaves the cancel state (nothing pickable).
enum class PickKind : int16_t {
    NotSet = -1,
    None = 0,
    Lines = 1,
    Circles = 2,
    Points = 3,
    All = 4,
    LinesAndArcs = 5
};

struct ModeRow {
    int16_t code;
    const char* constant;
    const char* menu;  // the menu handler that starts it (without _Click)
    int16_t title;
    std::array<int16_t, 4> prompts;  // text ids of steps 1..4, 0 for none
    PickKind pick;
    bool values;        // InputFrame with ValuesButton shown at the start
    int16_t inputMode;  // InputMode at the start
};

const std::vector<ModeRow>& ModeTable();
const ModeRow* FindMode(int16_t code);
const ModeRow* FindModeByMenu(const std::string& menu);

// The start sequence: cancel, mode, title and prompts, frames, rubber bands, pick kind.
void StartCommand(Program& p, int16_t code);

// Shows StepPrompt[OpStep] in the prompt line.
void ShowStepPrompt(Program& p);

// Space: starts the command with this code again through its menu handler; codes without a row
// in the restart table do nothing.
void RestartOperation(Program& p, int16_t code);
// The menu handler of each restartable code.
const char* RestartHandler(int16_t code);

}  // namespace vt
