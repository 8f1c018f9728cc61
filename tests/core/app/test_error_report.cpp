// The error trail, the report text, the log and the end of the program on Cancel.
#include "app/error_report.h"
#include "commands/drawing_edit.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;

std::vector<std::string> Names(const ErrorTrail& t) {
    std::vector<std::string> out;
    for (int i = 1; i <= t.Count(); ++i)
        out.push_back(t.At(i).name);
    return out;
}

TEST(ErrorTrailTest, DeduplicatesAndKeepsEight) {
    ErrorTrail t([] { return std::time_t(1000); });
    t.Push("A");
    t.Push("A");
    EXPECT_EQ(Names(t), std::vector<std::string>({"A"}));
    t.Push("B");
    t.Push("A");
    EXPECT_EQ(Names(t), std::vector<std::string>({"A", "B", "A"}));

    ErrorTrail nine;
    for (int i = 1; i <= 9; ++i)
        nine.Push("R" + std::to_string(i));
    EXPECT_EQ(nine.Count(), 8);
    EXPECT_EQ(Names(nine),
              std::vector<std::string>({"R9", "R8", "R7", "R6", "R5", "R4", "R3", "R2"}));
}

TEST(ErrorReportTest, ReportTextLineByLine) {
    std::time_t when = 1765329688;  // a fixed moment
    ErrorTrail t([&] { return when; });
    t.Push("AddPoint()");
    t.Push("UpdatePoints()");
    std::string stamp = FormatTrailTime(when);
    EXPECT_EQ(stamp.size(), 19u);
    const std::string expected =
        "Ett fel uppstod.\r\n"
        "Beskrivning: Overflow\r\n"
        "Felnummer: 6\r\n\r\n"
        "Information:\r\n" +
        stamp + " - UpdatePoints()\r\n" + stamp + " - AddPoint()\r\n" +
        "00:00:00 - \r\n00:00:00 - \r\n00:00:00 - \r\n00:00:00 - \r\n00:00:00 - \r\n00:00:00 - \r\n"
        "\r\n"
        "Om detta fel är återkommande, var god kontakta Kalmiro AB och uppge informationen i detta "
        "fönster samt hur du fick fram detta fel.\r\n"
        "(Klicka på Avbryt för att tving programmet att stängas av).";
    EXPECT_EQ(BuildErrorReport(t, 6, "Overflow"), expected);
}

TEST(ErrorReportTest, OkKeepsRunningAndLogs) {
    TempDir dir;
    FakeUi ui;
    Program p(ui, dir.Path());
    bool ranAfter = false;
    bool ok = Guarded(p, "Work()", [&] {
        throw VtError(kErrDivisionByZero);
        ranAfter = true;
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(ranAfter);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fel");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
    EXPECT_NE(ui.messages[0].text.find("Beskrivning: Division by zero\r\nFelnummer: 11"),
              std::string::npos);
    EXPECT_NE(ui.messages[0].text.find(" - Work()\r\n"), std::string::npos);
    EXPECT_TRUE(p.paintAbort);
    EXPECT_EQ(ReadFile(dir.File("error.log")), ui.messages[0].text + "\r\n");
    // A second report appends.
    Guarded(p, "Other()", [] { throw std::bad_alloc(); });
    EXPECT_EQ(ReadFile(dir.File("error.log")),
              ui.messages[0].text + "\r\n" + ui.messages[1].text + "\r\n");
    EXPECT_NE(ui.messages[1].text.find("Felnummer: 7"), std::string::npos);
    EXPECT_EQ(ui.endProgramCalls, 0);
}

TEST(ErrorReportTest, CancelEndsAtOnceWithoutALogLine) {
    TempDir dir;
    FakeUi ui;
    ui.answers = {MsgAnswer::Cancel};
    Program p(ui, dir.Path());
    Guarded(p, "Work()", [] { throw VtError(kErrOverflow); });
    EXPECT_EQ(ui.endProgramCalls, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("error.log")));
}

TEST(ErrorReportTest, UnwritableLogIsNotReported) {
    TempDir dir;
    test::WriteFile(dir.File("plain"), "x");
    FakeUi ui;
    Program p(ui, dir.File("plain"));
    Guarded(p, "Work()", [] { throw VtError(kErrOverflow); });
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace vt
