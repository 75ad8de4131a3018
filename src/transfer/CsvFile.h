#pragma once

#include <QByteArray>
#include <QString>
#include <QUtf8StringView>
#include <functional>
#include <optional>
#include <vector>

class TransferableList;

// Lists as CSV files, the form spreadsheets and other collection programs read and write.
namespace CsvFile {

// Headings, then every row in the list's order: quoted as RFC 4180 says, UTF-8 behind a
// byte-order mark (so that spreadsheets show "Æther Vial" and "€" rightly), CR LF after each.
QByteArray encode(const TransferableList& list);

// Comma, semicolon or tab: the one that stands most often in the first row, outside quotes.
char separatorOf(QByteArrayView utf8);

// How far a file could be read.
struct Reading
{
    // The record whose quote opens and never closes, counted from 1; 0 for none. It and the rest
    // of the file, which it swallowed, were not read.
    int unclosedQuoteRecord = 0;
    QString error; // set when the parser gave up (memory)
};

// A record's values in UTF-8, which last until the call returns.
using RecordUse = std::function<void(const std::vector<QUtf8StringView>& values)>;

// Calls use with each record of UTF-8 text; empty lines are none. Values keep spaces at either
// end. Calls carryOn(done, total bytes) now and then; nullopt when that says stop.
std::optional<Reading> parse(const QByteArray& utf8, char separator,
                             const std::function<bool(qint64, qint64)>& carryOn,
                             const RecordUse& use);

} // namespace CsvFile
