#include "PictureLoader.h"

#include <QFileInfo>
#include <QImageReader>

namespace PictureLoader {

QImage load(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QImageReader reader(path);
    reader.setAllocationLimit(MemoryBudgetMegabytes);
    const QSize claimed = reader.size();
    constexpr qint64 BytesPerPixel = 4;
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() * BytesPerPixel >
                                 qint64(MemoryBudgetMegabytes) * 1024 * 1024) {
        return {};
    }
    return reader.read();
}

} // namespace PictureLoader
