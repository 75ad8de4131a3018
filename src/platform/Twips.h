#pragma once

#include <QRect>

// Control places are given in twips (1/1440 inch); this is the one place that turns them into
// pixels, following the screen's logical DPI so that the window scales with the desktop.
namespace Twips {

constexpr int PerInch = 1440;

int toPixels(int twips);
int fromPixels(int pixels);
QRect toPixels(int left, int top, int width, int height);

} // namespace Twips
