#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace {

qreal logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

} // namespace

namespace Twips {

int toPixels(int twips)
{
    return qRound(twips * logicalDpi() / PerInch);
}

int fromPixels(int pixels)
{
    return qRound(pixels * PerInch / logicalDpi());
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
