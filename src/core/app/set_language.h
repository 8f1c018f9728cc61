// Replacing a window's captions from the language file when it loads.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vt {

class Program;

// What SetLanguage needs of a window: its tag, its controls by kind, and setters.
enum class ControlKind {
    Menu,
    Frame,
    Label,
    Button,
    CheckBox,
    Option,
    TextBox,
    Toolbar,
    Tabs,
    Other
};

struct LanguageControl {
    ControlKind kind = ControlKind::Other;
    std::string name;
    std::string tag;
    std::vector<std::string> buttonTags;  // toolbars: the tag of each button, button 1 first
    int tabCount = 0;                     // tabbed dialogs
};

class LanguageTarget {
  public:
    virtual ~LanguageTarget() = default;
    virtual std::string WindowTag() const = 0;
    virtual void SetWindowCaption(const std::string& text) = 0;
    virtual std::vector<LanguageControl> Controls() const = 0;
    // Caption of a menu item, frame, label, button, check box or option; text of a text box.
    virtual void SetControlText(std::size_t control, const std::string& text) = 0;
    virtual void SetToolTip(std::size_t control, int button, const std::string& text) = 0;
    virtual void SetTabCaption(std::size_t control, int tab, const std::string& text) = 0;
};

// Replaces the captions of a window from the language file (nothing without one). A window tag
// that is not a 16-bit number goes to the error report.
void SetLanguage(Program& p, LanguageTarget& window);

}  // namespace vt
