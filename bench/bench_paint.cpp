// The full paint of a 1920 x 1080 surface with every object and snap point in view; baseline: a
// bare QPainter loop drawing the same lines, circles and snap-point crosses into the same image.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "bench_support.h"
#include "commands/drawing_edit.h"
#include "qt_canvas.h"
#include "view/renderer.h"
#include "view/view.h"

using namespace vt;
using namespace vt::bench;

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    Session session;
    Program& p = *session.p;
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (int n : kSizes) {
        auto prepare = [&p, n] { PartOnFullHdSurface(p, n); };
        Pair(
            "Paint 1920x1080", n,
            [&p, &image, prepare](benchmark::State& st) {
                prepare();
                for (auto _ : st) {
                    QPainter painter(&image);
                    gui::QtCanvas canvas(painter, image.width(), image.height());
                    RitYta_Paint(p, canvas);
                }
                st.counters["points"] = p.snaps.PointCount;
            },
            [&p, &image, prepare](benchmark::State& st) {
                prepare();
                const ViewState& v = p.view;
                const double w = image.width(), h = image.height();
                auto col = [&](double x) { return x / v.Skala + v.OffsetX + w / 2; };
                auto row = [&](double y) { return h / 2 - (y / v.Skala + v.OffsetY); };
                for (auto _ : st) {
                    QPainter painter(&image);
                    painter.fillRect(image.rect(), Qt::white);
                    painter.setPen(QPen(Qt::black, 1));
                    const Drawing& d = p.drawing;
                    for (int i = 1; i <= d.ObjectCount; ++i) {
                        const RitObjekt& o = d.Obj(i);
                        if (o.Typ == kLine) {
                            painter.drawLine(QLineF(col(o.X1), row(o.Y1), col(o.X2), row(o.Y2)));
                        } else if (o.Typ == kCircle) {
                            const double r = o.R / v.Skala;
                            painter.drawEllipse(QRectF(col(o.CX) - r, row(o.CY) - r, 2 * r, 2 * r));
                        }
                    }
                    for (int i = 1; i <= p.snaps.PointCount; ++i) {
                        const double c = col(p.snaps.Pt(i).X), r = row(p.snaps.Pt(i).Y);
                        painter.drawLine(QLineF(c - 6, r, c + 7, r));
                        painter.drawLine(QLineF(c, r - 6, c, r + 7));
                    }
                }
            });
    }
    return RunAndReport(argc, argv);
}
