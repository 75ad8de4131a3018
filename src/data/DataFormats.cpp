#include "DataFormats.h"

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

void appendWithoutLineBreaks(QString& out, const QString& value)
{
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (!isLineBreak(c)) {
            out.append(c);
            continue;
        }
        out.append(QLatin1Char(' '));
        if (c == CarriageReturn && i + 1 < value.size() && value[i + 1] == LineFeed) {
            ++i;
        }
    }
}

// Reads a quoted value whose opening quote stands just before `from`. Returns the position of
// the closing quote, or -1 when there is none before the end of the text.
//
// Whether a closing quote exists only depends on how the quotes pair up from `from` on; once a
// scan has run to the end of the text without one, any later scan that reaches a character other
// than a quote walks the same path and fails as well. `knownUnclosedFrom` remembers that, so a
// file full of unbalanced quotes is still read in one pass.
qsizetype readQuotedValue(QStringView text, qsizetype from, QString& value,
                          qsizetype& knownUnclosedFrom)
{
    value.clear();
    qsizetype i = from;
    while (i < text.size()) {
        if (text[i] != Quote) {
            if (knownUnclosedFrom >= 0 && i >= knownUnclosedFrom) {
                return -1;
            }
            value.append(text[i]);
            ++i;
        } else if (i + 1 < text.size() && text[i + 1] == Quote) {
            value.append(Quote);
            i += 2;
        } else {
            return i;
        }
    }
    if (knownUnclosedFrom < 0 || from < knownUnclosedFrom) {
        knownUnclosedFrom = from;
    }
    return -1;
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
    qsizetype size = 0;
    for (const QStringList& row : rows) {
        for (int column = 0; column < columns && column < row.size(); ++column) {
            size += row.at(column).size();
        }
        size += qsizetype(columns) * LineEnd.size();
    }
    QString out;
    out.reserve(size);
    for (const QStringList& row : rows) {
        for (int column = 0; column < columns; ++column) {
            if (column < row.size()) {
                appendWithoutLineBreaks(out, row.at(column));
            }
            out.append(LineEnd);
        }
    }
    return out;
}

QStringList parseQuotedLines(QStringView text)
{
    QStringList entries;
    QString value;
    qsizetype knownUnclosedFrom = -1;
    qsizetype position = 0;
    while (position < text.size()) {
        const qsizetype lineEnd = findLineEnd(text, position);
        const QStringView line = text.mid(position, lineEnd - position);
        const qsizetype opening = line.indexOf(Quote);
        if (opening < 0) {
            entries.append(line.toString());
            position = skipLineEnd(text, lineEnd);
            continue;
        }
        const qsizetype closing =
            readQuotedValue(text, position + opening + 1, value, knownUnclosedFrom);
        if (closing < 0) {
            entries.append(line.left(opening).toString() + line.mid(opening + 1).toString());
            position = skipLineEnd(text, lineEnd);
            continue;
        }
        entries.append(value);
        position = skipLineEnd(text, findLineEnd(text, closing + 1));
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
