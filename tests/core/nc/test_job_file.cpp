// The job file: header, records, mode markers and the number format.
#include <gtest/gtest.h>

#include "base/text_file.h"
#include "nc/job_file.h"

namespace vt {
namespace {

void Add(ToolPath& t, int16_t typ, double x, double y, std::string text = "") {
    ToolPathOp o;
    o.Typ = typ;
    o.X = x;
    o.Y = y;
    o.NCText = std::move(text);
    o.Label = "P" + std::to_string(t.Count + 1);
    t.Ops.push_back(o);
    ++t.Count;
}

std::vector<std::string> Lines(const std::string& text) {
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> out;
    for (auto l : SplitLines(text))
        out.emplace_back(l);
    return out;
}

TEST(JobFile, EmptyPathIsTheHeaderAlone) {
    auto lines = Lines(JobFileText(ToolPath{}, {"/m/iso.vtp", true, false, {}}));
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[0], "1234");
    EXPECT_EQ(lines[1], "/m/iso.vtp");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[6], "True");
    EXPECT_EQ(lines[8], "False");
    for (int i = 9; i < 32; ++i)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(lines[32], "0");
}

TEST(JobFile, ModeMarkersBetweenAbsoluteAndIncrementalMoves) {
    ToolPath t;
    Add(t, 1, 1, 2);
    Add(t, 7, 3, 4);
    Add(t, 7, 5, 6);
    Add(t, 1, 7, 8);
    auto lines = Lines(JobFileText(t, {}));
    ASSERT_EQ(lines.size(), 39u);
    EXPECT_EQ(lines[32], "6");
    const std::string zeros29 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    const std::string zeros17 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
    EXPECT_EQ(lines[33], "-1,-1,0,1,1,2,0,0,0,0,0,0,0,0,0,0," + zeros17 + ",\"\",\"P1\"");
    EXPECT_EQ(lines[34], "-1,-1,0,255," + zeros29 + ",\"(INKREMENT)\",\"\"");
    EXPECT_EQ(lines[35].substr(0, 12), "-1,-1,0,7,3,");
    EXPECT_EQ(lines[36].substr(0, 12), "-1,-1,0,7,5,");
    EXPECT_EQ(lines[37], "-1,-1,0,255," + zeros29 + ",\"(ABSOLUT)\",\"\"");
    EXPECT_EQ(lines[38].substr(0, 12), "-1,-1,0,1,7,");

    ToolPath inc;  // starting incremental: no marker before the first move
    Add(inc, 7, 1, 1);
    EXPECT_EQ(Lines(JobFileText(inc, {})).size(), 34u);
}

TEST(JobFile, CircularAndManualRecords) {
    ToolPath t;
    Add(t, 3, 0.1 + 0.2, -2.5);
    t.Op(1).CX = 1.0 / 3;
    t.Op(1).CY = -7;
    t.Op(1).R = 2.25;
    t.Op(1).AuxX = 1e-11;
    Add(t, 255, 0.3, -2.5, "M3 S1000, \"fast\"");
    auto lines = Lines(JobFileText(t, {}));
    EXPECT_EQ(lines[33],
              "-1,-1,0,3,0.3,-2.5,0,0,0,0,0.3333333333,-7,0,2.25,0,0,"
              "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",\"P1\"");
    // The list format has no escape for a double quote.
    EXPECT_EQ(lines[34].substr(lines[34].size() - 24), ",\"M3 S1000, 'fast'\",\"P2\"");
}

TEST(JobFile, NumbersArePlainDecimals) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {12, "12"},
        {-12.5, "-12.5"},
        {0.1 + 0.2, "0.3"},
        {1e-10, "0.0000000001"},
        {4e-11, "0"},
        {-4e-11, "0"},
        {1234567.123456789012, "1234567.12345679"},  // 15 significant digits
        {1e20, "100000000000000000000"},
    };
    for (auto [v, text] : cases)
        EXPECT_EQ(JobNumber(v), text) << v;
}

}  // namespace
}  // namespace vt
