// Texts by number: the built-in Swedish table or the language file, the menu-number map, and
// the number conversion of language tags.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/ini_file.h"

namespace vt {

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

// A text converted the way a 16-bit integer conversion does it; throws type mismatch or overflow.
int16_t TextToInt16(std::string_view text);

}  // namespace vt
