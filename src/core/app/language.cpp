// GetText and SetLanguage.
#include "app/language.h"

#include <sys/stat.h>

#include <cmath>

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"

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

void SetLanguage(Program& p, LanguageTarget& window) {
    if (!p.language.FilePresent()) return;
    Guarded(p, "SetLanguage()", [&] {
        const Language& lang = p.language;
        int16_t tag = TextToInt16(window.WindowTag());
        window.SetWindowCaption(ToUpperText(lang.GetText(tag)));
        auto controls = window.Controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const LanguageControl& c = controls[i];
            switch (c.kind) {
                case ControlKind::Menu:
                    window.SetControlText(i, lang.GetText(Language::MenuKey(c.name)));
                    break;
                case ControlKind::Frame:
                case ControlKind::Label:
                case ControlKind::Button:
                case ControlKind::CheckBox:
                case ControlKind::Option:
                case ControlKind::TextBox:
                    if (!c.tag.empty()) window.SetControlText(i, lang.GetText(c.tag));
                    break;
                case ControlKind::Toolbar:
                    for (std::size_t b = 0; b < c.buttonTags.size(); ++b)
                        window.SetToolTip(i, static_cast<int>(b + 1),
                                          lang.GetText(c.buttonTags[b]));
                    break;
                case ControlKind::Tabs: {
                    int first = TextToInt16(c.tag);
                    for (int t = 1; t <= c.tabCount; ++t)
                        window.SetTabCaption(i, t - 1, lang.GetText(first + t - 1));
                    break;
                }
                case ControlKind::Other:
                    break;
            }
        }
    });
}

std::string MissingFileText(const Language& l, const std::string& name) {
    return l.GetText(1061) + " \"" + name + "\" " + l.GetText(1062);
}

}  // namespace vt
