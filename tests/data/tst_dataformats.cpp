#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFormats.h"
#include "data/TextEncoding.h"

using TextEncoding::Encoding;
constexpr Encoding Cp1252 = Encoding::Windows1252, Utf8 = Encoding::Utf8;

// The two line formats of the data files, and the characters of their bytes.
class DataFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    // `text` is read into `rows`, and the rows are written as the bytes `written`.
    void plainLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("empty list") << "" << 2 << Rows{} << QByteArray();
        QTest::newRow("commas, quotes, spaces, empty values")
            << "Lotus, Black\r\n\"Foil\" card\r\n  both ends  \r\n\r\n"
            << 2 << Rows{{"Lotus, Black", "\"Foil\" card"}, {"  both ends  ", ""}}
            << QByteArray("Lotus, Black\r\n\"Foil\" card\r\n  both ends  \r\n\r\n");
        QTest::newRow("Windows-1252 beyond Latin-1") << "€5" << 1 << Rows{{"€5"}}
                                                     << QByteArray("\x80"
                                                                   "5\r\n");
        QTest::newRow("Windows-1252 that reads as UTF-8: written as UTF-8")
            << "Â£" << 1 << Rows{{"Â£"}} << QByteArray("\xC3\x82\xC2\xA3\r\n");
        QTest::newRow("beyond Windows-1252: the whole file UTF-8")
            << "é\r\nΩ" << 1 << Rows{{"é"}, {"Ω"}} << QByteArray("\xC3\xA9\r\n\xCE\xA9\r\n");
        QTest::newRow("LF, CR, partial last record")
            << "a\nb\rc" << 2 << Rows{{"a", "b"}, {"c", ""}} << QByteArray("a\r\nb\r\nc\r\n\r\n");
        QTest::newRow("CR then CR LF") << "a\r\r\nb\r\n"
                                       << 3 << Rows{{"a", "", "b"}} << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("partial record of one empty line")
            << "\r\n"
            << 2 << Rows{{"", ""}} << QByteArray("\r\n\r\n");
    }

    void plainLines()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(Rows, rows);
        QFETCH(QByteArray, written);
        QCOMPARE(DataFormats::parsePlainLines(text, columns), rows);
        QCOMPARE(DataFormats::encodePlainLines(rows, columns), written);
    }

    void plainLineBreakInValueBecomesOneSpace()
    {
        // CR LF, LF and CR are one break each; LF CR is two. Every record keeps its lines.
        const Rows rows{{"CR LF\r\nLF\nCR\rLF CR\n\r", "\r\nends\n"}, {"CR\ronly", "Ω\n"}};
        QCOMPARE(DataFormats::encodePlainLines(rows, 2),
                 QByteArray("CR LF LF CR LF CR  \r\n ends \r\nCR only\r\n\xCE\xA9 \r\n"));
    }

    // `text` is read into `entries`, and the entries are written as `written`.
    void quotedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("written");
        QTest::newRow("empty list") << "" << QStringList{} << "";
        QTest::newRow("comma, spaces, empty entry, quotes doubled")
            << "\"A, B\"\r\n\" x \"\r\n\"\"\r\n\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n"
            << QStringList{"A, B", " x ", "", "say \"hi\"", "\""}
            << "\"A, B\"\r\n\" x \"\r\n\"\"\r\n\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n";
        QTest::newRow("line breaks kept inside quotes, quotes on the next lines")
            << "\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n\"\"\"\r\n\"\"x\"\"\r\n\"\r\n"
            << QStringList{"a\r\nb", "c\nd", "e\rf", "g\r", "\"\r\n\"x\"\r\n"}
            << "\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n\"\"\"\r\n\"\"x\"\"\r\n\"\r\n";
        QTest::newRow("text outside quotes ignored, line without quote taken whole")
            << "x \"a\" y\r\nb, c\r\n"
            << QStringList{"a", "b, c"} << "\"a\"\r\n\"b, c\"\r\n";
        QTest::newRow("open value ends at a line not written by this program, or at the end")
            << "\"a\r\nb\r\nc\"d\r\nf\"\r\ng\"\r\n\"e\r\nh"
            << QStringList{"a", "b", "c\"d", "f\"", "g\"", "e", "h"}
            << "\"a\"\r\n\"b\"\r\n\"c\"\"d\"\r\n\"f\"\"\"\r\n\"g\"\"\"\r\n\"e\"\r\n\"h\"\r\n";
        QTest::newRow("quote written undoubled by the Windows program, inch mark, LF, CR, no end")
            << "\"12\"\"\r\n\"Mox\"\nPit 12\"\r\"c\"" << QStringList{"12\"", "Mox", "Pit 12\"", "c"}
            << "\"12\"\"\"\r\n\"Mox\"\r\n\"Pit 12\"\"\"\r\n\"c\"\r\n";
    }

    void quotedLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QFETCH(QString, written);
        QCOMPARE(DataFormats::parseQuotedLines(text), entries);
        QCOMPARE(DataFormats::formatQuotedLines(entries), written);
    }

    // The bytes read as the text, and the text is written as the same bytes in `encoding`.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Encoding>("encoding");
        QTest::newRow("ASCII") << QByteArray("Lotus, \"B\"\r\n") << "Lotus, \"B\"\r\n" << Cp1252;
        QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80\x96\x99") << "Café €–™" << Cp1252;
        QTest::newRow("Windows-1252 ending in a UTF-8 lead byte")
            << QByteArray("Caf\xE9") << "Café" << Cp1252;
        QTest::newRow("invalid UTF-8 read whole as Windows-1252")
            << QByteArray("\xC3\xA9 \xE9") << "Ã© é" << Cp1252;
        QTest::newRow("Japanese: UTF-8 without BOM")
            << QByteArray("\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89") << "カード" << Utf8;
        QTest::newRow("one Greek letter makes the whole text UTF-8")
            << QByteArray("\xCE\xA9mega \xC3\xA9") << "Ωmega é" << Utf8;
        QTest::newRow("Windows-1252 bytes that would read as UTF-8")
            << QByteArray("\xC3\x82\xC2\xA3!") << "Â£!" << Utf8;
        QTest::newRow("Windows-1252 bytes that would read as UTF-16 LE")
            << QByteArray("\xC3\xBF\xC3\xBE!") << "ÿþ!" << Utf8;
        QTest::newRow("Windows-1252 bytes that would read as UTF-16 BE")
            << QByteArray("\xC3\xBE\xC3\xBF!") << "þÿ!" << Utf8;
        QTest::newRow("text starting with U+FEFF keeps it behind a byte-order mark")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringView(u"\uFEFFx").toString()
            << Utf8;
    }

    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(Encoding, encoding);
        QCOMPARE(TextEncoding::decode(bytes), text);
        Encoding used = encoding == Utf8 ? Cp1252 : Utf8;
        QCOMPARE(TextEncoding::encode(text, &used), bytes);
        QCOMPARE(used, encoding);
    }
};

VELLUMARK_TEST_MAIN(DataFormatsTest)
#include "tst_dataformats.moc"
