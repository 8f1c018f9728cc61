// The private-profile reader and writer behind settings, language and machine files.
#include "base/ini_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "base/numbers.h"

#include <cmath>
#include <cstdlib>

#include "base/error_trail.h"
#include "base/text_file.h"

namespace vt {

namespace {

constexpr std::size_t kMaxIniBytes = std::size_t(64) << 20;

std::string_view TrimBlank(std::string_view s) {
    return Trim(s, " \t\v\f");
}

// The section name of a header line "[name]", or nullopt.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = TrimBlank(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    auto close = line.find(']');
    std::string_view name =
        close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1);
    return TrimBlank(name);
}

bool KeyMatches(std::string_view line, std::string_view key, std::string_view* value) {
    line = TrimBlank(line);
    auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    if (!EqualsNoCase(TrimBlank(line.substr(0, eq)), TrimBlank(key))) return false;
    if (value) *value = TrimBlank(line.substr(eq + 1));
    return true;
}

std::string CleanValue(std::string_view v) {
    auto nul = v.find('\0');
    if (nul != std::string_view::npos) v = v.substr(0, nul);
    v = TrimBlank(v);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string OneLine(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return out;
}

}  // namespace

IniDocument IniDocument::Load(const std::string& path) {
    IniDocument doc;
    std::string bytes;
    if (!ReadFilePrefix(path, bytes, kMaxIniBytes + 1)) return doc;
    doc.loaded_ = true;
    if (bytes.size() > kMaxIniBytes) {
        doc.tooLarge_ = true;
        bytes.resize(kMaxIniBytes);
    }
    auto crlf = bytes.find("\r\n");
    auto lf = bytes.find('\n');
    if (crlf != std::string::npos && crlf < lf) doc.eol_ = "\r\n";
    for (auto l : SplitLines(bytes))
        doc.lines_.push_back({std::string(l), DecodeLine(l)});
    return doc;
}

int IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i].decoded);
        if (name && EqualsNoCase(*name, TrimBlank(section))) return static_cast<int>(i);
    }
    return -1;
}

int IniDocument::SectionEnd(int header) const {
    std::size_t i = static_cast<std::size_t>(header) + 1;
    while (i < lines_.size() && !SectionName(lines_[i].decoded))
        ++i;
    return static_cast<int>(i);
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    int header = FindSection(section);
    if (header < 0) return std::nullopt;
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        std::string_view value;
        if (KeyMatches(lines_[static_cast<std::size_t>(i)].decoded, key, &value))
            return CleanValue(value);
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = OneLine(TrimBlank(key)) + "=" + OneLine(value);
    Line line{text, text};
    int header = FindSection(section);
    if (header < 0) {
        if (!lines_.empty() && !TrimBlank(lines_.back().decoded).empty())
            lines_.push_back({"", ""});
        std::string head = "[" + OneLine(TrimBlank(section)) + "]";
        lines_.push_back({head, head});
        lines_.push_back(line);
        return;
    }
    int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (KeyMatches(lines_[static_cast<std::size_t>(i)].decoded, key, nullptr)) {
            lines_[static_cast<std::size_t>(i)] = line;
            return;
        }
    }
    int at = end;
    while (at > header + 1 && TrimBlank(lines_[static_cast<std::size_t>(at - 1)].decoded).empty())
        --at;
    lines_.insert(lines_.begin() + at, line);
}

bool IniDocument::Save(const std::string& path, std::string* error) const {
    if (tooLarge_) {
        if (error) *error = path + " is too large to be rewritten";
        return false;
    }
    std::string out;
    for (const auto& l : lines_) {
        out += l.raw;
        out += eol_;
    }
    return WriteFileAtomic(path, out, error);
}

bool UpdateIniFile(const std::string& path, const std::function<void(IniDocument&)>& change,
                   std::string* error) {
    const std::string lockPath = path + ".lock";
    const int lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock >= 0)
        while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
        }
    IniDocument doc = IniDocument::Load(path);
    change(doc);
    const bool saved = doc.Save(path, error);
    if (lock >= 0) ::close(lock);  // closing releases the lock
    return saved;
}

std::string IniBufferText(std::string_view value, std::size_t bufferSize) {
    std::string cut = Utf8Left(value, bufferSize - 1);
    while (!cut.empty() && static_cast<unsigned char>(cut.back()) <= 32)
        cut.pop_back();
    return cut;
}

std::optional<double> ParseIniNumber(std::string_view text) {
    std::string_view t = TrimBlank(text);
    if (t.empty()) return std::nullopt;
    std::string s(t);
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            ++digits;
        } else if ((s[i] == '.' || s[i] == ',') && !point) {
            point = true;
            s[i] = '.';
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9')
            ++j, ++expDigits;
        if (expDigits == 0) return std::nullopt;
        i = j;
    }
    if (i != s.size()) return std::nullopt;
    return ParseNumber(s);
}

int32_t IniTextToLong(std::string_view text, int32_t def) {
    if (text.empty()) return def;
    if (auto v = ParseIniNumber(text)) {
        double r = std::nearbyint(*v);  // halves to even, as the integer conversion rounds
        if (r < -2147483648.0 || r > 2147483647.0) return def;
        return static_cast<int32_t>(r);
    }
    return EqualsNoCase(TrimBlank(text), "TRUE") ? 1 : 0;
}

bool IniTextToBool(std::string_view text, bool def) {
    std::string_view t = TrimBlank(text);
    if (t.empty()) return def;
    if (EqualsNoCase(t, "True")) return true;
    if (EqualsNoCase(t, "False")) return false;
    if (auto v = ParseIniNumber(t)) return *v != 0.0;
    return def;
}

std::string INIReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& def, ErrorTrail* trail) {
    if (trail) trail->Push("INIReadString");
    auto v = IniDocument::Load(file).Get(section, key);
    if (!v || v->empty()) return def;
    return IniBufferText(*v);
}

int32_t INIReadLong(const std::string& file, const std::string& section, const std::string& key,
                    int32_t def, ErrorTrail* trail) {
    return IniTextToLong(INIReadString(file, section, key, "", trail), def);
}

bool INIReadBool(const std::string& file, const std::string& section, const std::string& key,
                 bool def, ErrorTrail* trail) {
    return IniTextToBool(INIReadString(file, section, key, "", trail), def);
}

bool INIWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value, ErrorTrail* trail) {
    if (trail) trail->Push("INIWriteString");
    IniDocument doc = IniDocument::Load(file);
    doc.Set(section, key, value);
    return doc.Save(file);
}

bool INIWriteLong(const std::string& file, const std::string& section, const std::string& key,
                  int32_t value, ErrorTrail* trail) {
    return INIWriteString(file, section, key, std::to_string(value), trail);
}

bool INIWriteBool(const std::string& file, const std::string& section, const std::string& key,
                  bool value, ErrorTrail* trail) {
    return INIWriteString(file, section, key, value ? "True" : "False", trail);
}

}  // namespace vt
