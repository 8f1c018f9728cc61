// Menu, toolbar, button and status-panel commands by name: one table from a handler's name to
// what it does, shared by the window, the batch runner and plug-ins.
#pragma once

#include <string>
#include <vector>

namespace vt {

class Program;

// Runs the handler of that name (without _Click); false when there is none. `arg` is the index of
// handlers of control arrays (mnuNCMachines).
bool RunMenu(Program& p, const std::string& name, int arg = 0);
// Every handler name RunMenu knows.
std::vector<std::string> MenuHandlerNames();

// Toolbar button clicks (buttons counted from 1; separators do nothing).
struct ToolbarBinding {
    const char* toolbar;
    int index;
    const char* handler;
};
const std::vector<ToolbarBinding>& ToolbarBindings();
void ToolbarClick(Program& p, const std::string& toolbar, int index);

// Status-bar panel clicks: 7–13 and 16 switch snap-point kinds, 15 the hover read-out.
void PanelClick(Program& p, int panel);

}  // namespace vt
