// DXF import: files written by ezdxf (tests/data/dxf, see generate_with_ezdxf.py) and small
// hand-written cases for each rule of the reader.
#include "files/dxf_reader.h"

#include "files/dxf_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "commands/drawing_files.h"
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
    // LINE, ARC, CIRCLE, POINT, the closed polyline's four lines, the open one's three; the TEXT is
    // not geometry.
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{1, 2, 2, 3, 1, 1, 1, 1, 1, 1, 1}));
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
    EXPECT_EQ(ui.messages[0].text, "Importering av DXF fil klar.\r\n\r\nImporterade ritbojekt: 6");
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
    std::string log = ReadFile(dir.File("dxfimport.log"));
    // The TEXT, with the line it was found on.
    EXPECT_EQ(log, "TEXT(1230)\r\n");
    EXPECT_GT(p.snaps.PointCount, 0);  // the snap points were rebuilt
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
    // Any letter case for entity names; LF and CR LF alike; a bulge makes an arc.
    const std::string poly =
        "polyline\n70\n1\n0\nVERTEX\n10\n0\n20\n0\n42\n1\n0\nVERTEX\n10\n4\n20\n0\n0\nVERTEX\n10\n4"
        "\n"
        "20\n3\n0\nSEQEND\n0\nline\n10\n9\n20\n9\n11\n8\n21\n8\n0\n";
    LoadText(Dxf(poly, "\r\n"));
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{2, 1, 1, 1}));
    EXPECT_EQ(p.drawing.Obj(1).CX, 2);  // a half circle under its chord, counter-clockwise
    EXPECT_EQ(p.drawing.Obj(1).R, 2);
    EXPECT_NEAR(p.drawing.Obj(1).StartAngle, M_PI, 1e-12);
    EXPECT_EQ(p.drawing.Obj(1).EndAngle, 0);
    LoadText(Dxf(poly));
    EXPECT_EQ(p.drawing.ObjectCount, 4);
    // A polyline without flags is open: the chain of its lines.
    LoadText(
        Dxf("POLYLINE\n8\n0\n0\nVERTEX\n10\n1\n20\n2\n0\nVERTEX\n10\n3\n20\n4\n0\nSEQEND\n0\n"));
    EXPECT_EQ(Kinds(), (std::vector<int16_t>{1}));
    // The marker must be upper case: no ENTITIES, which is said (the caller keeps the drawing).
    LoadText("0\nSECTION\n2\nentities\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\nEOF\n");
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("ingen ENTITIES-sektion"), std::string::npos);
    // A non-numeric group code is reported with the parser's name.
    LoadText(Dxf("POINT\n10\n1\n20\n1\n0\nLINE\nten\n0\n0\n"));
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

// One drawing object as text, rounded for comparing: "L x1 y1 x2 y2", "C cx cy r a1 a2", "P x y".
std::string Describe(const RitObjekt& o) {
    auto n = [](double v) {
        char b[32];
        std::snprintf(b, sizeof b, "%.6g", std::fabs(v) < 1e-9 ? 0.0 : v);
        return std::string(b);
    };
    if (o.Typ == kLine) return "L " + n(o.X1) + " " + n(o.Y1) + " " + n(o.X2) + " " + n(o.Y2);
    if (o.Typ == kCircle)
        return "C " + n(o.CX) + " " + n(o.CY) + " " + n(o.R) + " " + n(o.StartAngle * 180 / M_PI) +
               " " + n(o.EndAngle * 180 / M_PI);
    return "P " + n(o.X1) + " " + n(o.Y1);
}

std::vector<std::string> Objects(const Program& p) {
    std::vector<std::string> out;
    for (int i = 1; i <= p.drawing.ObjectCount; ++i)
        out.push_back(Describe(p.drawing.Obj(i)));
    return out;
}

TEST_F(DxfTest, LightweightPolylinesWithBulgesByEzdxf) {
    LoadFixture("r2000_lwpolyline.dxf");
    // The closed slot: its half circles from the bulges, the closing segment's included; the open
    // contour's clockwise quarter is stored counter-clockwise from its end.
    EXPECT_EQ(Objects(p),
              (std::vector<std::string>{"L 0 0 20 0", "C 20 5 5 270 90", "L 20 10 0 10",
                                        "C 0 5 5 90 270", "L 30 0 40 0", "C 50 0 10 90 180"}));
    EXPECT_NE(ui.messages.back().text.find("ritbojekt: 2"), std::string::npos);
    EXPECT_EQ(ReadFile(dir.File("dxfimport.log")), "$INSUNITS 4\r\n");
}

TEST_F(DxfTest, PartialEllipseAndMirroredPlaneByEzdxf) {
    LoadFixture("r2000_ellipse_arc_extrusion.dxf");
    auto objects = Objects(p);
    ASSERT_GT(objects.size(), 2u);
    const std::size_t lines = objects.size() - 2;
    // A quarter of the ellipse from (10, 0) to (0, 5) in chords within 0.01 mm of it.
    EXPECT_EQ(objects[0].substr(0, 8), "L 10 0 9");
    EXPECT_EQ(objects[lines - 1].substr(objects[lines - 1].size() - 4), " 0 5");
    for (std::size_t i = 1; i <= lines; ++i) {
        const RitObjekt& o = p.drawing.Obj(static_cast<int>(i));
        const double mx = (o.X1 + o.X2) / 2, my = (o.Y1 + o.Y2) / 2;
        EXPECT_LT(5 * (1 - std::hypot(mx / 10, my / 5)), 0.01) << objects[i - 1];
    }
    // Drawn on the mirrored plane: the arc and circle land on the negative X side.
    EXPECT_EQ(objects[lines], "C -20 0 5 90 180");
    EXPECT_EQ(objects[lines + 1], "C -40 5 3 0 0");
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    EXPECT_NE(log.find("ELLIPSE("), std::string::npos);
    EXPECT_NE(log.find("): " + std::to_string(lines) + " linjer\r\n"), std::string::npos) << log;
}

TEST_F(DxfTest, BlocksInsertedScaledTurnedMirroredAndNestedByEzdxf) {
    LoadFixture("r2000_blocks.dxf");
    EXPECT_EQ(Objects(p), (std::vector<std::string>{
                              "L 0 0 10 0", "C 0 0 10 0 90", "C 5 3 2 0 0",          // as placed
                              "L 50 0 50 20", "C 50 0 20 90 180", "C 44 10 4 0 0",   // ×2, 90°
                              "L 0 50 -10 50", "C 0 50 10 90 180", "C -5 53 2 0 0",  // mirrored
                              "L 100 100 110 100", "C 100 100 10 0 90", "C 105 103 2 0 0"  // nested
                          }));
    EXPECT_NE(ui.messages.back().text.find("ritbojekt: 12"), std::string::npos);
}

TEST_F(DxfTest, SplinesWithinTheChordToleranceByEzdxf) {
    LoadFixture("r2000_splines.dxf");
    std::vector<RitObjekt> cubic, quarter;
    for (int i = 1; i <= p.drawing.ObjectCount; ++i) {
        const RitObjekt& o = p.drawing.Obj(i);
        (std::hypot(o.X1, o.Y1) > 9.99 && std::hypot(o.X1, o.Y1) < 10.01 && o.X1 <= 10 &&
                 o.Y1 >= 0 && !cubic.empty()
             ? quarter
             : cubic)
            .push_back(o);
    }
    // The cubic is a Bezier curve; every chord stays within 0.01 of it.
    auto bezier = [](double t) {
        const double u = 1 - t;
        const double bx[] = {0, 10, 20, 30}, by[] = {0, 20, -20, 0};
        const double w[] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
        double x = 0, y = 0;
        for (int i = 0; i < 4; ++i)
            x += w[i] * bx[i], y += w[i] * by[i];
        return std::pair{x, y};
    };
    ASSERT_GT(cubic.size(), 10u);
    EXPECT_EQ(cubic.front().X1, 0);
    EXPECT_NEAR(cubic.back().X2, 30, 1e-12);
    double worst = 0;
    for (int k = 0; k <= 4000; ++k) {
        auto [x, y] = bezier(k / 4000.0);
        double best = 1e9;
        for (const RitObjekt& o : cubic) {
            const double dx = o.X2 - o.X1, dy = o.Y2 - o.Y1, len2 = dx * dx + dy * dy;
            const double u =
                len2 > 0 ? std::clamp(((x - o.X1) * dx + (y - o.Y1) * dy) / len2, 0.0, 1.0) : 0;
            best = std::min(best, std::hypot(x - o.X1 - u * dx, y - o.Y1 - u * dy));
        }
        worst = std::max(worst, best);
    }
    EXPECT_LT(worst, 0.01);
    // The rational quarter circle: every point on the circle, the sagitta within tolerance.
    ASSERT_FALSE(quarter.empty());
    for (const RitObjekt& o : quarter) {
        EXPECT_NEAR(std::hypot(o.X2, o.Y2), 10, 1e-9);
        EXPECT_LT(10 - std::hypot((o.X1 + o.X2) / 2, (o.Y1 + o.Y2) / 2), 0.01);
    }
    EXPECT_NE(ReadFile(dir.File("dxfimport.log")).find("SPLINE("), std::string::npos);
}

TEST_F(DxfTest, ASplineNoDrawingCouldHoldStopsBeingRefined) {
    // A wild cubic of 400 control points a hundred million units apart: within 0.01 it would
    // take far more lines than a drawing holds.
    std::vector<dxf::Pt> points;
    for (int i = 0; i < 400; ++i)
        points.push_back({i * 1e6, i % 2 == 0 ? 1e8 : -1e8});
    std::vector<double> knots(4, 0.0);
    for (int k = 1; k <= 396; ++k)
        knots.push_back(k);
    knots.insert(knots.end(), 4, 397.0);
    const std::vector<dxf::Pt> chain = dxf::SplinePoints(3, knots, points, {}, 0.01);
    EXPECT_GT(chain.size(), 30000u);
    EXPECT_LT(chain.size(), 40000u);
    EXPECT_EQ(chain.front().x, 0);
    EXPECT_EQ(chain.back().x, 399e6);
}

TEST_F(DxfTest, NumbersNoFileMeansAreKeptInRange) {
    // Flags, a spline degree, array counts and ellipse parameters far beyond any sensible value:
    // the import ends promptly, keeps what it can and skips what it cannot draw.
    LoadText(
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n"
        "21\n0\n0\nENDBLK\n0\nENDSEC\n" +
        Dxf("LWPOLYLINE\n70\n1e30\n10\n0\n20\n0\n10\n5\n20\n0\n0\n"
            "SPLINE\n71\n1e89\n40\n0\n40\n1\n10\n0\n20\n0\n10\n1\n20\n1\n0\n"
            "INSERT\n2\nB\n10\n0\n20\n0\n70\n-1e300\n71\n1e300\n0\n"
            "ELLIPSE\n10\n0\n20\n0\n11\n4\n21\n0\n40\n0.5\n41\n1e300\n42\n-1e300\n0\n"
            "POLYLINE\n70\n-1e300\n0\nVERTEX\n10\n0\n20\n0\n70\n1e300\n0\nVERTEX\n10\n1\n20\n"
            "1\n0\nSEQEND\n0\n"));
    const std::vector<std::string> objects = Objects(p);
    ASSERT_GE(objects.size(), 3u);
    EXPECT_EQ(objects[0], "L 0 0 5 0");  // the polyline, flags as an open one
    // The insert: columns at least 1, rows at most 1000.
    EXPECT_EQ(std::count(objects.begin(), objects.end(), "L 0 0 1 0"), 1000);
    EXPECT_LT(objects.size(), 1100u);  // and the ellipse is one turn, not a million
}

TEST_F(DxfTest, BinaryFileGetsAMessage) {
    LoadFixture("r2000_binary.dxf");
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "Filen är en binär DXF-fil. Spara den som ASCII-DXF och försök igen.");
}

TEST_F(DxfTest, LayoutVariationsAndOddEntities) {
    // Blanks around group codes, no HEADER, no ENDSEC, garbage after EOF.
    LoadText(
        "  0 \nSECTION\n  2\nENTITIES\n  0\nLINE\n 10 \n1\n 20\n2\n 11\n3\n 21\n4\n  0\nEOF\n"
        "\x01\x02 garbage\nmore\n");
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 1 2 3 4"});
    // A block that is missing, a block that places itself, paper space, a mesh and a 3D polyline.
    LoadText(
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nSELF\n10\n0\n20\n0\n0\nINSERT\n2\nSELF\n10\n1\n20\n1\n"
        "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDBLK\n0\nENDSEC\n" +
        Dxf("INSERT\n2\nNONE\n10\n0\n20\n0\n0\nINSERT\n2\nSELF\n10\n0\n20\n0\n0\n"
            "LINE\n67\n1\n10\n0\n20\n0\n11\n9\n21\n9\n0\n"
            "POLYLINE\n70\n64\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n1\n20\n1\n0\nSEQEND\n0\n"
            "POLYLINE\n70\n8\n0\nVERTEX\n10\n0\n20\n0\n30\n5\n0\nVERTEX\n10\n2\n20\n0\n30\n9\n0\nSE"
            "QEND\n0\n"));
    // SELF places its line and refuses to place itself inside itself; the 3D polyline is seen from
    // above.
    EXPECT_EQ(Objects(p), (std::vector<std::string>{"L 0 0 1 0", "L 0 0 2 0"}));
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    EXPECT_NE(log.find(": blocket NONE saknas\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find(": blocket SELF placeras i sig självt\r\n"), std::string::npos);
    EXPECT_NE(log.find("LINE("), std::string::npos);
    EXPECT_NE(log.find(": pappersrymd\r\n"), std::string::npos);
    EXPECT_NE(log.find("POLYLINE("), std::string::npos);
    EXPECT_NE(log.find(": nät\r\n"), std::string::npos);
}

TEST_F(DxfTest, MultiplyingBlockArraysEndInReasonableTime) {
    // Each level places the next one as a 1000 x 1000 array; only the innermost holds anything:
    // a circle no drawing can hold, a face and a missing block.
    std::string blocks = "0\nSECTION\n2\nBLOCKS\n";
    for (int level = 0; level < 4; ++level) {
        blocks += "0\nBLOCK\n2\nB" + std::to_string(level) + "\n10\n0\n20\n0\n";
        if (level == 3)
            blocks += "0\nCIRCLE\n10\n0\n20\n0\n40\n1e300\n0\nFACE\n0\nINSERT\n2\nNONE\n";
        else
            blocks += "0\nINSERT\n2\nB" + std::to_string(level + 1) +
                      "\n10\n0\n20\n0\n70\n1000\n71\n1000\n";
        blocks += "0\nENDBLK\n";
    }
    LoadText(blocks + "0\nENDSEC\n" +
             Dxf("INSERT\n2\nB0\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\n"));
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 0 0 1 1"});  // what follows still imports
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    EXPECT_NE(log.find(": för många blockplaceringar, resten hoppas över\r\n"), std::string::npos);
    // The FACE and the missing block, met at each of the innermost placements, are listed once.
    auto count = [&log](const std::string& what) {
        std::size_t n = 0;
        for (auto at = log.find(what); at != std::string::npos; at = log.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_LE(count("\r\n"), 4u) << log;  // with the refused circle and the budget's note
    EXPECT_EQ(count(": blocket NONE saknas\r\n"), 1u) << log;
    EXPECT_LT(log.size(), 1000u) << log;
}

TEST_F(DxfTest, BlocksThatPlaceNothingLeaveTheBudgetToTheRest) {
    // TEXTS holds only text, HOLLOW only places TEXTS and a missing block: their arrays place
    // nothing, and must not use up what the blocks after them need.
    const std::string blocks =
        "0\nSECTION\n2\nBLOCKS\n"
        "0\nBLOCK\n2\nTEXTS\n10\n0\n20\n0\n0\nTEXT\n1\nA\n0\nENDBLK\n"
        "0\nBLOCK\n2\nHOLLOW\n10\n0\n20\n0\n0\nINSERT\n2\nTEXTS\n70\n1000\n71\n1000\n"
        "0\nINSERT\n2\nNONE\n0\nENDBLK\n"
        "0\nBLOCK\n2\nPART\n10\n0\n20\n0\n0\nINSERT\n2\nLINES\n0\nENDBLK\n"
        "0\nBLOCK\n2\nLINES\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDBLK\n"
        "0\nENDSEC\n";
    LoadText(blocks + Dxf("INSERT\n2\nHOLLOW\n10\n0\n20\n0\n70\n1000\n71\n1000\n0\n"
                          "INSERT\n2\nPART\n10\n5\n20\n5\n70\n2\n44\n10\n0\n"));
    EXPECT_EQ(Objects(p), (std::vector<std::string>{"L 5 5 6 5", "L 15 5 16 5"}));
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    EXPECT_EQ(log.find("blockplaceringar"), std::string::npos) << log;
    EXPECT_NE(log.find("TEXT("), std::string::npos) << log;
    EXPECT_NE(log.find(": blocket NONE saknas\r\n"), std::string::npos) << log;
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

namespace vt {
namespace {

// Round holes stored as two bulged halves (LWPOLYLINE and POLYLINE) come in whole.
TEST_F(DxfTest, TwoVertexBulgeCirclesByEzdxf) {
    LoadFixture("r2000_bulge_circles.dxf");
    EXPECT_EQ(Objects(p), (std::vector<std::string>{"C 5 0 5 180 0", "C 5 0 5 0 180",
                                                    "C 25 0 5 180 0", "C 25 0 5 0 180"}));
    // Straight: a closed two-vertex polyline is its one segment, not the segment twice.
    LoadText(Dxf("LWPOLYLINE\n90\n2\n70\n1\n10\n0\n20\n0\n10\n4\n20\n0\n0\n"));
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 0 0 4 0"});
}

// A drawing in inches arrives in millimetres (and its curves within 0.01 mm), unless the settings
// keep the file's numbers; the log says which.
TEST_F(DxfTest, InchDrawingsInMillimetresByEzdxf) {
    LoadFixture("r2000_inch.dxf");
    EXPECT_EQ(Objects(p), (std::vector<std::string>{"L 0 0 25.4 0", "C 50.8 0 12.7 0 0"}));
    EXPECT_EQ(ReadFile(dir.File("dxfimport.log")), "$INSUNITS 1 -> mm (x25.4)\r\n");
    p.settings.DxfKeepUnits = true;
    LoadFixture("r2000_inch.dxf");
    EXPECT_EQ(Objects(p), (std::vector<std::string>{"L 0 0 1 0", "C 2 0 0.5 0 0"}));
    EXPECT_EQ(ReadFile(dir.File("dxfimport.log")), "$INSUNITS 1\r\n");
}

// Attribute texts belong to their blocks: not drawn, not listed as skipped.
TEST_F(DxfTest, AttributesAreNotSkippedEntitiesByEzdxf) {
    LoadFixture("r2000_attributes.dxf");
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 10 10 15 10"});
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    for (const char* name : {"ATTRIB", "ATTDEF", "SEQEND"})
        EXPECT_EQ(log.find(name), std::string::npos) << log;
}

// Numbers that are not finite, or beyond the coordinate limit once placed, never enter the
// drawing: the entity is listed, the rest imports, and the drawing saves and reads back.
TEST_F(DxfTest, NumbersBeyondTheLimitsAreSkipped) {
    const std::string blocks =
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nFAR\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1e6\n"
        "21\n0\n0\nENDBLK\n0\nENDSEC\n";
    LoadText(blocks + Dxf("ELLIPSE\n10\n0\n20\n0\n11\n1e300\n21\n0\n40\n0.5\n0\n"
                          "ELLIPSE\n10\n0\n20\n0\n11\n1e300\n21\n0\n40\n0.5\n41\n0\n42\n1\n0\n"
                          "INSERT\n2\nFAR\n10\n0\n20\n0\n41\n1e300\n42\n1e300\n0\n"
                          "LINE\n10\n0\n20\n0\n11\n1\n21\n1\n0\n"));
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 0 0 1 1"});
    const std::string log = ReadFile(dir.File("dxfimport.log"));
    EXPECT_NE(log.find("hoppas över"), std::string::npos) << log;
    ASSERT_TRUE(SaveGEO(p, dir.File("back.vgm")));
    std::string name = dir.File("back.vgm");
    ASSERT_TRUE(LoadGEO(p, name));
    EXPECT_EQ(Objects(p), std::vector<std::string>{"L 0 0 1 1"});
}

// A spline through `n` control points on a wave, as many CAD programs write curves.
std::string WaveSpline(int n, double y0) {
    std::string s =
        "SPLINE\n70\n8\n71\n3\n72\n" + std::to_string(n + 4) + "\n73\n" + std::to_string(n) + "\n";
    for (int i = 0; i < n + 4; ++i)
        s += "40\n" + std::to_string(std::clamp(i - 3, 0, n - 3)) + "\n";
    for (int i = 0; i < n; ++i)
        s += "10\n" + std::to_string(i) + "\n20\n" + std::to_string(y0 + (i % 2) * 3) + "\n30\n0\n";
    return s + "0\n";
}

// A file that would need more objects than a drawing holds is read again with coarser curves; if
// it still does not fit, nothing of it is imported and the message names the count and the limit.
TEST_F(DxfTest, FilesBeyondTheObjectLimit) {
    std::string fits, too;
    for (int k = 0; k < 60; ++k)
        fits += WaveSpline(200, k * 10.0);
    LoadText(Dxf(fits));
    EXPECT_GT(p.drawing.ObjectCount, 10000);
    EXPECT_NE(ReadFile(dir.File("dxfimport.log")).find("Kurvor med toleransen "),
              std::string::npos);
    for (int k = 0; k < 40000; ++k)
        too +=
            "LINE\n10\n0\n20\n" + std::to_string(k) + "\n11\n1\n21\n" + std::to_string(k) + "\n0\n";
    LoadText(Dxf(too));
    EXPECT_EQ(p.drawing.ObjectCount, 0);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().text.find("fler ritobjekt än en ritning rymmer"),
              std::string::npos);
    EXPECT_NE(ui.messages.back().text.find("40000 (32767)"), std::string::npos)
        << ui.messages.back().text;
}

// A spline of 200 000 control points: chains of at most the drawing's size, in little time
// (measured by bench_files).
TEST_F(DxfTest, HugeSplineStaysWithinTheCap) {
    std::vector<double> knots;
    std::vector<dxf::Pt> control;
    const int n = 200000;
    for (int i = 0; i < n + 4; ++i)
        knots.push_back(std::clamp(i - 3, 0, n - 3));
    for (int i = 0; i < n; ++i)
        control.push_back({static_cast<double>(i), (i % 2) * 3.0});
    const std::vector<dxf::Pt> pts = dxf::SplinePoints(3, knots, control, {}, 0.01);
    EXPECT_GT(pts.size(), 30000u);
    EXPECT_LE(pts.size(), 2u * 32768u);
    EXPECT_EQ(pts.front().x, 0);
    EXPECT_NEAR(pts.back().x, n - 1, 1e-9);
}

// The log is this import's: a file without ENTITIES leaves no lines of the file before it.
TEST_F(DxfTest, TheLogIsRewrittenForEveryImport) {
    LoadText(Dxf("FACE\n0\n"));
    EXPECT_NE(ReadFile(dir.File("dxfimport.log")).find("FACE("), std::string::npos);
    LoadText("0\nSECTION\n2\nHEADER\n0\nENDSEC\n0\nEOF\n");
    EXPECT_EQ(ReadFile(dir.File("dxfimport.log")), "");
}

}  // namespace
}  // namespace vt
