// The paint routine, the drawing primitives and the tool path painters.
#include "view/renderer.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/error_report.h"
#include "app/program.h"
#include "geometry/arc_span.h"
#include "geometry/primitives.h"
#include "view/view.h"

namespace vt {

int64_t TickMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

// The transform onto a canvas: the view's scale and offsets with the canvas size as W and H.
struct Xf {
    const ViewState& v;
    double w, h;
    double Col(double x) const { return x / v.Skala + v.OffsetX + w / 2.0; }
    double Row(double y) const { return h / 2.0 - (y / v.Skala + v.OffsetY); }
};

Xf On(const Program& p, const Canvas& c) {
    return Xf{p.view, double(c.Width()), double(c.Height())};
}

bool Below(double v) {
    return std::fabs(v) < kCoordLimit;
}

// Clips a surface segment to the canvas and draws it; false when nothing is visible.
bool ClippedLine(Canvas& c, double x1, double y1, double x2, double y2) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    ClipRect r{0, 0, c.Width(), c.Height()};
    if (ClipLine(r, x1, y1, x2, y2) != 0) return false;
    c.Line(x1, y1, x2, y2);
    return true;
}

// The snap points worth drawing: a point's cross covers exactly the pixels of an earlier cross at
// the same place, so only the last one drawn at each place can show (many points coincide:
// shared end points, the two orders of an intersection).
std::vector<bool> LastAtEachPlace(const Program& p, const Canvas& c) {
    const Xf t = On(p, c);
    std::vector<bool> shown(static_cast<std::size_t>(p.snaps.PointCount) + 1, true);
    // Places seen, by the exact bits of their surface coordinates (an open-addressing table: the
    // paint must stay fast with a hundred thousand points).
    std::size_t size = 16;
    while (size < static_cast<std::size_t>(p.snaps.PointCount) * 2)
        size *= 2;
    struct Place {
        uint64_t col, row;
        bool used;
    };
    std::vector<Place> places(size, Place{0, 0, false});
    for (int i = p.snaps.PointCount; i >= 1; --i) {
        const SnapPoint& sp = p.snaps.Pt(i);
        if (!Below(sp.X) || !Below(sp.Y)) continue;                     // not drawn: hides nothing
        const double col = t.Col(sp.X) + 0.0, row = t.Row(sp.Y) + 0.0;  // -0 is 0
        if (!std::isfinite(col) || !std::isfinite(row)) continue;
        uint64_t a = 0, b = 0;
        std::memcpy(&a, &col, sizeof a);
        std::memcpy(&b, &row, sizeof b);
        std::size_t h =
            static_cast<std::size_t>((a * 0x9E3779B97F4A7C15ULL) ^ (b * 0xC2B2AE3D27D4EB4FULL));
        h = (h ^ (h >> 29)) & (size - 1);
        while (places[h].used && !(places[h].col == a && places[h].row == b))
            h = (h + 1) & (size - 1);
        if (places[h].used)
            shown[static_cast<std::size_t>(i)] = false;
        else
            places[h] = Place{a, b, true};
    }
    return shown;
}

}  // namespace

double PolygonStep(double rp) {
    if (rp <= 8) return rp < 1 ? 1.57 : 0.785;
    return ArcSin(6 / rp);
}

void DrawPoint(Program& p, Canvas& c, double x, double y, Colour colour) {
    if (!Below(x) || !Below(y)) return;
    Xf t = On(p, c);
    double col = t.Col(x), row = t.Row(y);
    if (!(col >= 0 && col <= t.w && row >= 0 && row <= t.h) || !Below(col) || !Below(row)) return;
    if (c.IsPrinter()) {
        double arm = 150 * c.PixelsPerTwip();
        c.SetPen(colour, 0, PenStyle::Solid);
        c.Line(col - arm, row, col + arm, row);
        c.Line(col, row - arm, col, row + arm);
        return;
    }
    c.SetPen(colour, 0, PenStyle::Solid);
    c.Line(col - 6, row, col + 7, row);
    c.Line(col, row - 6, col, row + 7);
}

void DrawBox(Program& p, Canvas& c, double x, double y, Colour colour) {
    Xf t = On(p, c);
    double col = t.Col(x), row = t.Row(y);
    if (!Below(col) || !Below(row)) return;
    c.SetPen(colour, 0, PenStyle::Solid);
    c.Rect(col - 6, row - 6, col + 6, row + 6);
}

void DrawLine(Program& p, Canvas& c, double x1, double y1, double x2, double y2, Colour colour,
              bool noExtension, bool xorMode) {
    if (!Below(x1) || !Below(y1) || !Below(x2) || !Below(y2)) return;
    Xf t = On(p, c);
    double c1 = t.Col(x1), r1 = t.Row(y1), c2 = t.Col(x2), r2 = t.Row(y2);
    if (xorMode) c.SetXor(true);
    c.SetPen(colour, 0, PenStyle::Solid);
    bool drawn = ClippedLine(c, c1, r1, c2, r2);
    const ProgramSettings& s = p.settings;
    if (drawn && !noExtension && !c.IsPrinter() &&
        (colour == s.HighLightColor || colour == s.SelectedColor)) {
        // Dotted continuations beyond both ends, as long as the surface diagonal.
        double diag = std::sqrt(t.w * t.w + t.h * t.h);
        double a = LineLen(c1, r1, c2, r2).AngleDeg * kPi / 180;
        double ux = std::cos(a), uy = -std::sin(a);  // screen rows grow downwards
        c.SetPen(s.TempColor, 0, PenStyle::Dot);
        ClippedLine(c, c1, r1, c1 - diag * ux, r1 - diag * uy);
        ClippedLine(c, c2, r2, c2 + diag * ux, r2 + diag * uy);
        c.SetPen(colour, 0, PenStyle::Solid);
    }
    if (xorMode) c.SetXor(false);
}

void DrawLineU(Program& p, Canvas& c, double x, double y, double angle, Colour colour) {
    Xf t = On(p, c);
    double col = t.Col(x), row = t.Row(y);
    if (!Below(col) || !Below(row)) return;
    if (!Below(ToWorldX(p.view, 0)) || !Below(ToWorldX(p.view, t.w)) ||
        !Below(ToWorldY(p.view, 0)) || !Below(ToWorldY(p.view, t.h)))
        return;
    c.SetPen(colour, 0, PenStyle::Solid);
    if (angle == 0) {
        if (row >= 0 && row <= t.h) c.Line(0, row, t.w, row);
    } else if (col >= 0 && col <= t.w) {
        c.Line(col, 0, col, t.h);
    }
}

void DrawArc(Program& p, Canvas& c, double cx, double cy, double r, double startAngle,
             double endAngle, Colour colour) {
    // A circle the surface cannot show is skipped: painting never opens a message.
    if (std::fabs(r) < kMinRadius || !Below(r) || !Below(cx) || !Below(cy)) return;
    Xf t = On(p, c);
    double col = t.Col(cx), row = t.Row(cy);
    double rp = std::fabs(r) / p.view.Skala;
    if (!Below(col) || !Below(row)) return;
    if (col + rp < 0 || col - rp > t.w || row + rp < 0 || row - rp > t.h) return;
    c.SetPen(colour, 0, PenStyle::Solid);
    if (c.IsPrinter()) {
        c.Arc(col, row, rp, startAngle, endAngle);
        return;
    }
    int16_t mode = p.settings.ArcMode;
    if (mode == 0) {
        if (rp < 15999) c.Arc(col, row, rp, startAngle, endAngle);
        return;
    }
    if (mode == 2) {
        c.Ellipse(col - rp, row - rp, col + rp, row + rp);
        return;
    }
    if (mode == 4) {
        c.Arc(col, row, rp, 0, 0);
        return;
    }
    if (mode != 1 && mode != 3) return;
    ++p.view.arcCount;
    double step = std::max(PolygonStep(rp), mode == 1 ? 0.005 : 0.05);
    if (startAngle != endAngle) {
        // A part arc (from a DXF file) shows only its span, counter-clockwise from its start.
        // Counted in steps: an angle of any size from a file still ends the loop.
        const double sweep = ArcSweep(startAngle, endAngle), end = startAngle + sweep;
        double px = cx + r * std::cos(startAngle), py = cy + r * std::sin(startAngle);
        for (int k = 1; k * step < sweep; ++k) {
            double a = startAngle + k * step;
            double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
            DrawLine(p, c, px, py, x, y, colour, true, false);
            px = x;
            py = y;
        }
        DrawLine(p, c, px, py, cx + r * std::cos(end), cy + r * std::sin(end), colour, true, false);
        return;
    }
    const float full = static_cast<float>(2 * kPi);
    double px = cx + r, py = cy;
    for (int k = 1; static_cast<float>(k * step) < full; ++k) {
        double a = k * step;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        DrawLine(p, c, px, py, x, y, colour, true, false);
        px = x;
        py = y;
    }
    DrawLine(p, c, px, py, cx + r, cy, colour, true, false);
}

void DrawRect(Program& p, Canvas& c, double x1, double y1, double x2, double y2) {
    Xf t = On(p, c);
    c.SetXor(true);
    c.SetPen(p.settings.DrawColor, 0, PenStyle::Solid);
    c.Rect(t.Col(x1), t.Row(y1), t.Col(x2), t.Row(y2));
    c.SetXor(false);
}

bool IsFirstMove(const ToolPath& path, int i) {
    for (int k = 1; k < i; ++k) {
        int16_t t = path.Op(k).Typ;
        if ((t >= -1 && t <= 3) || (t >= 5 && t <= 9)) return false;
    }
    return true;
}

void DrawG01(Program& p, Canvas& c, const ToolPathOp& op, double sx, double sy, double ex,
             double ey, int number) {
    Guarded(p, "DrawG01()", [&] {
        const ProgramSettings& s = p.settings;
        DrawPoint(p, c, sx, sy, s.NCColor);
        DrawPoint(p, c, ex, ey, s.NCColor);
        int16_t k = BaseKind(op.Typ);
        PenStyle style = k == kNcPoint ? PenStyle::DashDotDot
                         : k == kG0    ? PenStyle::Dash
                                       : PenStyle::Solid;
        int width = k == kG1 ? 2 : 1;
        Colour colour = IsIncremental(op.Typ) ? s.NCIColor : s.NCColor;
        if (!Below(sx) || !Below(sy) || !Below(ex) || !Below(ey)) return;
        Xf t = On(p, c);
        c.SetPen(colour, c.IsPrinter() ? 0 : width, style);
        ClippedLine(c, t.Col(sx), t.Row(sy), t.Col(ex), t.Row(ey));
        double col = t.Col(ex), row = t.Row(ey);
        if (Below(col) && Below(row)) {
            TextFont font{"Small Fonts", 7};
            if (c.IsPrinter()) font.points = std::max(1.0, std::round(15 * c.PixelsPerTwip()));
            c.Text(col + 2, row + 2, "P" + std::to_string(number), font);
        }
        c.SetPen(colour, c.IsPrinter() ? 0 : 1, PenStyle::Solid);
    });
}

void DrawG23(Program& p, Canvas& c, const ToolPathOp& op, double sx, double sy, double ex,
             double ey, double cx, double cy, double r, int number) {
    Guarded(p, "DrawG23()", [&] {
        const ProgramSettings& s = p.settings;
        double a1 = LineLen(cx, cy, sx, sy).AngleRad, a2 = LineLen(cx, cy, ex, ey).AngleRad;
        int16_t k = BaseKind(op.Typ);
        if (k == kG2)
            std::swap(a1, a2);  // drawn counter-clockwise from the first angle to the second
        DrawPoint(p, c, sx, sy, s.NCColor);
        DrawPoint(p, c, ex, ey, s.NCColor);
        DrawPoint(p, c, cx, cy, s.NCColor);
        Colour colour = IsIncremental(op.Typ) ? s.NCIColor : s.NCColor;
        if (!Below(cx) || !Below(cy) || !Below(r)) return;
        Xf t = On(p, c);
        c.SetPen(colour, c.IsPrinter() ? 0 : 2, PenStyle::Solid);
        double rp = std::fabs(r) / p.view.Skala;
        if (p.settings.ArcMode == 1 && !c.IsPrinter()) {
            if (a2 <= a1) a2 += kTwoPi;  // equal angles: a full turn
            double step = std::max(PolygonStep(rp), 0.005);
            double px = cx + r * std::cos(a1), py = cy + r * std::sin(a1);
            for (double a = a1 + step; a < a2; a += step) {
                double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
                DrawLine(p, c, px, py, x, y, colour, true, false);
                px = x;
                py = y;
            }
            DrawLine(p, c, px, py, cx + r * std::cos(a2), cy + r * std::sin(a2), colour, true,
                     false);
        } else {
            double end = a2 <= a1 ? a2 + kTwoPi : a2;
            c.Arc(t.Col(cx), t.Row(cy), rp, a1, end);
        }
        if (c.IsPrinter()) {
            TextFont font{"Small Fonts", std::max(1.0, std::round(15 * c.PixelsPerTwip()))};
            c.Text(t.Col(ex) + 2, t.Row(ey) + 2, "P" + std::to_string(number), font);
        }
        c.SetPen(colour, c.IsPrinter() ? 0 : 1, PenStyle::Solid);
    });
}

void DrawToolPath(Program& p, Canvas& c) {
    const ToolPath& path = p.toolPath;
    for (int i = 1; i <= path.Count && !p.paintAbort; ++i) {
        const ToolPathOp& op = path.Op(i);
        const ToolPathOp& prev = path.Op(i - 1);
        switch (op.Typ) {
            case -1:
            case 0:
            case 1:
            case 5:
            case 6:
            case 7:
                if (IsFirstMove(path, i))
                    DrawG01(p, c, op, op.X, op.Y, op.X, op.Y, i);
                else
                    DrawG01(p, c, op, prev.X, prev.Y, op.X, op.Y, i);
                break;
            case 2:
            case 3:
            case 8:
            case 9:
                DrawG23(p, c, op, prev.X, prev.Y, op.X, op.Y, op.CX, op.CY, op.R, i);
                break;
            default:
                break;
        }
    }
}

void RitYta_Paint(Program& p, Canvas& c) {
    Guarded(p, "RitYta_Paint()", [&] {
        const ProgramSettings& s = p.settings;
        p.view.paintStart = TickMs();
        p.paintAbort = false;
        if (!c.IsPrinter()) p.overlay.ClearFigures();  // a repaint shows the image alone
        c.SetXor(false);
        c.Clear(s.BackColor);
        DrawLineU(p, c, 0, 0, 0, s.OrigoColor);
        DrawLineU(p, c, 0, 0, 90, s.OrigoColor);
        const double h = c.Height();
        if (!c.IsPrinter()) {
            c.SetPen(s.AxisColor, 1, PenStyle::Solid);  // the paint starts with a one-pixel pen
            c.Line(10, h - 20, 10, h - 70);
            c.Line(10, h - 70, 5, h - 60);
            c.Line(10, h - 70, 15, h - 60);
            c.Line(10, h - 20, 60, h - 20);
            c.Line(60, h - 20, 50, h - 15);
            c.Line(60, h - 20, 50, h - 25);
            TextFont verdana{"Verdana", 10};
            c.Text(6, h - 90, p.axisNameY, verdana);
            c.Text(65, h - 27, p.axisNameX, verdana);
        }
        const Drawing& d = p.drawing;
        for (int i = 1; i <= d.ObjectCount && !p.paintAbort; ++i) {
            const RitObjekt& o = d.Obj(i);
            switch (o.Typ) {
                case kLine: {
                    Colour col = o.Temp        ? s.TempColor
                                 : o.Highlight ? s.HighLightColor
                                 : o.Selected  ? s.SelectedColor
                                               : s.DrawColor;
                    DrawLine(p, c, o.X1, o.Y1, o.X2, o.Y2, col, false, false);
                    break;
                }
                case kCircle: {
                    Colour col = o.Temp        ? s.TempColor
                                 : o.Selected  ? s.SelectedColor
                                 : o.Highlight ? s.HighLightColor
                                               : s.DrawColor;
                    DrawArc(p, c, o.CX, o.CY, o.R, o.StartAngle, o.EndAngle, col);
                    break;
                }
                case kRitPoint: {
                    Colour col = o.Temp ? s.TempColor : o.Selected ? s.SelectedColor : s.DrawColor;
                    DrawPoint(p, c, o.X1, o.Y1, col);
                    break;
                }
                default:
                    break;
            }
        }
        const std::vector<bool> shown = LastAtEachPlace(p, c);
        for (int i = 1; i <= p.snaps.PointCount && !p.paintAbort; ++i) {
            if (!shown[static_cast<std::size_t>(i)]) continue;
            const SnapPoint& sp = p.snaps.Pt(i);
            DrawPoint(p, c, sp.X, sp.Y, sp.Color);
        }
        DrawToolPath(p, c);
        p.view.ViewChanged = true;
        if (p.view.showPaintTime)
            p.uiState.panels[1].text = std::to_string(TickMs() - p.view.paintStart);
    });
}

}  // namespace vt
