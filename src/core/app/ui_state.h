// Everything a person can see of the program, held as data: the window mirrors it after every
// event and tests assert on it.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "app/settings.h"

namespace vt {

struct MenuItemState {
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::string text;  // a caption that replaces the menu's own (Ångra …); empty: its own
};

// Status-bar panel bevels: 1 sunken (on), 2 raised (off).
inline constexpr int kBevelInset = 1;
inline constexpr int kBevelRaised = 2;

struct PanelState {
    std::string text;
    int bevel = kBevelInset;
};

// Cursor shapes of the drawing surface; 101..104 are the pick cursors.
enum class SurfaceCursor : int {
    Default = 0,
    Cross = 2,
    Hourglass = 11,
    SizeAll = 15,
    PickPoint = 101,
    PickAll = 102,
    PickCircle = 103,
    PickLine = 104,
};

// A plug-in's menu entry: the category's menu array, "caption*", and the tag "p.c".
struct PluginMenuEntry {
    std::string menu, caption, tag;
};

struct UiState {
    std::string caption;
    std::string versionLabel;
    std::string functionText;
    std::string infoText;
    Colour infoTextBack = -1;  // background of the prompt line; -1 the system window colour
    bool inputFrameVisible = false;
    bool analysFrameVisible = false;
    bool logoFrameVisible = true;
    bool screenTestVisible = false;  // the hidden repaint-timing button
    std::string txtAnalys;
    std::map<std::string, MenuItemState> menus;  // by objectName
    std::map<std::string, bool> buttonsEnabled;  // "toolbar:index"
    std::array<PanelState, 17> panels{};         // 1..16, element 0 unused
    SurfaceCursor surfaceCursor = SurfaceCursor::Cross;
    bool busyCursor = false;  // the hourglass over the main window
    Colour surfaceBackColor = 0;
    bool ncWindowVisible = false;         // frm_nccode is shown
    int ncWindowRaises = 0;               // counts the commands that bring it to the front
    std::string ncCodeText;               // txtNCCode of the NC code window
    std::string ncStatusText;             // its status display
    std::vector<std::string> ncMachines;  // combo_Maskin and the mnuNCMachines entries
    int ncMachineIndex = -1;              // selected box entry and checked menu entry; -1 none
    std::vector<PluginMenuEntry> pluginMenus;

    MenuItemState& Menu(const std::string& name) { return menus[name]; }
    bool Checked(const std::string& name) const {
        auto it = menus.find(name);
        return it != menus.end() && it->second.checked;
    }
    bool Enabled(const std::string& name) const {
        auto it = menus.find(name);
        return it == menus.end() || it->second.enabled;
    }
    void SetButtonEnabled(const std::string& toolbar, int index, bool enabled) {
        buttonsEnabled[toolbar + ":" + std::to_string(index)] = enabled;
    }
    bool ButtonEnabled(const std::string& toolbar, int index) const {
        auto it = buttonsEnabled.find(toolbar + ":" + std::to_string(index));
        return it == buttonsEnabled.end() || it->second;
    }
};

}  // namespace vt
