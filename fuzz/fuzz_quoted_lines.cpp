// Reads any bytes as a quoted-line file, writes the entries and reads them again.
#include "FuzzCheck.h"
#include "data/DataFormats.h"
#include "data/TextEncoding.h"

namespace {

// Quotes are doubled and line breaks stay inside the quotes, so every entry comes back whole.
void requireReadBack(const QStringList& entries)
{
    const QByteArray written = TextEncoding::encode(DataFormats::formatQuotedLines(entries));
    require(DataFormats::parseQuotedLines(TextEncoding::decode(written)) == entries,
            "written entries read back unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = TextEncoding::decode(bytesOf(data, size));
    requireReadBack(DataFormats::parseQuotedLines(text));
    // Entries as a user may type them, separated by tabs here: quotes, line breaks, anything.
    requireReadBack(text.split(QLatin1Char('\t')));
    return 0;
}
