// Printing the drawing and the NC code: what is printed for each option, colours, pages, and the
// screen's view left as it was.
#include <gtest/gtest.h>

#include "app/program.h"
#include "app/startup.h"
#include "commands/drawing_edit.h"
#include "commands/menu_commands.h"
#include "test_util.h"
#include "view/printing.h"

namespace vt {
namespace {

using test::FakeUi;
using test::TempDir;

class PrintTest : public ::testing::Test {
  protected:
    PrintTest() {
        ui.program = &p;
        MainWindowLoad(p, "");
        p.settings.NCColor = 1234;         // apart from the end point colour
        p.settings.IntersecColor = 65535;  // yellow, as on a dark screen
        AddLine(p, 0, 0, 100, 0, false, false, false);
        AddLine(p, 100, 0, 100, 50, false, false, false);
        double r = 20;
        AddArc(p, 50, 25, 0, 0, r, false, false, false);
        AddRitPoint(p, 10, 10, false, false, false);
        Move(0, 0, 0);
        Move(1, 100, 0);
        Move(7, 100, 50);  // incremental: not printed
        p.view.Skala = 0.5;
        p.view.OffsetX = 12;
        p.view.OffsetY = -7;
    }
    void Move(int16_t typ, double x, double y) {
        ToolPathOp o;
        o.Typ = typ;
        o.X = x;
        o.Y = y;
        p.toolPath.Ops.push_back(o);
        ++p.toolPath.Count;
    }
    const test::RecordingCanvas& Print(PrintOptions o) {
        ui.printAnswers.push_back(o);
        RunMenu(p, "mnuPrint");
        EXPECT_EQ(p.view.Skala, 0.5);  // the screen's view is back
        EXPECT_EQ(p.view.OffsetX, 12);
        EXPECT_EQ(p.view.OffsetY, -7);
        return ui.printJobs.back().front();
    }
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
};

TEST_F(PrintTest, EverythingInColour) {
    const auto& page = Print({});
    const ProgramSettings& s = p.settings;
    EXPECT_EQ(page.InColour(s.DrawColor).size(),
              2u + 1u + 2u);  // two lines, the circle, a point cross
    EXPECT_EQ(page.Of("arc").size(), 1u);
    EXPECT_FALSE(page.InColour(s.EndpointColor).empty());
    // Nothing light enough to vanish on white paper (the screen's yellow marks are darkened).
    for (const auto& d : page.calls) {
        const int lum =
            (d.colour & 255) * 299 + ((d.colour >> 8) & 255) * 587 + ((d.colour >> 16) & 255) * 114;
        EXPECT_LE(lum, 140000) << d.op << " " << d.colour;
    }
    // Lines 0.25 mm and the tool path 0.5 mm wide at 600 dots per inch.
    for (const auto& d : page.InColour(s.DrawColor))
        EXPECT_EQ(d.width, 6);
    for (const auto& d : page.InColour(s.NCColor))
        if (d.op == "line") EXPECT_EQ(d.width, 12);
    // The G1 move in NCColor, its label; nothing in NCIColor.
    EXPECT_FALSE(page.InColour(s.NCColor).empty());
    EXPECT_TRUE(page.InColour(s.NCIColor).empty());
    std::vector<std::string> labels;
    for (const auto& t : page.Of("text"))
        labels.push_back(t.text);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0], "P1|Small Fonts");
    EXPECT_EQ(labels[1], "P2|Small Fonts");
    // The title line under the drawing: no file name yet, the date and the scale.
    EXPECT_EQ(labels[2].rfind("(namnlös)   20", 0), 0u) << labels[2];
    EXPECT_NE(labels[2].find("   Skala "), std::string::npos) << labels[2];
    EXPECT_GT(page.Of("text").back().b, page.Height() * 0.9);
    // The drawing is fitted to the page: everything lies on it.
    for (const auto& d : page.Of("line")) {
        EXPECT_GE(std::min(d.a, d.c), -30);
        EXPECT_LE(std::max(d.a, d.c), page.Width() + 30);
    }
}

TEST_F(PrintTest, BlackAndWhiteKeepsTheToolPathColours) {
    PrintOptions o;
    o.colour = false;
    const auto& page = Print(o);
    const ProgramSettings& s = p.settings;
    EXPECT_TRUE(page.InColour(s.DrawColor).empty());
    EXPECT_TRUE(page.InColour(s.EndpointColor).empty());
    EXPECT_FALSE(page.InColour(0).empty());
    EXPECT_FALSE(page.InColour(s.NCColor).empty());
}

TEST_F(PrintTest, NothingCheckedGivesAnEmptyPage) {
    PrintOptions o;
    o.points = o.lines = o.circles = o.endpoints = o.intersections = o.toolPath = false;
    const auto& page = Print(o);
    ASSERT_EQ(page.calls.size(), 1u);  // the title line only
    EXPECT_EQ(page.calls[0].op, "text");
    ASSERT_EQ(ui.printJobs.size(), 1u);
}

TEST(PrintTitle, FileDateAndScale) {
    FakeUi ui;
    TempDir dir;
    Program p(ui, dir.Path());
    p.drawing.HasFileName = true;
    p.drawing.FileName = "/home/m/plate.vgm";
    p.decimalSeparator = ',';
    const double pixelsPerMm = 600 / 25.4;
    p.view.Skala = 2 / pixelsPerMm;  // two units on one paper millimetre
    EXPECT_EQ(PrintTitle(p, "2026-12-10", pixelsPerMm),
              "/home/m/plate.vgm   2026-12-10   Skala 1:2");
    p.view.Skala = 0.4 / pixelsPerMm;
    EXPECT_EQ(PrintTitle(p, "2026-12-10", pixelsPerMm),
              "/home/m/plate.vgm   2026-12-10   Skala 2,5:1");
}

TEST_F(PrintTest, CancelPrintsNothing) {
    RunMenu(p, "mnuPrint");
    EXPECT_TRUE(ui.printJobs.empty());
    EXPECT_EQ(p.view.Skala, 0.5);
    EXPECT_FALSE(p.uiState.busyCursor);
}

TEST_F(PrintTest, LongNcCodeRunsOverPages) {
    std::string text;
    for (int i = 0; i < 130; ++i)
        text += "N" + std::to_string(i) + " G1 X1.\r\n";
    p.uiState.ncCodeText = text;
    ui.printAnswers.push_back(PrintOptions{});
    PrintNcCode(p);
    const auto pages = ui.PrintedText();
    ASSERT_EQ(pages.size(), 3u);  // 57 lines of 12 points on an A4 page
    EXPECT_EQ(pages[0].front(), "N0 G1 X1.");
    EXPECT_EQ(pages[2].back(), "N129 G1 X1.");
    EXPECT_EQ(pages[0].size() + pages[1].size() + pages[2].size(), 130u);
}

}  // namespace
}  // namespace vt
