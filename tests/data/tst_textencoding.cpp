#include "TestMain.h"
#include "data/TextEncoding.h"

using TextEncoding::Encoding;
constexpr Encoding Cp1252 = Encoding::Windows1252, Utf8 = Encoding::Utf8;

class TextEncodingTest : public QObject
{
    Q_OBJECT

private slots:
    // The bytes read as the text, and the text is written as the same bytes in `encoding`.
    void readAndWritten_data()
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

    void readAndWritten()
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

VELLUMARK_TEST_MAIN(TextEncodingTest)
#include "tst_textencoding.moc"
