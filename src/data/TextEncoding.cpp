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

} // namespace

namespace TextEncoding {

QString decode(const QByteArray& bytes)
{
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
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
        return bytes;
    }
    if (used) {
        *used = Encoding::Utf8;
    }
    return text.toUtf8();
}

} // namespace TextEncoding
