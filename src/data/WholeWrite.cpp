#include "WholeWrite.h"

#include <QByteArray>
#include <QSaveFile>

QString writeWholeAndCommit(QSaveFile& file, const QByteArray& bytes)
{
    // A write that stops short says nothing about why; the next one tells (a full disk, say).
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        written += part;
    }
    return file.commit() ? QString() : file.errorString();
}
