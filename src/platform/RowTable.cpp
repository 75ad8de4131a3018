#include "RowTable.h"

#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <cstring>

namespace {

// Below this the buffer is never tidied: a few unused records cost less than copying.
constexpr qsizetype TidyThreshold = 1 << 20;

// A cell's length takes one byte below 128 characters, as almost all do, and at most five.
constexpr size_t MaxLengthBytes = 5;

char* putLength(char* out, quint32 length)
{
    while (length >= 0x80) {
        *out++ = char(0x80 | (length & 0x7F));
        length >>= 7;
    }
    *out++ = char(length);
    return out;
}

quint32 takeLength(const char*& at)
{
    quint32 length = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        length |= quint32(byte & 0x7F) << shift;
        if (byte < 0x80) {
            return length;
        }
    }
}

bool isLatin1(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The putCharacters write a cell's characters at out, one or two bytes each, and return the end.
char* putCharacters(char* out, QLatin1StringView cell, bool wide)
{
    if (!wide) {
        return std::copy_n(cell.data(), cell.size(), out);
    }
    for (const char c : cell) {
        const char16_t unit = static_cast<unsigned char>(c);
        out = std::copy_n(reinterpret_cast<const char*>(&unit), sizeof unit, out);
    }
    return out;
}

char* putCharacters(char* out, QStringView cell, bool wide)
{
    if (wide) {
        return std::copy_n(reinterpret_cast<const char*>(cell.utf16()), 2 * cell.size(), out);
    }
    return std::transform(cell.cbegin(), cell.cend(), out,
                          [](QChar c) { return char(c.unicode()); });
}

// The highest byte of the cells: below 0x80 they are ASCII; below 0xC4 Latin-1, whose characters
// beyond ASCII take two bytes starting with 0xC2 or 0xC3 in UTF-8.
unsigned char highestByte(const QUtf8StringView* cells, int count)
{
    unsigned char highest = 0;
    for (int c = 0; c < count; ++c) {
        for (const char byte : cells[c]) {
            highest = std::max(highest, static_cast<unsigned char>(byte));
        }
    }
    return highest;
}

qsizetype characterCount(QLatin1StringView cell)
{
    return cell.size();
}

qsizetype characterCount(QStringView cell)
{
    return cell.size();
}

// The bytes that start a character: all but the 0x80 to 0xBF that continue one.
qsizetype characterCount(QUtf8StringView cell)
{
    return std::count_if(cell.cbegin(), cell.cend(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    });
}

// Only Latin-1 cells come here: their characters beyond ASCII are C2 or C3 and one more byte.
char* putCharacters(char* out, QUtf8StringView cell, bool)
{
    for (auto byte = cell.cbegin(); byte != cell.cend(); ++byte) {
        const auto lead = static_cast<unsigned char>(*byte);
        *out++ = lead < 0x80 ? char(lead) : char((lead & 0x03) << 6 | (*++byte & 0x3F));
    }
    return out;
}

// Two-byte characters start at an even place in the buffer.
void alignForWideCharacters(std::vector<char>& text)
{
    if (text.size() % 2) {
        text.push_back('\0');
    }
}

} // namespace

RowTable::RowTable(int columns)
    : m_columns(std::max(0, columns))
{
}

RowTable::RowTable(int columns, const QVector<QStringList>& rows)
    : RowTable(columns)
{
    for (const QStringList& row : rows) {
        insertRow(rowCount(), row);
    }
}

const char* RowTable::readLengths(int row, quint32* lengths, qsizetype* total) const
{
    const RowEntry entry = m_rows[size_t(row)];
    const char* at = m_text.data() + (entry >> 1);
    *total = 0;
    for (int c = 0; c < m_columns; ++c) {
        lengths[c] = takeLength(at);
        *total += lengths[c];
    }
    if (entry & 1) {
        at += (at - m_text.data()) % 2;
    }
    return at;
}

RowTable::Cell RowTable::cellAt(int row, int column) const
{
    const RowEntry entry = m_rows[size_t(row)];
    const bool wide = entry & 1;
    const char* at = m_text.data() + (entry >> 1);
    qsizetype before = 0;
    qsizetype length = 0;
    for (int c = 0; c < m_columns; ++c) {
        const quint32 cellLength = takeLength(at);
        if (c < column) {
            before += cellLength;
        } else if (c == column) {
            length = cellLength;
        }
    }
    if (wide) {
        at += (at - m_text.data()) % 2;
        return {at + 2 * before, length, true};
    }
    return {at + before, length, false};
}

QString RowTable::cell(int row, int column) const
{
    const Cell found = cellAt(row, column);
    return found.wide ? QString(reinterpret_cast<const QChar*>(found.characters), found.length)
                      : QString::fromLatin1(found.characters, found.length);
}

QStringList RowTable::row(int row) const
{
    // The cells' lengths are read once for the row, not once a cell.
    return useRow(row, [this](auto characters, const quint32* lengths) {
        QStringList cells;
        cells.reserve(m_columns);
        qsizetype at = 0;
        for (int column = 0; column < m_columns; ++column) {
            cells.append(characters.sliced(at, qsizetype(lengths[column])).toString());
            at += qsizetype(lengths[column]);
        }
        return cells;
    });
}

QVector<QStringList> RowTable::toRows() const
{
    QVector<QStringList> rows;
    rows.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r) {
        rows.append(row(r));
    }
    return rows;
}

qsizetype RowTable::recordSize(RowEntry entry) const
{
    const qsizetype start = qsizetype(entry >> 1);
    const char* at = m_text.data() + start;
    qsizetype characters = 0;
    for (int c = 0; c < m_columns; ++c) {
        characters += takeLength(at);
    }
    qsizetype header = at - (m_text.data() + start);
    if (entry & 1) {
        header += (at - m_text.data()) % 2;
        return header + 2 * characters;
    }
    return header + characters;
}

template <typename Text>
RowTable::RowEntry RowTable::appendRecord(const Text* cells, int count, bool wide)
{
    const int given = std::min(count, m_columns);
    size_t units = 0; // at least as many as the characters
    for (int c = 0; c < given; ++c) {
        units += size_t(cells[c].size());
    }
    // Room for a record of the longest lengths, both paddings and all units, made at once; what it
    // does not take is given back.
    const size_t start = m_text.size() + (wide ? m_text.size() % 2 : 0);
    m_text.resize(start + MaxLengthBytes * size_t(m_columns) + 1 + (wide ? 2 : 1) * units);
    char* const text = m_text.data();
    char* out = text + start;
    for (int c = 0; c < m_columns; ++c) {
        out = putLength(out, c < given ? quint32(characterCount(cells[c])) : 0);
    }
    if (wide && (out - text) % 2) {
        *out++ = '\0';
    }
    for (int c = 0; c < given; ++c) {
        out = putCharacters(out, cells[c], wide);
    }
    m_text.resize(size_t(out - text));
    return (RowEntry(start) << 1) | RowEntry(wide);
}

void RowTable::insertRow(int position, const QStringList& cells)
{
    const int given = std::min(int(cells.size()), m_columns);
    const bool wide = !std::all_of(cells.cbegin(), cells.cbegin() + given, isLatin1);
    std::vector<QStringView> views(cells.cbegin(), cells.cbegin() + given);
    m_rows.insert(m_rows.begin() + position, appendRecord(views.data(), given, wide));
}

void RowTable::appendRow(const QStringView* cells, int count)
{
    const bool wide = !std::all_of(cells, cells + std::min(count, m_columns), isLatin1);
    m_rows.push_back(appendRecord(cells, count, wide));
}

void RowTable::appendRow(const QLatin1StringView* cells, int count)
{
    m_rows.push_back(appendRecord(cells, count, false));
}

void RowTable::appendRow(const QUtf8StringView* cells, int count)
{
    const int given = std::min(count, m_columns);
    const unsigned char highest = highestByte(cells, given);
    if (highest < 0x80) { // ASCII: its bytes are its characters
        QVarLengthArray<QLatin1StringView, 16> ascii(given);
        std::transform(cells, cells + given, ascii.begin(), [](QUtf8StringView cell) {
            return QLatin1StringView(cell.data(), cell.size());
        });
        m_rows.push_back(appendRecord(ascii.data(), given, false));
        return;
    }
    if (highest < 0xC4) {
        m_rows.push_back(appendRecord(cells, given, false));
        return;
    }
    // A value may start with U+FEFF, which is not to be dropped as a byte-order mark.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    std::vector<QString> decoded;
    decoded.reserve(size_t(given));
    for (int c = 0; c < given; ++c) {
        decoded.push_back(utf8.decode(QByteArrayView(cells[c].data(), cells[c].size())));
    }
    const std::vector<QStringView> views(decoded.cbegin(), decoded.cend());
    appendRow(views.data(), given);
}

void RowTable::append(RowTable rows)
{
    Q_ASSERT(rows.m_columns == m_columns);
    if (m_rows.empty()) {
        *this = std::move(rows);
        return;
    }
    // Moved by an even number of bytes, two-byte characters stay at even places.
    alignForWideCharacters(m_text);
    const RowEntry shift = RowEntry(m_text.size()) << 1;
    m_text.insert(m_text.end(), rows.m_text.cbegin(), rows.m_text.cend());
    m_rows.reserve(m_rows.size() + rows.m_rows.size());
    for (const RowEntry entry : rows.m_rows) {
        m_rows.push_back(entry + shift);
    }
    m_unusedBytes += rows.m_unusedBytes;
}

void RowTable::removeRow(int row)
{
    m_unusedBytes += recordSize(m_rows[size_t(row)]);
    m_rows.erase(m_rows.begin() + row);
    if (m_unusedBytes >= TidyThreshold && 2 * m_unusedBytes >= qsizetype(m_text.size())) {
        dropUnusedRecords();
    }
}

void RowTable::reorder(const std::vector<int>& order)
{
    std::vector<RowEntry> reordered;
    reordered.reserve(order.size());
    for (const int from : order) {
        reordered.push_back(m_rows[size_t(from)]);
    }
    m_rows = std::move(reordered);
}

void RowTable::dropUnusedRecords()
{
    std::vector<char> kept;
    kept.reserve(m_text.size() - size_t(m_unusedBytes) + m_rows.size());
    for (RowEntry& entry : m_rows) {
        const bool wide = entry & 1;
        if (wide) {
            alignForWideCharacters(kept);
        }
        // Both starts are even for a two-byte row, so its record's own padding stays right.
        const char* record = m_text.data() + (entry >> 1);
        const RowEntry moved = (RowEntry(kept.size()) << 1) | RowEntry(wide);
        kept.insert(kept.end(), record, record + recordSize(entry));
        entry = moved;
    }
    m_text = std::move(kept);
    m_unusedBytes = 0;
}

bool operator==(const RowTable& left, const RowTable& right)
{
    if (left.m_columns != right.m_columns || left.rowCount() != right.rowCount()) {
        return false;
    }
    for (int row = 0; row < left.rowCount(); ++row) {
        for (int column = 0; column < left.m_columns; ++column) {
            if (left.cell(row, column) != right.cell(row, column)) {
                return false;
            }
        }
    }
    return true;
}
