#pragma once

#include <QByteArray>
#include <QString>

// The characters of a data file. Files from Windows come in its 8-bit code page (Windows-1252);
// files edited elsewhere may be UTF-8. Reading takes UTF-8 when the bytes are valid UTF-8 and
// Windows-1252 otherwise, which maps every one of the 256 byte values to a character and back.
// Writing keeps to Windows-1252 so that Windows programs can still read the file, unless a
// character (Japanese, Greek, ...) has no place in it, or its Windows-1252 bytes would read back
// as UTF-8: then the file is written in UTF-8.
namespace TextEncoding {

enum class Encoding
{
    Windows1252,
    Utf8
};

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text, Encoding* used = nullptr);

} // namespace TextEncoding
