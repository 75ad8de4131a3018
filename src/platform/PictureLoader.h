#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Loads a picture file chosen by the user. Any file may be chosen, so the decoder is held to a
// memory budget: a file that is missing, is no picture, is cut off, or claims dimensions no card
// picture has gives a null image instead of a crash, an exhausted memory or a half-grey picture.
// Where the format allows it (JPEG), only the part within the given area from the top-left
// corner is decoded, so that a large photo shows without being held whole in memory.
namespace PictureLoader {

constexpr int MemoryBudgetMegabytes = 256;
// Even decoded in part, a picture claiming more is refused: libjpeg holds a progressive file's
// whole coefficients in memory, about 3 bytes per pixel.
constexpr qint64 MaxPartlyDecodedPixels = 200'000'000;

struct Loaded
{
    QImage picture; // null when the file cannot be shown
    QSize tooLarge; // the picture's size, when that alone keeps it from being shown
};

Loaded load(const QString& path, const QSize& area);

} // namespace PictureLoader
