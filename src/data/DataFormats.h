#pragma once

#include "platform/RowTable.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The two line formats of the data files, as text. Every line ends with CR LF when written; CR LF,
// LF alone and CR alone all end a line when read, so files edited on any system read back.
namespace DataFormats {

// Plain-line format: one value per line, a record of `columns` lines per row. A last record that
// is cut short still becomes a row, its missing cells empty.
RowTable parsePlainLines(QStringView text, int columns);
// The same from the bytes of a file, read as TextEncoding::decode reads them.
RowTable readPlainLines(const QByteArray& bytes, int columns);
// A line break inside a value is written as one space: every record keeps exactly its lines.
QString formatPlainLines(const RowTable& rows);
// The same, as the bytes of the file (see TextEncoding::encode for the characters).
QByteArray encodePlainLines(const RowTable& rows);

// Quoted-line format: one entry per line between double quotes, a double quote inside an entry
// doubled, line breaks inside an entry kept inside the quotes. Text after the closing quote is
// ignored. A line in another form (typed in an editor, or an entry with a quote written undoubled
// by the old Windows program) is one entry of its own: a line without a closing quote gives its
// text, less an opening quote at its start.
QStringList parseQuotedLines(QStringView text);
QString formatQuotedLines(const QStringList& entries);

} // namespace DataFormats
