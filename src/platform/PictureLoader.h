#pragma once

#include <QImage>
#include <QString>

// Loads a picture file chosen by the user. Any file may be chosen, so the decoder is held to a
// memory budget: a file that is missing, is no picture, is cut off, or claims dimensions no card
// picture has gives a null image instead of a crash, an exhausted memory or a half-grey picture.
namespace PictureLoader {

constexpr int MemoryBudgetMegabytes = 256;

QImage load(const QString& path);

} // namespace PictureLoader
