#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "lists/collection/CollectionTab.h"
#include "lists/pricecheck/PriceCheckTab.h"
#include "lists/tracker/TrackerTab.h"
#include "lists/tradewish/TradeWishTab.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QWebEnginePage>

using Rows = QVector<QStringList>;

namespace {

// Files as a collector's earlier run left them, and the lists they give.
const QMap<QString, QByteArray> Prepared{
    {"file.dtt", "Black Lotus - eBay\r\nhttp://www.ebay.com/itm/1001\r\n"
                 "Mox Pearl, Alpha | eBay\r\nhttp://www.ebay.com/itm/1002\r\n"},
    {"file2.dtt", "Serra Angel, Alpha\r\n12\r\n1\r\nAlpha\r\n Near Mint \r\nUNCOMMON\r\n$40\r\n"
                  "$40\r\n/home/me/cards/serra.jpg\r\nTime Walk\r\n83\r\n2\r\nBeta\r\n"
                  "Played\r\nRARE\r\n1000\r\n2000\r\n\r\n"},
    {"file5.dtt", "Shivan Dragon\r\n5.00\r\n12.50\r\n9.99\r\n10.49\r\n11.00\r\n10\r\n"},
    {"file3.dtt", "\"Shivan Dragon\"\r\n\"Ancestral Recall\"\r\n\"Birds of Paradise, Foil\"\r\n"},
    {"file4.dtt", "\"Time Walk\"\r\n\"\"\r\n\"Mox Jet\"\r\n"},
};
const Rows Tracker{{"Black Lotus - eBay", "http://www.ebay.com/itm/1001"},
                   {"Mox Pearl, Alpha | eBay", "http://www.ebay.com/itm/1002"}};
const Rows Collection{{"Serra Angel, Alpha", "12", "1", "Alpha", " Near Mint ", "UNCOMMON", "$40",
                       "$40", "/home/me/cards/serra.jpg"},
                      {"Time Walk", "83", "2", "Beta", "Played", "RARE", "1000", "2000", ""}};
const Rows PriceCheck{{"Shivan Dragon", "5.00", "12.50", "9.99", "10.49", "11.00", "10"}};
const QStringList Trade{"Ancestral Recall", "Birds of Paradise, Foil", "Shivan Dragon"};
const QStringList Wish{"", "Mox Jet", "Time Walk"};

QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        QFile file(entry.filePath());
        contents.insert(entry.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return contents;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpAndFileClose_data()
    {
        QTest::addColumn<bool>("withFiles");
        QTest::addColumn<QString>("unreadable"); // a folder in the place of this file
        QTest::newRow("prepared files") << true << QString();
        QTest::newRow("first start, no files") << false << QString();
        QTest::newRow("folder in the place of file2.dtt") << true << QStringLiteral("file2.dtt");
    }

    void startUpAndFileClose()
    {
        QFETCH(bool, withFiles);
        QFETCH(QString, unreadable);
        QTemporaryDir folder;
        for (auto file = Prepared.cbegin(); withFiles && file != Prepared.cend(); ++file) {
            QFile out(folder.filePath(file.key()));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.value()) > 0);
        }
        QVERIFY(unreadable.isEmpty() || (QFile::remove(folder.filePath(unreadable)) &&
                                         QDir(folder.path()).mkdir(unreadable)));
        const auto before = snapshot(folder.path());
        TestDesktop desktop;
        Form1 window(folder.path(), desktop.services());
        window.show();

        const auto expect = [&](const char* file, auto list) {
            return withFiles && unreadable != file ? list : decltype(list){};
        };
        QCOMPARE(window.trackerTab()->ListView1->rows().rows(), expect("file.dtt", Tracker));
        QCOMPARE(window.collectionTab()->ListView3->rows().rows(), expect("file2.dtt", Collection));
        QCOMPARE(window.priceCheckTab()->ListView2->rows().rows(), expect("file5.dtt", PriceCheck));
        QCOMPARE(window.tradeWishTab()->List1->entries().entries(), expect("file3.dtt", Trade));
        QCOMPARE(window.tradeWishTab()->List2->entries().entries(), expect("file4.dtt", Wish));
        for (int tab = 0; tab < window.SSTab1()->count(); ++tab) {
            QCOMPARE(window.SSTab1()->isAvailable(tab), tab == 0 || tab >= Form1::TrackerTabIndex);
        }
        QCOMPARE(window.SSTab1()->currentIndex(), int(Form1::CollectionTabIndex));
        for (int i = 0; i < Form1::StoreCount; ++i) {
            QCOMPARE(window.WebBrowser1(i)->page()->requestedUrl().path(), i ? "" : "/index.htm");
        }
        const int messages = unreadable.isEmpty() ? 0 : 1;
        QTRY_COMPARE(desktop.messages.shown.size(), messages);
        QVERIFY(!messages || desktop.messages.shown[0].text.contains('/' + unreadable));

        // File, Close ends the program at once: no message, and the unsaved edits are not saved.
        window.collectionTab()->ListView3->rows().appendRow({"Mox Sapphire", "265"});
        window.tradeWishTab()->List1->AddItem("Lord of Atlantis");
        QTimer::singleShot(0, &window, [&] { window.findChild<QAction*>("closer")->trigger(); });
        QTimer::singleShot(1000, &window, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(desktop.messages.shown.size(), messages);
        QCOMPARE(snapshot(folder.path()), before);
    }
};

VELLUMARK_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
