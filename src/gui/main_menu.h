// The layout of the main window's menus and toolbars, as data.
#pragma once

#include <vector>

namespace vt::gui {

struct MenuEntry {
    enum Kind { Menu, Item, Check, Submenu, SubmenuEnd, Break, Array };
    Kind kind;
    const char* name;     // objectName; also the command handler for items
    const char* caption;  // the Swedish caption
};

// Top-level menus start with a Menu entry; a Submenu runs to its SubmenuEnd. Array entries are the
// hidden first element of a control array (plug-in commands, machines).
const std::vector<MenuEntry>& MainMenuLayout();

// Keyboard shortcuts of menu items, beside the program's own keys (which use no Ctrl).
struct MenuShortcut {
    const char* name;
    const char* keys;
};
const std::vector<MenuShortcut>& MenuShortcuts();

struct ToolbarLayout {
    const char* name;
    int area;  // 0 top, 1 left, 2 right
    int buttons;
};
const std::vector<ToolbarLayout>& Toolbars();

// The Swedish caption of a menu handler, used as the tool tip of its toolbar button.
const char* MenuCaption(const char* name);

}  // namespace vt::gui
