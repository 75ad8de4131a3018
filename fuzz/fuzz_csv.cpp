// Reads any bytes as a CSV file, writes its records as an export does and reads them again.
#include "FuzzCheck.h"
#include "data/TextEncoding.h"
#include "transfer/CsvFile.h"
#include "transfer/TransferableList.h"

namespace {

// The first record as headings, the rest as rows of as many cells.
class Records : public TransferableList
{
public:
    explicit Records(const QVector<QStringList>& records)
        : m_headings(records.first())
        , m_rows(int(m_headings.size()), records.mid(1))
    {
    }
    QString listName() const override { return {}; }
    QStringList headings() const override { return m_headings; }
    void useRows(const std::function<void(const RowTable&)>& use) const override { use(m_rows); }
    void addRows(RowTable) override {}
    QVector<QStringList> all() const { return QVector<QStringList>{m_headings} + m_rows.toRows(); }

private:
    QStringList m_headings;
    RowTable m_rows;
};

struct Read
{
    QVector<QStringList> records;
    CsvFile::Reading reading;
};

Read readAll(const QByteArray& utf8, char separator)
{
    Read read;
    read.reading = *CsvFile::parse(
        utf8, separator, [](qint64, qint64) { return true; },
        [&read](const std::vector<QUtf8StringView>& values) {
            RowTable record(int(values.size()));
            record.appendRow(values.data(), int(values.size()));
            read.records.append(record.row(0));
        });
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const QByteArray utf8 = TextEncoding::toUtf8(bytes);
    require(utf8 == TextEncoding::decode(bytes).toUtf8(), "UTF-8 of the characters decode reads");
    const Read read = readAll(utf8, CsvFile::separatorOf(utf8));
    if (read.records.isEmpty()) {
        return 0;
    }
    // Quotes doubled, separators and line breaks inside quotes: every value comes back whole.
    const Records list(read.records);
    const Read again = readAll(CsvFile::encode(list).mid(3), ',');
    require(again.records == list.all() && again.reading.unclosedQuoteRecord == 0,
            "written records read back unchanged");
    return 0;
}
