// Printing: the renderer's primitives and the tool path painters on a printer canvas.
#include "view/printing.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "app/error_report.h"
#include "app/number_format.h"
#include "app/program.h"
#include "base/numbers.h"
#include "base/text_file.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt {

namespace {

// Screen colours made for a dark background (yellow snap marks) darkened until they show on
// white paper; dark colours print as they are.
Colour Ink(Colour c) {
    int r = c & 255, g = (c >> 8) & 255, b = (c >> 16) & 255;
    while (r * 299 + g * 587 + b * 114 > 140000) {
        r = r * 3 / 4;
        g = g * 3 / 4;
        b = b * 3 / 4;
    }
    return r | (g << 8) | (b << 16);
}

// The page as the renderer sees it, with every pen in ink.
class InkCanvas : public Canvas {
  public:
    explicit InkCanvas(Canvas& page) : c_(page) {}
    int Width() const override { return c_.Width(); }
    int Height() const override { return c_.Height(); }
    bool IsPrinter() const override { return c_.IsPrinter(); }
    double PixelsPerTwip() const override { return c_.PixelsPerTwip(); }
    void Clear(Colour background) override { c_.Clear(background); }
    void SetPen(Colour colour, int width, PenStyle style) override {
        c_.SetPen(Ink(colour), width, style);
    }
    void SetXor(bool on) override { c_.SetXor(on); }
    void Line(double x1, double y1, double x2, double y2) override { c_.Line(x1, y1, x2, y2); }
    void Ellipse(double l, double t, double r, double b) override { c_.Ellipse(l, t, r, b); }
    void Arc(double cx, double cy, double r, double s, double e) override {
        c_.Arc(cx, cy, r, s, e);
    }
    void Rect(double x1, double y1, double x2, double y2) override { c_.Rect(x1, y1, x2, y2); }
    void Text(double x, double y, const std::string& t, const TextFont& f) override {
        c_.Text(x, y, t, f);
    }
    double LineHeight(const TextFont& f) const override { return c_.LineHeight(f); }

  private:
    Canvas& c_;
};

// A width in millimetres from the settings (unusable text: the default), times the dialog's
// factor, in printer pixels.
int PenPixels(const Canvas& c, const std::string& setting, double fallback, int factor) {
    double mm = ParsePlainNumber(setting).value_or(fallback);
    if (!(mm > 0 && mm <= 10)) mm = fallback;
    const double pixelsPerMm = c.PixelsPerTwip() * 1440.0 / 25.4;
    return std::max(1, static_cast<int>(std::lround(mm * std::max(1, factor) * pixelsPerMm)));
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

// "1:2.5" or "4:1": paper millimetres to drawing units.
std::string ScaleText(const Program& p, double pixelsPerMm) {
    const double paperPerUnit = 1.0 / (p.view.Skala * pixelsPerMm);
    if (!(paperPerUnit > 0) || !std::isfinite(paperPerUnit)) return "";
    return paperPerUnit >= 1 ? Fmt(p, paperPerUnit, 3) + ":1" : "1:" + Fmt(p, 1 / paperPerUnit, 3);
}

}  // namespace

std::string PrintTitle(const Program& p, const std::string& date, double pixelsPerMm) {
    const Language& l = p.language;
    const std::string name = p.drawing.HasFileName ? p.drawing.FileName : l.GetText(1240);
    return name + "   " + date + "   " + l.GetText(1241) + " " + ScaleText(p, pixelsPerMm);
}

void PrintDrawing(Program& p, Canvas& page, const PrintOptions& o) {
    InkCanvas c(page);
    ViewState& v = p.view;
    const double skala = v.Skala, offsetX = v.OffsetX, offsetY = v.OffsetY;
    // The title line goes under the drawing.
    const TextFont titleFont{"Verdana", 9};
    const double titleHeight = c.LineHeight(titleFont);
    v.printerW = c.Width();
    v.printerH = std::max(1, static_cast<int>(c.Height() - 2 * titleHeight));
    ZoomScreen(p, true);
    const ProgramSettings& s = p.settings;
    const int drawingPen = PenPixels(c, s.PrintLineWidth, 0.25, o.lineWidth);
    const int toolPathPen = PenPixels(c, s.PrintToolPathWidth, 0.5, o.lineWidth);
    c.SetPen(0, drawingPen, PenStyle::Solid);
    const Drawing& d = p.drawing;
    for (int i = 1; i <= d.ObjectCount; ++i) {
        const RitObjekt& obj = d.Obj(i);
        if (obj.Deleted) continue;
        const Colour col = o.colour ? s.DrawColor : 0;
        if (obj.Typ == kLine && o.lines)
            DrawLine(p, c, obj.X1, obj.Y1, obj.X2, obj.Y2, col, true, false);
        // Arcs keep their own span: a part circle printed as a whole one would be a wrong drawing.
        if (obj.Typ == kCircle && o.circles)
            DrawArc(p, c, obj.CX, obj.CY, obj.R, obj.StartAngle, obj.EndAngle, col);
        if (obj.Typ == kRitPoint && o.points) DrawPoint(p, c, obj.X1, obj.Y1, col);
    }
    for (int i = 1; i <= p.snaps.PointCount; ++i) {
        const SnapPoint& sp = p.snaps.Pt(i);
        const bool wanted = (sp.Color == s.EndpointColor && o.endpoints) ||
                            (sp.Color == s.IntersecColor && o.intersections);
        if (wanted) DrawPoint(p, c, sp.X, sp.Y, o.colour ? sp.Color : 0);
    }
    if (o.toolPath) {
        const ToolPath& t = p.toolPath;
        for (int i = 1; i <= t.Count; ++i) {
            const ToolPathOp& op = t.Op(i);
            const ToolPathOp& prev = t.Op(i - 1);
            c.SetPen(s.NCColor, toolPathPen, PenStyle::Solid);
            if (op.Typ == kG0 || op.Typ == kG1) {
                if (IsFirstMove(t, i))
                    DrawG01(p, c, op, op.X, op.Y, op.X, op.Y, i);
                else
                    DrawG01(p, c, op, prev.X, prev.Y, op.X, op.Y, i);
            } else if (op.Typ == kG2 || op.Typ == kG3) {
                DrawG23(p, c, op, prev.X, prev.Y, op.X, op.Y, op.CX, op.CY, op.R, i);
            }
        }
    }
    c.SetPen(0, 1, PenStyle::Solid);
    c.Text(0, c.Height() - titleHeight, PrintTitle(p, Today(), c.PixelsPerTwip() * 1440.0 / 25.4),
           titleFont);
    v.Skala = skala;
    v.OffsetX = offsetX;
    v.OffsetY = offsetY;
    v.ViewChanged = true;
}

void PrintText(PrintJob& job, const std::string& text) {
    const TextFont font{"Courier New", 12};
    double y = 0;
    for (auto line : SplitLines(text)) {
        Canvas& c = job.Page();
        const double h = c.LineHeight(font);
        if (y > 0 && y + h > c.Height()) {
            job.NewPage();
            y = 0;
        }
        job.Page().Text(0, y, std::string(line), font);
        y += h;
    }
}

namespace {

// The dialog, then the job; false when cancelled or when nothing could be printed.
template <typename Body>
void Print(Program& p, PrintMode mode, const char* name, Body&& body) {
    PrintOptions options;
    p.uiState.busyCursor = true;
    p.ui.StateChanged();
    const bool confirmed = p.ui.ShowPrintDialog(mode, options);
    p.uiState.busyCursor = false;
    p.ui.StateChanged();
    if (!confirmed) return;
    Guarded(p, name, [&] {
        std::unique_ptr<PrintJob> job = p.ui.StartPrint(options);
        if (!job) return;  // the user cancelled the file name, or the printer told why
        body(*job, options);
        if (!job->Finish()) throw VtError(kErrDeviceIO);
    });
}

}  // namespace

void mnuPrint_Click(Program& p) {
    Print(p, PrintMode::Drawing, "mnuPrint_Click()",
          [&](PrintJob& job, const PrintOptions& o) { PrintDrawing(p, job.Page(), o); });
}

void PrintNcCode(Program& p) {
    Print(p, PrintMode::NcCode, "mnuSkirvNCkod()",
          [&](PrintJob& job, const PrintOptions&) { PrintText(job, p.uiState.ncCodeText); });
}

}  // namespace vt
