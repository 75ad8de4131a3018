#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QString themeName(ToolIcons::Kind kind)
{
    switch (kind) {
    case ToolIcons::Kind::Back:
        return QStringLiteral("go-previous");
    case ToolIcons::Kind::Forward:
        return QStringLiteral("go-next");
    case ToolIcons::Kind::Stop:
        return QStringLiteral("process-stop");
    case ToolIcons::Kind::Refresh:
        return QStringLiteral("view-refresh");
    case ToolIcons::Kind::Print:
        return QStringLiteral("document-print");
    case ToolIcons::Kind::Go:
        return QStringLiteral("go-jump");
    }
    return {};
}

QPainterPath arrow(bool pointsLeft)
{
    QPainterPath path;
    path.moveTo(4, 12);
    path.lineTo(12, 4);
    path.lineTo(12, 9);
    path.lineTo(20, 9);
    path.lineTo(20, 15);
    path.lineTo(12, 15);
    path.lineTo(12, 20);
    path.closeSubpath();
    return pointsLeft ? path : QTransform(-1, 0, 0, 1, 24, 0).map(path);
}

void draw(QPainter& painter, ToolIcons::Kind kind)
{
    const QColor blue(40, 90, 170);
    painter.setPen(QPen(blue.darker(140), 1.2));
    switch (kind) {
    case ToolIcons::Kind::Back:
        painter.setBrush(blue);
        painter.drawPath(arrow(true));
        break;
    case ToolIcons::Kind::Forward:
        painter.setBrush(blue);
        painter.drawPath(arrow(false));
        break;
    case ToolIcons::Kind::Go:
        painter.setBrush(QColor(40, 150, 60));
        painter.setPen(QPen(QColor(20, 90, 30), 1.2));
        painter.drawPath(arrow(false));
        break;
    case ToolIcons::Kind::Stop: {
        painter.setBrush(QColor(200, 40, 40));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(3, 3, 18, 18));
        painter.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8, 8), QPointF(16, 16));
        painter.drawLine(QPointF(16, 8), QPointF(8, 16));
        break;
    }
    case ToolIcons::Kind::Refresh: {
        painter.setPen(QPen(QColor(40, 150, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(5, 5, 14, 14), 90 * 16, 270 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 150, 60));
        painter.drawPolygon(QPolygonF({QPointF(12, 1), QPointF(17, 5), QPointF(12, 9)}));
        break;
    }
    case ToolIcons::Kind::Print:
        painter.setPen(QPen(QColor(60, 60, 60), 1.2));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(7, 3, 10, 7));
        painter.setBrush(QColor(150, 150, 150));
        painter.drawRoundedRect(QRectF(3, 9, 18, 9), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(7, 14, 10, 7));
        break;
    }
}

QIcon drawnIcon(ToolIcons::Kind kind)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(24 * scale, 24 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

namespace ToolIcons {

QIcon icon(Kind kind)
{
    return QIcon::fromTheme(themeName(kind), drawnIcon(kind));
}

} // namespace ToolIcons
