#include "LinePrinter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

bool DefaultPrinter::EndDoc(QString* error)
{
    const QStringList lines = std::exchange(m_lines, {});
    if (lines.isEmpty()) {
        return true;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        *error = QStringLiteral("No default printer is set up on this computer.");
        return false;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The printer \"%1\" could not start the print job.")
                     .arg(defaultPrinter.printerName());
        return false;
    }
    const QFontMetrics metrics(painter.font(), &printer);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = 0;
    for (const QString& line : lines) {
        if (y > 0 && y + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                *error = QStringLiteral("The printer could not start a new page.");
                painter.end();
                return false;
            }
            y = 0;
        }
        painter.drawText(0, y + metrics.ascent(), line);
        y += metrics.lineSpacing();
    }
    if (!painter.end()) {
        *error = QStringLiteral("The print job could not be finished.");
        return false;
    }
    return true;
}
