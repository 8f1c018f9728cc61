// Printing the drawing on one page and the NC code on as many pages as it needs.
#pragma once

#include <memory>
#include <string>

#include "view/canvas.h"

namespace vt {

class Program;

// What frm_print asks: what to print, in colour or black, and the printer's line width.
struct PrintOptions {
    bool points = true, lines = true, circles = true, endpoints = true, intersections = true;
    bool toolPath = true, colour = true;
    int lineWidth = 1;
};

enum class PrintMode { Drawing = 1, NcCode = 2 };

// One print job; its canvas is the printable area of the current page.
class PrintJob {
  public:
    virtual ~PrintJob() = default;
    virtual Canvas& Page() = 0;
    virtual void NewPage() = 0;
    // Ends the job; false when the printer failed.
    virtual bool Finish() = 0;
};

// The line under a printed drawing: file name, date and scale (with the page's view).
std::string PrintTitle(const Program& p, const std::string& date, double pixelsPerMm);
// The drawing fitted to the page above its title line, lines 0.25 mm and the tool path 0.5 mm
// wide (settings PrintLineWidth and PrintToolPathWidth, times the dialog's width), light colours
// darkened for paper; the screen's view is left as it was.
void PrintDrawing(Program& p, Canvas& page, const PrintOptions& options);
// Monospaced lines, page after page.
void PrintText(PrintJob& job, const std::string& text);

// The menu commands: the dialog, then the job.
void mnuPrint_Click(Program& p);
void PrintNcCode(Program& p);

}  // namespace vt
