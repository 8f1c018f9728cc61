// frm_print: the print dialog. The printer, orientation and copies live in the QPrinter it edits;
// what to print goes back to the core as PrintOptions.
#pragma once

#include <QDialog>
#include <QPrinter>

#include "view/printing.h"

namespace vt {
class Program;
}

namespace vt::gui {

// The entry of cbPrinter that prints into a PDF file when the system has no printer.
inline constexpr const char* kPdfPrinter = "PDF";

// Shows the dialog modally; true when "Skriv ut" was pressed. The printer is set up as chosen
// (its name is kPdfPrinter's when a file is to be written).
bool ShowFrmPrint(Program& p, QWidget* owner, PrintMode mode, QPrinter& printer,
                  PrintOptions& options);

}  // namespace vt::gui
