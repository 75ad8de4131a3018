#include "ImportPlan.h"

namespace {

QString counted(qsizetype count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

QString quoted(const QString& heading)
{
    return QStringLiteral("\u201C%1\u201D").arg(heading);
}

} // namespace

ImportPlan::ImportPlan(const QStringList& listHeadings, CsvFile::Table table)
    : m_listHeadings(listHeadings)
    , m_unclosed(table.unclosedQuoteRecord)
    , m_error(table.error)
{
    if (table.records.isEmpty()) {
        m_empty = true;
        return;
    }
    m_firstRow = table.records.first();
    m_cellCount = int(m_firstRow.size());
    m_match = ColumnMatch::of(listHeadings, m_firstRow);
    m_rows.reserve(table.records.size());
    for (qsizetype record = m_match.byHeadings ? 1 : 0; record < table.records.size(); ++record) {
        const QStringList values = std::exchange(table.records[record], {});
        if (values.size() != m_cellCount) {
            m_skipped.append(int(record) + 1);
            continue;
        }
        QStringList row;
        row.reserve(listHeadings.size());
        for (const int from : std::as_const(m_match.fileColumnOf)) {
            row.append(from >= 0 ? values.at(from) : QString());
        }
        m_rows.append(std::move(row));
    }
}

QString ImportPlan::report(const QString& listName, const QString& fileName) const
{
    QStringList parts;
    if (!m_rows.isEmpty()) {
        parts.append(QStringLiteral("%1 added to %2 from %3.")
                         .arg(counted(m_rows.size(), "row was", "rows were"), listName, fileName));
    } else {
        const QString why = m_empty && !m_unclosed && m_error.isEmpty()
                                ? QStringLiteral("the file is empty.")
                            : m_match.byHeadings && m_skipped.isEmpty() && !m_unclosed
                                ? QStringLiteral("the file holds only its heading row.")
                                : QStringLiteral("none of its rows could be read.");
        parts.append(
            QStringLiteral("No rows were added to %1 from %2: %3").arg(listName, fileName, why));
    }
    if (!m_firstRow.isEmpty()) {
        parts.append(columnsTold());
    }
    if (!m_skipped.isEmpty()) {
        parts.append(skippedTold());
    }
    if (m_unclosed) {
        parts.append(QStringLiteral("Row %1 opens a quote that is never closed: it and the rest "
                                    "of the file after it could not be read.")
                         .arg(m_unclosed));
    }
    if (!m_error.isEmpty()) {
        parts.append(QStringLiteral("The file could not be read to its end: %1.").arg(m_error));
    }
    return parts.join(QLatin1String("\n\n"));
}

QString ImportPlan::columnsTold() const
{
    const auto fileColumn = [this](int column) {
        return m_match.byHeadings ? quoted(m_firstRow.at(column))
                                  : QStringLiteral("column %1").arg(column + 1);
    };
    QStringList went;
    QVector<bool> used(m_firstRow.size(), false);
    for (qsizetype column = 0; column < m_listHeadings.size(); ++column) {
        const int from = m_match.fileColumnOf.at(column);
        if (from >= 0) {
            used[from] = true;
            went.append(
                QStringLiteral("%1 \u2192 %2").arg(fileColumn(from), m_listHeadings.at(column)));
        }
    }
    QStringList leftOut;
    for (int column = 0; column < used.size(); ++column) {
        if (!used.at(column)) {
            leftOut.append(fileColumn(column));
        }
    }
    QString told = m_match.byHeadings
                       ? QStringLiteral("Columns of the file and where they went:\n")
                       : QStringLiteral("The file's first row names none of the list's columns, "
                                        "so its columns went into the list's in order:\n");
    told += went.join(QLatin1Char('\n'));
    if (!leftOut.isEmpty()) {
        told += QStringLiteral("\nLeft out: %1").arg(leftOut.join(QLatin1String(", ")));
    }
    return told;
}

QString ImportPlan::skippedTold() const
{
    QStringList numbers;
    for (qsizetype i = 0; i < std::min<qsizetype>(m_skipped.size(), RowNumbersTold); ++i) {
        numbers.append(QString::number(m_skipped.at(i)));
    }
    QString rows = numbers.join(QLatin1String(", "));
    if (m_skipped.size() > RowNumbersTold) {
        rows += QStringLiteral(" and %1 more").arg(m_skipped.size() - RowNumbersTold);
    }
    const bool one = m_skipped.size() == 1;
    return QStringLiteral("Skipped %1 that %2 not have the %3 of the first row: %4 %5.")
        .arg(counted(m_skipped.size(), "row", "rows"), QLatin1String(one ? "does" : "do"),
             counted(m_cellCount, "value", "values"), QLatin1String(one ? "row" : "rows"), rows);
}
