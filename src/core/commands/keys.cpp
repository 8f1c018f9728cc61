// The key tables of the main window.
#include "commands/keys.h"
#include "commands/history.h"

#include <string>

#include "app/program.h"
#include "commands/command_reset.h"
#include "commands/menu_commands.h"
#include "commands/mode_table.h"
#include "commands/value_input.h"
#include "view/view.h"

namespace vt {

namespace {

struct CharKey {
    char32_t lower, upper;
    void (*action)(Program&);
};

void Refreshed(Program& p) {
    p.ui.Refresh();
}

const CharKey kCharKeys[] = {
    {U'n', U'N', [](Program& p) { RunMenu(p, "mnuZoomScreen"); }},
    {U'o', U'O',
     [](Program& p) {
         PanTo(p, 0, 0, false);
         Refreshed(p);
     }},
    {U'p', U'P', [](Program& p) { RunMenu(p, "mnuPanorera"); }},
    {U'u', U'U', [](Program& p) { RunMenu(p, "mnuZoomut"); }},
    {U'z', U'Z', [](Program& p) { ZoomIn(p, true); }},
    {U'å', U'Å', [](Program& p) { RunMenu(p, "mnuNCundolast"); }},
};

constexpr const char* kNcByDigit[] = {"mnuNCG0", "mnuNCg1", "mnuNCG2", "mnuNCG3"};

}  // namespace

void Form_KeyPress(Program& p, char32_t ch) {
    ChangeScope change(p);
    if (ch == 13) {
        if (p.cmd.InputMode == 1) {
            std::string a, b, c;
            ValueInput(p, a, b, c);
        }
        return;
    }
    if (ch == 27) {
        RunMenu(p, "AvbrytButton");
        return;
    }
    if (ch == U' ') {
        ResetOperation(p);
        RestartOperation(p, p.cmd.LastOperation);
        return;
    }
    for (const auto& k : kCharKeys) {
        if (ch == k.lower || ch == k.upper) {
            k.action(p);
            return;
        }
    }
    const bool digit = ch >= U'0' && ch <= U'9';
    if ((digit || ch == U'-') && p.cmd.InputMode != 0) {
        std::string a(1, static_cast<char>(ch)), b, c;
        ValueInput(p, a, b, c);
        return;
    }
    if (ch >= U'0' && ch <= U'3' && p.cmd.InputMode == 0) RunMenu(p, kNcByDigit[ch - U'0']);
}

void Form_KeyDown(Program& p, Key key, bool scrollLock) {
    ChangeScope change(p);
    const double w = p.view.W, h = p.view.H;
    switch (key) {
        case Key::Left:
            PanTo(p, w / 2 - 50, h / 2, true);
            break;
        case Key::Right:
            PanTo(p, w / 2 + 50, h / 2, true);
            break;
        case Key::Up:
            PanTo(p, w / 2, h / 2 - 50, true);
            break;
        case Key::Down:
            PanTo(p, w / 2, h / 2 + 50, true);
            break;
        case Key::PageDown:
            ZoomIn(p, false);
            return;
        case Key::PageUp:
            mnuZoomut_Click(p);
            return;
        case Key::F11:
            RunMenu(p, "Statistics");
            return;
        case Key::F12:
            p.cmd.SketchMode = !p.cmd.SketchMode;
            p.uiState.panels[3].text = p.cmd.SketchMode ? "SKISSA" : "";
            p.ui.StateChanged();
            return;
        case Key::F9:
            if (scrollLock) RunMenu(p, "ToggleScreenTest");
            return;
        case Key::F8:
        case Key::F10:
            if (scrollLock) p.view.showPaintTime = !p.view.showPaintTime;
            return;
        default:
            return;
    }
    Refreshed(p);
}

}  // namespace vt
