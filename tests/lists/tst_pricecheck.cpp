#include "ListsWindow.h"
#include "TestMain.h"

// The boxes in the order of the list's columns.
const QStringList Boxes{"Text7", "Text8", "Text9", "Text10", "Text15", "Text16", "Text17"};
const QHash<QString, QString> Buttons{
    {"ADD", "Command8"}, {"DELETE", "Command9"}, {"CLEAR", "Command24"}};

class PriceCheckTest : public QObject
{
    Q_OBJECT

private slots:
    // Steps are separated by ";"; in the boxes and the files "|" ends a line.
    void sequences_data()
    {
        for (const char* column : {"before", "steps", "boxes", "saved"})
            QTest::addColumn<QString>(column);
        const QString shivan = "Shivan Dragon|5.00|12.50|9.99|10.49|11.00|10|",
                      serra = "Serra Angel|1|2|3|4|5|6|";
        const QString walk = "Time Walk|||900|||850|", none = "||||||";
        const QString typed = "Mox Ruby|$5,00| 12.50 |ten dollars||9.99 EUR|7";
        const QString typing = "Text7=Mox Ruby;Text8=$5,00;Text9= 12.50 ;Text10=ten "
                               "dollars;Text15=;Text16=9.99 EUR;Text17=7;";
        QTest::newRow("ADD twice appends the boxes, unchanged, in column order")
            << serra << typing + "ADD;ADD" << typed << serra + typed + '|' + typed + '|';
        QTest::newRow("CLEAR empties the boxes and leaves the list")
            << serra << typing + "select 0;CLEAR" << none << serra;
        QTest::newRow("DELETE without, then with a selection")
            << shivan + serra + walk << QString("DELETE;select 1;DELETE") << none << shivan + walk;
    }

    void sequences()
    {
        QFETCH(QString, before);
        QFETCH(QString, steps);
        QFETCH(QString, boxes);
        QFETCH(QString, saved);
        QTemporaryDir folder;
        const QString path = folder.filePath("file5.dtt");
        writeFile(path, before.replace('|', "\r\n").toUtf8());
        ListsWindow window(folder.path(), Program::PriceCheckTabIndex);
        window.run(steps.split(';'), Buttons, "ListView2");
        QCOMPARE(window.texts(Boxes).join('|'), boxes);
        QCOMPARE(fileBytes(path), before.toUtf8()); // no SAVE yet
        window.click("Command10");
        QCOMPARE(fileBytes(path), saved.replace('|', "\r\n").toUtf8());
        QCOMPARE(window.desktop.messages.shown.size(), 0);
    }
};

VELLUMARK_TEST_MAIN(PriceCheckTest)
#include "tst_pricecheck.moc"
