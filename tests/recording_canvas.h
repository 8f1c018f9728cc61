// A Canvas that records every call, for tests of the renderer.
#pragma once

#include <string>
#include <vector>

#include "view/canvas.h"

namespace vt::test {

struct Drawn {
    std::string op;  // "line", "ellipse", "arc", "rect", "text", "clear"
    double a = 0, b = 0, c = 0, d = 0, e = 0;
    Colour colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool xorPen = false;
    std::string text;
};

class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(int w, int h, bool printer = false) : w_(w), h_(h), printer_(printer) {}
    std::vector<Drawn> calls;

    int Width() const override { return w_; }
    int Height() const override { return h_; }
    bool IsPrinter() const override { return printer_; }
    double PixelsPerTwip() const override { return printer_ ? 600.0 / 1440.0 : 1.0 / 15.0; }
    void Clear(Colour c) override {
        calls.push_back({"clear", 0, 0, 0, 0, 0, c, 1, PenStyle::Solid, false, ""});
    }
    void SetPen(Colour c, int width, PenStyle s) override {
        colour_ = c;
        if (width > 0) width_ = width;
        style_ = s;
    }
    void SetXor(bool on) override { xor_ = on; }
    void Line(double x1, double y1, double x2, double y2) override {
        Add("line", x1, y1, x2, y2, 0);
    }
    void Ellipse(double l, double t, double r, double b) override { Add("ellipse", l, t, r, b, 0); }
    void Arc(double cx, double cy, double r, double s, double e) override {
        Add("arc", cx, cy, r, s, e);
    }
    void Rect(double x1, double y1, double x2, double y2) override {
        Add("rect", x1, y1, x2, y2, 0);
    }
    void Text(double x, double y, const std::string& t, const TextFont& f) override {
        Add("text", x, y, f.points, 0, 0);
        calls.back().text = t + "|" + f.family;
    }

    std::vector<Drawn> Of(const std::string& op) const {
        std::vector<Drawn> out;
        for (const auto& c : calls)
            if (c.op == op) out.push_back(c);
        return out;
    }
    std::vector<Drawn> InColour(Colour c) const {
        std::vector<Drawn> out;
        for (const auto& d : calls)
            if (d.colour == c && d.op != "clear") out.push_back(d);
        return out;
    }

  private:
    void Add(const char* op, double a, double b, double c, double d, double e) {
        calls.push_back({op, a, b, c, d, e, colour_, width_, style_, xor_, ""});
    }
    int w_, h_;
    bool printer_;
    Colour colour_ = 0;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    bool xor_ = false;
};

}  // namespace vt::test
