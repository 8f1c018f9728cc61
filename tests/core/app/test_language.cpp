// GetText with and without a language file, and SetLanguage's rules per control kind.
#include "app/set_language.h"
#include "base/language.h"

#include <gtest/gtest.h>

#include <map>

#include "app/program.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;
using test::WriteFile;

TEST(GetText, BuiltInTable) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    EXPECT_FALSE(p.language.FilePresent());
    EXPECT_EQ(p.language.GetText(2001), " CIRKEL MED 3 PUNKTER");
    EXPECT_EQ(p.language.GetText(9999), "");
    EXPECT_EQ(p.language.GetText(1040), "");
    EXPECT_EQ(p.language.GetText(2112), " - Markera PUNKT(ER)som skall sparas");
    EXPECT_EQ(p.language.GetText(1072), "Vinkel   : ");
    EXPECT_EQ(
        p.language.GetText(2300),
        "Okänd filtyp. Kontrollera att filen du försöker öppna är en fil som Veltrum32 stödjer.");
    EXPECT_EQ(p.language.GetText("mnuLinjeBHA"), "");
    // Every number of the table answers with a text of its own; 1040 is held empty.
    for (int n : Language::BuiltinNumbers())
        if (n != 1040) EXPECT_FALSE(p.language.GetText(n).empty()) << n;
}

TEST(GetText, LanguageFile) {
    TempDir dir;
    WriteFile(dir.File("Veltrum32.LNG"),
              "[LANGUAGE]\r\n2000=\" CIRCLE WITH CENTRE AND RADIUS\"\r\n1066=Error\r\n2002=\r\n"
              "mnuLinjeBHA=Line by width\r\n1080=" +
                  std::string(300, 'v') + "\r\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    ASSERT_TRUE(p.language.FilePresent());
    EXPECT_EQ(p.language.GetText(2000), " CIRCLE WITH CENTRE AND RADIUS");
    EXPECT_EQ(p.language.GetText(1066), "Error");
    EXPECT_EQ(p.language.GetText(2001), "str2001");
    EXPECT_EQ(p.language.GetText(2002), "");
    EXPECT_EQ(p.language.GetText("mnuLinjeBHA"), "Line by width");
    EXPECT_EQ(p.language.GetText(1080), std::string(254, 'v'));
    // Another file when the argument has at least two characters.
    WriteFile(dir.File("other.lng"), "[Language]\n1066=Fehler\n");
    EXPECT_EQ(p.language.GetText(1066, dir.File("other.lng")), "Fehler");
    EXPECT_EQ(p.language.GetText(1066, "x"), "Error");
}

TEST(GetText, PresenceIsDecidedOnceAtStart) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    WriteFile(dir.File("Veltrum32.LNG"), "[LANGUAGE]\n2001=late\n");
    EXPECT_EQ(p.language.GetText(2001), " CIRKEL MED 3 PUNKTER");
}

TEST(LanguageMenus, MenuKeys) {
    EXPECT_EQ(Language::MenuKey("mnuFile"), "300");
    EXPECT_EQ(Language::MenuKey("mnuNCMachine"), "457");
    EXPECT_EQ(Language::MenuKey("mnuBreak12"), "307");
    EXPECT_EQ(Language::MenuKey("mnuLinjeBHA"), "mnuLinjeBHA");
    EXPECT_EQ(Language::MenuNumbers().size(), 82u);
}

// A window as SetLanguage sees it, recording what it is told.
class FakeWindow : public LanguageTarget {
  public:
    std::string tag = "1000";
    std::vector<LanguageControl> controls;
    std::string caption = "designed";
    std::map<std::size_t, std::string> texts;
    std::map<std::pair<std::size_t, int>, std::string> tips, tabs;

    std::string WindowTag() const override { return tag; }
    void SetWindowCaption(const std::string& t) override { caption = t; }
    std::vector<LanguageControl> Controls() const override { return controls; }
    void SetControlText(std::size_t c, const std::string& t) override { texts[c] = t; }
    void SetToolTip(std::size_t c, int b, const std::string& t) override { tips[{c, b}] = t; }
    void SetTabCaption(std::size_t c, int t, const std::string& s) override { tabs[{c, t}] = s; }
};

TEST(SetLanguageTest, RulesPerControlKind) {
    TempDir dir;
    WriteFile(dir.File("Veltrum32.LNG"),
              "[LANGUAGE]\n1000=main window åäö\n300=&File\n307=-\n319=Through 3 points\n"
              "10=Frame\n11=Label\n12=Button\n13=Check\n14=Option\n15=Text\n20=Tip A\n21=Tip B\n"
              "30=Tab 1\n31=Tab 2\n32=Tab 3\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    FakeWindow w;
    w.controls = {
        {ControlKind::Menu, "mnuFile", "", {}, 0},
        {ControlKind::Menu, "mnuBreak3", "", {}, 0},
        {ControlKind::Menu, "mnuCirkelg3p", "", {}, 0},
        {ControlKind::Frame, "f", "10", {}, 0},
        {ControlKind::Label, "l", "11", {}, 0},
        {ControlKind::Button, "b", "12", {}, 0},
        {ControlKind::CheckBox, "c", "13", {}, 0},
        {ControlKind::Option, "o", "14", {}, 0},
        {ControlKind::TextBox, "t", "15", {}, 0},
        {ControlKind::Label, "untagged", "", {}, 0},
        {ControlKind::Toolbar, "tbr", "", {"20", "21"}, 0},
        {ControlKind::Tabs, "tabs", "30", {}, 3},
        {ControlKind::Other, "x", "11", {}, 0},
    };
    SetLanguage(p, w);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(w.caption, "MAIN WINDOW ÅÄÖ");
    EXPECT_EQ(w.texts[0], "&File");
    EXPECT_EQ(w.texts[1], "-");
    EXPECT_EQ(w.texts[2], "Through 3 points");
    for (std::size_t i = 3; i <= 8; ++i)
        EXPECT_FALSE(w.texts[i].empty()) << i;
    EXPECT_EQ(w.texts[8], "Text");
    EXPECT_EQ(w.texts.count(9), 0u);
    EXPECT_EQ(w.texts.count(12), 0u);
    EXPECT_EQ((w.tips[{10, 1}]), "Tip A");
    EXPECT_EQ((w.tips[{10, 2}]), "Tip B");
    EXPECT_EQ((w.tabs[{11, 0}]), "Tab 1");
    EXPECT_EQ((w.tabs[{11, 2}]), "Tab 3");
    EXPECT_EQ(p.errorTrail.At(1).name, "SetLanguage()");
}

TEST(SetLanguageTest, NothingWithoutALanguageFile) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    FakeWindow w;
    w.tag = "not a number";
    w.controls = {{ControlKind::Label, "l", "2001", {}, 0}};
    SetLanguage(p, w);
    EXPECT_EQ(w.caption, "designed");
    EXPECT_TRUE(w.texts.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST(SetLanguageTest, TagThatIsNotANumberGoesToTheErrorReport) {
    TempDir dir;
    WriteFile(dir.File("Veltrum32.LNG"), "[LANGUAGE]\n11=Label\n");
    FakeUi ui;
    Program p(ui, dir.Path());
    FakeWindow w;
    w.tag = "frm";
    w.controls = {{ControlKind::Label, "l", "11", {}, 0}};
    SetLanguage(p, w);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 13"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Type mismatch"), std::string::npos);
    EXPECT_TRUE(w.texts.empty());
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

// The settings' choice from lang/, and --language over it.
TEST(GetText, ChosenLanguageFile) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("lang"));
    test::WriteFile(dir.File("lang/English.LNG"),
                    "[LANGUAGE]\r\n2000=\" CIRCLE WITH CENTRE AND RADIUS\"\r\n");
    test::WriteFile(dir.File("other.LNG"), "[LANGUAGE]\r\n2000=\" KREIS\"\r\n");
    test::FakeUi ui;
    {
        Program p(ui, dir.Path());
        EXPECT_FALSE(p.language.FilePresent());
    }
    test::WriteFile(dir.File("veltrum32.ini"), "[Program]\r\nLanguage=English.LNG\r\n");
    Program english(ui, dir.Path());
    EXPECT_EQ(english.language.GetText(2000), " CIRCLE WITH CENTRE AND RADIUS");
    Program option(ui, dir.Path(), dir.File("other.LNG"));
    EXPECT_EQ(option.language.GetText(2000), " KREIS");
    test::WriteFile(dir.File("veltrum32.ini"), "[Program]\r\nLanguage=Missing.LNG\r\n");
    Program missing(ui, dir.Path());
    EXPECT_FALSE(missing.language.FilePresent());  // the built-in Swedish table
}

}  // namespace
}  // namespace vt
