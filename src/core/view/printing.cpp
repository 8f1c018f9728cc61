// Printing: the renderer's primitives and the tool path painters on a printer canvas.
#include "view/printing.h"

#include "app/error_report.h"
#include "app/program.h"
#include "app/text_file.h"
#include "view/renderer.h"
#include "view/view.h"

namespace vt {

void PrintDrawing(Program& p, Canvas& c, const PrintOptions& o) {
    ViewState& v = p.view;
    const double skala = v.Skala, offsetX = v.OffsetX, offsetY = v.OffsetY;
    v.printerW = c.Width();
    v.printerH = c.Height();
    ZoomScreen(p, true);
    const ProgramSettings& s = p.settings;
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
    for (int i = 1; i <= d.PointCount; ++i) {
        const SnapPoint& sp = d.Pt(i);
        const bool wanted = (sp.Color == s.EndpointColor && o.endpoints) ||
                            (sp.Color == s.IntersecColor && o.intersections);
        if (wanted) DrawPoint(p, c, sp.X, sp.Y, o.colour ? sp.Color : 0);
    }
    if (o.toolPath) {
        const ToolPath& t = p.toolPath;
        for (int i = 1; i <= t.Count; ++i) {
            const ToolPathOp& op = t.Op(i);
            const ToolPathOp& prev = t.Op(i - 1);
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
