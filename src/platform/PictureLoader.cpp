#include "PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

// Qt's JPEG, GIF and BMP decoders fill in what a cut-off file lacks and call that a success; the
// file's own structure tells. The reader has just decoded the file from the start.
bool cutOff(const QByteArray& format, QFile& file)
{
    if (format == "jpeg") {
        // Decoding stops right after the end-of-picture marker, which a cut-off file never reaches.
        return !file.seek(file.pos() - 2) || file.read(2) != "\xFF\xD9";
    }
    if (format == "gif") {
        return !file.seek(file.size() - 1) || file.read(1) != ";";
    }
    if (format == "bmp") {
        // The header gives the size of the whole file.
        const QByteArray declared = file.seek(2) ? file.read(4) : QByteArray();
        return declared.size() != 4 ||
               qFromLittleEndian<quint32>(declared.constData()) > file.size();
    }
    return false;
}

} // namespace

namespace PictureLoader {

QImage load(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(MemoryBudgetMegabytes);
    const QSize claimed = reader.size();
    constexpr qint64 BytesPerPixel = 4;
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() * BytesPerPixel >
                                 qint64(MemoryBudgetMegabytes) * 1024 * 1024) {
        return {};
    }
    const QByteArray format = reader.format();
    const QImage picture = reader.read();
    return picture.isNull() || cutOff(format, file) ? QImage() : picture;
}

} // namespace PictureLoader
