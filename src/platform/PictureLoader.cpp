#include "PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

namespace {

// Entropy-coded data never holds the end-of-picture marker FF D9 (an FF there is followed by 00 or
// a restart code), so a whole JPEG file has one after its first start-of-scan marker. The
// segments before that, where an embedded thumbnail may hold an FF D9, are skipped by length.
bool jpegCutOff(QFile& file)
{
    uchar* mapped = file.map(0, file.size());
    if (!mapped) {
        return true;
    }
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(file.size()));
    const auto at = [&bytes](qsizetype index) {
        return uchar(bytes.at(index));
    };
    bool cutOff = true;
    qsizetype position = 2; // after the start-of-picture marker
    while (position + 4 <= bytes.size() && at(position) == 0xFF) {
        const uchar marker = at(position + 1);
        if (marker == 0xDA) {
            cutOff = bytes.indexOf("\xFF\xD9", position + 2) < 0;
            break;
        }
        // An FF before a marker may be padding.
        position += marker == 0xFF ? 1 : 2 + (at(position + 2) << 8 | at(position + 3));
    }
    file.unmap(mapped);
    return cutOff;
}

// Qt's JPEG, GIF and BMP decoders fill in what a cut-off file lacks and call that a success; the
// file's own structure tells.
bool cutOff(const QByteArray& format, QFile& file)
{
    if (format == "jpeg") {
        return jpegCutOff(file);
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

Loaded load(const QString& path, const QSize& area)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&file);
    reader.setAllocationLimit(MemoryBudgetMegabytes);
    const QSize size = reader.size();
    const bool inPart = reader.supportsOption(QImageIOHandler::ClipRect);
    if (size.isValid()) {
        constexpr qint64 BytesPerPixel = 4;
        const qint64 limit = inPart ? MaxPartlyDecodedPixels
                                    : qint64(MemoryBudgetMegabytes) * 1024 * 1024 / BytesPerPixel;
        if (qint64(size.width()) * size.height() > limit) {
            return {QImage(), size};
        }
        if (inPart) {
            reader.setClipRect(QRect(QPoint(0, 0), size.boundedTo(area)));
        }
    }
    const QByteArray format = reader.format();
    const QImage picture = reader.read();
    if (picture.isNull() || cutOff(format, file)) {
        return {};
    }
    return {picture, QSize()};
}

} // namespace PictureLoader
