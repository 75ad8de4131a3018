#include "TestMain.h"
#include "app/WindowLayout.h"

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheWindow_data();
    void controlsFollowTheWindow();
};

void WindowLayoutTest::controlsFollowTheWindow_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("expected");
    // compact; browser h/w; tracker list w/h; price list w/h; Frame2 top; Frame3 top; Frame5 h;
    // Frame4 top; collection list w/h; picture top/h; tabs h/w; List1/List2 h; Text11/Text12 top
    QTest::newRow("worked example")
        << 9000 << 13800
        << QList<int>{0,     6850, 13150, 13150, 4400, 13150, 3800, 4850, 5050, 5000, 6050,
                      10150, 2850, 3500,  3495,  7450, 13350, 4000, 4000, 4650, 4650};
    QTest::newRow("1501, first height of the table")
        << 1501 << 4000 << QList<int>{0,   0, 3350, 3350, 0, 3350, 0, 1050, 650, 0,  1050,
                                      350, 0, 650,  3495, 0, 3550, 0, 0,    650, 650};
    QTest::newRow("1500, only browsers, collection list and tabs")
        << 1500 << 9000 << QList<int>{1,    1500, 9000, 0, 0,    0,    0, 0, 0, 0, 0,
                                      9000, 1500, 0,    0, 1500, 9000, 0, 0, 0, 0};
    QTest::newRow("collection list just empty")
        << 6150 << 3650 << QList<int>{0, 4000, 3000, 3000, 1550, 3000, 950,  2000, 2200, 2150, 3200,
                                      0, 0,    650,  3495, 4600, 3200, 1150, 1150, 1800, 1800};
    QTest::newRow("too small: sizes clamped at 0")
        << 2000 << 300 << QList<int>{0, 0, 0,   0,    0,   0, 0, 1050, 650, 0,  1050,
                                     0, 0, 650, 3495, 450, 0, 0, 0,    650, 650};
}

void WindowLayoutTest::controlsFollowTheWindow()
{
    QFETCH(int, height);
    QFETCH(int, width);
    QFETCH(QList<int>, expected);
    const WindowGeometry g = WindowLayout::compute(height, width);
    const QList<int> actual{int(g.compact),         g.browserHeight,       g.browserWidth,
                            g.trackerListWidth,     g.trackerListHeight,   g.priceListWidth,
                            g.priceListHeight,      g.priceFrameTop,       g.trackerFrameTop,
                            g.tradeWishFrameHeight, g.tradeWishButtonsTop, g.collectionListWidth,
                            g.collectionListHeight, g.pictureTop,          g.pictureHeight,
                            g.tabsHeight,           g.tabsWidth,           g.tradeListHeight,
                            g.wishListHeight,       g.tradeEntryTop,       g.wishEntryTop};
    QCOMPARE(actual, expected);
}

VELLUMARK_TEST_MAIN(WindowLayoutTest)
#include "tst_windowlayout.moc"
