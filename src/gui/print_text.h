// Printing plain text in a monospaced font, page by page.
#pragma once

#include <QString>

namespace vt::gui {

// Prints to the default printer, or into the PDF file when pdfPath is not empty. Courier New 12;
// false when the printer could not be opened.
bool PrintMonospaced(const QString& text, const QString& pdfPath);
// True when the system has a default printer.
bool HasDefaultPrinter();

}  // namespace vt::gui
