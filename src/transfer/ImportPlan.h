#pragma once

#include "ColumnMatch.h"
#include "CsvFile.h"

#include <QStringList>
#include <QVector>

// What the records of a file become in a list: the rows to add, the rows skipped, and the
// message that tells the user.
class ImportPlan
{
public:
    static constexpr int RowNumbersTold = 5;

    // Takes the records over, one at a time, so that a large file is not held twice.
    ImportPlan(const QStringList& listHeadings, CsvFile::Table table);

    QVector<QStringList>& rows() { return m_rows; }
    // For the message: how many rows were added to the list from the file, what went where.
    QString report(const QString& listName, const QString& fileName) const;
    bool hasProblems() const { return m_rows.isEmpty() || !m_skipped.isEmpty() || m_unclosed; }

private:
    QString columnsTold() const;
    QString skippedTold() const;

    QStringList m_listHeadings;
    QStringList m_firstRow;
    ColumnMatch m_match;
    QVector<QStringList> m_rows;
    QVector<int> m_skipped; // row numbers, counted from 1 as a spreadsheet shows them
    int m_cellCount = 0;
    int m_unclosed = 0;
    QString m_error;
    bool m_empty = false;
};
