#include "TestMain.h"
#include "app/WindowLayout.h"

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void largeControlsFollowTheWindow_data();
    void largeControlsFollowTheWindow();
    void compactBranchOnlyMovesBrowsersCollectionAndTabs();
    void sizesNeverGoNegative_data();
    void sizesNeverGoNegative();
};

void WindowLayoutTest::largeControlsFollowTheWindow_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("expected");
    // browser h/w, tracker list w/h, frame3 top, price list w/h, frame2 top, frame5 h, frame4 top,
    // lists h, entry top, collection w/h, picture top/h, tabs h/w
    QTest::newRow("worked example")
        << 9000 << 13800 << QList<int>{6850, 13150, 13150, 4400,  5050, 13150, 3800, 4850, 5000,
                                       6050, 4000,  4650,  10150, 2850, 3500,  3495, 7450, 13350};
    QTest::newRow("first height of the table")
        << 1501 << 4000 << QList<int>{0,    3350, 3350, 0,   650, 3350, 0,    1050, 0,
                                      1050, 0,    650,  350, 0,   650,  3495, 0,    3550};
    QTest::newRow("collection list just empty")
        << 6150 << 3650 << QList<int>{4000, 3000, 3000, 1550, 2200, 3000, 950,  2000, 2150,
                                      3200, 1150, 1800, 0,    0,    650,  3495, 4600, 3200};
}

void WindowLayoutTest::largeControlsFollowTheWindow()
{
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(QList<int>, expected);
    const WindowGeometry g = WindowLayout::compute(height, width);
    QVERIFY(!g.compact);
    const QList<int> actual{g.browserHeight,       g.browserWidth,         g.trackerListWidth,
                            g.trackerListHeight,   g.trackerFrameTop,      g.priceListWidth,
                            g.priceListHeight,     g.priceFrameTop,        g.tradeWishFrameHeight,
                            g.tradeWishButtonsTop, g.tradeListHeight,      g.tradeEntryTop,
                            g.collectionListWidth, g.collectionListHeight, g.pictureTop,
                            g.pictureHeight,       g.tabsHeight,           g.tabsWidth};
    QCOMPARE(actual, expected);
    QCOMPARE(g.wishListHeight, g.tradeListHeight);
    QCOMPARE(g.wishEntryTop, g.tradeEntryTop);
}

void WindowLayoutTest::compactBranchOnlyMovesBrowsersCollectionAndTabs()
{
    const WindowGeometry g = WindowLayout::compute(1500, 9000);
    QVERIFY(g.compact);
    QCOMPARE(g.browserHeight, 1500);
    QCOMPARE(g.browserWidth, 9000);
    QCOMPARE(g.collectionListHeight, 1500);
    QCOMPARE(g.collectionListWidth, 9000);
    QCOMPARE(g.tabsHeight, 1500);
    QCOMPARE(g.tabsWidth, 9000);
}

void WindowLayoutTest::sizesNeverGoNegative_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::newRow("minimized") << 0 << 0;
    QTest::newRow("low window") << 2000 << 300;
    QTest::newRow("narrow window") << 5000 << 100;
}

void WindowLayoutTest::sizesNeverGoNegative()
{
    QFETCH(int, height);
    QFETCH(int, width);
    const WindowGeometry g = WindowLayout::compute(height, width);
    for (int size :
         {g.browserHeight, g.browserWidth, g.trackerListWidth, g.trackerListHeight,
          g.priceListWidth, g.priceListHeight, g.tradeWishFrameHeight, g.collectionListWidth,
          g.collectionListHeight, g.tabsHeight, g.tabsWidth, g.tradeListHeight, g.wishListHeight}) {
        QVERIFY(size >= 0);
    }
}

VELLUMARK_TEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
