// Decodes any bytes as a data file's text and encodes it again; encodes any UTF-16 text.
#include "FuzzCheck.h"
#include "data/TextEncoding.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    const QString text = TextEncoding::decode(bytes);
    const QByteArray written = TextEncoding::encode(text);
    require(TextEncoding::decode(written) == text, "text read from a file reads back the same");
    require(TextEncoding::encode(TextEncoding::decode(written)) == written,
            "a file written once is written the same again");
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!bytes.isValidUtf8() && !utf16) {
        require(written == bytes, "a Windows-1252 file is written back byte for byte");
    }

    // Text typed in the window need not have come from a file.
    QString typed(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(typed.data(), data, size / 2 * 2);
    if (QStringView(typed).isValidUtf16()) {
        require(TextEncoding::decode(TextEncoding::encode(typed)) == typed,
                "typed text is written so that it reads back the same");
    }
    return 0;
}
