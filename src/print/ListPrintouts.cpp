#include "ListPrintouts.h"

#include "data/Program.h"
#include "platform/CommonDialog.h"
#include "platform/LinePrinter.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"

namespace {

const QLatin1String MessageTitle(Program::WindowTitle);

} // namespace

ListPrintouts::ListPrintouts(PlatformServices& services, QWidget* dialogParent)
    : m_services(services)
    , m_dialogParent(dialogParent)
{
}

void ListPrintouts::printRows(const ListView& list)
{
    QStringList lines;
    for (const QStringList& row : list.rows().rows()) {
        lines += row;
    }
    print(lines);
}

void ListPrintouts::printEntries(const QString& heading, const ListBox& list)
{
    print(QStringList{heading} + list.entries().entries());
}

void ListPrintouts::print(const QStringList& lines)
{
    const std::unique_ptr<LinePrinter> printer = m_services.defaultPrinter();
    for (const QString& line : lines) {
        printer->PrintLine(line);
    }
    QString failure;
    if (!printer->EndDoc(&failure)) {
        offerPdfInstead(lines, failure);
    }
}

void ListPrintouts::offerPdfInstead(const QStringList& lines, const QString& failure)
{
    const bool savePdf = m_services.messageBox.askYesNo(
        m_dialogParent, MessageTitle,
        QStringLiteral("Nothing was printed.\n\n%1\n\nDo you want to save the printout as a PDF "
                       "file instead?")
            .arg(failure));
    if (!savePdf) {
        return;
    }
    const QString path = m_services.fileChooser.chooseFileToSave(
        m_dialogParent, QStringLiteral("printout.pdf"), QStringLiteral("PDF files|*.pdf"));
    if (path.isEmpty()) {
        return;
    }
    PdfFilePrinter pdf(path);
    for (const QString& line : lines) {
        pdf.PrintLine(line);
    }
    QString pdfFailure;
    if (!pdf.EndDoc(&pdfFailure)) {
        m_services.messageBox.show(
            m_dialogParent, MessageTitle,
            QStringLiteral("The PDF file %1 could not be written.\n\n%2").arg(path, pdfFailure),
            MessageBox::Icon::Warning);
    }
}
