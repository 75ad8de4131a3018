#include "TestMain.h"
#include "data/TextEncoding.h"

using TextEncoding::Encoding;

class TextEncodingTest : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void textSurvivesEncodeAndDecode_data();
    void textSurvivesEncodeAndDecode();
    void everyWindowsByteSurvives();
};

void TextEncodingTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("Lotus, \"Black\"\r\n") << "Lotus, \"Black\"\r\n";
    QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << "Café €";
    QTest::newRow("UTF-8 Japanese")
        << QByteArray("\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89") << "カード";
    QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80\x39\x96\x99") << "Café €9–™";
    QTest::newRow("Windows-1252 ending in a UTF-8 lead byte") << QByteArray("Caf\xE9") << "Café";
    QTest::newRow("invalid UTF-8 read whole as Windows-1252")
        << QByteArray("\xC3\xA9 \xE9") << "Ã© é";
}

void TextEncodingTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextEncoding::decode(bytes), text);
}

void TextEncodingTest::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("encoding");
    QTest::newRow("ASCII") << "Lotus\r\n" << QByteArray("Lotus\r\n") << Encoding::Windows1252;
    QTest::newRow("fits Windows-1252")
        << "Café €9–™" << QByteArray("Caf\xE9 \x80\x39\x96\x99") << Encoding::Windows1252;
    QTest::newRow("Japanese: UTF-8 without BOM")
        << "カード" << QByteArray("\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89") << Encoding::Utf8;
    QTest::newRow("one Greek letter makes the whole text UTF-8")
        << "Ωmega é" << QByteArray("\xCE\xA9mega \xC3\xA9") << Encoding::Utf8;
    QTest::newRow("Windows-1252 bytes that would read as UTF-8") << "Â£5"
                                                                 << QByteArray("\xC3\x82\xC2\xA3"
                                                                               "5")
                                                                 << Encoding::Utf8;
}

void TextEncodingTest::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, encoding);
    Encoding used = encoding == Encoding::Utf8 ? Encoding::Windows1252 : Encoding::Utf8;
    QCOMPARE(TextEncoding::encode(text, &used), bytes);
    QCOMPARE(used, encoding);
}

void TextEncodingTest::textSurvivesEncodeAndDecode_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Windows-1252 letters") << "Æther Vial, Señor Ünlü ½ ©";
    QTest::newRow("Japanese and Greek") << "ブラック・ロータス / Μαύρος Λωτός";
    // In Windows-1252 these are the bytes C2 A3 and C3 A9, which read as UTF-8 "£" and "é".
    QTest::newRow("Windows-1252 bytes that look like UTF-8") << "Â£5 Ã©";
    QTest::newRow("unassigned Windows-1252 places") << QString::fromUtf16(u"a\u0081\u008D\u009D");
}

void TextEncodingTest::textSurvivesEncodeAndDecode()
{
    QFETCH(QString, text);
    QCOMPARE(TextEncoding::decode(TextEncoding::encode(text)), text);
}

void TextEncodingTest::everyWindowsByteSurvives()
{
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes.append(char(byte));
    }
    const QString text = TextEncoding::decode(bytes);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    Encoding used = Encoding::Utf8;
    QCOMPARE(TextEncoding::encode(text, &used).toHex(' '), bytes.toHex(' '));
    QCOMPARE(used, Encoding::Windows1252);
    // The five bytes the code page leaves unassigned, each alone among ASCII.
    for (const char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const QByteArray line = QByteArray("x") + byte + "y";
        QCOMPARE(TextEncoding::encode(TextEncoding::decode(line)).toHex(), line.toHex());
    }
}

VELLUMARK_TEST_MAIN(TextEncodingTest)
#include "tst_textencoding.moc"
