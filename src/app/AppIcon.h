#pragma once

#include <QIcon>
#include <QPixmap>

// The program's picture, a trading card under a magnifier: the PNG sizes of the menu entry's
// icon, built into the program so that no SVG support is needed at run time.
namespace AppIcon {

// The picture fitted into size (a square one, centred), sharp at the screen's pixel ratio.
QPixmap picture(const QSize& size);
QIcon icon();

} // namespace AppIcon
