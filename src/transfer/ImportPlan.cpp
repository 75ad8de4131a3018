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

ImportPlan::ImportPlan(const QStringList& listHeadings, qsizetype fileBytes)
    : m_listHeadings(listHeadings)
    , m_rows(int(listHeadings.size()))
{
    // A row takes about as many bytes as its record in the file: one-byte characters, where the
    // file has separators and quotes the row has its cells' lengths.
    m_rows.reserve(fileBytes);
}

void ImportPlan::addRecord(const std::vector<QUtf8StringView>& values)
{
    ++m_records;
    if (m_records == 1) {
        m_cellCount = int(values.size());
        // Read as rows are, so that a leading U+FEFF stays.
        RowTable firstRow(m_cellCount);
        firstRow.appendRow(values.data(), m_cellCount);
        m_firstRow = firstRow.row(0);
        m_match = ColumnMatch::of(m_listHeadings, m_firstRow);
        if (m_match.byHeadings) {
            return;
        }
    }
    if (int(values.size()) != m_cellCount) {
        m_skipped.append(m_records);
        return;
    }
    m_cells.clear();
    for (const int from : std::as_const(m_match.fileColumnOf)) {
        m_cells.push_back(from >= 0 ? values[size_t(from)] : QUtf8StringView());
    }
    m_rows.appendRow(m_cells.data(), int(m_cells.size()));
}

void ImportPlan::finish(const CsvFile::Reading& reading)
{
    m_unclosed = reading.unclosedQuoteRecord;
    m_error = reading.error;
}

QString ImportPlan::report(const QString& listName, const QString& fileName) const
{
    QStringList parts;
    if (m_rows.rowCount() > 0) {
        parts.append(
            QStringLiteral("%1 added to %2 from %3.")
                .arg(counted(m_rows.rowCount(), "row was", "rows were"), listName, fileName));
    } else {
        const QString why = m_records == 0 && !m_unclosed && m_error.isEmpty()
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
