// The native drawing file: its exact text, round trips, the identifiers, the tool path section,
// malformed files and a save that cannot replace the old file.
#include "commands/drawing_files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <limits>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class NativeFileTest : public ::testing::Test {
  protected:
    NativeFileTest() { ui.program = &p; }
    bool Load(const std::string& text) {
        WriteFile(dir.File("t.vgm"), text);
        std::string name = dir.File("t.vgm");
        return LoadGEO(p, name);
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(NativeFileTest, TheExampleFile) {
    AddLine(p, 0, 0, 10, 5, false, false, false);
    ASSERT_TRUE(SaveGEO(p, dir.File("a.vgm")));
    EXPECT_EQ(
        ReadFile(dir.File("a.vgm")),
        "\"Ortix Veltrum "
        "1.1.36\",1\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n1\r\n1,0,0,0,0,0,0,10,5\r\n0\r\n");
    EXPECT_TRUE(p.drawing.Modified);  // saving alone does not clear it
}

TEST_F(NativeFileTest, RoundTripKeepsEveryStoredField) {
    AddLine(p, 1.0 / 3, -2e-7, 123456789.123, 5e20, false, false, false);
    double r = 2.5;
    AddArc(p, -7.25, 1e-12, 0.5, 1.5, r, false, false, false);  // an arc keeps its span
    AddRitPoint(p, 0.1 + 0.2, -0.0, false, false, false);
    p.drawing.Obj(1).Selected = true;
    ToolPath& t = p.toolPath;
    t.Ops.resize(3);
    t.Count = 2;
    ToolPathOp& a = t.Op(1);
    a.Typ = 2;
    a.CX = 2.5;
    a.Group = 0.25;
    a.X = 3;
    a.AuxY = 5;
    a.Label = "G1 X10, \"quoted\"";
    t.Op(2).Typ = kManualLine;
    t.Op(2).Label = "P2";
    t.Op(2).NCText = "M3 S1000";
    ASSERT_TRUE(SaveGEO(p, dir.File("r.vgm")));
    Program q(ui, dir.Path());
    std::string name = "\"" + dir.File("r.vgm") + "\"";  // quotes around the name are removed
    ASSERT_TRUE(LoadGEO(q, name));
    EXPECT_EQ(name, dir.File("r.vgm"));
    ASSERT_EQ(q.drawing.ObjectCount, 3);
    auto near15 = [](double a, double b) {
        return a == b || std::fabs(a - b) <= 1e-14 * std::fabs(b);
    };
    for (int i = 1; i <= 3; ++i) {
        const RitObjekt &a = p.drawing.Obj(i), &b = q.drawing.Obj(i);
        EXPECT_EQ(a.Typ, b.Typ);
        for (auto [x, y] : {std::pair{a.X1, b.X1},
                            {a.Y1, b.Y1},
                            {a.X2, b.X2},
                            {a.Y2, b.Y2},
                            {a.CX, b.CX},
                            {a.CY, b.CY},
                            {a.R, b.R}})
            EXPECT_TRUE(near15(x, y)) << i << ": " << x << " vs " << y;
        EXPECT_FALSE(b.Selected || b.Temp || b.Deleted);
        EXPECT_EQ(b.StartAngle, a.StartAngle);
        EXPECT_EQ(b.EndAngle, a.EndAngle);
    }
    // The span sits in fields a circle does not use: an older reader sees the full circle.
    EXPECT_NE(ReadFile(dir.File("r.vgm")).find("\r\n2,-7.25,1E-12,2.5,0,0.5,1.5,1,0\r\n"),
              std::string::npos);
    ASSERT_EQ(q.toolPath.Count, 2);
    const ToolPathOp& o = q.toolPath.Op(1);
    EXPECT_EQ(o.Typ, 2);
    EXPECT_EQ(o.CX, 2.5);
    EXPECT_EQ(o.R, 0);
    EXPECT_EQ(o.Group, 0.25);
    EXPECT_EQ(o.X, 3);
    EXPECT_EQ(o.AuxY, 5);
    EXPECT_EQ(o.Label, "G1 X10, 'quoted'");  // a double quote cannot be stored
    EXPECT_EQ(q.toolPath.Op(2).NCText, "M3 S1000");
    EXPECT_FALSE(q.drawing.Modified);
    EXPECT_FALSE(q.drawing.HasFileName);
    EXPECT_GT(q.snaps.PointCount, 0);
}

TEST_F(NativeFileTest, ReaderForms) {
    const std::string head = "\"Ortix Veltrum 1.1.36\",1\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n";
    ASSERT_TRUE(Load(head + "1\n2, .5 ,-1.5,1E-06,0,0,0,0,0\n"));  // no tool path section
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).CX, 0.5);
    EXPECT_EQ(p.drawing.Obj(1).R, 1e-6);
    EXPECT_EQ(p.toolPath.Count, 0);
    // The older identifier: objects only, what follows is not read.
    ASSERT_TRUE(
        Load("\"Ortix "
             "Veltrum\",1\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n1\r\n3,0,0,0,0,4,5,0,"
             "0\r\n1\r\ngarbage\r\n"));
    ASSERT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(p.drawing.Obj(1).X1, 4);
    // An unknown identifier: not a drawing, said so.
    EXPECT_FALSE(Load("\"Other\",1\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n1\n3,0,0,0,0,4,5,0,0\n"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Filen kunde inte läsas. Ritningen är oförändrad.\r\n\r\n" +
                                       dir.File("t.vgm") +
                                       "\r\nFilen är ingen Veltrum32-ritning (okänd identifierare "
                                       "på första raden).");
    ui.messages.clear();
    // An empty file: an empty drawing.
    ASSERT_TRUE(Load(""));
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    // A byte-order mark (as Windows editors write one) is not part of the identifier.
    ASSERT_TRUE(Load("\xEF\xBB\xBF" + head + "1\n3,0,0,0,0,4,5,0,0\n"));
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_TRUE(ui.messages.empty());
    // A malformed tool path line is left out and named; the next line is read.
    ASSERT_TRUE(Load(head + "0\n3\n1,0,0,0,0,0,7,x,0,0,\"P1\",\"\"\n0,0,0,0,0,0,9,9,0,0,\"P2\","
                            "\"\"\n77,0,0,0,0,0,1,1,0,0,\"P3\",\"\"\n"));
    ASSERT_EQ(p.toolPath.Count, 1);
    EXPECT_EQ(p.toolPath.Op(1).Label, "P2");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(
        ui.messages[0].text.rfind("Felaktiga rader i verktygsbanan hoppades över, rad: 9, 11", 0),
        0u)
        << ui.messages[0].text;
}

TEST_F(NativeFileTest, MissingFileKeepsTheDrawing) {
    AddRitPoint(p, 1, 1, false, false, false);
    std::string name = dir.File("nope.vgm");
    EXPECT_FALSE(LoadGEO(p, name));
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Fel vid öppning");
    EXPECT_EQ(ui.messages[0].text,
              "Filen \"" + name + "\" finns inte. Var god kontrollera filnamnet och försök igen");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
}

// A damaged file is reported with its name in the trail; the reader says it failed, so that the
// caller keeps the drawing the person had.
TEST_F(NativeFileTest, MalformedFilesAreReportedAsFailures) {
    const std::string head = "\"Ortix Veltrum 1.1.36\",1\n\"\"\n\"\"\n\"\"\n\"\"\n\"\"\n";
    struct Case {
        std::string text;
        int error;
    };
    const Case cases[] = {
        {head + "-1\n", 9},
        {head + "40000\n", 6},
        {head + "99\n3,0,0,0,0,1,1,0,0\n", 62},
        {head + "2\n3,0,0,0,0,1,1,0,0\n3,0,0,0,0,NaN,1,0,0\n", 13},
        {head + "2\n3,0,0,0,0,1,1,0,0\n3,0,0,0,0,1E+400,1,0,0\n", 6},
        {head + "2\n3,0,0,0,0,1,1,0,0\n3,0,0\n", 62},
        {head + "x\n", 13},
        {"\"Ortix Veltrum 1.1.36\",1\n\"\"\n", 62},
        {std::string("\xff\xfe\x00\x01", 4) + std::string(5000, '\x80'), 0},  // not a drawing
        {head + "1\n" + std::string(200000, '9') + ",0,0,0,0,0,0,0,0\n", 6},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        EXPECT_FALSE(Load(c.text));
        if (c.error == 0) {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_NE(ui.messages[0].text.find("ingen Veltrum32-ritning"), std::string::npos);
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u) << c.text.substr(0, 80);
        EXPECT_NE(ui.messages[0].text.find("Felnummer: " + std::to_string(c.error)),
                  std::string::npos)
            << ui.messages[0].text;
        EXPECT_NE(ui.messages[0].text.find("LoadGEO() - " + dir.File("t.vgm")), std::string::npos);
    }
}

TEST_F(NativeFileTest, AFailedSaveLeavesTheOldFile) {
    test::ReadOnlyFolder folder("old.vgm", "old content");
    if (!folder.Usable()) GTEST_SKIP() << "no read-only folder can be made here";
    AddLine(p, 0, 0, 1, 1, false, false, false);
    EXPECT_FALSE(SaveGEO(p, folder.File()));
    EXPECT_EQ(ReadFile(folder.File()), "old content");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("SaveGEO()"), std::string::npos);
    EXPECT_EQ(std::filesystem::directory_iterator(folder.Path())->path().filename(), "old.vgm");
}

}  // namespace
}  // namespace vt

namespace vt {
namespace {

namespace fs = std::filesystem;

// Saving respects what the user made of the file: a read-only file is not replaced (also by
// root), a symbolic link stays a link and its target gets the drawing, and what interrupted saves
// of the same file left behind is cleared.
TEST_F(NativeFileTest, SavingRespectsTheFile) {
    AddLine(p, 0, 0, 1, 1, false, false, false);
    WriteFile(dir.File("locked.vgm"), "old content");
    fs::permissions(dir.File("locked.vgm"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(SaveGEO(p, dir.File("locked.vgm")));
    EXPECT_EQ(ReadFile(dir.File("locked.vgm")), "old content");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Permission denied"), std::string::npos)
        << ui.messages[0].text;

    fs::create_directory(dir.File("real"));
    WriteFile(dir.File("real/part.vgm"), "old");
    fs::create_symlink("real/part.vgm", dir.File("link.vgm"));
    ASSERT_TRUE(SaveGEO(p, dir.File("link.vgm")));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.vgm")));
    EXPECT_EQ(ReadFile(dir.File("real/part.vgm")), NativeText(p.doc));

    // Left by a save of a process that is gone, by an old save, and one still being written.
    const std::string gone = dir.File("part.vgm.tmp-999999999-Ab3dEf");
    const std::string old = dir.File("part.vgm.tmp-Gh5iJk");
    const std::string live = dir.File("part.vgm.tmp-" + std::to_string(::getpid()) + "-Lm7nOp");
    for (const std::string& f : {gone, old, live})
        WriteFile(f, "x");
    fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::hours(1));
    ASSERT_TRUE(SaveGEO(p, dir.File("part.vgm")));
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_FALSE(fs::exists(old));
    EXPECT_TRUE(fs::exists(live));
}

// A double quote inside a file name is part of it; quotes round the whole name are not.
TEST_F(NativeFileTest, QuotesInFileNames) {
    AddLine(p, 0, 0, 1, 1, false, false, false);
    const std::string odd = dir.File("x\"y.vgm");
    ASSERT_TRUE(SaveGEO(p, odd));
    std::string name = odd;
    ASSERT_TRUE(LoadGEO(p, name));
    EXPECT_EQ(name, odd);
    name = "\"" + odd + "\"";
    ASSERT_TRUE(LoadGEO(p, name));
    EXPECT_EQ(name, odd);
    EXPECT_FALSE(fs::exists(dir.File("xy.vgm")));
}

// A number that cannot be read back is never written: the old file stays.
TEST_F(NativeFileTest, NonFiniteNumbersAreNotSaved) {
    WriteFile(dir.File("keep.vgm"), "old");
    AddLine(p, 0, 0, 1, 1, false, false, false);
    p.drawing.Obj(1).X2 = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(SaveGEO(p, dir.File("keep.vgm")));
    EXPECT_EQ(ReadFile(dir.File("keep.vgm")), "old");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("ogiltigt tal"), std::string::npos);
}

}  // namespace
}  // namespace vt
