// The private-profile semantics of the INI primitives.
#include "base/ini_file.h"

#include <gtest/gtest.h>

#include "test_util.h"

namespace vt {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
};

TEST(IniRead, StringCases) {
    const std::string longValue(300, 'a');
    const ReadCase cases[] = {
        {"plain", "[Program]\nKey=value\n", "Program", "Key", "value"},
        {"names ignore case", "[PROGRAM]\nkEy=value\n", "program", "KEY", "value"},
        {"blanks around name and value", "  [ Program ]  \n  Key  =   value   \n", "Program", "Key",
         "value"},
        {"missing key gives default", "[Program]\nOther=1\n", "Program", "Key", "def"},
        {"missing section gives default", "[Other]\nKey=1\n", "Program", "Key", "def"},
        {"empty value gives default", "[Program]\nKey=\n", "Program", "Key", "def"},
        {"enclosing quotes removed", "[Program]\nKey=\"  spaced  \"\n", "Program", "Key",
         "  spaced"},
        {"first duplicate key wins", "[Program]\nKey=first\nKey=second\n", "Program", "Key",
         "first"},
        {"first duplicate section wins", "[P]\nA=1\n[P]\nKey=2\n", "P", "Key", "def"},
        {"key of another section not seen", "[A]\nKey=1\n[B]\nX=2\n", "B", "Key", "def"},
        {"no trailing newline", "[Program]\nKey=last", "Program", "Key", "last"},
        {"CR LF line ends", "[Program]\r\nKey=crlf\r\n", "Program", "Key", "crlf"},
        {"cut at the buffer", "[P]\nKey=" + longValue + "\n", "P", "Key", std::string(259, 'a')},
        {"trailing control characters removed", "[P]\nKey=ab\x01\x02\n", "P", "Key", "ab"},
        {"NUL ends the value", std::string("[P]\nKey=ab\0cd\n", 13), "P", "Key", "ab"},
        {"Windows-1252 text is decoded", "[P]\nKey=\xe5\xe4\xf6\n", "P", "Key", "åäö"},
        {"binary garbage around a good key", "\x01\xff\xfe[\n\x80\x81=\x82\n[P]\nKey=ok\n\xff", "P",
         "Key", "ok"},
        {"comment line is not a key", "[P]\n;Key=no\n", "P", "Key", "def"},
        {"line without = ignored", "[P]\nKey\nKey=yes\n", "P", "Key", "yes"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteFile(dir.File("t.ini"), c.file);
        EXPECT_EQ(INIReadString(dir.File("t.ini"), c.section, c.key, "def"), c.expected) << c.name;
    }
}

TEST(IniRead, MissingFileGivesDefaults) {
    EXPECT_EQ(INIReadString("/nonexistent/x.ini", "P", "K", "d"), "d");
    EXPECT_EQ(INIReadLong("/nonexistent/x.ini", "P", "K", 42), 42);
    EXPECT_TRUE(INIReadBool("/nonexistent/x.ini", "P", "K", true));
}

TEST(IniRead, LongAndBoolConversions) {
    struct Case {
        const char* text;
        int32_t asLong;
        bool asBool;
    };
    // Default 7 for Long and true for Bool where the text is empty or unusable.
    const Case cases[] = {
        {"12", 12, true},   {"-5", -5, true},    {"0", 0, false},          {"abc", 0, true},
        {"true", 1, true},  {"TRUE", 1, true},   {"False", 0, false},      {"12.5", 12, true},
        {"13.5", 14, true}, {"1e3", 1000, true}, {"99999999999", 7, true}, {" 42 ", 42, true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteFile(dir.File("t.ini"), std::string("[P]\nK=") + c.text + "\n");
        EXPECT_EQ(INIReadLong(dir.File("t.ini"), "P", "K", 7), c.asLong) << c.text;
        EXPECT_EQ(INIReadBool(dir.File("t.ini"), "P", "K", true), c.asBool) << c.text;
    }
    TempDir dir;
    WriteFile(dir.File("t.ini"), "[P]\nK=\n");
    EXPECT_EQ(INIReadLong(dir.File("t.ini"), "P", "K", 7), 7);
    EXPECT_FALSE(INIReadBool(dir.File("t.ini"), "P", "K", false));
}

TEST(IniWrite, KeepsTheRestOfTheFile) {
    TempDir dir;
    const std::string f = dir.File("t.ini");
    WriteFile(f, "; a comment\r\n[A]\r\nx=1\r\nKey=old\r\ny=2\r\n\r\n[B]\r\nz=\xe5\r\n");
    ASSERT_TRUE(INIWriteString(f, "a", "KEY", "new"));
    ASSERT_TRUE(INIWriteString(f, "A", "added", "3"));
    ASSERT_TRUE(INIWriteLong(f, "C", "n", -4));
    ASSERT_TRUE(INIWriteBool(f, "C", "b", true));
    EXPECT_EQ(
        ReadFile(f),
        "; a comment\r\n[A]\r\nx=1\r\nKEY=new\r\ny=2\r\nadded=3\r\n\r\n[B]\r\nz=\xe5\r\n\r\n[C]\r\n"
        "n=-4\r\nb=True\r\n");
    EXPECT_EQ(INIReadString(f, "B", "z", ""), "å");
}

TEST(IniWrite, CreatesAMissingFileAndRefusesAnUnwritableFolder) {
    TempDir dir;
    const std::string f = dir.File("new.ini");
    ASSERT_TRUE(INIWriteString(f, "S", "k", "v"));
    EXPECT_EQ(ReadFile(f), "[S]\nk=v\n");
    // A folder that cannot take files, even for root: its "folder" is a regular file.
    WriteFile(dir.File("plain"), "x");
    EXPECT_FALSE(INIWriteString(dir.File("plain/t.ini"), "S", "k", "v"));
}

TEST(IniWrite, ValueWithLineBreaksStaysOnOneLine) {
    TempDir dir;
    const std::string f = dir.File("t.ini");
    ASSERT_TRUE(INIWriteString(f, "S", "k", "a\nb\r\nc"));
    EXPECT_EQ(INIReadString(f, "S", "k", ""), "a b  c");
}

}  // namespace
}  // namespace vt
