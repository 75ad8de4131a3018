#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

constexpr int FindIt = 0; // in place of a key: a click on "Find It!"

const QPair<QByteArray, QByteArray> Stores[] = {
    {"/Sorcelan%20", ""}, // by browser: the target around the term
    {"/search.asp?var=search&searchstr=", ""},
    {"/products/search.php?searchmode=basic&search_words=",
     "&search_category=1041&Image1.x=13&Image1.y=13"},
    {"/~magicsingles/catalog.html?Tp=6&VCS=5f0e9c1d2b7a4e38a6d1c0f9b2e47a3d&Vl=", ""},
    {"/search.aspx?type=1&active=1&producttype=1&name=", ""},
};

// Nothing in the term may end the value or start another key (a raw "+" reads as a space).
const QRegularExpression EncodedValue(R"(^([A-Za-z0-9._~!$'()*,:@-]|%[0-9A-Fa-f]{2})*$)");

class StoreSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void keysAndFindItSearchEveryStore_data();
    void keysAndFindItSearchEveryStore();
};

void StoreSearchTest::keysAndFindItSearchEveryStore_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("searches");
    const auto row = [](const char* name, int tab, int key, const QString& term, bool searches) {
        QTest::newRow(name) << tab << key << term << searches;
    };
    row("Find It!, box as it starts", Form1::CollectionTabIndex, FindIt, "SEARCH NOW!", true);
    row("Return on Price Check, empty", Form1::PriceCheckTabIndex, Qt::Key_Return, "", true);
    row("Enter, Trade/Wish", Form1::TradeWishTabIndex, Qt::Key_Enter, "R&D a#b 1+1 50% why?", true);
    row("Find It! on the first store tab", 0, FindIt, "  Æther Vial  ", true);
    row("Shift", Form1::CollectionTabIndex, Qt::Key_Shift, "Black Lotus", false);
    row("down arrow on the first store tab", 0, Qt::Key_Down, "Black Lotus", false);
    row("a letter on Tracker", Form1::TrackerTabIndex, Qt::Key_X, "Black Lotus", false);
}

void StoreSearchTest::keysAndFindItSearchEveryStore()
{
    QFETCH(int, tab);
    QFETCH(int, key);
    QFETCH(QString, term);
    QFETCH(bool, searches);
    LocalWebServer server;
    TestDesktop desktop;
    QTemporaryDir folder;
    Form1 form(folder.path(), desktop.services(), StoreHosts::allOn(server.hostAndPort()));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVector<int> starts; // browsers in the order their search loads started
    for (int browser = 0; browser < Form1::StoreCount; ++browser) {
        connect(form.WebBrowser1(browser)->page(), &QWebEnginePage::loadingChanged, this,
                [&starts, browser](const QWebEngineLoadingInfo& info) {
                    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus &&
                        info.url().host() == "127.0.0.1" && info.url().path() != "/index.htm")
                        starts.append(browser);
                });
    }
    const auto storeTabs = [&] { // the first caption, then whether each store tab is available
        QString state = form.SSTab1()->caption(0);
        for (int tab = 1; tab < Form1::StoreCount; ++tab)
            state += form.SSTab1()->isAvailable(tab) ? " +" : " -";
        return state;
    };
    auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    form.SSTab1()->setCurrentIndex(tab);
    if (term != "SEARCH NOW!") // else the box is left as it starts
        text1->setText(term);
    QCOMPARE(storeTabs(), "Home - - - -");

    if (key == FindIt) {
        form.findChild<QPushButton*>(QStringLiteral("Command21"))->click();
    } else {
        QTest::keyClick(text1, Qt::Key(key));
    }
    QCOMPARE(storeTabs(), "Ebay + + + +");
    QCOMPARE(form.SSTab1()->currentIndex(), tab);
    QCOMPARE(text1->text(), key == Qt::Key_X ? term + "x" : term);
    QVERIFY(waitUntil([&] { return starts.size() >= (searches ? Form1::StoreCount : 0); }));
    QCOMPARE(starts, (searches ? QVector<int>{0, 3, 2, 1, 4} : QVector<int>()));
    QTRY_VERIFY(server.pageTargets().size() - server.pageTargets().count("/index.htm") >=
                starts.size());
    QVERIFY(server.settle(form.WebBrowser1(0)));
    QList<QByteArray> received = server.pageTargets();
    received.removeAll("/index.htm");
    QCOMPARE(received.size(), searches ? Form1::StoreCount : 0); // each store once, or none
    QSet<int> storesAsked;
    for (const QByteArray& target : received) { // a method other than GET matches no store
        const auto* store = std::find_if(std::begin(Stores), std::end(Stores),
                                         [&](const auto& s) { return target.startsWith(s.first); });
        QVERIFY2(store != std::end(Stores) && target.endsWith(store->second), target);
        storesAsked.insert(store - Stores);
        const QByteArray value = target.sliced(store->first.size()).chopped(store->second.size());
        QVERIFY2(EncodedValue.match(QString::fromLatin1(value)).hasMatch(), target);
        QCOMPARE(QUrl::fromPercentEncoding(value), term);
    }
    QCOMPARE(storesAsked.size(), received.size());
    QCOMPARE(desktop.messages.shown.size(), 0);
}

VELLUMARK_TEST_MAIN(StoreSearchTest)
#include "tst_storesearch.moc"
