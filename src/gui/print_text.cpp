// Monospaced text on printer pages.
#include "print_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

namespace vt::gui {

bool HasDefaultPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool PrintMonospaced(const QString& text, const QString& pdfPath) {
    QPrinter printer(QPrinter::HighResolution);
    if (!pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    }
    printer.setDocName("NC kod");
    QPainter g;
    if (!g.begin(&printer)) return false;
    QFont font("Courier New", 12);
    font.setStyleHint(QFont::TypeWriter);
    g.setFont(QFont(font, g.device()));
    const QFontMetrics m(g.font(), g.device());
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int lineHeight = m.lineSpacing();
    int y = m.ascent();
    for (const QString& line : text.split('\n')) {
        if (y > page.height()) {
            printer.newPage();
            y = m.ascent();
        }
        g.drawText(0, y, line);
        y += lineHeight;
    }
    return g.end();
}

}  // namespace vt::gui
