#pragma once

#include "ColumnMatch.h"
#include "CsvFile.h"
#include "platform/RowTable.h"

#include <QStringList>
#include <QVector>
#include <vector>

// What the records of a file become in a list: the rows to add, the rows skipped, and the
// message that tells the user.
class ImportPlan
{
public:
    static constexpr int RowNumbersTold = 5;

    // Makes room for the rows of a file of this size at once.
    ImportPlan(const QStringList& listHeadings, qsizetype fileBytes);

    // The file's records in turn, as they are read: a large file is never held twice.
    void addRecord(const std::vector<QUtf8StringView>& values);
    // How far the file could be read, once it was.
    void finish(const CsvFile::Reading& reading);

    // One cell per heading of the list.
    RowTable& rows() { return m_rows; }
    // For the message: how many rows were added to the list from the file, what went where.
    QString report(const QString& listName, const QString& fileName) const;
    bool hasProblems() const
    {
        return m_rows.rowCount() == 0 || !m_skipped.isEmpty() || m_unclosed;
    }

private:
    QString columnsTold() const;
    QString skippedTold() const;

    QStringList m_listHeadings;
    QStringList m_firstRow;
    ColumnMatch m_match;
    RowTable m_rows;
    std::vector<QUtf8StringView> m_cells; // of the row being added
    int m_records = 0;
    QVector<int> m_skipped; // row numbers, counted from 1 as a spreadsheet shows them
    int m_cellCount = 0;
    int m_unclosed = 0;
    QString m_error;
};
