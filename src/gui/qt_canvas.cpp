// QPainter drawing of the core's primitives.
#include "qt_canvas.h"

#include <QFontDatabase>
#include <cmath>

#include "qt_util.h"

namespace vt::gui {

QtCanvas::QtCanvas(QPainter& painter, int w, int h, double printerPixelsPerTwip,
                   int printerLineWidth)
    : painter_(painter),
      w_(w),
      h_(h),
      pixelsPerTwip_(printerPixelsPerTwip),
      printerLineWidth_(printerLineWidth) {
    width_ = IsPrinter() ? printerLineWidth_ : 1;
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    ApplyPen();
}

QtCanvas::~QtCanvas() {
    Flush();
}

void QtCanvas::Flush() {
    if (pending_.empty()) return;
    painter_.drawLines(pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

void QtCanvas::Clear(Colour background) {
    Flush();
    painter_.fillRect(QRect(0, 0, w_, h_), ToQColor(background));
}

void QtCanvas::SetPen(Colour colour, int width, PenStyle style) {
    const QColor c = ToQColor(colour);
    const int w = width > 0 ? width : width_;
    if (c == colour_ && w == width_ && style == style_) return;
    Flush();
    colour_ = c;
    width_ = w;
    style_ = style;
    ApplyPen();
}

void QtCanvas::ApplyPen() {
    QPen pen(colour_, width_);
    switch (style_) {
        case PenStyle::Solid:
            pen.setStyle(Qt::SolidLine);
            break;
        case PenStyle::Dash:
            pen.setStyle(Qt::DashLine);
            break;
        case PenStyle::Dot:
            pen.setStyle(Qt::DotLine);
            break;
        case PenStyle::DashDot:
            pen.setStyle(Qt::DashDotLine);
            break;
        case PenStyle::DashDotDot:
            pen.setStyle(Qt::DashDotDotLine);
            break;
    }
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
}

void QtCanvas::SetXor(bool on) {
    Flush();
    xor_ = on;
    painter_.setCompositionMode(on ? QPainter::RasterOp_NotSourceXorDestination
                                   : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::Line(double x1, double y1, double x2, double y2) {
    if (!IsPrinter() && width_ == 1) {
        // Like the platform's line: the last pixel is left out (exact for the axis-parallel
        // strokes).
        QPoint a(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)));
        QPoint b(static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)));
        if (a.y() == b.y() && a.x() != b.x())
            b.rx() += a.x() < b.x() ? -1 : 1;
        else if (a.x() == b.x() && a.y() != b.y())
            b.ry() += a.y() < b.y() ? -1 : 1;
        // Only axis-parallel strokes: the painter ends a slanted line of a batch one pixel
        // differently from a slanted line on its own.
        if (batching_ && !xor_ && style_ == PenStyle::Solid && (a.x() == b.x() || a.y() == b.y())) {
            pending_.emplace_back(a, b);
            if (pending_.size() >= 8192) Flush();
            return;
        }
        Flush();
        painter_.drawLine(a, b);
        return;
    }
    Flush();
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtCanvas::Ellipse(double l, double t, double r, double b) {
    Flush();
    painter_.drawEllipse(QRectF(l, t, r - l, b - t));
}

void QtCanvas::Arc(double cx, double cy, double r, double start, double end) {
    Flush();
    QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    if (start == end) {
        painter_.drawEllipse(box);
        return;
    }
    double span = end - start;
    if (span < 0) span += 2 * M_PI;
    // Qt counts in sixteenths of a degree, counter-clockwise like the drawing.
    painter_.drawArc(box, static_cast<int>(std::lround(start * 180 / M_PI * 16)),
                     static_cast<int>(std::lround(span * 180 / M_PI * 16)));
}

void QtCanvas::Rect(double x1, double y1, double x2, double y2) {
    Flush();
    painter_.drawRect(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                             QPointF(std::max(x1, x2), std::max(y1, y2))));
}

namespace {

// The fonts the drawing names, with stand-ins where this system has none of that name.
QFont FontFor(const TextFont& font) {
    QFont f(Q(font.family));
    if (font.family == "Small Fonts") f.setFamily("DejaVu Sans");
    if (font.family == "Courier New") f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(std::max(1.0, font.points));
    return f;
}

}  // namespace

double QtCanvas::LineHeight(const TextFont& font) const {
    return QFontMetricsF(FontFor(font), painter_.device()).lineSpacing();
}

void QtCanvas::Text(double x, double y, const std::string& text, const TextFont& font) {
    Flush();
    QFont f = FontFor(font);
    painter_.setFont(f);
    QFontMetricsF fm(f, painter_.device());
    painter_.drawText(QPointF(x, y + fm.ascent()), Q(text));
}

}  // namespace vt::gui
