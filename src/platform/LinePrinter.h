#pragma once

#include <QString>
#include <QStringList>

// A print job of plain text lines on the default printer: lines are collected, and EndDoc hands
// the whole job to the printer.
class LinePrinter
{
public:
    virtual ~LinePrinter() = default;
    virtual void PrintLine(const QString& line) = 0;
    // False, with the reason in *error, when the job could not be handed to the printer.
    virtual bool EndDoc(QString* error) = 0;
};

class DefaultPrinter : public LinePrinter
{
public:
    void PrintLine(const QString& line) override { m_lines.append(line); }
    bool EndDoc(QString* error) override;

private:
    QStringList m_lines;
};
