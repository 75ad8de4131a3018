#include "DataFormats.h"

#include "TextEncoding.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

const QChar Quote = QLatin1Char('"');
const QChar CarriageReturn = QLatin1Char('\r');
const QChar LineFeed = QLatin1Char('\n');
const QLatin1String LineEnd("\r\n");

constexpr bool isLineBreak(char16_t c)
{
    return c == u'\r' || c == u'\n';
}

// The position just after the line end that starts at `position` (CR LF counts as one). The text
// is a QStringView, or a QLatin1StringView over the bytes of a file.
template <typename Text> qsizetype skipLineEnd(Text text, qsizetype position)
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

template <typename Text> qsizetype findLineEnd(Text text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (isLineBreak(text[i].unicode())) {
            return i;
        }
    }
    return text.size();
}

// Calls addRecord(lines, count) with the lines of each record of `columns` lines, as views into
// the text; only the last record may have fewer.
template <typename Text, typename AddRecord>
void forEachRecord(Text text, int columns, AddRecord addRecord)
{
    std::vector<Text> lines(static_cast<size_t>(columns));
    qsizetype position = 0;
    while (position < text.size()) {
        int count = 0;
        while (count < columns && position < text.size()) {
            const qsizetype end = findLineEnd(text, position);
            lines[size_t(count++)] = text.sliced(position, end - position);
            position = skipLineEnd(text, end);
        }
        addRecord(lines.data(), count);
    }
}

// Windows-1252 bytes stand for the Latin-1 characters of the same number, but for 0x80 to 0x9F.
bool isLatin1Itself(QLatin1StringView bytes)
{
    return std::none_of(bytes.begin(), bytes.end(),
                        [](char byte) { return static_cast<unsigned char>(byte) - 0x80u < 0x20u; });
}

// One character at a time, for values with line breaks or letters beyond ASCII.
template <typename Text, typename Sink> bool putCharacters(Text value, Sink& sink)
{
    const qsizetype length = value.size();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = value[i].unicode();
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < length && value[i + 1] == LineFeed) {
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
template <typename Sink> bool writePlainLines(const RowTable& rows, Sink& sink)
{
    const int columns = rows.columnCount();
    for (int row = 0; row < rows.rowCount(); ++row) {
        const bool written =
            rows.useRow(row, [&sink, columns](auto characters, const quint32* lengths) {
                sink.makeRoom(characters.size() + columns * LineEnd.size());
                const bool plain = sink.isPlain(characters);
                qsizetype start = 0;
                for (int column = 0; column < columns; ++column) {
                    const auto value = characters.sliced(start, lengths[column]);
                    start += lengths[column];
                    if (plain) {
                        sink.copy(value);
                    } else if (!putCharacters(value, sink)) {
                        return false;
                    }
                    sink.put(u'\r');
                    sink.put(u'\n');
                }
                return true;
            });
        if (!written) {
            return false;
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

// Most rows hold no line break and only characters that are their own Windows-1252 byte:
// those are copied in tight loops, and only the others go through putCharacters.
constexpr bool isOwnByte(char16_t c)
{
    return (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) && !isLineBreak(c);
}

// Eight one-byte characters at a time: none of them a line break or in 0x80 to 0x9F.
bool ownBytes(quint64 word)
{
    constexpr quint64 ones = 0x0101010101010101;
    constexpr quint64 highs = 0x8080808080808080;
    const auto hasZeroByte = [](quint64 v) {
        return (v - ones) & ~v & highs;
    };
    return !(hasZeroByte(word ^ (ones * '\r')) | hasZeroByte(word ^ (ones * '\n')) |
             hasZeroByte((word & (ones * 0xE0)) ^ highs));
}

struct TextSink
{
    QString& buffer;
    QChar* out = buffer.data();
    QChar* end = out + buffer.size();

    void makeRoom(qsizetype needed)
    {
        if (end - out < needed) {
            out = ::makeRoom(buffer, out, needed);
            end = buffer.data() + buffer.size();
        }
    }
    void finish() { buffer.truncate(out - buffer.constData()); }

    bool put(char16_t c)
    {
        *out++ = QChar(c);
        return true;
    }

    template <typename Text> static bool isPlain(Text text)
    {
        return std::none_of(text.begin(), text.end(),
                            [](auto c) { return isLineBreak(QChar(c).unicode()); });
    }

    template <typename Text> void copy(Text value)
    {
        for (const auto c : value) {
            *out++ = QChar(c);
        }
    }
};

struct Windows1252Sink
{
    QByteArray& buffer;
    char* out = buffer.data();
    char* end = out + buffer.size();

    void makeRoom(qsizetype needed)
    {
        if (end - out < needed) {
            out = ::makeRoom(buffer, out, needed);
            end = buffer.data() + buffer.size();
        }
    }
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

    static bool isPlain(QLatin1StringView text)
    {
        const char* bytes = text.data();
        const qsizetype length = text.size();
        qsizetype i = 0;
        bool plain = true;
        for (; i + 8 <= length; i += 8) {
            quint64 word;
            std::memcpy(&word, bytes + i, sizeof word);
            plain &= ownBytes(word);
        }
        for (; i < length; ++i) {
            plain &= isOwnByte(static_cast<unsigned char>(bytes[i]));
        }
        return plain;
    }

    static bool isPlain(QStringView text)
    {
        return std::all_of(text.begin(), text.end(),
                           [](QChar c) { return isOwnByte(c.unicode()); });
    }

    void copy(QLatin1StringView value) { out = std::copy_n(value.data(), value.size(), out); }

    void copy(QStringView value)
    {
        for (const QChar c : value) {
            *out++ = char(c.unicode());
        }
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
    // Copied a stretch at a time: each up to and with a quote, whose twin is passed over.
    for (qsizetype start = 0; start < quoted.size();) {
        const qsizetype quote = quoted.indexOf(Quote, start);
        if (quote < 0) {
            value.append(quoted.sliced(start));
            break;
        }
        value.append(quoted.sliced(start, quote + 1 - start));
        start = quote + 2;
    }
    return value;
}

} // namespace

namespace DataFormats {

RowTable parsePlainLines(QStringView text, int columns)
{
    RowTable rows(columns);
    if (columns > 0) {
        forEachRecord(text, columns, [&rows](const QStringView* lines, int count) {
            rows.appendRow(lines, count);
        });
    }
    return rows;
}

RowTable readPlainLines(const QByteArray& bytes, int columns)
{
    if (columns <= 0 || TextEncoding::readsBackDifferently(bytes)) {
        return parsePlainLines(TextEncoding::decode(bytes), columns);
    }
    // Windows-1252, the common case: split straight from the bytes, each record decoded on its own
    // only when a byte has a character other than its Latin-1 one.
    RowTable rows(columns);
    rows.reserve(bytes.size());
    std::vector<QString> decoded(static_cast<size_t>(columns));
    std::vector<QStringView> cells(static_cast<size_t>(columns));
    forEachRecord(QLatin1StringView(bytes), columns,
                  [&](const QLatin1StringView* lines, int count) {
                      if (std::all_of(lines, lines + count, isLatin1Itself)) {
                          rows.appendRow(lines, count);
                          return;
                      }
                      for (int line = 0; line < count; ++line) {
                          decoded[size_t(line)] = TextEncoding::decodeWindows1252(
                              QByteArrayView(lines[line].data(), lines[line].size()));
                          cells[size_t(line)] = decoded[size_t(line)];
                      }
                      rows.appendRow(cells.data(), count);
                  });
    return rows;
}

QString formatPlainLines(const RowTable& rows)
{
    QString text(rows.rowCount() * rows.columnCount() * TypicalValueLength, Qt::Uninitialized);
    TextSink sink{text};
    writePlainLines(rows, sink);
    sink.finish();
    return text;
}

QByteArray encodePlainLines(const RowTable& rows)
{
    // Straight into Windows-1252 bytes, the common case, without a text of the whole file first.
    QByteArray bytes(rows.rowCount() * rows.columnCount() * TypicalValueLength, Qt::Uninitialized);
    Windows1252Sink sink{bytes};
    if (writePlainLines(rows, sink)) {
        sink.finish();
        if (!TextEncoding::readsBackDifferently(bytes)) {
            return bytes;
        }
    }
    return TextEncoding::encode(formatPlainLines(rows));
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
