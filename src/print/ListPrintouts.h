#pragma once

#include "platform/PlatformServices.h"

#include <QStringList>

class ListBox;
class ListView;
class QWidget;

// Plain printouts of lists on the default printer, without a dialog. When the printer is missing
// or fails, the user is told that nothing was printed and may save the printout as a PDF file.
class ListPrintouts
{
public:
    ListPrintouts(PlatformServices& services, QWidget* dialogParent);

    // Every row as its cells, one line each: title, address, title, address, ...
    void printRows(const ListView& list);
    // The heading line, then every entry in list order.
    void printEntries(const QString& heading, const ListBox& list);

private:
    void print(const QStringList& lines);
    void offerPdfInstead(const QStringList& lines, const QString& failure);

    PlatformServices& m_services;
    QWidget* m_dialogParent;
};
