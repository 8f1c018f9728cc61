// The English language file: every text number the program looks up, every menu caption and
// every window tag has its English text.
#include <gtest/gtest.h>
#include <QWidget>

#include "base/ini_file.h"
#include "base/language.h"
#include "main_menu.h"

namespace vt::gui {
namespace {

TEST(LanguageFile, EnglishCoversEveryKey) {
    const IniDocument doc = IniDocument::Load(std::string(VT_LANG_DIR) + "/English.LNG");
    ASSERT_TRUE(doc.Loaded());
    auto has = [&](const std::string& key) { return doc.Get("LANGUAGE", key).has_value(); };
    for (int n : Language::BuiltinNumbers())
        EXPECT_TRUE(has(std::to_string(n))) << n;
    for (const auto& [name, number] : Language::MenuNumbers())
        EXPECT_TRUE(has(std::to_string(number))) << name;
    EXPECT_TRUE(has("307"));  // the separators
    // Menu items outside the number map are looked up by their own names.
    for (const MenuEntry& e : MainMenuLayout()) {
        const std::string name = e.name;
        if (name.empty() || e.kind == MenuEntry::Array || e.kind == MenuEntry::Break ||
            e.kind == MenuEntry::SubmenuEnd)
            continue;
        EXPECT_TRUE(has(Language::MenuKey(name))) << name;
    }
    // The windows' and controls' tags, and the platform dialogs' texts.
    std::vector<int> tags = {1000, 1001, 1002, 1003, 1005, 1006, 1010,
                             1011, 1012, 1013, 1014, 1015, 1016, 1017};
    for (int t = 1020; t <= 1037; ++t)
        tags.push_back(t);  // frm_print
    for (int t = 1100; t <= 1133; ++t)
        tags.push_back(t);  // frm_Settings
    for (int tag : tags)
        EXPECT_TRUE(has(std::to_string(tag))) << tag;
    for (int n = 4000; n <= 4008; ++n)
        EXPECT_TRUE(has(std::to_string(n))) << n;
    // Texts with leading blanks keep them.
    EXPECT_EQ(*doc.Get("LANGUAGE", "2000"), " CIRCLE WITH CENTRE AND RADIUS");
}

}  // namespace
}  // namespace vt::gui
