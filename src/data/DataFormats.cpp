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

// The first quote from `from` on, before `end`, that is not one of a doubled pair: the closing
// quote of a value. -1 when there is none.
qsizetype findClosingQuote(QStringView text, qsizetype from, qsizetype end)
{
    for (qsizetype i = from; i < end; ++i) {
        if (text[i] == Quote) {
            if (i + 1 == end || text[i + 1] != Quote) {
                return i;
            }
            ++i;
        }
    }
    return -1;
}

// A value still open at the end of its first line goes on over the next lines only when they are
// what formatQuotedLines writes for a value with line breaks: every quote doubled but the closing
// one, which ends its line. Anything else (an inch mark, a forgotten closing quote) is not a line
// break inside a value, and no line is taken into another. Returns the closing quote, or -1.
//
// Each line is looked at once from here: a line passed over holds only doubled quotes, so when it
// starts with a quote it closes on itself (see parseQuotedLines) and never starts a search again.
qsizetype findClosingQuoteOnLaterLines(QStringView text, qsizetype lineEnd)
{
    while (lineEnd < text.size()) {
        const qsizetype lineStart = skipLineEnd(text, lineEnd);
        lineEnd = findLineEnd(text, lineStart);
        const qsizetype closing = findClosingQuote(text, lineStart, lineEnd);
        if (closing >= 0) {
            return closing == lineEnd - 1 ? closing : -1;
        }
    }
    return -1;
}

// The text of a quoted value whose quotes all come in doubled pairs, each pair one quote again.
QString undoubleQuotes(QStringView quoted)
{
    QString value;
    value.reserve(quoted.size());
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        value.append(quoted[i]);
        if (quoted[i] == Quote) {
            ++i;
        }
    }
    return value;
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
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype lineEnd = findLineEnd(text, position);
        const QStringView line = text.mid(position, lineEnd - position);
        const qsizetype opening = line.indexOf(Quote);
        const qsizetype valueStart = position + opening + 1;
        qsizetype closing = opening < 0 ? -1 : findClosingQuote(text, valueStart, lineEnd);
        if (closing < 0 && opening == 0) {
            closing = findClosingQuoteOnLaterLines(text, lineEnd);
        }
        if (closing >= 0) {
            entries.append(undoubleQuotes(text.mid(valueStart, closing - valueStart)));
            position = skipLineEnd(text, findLineEnd(text, closing + 1));
            continue;
        }
        // Not as this program writes it: the line alone is the entry, as much of it as possible.
        entries.append(opening == 0 ? undoubleQuotes(line.mid(1)) : line.toString());
        position = skipLineEnd(text, lineEnd);
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
