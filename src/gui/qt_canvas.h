// The Canvas of the window and the printer: a QPainter on an image or a page.
#pragma once

#include <QPainter>
#include <vector>

#include "view/canvas.h"

namespace vt::gui {

class QtCanvas : public Canvas {
  public:
    // w, h: the target size in its own pixels. printer: pixels per twip of the page, 0 for the
    // screen.
    QtCanvas(QPainter& painter, int w, int h, double printerPixelsPerTwip = 0,
             int printerLineWidth = 1);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Hands the lines gathered so far to the painter (done by every other call and at the end).
    void Flush();
    // Off: every line goes to the painter at once (the tests compare the two ways).
    void SetBatching(bool on) { batching_ = on; }

    int Width() const override { return w_; }
    int Height() const override { return h_; }
    bool IsPrinter() const override { return pixelsPerTwip_ > 0; }
    double PixelsPerTwip() const override {
        return pixelsPerTwip_ > 0 ? pixelsPerTwip_ : 1.0 / 15.0;
    }

    void Clear(Colour background) override;
    void SetPen(Colour colour, int width, PenStyle style) override;
    void SetXor(bool on) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Ellipse(double left, double top, double right, double bottom) override;
    void Arc(double cx, double cy, double r, double start, double end) override;
    void Rect(double x1, double y1, double x2, double y2) override;
    void Text(double x, double y, const std::string& text, const TextFont& font) override;
    double LineHeight(const TextFont& font) const override;

    // Colour override for black-and-white printing (drawing objects only).
  private:
    void ApplyPen();
    QPainter& painter_;
    int w_, h_;
    double pixelsPerTwip_;
    int printerLineWidth_;
    QColor colour_ = Qt::black;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    bool xor_ = false;
    // One-pixel solid axis-parallel screen lines in one pen (the snap-point crosses, most of a
    // paint), drawn together: far cheaper than one call each.
    bool batching_ = true;
    std::vector<QLine> pending_;
};

}  // namespace vt::gui
