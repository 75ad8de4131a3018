#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"

// Through the main window: eBay TRACK on a store tab and off the stores, then a double-click on
// the tracked page shows it again in the first store.
class TrackingWindowTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;

private slots:
    void trackThenDisplay()
    {
        const QString page = "/page/Mox-Pearl,Alpha"; // its title has a comma
        QTemporaryDir folder;
        TestWindow window(folder.path(), Program::CollectionTabIndex, m_server.hostAndPort());
        WebBrowser* first = window.form.WebBrowser1(0);
        QVERIFY(window.startPageShown());
        window.form.storeBrowsing().OpenStoreTabs();
        window.form.WebBrowser1(2)->Navigate(m_server.url(page));
        QVERIFY(m_server.showsPage(window.form.WebBrowser1(2), page));
        for (int tab : {2, int(Program::PriceCheckTabIndex)}) {
            window.form.SSTab1()->setCurrentIndex(tab);
            window.click("Command11");
            QCOMPARE(window.form.SSTab1()->currentIndex(), int(Program::TrackerTabIndex));
        }
        const QStringList tracked{"Mox-Pearl,Alpha", m_server.url(page).toString(), "", ""};
        QCOMPARE(window.rows("ListView1"), (Rows{tracked.mid(0, 2), tracked.mid(2)}));
        QCOMPARE(fileBytes(folder.filePath("file.dtt")), crlf(tracked));
        auto* list = window.find<ListView>("ListView1");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->rows().index(0, 0)).center());
        QCOMPARE(window.form.SSTab1()->currentIndex(), 0);
        QVERIFY(m_server.showsPage(first, page));
    }
};

VELLUMARK_TEST_MAIN(TrackingWindowTest)
#include "tst_trackingwindow.moc"
