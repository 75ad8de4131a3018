#include "DataFormats.h"

#include "TextEncoding.h"

#include <algorithm>
#include <optional>

namespace {

const QChar Quote = QLatin1Char('"');
const QChar CarriageReturn = QLatin1Char('\r');
const QChar LineFeed = QLatin1Char('\n');
const QLatin1String LineEnd("\r\n");

bool isLineBreak(QChar c)
{
    return c == CarriageReturn || c == LineFeed;
}

// The position just after the line end that starts at `position` (CR LF counts as one).
qsizetype skipLineEnd(QStringView text, qsizetype position)
{
    if (position < text.size() && text[position] == CarriageReturn) {
        ++position;
        if (position < text.size() && text[position] == LineFeed) {
            ++position;
        }
        return position;
    }
    return position < text.size() ? position + 1 : position;
}

qsizetype findLineEnd(QStringView text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (isLineBreak(text[i])) {
            return i;
        }
    }
    return text.size();
}

// One character at a time, for values with line breaks or letters beyond ASCII.
template <typename Sink> bool putCharacters(const QString& value, Sink& sink)
{
    const QChar* chars = value.constData();
    const qsizetype length = value.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = chars[i].unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < length && chars[i + 1] == LineFeed) {
                ++i;
            }
            if (!sink.put(u' ')) {
                return false;
            }
        } else if (!sink.put(c)) {
            return false;
        }
    }
    return true;
}

// Writes the plain-line format into a sink; a line break inside a value becomes one space.
// Returns false as soon as the sink refuses a character.
template <typename Sink>
bool writePlainLines(const QVector<QStringList>& rows, int columns, Sink& sink)
{
    const QString missing;
    for (const QStringList& row : rows) {
        for (int column = 0; column < columns; ++column) {
            const QString& value = column < row.size() ? row.at(column) : missing;
            sink.makeRoom(value.size() + LineEnd.size());
            if (!sink.putPlainRun(value) && !putCharacters(value, sink)) {
                return false;
            }
            sink.put(u'\r');
            sink.put(u'\n');
        }
    }
    return true;
}

// Values in a collection are a dozen characters long on average; the buffer grows when they are
// longer, so the rows need not be walked twice.
constexpr qsizetype TypicalValueLength = 12;

// Grows the buffer behind a sink; a line break inside a value only ever shrinks it.
template <typename Buffer, typename Unit>
Unit* makeRoom(Buffer& buffer, Unit* out, qsizetype needed)
{
    const qsizetype used = out - reinterpret_cast<Unit*>(buffer.data());
    if (used + needed > buffer.size()) {
        buffer.resize(std::max(2 * buffer.size(), used + needed));
    }
    return reinterpret_cast<Unit*>(buffer.data()) + used;
}

// Most values are plain printable ASCII: those are copied in one tight loop, and only the others
// go through putCharacters.
bool isPlainAscii(char16_t c)
{
    return char16_t(c - 0x20) < 0x60;
}

struct TextSink
{
    QString& buffer;
    QChar* out = buffer.data();

    void makeRoom(qsizetype needed) { out = ::makeRoom(buffer, out, needed); }
    void finish() { buffer.truncate(out - buffer.constData()); }

    bool put(char16_t c)
    {
        *out++ = QChar(c);
        return true;
    }

    bool putPlainRun(const QString& value)
    {
        if (value.contains(CarriageReturn) || value.contains(LineFeed)) {
            return false;
        }
        out = std::copy(value.cbegin(), value.cend(), out);
        return true;
    }
};

struct Windows1252Sink
{
    QByteArray& buffer;
    char* out = buffer.data();

    void makeRoom(qsizetype needed) { out = ::makeRoom(buffer, out, needed); }
    void finish() { buffer.truncate(out - buffer.constData()); }

    bool put(char16_t c)
    {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            *out++ = char(c);
            return true;
        }
        const std::optional<char> byte = TextEncoding::windows1252Byte(c);
        if (byte) {
            *out++ = *byte;
        }
        return byte.has_value();
    }

    // Copies the value when it is all plain ASCII; otherwise leaves the sink as it was.
    bool putPlainRun(const QString& value)
    {
        const char16_t* chars = reinterpret_cast<const char16_t*>(value.constData());
        const qsizetype length = value.size();
        bool plain = true;
        for (qsizetype i = 0; i < length; ++i) {
            out[i] = char(chars[i]);
            plain &= isPlainAscii(chars[i]);
        }
        if (plain) {
            out += length;
        }
        return plain;
    }
};

// Reads a quoted value whose opening quote stands just before `from`. Returns the position of
// the closing quote, or -1 when there is none before the end of the text.
//
// Whether a closing quote exists only depends on how the quotes pair up from `from` on; once a
// scan has run to the end of the text without one, any later scan that reaches a character other
// than a quote walks the same path and fails as well. `knownUnclosedFrom` remembers that, so a
// file full of unbalanced quotes is still read in one pass.
qsizetype readQuotedValue(QStringView text, qsizetype from, QString& value,
                          qsizetype& knownUnclosedFrom)
{
    value.clear();
    qsizetype i = from;
    while (i < text.size()) {
        if (text[i] != Quote) {
            if (knownUnclosedFrom >= 0 && i >= knownUnclosedFrom) {
                return -1;
            }
            value.append(text[i]);
            ++i;
        } else if (i + 1 < text.size() && text[i + 1] == Quote) {
            value.append(Quote);
            i += 2;
        } else {
            return i;
        }
    }
    if (knownUnclosedFrom < 0 || from < knownUnclosedFrom) {
        knownUnclosedFrom = from;
    }
    return -1;
}

} // namespace

namespace DataFormats {

QVector<QStringList> parsePlainLines(QStringView text, int columns)
{
    QVector<QStringList> rows;
    if (columns <= 0) {
        return rows;
    }
    QStringList row;
    row.reserve(columns);
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype end = findLineEnd(text, position);
        row.append(text.mid(position, end - position).toString());
        position = skipLineEnd(text, end);
        if (row.size() == columns) {
            rows.append(std::move(row));
            row = QStringList();
            row.reserve(columns);
        }
    }
    if (!row.isEmpty()) {
        while (row.size() < columns) {
            row.append(QString());
        }
        rows.append(std::move(row));
    }
    return rows;
}

QString formatPlainLines(const QVector<QStringList>& rows, int columns)
{
    QString text(rows.size() * columns * TypicalValueLength, Qt::Uninitialized);
    TextSink sink{text};
    writePlainLines(rows, columns, sink);
    sink.finish();
    return text;
}

QByteArray encodePlainLines(const QVector<QStringList>& rows, int columns)
{
    // Straight into Windows-1252 bytes, the common case, without a text of the whole file first.
    QByteArray bytes(rows.size() * columns * TypicalValueLength, Qt::Uninitialized);
    Windows1252Sink sink{bytes};
    if (writePlainLines(rows, columns, sink)) {
        sink.finish();
        if (!TextEncoding::readsBackDifferently(bytes)) {
            return bytes;
        }
    }
    return TextEncoding::encode(formatPlainLines(rows, columns));
}

QStringList parseQuotedLines(QStringView text)
{
    QStringList entries;
    QString value;
    qsizetype knownUnclosedFrom = -1;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype lineEnd = findLineEnd(text, position);
        const QStringView line = text.mid(position, lineEnd - position);
        const qsizetype opening = line.indexOf(Quote);
        if (opening < 0) {
            entries.append(line.toString());
            position = skipLineEnd(text, lineEnd);
            continue;
        }
        const qsizetype closing =
            readQuotedValue(text, position + opening + 1, value, knownUnclosedFrom);
        if (closing < 0) {
            entries.append(line.left(opening).toString() + line.mid(opening + 1).toString());
            position = skipLineEnd(text, lineEnd);
            continue;
        }
        entries.append(value);
        position = skipLineEnd(text, findLineEnd(text, closing + 1));
    }
    return entries;
}

QString formatQuotedLines(const QStringList& entries)
{
    QString out;
    for (const QString& entry : entries) {
        out.append(Quote);
        for (QChar c : entry) {
            out.append(c);
            if (c == Quote) {
                out.append(Quote);
            }
        }
        out.append(Quote);
        out.append(LineEnd);
    }
    return out;
}

} // namespace DataFormats
