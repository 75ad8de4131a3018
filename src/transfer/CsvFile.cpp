#include "CsvFile.h"

#include "TransferableList.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <csv.h>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const char Separators[] = {',', ';', '\t'};
constexpr qsizetype ChunkBytes = 1 << 18;

// Quoted also where RFC 4180 would not need it: values other programs would trim, split on a
// semicolon or tab, or (a lone empty value) take for an empty line.
bool needsQuotes(QStringView value, bool alone)
{
    if (value.isEmpty()) {
        return alone;
    }
    if (value.front() == QLatin1Char(' ') || value.back() == QLatin1Char(' ')) {
        return true;
    }
    return std::any_of(value.begin(), value.end(), [](QChar c) {
        switch (c.unicode()) {
        case ',':
        case ';':
        case '"':
        case '\r':
        case '\n':
        case '\t':
            return true;
        default:
            return false;
        }
    });
}

// Values go straight into the file's bytes: room for a whole record is made once, and no value
// gets a buffer of its own.
class Utf8Writer
{
public:
    QByteArray bytes = ByteOrderMark;

    void appendRecord(const QStringList& values)
    {
        // At most three bytes a UTF-16 unit, twice over where quotes are doubled, two quotes, a
        // separator or line end.
        qsizetype room = 2;
        for (const QString& value : values) {
            room += 6 * value.size() + 3;
        }
        const qsizetype at = bytes.size();
        bytes.resize(at + room);
        char* out = bytes.data() + at;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i > 0) {
                *out++ = ',';
            }
            out = appendValue(out, values.at(i), values.size() == 1);
        }
        *out++ = '\r';
        *out++ = '\n';
        bytes.resize(out - bytes.constData());
    }

private:
    char* appendValue(char* out, const QString& value, bool alone)
    {
        if (!needsQuotes(value, alone)) {
            return m_encoder.appendToBuffer(out, value);
        }
        m_value.resize(m_encoder.requiredSpace(value.size()));
        const size_t size =
            size_t(m_encoder.appendToBuffer(m_value.data(), value) - m_value.constData());
        return out + csv_write(out, 2 * size + 2, m_value.constData(), size);
    }

    QStringEncoder m_encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    QByteArray m_value;
};

// Spaces are part of a value: nothing is trimmed.
int noSpace(unsigned char)
{
    return 0;
}

struct Collector
{
    CsvFile::Table table;
    QStringList record;
    // A value may start with U+FEFF, which QString::fromUtf8 would drop as a byte-order mark.
    QStringDecoder utf8{QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom};
};

void onValue(void* text, size_t size, void* data)
{
    auto* collector = static_cast<Collector*>(data);
    collector->record.append(
        collector->utf8.decode(QByteArrayView(static_cast<const char*>(text), qsizetype(size))));
}

// -1 comes only from csv_fini, for a record the text's last line break did not end: that line
// break stood inside a quote that never closed.
void onRecordEnd(int terminator, void* data)
{
    auto* collector = static_cast<Collector*>(data);
    if (terminator == -1) {
        collector->table.unclosedQuoteRecord = int(collector->table.records.size()) + 1;
    } else {
        collector->table.records.append(collector->record);
    }
    collector->record.clear();
}

} // namespace

namespace CsvFile {

QByteArray encode(const TransferableList& list)
{
    Utf8Writer out;
    out.appendRecord(list.headings());
    for (int row = 0; row < list.rowCount(); ++row) {
        out.appendRecord(list.row(row));
    }
    return out.bytes;
}

char separatorOf(QStringView text)
{
    int counts[std::size(Separators)] = {};
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('\r') || c == QLatin1Char('\n'))) {
            break;
        }
        for (size_t i = 0; i < std::size(Separators); ++i) {
            counts[i] += !quoted && c == QLatin1Char(Separators[i]);
        }
    }
    size_t most = 0;
    for (size_t i = 1; i < std::size(Separators); ++i) {
        most = counts[i] > counts[most] ? i : most;
    }
    return Separators[most];
}

std::optional<Table> parse(const QByteArray& utf8, char separator,
                           const std::function<bool(qint64, qint64)>& carryOn)
{
    csv_parser parser;
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    csv_set_space_func(&parser, noSpace);
    // A value of many megabytes grows its buffer in few steps.
    csv_set_blk_size(&parser, 1 << 20);
    Collector collector;
    const qsizetype total = utf8.size();
    for (qsizetype done = 0; done < total; done += ChunkBytes) {
        const size_t size = size_t(std::min(ChunkBytes, total - done));
        if (csv_parse(&parser, utf8.constData() + done, size, onValue, onRecordEnd, &collector) !=
            size) {
            collector.table.error = QString::fromLatin1(csv_strerror(csv_error(&parser)));
            break;
        }
        if (!carryOn(done + qsizetype(size), total)) {
            csv_free(&parser);
            return std::nullopt;
        }
    }
    if (collector.table.error.isEmpty()) {
        // Ended by a line break, so that a record still open at the end is one in a quote.
        if (!utf8.endsWith('\n') && !utf8.endsWith('\r')) {
            csv_parse(&parser, "\n", 1, onValue, onRecordEnd, &collector);
        }
        csv_fini(&parser, onValue, onRecordEnd, &collector);
    }
    csv_free(&parser);
    return std::move(collector.table);
}

} // namespace CsvFile
