#include "ListTab.h"
#include "TestMain.h"
#include "platform/PictureBox.h"

#include <QHeaderView>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

enum class Trigger
{
    Display,
    PopUpDisplay, // its entry clicked in the pop-up menu a right click opened
    DoubleClick,
    DeleteTwice,
    DeleteKeyTwice,
    PopUpDelete,
    RightPress,
    MiddlePress
};
Q_DECLARE_METATYPE(Trigger)

enum class Gesture
{
    Click,          // in the middle of a heading
    DoubleClick,    // quick, in the middle of a heading
    GripDoubleClick // on the grip after a heading
};
Q_DECLARE_METATYPE(Gesture)

// The wish and the trade half: entry box, buttons, list and file.
struct Half
{
    QString entry, add, remove, save, list, file;
};
const Half Halves[]{{"Text12", "Command20", "Command23", "Command28", "List2", "file4.dtt"},
                    {"Text11", "Command14", "Command15", "Command25", "List1", "file3.dtt"}};

// A different colour in every pixel, so that a scaled or moved drawing shows.
static QImage pattern(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i)
        picture.setPixel(i % width, i / width, qRgb(i % 251, i / 251 % 251, i / 63001 * 40));
    return picture;
}

// Each list tab built alone, as a person works in it.
class ListTabsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_pictures;

    QString at(const QString& name) const
    {
        return name.isEmpty() ? name : m_pictures.filePath(name);
    }

private slots:
    // The tracker list: pages shown again in the first store, deleted; every change is written to
    // its file at once.
    void trackerCommands_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<int>("row"); // clicked or under the pointer; -1: none, below the rows
        QTest::addColumn<QList<int>>("listed"); // of the three rows
        QTest::addColumn<QString>("displayed");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("popUp");
        const auto row = [](const char* name, Trigger trigger, int row, const QList<int>& listed,
                            const QString& displayed = "", bool written = false,
                            bool popUp = false) {
            QTest::newRow(name) << trigger << row << listed << displayed << written << popUp;
        };
        const QList<int> three{0, 1, 2};
        row("DISPLAY, second row", Trigger::Display, 1, three, "http://a/walk");
        row("DISPLAY, none clicked", Trigger::Display, -1, three);
        row("DISPLAY, row without title", Trigger::Display, 2, three);
        row("pop-up Display", Trigger::PopUpDisplay, 1, three, "http://a/walk");
        row("double-click", Trigger::DoubleClick, 1, three, "http://a/walk");
        row("double-click below the rows", Trigger::DoubleClick, -1, three);
        row("DELETE twice", Trigger::DeleteTwice, 1, {0, 2}, "", true);
        row("Delete key twice", Trigger::DeleteKeyTwice, 1, {0, 2}, "", true);
        row("pop-up Delete", Trigger::PopUpDelete, 1, {0, 2}, "", true);
        row("DELETE, none clicked", Trigger::DeleteTwice, -1, three, "", true);
        row("right press", Trigger::RightPress, -1, three, "", false, true);
        row("middle press", Trigger::MiddlePress, 1, three);
    }

    void trackerCommands()
    {
        QFETCH(Trigger, trigger);
        QFETCH(int, row);
        QFETCH(QList<int>, listed);
        QFETCH(QString, displayed);
        QFETCH(bool, written);
        const Rows pages{{"Black Lotus, Alpha - eBay", "http://a/lotus"},
                         {"Time Walk | Troll and Toad", "http://a/walk"},
                         {"", "http://a/untitled"}};
        Rows expected;
        for (int page : listed)
            expected << pages[page];
        QTemporaryDir folder;
        const QString file = folder.filePath("file.dtt");
        const QByteArray prepared = lineFile(pages).replace("\r\n", "\n");
        writeFile(file, prepared);
        ListTab window(folder.path(), Program::TrackerTabIndex);
        auto* list = window.find<ListView>("ListView1");
        const QPoint place = row >= 0 ? list->visualRect(list->rows().index(row, 0)).center()
                                      : QPoint(10, list->viewport()->height() - 5);
        auto* menu = window.find<QMenu>("PopUp");
        if (trigger == Trigger::DoubleClick) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        } else if (trigger == Trigger::RightPress || trigger == Trigger::MiddlePress) {
            QTest::mousePress(list->viewport(),
                              trigger == Trigger::RightPress ? Qt::RightButton : Qt::MiddleButton,
                              {}, place);
        } else if (trigger == Trigger::PopUpDisplay || trigger == Trigger::PopUpDelete) {
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, place);
            auto* entry =
                window.find<QAction>(trigger == Trigger::PopUpDelete ? "Delete" : "Display");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        } else {
            if (row >= 0)
                window.clickRow("ListView1", row);
            for (int time = 0; time < (trigger == Trigger::Display ? 1 : 2); ++time) {
                if (trigger == Trigger::DeleteKeyTwice)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                else
                    window.click(trigger == Trigger::Display ? "Command5" : "Command6");
            }
        }
        QTEST(menu->isVisible(), "popUp");
        QCOMPARE(window.stores.displayed, QStringList(!displayed.isEmpty(), displayed));
        QCOMPARE(window.rows("ListView1"), expected);
        QCOMPARE(fileBytes(file), written ? lineFile(expected) : prepared);
        QCOMPARE(window.desktop.messages.shown.size(), 0);
    }

    // The entry panels of the price check and the collection: boxes typed into, buttons over a list
    // that only SAVE writes to its file.
    void entryPanel_data()
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
        const QStringList walk{"Time Walk", "", "", "900", "", "", "850"}, prices(7, "");
        const QStringList shivan{"Shivan Dragon", "5.00", "12.50", "9.99", "10.49", "11.00", "10"};
        const QStringList typing{"Mox Ruby", "$5,00",    " 12.50 ", "ten dollars",
                                 "",         "9.99 EUR", "7"};
        const QStringList mox{"Mox Jet", "83", "2", "Beta", "Played", "RARE", "1000", "2000", ""};
        const QStringList none{"", "", "", "", "", "COMMON", "", "", ""},
            rarity = none.mid(0, 5) + QStringList{"UNCOMMON", "", "", ""};
        const QStringList serra{"Serra Angel", "12",  "1",   "Alpha",           "Near Mint",
                                "UNCOMMON",    "$40", "$40", "/cards/serra.png"};
        const QStringList asTyped{
            " Serra Angel, Alpha ", "12", "x3", "Beta", "Near Mint ", "rare", "abc", "12,50", ""};
        const QStringList longCard(9, QString(100000, 'x'));
        // clang-format off
        row("price check: ADD twice, as typed", price, {walk}, typing, -1, {"Command8", "Command8"}, false, typing, {walk, typing, typing});
        row("price check: CLEAR", price, {walk}, typing, 0, {"Command24"}, false, prices, {walk});
        row("price check: DELETE twice", price, {shivan, walk, typing}, {}, 1, {"Command9", "Command9"}, false, prices, {shivan, typing});
        row("price check: Delete key twice", price, {shivan, walk, typing}, {}, 1, {"Command9", "Command9"}, true, prices, {shivan, typing});
        row("collection: ADD ALL twice, as typed", card, {}, asTyped.mid(0, 8), -1, {"Command2", "Command2"}, false, asTyped, {asTyped, asTyped});
        row("collection: EDIT, ADD ALL moves the card to the end", card, {serra, mox}, {}, 0, {"Command4", "Command2"}, false, serra, {mox, serra}, 1);
        row("collection: EDIT, CLEAR loses the card, keeps its rarity", card, {serra, mox}, {}, 0, {"Command4", "Command12"}, false, rarity, {mox}, 1);
        row("collection: EDIT, none clicked", card, {serra, mox}, {}, -1, {"Command4"}, false, none, {serra, mox}, 1);
        row("collection: EDIT, ADD ALL keeps 100,000 characters", card, {longCard}, {}, 0, {"Command4", "Command2"}, false, longCard, {longCard}, 1);
        row("collection: DELETE twice", card, {serra, mox, none}, {}, 1, {"Command3", "Command3"}, false, none, {serra, none});
        row("collection: Delete key twice", card, {serra, mox, none}, {}, 1, {"Command3", "Command3"}, true, none, {serra, none});
        // clang-format on
    }

    void entryPanel()
    {
        QFETCH(int, tab);
        QFETCH(Rows, before);
        QFETCH(QStringList, typed);
        QFETCH(int, clicked);
        QFETCH(QStringList, pressed);
        QFETCH(bool, byKey);
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
        QTEST(texts, "boxes");
        QCOMPARE(fileBytes(file), lineFile(before)); // no SAVE yet
        window.click(price ? "Command10" : "Command13");
        QCOMPARE(fileBytes(file), lineFile(saved));
        QCOMPARE(window.desktop.messages.shown.size(), reminders);
        for (const auto& shown : std::as_const(window.desktop.messages.shown))
            QCOMPARE(shown.title + ": " + shown.text,
                     "Vellumark - (Duelkin): Please press ADD ALL button after editing.");
    }

    // Clicks on the headings of a list view sort it, each flipping the direction; SAVE keeps the
    // order it finds.
    void headingClicksSort_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("keys");    // of the rows Mu, Zeta, alpha, in the last column
        QTest::addColumn<QList<int>>("headings"); // those clicked, in turn
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QStringList>("shown"); // the first column after the clicks
        QTest::addColumn<bool>("widened");      // the column of the grip
        const auto row = [](const char* name, int tab, const QStringList& keys,
                            const QList<int>& headings, Gesture gesture, const QStringList& shown,
                            bool widened = false) {
            QTest::newRow(name) << tab << keys << headings << gesture << shown << widened;
        };
        const int tracker = Program::TrackerTabIndex, price = Program::PriceCheckTabIndex,
                  collection = Program::CollectionTabIndex;
        // clang-format off
        row("price check: names down, up, then keys down, as text", price, {"10", "9", "100"}, {0, 0, 6}, Gesture::Click, {"Zeta", "alpha", "Mu"});
        row("collection: names down, then the narrow path column up", collection, {"b", "a", "c"}, {0, 8}, Gesture::Click, {"Zeta", "Mu", "alpha"});
        row("tracker: the narrow address column", tracker, {"c", "a", "b"}, {1}, Gesture::Click, {"Mu", "alpha", "Zeta"});
        row("price check: double-click, two flips", price, {"10", "9", "100"}, {0}, Gesture::DoubleClick, {"alpha", "Mu", "Zeta"});
        row("tracker: double-click on the narrow column", tracker, {"c", "a", "b"}, {1}, Gesture::DoubleClick, {"Zeta", "alpha", "Mu"});
        row("collection: double-click on the grip after Card Name", collection, {"c", "a", "b"}, {0}, Gesture::GripDoubleClick, {"Mu", "Zeta", "alpha"}, true);
        // clang-format on
    }

    void headingClicksSort()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, headings);
        QFETCH(Gesture, gesture);
        QFETCH(QStringList, shown);
        const QString list = QString("ListView%1").arg(tab - Program::TrackerTabIndex + 1),
                      file = QStringList{"file.dtt", "file5.dtt", "file2.dtt"}[tab - 5];
        const QStringList names{"Mu", "Zeta", "alpha"};
        const int columns = QList<int>{2, 7, 9}[tab - 5];
        Rows before, after;
        for (int row = 0; row < 3; ++row)
            before << (QStringList{names[row]} + QStringList(columns - 2, QString::number(row))
                       << keys[row]);
        for (const QString& name : shown)
            after << before[names.indexOf(name)];
        QTemporaryDir folder;
        writeFile(folder.filePath(file), lineFile(before));
        ListTab window(folder.path(), Program::TabIndex(tab));
        window.clickRow(list, 0); // the selection follows its row
        QHeaderView* h = window.find<ListView>(list)->header();
        const int width = h->sectionSize(0);
        for (int column : headings) {
            const int start = h->sectionViewportPosition(column), size = h->sectionSize(column);
            const QPoint at = h->viewport()->mapTo(
                window.tab.get(),
                QPoint(gesture == Gesture::GripDoubleClick ? start + size - 1 : start + size / 2,
                       h->height() / 2));
            if (gesture == Gesture::Click)
                QTest::mouseClick(window.tab->windowHandle(), Qt::LeftButton, {}, at);
            else
                QTest::mouseDClick(window.tab->windowHandle(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(window.rows(list), after);
        QCOMPARE(window.find<ListView>(list)->selectedRow(), shown.indexOf("Mu"));
        QTEST(h->sectionSize(0) != width, "widened");
        QCOMPARE(fileBytes(folder.filePath(file)), lineFile(before)); // sorting writes nothing
        if (tab != Program::TrackerTabIndex) {
            window.click(tab == Program::PriceCheckTabIndex ? "Command10" : "Command13");
            QCOMPARE(fileBytes(folder.filePath(file)), lineFile(after));
        }
    }

    // Two sorted lists of card names, each with its own box, buttons and file.
    void tradeAndWishHalves_data()
    {
        QTest::addColumn<bool>("trade");        // or wish
        QTest::addColumn<QStringList>("typed"); // each then added; "\n" as Enter
        QTest::addColumn<int>("clicked");       // then DELETE; -1: none
        QTest::addColumn<bool>("byKey");        // the Delete key twice in the place of DELETE
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, bool trade, const QStringList& typed, int clicked,
                            bool byKey, const QStringList& listed, const QByteArray& saved) {
            QTest::newRow(name) << trade << typed << clicked << byKey << listed << saved;
        };
        // clang-format off
        row("trade: sorted, case ignored, empty first; DELETE, none clicked", true, {"Zeta", "Mu", "alpha", "", "mu"}, -1, false, {"", "alpha", "Mu", "mu", "Zeta"}, "\"\"\r\n\"alpha\"\r\n\"Mu\"\r\n\"mu\"\r\n\"Zeta\"\r\n");
        row("trade: DELETE twice", true, {"a", "b", "c"}, 1, false, {"a", "c"}, "\"a\"\r\n\"c\"\r\n");
        row("wish: Delete key twice", false, {"a", "b", "c"}, 1, true, {"a", "c"}, "\"a\"\r\n\"c\"\r\n");
        row("wish: spaces, quotes, two lines", false, {" \"Hi\", Foil ", "b", "a\nb"}, -1, false, {" \"Hi\", Foil ", "a\nb", "b"}, "\" \"\"Hi\"\", Foil \"\r\n\"a\nb\"\r\n\"b\"\r\n");
        row("wish: the last one deleted", false, {"Mox Jet"}, 0, false, {}, "");
        // clang-format on
    }

    void tradeAndWishHalves()
    {
        QFETCH(bool, trade);
        QFETCH(QStringList, typed);
        QFETCH(int, clicked);
        QFETCH(bool, byKey);
        QFETCH(QStringList, listed);
        const Half &mine = Halves[trade], &other = Halves[!trade];
        QTemporaryDir folder;
        {
            ListTab window(folder.path(), Program::TradeWishTabIndex);
            for (const QString& entry : typed) {
                window.find<QPlainTextEdit>(mine.entry)->clear();
                QTest::mouseClick(window.find(mine.entry), Qt::LeftButton);
                const QStringList lines = entry.split('\n');
                for (int line = 0; line < lines.size(); ++line) {
                    if (line > 0)
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QTest::keyClicks(QApplication::focusWidget(), lines[line]);
                }
                window.click(mine.add);
            }
            QCOMPARE(window.find<QPlainTextEdit>(mine.entry)->toPlainText(), typed.last());
            if (clicked >= 0)
                window.clickRow(mine.list, clicked);
            for (int time = 0; time < 2; ++time) {
                if (byKey)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                else
                    window.click(mine.remove);
            }
            QCOMPARE(window.entries(mine.list), listed);
            QCOMPARE(fileBytes(folder.filePath(mine.file)), "missing"); // no SAVE yet
            window.click(mine.save);
            QTEST(fileBytes(folder.filePath(mine.file)), "saved");
            QCOMPARE(window.entries(other.list), QStringList());
            QCOMPARE(fileBytes(folder.filePath(other.file)), "missing");
        }
        QCOMPARE(ListTab(folder.path(), Program::TradeWishTabIndex).entries(mine.list), listed);
    }

    // Card pictures for the collection, readable and not.
    void initTestCase()
    {
        QImage photo(12000, 9000, QImage::Format_Grayscale8); // 108 megapixels
        for (int y = 0; y < photo.height(); ++y)
            memset(photo.scanLine(y), y % 256, size_t(photo.width()));
        QVERIFY(photo.save(at("huge.jpg"), "jpeg", 50));
        QVERIFY(pattern(8, 4).save(at("a.png")) && pattern(4, 9).save(at("c.png")) &&
                pattern(900, 900).save(at("big.png")) &&
                QFile::copy(at("big.png"), at("bad-half")) && QFile::resize(at("bad-half"), 999));
        writeFile(at("bad-text"), "Serra Angel, Alpha\r\n");
        writeFile(at("bad-huge"), QByteArray::fromHex("474946383961 50c350c3000000 2c00000000 "
                                                      "50c350c3000202440100 3b"));
        const QByteArray gif = QByteArray::fromHex("474946383961 01000100800000 000000ffffff "
                                                   "2c00000000010001000002024401 003b");
        writeFile(at("ok.gif"), gif);
        writeFile(at("bad-gif"), gif.chopped(3));
        for (const char* format : {"jpg", "bmp"}) {
            const QString good = at(QString("ok.") + format), bad = at("bad-") + format;
            QVERIFY(pattern(300, 300).save(good) && QFile::copy(good, bad) &&
                    QFile::resize(bad, QFileInfo(good).size() * 2 / 3));
        }
        // Qt decodes these cut-off files in part and calls that a success.
        for (const char* bad : {"bad-gif", "bad-jpg", "bad-bmp"})
            QVERIFY(!QImage(at(bad)).isNull());
        QFile trailed(at("ok.jpg")); // as a phone's motion photo, with more after the end
        QVERIFY(trailed.open(QIODevice::Append) && trailed.write(QByteArray(99, '\xD9')) == 99);
        trailed.close();
        writeFile(at("bad-empty"), "");
        QVERIFY(QDir().mkdir(at("bad-folder")));
    }

    // The card picture of the collection. The files chosen in turn with ADD PICTURE ("": Cancel),
    // then a double-click on a row. A file that cannot be shown leaves the picture, an empty path
    // and a warning naming it; a double-click shows the picture of a named row that has one it can
    // read, and warns of none.
    void cardPicture_data()
    {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("doubleClicked"); // -1: none
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("warning"); // a part of it, "": none
        const auto row = [](const char* name, const QStringList& chosen, int doubleClicked,
                            const QString& path, const QString& shown,
                            const QString& warning = "") {
            QTest::newRow(name) << chosen << doubleClicked << path << shown << warning;
        };
        row("Cancel first", {""}, -1, "", "");
        row("Cancel after a", {"a.png", ""}, -1, "a.png", "a.png");
        row("JPEG with a trailer, BMP, GIF", {"ok.jpg", "ok.bmp", "ok.gif"}, -1, "ok.gif",
            "ok.gif");
        row("larger than the box", {"big.png"}, -1, "big.png", "big.png");
        row("108 megapixels", {"huge.jpg"}, -1, "huge.jpg", "huge.jpg");
        for (const char* bad : {"text", "half", "jpg", "bmp", "gif", "empty", "folder"})
            row(bad, {"a.png", QString("bad-") + bad}, -1, "", "a.png", QString("bad-") + bad);
        row("huge", {"a.png", "bad-huge"}, -1, "", "a.png",
            "bad-huge is too large to be shown: 50000 × 50000 pixels");
        row("double-click: named, with a picture", {"c.png"}, 0, "c.png", "a.png");
        row("double-click: no name", {"a.png"}, 1, "a.png", "a.png");
        row("double-click: no picture", {"c.png"}, 2, "c.png", "");
        row("double-click: picture gone", {"c.png"}, 3, "c.png", "c.png");
        row("double-click: picture unreadable", {"c.png"}, 4, "c.png", "c.png");
        row("double-click: 108 megapixels", {"c.png"}, 5, "c.png", "huge.jpg");
    }

    void cardPicture()
    {
        QFETCH(QStringList, chosen);
        QFETCH(int, doubleClicked);
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        Rows rows{{"Card A", "a.png"},  {"", "c.png"},       {"Plain", ""},
                  {"Gone", "gone.png"}, {"Bad", "bad-half"}, {"Huge", "huge.jpg"}};
        for (QStringList& cells : rows)
            cells = QStringList{cells[0], "1", "", "", "", "RARE", "", "", at(cells[1])};
        writeFile(folder.filePath("file2.dtt"), lineFile(rows));
        ListTab window(folder.path(), Program::CollectionTabIndex);
        for (const QString& file : chosen) {
            window.desktop.files.nextAnswers = {at(file)};
            window.click("Command29");
        }
        auto* list = window.find<ListView>("ListView3");
        if (doubleClicked >= 0)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               list->visualRect(list->rows().index(doubleClicked, 0)).center());
        QCOMPARE(window.find<QLineEdit>("Text18")->text(), at(path));
        // Drawn unscaled from the top left, cut off at the box's own size.
        auto* box = window.find<PictureBox>("Picture1");
        QCOMPARE(box->size(), Twips::toPixels(0, 0, 2775, 3495).size());
        QImageReader reader(at(shown));
        reader.setClipRect({{0, 0}, box->size().boundedTo(reader.size())});
        const QImage expected = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(box->picture().isNull(), shown.isEmpty());
        if (!shown.isEmpty())
            QCOMPARE(
                box->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(expected.rect()),
                expected);
        QCOMPARE(window.desktop.files.filtersAsked, QStringList(chosen.size(), "All files|*.*"));
        QCOMPARE(window.desktop.messages.shown.size(), int(!warning.isEmpty()));
        QVERIFY(warning.isEmpty() || window.desktop.messages.shown[0].text.contains(at(warning)));
    }
};

VELLUMARK_TEST_MAIN(ListTabsTest)
#include "tst_listtabs.moc"
