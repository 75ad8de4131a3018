#pragma once

#include <QLatin1StringView>
#include <QStringList>
#include <QStringView>
#include <QUtf8StringView>
#include <QVector>
#include <vector>

// The texts of a list's rows, every row holding exactly one text per column, kept compact enough
// for a million rows: all rows live in one buffer, each as a record of its cells' lengths followed
// by their characters, one byte a character when all of the row's characters are Latin-1 and two
// otherwise. A QString is made only when a cell is asked for. Removing a row leaves its record
// unused in the buffer until unused records take up half of it.
class RowTable
{
public:
    explicit RowTable(int columns = 0);
    // Cells beyond the columns are dropped, missing ones are empty.
    RowTable(int columns, const QVector<QStringList>& rows);

    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); }
    QString cell(int row, int column) const;
    QStringList row(int row) const;
    QVector<QStringList> toRows() const;
    // Calls use(characters, lengths) with all of the row's characters, its cells one after
    // another, as a QLatin1StringView or a QStringView that lasts until the table next changes,
    // and a pointer to the length of each cell.
    template <typename Use> decltype(auto) useRow(int row, Use use) const;

    // The cells are fitted to the columns as above.
    void insertRow(int position, const QStringList& cells);
    void appendRow(const QStringView* cells, int count);
    void appendRow(const QLatin1StringView* cells, int count);
    // Cells of valid UTF-8.
    void appendRow(const QUtf8StringView* cells, int count);
    // Adds the rows of a table with as many columns after this one's, copying their records whole
    // (or taking them over when this table has no rows).
    void append(RowTable rows);
    void removeRow(int row);
    // Puts the rows in the given order: row i becomes the row that was at order[i].
    void reorder(const std::vector<int>& order);
    // Room for rows that take this many bytes, so that reading a file does not copy it as it grows.
    void reserve(qsizetype bytes) { m_text.reserve(size_t(bytes)); }

    friend bool operator==(const RowTable& left, const RowTable& right);
    friend bool operator!=(const RowTable& left, const RowTable& right) { return !(left == right); }

private:
    struct Cell
    {
        const char* characters;
        qsizetype length;
        bool wide;
    };

    // Where a row's record starts, shifted left by one, with the low bit set for two-byte rows.
    using RowEntry = quint64;

    Cell cellAt(int row, int column) const;
    // The lengths of the row's cells and their sum, and where its characters start.
    const char* readLengths(int row, quint32* lengths, qsizetype* total) const;
    qsizetype recordSize(RowEntry entry) const;
    template <typename Text> RowEntry appendRecord(const Text* cells, int count, bool wide);
    void dropUnusedRecords();

    int m_columns;
    std::vector<char> m_text;
    std::vector<RowEntry> m_rows;
    qsizetype m_unusedBytes = 0;
};

template <typename Use> decltype(auto) RowTable::useRow(int row, Use use) const
{
    constexpr int Few = 16;
    quint32 few[Few];
    std::vector<quint32> many(m_columns > Few ? size_t(m_columns) : 0);
    quint32* lengths = m_columns > Few ? many.data() : few;
    qsizetype total = 0;
    const char* at = readLengths(row, lengths, &total);
    return (m_rows[size_t(row)] & 1)
               ? use(QStringView(reinterpret_cast<const char16_t*>(at), total),
                     static_cast<const quint32*>(lengths))
               : use(QLatin1StringView(at, total), static_cast<const quint32*>(lengths));
}
