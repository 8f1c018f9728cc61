// The help menu: the guide shipped beside the program, the about box's folders.
#include <gtest/gtest.h>

#include "app/program.h"
#include "commands/help_commands.h"
#include "commands/menu_commands.h"
#include "test_util.h"

namespace vt {
namespace {

TEST(Help, GuideAndAbout) {
    test::TempDir dir;
    test::FakeUi ui;
    Program p(ui, dir.Path());
    // The build lays the guide out beside the programs, the tests among them.
    RunMenu(p, "mnuHelpIndex");
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0], GuidePath(p));
    EXPECT_NE(ui.opened[0].find("doc/guide.html"), std::string::npos);
    RunMenu(p, "mnuHelpInternet");  // no public page: the guide again
    EXPECT_EQ(ui.opened.size(), 2u);

    RunMenu(p, "mnuHelpAbout");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Om Veltrum32");
    EXPECT_NE(ui.messages[0].text.find("Veltrum32 1.1.36"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Programmapp: " + dir.Path()), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Inställningsfil: " + dir.File("veltrum32.ini")),
              std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Qt 6 (GNU LGPL version 3)"), std::string::npos);
}

}  // namespace
}  // namespace vt
