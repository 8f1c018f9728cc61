// The older geometry file and the CAM-module exchange file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
#include "files/rit_file.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class OldGeoTest : public ::testing::Test {
  protected:
    void Load(const std::string& text) {
        WriteFile(dir.File("t.geo"), text);
        LoadOldGEO(p, dir.File("t.geo"));
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(OldGeoTest, PointsLinesAndCircles) {
    Load("L,0,0,0\nL,10,20,1.5707963267949\nC, 5.5 ,2,3\np,1,2\nP,1,2,extra\n\nX,1,1\nP,,\n");
    ASSERT_EQ(p.drawing.ObjectCount, 5);
    const RitObjekt& a = p.drawing.Obj(1);
    EXPECT_NEAR(a.X1, 0, 1e-12);
    EXPECT_EQ(a.Y1, -1000);
    EXPECT_EQ(a.Y2, 1000);
    const RitObjekt& b = p.drawing.Obj(2);
    EXPECT_NEAR(b.X1, -990, 1e-9);
    EXPECT_NEAR(b.Y1, 20, 1e-9);
    EXPECT_NEAR(b.X2, 1010, 1e-9);
    EXPECT_EQ(p.drawing.Obj(3).Typ, kCircle);
    EXPECT_EQ(p.drawing.Obj(3).CX, 5.5);
    EXPECT_EQ(p.drawing.Obj(3).R, 3);
    EXPECT_EQ(p.drawing.Obj(4).Typ, kRitPoint);  // the lower-case p line was ignored
    EXPECT_EQ(p.drawing.Obj(5).X1, 0);           // empty fields are 0
    EXPECT_TRUE(ui.messages.empty());
    p.settings.OldGeoLineLength = 5;
    Load("L,0,0,0\n");
    EXPECT_EQ(p.drawing.Obj(1).Y2, 5);
}

TEST_F(OldGeoTest, ErrorsKeepWhatWasRead) {
    Load("P,1,2\nP,3\nP,4,4\n");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("LoadOldGEO()"), std::string::npos);
    ui.messages.clear();
    Load("P,1,2\nC,1,abc,3\n");
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Str2Float()"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 13"), std::string::npos);
    ui.messages.clear();
    Load("");
    ASSERT_EQ(ui.messages.size(), 1u);
    ui.messages.clear();
    LoadOldGEO(p, dir.File("missing.geo"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 53"), std::string::npos);
}

// Circles beyond the limits: AddArc's message once. Numbers too large to hold and points or lines
// beyond the limits are skipped too; one message counts everything skipped.
TEST_F(OldGeoTest, ObjectsBeyondTheLimitsAreSkippedWithOneMessage) {
    Load("C,0,0,5\nC,2e8,0,1\nC,3e8,0,1\nC,1,1,1\nP,1e400,0\nP,2e8,1\nL,0,1e8,0\nP,1,1\n");
    EXPECT_EQ(p.drawing.ObjectCount, 3);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Ogiltlig storlek/koordinater på cirkeln");
    EXPECT_EQ(
        ui.messages[1].text.rfind("Ritobjekt med ogiltiga eller för stora tal hoppades över: 5", 0),
        0u)
        << ui.messages[1].text;
}

TEST(OldGeoFormat, LinesReadIntoABareDocument) {
    Document doc;
    OldGeoRead info;
    ReadOldGeo({"P,1,2", "L,0,0,0", "x,9,9", "C,5,5,2.5", "C,1e300,0,1", "P,2e9,0"}, 10, doc, info);
    EXPECT_EQ(info.read, 5);
    EXPECT_EQ(info.skipped, 2);
    EXPECT_TRUE(info.circleRefused);
    ASSERT_EQ(doc.drawing.ObjectCount, 3);
    EXPECT_EQ(doc.drawing.Obj(1).Typ, kRitPoint);
    EXPECT_EQ(doc.drawing.Obj(2).Y1, -10);  // a line of the given length either side, upwards
    EXPECT_EQ(doc.drawing.Obj(2).Y2, 10);
    EXPECT_EQ(doc.drawing.Obj(3).R, 2.5);

    Document broken;
    OldGeoRead partial;
    EXPECT_THROW(ReadOldGeo({"P,1,1", "P,abc,1"}, 10, broken, partial), VtError);
    EXPECT_EQ(partial.read, 2);
    EXPECT_EQ(broken.drawing.ObjectCount, 1);
}

TEST(RitFormat, BytesReadIntoABareDocument) {
    Document doc;
    AddLine(doc.drawing, 1, 2, 3, 4, false, false);
    double r = 5;
    AddArc(doc.drawing, 6, 7, 0, 0, r, false, false);
    AddRitPoint(doc.drawing, 8, 9, false, false);
    const std::string bytes = RitBytes(doc);

    Document back;
    RitRead info;
    ReadRit(bytes, back, info);
    EXPECT_TRUE(info.known);
    EXPECT_EQ(info.skipped, 0);
    ASSERT_EQ(back.drawing.ObjectCount, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(back.drawing.Obj(i), doc.drawing.Obj(i)) << i;

    Document other;
    RitRead unsigned_;
    ReadRit("not an exchange file at all", other, unsigned_);
    EXPECT_FALSE(unsigned_.known);
    EXPECT_EQ(other.drawing.ObjectCount, 0);

    // Cut off inside the last object: an error, the objects before it kept.
    Document cut;
    RitRead partial;
    EXPECT_THROW(ReadRit(std::string_view(bytes).substr(0, bytes.size() - 12), cut, partial),
                 VtError);
    EXPECT_EQ(cut.drawing.ObjectCount, 2);
}

TEST(Str2FloatTest, Forms) {
    std::string t = "  2,5 ";
    EXPECT_EQ(Str2Float(t), 2.5);
    EXPECT_EQ(t, "2,5");
    std::string e = "";
    EXPECT_EQ(Str2Float(e), 0);
    std::string d = "-1.25";
    EXPECT_EQ(Str2Float(d), -1.25);
    std::string bad = "1,2,3";
    EXPECT_THROW(Str2Float(bad), VtError);
}

class RitTest : public ::testing::Test {
  protected:
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

// The value bytes of the first data item with this tag after `from`.
std::string ItemValue(const std::string& bytes, uint16_t tag, std::size_t& from) {
    std::size_t at = from;
    while (at + 4 <= bytes.size()) {
        uint16_t t, f;
        std::memcpy(&t, bytes.data() + at, 2);
        std::memcpy(&f, bytes.data() + at + 2, 2);
        at += 4;
        if (f & 0x6000) continue;
        uint32_t len;
        std::memcpy(&len, bytes.data() + at, 4);
        at += 4;
        if (t == tag) {
            from = at + len;
            return bytes.substr(at, len);
        }
        at += len;
    }
    return "";
}

TEST_F(RitTest, LineGroupOfTheExample) {
    AddLine(p, 0, 0, 3, 4, false, false, false);
    std::string bytes = RitBytes(p.doc);
    EXPECT_EQ(bytes.substr(0, 16), "KRX.Banmodul.RIT");
    EXPECT_EQ(bytes.substr(16, 5), std::string("\0\0\0\0\x08", 5));
    std::size_t after = 21;
    EXPECT_EQ(ItemValue(bytes, 2, after), std::string(1, '\0'));
    std::size_t from = bytes.find(std::string("\x06\x00\x00\xC0", 4));
    ASSERT_NE(from, std::string::npos);
    std::string angles = ItemValue(bytes, 16, from);
    ASSERT_EQ(angles.size(), 16u);
    double a, b, len;
    std::memcpy(&a, angles.data(), 8);
    std::memcpy(&b, angles.data() + 8, 8);
    EXPECT_NEAR(a, -5.35589008917797, 1e-13);
    EXPECT_EQ(b, 0);
    std::string l = ItemValue(bytes, 18, from);
    std::memcpy(&len, l.data(), 8);
    EXPECT_EQ(len, 5);
}

TEST_F(RitTest, RoundTripAndSkipRules) {
    AddLine(p, 0, 0, 3, 4, false, false, false);
    double r = 2;
    AddArc(p, 5, 6, 0.5, 1, r, false, false, false);
    AddRitPoint(p, 7, 8, false, false, false);
    ASSERT_TRUE(ExportRit(p, dir.File("x.rit")));
    NewDrawing(p);
    ImportRit(p, dir.File("x.rit"));
    ASSERT_EQ(p.drawing.ObjectCount, 3);
    EXPECT_EQ(p.drawing.Obj(1).X2, 3);
    EXPECT_EQ(p.drawing.Obj(2).CX, 5);
    EXPECT_EQ(p.drawing.Obj(2).R, 2);
    EXPECT_EQ(p.drawing.Obj(2).StartAngle, 0);  // arcs travel as full circles
    EXPECT_EQ(p.drawing.Obj(3).Y1, 8);
    EXPECT_EQ(p.toolPath.Count, 0);
    EXPECT_TRUE(ui.messages.empty());

    // Class 8 in tag 11 skips the object; the values of the next object start from it.
    std::string bytes = ReadFile(dir.File("x.rit"));
    std::size_t line = bytes.find(std::string("\x06\x00\x00\xC0", 4));
    std::size_t cls = bytes.find(std::string("\x0B\x00\x00\x80\x02\x00\x00\x00", 8), line);
    bytes[cls + 8] = 8;
    WriteFile(dir.File("skip.rit"), bytes);
    NewDrawing(p);
    ImportRit(p, dir.File("skip.rit"));
    ASSERT_EQ(p.drawing.ObjectCount, 2);
    EXPECT_EQ(p.drawing.Obj(1).Typ, kCircle);

    EXPECT_TRUE(ui.messages.empty());
    // A wrong signature is no exchange file; a cut-off file, or a record length pointing past
    // the end, is a failed read: each says so, and the caller keeps the drawing it had.
    std::string wrong = ReadFile(dir.File("x.rit"));
    wrong[0] = 'Q';
    WriteFile(dir.File("wrong.rit"), wrong);
    EXPECT_FALSE(ImportRit(p, dir.File("wrong.rit")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("signaturen saknas"), std::string::npos);
    std::string full = ReadFile(dir.File("x.rit"));
    std::size_t point = full.find(std::string("\x05\x00\x00\xC0", 4));
    WriteFile(dir.File("cut.rit"), full.substr(0, point + 20));
    std::string longLen =
        full.substr(0, point + 4) + std::string("\x09\x00\x00\x80\xff\xff\xff\x7f", 8);
    WriteFile(dir.File("len.rit"), longLen);
    for (const char* name : {"cut.rit", "len.rit"}) {
        ui.messages.clear();
        EXPECT_FALSE(ImportRit(p, dir.File(name))) << name;
        ASSERT_EQ(ui.messages.size(), 1u) << name;
        EXPECT_NE(ui.messages[0].text.find("Felnummer: 62"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace vt
