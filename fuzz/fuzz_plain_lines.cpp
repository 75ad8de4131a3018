// Reads any bytes as a plain-line file of 1 to 9 columns, writes the rows and reads them again. The
// first byte chooses the columns; the digits "1" to "9" stand for themselves. Reading straight from
// the bytes must give what reading their decoded text gives.
#include "FuzzCheck.h"
#include "data/DataFormats.h"
#include "data/TextEncoding.h"

using Rows = QVector<QStringList>;

namespace {

// What the format keeps of a value: it has no escape, so each CR LF, CR or LF is one space.
QString storable(QString value)
{
    return value.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void requireReadBack(const RowTable& rows, const RowTable& expected)
{
    const QByteArray written = DataFormats::encodePlainLines(rows);
    require(written == TextEncoding::encode(DataFormats::formatPlainLines(rows)),
            "the direct Windows-1252 writer gives the bytes of the text writer");
    require(DataFormats::readPlainLines(written, rows.columnCount()) == expected,
            "written rows read back as the format can carry them");
}

// Rows as the window may hold them after editing: values with line breaks, a last row cut short.
// Tabs separate the values here.
void requireEditedRowsReadBack(const QString& text, int columns)
{
    const QStringList values = text.split(QLatin1Char('\t'));
    Rows edited;
    Rows expected;
    for (qsizetype first = 0; first < values.size(); first += columns) {
        edited.append(values.mid(first, columns));
        QStringList row;
        for (const QString& value : edited.last()) {
            row.append(storable(value));
        }
        while (row.size() < columns) {
            row.append(QString());
        }
        expected.append(row);
    }
    const RowTable table(columns, edited);
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            require(table.cell(row, column) == edited.at(row).value(column),
                    "the table keeps every text as it was given");
        }
    }
    requireReadBack(table, RowTable(columns, expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const int columns = 1 + (data[0] + 5) % 9;
    const QByteArray bytes = bytesOf(data + 1, size - 1);
    const QString text = TextEncoding::decode(bytes);

    const RowTable rows = DataFormats::readPlainLines(bytes, columns);
    require(rows == DataFormats::parsePlainLines(text, columns),
            "the bytes read as their decoded text does");
    requireReadBack(rows, rows);
    requireEditedRowsReadBack(text, columns);
    return 0;
}
