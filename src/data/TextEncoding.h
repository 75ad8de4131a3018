#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The characters of a data file. Files from Windows come in its 8-bit code page (Windows-1252);
// files edited elsewhere may be UTF-8. Reading takes UTF-8 when the bytes are valid UTF-8 and
// Windows-1252 otherwise, which maps every one of the 256 byte values to a character and back;
// a file that starts with a UTF-16 byte-order mark (Notepad's "Unicode") is read as UTF-16.
// Writing keeps to Windows-1252 so that Windows programs can still read the file, unless a
// character (Japanese, Greek, ...) has no place in it, or its Windows-1252 bytes would read back
// as UTF-8 or UTF-16: then the file is written in UTF-8.
namespace TextEncoding {

QString decode(const QByteArray& bytes);
// The characters decode reads, in UTF-8 without a byte-order mark. Bytes that are UTF-8 already
// are kept as they are.
QByteArray toUtf8(QByteArray bytes);
// The characters of bytes known to be Windows-1252, as decode reads them then.
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encode(const QString& text);

// The Windows-1252 byte of a character, or none when the code page has no place for it.
std::optional<char> windows1252Byte(char16_t c);
// True when Windows-1252 bytes would be read back as other characters: they form valid UTF-8
// with at least one character beyond ASCII ("Â£" is C2 A3, read as "£"), or they start like
// UTF-16 ("ÿþ" is FF FE).
bool readsBackDifferently(const QByteArray& windows1252Bytes);

} // namespace TextEncoding
