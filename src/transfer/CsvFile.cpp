#include "CsvFile.h"

#include "TransferableList.h"
#include "platform/RowTable.h"

#include <QStringEncoder>
#include <algorithm>
#include <csv.h>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const char Separators[] = {',', ';', '\t'};
constexpr qsizetype ChunkBytes = 1 << 18;

// A character's number, whatever the kind of text it comes from.
char16_t unitOf(char c)
{
    return static_cast<unsigned char>(c);
}

char16_t unitOf(QLatin1Char c)
{
    return c.unicode();
}

char16_t unitOf(QChar c)
{
    return c.unicode();
}

// Quoted also where RFC 4180 would not need it: values other programs would trim, split on a
// semicolon or tab, or (a lone empty value) take for an empty line.
template <typename Text> bool needsQuotes(Text value, bool alone)
{
    if (value.isEmpty()) {
        return alone;
    }
    if (unitOf(value.front()) == u' ' || unitOf(value.back()) == u' ') {
        return true;
    }
    return std::any_of(value.begin(), value.end(), [](auto c) {
        switch (unitOf(c)) {
        case u',':
        case u';':
        case u'"':
        case u'\r':
        case u'\n':
        case u'\t':
            return true;
        default:
            return false;
        }
    });
}

// Rows go straight from the table's characters into the file's bytes: room for a whole record is
// made once, and no value gets a buffer of its own.
class Utf8Writer
{
public:
    QByteArray bytes = ByteOrderMark;

    void appendRows(const RowTable& rows)
    {
        for (int row = 0; row < rows.rowCount(); ++row) {
            rows.useRow(row, [this, &rows](auto characters, const quint32* lengths) {
                appendRecord(characters, lengths, rows.columnCount());
            });
        }
    }

private:
    template <typename Text> void appendRecord(Text characters, const quint32* lengths, int count)
    {
        // At most three bytes a character, twice over where quotes are doubled; two quotes and a
        // separator a value; a line end.
        const qsizetype at = bytes.size();
        bytes.resize(at + 6 * characters.size() + 3 * count + 2);
        char* out = bytes.data() + at;
        qsizetype start = 0;
        for (int i = 0; i < count; ++i) {
            if (i > 0) {
                *out++ = ',';
            }
            out = appendValue(out, characters.sliced(start, qsizetype(lengths[i])), count == 1);
            start += qsizetype(lengths[i]);
        }
        *out++ = '\r';
        *out++ = '\n';
        bytes.resize(out - bytes.constData());
    }

    template <typename Text> char* appendValue(char* out, Text value, bool alone)
    {
        if (!needsQuotes(value, alone)) {
            return appendUtf8(out, value);
        }
        m_value.resize(3 * value.size());
        const size_t size = size_t(appendUtf8(m_value.data(), value) - m_value.constData());
        return out + csv_write(out, 2 * size + 2, m_value.constData(), size);
    }

    static char* appendUtf8(char* out, QLatin1StringView text)
    {
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                *out++ = c;
            } else {
                *out++ = char(0xC0 | (byte >> 6));
                *out++ = char(0x80 | (byte & 0x3F));
            }
        }
        return out;
    }

    char* appendUtf8(char* out, QStringView text) { return m_encoder.appendToBuffer(out, text); }

    QStringEncoder m_encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    QByteArray m_value;
};

// Spaces are part of a value: nothing is trimmed.
int noSpace(unsigned char)
{
    return 0;
}

// Each value's bytes go after the record's earlier ones in one buffer, which every record uses
// again.
struct Collector
{
    explicit Collector(const CsvFile::RecordUse& use)
        : use(use)
    {
    }

    const CsvFile::RecordUse& use;
    CsvFile::Reading reading;
    int records = 0;
    std::string bytes;
    std::vector<size_t> valueEnds;
    std::vector<QUtf8StringView> values;
};

void onValue(void* text, size_t size, void* data)
{
    auto* collector = static_cast<Collector*>(data);
    collector->bytes.append(static_cast<const char*>(text), size);
    collector->valueEnds.push_back(collector->bytes.size());
}

// -1 comes only from csv_fini, for a record the text's last line break did not end: that line
// break stood inside a quote that never closed.
void onRecordEnd(int terminator, void* data)
{
    auto* collector = static_cast<Collector*>(data);
    if (terminator == -1) {
        collector->reading.unclosedQuoteRecord = collector->records + 1;
    } else {
        collector->values.clear();
        size_t start = 0;
        for (const size_t end : collector->valueEnds) {
            collector->values.emplace_back(collector->bytes.data() + start, qsizetype(end - start));
            start = end;
        }
        ++collector->records;
        collector->use(collector->values);
    }
    collector->bytes.clear();
    collector->valueEnds.clear();
}

} // namespace

namespace CsvFile {

QByteArray encode(const TransferableList& list)
{
    const QStringList headings = list.headings();
    Utf8Writer out;
    out.appendRows(RowTable(int(headings.size()), QVector<QStringList>{headings}));
    list.useRows([&out](const RowTable& rows) { out.appendRows(rows); });
    return out.bytes;
}

char separatorOf(QByteArrayView utf8)
{
    int counts[std::size(Separators)] = {};
    bool quoted = false;
    for (const char c : utf8) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\r' || c == '\n')) {
            break;
        }
        for (size_t i = 0; i < std::size(Separators); ++i) {
            counts[i] += !quoted && c == Separators[i];
        }
    }
    size_t most = 0;
    for (size_t i = 1; i < std::size(Separators); ++i) {
        most = counts[i] > counts[most] ? i : most;
    }
    return Separators[most];
}

std::optional<Reading> parse(const QByteArray& utf8, char separator,
                             const std::function<bool(qint64, qint64)>& carryOn,
                             const RecordUse& use)
{
    csv_parser parser;
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, noSpace);
    // A value of many megabytes grows its buffer in few steps.
    csv_set_blk_size(&parser, 1 << 20);
    Collector collector{use};
    const qsizetype total = utf8.size();
    for (qsizetype done = 0; done < total; done += ChunkBytes) {
        const size_t size = size_t(std::min(ChunkBytes, total - done));
        if (csv_parse(&parser, utf8.constData() + done, size, onValue, onRecordEnd, &collector) !=
            size) {
            collector.reading.error = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            break;
        }
        if (!carryOn(done + qsizetype(size), total)) {
            csv_free(&parser);
            return std::nullopt;
        }
    }
    if (collector.reading.error.isEmpty()) {
        // Ended by a line break, so that a record still open at the end is one in a quote.
        if (!utf8.endsWith('\n') && !utf8.endsWith('\r')) {
            csv_parse(&parser, "\n", 1, onValue, onRecordEnd, &collector);
        }
        csv_fini(&parser, onValue, onRecordEnd, &collector);
    }
    csv_free(&parser);
    return std::move(collector.reading);
}

} // namespace CsvFile
