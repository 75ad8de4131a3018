#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture: a trading card with a "V" on it.
namespace AppIcon {

QPixmap picture(const QSize& size);
QIcon icon();

} // namespace AppIcon
