#include "TextEncoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Windows-1252 is Latin-1 but for the bytes 0x80 to 0x9F. The five bytes it leaves unassigned
// stand for the control characters of the same number, so every byte has a character and back.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QChar ByteOrderMark(0xFEFF);
const QByteArray Utf8ByteOrderMark("\xEF\xBB\xBF");
const QByteArray Utf16LittleEndianMark("\xFF\xFE");
const QByteArray Utf16BigEndianMark("\xFE\xFF");

// Empty when a character has no place in Windows-1252.
std::optional<QByteArray> encodeWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const std::optional<char> byte = TextEncoding::windows1252Byte(c.unicode());
        if (!byte) {
            return std::nullopt;
        }
        *out++ = *byte;
    }
    return bytes;
}

// Windows Notepad saves "Unicode" as UTF-16 behind a byte-order mark, in either byte order.
std::optional<QStringConverter::Encoding> utf16ByteOrder(const QByteArray& bytes)
{
    if (bytes.startsWith(Utf16LittleEndianMark)) {
        return QStringConverter::Utf16LE;
    }
    if (bytes.startsWith(Utf16BigEndianMark)) {
        return QStringConverter::Utf16BE;
    }
    return std::nullopt;
}

// A file cut short may end in part of a character (one byte, or the first half of a surrogate
// pair), which is left out. A half pair elsewhere becomes U+FFFD, so that the text can be written
// again as it reads.
QString decodeUtf16(const QByteArray& bytes, QStringConverter::Encoding byteOrder)
{
    QStringDecoder utf16(byteOrder, QStringConverter::Flag::Stateless);
    QString text = utf16.decode(QByteArrayView(bytes).first(bytes.size() & ~qsizetype(1)));
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1);
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        } else if (text[i].isSurrogate()) {
            text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
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

// Whether the bytes start with a well-formed UTF-8 sequence of two to four bytes. Text written in
// Windows-1252 almost always fails this at its first letter beyond ASCII ("é" is a lone 0xE9),
// which spares decoding the whole file to find out.
bool startsWithMultiByteSequence(QByteArray::const_iterator at, QByteArray::const_iterator end)
{
    const auto lead = static_cast<unsigned char>(*at);
    const int continuationBytes = lead >= 0xC2 && lead <= 0xDF   ? 1
                                  : lead >= 0xE0 && lead <= 0xEF ? 2
                                  : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                                 : -1;
    if (continuationBytes < 0 || end - at <= continuationBytes) {
        return false;
    }
    return std::all_of(at + 1, at + 1 + continuationBytes,
                       [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; });
}

} // namespace

namespace TextEncoding {

QString decode(const QByteArray& bytes)
{
    if (const auto byteOrder = utf16ByteOrder(bytes)) {
        return decodeUtf16(bytes, *byteOrder);
    }
    if (isAscii(bytes)) {
        return QString::fromLatin1(bytes);
    }
    bool valid = false;
    QString text = decodeUtf8(bytes, &valid);
    return valid ? text : decodeWindows1252(bytes);
}

QByteArray toUtf8(QByteArray bytes)
{
    if (!QByteArrayView(bytes).isValidUtf8()) {
        return decode(bytes).toUtf8();
    }
    if (bytes.startsWith(Utf8ByteOrderMark)) {
        bytes.remove(0, Utf8ByteOrderMark.size());
    }
    return bytes;
}

QByteArray encode(const QString& text)
{
    const std::optional<QByteArray> bytes = encodeWindows1252(text);
    if (bytes && !readsBackDifferently(*bytes)) {
        return *bytes;
    }
    // Reading drops a byte-order mark at the start; a text that itself starts with U+FEFF keeps it
    // by standing behind a mark of its own.
    const QByteArray utf8 = text.toUtf8();
    return text.startsWith(ByteOrderMark) ? Utf8ByteOrderMark + utf8 : utf8;
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            value >= 0x80 && value < 0xA0 ? QChar(HighControlRange[value - 0x80]) : QChar(value);
    }
    return text;
}

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    const auto found = std::find(HighControlRange.cbegin(), HighControlRange.cend(), c);
    if (found == HighControlRange.cend()) {
        return std::nullopt;
    }
    return char(0x80 + (found - HighControlRange.cbegin()));
}

bool readsBackDifferently(const QByteArray& windows1252Bytes)
{
    if (utf16ByteOrder(windows1252Bytes)) {
        return true;
    }
    const auto firstHigh =
        std::find_if(windows1252Bytes.cbegin(), windows1252Bytes.cend(),
                     [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
    if (firstHigh == windows1252Bytes.cend() ||
        !startsWithMultiByteSequence(firstHigh, windows1252Bytes.cend())) {
        return false;
    }
    bool valid = false;
    decodeUtf8(windows1252Bytes, &valid);
    return valid;
}

} // namespace TextEncoding
