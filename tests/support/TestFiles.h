#pragma once

#include <QtTest>

using Rows = QVector<QStringList>;
using Snapshot = QMap<QString, QByteArray>;

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

// Everything below the folder by relative path: a file's bytes, "<folder>" or "<other>" (a pipe).
inline Snapshot snapshot(const QString& folder)
{
    Snapshot entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.insert(QDir(folder).relativeFilePath(entry.filePath()),
                       entry.isDir()    ? "<folder>"
                       : entry.isFile() ? fileBytes(entry.filePath())
                                        : "<other>");
    }
    return entries;
}
