#include "ListTab.h"
#include "TestMain.h"

#include <QLineEdit>

// The entry panels of the price check and the collection: boxes typed into, buttons over a list
// that only SAVE writes to its file.
class EntryPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void panel_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<Rows>("before");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("clicked"); // the row clicked first, -1: none
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<bool>("byKey"); // the Delete key on the list in the place of each press
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<Rows>("saved");
        QTest::addColumn<int>("reminders"); // EDIT's
        const auto row = [](const char* name, int tab, const Rows& before, const QStringList& typed,
                            int clicked, const QStringList& pressed, bool byKey,
                            const QStringList& boxes, const Rows& saved, int reminders = 0) {
            QTest::newRow(name) << tab << before << typed << clicked << pressed << byKey << boxes
                                << saved << reminders;
        };
        const int price = Program::PriceCheckTabIndex, card = Program::CollectionTabIndex;
        const QStringList shivan{"Shivan Dragon", "5.00", "12.50", "9.99", "10.49", "11.00", "10"},
            walk{"Time Walk", "", "", "900", "", "", "850"}, prices(7, ""),
            typing{"Mox Ruby", "$5,00", " 12.50 ", "ten dollars", "", "9.99 EUR", "7"};
        row("price check: ADD twice, as typed", price, {walk}, typing, -1, {"Command8", "Command8"},
            false, typing, {walk, typing, typing});
        row("price check: CLEAR", price, {walk}, typing, 0, {"Command24"}, false, prices, {walk});
        row("price check: DELETE twice", price, {shivan, walk, typing}, {}, 1,
            {"Command9", "Command9"}, false, prices, {shivan, typing});
        row("price check: Delete key twice", price, {shivan, walk, typing}, {}, 1,
            {"Command9", "Command9"}, true, prices, {shivan, typing});

        const QStringList serra{"Serra Angel", "12",  "1",   "Alpha",           "Near Mint",
                                "UNCOMMON",    "$40", "$40", "/cards/serra.png"},
            mox{"Mox Jet", "83", "2", "Beta", "Played", "RARE", "1000", "2000", ""},
            none{"", "", "", "", "", "COMMON", "", "", ""}, longCard(9, QString(100000, 'x')),
            asTyped{" Serra Angel, Alpha ",
                    "12",
                    "x3",
                    "Beta",
                    "Near Mint ",
                    "rare",
                    "abc",
                    "12,50",
                    ""};
        row("collection: ADD ALL twice, as typed", card, {}, asTyped.mid(0, 8), -1,
            {"Command2", "Command2"}, false, asTyped, {asTyped, asTyped});
        row("collection: EDIT, ADD ALL moves the card to the end", card, {serra, mox}, {}, 0,
            {"Command4", "Command2"}, false, serra, {mox, serra}, 1);
        row("collection: EDIT, CLEAR loses the card, keeps its rarity", card, {serra, mox}, {}, 0,
            {"Command4", "Command12"}, false, {"", "", "", "", "", "UNCOMMON", "", "", ""}, {mox},
            1);
        row("collection: EDIT, none clicked", card, {serra, mox}, {}, -1, {"Command4"}, false, none,
            {serra, mox}, 1);
        row("collection: EDIT, ADD ALL keeps 100,000 characters", card, {longCard}, {}, 0,
            {"Command4", "Command2"}, false, longCard, {longCard}, 1);
        row("collection: DELETE twice", card, {serra, mox, none}, {}, 1, {"Command3", "Command3"},
            false, none, {serra, none});
        row("collection: Delete key twice", card, {serra, mox, none}, {}, 1,
            {"Command3", "Command3"}, true, none, {serra, none});
    }

    void panel()
    {
        QFETCH(int, tab);
        QFETCH(Rows, before);
        QFETCH(QStringList, typed);
        QFETCH(int, clicked);
        QFETCH(QStringList, pressed);
        QFETCH(bool, byKey);
        QFETCH(QStringList, boxes);
        QFETCH(Rows, saved);
        QFETCH(int, reminders);
        const bool price = tab == Program::PriceCheckTabIndex;
        const QStringList boxNames =
            price ? QStringList{"Text7", "Text8", "Text9", "Text10", "Text15", "Text16", "Text17"}
                  : QStringList{"Text2",  "Text3",  "Text4",  "Text5", "Text6",
                                "Text19", "Text13", "Text14", "Text18"};
        QTemporaryDir folder;
        const QString file = folder.filePath(price ? "file5.dtt" : "file2.dtt");
        writeFile(file, lineFile(before));
        ListTab window(folder.path(), Program::TabIndex(tab));
        for (int box = 0; box < typed.size(); ++box)
            window.paste(boxNames[box], typed[box]);
        if (clicked >= 0)
            window.clickRow(price ? "ListView2" : "ListView3", clicked);
        for (const QString& button : pressed) {
            if (byKey)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
            else
                window.click(button);
        }
        QStringList texts;
        for (const QString& box : boxNames)
            texts << window.find<QLineEdit>(box)->text();
        QCOMPARE(texts, boxes);
        QCOMPARE(fileBytes(file), lineFile(before)); // no SAVE yet
        window.click(price ? "Command10" : "Command13");
        QCOMPARE(fileBytes(file), lineFile(saved));
        QCOMPARE(window.desktop.messages.shown.size(), reminders);
        for (const auto& shown : std::as_const(window.desktop.messages.shown))
            QCOMPARE(shown.title + ": " + shown.text,
                     "Vellumark - (Duelkin): Please press ADD ALL button after editing.");
    }
};

VELLUMARK_TEST_MAIN(EntryPanelTest)
#include "tst_entrypanel.moc"
