// Reads any bytes as a CSV file, writes its records as an export does and reads them again.
#include "FuzzCheck.h"
#include "data/TextEncoding.h"
#include "transfer/CsvFile.h"
#include "transfer/TransferableList.h"

namespace {

// The records as a list: the first is the headings, the rest its rows.
class Records : public TransferableList
{
public:
    explicit Records(const QVector<QStringList>& records)
        : m_records(records)
    {
    }
    QString listName() const override { return {}; }
    QStringList headings() const override { return m_records.first(); }
    int rowCount() const override { return int(m_records.size()) - 1; }
    QStringList row(int index) const override { return m_records.at(index + 1); }
    void addRows(QVector<QStringList>) override {}

private:
    const QVector<QStringList>& m_records;
};

const auto carryOn = [](qint64, qint64) {
    return true;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = TextEncoding::decode(bytesOf(data, size));
    const CsvFile::Table read = *CsvFile::parse(text.toUtf8(), CsvFile::separatorOf(text), carryOn);
    if (read.records.isEmpty()) {
        return 0;
    }
    // Quotes doubled, separators and line breaks inside quotes: every value comes back whole.
    const QByteArray written = CsvFile::encode(Records(read.records));
    const CsvFile::Table again = *CsvFile::parse(written.mid(3), ',', carryOn);
    require(again.records == read.records && again.unclosedQuoteRecord == 0,
            "written records read back unchanged");
    return 0;
}
