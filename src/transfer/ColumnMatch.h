#pragma once

#include <QStringList>
#include <QVector>

// Which column of a file goes into which column of a list. A first row that names at least one
// of the list's columns is the file's headings, matched by name whatever the case, spaces and
// punctuation ("#" reads as "number"), with the names other collection programs use; otherwise
// the file's columns fill the list's in order.
struct ColumnMatch
{
    bool byHeadings = false;
    // Per column of the list: the file's column that fills it, or -1.
    QVector<int> fileColumnOf;

    static ColumnMatch of(const QStringList& listHeadings, const QStringList& firstRow);
    // "Card #", "card number" and "CardNumber" all give "cardnumber".
    static QString normalised(QStringView heading);
};
