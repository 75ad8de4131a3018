#pragma once

#include <QFile>
#include <QStringList>
#include <QVector>
#include <QtTest>

using Rows = QVector<QStringList>;

// Each value followed by CR LF: the plain-line layout of the data files.
inline QByteArray crlf(const QStringList& lines)
{
    return lines.isEmpty() ? QByteArray() : (lines.join("\r\n") + "\r\n").toUtf8();
}

inline QByteArray fileBytes(const QString& path) // "missing" when there is no such file
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}
