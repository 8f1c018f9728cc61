// A canvas that draws nothing: painting without a surface (batch runs) keeps the paint's effects
// on the program's state.
#pragma once

#include "view/canvas.h"

namespace vt {

class NullCanvas : public Canvas {
  public:
    NullCanvas(int w, int h) : w_(w), h_(h) {}
    int Width() const override { return w_; }
    int Height() const override { return h_; }
    void Clear(Colour) override {}
    void SetPen(Colour, int, PenStyle) override {}
    void SetXor(bool) override {}
    void Line(double, double, double, double) override {}
    void Ellipse(double, double, double, double) override {}
    void Arc(double, double, double, double, double) override {}
    void Rect(double, double, double, double) override {}
    void Text(double, double, const std::string&, const TextFont&) override {}

  private:
    int w_, h_;
};

}  // namespace vt
