#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFormats.h"
#include "data/TextEncoding.h"

class DataFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    // `text` is read into `rows`; the rows are written as `written`, or as `text` when empty.
    void plainLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("written");
        QTest::newRow("empty list") << "" << 2 << Rows{} << "";
        QTest::newRow("commas, quotes, spaces, empty values")
            << "Lotus, Black\r\n\"Foil\" card\r\n  both ends  \r\n\r\n"
            << 2 << Rows{{"Lotus, Black", "\"Foil\" card"}, {"  both ends  ", ""}} << "";
        QTest::newRow("Windows-1252 that reads as UTF-8") << "Â£" << 1 << Rows{{"Â£"}} << "Â£\r\n";
        QTest::newRow("LF, CR, partial last record")
            << "a\nb\rc" << 2 << Rows{{"a", "b"}, {"c", ""}} << "a\r\nb\r\nc\r\n\r\n";
        QTest::newRow("CR then CR LF") << "a\r\r\nb\r\n"
                                       << 3 << Rows{{"a", "", "b"}} << "a\r\n\r\nb\r\n";
        QTest::newRow("partial record of one empty line") << "\r\n"
                                                          << 2 << Rows{{"", ""}} << "\r\n\r\n";
    }

    void plainLines()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(Rows, rows);
        QFETCH(QString, written);
        const QString expected = written.isEmpty() ? text : written;
        QCOMPARE(DataFormats::parsePlainLines(text, columns), rows);
        QCOMPARE(DataFormats::formatPlainLines(rows, columns), expected);
        QCOMPARE(DataFormats::encodePlainLines(rows, columns), TextEncoding::encode(expected));
    }

    void plainLineBreakInValueBecomesOneSpace()
    {
        // CR LF, LF and CR are one break each; LF CR is two. Every record keeps its lines.
        const Rows rows{{"CR LF\r\nLF\nCR\rLF CR\n\r", "\r\nends\n"}, {"CR\ronly", ""}};
        const QString text = "CR LF LF CR LF CR  \r\n ends \r\nCR only\r\n\r\n";
        QCOMPARE(DataFormats::formatPlainLines(rows, 2), text);
        QCOMPARE(DataFormats::encodePlainLines(rows, 2), text.toLatin1());
        QCOMPARE(DataFormats::encodePlainLines({{"Ω\n"}}, 1), QByteArray("\xCE\xA9 \r\n"));
    }

    // `text` is read into `entries`; the entries are written as `written`, or as `text` when empty.
    void quotedLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("written");
        QTest::newRow("empty list") << "" << QStringList{} << "";
        QTest::newRow("comma, spaces, empty entry") << "\"A, B\"\r\n\" x \"\r\n\"\"\r\n"
                                                    << QStringList{"A, B", " x ", ""} << "";
        QTest::newRow("quotes doubled") << "\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n"
                                        << QStringList{"say \"hi\"", "\""} << "";
        QTest::newRow("line breaks kept inside quotes, quotes on the next lines")
            << "\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n\"\"\"\r\n\"\"x\"\"\r\n\"\r\n"
            << QStringList{"a\r\nb", "c\nd", "e\rf", "g\r", "\"\r\n\"x\"\r\n"} << "";
        QTest::newRow("text outside quotes ignored, line without quote taken whole")
            << "x \"a\" y\r\nb, c\r\n"
            << QStringList{"a", "b, c"} << "\"a\"\r\n\"b, c\"\r\n";
        QTest::newRow("open value ends at a line not written by this program, or at the end")
            << "\"a\r\nb\r\nc\"d\r\nf\"\r\ng\"\r\n\"e\r\nh"
            << QStringList{"a", "b", "c\"d", "f\"", "g\"", "e", "h"}
            << "\"a\"\r\n\"b\"\r\n\"c\"\"d\"\r\n\"f\"\"\"\r\n\"g\"\"\"\r\n\"e\"\r\n\"h\"\r\n";
        QTest::newRow("LF, CR, last line without line end")
            << "\"a\"\n\"b\"\r\"c\"" << QStringList{"a", "b", "c"} << "\"a\"\r\n\"b\"\r\n\"c\"\r\n";
    }

    void quotedLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QFETCH(QString, written);
        QCOMPARE(DataFormats::parseQuotedLines(text), entries);
        QCOMPARE(DataFormats::formatQuotedLines(entries), written.isEmpty() ? text : written);
    }
};

VELLUMARK_TEST_MAIN(DataFormatsTest)
#include "tst_dataformats.moc"
