// DXF export: read back by the program's own reader to the same objects, and by ezdxf (audited,
// entity for entity) in R12 and R2000; the tool path on its own layers; the menu command in
// batch and a failed write.
#include "commands/drawing_files.h"
#include "files/dxf_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "app/program.h"
#include "batch/batch_runner.h"
#include "commands/drawing_edit.h"
#include "files/dxf_reader.h"
#include "geometry/arc_span.h"
#include "nc/toolpath_ops.h"
#include "test_util.h"

namespace vt {
namespace {

using test::FakeUi;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Drawings at several scales: lines, full circles, part arcs (one across angle 0, one with a
// negative radius, which draws it mirrored), points, a deleted object that must not be written.
void Build(Program& p, double s) {
    auto arc = [&](double cx, double cy, double a1, double a2, double r) {
        AddArc(p, cx, cy, a1, a2, r, false, false, false);
    };
    AddLine(p, -1 * s, 0.1 * s, 3.3 * s, 2.7 * s, false, false, false);
    AddLine(p, 1.0 / 3 * s, -2.0 / 7 * s, 0, 0, false, false, false);
    arc(0.5 * s, 0.25 * s, 0, 0, 1.5 * s);
    arc(-2 * s, 1 * s, 5.5, 0.7, 0.75 * s);  // across 0
    arc(4 * s, -3 * s, 0.3, 2.9, 1.25 * s);
    p.drawing.Obj(5).R = -p.drawing.Obj(5).R;
    AddRitPoint(p, 0.125 * s, -7.5 * s, false, false, false);
    AddLine(p, 9 * s, 9 * s, 10 * s, 10 * s, false, false, false);
    p.drawing.Obj(7).Deleted = true;
}

// The geometry of an object: the end points it is drawn between (both ends for lines and arcs,
// the centre and radius for circles, the position for points).
std::vector<double> Shape(const RitObjekt& o) {
    if (o.Typ == kLine) return {o.X1, o.Y1, o.X2, o.Y2};
    if (o.Typ == kRitPoint) return {o.X1, o.Y1};
    const double r = std::fabs(o.R);
    if (!IsPartArc(o)) return {o.CX, o.CY, r};
    const SnapPoint a = PointAtAngle(o, o.StartAngle), b = PointAtAngle(o, o.EndAngle);
    return {o.CX, o.CY, r, a.X, a.Y, b.X, b.Y};
}

void ExpectSame(const std::vector<double>& a, const std::vector<double>& b, double scale,
                const std::string& what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(a[i], b[i], 1e-12 * scale) << what << " value " << i;
}

TEST(DxfWriter, ReadBackTheSameObjectsAtEveryScale) {
    for (DxfVersion v : {DxfVersion::R12, DxfVersion::R2000})
        for (double s : {1e-4, 1.0, 1e5}) {
            TempDir dir;
            FakeUi ui;
            Program p{ui, dir.Path()};
            Build(p, s);
            WriteFile(dir.File("out.dxf"), DxfText(p.drawing, p.toolPath, v));
            Program q{ui, dir.Path()};
            ASSERT_TRUE(LoadDXF(q, dir.File("out.dxf")));
            std::vector<int> kept;
            for (int i = 1; i <= p.drawing.ObjectCount; ++i)
                if (!p.drawing.Obj(i).Deleted) kept.push_back(i);
            ASSERT_EQ(q.drawing.ObjectCount, static_cast<int>(kept.size()));
            for (std::size_t k = 0; k < kept.size(); ++k) {
                const RitObjekt &a = p.drawing.Obj(kept[k]), &b = q.drawing.Obj(int(k) + 1);
                EXPECT_EQ(a.Typ, b.Typ);
                ExpectSame(Shape(a), Shape(b), s * 10,
                           "scale " + std::to_string(s) + " object " + std::to_string(kept[k]));
            }
        }
}

struct Row {
    std::string kind, layer;
    std::vector<double> v;
};

// The file as ezdxf reads it, after its audit.
std::vector<Row> Ezdxf(const std::string& file, std::string& head) {
    TempDir out;
    const std::string cmd = "/usr/bin/python3 '" + std::string(VT_TEST_DATA) +
                            "/dxf/dump_with_ezdxf.py' '" + file + "' > '" + out.File("o.txt") +
                            "' 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << ReadFile(out.File("o.txt"));
    std::istringstream in(ReadFile(out.File("o.txt")));
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        std::istringstream w(line);
        Row r;
        w >> r.kind;
        if (r.kind == "VERSION" || r.kind == "INSUNITS" || r.kind == "ERRORS" ||
            r.kind == "ERROR") {
            head += line + "\n";
            continue;
        }
        w >> r.layer;
        for (double x; w >> x;)
            r.v.push_back(x);
        rows.push_back(r);
    }
    return rows;
}

TEST(DxfWriter, EzdxfReadsEveryEntityAndTheToolPathOnItsLayers) {
    TempDir dir;
    FakeUi ui;
    Program p{ui, dir.Path()};
    Build(p, 1);
    // A rapid, a cut, an arc each way, a full circle, an NC point and a manual line.
    AddVV(p, kG0, 10, 0, 0, 0, 0, 0, false);
    AddVV(p, kG1, 20, 0, 0, 0, 0, 0, false);
    AddVV(p, kG3, 30, 10, 0, 20, 10, 10, false);
    AddVV(p, kG2, 40, 20, 0, 40, 10, 10, false);
    AddVV(p, kG3, 40, 20, 0, 40, 15, 5, true);
    AddVV(p, kNcPoint, 50, 5, 0, 0, 0, 0, false);
    AddVV(p, kManualLine, 50, 5, 0, 0, 0, 0, false);
    const double d = 180 / M_PI;
    const std::vector<Row> want = {
        {"LINE", "0", {-1, 0.1, 3.3, 2.7}},
        {"LINE", "0", {1.0 / 3, -2.0 / 7, 0, 0}},
        {"CIRCLE", "0", {0.5, 0.25, 1.5}},
        {"ARC", "0", {-2, 1, 0.75, 5.5 * d, 0.7 * d}},
        {"ARC", "0", {4, -3, 1.25, 0.3 * d + 180, 2.9 * d + 180 - 360}},
        {"POINT", "0", {0.125, -7.5}},
        {"LINE", kDxfRapidLayer, {0, 0, 10, 0}},
        {"LINE", kDxfToolPathLayer, {10, 0, 20, 0}},
        {"ARC", kDxfToolPathLayer, {20, 10, 10, 270, 0}},   // G3 from (20, 0) to (30, 10)
        {"ARC", kDxfToolPathLayer, {40, 10, 10, 90, 180}},  // G2 from (30, 10) to (40, 20)
        {"CIRCLE", kDxfToolPathLayer, {40, 15, 5}},         // a full turn
        {"POINT", kDxfToolPathLayer, {50, 5}},
    };
    for (DxfVersion v : {DxfVersion::R12, DxfVersion::R2000}) {
        const std::string file = dir.File(v == DxfVersion::R12 ? "r12.dxf" : "r2000.dxf");
        ASSERT_TRUE(ExportDxf(p, file, v));
        std::string head;
        const std::vector<Row> rows = Ezdxf(file, head);
        EXPECT_EQ(head, v == DxfVersion::R12 ? "VERSION AC1009\nINSUNITS none\nERRORS 0\n"
                                             : "VERSION AC1015\nINSUNITS 4\nERRORS 0\n");
        ASSERT_EQ(rows.size(), want.size()) << head;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].kind, want[i].kind) << i;
            EXPECT_EQ(rows[i].layer, want[i].layer) << i;
            std::vector<double> got = rows[i].v;
            ASSERT_EQ(got.size(), want[i].v.size()) << i;
            for (std::size_t k = 0; k < got.size(); ++k) {
                double g = got[k], w = want[i].v[k];
                if (rows[i].kind == "ARC" && k >= 3)  // angles: the same direction
                    g = std::remainder(g - w, 360.0) + w;
                EXPECT_NEAR(g, w, 1e-12 * std::max(1.0, std::fabs(w))) << i << " " << k;
            }
        }
    }
}

TEST(DxfWriter, TheMenuCommandInBatchAndAFailedWrite) {
    TempDir dir;
    const std::string script =
        "mnuCirkeloor\nValuesButton\nvalue 1 2 3\nkey Esc\n"
        "mnuExportDxf\nfile \"" +
        dir.File("a.dxf") +
        "\"\n"
        "mnuExportDxf\nfile \"" +
        dir.File("b.dxf") +
        "\" 2\n"
        "mnuExportDxf\nfile \"" +
        dir.File("none/c.dxf") +
        "\"\nanswer ok\n"
        "echo after\n";
    WriteFile(dir.File("s.vts"), script);
    std::ostringstream out, err;
    EXPECT_EQ(RunBatch(dir.File("s.vts"), dir.Path(), out, err), 0) << err.str();
    EXPECT_NE(ReadFile(dir.File("a.dxf")).find("AC1009"), std::string::npos);
    EXPECT_NE(ReadFile(dir.File("b.dxf")).find("AC1015"), std::string::npos);
    EXPECT_NE(ReadFile(dir.File("a.dxf")).find("CIRCLE"), std::string::npos);
    // The folder does not exist: the failure is shown, nothing else happens.
    EXPECT_NE(out.str().find("MSG "), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("after"), std::string::npos) << out.str();
    EXPECT_FALSE(std::filesystem::exists(dir.File("none/c.dxf")));
}

}  // namespace
}  // namespace vt
