#include "LinePrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cups/cups.h>

namespace {

bool writePdf(const QString& path, const QPageSize& pageSize, const QStringList& lines,
              QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(pageSize);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("The file %1 could not be written.").arg(path);
        return false;
    }
    const QFontMetrics metrics(painter.font(), &printer);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int top = 0;
    for (const QString& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            printer.newPage();
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), line);
        top += metrics.lineSpacing();
    }
    if (!painter.end()) {
        *error = QStringLiteral("The file %1 could not be finished.").arg(path);
        return false;
    }
    return true;
}

// The default printer's paper, or what the user's country uses when there is no printer.
QPageSize preferredPageSize()
{
    const QPageSize printerPaper = QPrinterInfo::defaultPrinter().defaultPageSize();
    if (printerPaper.isValid()) {
        return printerPaper;
    }
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

bool LinePrinter::EndDoc(QString* error)
{
    const QStringList lines = std::exchange(m_lines, {});
    return lines.isEmpty() || print(lines, error);
}

bool DefaultPrinter::print(const QStringList& lines, QString* error)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        *error = QStringLiteral("No default printer is set up on this computer.");
        return false;
    }
    QTemporaryFile document(QStringLiteral("%1/vellumark-print-XXXXXX.pdf").arg(QDir::tempPath()));
    if (!document.open()) {
        *error =
            QStringLiteral("The printout could not be prepared: %1").arg(document.errorString());
        return false;
    }
    document.close();
    if (!writePdf(document.fileName(), printer.defaultPageSize(), lines, error)) {
        return false;
    }
    const QByteArray name = printer.printerName().toLocal8Bit();
    const int job =
        cupsPrintFile(name.constData(), QFile::encodeName(document.fileName()).constData(),
                      QCoreApplication::applicationName().toUtf8().constData(), 0, nullptr);
    if (job == 0) {
        *error = QStringLiteral("The printer \"%1\" did not take the job: %2")
                     .arg(printer.printerName(), QString::fromLocal8Bit(cupsLastErrorString()));
        return false;
    }
    return true;
}

bool PdfFilePrinter::print(const QStringList& lines, QString* error)
{
    return writePdf(m_path, preferredPageSize(), lines, error);
}
