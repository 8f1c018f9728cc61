// GetText: texts by number from the built-in table or the language file.
#include "base/language.h"

#include <sys/stat.h>

#include <cmath>

#include "base/text_file.h"
#include "base/vt_error.h"

namespace vt {

void Language::Init(const std::string& languageFile) {
    path_ = languageFile;
    present_ = FileExists(languageFile);
    cache_.clear();
}

const IniDocument& Language::Document(const std::string& file) const {
    struct stat st {};
    long long mtime = -1, size = -1;
    if (::stat(file.c_str(), &st) == 0) {
        mtime = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        size = static_cast<long long>(st.st_size);
    }
    Cached& c = cache_[file];
    if (c.mtime != mtime || c.size != size) {
        c.doc = IniDocument::Load(file);
        c.mtime = mtime;
        c.size = size;
    }
    return c.doc;
}

std::string Language::GetText(std::string_view key, const std::string& file) const {
    if (!present_) {
        int number = 0;
        auto t = Trim(key);
        if (t.empty() || t.find_first_not_of("0123456789") != std::string_view::npos) return "";
        if (t.size() > 9) return "";
        number = std::stoi(std::string(t));
        auto text = BuiltinText(number);
        return text ? std::string(*text) : std::string();
    }
    const std::string& source = Utf8Length(file) >= 2 ? file : path_;
    auto value = Document(source).Get("LANGUAGE", key);
    std::string text = value ? *value : "str" + std::string(key);
    return Utf8Left(text, kLanguageBufferSize - 1);
}

std::string Language::GetText(int number, const std::string& file) const {
    return GetText(std::to_string(number), file);
}

int16_t TextToInt16(std::string_view text) {
    auto v = ParseIniNumber(text);
    if (!v) throw VtError(kErrTypeMismatch);
    double r = std::nearbyint(*v);
    if (r < -32768.0 || r > 32767.0) throw VtError(kErrOverflow);
    return static_cast<int16_t>(r);
}

std::string MissingFileText(const Language& l, const std::string& name) {
    return l.GetText(1061) + " \"" + name + "\" " + l.GetText(1062);
}

}  // namespace vt
