// Texts by number: the built-in Swedish table or the language file, and the replacement of a
// window's captions when it loads.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/ini_file.h"

namespace vt {

class Program;

// Buffer of the language lookups: a text is cut to one character less.
constexpr std::size_t kLanguageBufferSize = 255;

class Language {
  public:
    // Decides once whether the language file exists; that choice holds for the whole run.
    void Init(const std::string& languageFile);
    bool FilePresent() const { return present_; }
    const std::string& FilePath() const { return path_; }

    // The text for a number (or, for menus without a number, a name). Without a language file
    // the built-in table answers (empty for unknown numbers); with one, `file` when it is at least
    // two characters long, else the language file, and a missing key reads "str" + key.
    std::string GetText(std::string_view key, const std::string& file = "") const;
    std::string GetText(int number, const std::string& file = "") const;

    static std::optional<std::string_view> BuiltinText(int number);
    static std::vector<int> BuiltinNumbers();
    // The language key of a menu item: its number from the menu map, 307 for separators
    // ("mnuBreak..."), otherwise the name itself.
    static std::string MenuKey(std::string_view menuName);
    static std::vector<std::pair<std::string, int>> MenuNumbers();

  private:
    const IniDocument& Document(const std::string& file) const;

    std::string path_;
    bool present_ = false;
    struct Cached {
        long long mtime = -1;
        long long size = -1;
        IniDocument doc;
    };
    mutable std::map<std::string, Cached> cache_;
};

// "Filen "name" finns inte. …" (texts 1061 and 1062 round the quoted name).
std::string MissingFileText(const Language& l, const std::string& name);

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

// A text converted the way a 16-bit integer conversion does it; throws type mismatch or overflow.
int16_t TextToInt16(std::string_view text);

}  // namespace vt
