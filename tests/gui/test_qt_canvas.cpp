// The window's canvas gathers one-pixel lines and draws them together: the image must be the one
// drawing them one by one gives, pixel for pixel, whatever the paint mixes in between.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <set>

#include "app/program.h"
#include "commands/drawing_edit.h"
#include "model/toolpath.h"
#include "qt_canvas.h"
#include "test_util.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt::gui {
namespace {

QImage Paint(Program& p, bool batching) {
    QImage image(640, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter, image.width(), image.height());
    canvas.SetBatching(batching);
    RitYta_Paint(p, canvas);
    // The overlay's kind of drawing after the paint: xor lines, a box, dashes.
    canvas.SetXor(true);
    canvas.Line(0, 0, 639, 399);
    canvas.SetXor(false);
    canvas.SetPen(p.settings.SelectedColor, 1, PenStyle::Dash);
    canvas.Line(0, 399, 639, 0);
    canvas.Rect(10, 10, 50, 50);
    return image;
}

TEST(QtCanvas, GatheredLinesGiveTheSameImage) {
    test::TempDir dir;
    test::FakeUi ui;
    Program p(ui, dir.Path());
    // Lines, circles, a part arc, drawing points; some selected (dotted extensions) and some
    // temporary; every snap kind; a tool path with wide and dashed moves and labels.
    for (int k = 0; k < 12; ++k) {
        AddLine(p, k * 7, 0, k * 5 + 20, 60, false, false, false);
        double r = 4 + k;
        AddArc(p, k * 9, 30, 0, 0, r, false, false, false);
        AddRitPoint(p, k * 3, 70, false, false, false);
    }
    double r = 20;
    AddArc(p, 50, 50, 0.5, 2.5, r, false, false, false);
    p.drawing.Obj(2).Selected = true;
    p.drawing.Obj(5).Highlight = true;
    p.drawing.Obj(7).Temp = true;
    ProgramSettings& s = p.settings;
    s.LL = s.LC = s.CC = s.EP = s.CP = s.MP = s.QP = true;
    s.POD = false;
    UpdatePoints(p);
    for (int k = 0; k < 6; ++k) {
        ToolPathOp o;
        o.Typ = static_cast<int16_t>(k % 3 == 0 ? kG0 : k % 3 == 1 ? kG1 : kG3);
        o.X = k * 10;
        o.Y = 40;
        o.CX = k * 10 - 5;
        o.CY = 40;
        o.R = 5;
        o.Label = "P" + std::to_string(k + 1);
        p.toolPath.Ops.push_back(o);
        ++p.toolPath.Count;
    }
    p.view.W = 640;
    p.view.H = 400;
    ZoomScreen(p, false);
    for (int16_t mode : {3, 1, 0}) {
        p.settings.ArcMode = mode;
        const QImage one = Paint(p, false), gathered = Paint(p, true);
        EXPECT_TRUE(one == gathered) << "ArcMode " << mode;
        // The scene really draws in several colours.
        std::set<QRgb> colours;
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x)
                colours.insert(one.pixel(x, y));
        EXPECT_GE(colours.size(), 5u);
    }
}

TEST(QtCanvas, CoincidingSnapPointsDrawnOnceGiveTheSameImage) {
    test::TempDir dir;
    test::FakeUi ui;
    Program p(ui, dir.Path());
    // Points at the same place in different colours (end points, intersections both ways,
    // centres and quadrants meeting), and far-off points that are not drawn.
    for (int k = 0; k < 8; ++k) {
        AddLine(p, k * 10, 0, k * 10 + 10, 0, false, false, false);
        AddLine(p, k * 10 + 10, 0, k * 10, 10, false, false, false);
        double r = 5;
        AddArc(p, k * 10 + 5, 0, 0, 0, r, false, false, false);
    }
    ProgramSettings& s = p.settings;
    s.LL = s.LC = s.CC = s.EP = s.CP = s.MP = s.QP = true;
    s.POD = false;
    UpdatePoints(p);
    AddPoint(p, 1e300, 0, 255, 1, 1);
    AddPoint(p, 10, 0, 0x00FF00, 1, 1);
    AddPoint(p, 1e300, 0, 0xFF0000, 1, 1);
    p.view.W = 640;
    p.view.H = 400;
    ZoomScreen(p, false);
    auto image = [&](bool oneByOne) {
        QImage out(640, 400, QImage::Format_RGB32);
        QPainter painter(&out);
        QtCanvas canvas(painter, out.width(), out.height());
        const int count = p.snaps.PointCount;
        if (oneByOne) p.snaps.PointCount = 0;
        RitYta_Paint(p, canvas);
        p.snaps.PointCount = count;
        if (oneByOne)
            for (int i = 1; i <= count; ++i)
                DrawPoint(p, canvas, p.snaps.Pt(i).X, p.snaps.Pt(i).Y, p.snaps.Pt(i).Color);
        return out;
    };
    p.toolPath.Count = 0;
    EXPECT_TRUE(image(false) == image(true));
    // So far out that points inside and beyond the coordinate limit land on the same pixel: the
    // one beyond is not drawn and must not hide the other.
    p.view.Skala = 1e25;
    p.view.OffsetX = p.view.OffsetY = 0;
    AddPoint(p, 9.9e7, 0, 0xFF00FF, 1, 1);
    AddPoint(p, 1.1e8, 0, 0x00FFFF, 1, 1);
    const QImage shown = image(false);
    EXPECT_TRUE(shown == image(true));
    EXPECT_EQ(QColor(shown.pixel(320 + 3, 200)).rgb() & 0xFFFFFF, 0xFF00FFu);
}

}  // namespace
}  // namespace vt::gui
