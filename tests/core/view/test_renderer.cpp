// The paint routine on a recording canvas: colours per flag, extension lines, polygon steps,
// clipping, the coordinate limit, arc modes, and the tool path painters.
#include "view/renderer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "recording_canvas.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::RecordingCanvas;
using test::TempDir;

class RenderTest : public ::testing::Test {
  protected:
    RenderTest() {
        p.view.W = 400;
        p.view.H = 300;
        p.settings.EP = p.settings.CP = p.settings.LL = p.settings.LC = p.settings.CC = false;
    }
    RecordingCanvas Paint() {
        RecordingCanvas c(400, 300);
        RitYta_Paint(p, c);
        return c;
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(RenderTest, AxesSymbolAndLetters) {
    RecordingCanvas c = Paint();
    ASSERT_FALSE(c.calls.empty());
    EXPECT_EQ(c.calls[0].op, "clear");
    EXPECT_EQ(c.calls[0].colour, p.settings.BackColor);
    auto origin = c.InColour(p.settings.OrigoColor);
    ASSERT_EQ(origin.size(), 2u);
    EXPECT_EQ(origin[0].b, 150);  // horizontal axis through row 150
    EXPECT_EQ(origin[1].a, 200);  // vertical axis through column 200
    auto axis = c.InColour(p.settings.AxisColor);
    ASSERT_EQ(axis.size(), 8u);
    EXPECT_EQ(axis[0].b, 300 - 20);
    EXPECT_EQ(axis[0].d, 300 - 70);
    EXPECT_EQ(axis[6].text, "Y|Verdana");
    EXPECT_EQ(axis[6].b, 300 - 90);
    EXPECT_EQ(axis[7].text, "X|Verdana");
}

TEST_F(RenderTest, ColourRulesPerFlag) {
    const ProgramSettings& s = p.settings;
    struct Case {
        int16_t typ;
        bool temp, sel, hl;
        Colour expected;
    };
    const Case cases[] = {
        {kLine, true, true, true, s.TempColor},
        {kLine, false, true, true, s.HighLightColor},
        {kLine, false, true, false, s.SelectedColor},
        {kLine, false, false, false, s.DrawColor},
        {kCircle, true, true, true, s.TempColor},
        {kCircle, false, true, true, s.SelectedColor},
        {kCircle, false, false, true, s.HighLightColor},
        {kCircle, false, false, false, s.DrawColor},
        {kRitPoint, false, true, true, s.SelectedColor},
        {kRitPoint, false, false, true, s.DrawColor},
    };
    for (const auto& k : cases) {
        NewDrawing(p);
        if (k.typ == kLine) AddLine(p, -10, 5, 10, 5, k.temp, true, false);
        if (k.typ == kCircle) {
            double r = 20;
            AddArc(p, 0, 0, 0, 0, r, k.temp, true, false);
        }
        if (k.typ == kRitPoint) AddRitPoint(p, 3, 3, k.temp, true, false);
        p.drawing.Obj(1).Selected = k.sel;
        p.drawing.Obj(1).Highlight = k.hl;
        RecordingCanvas c = Paint();
        EXPECT_FALSE(c.InColour(k.expected).empty()) << k.typ << k.temp << k.sel << k.hl;
    }
}

TEST_F(RenderTest, SelectedLinesShowDottedExtensions) {
    p.settings.SelectedColor = 111;
    p.settings.TempColor = 222;
    AddLine(p, -10, 0, 10, 0, false, true, false);
    p.drawing.Obj(1).Selected = true;
    RecordingCanvas c = Paint();
    auto ext = c.InColour(222);
    ASSERT_EQ(ext.size(), 2u);
    for (const auto& e : ext)
        EXPECT_EQ(e.style, PenStyle::Dot);
    EXPECT_DOUBLE_EQ(ext[0].c, 0);    // from the first end to the left edge
    EXPECT_DOUBLE_EQ(ext[1].c, 400);  // from the second end to the right edge
    // A preview line (Temp) is drawn in the temporary colour and has none.
    p.drawing.Obj(1).Temp = true;
    RecordingCanvas t = Paint();
    for (const auto& d : t.InColour(222))
        EXPECT_EQ(d.style, PenStyle::Solid);
}

TEST_F(RenderTest, PolygonStepsPerRadius) {
    auto segments = [&](double r) {
        NewDrawing(p);
        AddArc(p, 0, 0, 0, 0, r, false, true, false);
        return static_cast<int>(Paint().InColour(p.settings.DrawColor).size());
    };
    EXPECT_EQ(segments(0.5), 5);    // step 1.57: a square and a closing stroke
    EXPECT_EQ(segments(5), 9);      // step 0.785: an octagon and a closing stroke
    EXPECT_EQ(segments(100), 105);  // arcsin(6/100)
    p.settings.ArcMode = 3;         // coarser minimum: 0.05 instead of arcsin(6/140)
    EXPECT_EQ(segments(140), 126);
    EXPECT_DOUBLE_EQ(PolygonStep(0.5), 1.57);
    EXPECT_DOUBLE_EQ(PolygonStep(8), 0.785);
}

TEST_F(RenderTest, ArcModes) {
    double r = 20;
    AddArc(p, 0, 0, 0.5, 1.5, r, false, true, false);
    p.settings.ArcMode = 0;
    auto arcs = Paint().Of("arc");
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].d, 0.5);
    EXPECT_EQ(arcs[0].e, 1.5);
    p.settings.ArcMode = 2;
    EXPECT_EQ(Paint().Of("ellipse").size(), 1u);
    p.settings.ArcMode = 4;
    EXPECT_EQ(Paint().Of("arc")[0].d, 0);
    // The polygon styles draw a part arc's span only, from its start counter-clockwise to its end.
    p.settings.ArcMode = 1;
    auto strokes = Paint().InColour(p.settings.DrawColor);
    ASSERT_GE(strokes.size(), 3u);
    const double cx = 200, cy = 150;  // the surface centre: the drawing origin
    EXPECT_NEAR(std::atan2(cy - strokes.front().b, strokes.front().a - cx), 0.5, 1e-9);
    EXPECT_NEAR(std::atan2(cy - strokes.back().d, strokes.back().c - cx), 1.5, 1e-9);
    for (const auto& s : strokes)
        EXPECT_GE(cy - s.b, 0);  // nothing below the x axis
    p.settings.ArcMode = 0;
    p.view.Skala = 20.0 / 16000;  // radius of 16000 pixels
    EXPECT_TRUE(Paint().Of("arc").empty());
}

TEST_F(RenderTest, ClippingAndLimits) {
    // Points exactly on the surface edge are drawn, one pixel outside not.
    AddRitPoint(p, 200, 0, false, true, false);   // column 400
    AddRitPoint(p, 201, 0, false, true, false);   // column 401
    AddRitPoint(p, 0, -150, false, true, false);  // row 300
    EXPECT_EQ(Paint().InColour(p.settings.DrawColor).size(), 4u);
    // A line reaching past the surface is clipped to it.
    NewDrawing(p);
    AddLine(p, -1000, 0, 1000, 0, false, true, false);
    auto lines = Paint().InColour(p.settings.DrawColor);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].a, 0);
    EXPECT_EQ(lines[0].c, 400);
    // Nothing reaching the coordinate limit is drawn, and painting never opens a message.
    NewDrawing(p);
    AddLine(p, 0, 0, 1e8, 0, false, true, false);
    AddRitPoint(p, -1e8, 0, false, true, false);
    RitObjekt c;
    c.Typ = kCircle;
    c.CX = 1e8;
    c.R = 1;
    p.drawing.Objects.push_back(c);
    ++p.drawing.ObjectCount;
    EXPECT_TRUE(Paint().InColour(p.settings.DrawColor).empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RenderTest, SnapPointsInTheirColour) {
    p.settings.EP = true;
    AddLine(p, 0, 0, 10, 10, false, false, false);
    RecordingCanvas c = Paint();
    EXPECT_EQ(c.InColour(p.settings.EndpointColor).size(), 4u);  // two crosses
}

TEST_F(RenderTest, ToolPathPainters) {
    ToolPath& t = p.toolPath;
    t.Ops.resize(5);
    t.Count = 4;
    t.Op(1).Typ = kManualLine;
    t.Op(2).Typ = 0;  // the first real move: marker and label only
    t.Op(2).X = 10;
    t.Op(3).Typ = 7;  // incremental G1
    t.Op(3).X = 20;
    t.Op(4).Typ = 3;  // a full turn
    t.Op(4).X = 20;
    t.Op(4).CX = 30;
    t.Op(4).R = 10;
    p.settings.NCColor = 1;
    p.settings.NCIColor = 2;
    RecordingCanvas c = Paint();
    auto incremental = c.InColour(2);
    ASSERT_GE(incremental.size(), 2u);
    EXPECT_EQ(incremental[0].op, "line");
    EXPECT_EQ(incremental[0].width, 2);
    EXPECT_EQ(incremental[0].a, 200 + 10);
    std::vector<std::string> labels;
    for (const auto& d : c.Of("text"))
        if (d.text[0] == 'P') labels.push_back(d.text);
    EXPECT_EQ(labels, (std::vector<std::string>{"P2|Small Fonts", "P3|Small Fonts"}));
    // The full turn in arc mode 1 goes all the way round: first and last points meet.
    auto arc = c.InColour(1);
    std::vector<test::Drawn> arcLines;
    for (const auto& d : arc)
        if (d.op == "line" && d.width == 2) arcLines.push_back(d);
    ASSERT_GT(arcLines.size(), 8u);
    EXPECT_NEAR(arcLines.front().a, arcLines.back().c, 1e-6);
    EXPECT_NEAR(arcLines.front().b, arcLines.back().d, 1e-6);
    EXPECT_TRUE(IsFirstMove(t, 2));
    EXPECT_FALSE(IsFirstMove(t, 3));
}

}  // namespace
}  // namespace vt
