#include "CsvFile.h"

#include "TransferableList.h"

#include <csv.h>

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
const char Separators[] = {',', ';', '\t'};
constexpr qsizetype ChunkBytes = 1 << 18;

// Quoted also where RFC 4180 would not need it: values other programs would trim, split on a
// semicolon or tab, or (a lone empty value) take for an empty line.
bool needsQuotes(const QByteArray& value, bool alone)
{
    if (value.isEmpty()) {
        return alone;
    }
    const auto isSpace = [](char c) {
        return c == ' ' || c == '\t';
    };
    return isSpace(value.front()) || isSpace(value.back()) || value.contains(',') ||
           value.contains(';') || value.contains('"') || value.contains('\r') ||
           value.contains('\n') || value.contains('\t');
}

void appendValue(QByteArray& out, const QString& value, bool alone)
{
    const QByteArray utf8 = value.toUtf8();
    if (!needsQuotes(utf8, alone)) {
        out += utf8;
        return;
    }
    const size_t size = csv_write(nullptr, 0, utf8.constData(), size_t(utf8.size()));
    const qsizetype at = out.size();
    out.resize(at + qsizetype(size));
    csv_write(out.data() + at, size, utf8.constData(), size_t(utf8.size()));
}

void appendRecord(QByteArray& out, const QStringList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendValue(out, values.at(i), values.size() == 1);
    }
    out += "\r\n";
}

// Spaces are part of a value: nothing is trimmed.
int noSpace(unsigned char)
{
    return 0;
}

struct Collector
{
    CsvFile::Table table;
    QStringList record;
};

void onValue(void* text, size_t size, void* data)
{
    static_cast<Collector*>(data)->record.append(
        QString::fromUtf8(static_cast<const char*>(text), qsizetype(size)));
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
    QByteArray out = ByteOrderMark;
    appendRecord(out, list.headings());
    for (int row = 0; row < list.rowCount(); ++row) {
        appendRecord(out, list.row(row));
    }
    return out;
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
