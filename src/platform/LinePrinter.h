#pragma once

#include <QString>
#include <QStringList>

// A print job of plain text lines: lines are collected, and EndDoc hands the whole job over.
// Every line is printed in the default font, one below the other from the top of the page, and a
// new page begins when a page is full; nothing is wrapped or shortened.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;
    void PrintLine(const QString& line) { m_lines.append(line); }
    // False, with the reason in *error, when the job could not be handed over. A job without
    // lines sends nothing, not even an empty page.
    bool EndDoc(QString* error);

protected:
    virtual bool print(const QStringList& lines, QString* error) = 0;

private:
    QStringList m_lines;
};

// The system's default printer, without a dialog. The job is laid out as a PDF document and handed
// to the print system, whose answer says whether it was taken.
class DefaultPrinter : public LinePrinter
{
protected:
    bool print(const QStringList& lines, QString* error) override;
};

// A PDF file in the place of a printer.
class PdfFilePrinter : public LinePrinter
{
public:
    explicit PdfFilePrinter(const QString& path)
        : m_path(path)
    {
    }

protected:
    bool print(const QStringList& lines, QString* error) override;

private:
    QString m_path;
};
