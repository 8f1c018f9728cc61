// Canvas: what the renderer draws on. The window gives it a painter on the surface image, printing
// a painter on the page, tests a recorder.
#pragma once

#include <string>

#include "app/settings.h"

namespace vt {

// Draw styles keep the classic numbers: 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot.
enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

struct TextFont {
    std::string family;
    double points = 10;
};

class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual int Width() const = 0;  // target size in its own pixels
    virtual int Height() const = 0;
    virtual bool IsPrinter() const { return false; }
    // Printer pixels per twip (1/1440 inch); the screen has 15 twips per pixel.
    virtual double PixelsPerTwip() const { return 1.0 / 15.0; }

    virtual void Clear(Colour background) = 0;
    // A width of 0 or less keeps the current width (the primitives leave the width to their
    // caller).
    virtual void SetPen(Colour colour, int width, PenStyle style) = 0;
    // Not-xor pen: drawing the same figure twice removes it.
    virtual void SetXor(bool on) = 0;
    // A line that, like the platform's, leaves out its last pixel.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // Outline of the ellipse in a bounding box, transparent inside.
    virtual void Ellipse(double left, double top, double right, double bottom) = 0;
    // Counter-clockwise arc (radians, 0 along +x) of a circle; start == end draws a full circle.
    virtual void Arc(double cx, double cy, double r, double start, double end) = 0;
    virtual void Rect(double x1, double y1, double x2, double y2) = 0;
    // Text with its top-left corner at (x, y).
    virtual void Text(double x, double y, const std::string& text, const TextFont& font) = 0;
    // The distance from one line of text to the next.
    virtual double LineHeight(const TextFont& font) const {
        return font.points * 20 * 1.2 * PixelsPerTwip();
    }
};

}  // namespace vt
