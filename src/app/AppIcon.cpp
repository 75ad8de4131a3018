#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace AppIcon {

QPixmap picture(const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // A card stands upright: 5 wide to 7 high, centred in the picture.
    const qreal height = std::min<qreal>(size.height(), size.width() * 7.0 / 5.0) * 0.94;
    const qreal width = height * 5.0 / 7.0;
    const QRectF card((size.width() - width) / 2, (size.height() - height) / 2, width, height);
    const qreal corner = width * 0.08;

    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, QColor(120, 40, 140));
    face.setColorAt(1, QColor(50, 0, 60));
    painter.setPen(QPen(QColor(230, 190, 80), std::max<qreal>(1, width * 0.05)));
    painter.setBrush(face);
    painter.drawRoundedRect(card, corner, corner);

    QPainterPath letter;
    letter.moveTo(card.left() + width * 0.25, card.top() + height * 0.28);
    letter.lineTo(card.center().x(), card.top() + height * 0.74);
    letter.lineTo(card.right() - width * 0.25, card.top() + height * 0.28);
    painter.setPen(QPen(QColor(240, 210, 110), std::max<qreal>(1.5, width * 0.12), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letter);
    return pixmap;
}

QIcon icon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(picture(QSize(side, side)));
    }
    return icon;
}

} // namespace AppIcon
