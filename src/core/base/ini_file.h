// Initialisation files read and written one key at a time with the classic private-profile
// semantics: case-insensitive section and key names, trimmed values, writes that keep the rest
// of the file.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

class ErrorTrail;

// One file in memory. Lines keep their original bytes so that a write changes only its key.
class IniDocument {
  public:
    // A missing or unreadable file gives an empty document.
    static IniDocument Load(const std::string& path);

    // The value of the first matching key in the first matching section: trimmed of blanks, a
    // pair of enclosing quotes removed, cut at a NUL byte. Empty optional when the key is absent.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the key's line, adds it at the end of its section, or adds the section.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Replaces the file as a whole (temporary file and rename); false when that failed.
    bool Save(const std::string& path, std::string* error = nullptr) const;

    bool Loaded() const { return loaded_; }

  private:
    struct Line {
        std::string raw;      // bytes as in the file, without the line end
        std::string decoded;  // UTF-8 text
    };
    int FindSection(std::string_view section) const;  // index of the header line, or -1
    int SectionEnd(int header) const;                 // index after the section's last line

    std::vector<Line> lines_;
    std::string eol_ = "\n";
    bool loaded_ = false;
    bool tooLarge_ = false;
};

// Changes the file under a lock that every program using it takes (a file beside it, PATH.lock):
// the current content is read, changed and written back, so that two programs writing the same
// file never undo each other's changes. False (with the reason) when it could not be written.
bool UpdateIniFile(const std::string& path, const std::function<void(IniDocument&)>& change,
                   std::string* error = nullptr);

// Buffer sizes of the primitives: a value is cut to one character less than the buffer.
constexpr std::size_t kIniBufferSize = 260;

// The four primitives. Each registers its name with the error trail when one is given.
std::string INIReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& def,
                          ErrorTrail* trail = nullptr);
int32_t INIReadLong(const std::string& file, const std::string& section, const std::string& key,
                    int32_t def, ErrorTrail* trail = nullptr);
bool INIReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool def, ErrorTrail* trail = nullptr);
bool INIWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value, ErrorTrail* trail = nullptr);
bool INIWriteLong(const std::string& file, const std::string& section, const std::string& key,
                  int32_t value, ErrorTrail* trail = nullptr);
bool INIWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value, ErrorTrail* trail = nullptr);

// The same conversions on text already read, shared with the settings loader.
// A value text as the string primitive returns it: cut to the buffer, trailing codes <= 32 removed.
std::string IniBufferText(std::string_view value, std::size_t bufferSize = kIniBufferSize);
int32_t IniTextToLong(std::string_view text, int32_t def);
bool IniTextToBool(std::string_view text, bool def);
// A number as typed in a settings file: optional sign, digits, "." or "," decimals, exponent.
std::optional<double> ParseIniNumber(std::string_view text);

}  // namespace vt
