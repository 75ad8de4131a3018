#include "TestMain.h"
#include "data/DataFormats.h"

using Rows = QVector<QStringList>;

class DataFormatsTest : public QObject
{
    Q_OBJECT

private slots:
    void plainLinesWrittenAndReadBack_data();
    void plainLinesWrittenAndReadBack();
    void plainLineBreakInValueBecomesOneSpace_data();
    void plainLineBreakInValueBecomesOneSpace();
    void plainLinesRead_data();
    void plainLinesRead();
    void quotedLinesWrittenAndReadBack_data();
    void quotedLinesWrittenAndReadBack();
    void quotedLinesRead_data();
    void quotedLinesRead();
    void quotedLinesManyOpeningQuotes();
};

void DataFormatsTest::plainLinesWrittenAndReadBack_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty list") << 2 << Rows{} << QString();
    QTest::newRow("tracker rows") << 2
                                  << Rows{{"Lotus, Black - Store", "http://s.example/a?b=1,2"},
                                          {"Second", "http://s.example/"}}
                                  << "Lotus, Black - Store\r\nhttp://s.example/a?b=1,2\r\n"
                                     "Second\r\nhttp://s.example/\r\n";
    QTest::newRow("quotes and spaces kept")
        << 3 << Rows{{"\"Foil\" card", "  both ends  ", " lead"}}
        << "\"Foil\" card\r\n  both ends  \r\n lead\r\n";
    QTest::newRow("empty values are empty lines")
        << 3 << Rows{{"", "", ""}, {"x", "", ""}} << "\r\n\r\n\r\nx\r\n\r\n\r\n";
    QTest::newRow("collection row, empty picture")
        << 9
        << Rows{{"Shivan Dragon", "174", "2", "Alpha", "NM", "Rare", "$1,200.00", "$2,400.00", ""}}
        << "Shivan Dragon\r\n174\r\n2\r\nAlpha\r\nNM\r\nRare\r\n$1,200.00\r\n$2,400.00\r\n\r\n";
}

void DataFormatsTest::plainLinesWrittenAndReadBack()
{
    QFETCH(int, columns);
    QFETCH(Rows, rows);
    QFETCH(QString, text);
    QCOMPARE(DataFormats::formatPlainLines(rows, columns), text);
    QCOMPARE(DataFormats::parsePlainLines(text, columns), rows);
}

void DataFormatsTest::plainLineBreakInValueBecomesOneSpace_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("CR LF") << "two\r\nlines"
                           << "two lines";
    QTest::newRow("LF") << "two\nlines"
                        << "two lines";
    QTest::newRow("CR") << "two\rlines"
                        << "two lines";
    QTest::newRow("LF CR is two breaks") << "a\n\rb"
                                         << "a  b";
    QTest::newRow("breaks at both ends") << "\r\nmid\n"
                                         << " mid ";
}

void DataFormatsTest::plainLineBreakInValueBecomesOneSpace()
{
    QFETCH(QString, value);
    QFETCH(QString, written);
    const QString text = DataFormats::formatPlainLines({{value, "next"}, {"row 2", ""}}, 2);
    QCOMPARE(text, written + "\r\nnext\r\nrow 2\r\n\r\n");
    // The records behind the value stay in their places.
    QCOMPARE(DataFormats::parsePlainLines(text, 2), (Rows{{written, "next"}, {"row 2", ""}}));
}

void DataFormatsTest::plainLinesRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("LF line ends") << "a\nb\nc\nd\n" << 2 << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR line ends") << "a\rb\rc\rd\r" << 2 << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("mixed line ends") << "a\r\nb\nc\rd" << 2 << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR then CR LF") << "a\r\r\nb\r\n" << 3 << Rows{{"a", "", "b"}};
    QTest::newRow("last line without line end") << "a\r\nb" << 2 << Rows{{"a", "b"}};
    QTest::newRow("partial last record kept") << "a\r\nb\r\nc\r\nd\r\n"
                                              << 3 << Rows{{"a", "b", "c"}, {"d", "", ""}};
    QTest::newRow("partial record of one empty line") << "\r\n" << 2 << Rows{{"", ""}};
    QTest::newRow("empty lines are values") << "\r\n\r\n\r\n\r\n" << 2 << Rows{{"", ""}, {"", ""}};
}

void DataFormatsTest::plainLinesRead()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    QFETCH(Rows, rows);
    QCOMPARE(DataFormats::parsePlainLines(text, columns), rows);
}

void DataFormatsTest::quotedLinesWrittenAndReadBack_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty list") << QStringList{} << QString();
    QTest::newRow("comma and empty entry")
        << QStringList{"Lotus, Black", ""} << "\"Lotus, Black\"\r\n\"\"\r\n";
    QTest::newRow("spaces at both ends") << QStringList{"  x  "} << "\"  x  \"\r\n";
    QTest::newRow("quotes doubled") << QStringList{"say \"hi\"", "\"", "end\""}
                                    << "\"say \"\"hi\"\"\"\r\n\"\"\"\"\r\n\"end\"\"\"\r\n";
    QTest::newRow("line breaks kept inside quotes")
        << QStringList{"a\r\nb", "c\nd", "e\rf", "g\r"}
        << "\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n";
}

void DataFormatsTest::quotedLinesWrittenAndReadBack()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, text);
    QCOMPARE(DataFormats::formatQuotedLines(entries), text);
    QCOMPARE(DataFormats::parseQuotedLines(text), entries);
}

void DataFormatsTest::quotedLinesRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("closing quote on a later line") << "\"first\r\nsecond\"\r\n\"next\"\r\n"
                                                   << QStringList{"first\r\nsecond", "next"};
    QTest::newRow("rest of line after closing quote ignored")
        << "\"card\", 3 copies\r\nx \"other\" y\r\n"
        << QStringList{"card", "other"};
    QTest::newRow("line without quote taken whole") << "plain, line\r\n  spaced  \r\n\r\n"
                                                    << QStringList{"plain, line", "  spaced  ", ""};
    QTest::newRow("unclosed quote taken whole, next line read")
        << "ok\r\nab\"open, never closed\r\n\"\"\r\nplain"
        << QStringList{"ok", "abopen, never closed", "", "plain"};
    QTest::newRow("doubled quote inside") << "\"a\"\"b\"\r\n" << QStringList{"a\"b"};
    QTest::newRow("LF line ends") << "\"a\"\n\"b\"\n" << QStringList{"a", "b"};
    QTest::newRow("CR line ends") << "\"a\"\r\"b\"\r" << QStringList{"a", "b"};
    QTest::newRow("last line without line end") << "\"a\"\r\n\"b\"" << QStringList{"a", "b"};
}

void DataFormatsTest::quotedLinesRead()
{
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    QCOMPARE(DataFormats::parseQuotedLines(text), entries);
}

void DataFormatsTest::quotedLinesManyOpeningQuotes()
{
    // The quote at the start of each next line closes the one before, so the lines pair up and
    // only the last, odd one stays open: read whole, without its quote.
    const int lines = 20001;
    QString text;
    for (int i = 0; i < lines; ++i) {
        text += QStringLiteral("\"x\r\n");
    }
    const QStringList entries = DataFormats::parseQuotedLines(text);
    QCOMPARE(entries.size(), lines / 2 + 1);
    QCOMPARE(entries.count(QStringLiteral("x\r\n")), lines / 2);
    QCOMPARE(entries.last(), QStringLiteral("x"));
}

VELLUMARK_TEST_MAIN(DataFormatsTest)
#include "tst_dataformats.moc"
