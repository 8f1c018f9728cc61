// DXF import: files written by ezdxf (tests/data/dxf, see generate_with_ezdxf.py) and small
// hand-written cases for each rule of the reader.
#include "files/dxf_reader.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "model/drawing_ops.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class DxfTest : public ::testing::Test {
  protected:
    void LoadFixture(const std::string& name) {
        LoadDXF(p, std::string(VT_TEST_DATA) + "/dxf/" + name);
    }
    void LoadText(const std::string& text) {
        NewDrawing(p);
        ui.messages.clear();
        WriteFile(dir.File("t.dxf"), text);
        LoadDXF(p, dir.File("t.dxf"));
    }
    std::vector<int16_t> Kinds() {
        std::vector<int16_t> k;
        for (int i = 1; i <= p.drawing.ObjectCount; ++i)
            k.push_back(p.drawing.Obj(i).Typ);
        return k;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

// A minimal file around the given entity groups ("0" code lines are part of `entities`).
std::string Dxf(const std::string& entities, const std::string& eol = "\n") {
    std::string s = "0\nSECTION\n2\nENTITIES\n0\n" + entities + "EOF\n";
    std::string out;
    for (char c : s)
        out += c == '\n' ? eol : std::string(1, c);
    return out;
}

TEST_F(DxfTest, EntitiesOfAnR12FileByEzdxf) {
    LoadFixture("r12_entities.dxf");
    // LINE, ARC, CIRCLE, POINT, the closed polyline's four lines, the open one's four vertices as
    // points; the TEXT is not geometry.
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{1, 2, 2, 3, 1, 1, 1, 1, 3, 3, 3, 3}));
    const RitObjekt& arc = p.drawing.Obj(2);
    EXPECT_EQ(arc.CX, 20);
    EXPECT_EQ(arc.R, 5);
    EXPECT_EQ(arc.StartAngle, 0);
    EXPECT_NEAR(arc.EndAngle, 1.5707963267949, 1e-13);
    EXPECT_EQ(p.drawing.Obj(3).EndAngle, 0);  // a CIRCLE is whole
    const RitObjekt& closing = p.drawing.Obj(8);
    EXPECT_EQ(closing.X1, 0);  // from the first vertex to the last
    EXPECT_EQ(closing.Y1, 10);
    EXPECT_EQ(closing.Y2, 20);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Importering av DXF fil klar.\r\n\r\nImporterade ritbojekt: 9");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    std::string log = ReadFile(dir.File("dxfimport.log"));
    // The open polyline's SEQEND and the TEXT, with the line they were found on.
    EXPECT_EQ(log, "SEQEND(1224)\r\nTEXT(1230)\r\n");
    EXPECT_GT(p.drawing.PointCount, 0);  // the snap points were rebuilt
}

TEST_F(DxfTest, EllipseByEzdxf) {
    LoadFixture("r2000_ellipse.dxf");
    ASSERT_EQ(p.drawing.ObjectCount, 36);
    double maxX = 0, maxY = 0;
    for (int i = 1; i <= 36; ++i) {
        maxX = std::max(maxX, std::fabs(p.drawing.Obj(i).X1));
        maxY = std::max(maxY, std::fabs(p.drawing.Obj(i).Y1));
    }
    EXPECT_NEAR(maxX, 10, 1e-9);
    EXPECT_NEAR(maxY, 5, 1e-9);
    EXPECT_NE(ui.messages.back().text.find("ritbojekt: 1"), std::string::npos);
}

TEST_F(DxfTest, Rules) {
    // A LINE without group 21 is skipped and not counted.
    LoadText(Dxf("LINE\n10\n0\n20\n0\n11\n5\n0\nLINE\n10\n1\n20\n1\n11\n2\n21\n2\n0\n"));
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{1}));
    EXPECT_NE(ui.messages[0].text.find(": 1"), std::string::npos);
    // Any letter case for entity names; LF and CR LF alike; bulges ignored.
    const std::string poly =
        "polyline\n70\n1\n0\nVERTEX\n10\n0\n20\n0\n42\n1\n0\nVERTEX\n10\n4\n20\n0\n0\nVERTEX\n10\n4"
        "\n"
        "20\n3\n0\nSEQEND\n0\nline\n10\n9\n20\n9\n11\n8\n21\n8\n0\n";
    LoadText(Dxf(poly, "\r\n"));
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{1, 1, 1, 1}));
    EXPECT_EQ(p.drawing.Obj(1).X2, 4);  // the bulged segment is straight
    LoadText(Dxf(poly));
    EXPECT_EQ(p.drawing.ObjectCount, 4);
    // A polyline without flags: its vertices are points.
    LoadText(
        Dxf("POLYLINE\n8\n0\n0\nVERTEX\n10\n1\n20\n2\n0\nVERTEX\n10\n3\n20\n4\n0\nSEQEND\n0\n"));
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{3, 3}));
    // The marker must be upper case: no ENTITIES, an empty drawing and no message.
    LoadText("0\nSECTION\n2\nentities\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nEOF\n");
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    EXPECT_TRUE(ui.messages.empty());
    // A non-numeric group code is reported with the parser's name; what was read stays.
    LoadText(Dxf("POINT\n10\n1\n20\n1\n0\nLINE\nten\n0\n0\n"));
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("GetLine()"), std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("Felnummer: 13"), std::string::npos);
    // A circle beyond the limits: AddArc's message once, not imported.
    LoadText(
        Dxf("CIRCLE\n10\n2e8\n20\n0\n40\n1\n0\nCIRCLE\n10\n3e8\n20\n0\n40\n1\n0\nCIRCLE\n10\n0\n20"
            "\n0\n40\n1\n0\n"));
    EXPECT_EQ(p.drawing.ObjectCount, 1);
    EXPECT_EQ(ui.messages.size(), 2u);  // the limit message and the closing message
    // A file that ends in the middle of an entity.
    LoadText("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20");
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(DxfTest, MissingFile) {
    LoadDXF(p, dir.File("none.dxf"));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Filen \"" + dir.File("none.dxf") +
                  "\" finns inte. Var god kontrollera filnamnet och försök igen");
    EXPECT_EQ(ui.messages[0].title, "Fel vid öppning");
}

}  // namespace
}  // namespace vt
