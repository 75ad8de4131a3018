#include "TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

bool isAscii(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// Stateless, so that a sequence cut short by the end of the bytes counts as an error instead of
// being dropped: a Windows-1252 file may well end in a byte such as 0xE9 ("é").
QString decodeUtf8(const QByteArray& bytes, bool* valid)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    *valid = !utf8.hasError();
    return text;
}

} // namespace

namespace TextEncoding {

QString decode(const QByteArray& bytes)
{
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    bool valid = false;
    QString text = decodeUtf8(bytes, &valid);
    if (valid) {
        return text;
    }
    QStringDecoder windows1252("windows-1252");
    return windows1252.decode(bytes);
}

QByteArray encode(const QString& text, Encoding* used)
{
    if (used) {
        *used = Encoding::Windows1252;
    }
    if (isAscii(text)) {
        return text.toLatin1();
    }
    QStringEncoder windows1252("windows-1252");
    QByteArray bytes = windows1252.encode(text);
    if (!windows1252.hasError()) {
        // Windows-1252 bytes that happen to be valid UTF-8 ("Â£" is C2 A3) would come back as
        // other characters ("£"), so such a text is written in UTF-8 too.
        bool readsAsUtf8 = false;
        decodeUtf8(bytes, &readsAsUtf8);
        if (!readsAsUtf8) {
            return bytes;
        }
    }
    if (used) {
        *used = Encoding::Utf8;
    }
    return text.toUtf8();
}

} // namespace TextEncoding
