// Icons drawn from figure scripts on a 24 x 24 grid:
//   c x y r      circle (given element)      C x y r      circle (result, red)
//   l x1 y1 x2 y2 line (given element)       L ...        line (result, red)
//   d x1 y1 x2 y2 dashed line                a x y r a1 a2  arc (degrees, result)
//   p x y        point cross                 r x1 y1 x2 y2 rectangle (given)
//   R ...        dashed rectangle            x            red delete cross (lower right)
//   m x y s      magnifier with sign s (+, -, o, #)   t x y text   label text
//   u            undo arrow                  f / o / s    new file / open folder / save disk
//   h            pan arrows                  i            information mark
#include "icons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>

namespace vt::gui {

namespace {

const QColor kElement(31, 58, 147);
const QColor kResult(208, 32, 32);
const QColor kPoint(200, 0, 0);
const QColor kGrey(110, 110, 110);

const QHash<QString, QString>& Scripts() {
    static const QHash<QString, QString> s = {
        // Points
        {"mnuPointP", "p 8 14; t 11 8 xy"},
        {"mnuPunktppcvv", "c 12 12 9; d 12 12 20 5; p 19 6"},
        {"mnuPunktpplma", "l 2 20 22 4; p 6 17; p 17 8"},
        {"mnuPunktvaa", "d 3 21 21 3; p 6 18; p 12 12; p 18 6"},
        {"mnuPunktsia", "c 12 12 9; p 21 12; p 12 3; p 3 12; p 12 21"},
        {"mnuPunktmm", "p 8 8; l 13 13 21 21; l 13 13 13 19; l 13 13 19 13"},
        // Lines
        {"mnuLinegpmvol", "p 4 19; L 4 19 21 5; a 4 19 9 0 40; l 4 19 20 19"},
        {"mnuLinjelm2a", "L 4 19 20 5; p 4 19; p 20 5"},
        {"mnuLinjettcvv", "c 10 13 7; L 2 6 22 6"},
        {"mnuTangenttcgp", "c 14 14 7; p 3 3; L 3 3 21 10"},
        {"mnuLinjet2c", "c 7 14 5; c 18 14 4; L 2 9 22 10"},
        {"mnuLinjepmaoa", "l 2 18 18 4; L 7 22 22 9; d 9 12 13 16"},
        {"mnuLinjeR2pt", "L 4 6 4 19; L 4 6 20 6; L 4 19 20 19; L 20 6 20 19; p 4 19; p 20 6"},
        {"mnuLinjeBHA", "l 3 20 20 20; l 20 20 20 5; L 3 20 20 5"},
        // Circles
        {"mnuCirkeloor", "C 12 12 9; p 12 12; d 12 12 21 12"},
        {"mnuCirkecoppc", "C 12 12 9; p 12 12; p 18 5"},
        {"mnuCirkelg2pur", "C 12 12 9; p 3 12; p 21 12"},
        {"mnuCirkelg2pmr", "C 12 10 8; p 5 14; p 19 14; d 12 10 19 14"},
        {"mnuCirkelg3p", "C 12 12 9; p 3 12; p 17 5; p 14 21"},
        {"mnuCirkelt2l", "l 2 22 12 2; l 12 2 22 22; C 12 15 5"},
        {"mnuCirkelttloc", "l 2 21 22 21; c 17 9 6; C 6 15 6"},
        {"mnuCirkelt2c", "c 6 8 5; c 18 8 5; C 12 17 5"},
        {"mnuArcttlogp", "l 2 21 22 21; p 8 6; C 12 13 8"},
        {"mnuArcttcogp", "c 7 12 6; p 21 6; C 17 14 6"},
        // Delete
        {"mnuRaderaP", "p 9 9; x"},
        {"mnuRaderaL", "l 2 16 18 2; x"},
        {"mnuRaderaC", "c 10 10 7; x"},
        {"mnuRaderaWin", "R 2 2 17 15; l 5 11 14 5; x"},
        {"mnuUndo", "u"},
        // Zoom
        {"mnuPanorera", "h"},
        {"mnuZoomin", "m 10 10 +"},
        {"mnuZoomut", "m 10 10 -"},
        {"mnuZoomScreen", "m 10 10 o"},
        {"mnuZoomFonster", "R 1 1 13 11; m 12 12 #"},
        // NC
        {"mnuNCG0", "d 2 20 20 4; l 20 4 14 5; l 20 4 18 10; t 2 2 G0"},
        {"mnuNCg1", "L 2 20 20 4; L 20 4 14 5; L 20 4 18 10; t 2 2 G1"},
        {"mnuNCG2", "a 12 14 8 0 180; p 20 14; t 8 15 G2"},
        {"mnuNCKonturL", "L 2 18 8 8; L 8 8 16 8; a 16 14 6 -90 90; t 2 22 L"},
        {"mnuNCVisaNC", "r 4 2 20 22; t 6 5 NC; l 7 15 17 15; l 7 18 15 18"},
        {"mnuNCGPunkt", "p 12 14; t 3 2 NC"},
        {"mnuNCmanuell", "r 2 7 22 18; t 5 9 G01"},
        {"mnuNCundolast", "u; t 11 12 G"},
        // Information
        {"mnuNCDistance", "p 4 18; p 20 6; d 4 18 20 6; t 14 15 a"},
        {"mnuPunktInfo", "p 8 14; i"},
        {"mnuLinjeInfo", "l 2 20 16 4; i"},
        {"mnuCirkelInfo", "c 9 13 7; i"},
        // File
        {"mnuNy", "f"},
        {"mnuOppna", "o"},
        {"mnuSpara", "s"},
        // NC code window
        {"cmdClipboard", "r 5 4 19 22; r 9 2 15 6; l 8 11 16 11; l 8 15 16 15; l 8 19 13 19"},
        {"cmdSaveNC", "s"},
        {"cmdPrintNC", "r 3 10 21 18; r 7 3 17 10; r 7 15 17 22; l 9 18 15 18"},
    };
    return s;
}

void Paint(QPainter& g, const QString& script) {
    g.setRenderHint(QPainter::Antialiasing);
    for (const QString& cmd : script.split(';', Qt::SkipEmptyParts)) {
        QStringList a = cmd.trimmed().split(' ', Qt::SkipEmptyParts);
        if (a.isEmpty()) continue;
        auto n = [&](int i) { return a.value(i).toDouble(); };
        const QString op = a[0];
        if (op == "c" || op == "C") {
            g.setPen(QPen(op == "c" ? kElement : kResult, 1.6));
            g.setBrush(Qt::NoBrush);
            g.drawEllipse(QPointF(n(1), n(2)), n(3), n(3));
        } else if (op == "l" || op == "L" || op == "d") {
            QPen pen(op == "L" ? kResult : op == "d" ? kGrey : kElement, 1.6);
            if (op == "d") pen.setStyle(Qt::DashLine);
            g.setPen(pen);
            g.drawLine(QPointF(n(1), n(2)), QPointF(n(3), n(4)));
        } else if (op == "a") {
            g.setPen(QPen(kResult, 1.6));
            g.setBrush(Qt::NoBrush);
            double r = n(3);
            g.drawArc(QRectF(n(1) - r, n(2) - r, 2 * r, 2 * r), int(n(4) * 16),
                      int((n(5) - n(4)) * 16));
        } else if (op == "p") {
            g.setPen(QPen(kPoint, 1.8));
            g.drawLine(QPointF(n(1) - 3, n(2)), QPointF(n(1) + 3, n(2)));
            g.drawLine(QPointF(n(1), n(2) - 3), QPointF(n(1), n(2) + 3));
        } else if (op == "r" || op == "R") {
            QPen pen(op == "r" ? kElement : kGrey, 1.4);
            if (op == "R") pen.setStyle(Qt::DashLine);
            g.setPen(pen);
            g.setBrush(op == "r" ? QBrush(Qt::white) : Qt::NoBrush);
            g.drawRect(QRectF(QPointF(n(1), n(2)), QPointF(n(3), n(4))));
        } else if (op == "x") {
            g.setPen(QPen(QColor(220, 0, 0), 2.6));
            g.drawLine(QPointF(14, 14), QPointF(22, 22));
            g.drawLine(QPointF(22, 14), QPointF(14, 22));
        } else if (op == "m") {
            double x = n(1), y = n(2);
            g.setPen(QPen(kElement, 2));
            g.setBrush(QColor(220, 235, 255));
            g.drawEllipse(QPointF(x, y), 7, 7);
            g.drawLine(QPointF(x + 5, y + 5), QPointF(x + 11, y + 11));
            g.setPen(QPen(kResult, 1.8));
            const QString s = a.value(3);
            if (s == "+" || s == "-") g.drawLine(QPointF(x - 4, y), QPointF(x + 4, y));
            if (s == "+") g.drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
            if (s == "o") {
                g.setBrush(Qt::NoBrush);
                g.drawRect(QRectF(x - 3.5, y - 3.5, 7, 7));
            }
        } else if (op == "t") {
            QFont f("DejaVu Sans");
            f.setPixelSize(9);
            f.setBold(true);
            g.setFont(f);
            g.setPen(kElement);
            g.drawText(QPointF(n(1), n(2) + 8), a.mid(3).join(' '));
        } else if (op == "u") {
            g.setPen(QPen(kElement, 2.2));
            g.setBrush(Qt::NoBrush);
            g.drawArc(QRectF(5, 6, 14, 13), 90 * 16, 270 * 16);
            g.setBrush(kElement);
            QPolygonF head({QPointF(12, 2), QPointF(12, 11), QPointF(6, 6.5)});
            g.drawPolygon(head);
        } else if (op == "h") {
            g.setPen(QPen(kElement, 2));
            g.drawLine(QPointF(12, 2), QPointF(12, 22));
            g.drawLine(QPointF(2, 12), QPointF(22, 12));
            for (QPointF tip : {QPointF(12, 2), QPointF(12, 22), QPointF(2, 12), QPointF(22, 12)}) {
                QPointF d = (QPointF(12, 12) - tip) / 10.0 * 4;
                QPointF side(d.y(), -d.x());
                g.drawLine(tip, tip + d + side);
                g.drawLine(tip, tip + d - side);
            }
        } else if (op == "i") {
            g.setPen(Qt::NoPen);
            g.setBrush(QColor(30, 110, 200));
            g.drawEllipse(QPointF(18, 18), 5.5, 5.5);
            g.setPen(QPen(Qt::white, 1.8));
            g.drawLine(QPointF(18, 17), QPointF(18, 21.5));
            g.drawPoint(QPointF(18, 14.5));
        } else if (op == "f" || op == "s" || op == "o") {
            g.setPen(QPen(kElement, 1.4));
            if (op == "f") {
                g.setBrush(Qt::white);
                g.drawPolygon(QPolygonF({QPointF(5, 2), QPointF(15, 2), QPointF(19, 6),
                                         QPointF(19, 22), QPointF(5, 22)}));
                g.drawLine(QPointF(15, 2), QPointF(15, 6));
                g.drawLine(QPointF(15, 6), QPointF(19, 6));
            } else if (op == "o") {
                g.setBrush(QColor(240, 200, 90));
                g.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(9, 6), QPointF(11, 8),
                                         QPointF(21, 8), QPointF(21, 20), QPointF(2, 20)}));
            } else {
                g.setBrush(QColor(70, 100, 180));
                g.drawRect(QRectF(3, 3, 18, 18));
                g.setBrush(Qt::white);
                g.drawRect(QRectF(7, 3, 10, 7));
                g.drawRect(QRectF(6, 14, 12, 7));
            }
        }
    }
}

}  // namespace

QIcon CommandIcon(const QString& handler) {
    auto it = Scripts().find(handler);
    if (it == Scripts().end()) return {};
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter g(&pm);
        g.scale(size / 24.0, size / 24.0);
        Paint(g, it.value());
        icon.addPixmap(pm);
    }
    return icon;
}

QCursor SurfaceCursorFor(SurfaceCursor shape) {
    switch (shape) {
        case SurfaceCursor::Cross:
            return Qt::CrossCursor;
        case SurfaceCursor::Hourglass:
            return Qt::WaitCursor;
        case SurfaceCursor::SizeAll:
            return Qt::SizeAllCursor;
        case SurfaceCursor::Default:
            return Qt::ArrowCursor;
        default:
            break;
    }
    // The pick cursors: a cross hair with a small sign of what is picked.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    for (int pass = 0; pass < 2; ++pass) {
        g.setPen(QPen(pass == 0 ? Qt::white : Qt::black, pass == 0 ? 3 : 1));
        g.drawLine(0, 10, 7, 10);
        g.drawLine(13, 10, 20, 10);
        g.drawLine(10, 0, 10, 7);
        g.drawLine(10, 13, 10, 20);
        g.setBrush(Qt::NoBrush);
        if (shape == SurfaceCursor::PickPoint || shape == SurfaceCursor::PickAll)
            g.drawRect(QRectF(19, 19, 8, 8));
        if (shape == SurfaceCursor::PickCircle || shape == SurfaceCursor::PickAll)
            g.drawEllipse(QPointF(24, 24), 6, 6);
        if (shape == SurfaceCursor::PickLine || shape == SurfaceCursor::PickAll)
            g.drawLine(17, 30, 30, 17);
    }
    return QCursor(pm, 10, 10);
}

QPixmap LogoPicture(int height) {
    QPixmap pm(height * 2, height);
    pm.fill(Qt::transparent);
    QPainter g(&pm);
    g.setRenderHint(QPainter::Antialiasing);
    double h = height;
    g.setPen(QPen(kElement, 1.5));
    g.drawEllipse(QPointF(h * 0.55, h * 0.5), h * 0.36, h * 0.36);
    g.drawEllipse(QPointF(h * 1.45, h * 0.62), h * 0.22, h * 0.22);
    g.setPen(QPen(kResult, 1.5));
    g.drawLine(QPointF(h * 0.45, h * 0.15), QPointF(h * 1.4, h * 0.4));
    g.drawLine(QPointF(h * 0.47, h * 0.85), QPointF(h * 1.42, h * 0.84));
    return pm;
}

}  // namespace vt::gui
