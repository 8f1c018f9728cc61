// Feedback drawn over the surface between paints (rubber bands, hover markers). Figures drawn
// with the not-xor pen cancel out when drawn twice, as on the screen; a refresh clears them all.
#pragma once

#include <vector>

#include "view/canvas.h"

namespace vt {

struct OverlayFigure {
    enum Kind { Line, Rect, Box, Arc } kind = Line;
    double x1 = 0, y1 = 0, x2 = 0,
           y2 = 0;  // surface pixels; Arc: centre, radius in x2, angles below
    double start = 0, end = 0;
    Colour colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool xorPen = false;
    bool operator==(const OverlayFigure&) const = default;
};

class Overlay : public Canvas {
  public:
    explicit Overlay(int w = 0, int h = 0) : w_(w), h_(h) {}
    void Resize(int w, int h) {
        w_ = w;
        h_ = h;
    }
    const std::vector<OverlayFigure>& Figures() const { return figures_; }
    void ClearFigures() { figures_.clear(); }

    int Width() const override { return w_; }
    int Height() const override { return h_; }
    void Clear(Colour) override { figures_.clear(); }
    void SetPen(Colour colour, int width, PenStyle style) override {
        colour_ = colour;
        width_ = width;
        style_ = style;
    }
    void SetXor(bool on) override { xor_ = on; }
    void Line(double x1, double y1, double x2, double y2) override {
        Add({OverlayFigure::Line, x1, y1, x2, y2});
    }
    void Ellipse(double l, double t, double r, double b) override {
        Add({OverlayFigure::Arc, (l + r) / 2, (t + b) / 2, (r - l) / 2, 0, 0, 0});
    }
    void Arc(double cx, double cy, double r, double start, double end) override {
        Add({OverlayFigure::Arc, cx, cy, r, 0, start, end});
    }
    void Rect(double x1, double y1, double x2, double y2) override {
        Add({OverlayFigure::Rect, x1, y1, x2, y2});
    }
    void Text(double, double, const std::string&, const TextFont&) override {}
    void Box(double x1, double y1, double x2, double y2) {
        Add({OverlayFigure::Box, x1, y1, x2, y2});
    }

  private:
    void Add(OverlayFigure f) {
        f.colour = colour_;
        f.width = width_;
        f.style = style_;
        f.xorPen = xor_;
        if (xor_) {
            for (auto it = figures_.begin(); it != figures_.end(); ++it) {
                if (*it == f) {
                    figures_.erase(it);
                    return;
                }
            }
        }
        figures_.push_back(f);
    }
    std::vector<OverlayFigure> figures_;
    int w_, h_;
    Colour colour_ = 0;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    bool xor_ = false;
};

}  // namespace vt
