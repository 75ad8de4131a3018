#include "AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

namespace AppIcon {

QPixmap picture(const QSize& size)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap canvas(size * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    const int side = std::min(size.width(), size.height());
    const QPixmap square = icon().pixmap(QSize(side, side), ratio);
    QPainter painter(&canvas);
    painter.drawPixmap((size.width() - side) / 2, (size.height() - side) / 2, square);
    return canvas;
}

QIcon icon()
{
    // The resource holds one PNG per size, named by its side in pixels.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/appicon"));
    for (const QString& file : sizes.entryList(QDir::Files)) {
        icon.addFile(sizes.filePath(file));
    }
    return icon;
}

} // namespace AppIcon
