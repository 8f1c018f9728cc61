// The native format on its own: a document to text and back, with nothing of the program.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "base/vt_error.h"
#include "files/native_file.h"
#include "model/drawing_ops.h"

namespace vt {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    for (std::string_view l : SplitLines(text))
        out.emplace_back(l);
    return out;
}

Document Sample() {
    Document d;
    AddLine(d.drawing, 0, 0, 100.25, -3e-7, false, false);
    double r = 12.5;
    AddArc(d.drawing, 10, 20, 0.5, 2.75, r, false, false);  // a part arc keeps its span
    AddRitPoint(d.drawing, -1e6, 0.375, false, false);
    ToolPathOp m;
    m.Typ = kG1;
    m.X = 5;
    m.Y = 6;
    m.Comp = kCompLeft;
    m.Group = 2;
    m.Label = "kontur, ett";  // quotes cannot be kept: the format writes them as apostrophes
    d.toolPath.Ops.push_back(m);
    d.toolPath.Count = 1;
    d.job["Tool"] = "3";
    return d;
}

TEST(NativeFormat, ADocumentReadsBackAsItWasWritten) {
    const Document d = Sample();
    Document back;
    const NativeRead r = ReadNative(Lines(NativeText(d)), back);
    EXPECT_TRUE(r.known);
    EXPECT_TRUE(r.skippedMoves.empty());
    ASSERT_EQ(back.drawing.ObjectCount, d.drawing.ObjectCount);
    for (int i = 1; i <= d.drawing.ObjectCount; ++i)
        EXPECT_EQ(back.drawing.Obj(i), d.drawing.Obj(i)) << "object " << i;
    ASSERT_EQ(back.toolPath.Count, 1);
    EXPECT_EQ(back.toolPath.Op(1), d.toolPath.Op(1));
    EXPECT_EQ(back.job, d.job);
    EXPECT_EQ(NativeText(back), NativeText(d));
}

TEST(NativeFormat, WhatCannotBeReadIsSaid) {
    Document doc;
    EXPECT_FALSE(ReadNative({"\"Something else\",1", "", "", "", "", "", "0", "0"}, doc).known);
    EXPECT_EQ(doc.drawing.ObjectCount, 0);

    // A malformed move is left out with its line number; the rest is read.
    std::vector<std::string> lines = Lines(NativeText(Sample()));
    lines.back() = "1,x";
    Document moves;
    const NativeRead r = ReadNative(lines, moves);
    EXPECT_EQ(moves.drawing.ObjectCount, 3);
    EXPECT_EQ(moves.toolPath.Count, 0);
    EXPECT_EQ(r.skippedMoves, std::vector<std::size_t>{lines.size()});

    // A malformed object stops the read with the error; what came before it stays.
    lines = Lines(NativeText(Sample()));
    lines[8] = "2,oops";
    Document objects;
    EXPECT_THROW(ReadNative(lines, objects), VtError);
    EXPECT_EQ(objects.drawing.ObjectCount, 1);

    // The first number that could not be written back, object or move.
    Document bad = Sample();
    EXPECT_EQ(FirstNonFinite(bad), 0);
    bad.toolPath.Op(1).X = 1.0 / 0.0;
    EXPECT_EQ(FirstNonFinite(bad), -1);
    bad.drawing.Obj(2).CX = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FirstNonFinite(bad), 2);
}

}  // namespace
}  // namespace vt
