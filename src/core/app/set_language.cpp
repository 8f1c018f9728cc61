// SetLanguage.
#include "app/set_language.h"

#include "app/error_report.h"
#include "app/program.h"
#include "base/language.h"
#include "base/text_file.h"

namespace vt {

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

}  // namespace vt
