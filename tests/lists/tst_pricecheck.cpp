#include "ListTab.h"
#include "TestMain.h"
#include "TestWindow.h" // the file helpers

// The boxes in the order of the list's columns.
const QStringList Boxes{"Text7", "Text8", "Text9", "Text10", "Text15", "Text16", "Text17"};
const char* const Add = "Command8";
const char* const Delete = "Command9";
const char* const Clear = "Command24";

class PriceCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // The boxes are typed in (none when empty), a row selected (-1: none), the buttons pressed;
    // in the boxes and the files "|" ends a line.
    void entryPanel_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("saved");
        const QString shivan = "Shivan Dragon|5.00|12.50|9.99|10.49|11.00|10|",
                      serra = "Serra Angel|1|2|3|4|5|6|";
        const QString walk = "Time Walk|||900|||850|", none = "||||||";
        const QStringList typing{"Mox Ruby", "$5,00",    " 12.50 ", "ten dollars",
                                 "",         "9.99 EUR", "7"};
        const QString typed = typing.join('|');
        QTest::newRow("ADD twice appends the boxes, unchanged, in column order")
            << serra << typing << -1 << QStringList{Add, Add} << typed
            << serra + typed + '|' + typed + '|';
        QTest::newRow("CLEAR empties the boxes and leaves the list")
            << serra << typing << 0 << QStringList{Clear} << none << serra;
        QTest::newRow("DELETE without a selection")
            << shivan + serra + walk << QStringList() << -1 << QStringList{Delete} << none
            << shivan + serra + walk;
        QTest::newRow("DELETE with a selection") << shivan + serra + walk << QStringList() << 1
                                                 << QStringList{Delete} << none << shivan + walk;
    }

    void entryPanel()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, typed);
        QFETCH(int, selected);
        QFETCH(QStringList, pressed);
        QFETCH(QString, boxes);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        const QString path = folder.filePath("file5.dtt");
        writeFile(path, before.replace('|', "\r\n").toUtf8());
        ListTab<PriceCheckTab> window(folder.path());
        for (int box = 0; box < typed.size(); ++box)
            window.type(Boxes[box], typed[box]);
        if (selected >= 0)
            window.find<ListView>("ListView2")->selectRow(selected);
        for (const QString& button : pressed)
            window.click(button);
        QStringList texts;
        for (const QString& box : Boxes)
            texts << window.find<QLineEdit>(box)->text();
        QCOMPARE(texts.join('|'), boxes);
        QCOMPARE(fileBytes(path), before.toUtf8()); // no SAVE yet
        window.click("Command10");
        QCOMPARE(fileBytes(path), saved.replace('|', "\r\n").toUtf8());
        QCOMPARE(window.desktop.messages.shown.size(), 0);
    }
};

VELLUMARK_TEST_MAIN(PriceCheckTest)
#include "tst_pricecheck.moc"
