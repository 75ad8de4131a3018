#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"

#include <QMenu>

const QString Tracked = QStringLiteral("/page/Mox-Pearl,Alpha"); // its title has a comma

QStringList lines(const Rows& rows)
{
    QStringList lines;
    for (const QStringList& row : rows)
        lines += row;
    return lines;
}

class TrackerTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;
    const Rows m_three{{"Black Lotus, Alpha - eBay", m_server.url("/page/lotus").toString()},
                       {"Time Walk | Troll and Toad", m_server.url("/page/walk").toString()},
                       {"", m_server.url("/page/untitled").toString()}};

private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<int>("tab");      // selected when the command comes
        QTest::addColumn<int>("selected"); // the row selected or under the pointer, -1: none, below
        QTest::addColumn<bool>("earlier"); // file.dtt holds the three rows (LF only) or is missing
        QTest::addColumn<Rows>("expected");
        const auto row = [](const char* trigger, const char* what, int tab, int selected,
                            bool earlier, const Rows& expected) {
            QTest::addRow("%s%s", trigger, what)
                << trigger << tab << selected << earlier << expected;
        };
        const QStringList page{"Mox-Pearl,Alpha", m_server.url(Tracked).toString()}, none{"", ""};
        const int tracker = Program::TrackerTabIndex;
        row("TRACK", " on the first store tab", 0, -1, false, {page});
        row("TRACK twice", "", 0, -1, false, {page, page});
        row("TRACK", " on Troll and Toad after rows", 2, -1, true, m_three + Rows{page});
        row("TRACK", " on Tracker", tracker, -1, false, {none}); // off the stores
        row("TRACK", " on Price Check after rows", Program::PriceCheckTabIndex, -1, true,
            m_three + Rows{none});
        row("TRACK", ", save fails", tracker, -1, true, m_three + Rows{none});
        row("DISPLAY", ", second row", tracker, 1, true, m_three);
        row("DISPLAY", ", nothing selected", tracker, -1, true, m_three);
        row("DISPLAY", ", row without title", tracker, 2, true, m_three);
        row("pop-up Display", ", second row", tracker, 1, true, m_three);
        row("double-click", ", second row", tracker, 1, true, m_three);
        row("double-click", " below the rows", tracker, -1, true, m_three);
        for (const char* trigger : {"DELETE", "pop-up Delete"})
            row(trigger, ", 2nd of 3", tracker, 1, true, {m_three[0], m_three[2]});
        row("DELETE", ", empty list", tracker, -1, false, {});
        row("DELETE", ", nothing selected", tracker, -1, true, m_three); // still written anew
        row("DELETE", ", save fails", tracker, 0, true, {m_three[1], m_three[2]});
        for (const char* button : {"right", "left", "middle"}) {
            row(button, " press over a row", tracker, 1, true, m_three);
            row(button, " press below the rows", tracker, -1, true, m_three);
        }
    }

    void commands()
    {
        QFETCH(QString, trigger);
        QFETCH(int, tab);
        QFETCH(int, selected);
        QFETCH(bool, earlier);
        QFETCH(Rows, expected);
        const bool writes =
            QStringList{"TRACK", "TRACK twice", "DELETE", "pop-up Delete"}.contains(trigger);
        const QByteArray prepared = crlf(lines(m_three)).replace("\r\n", "\n");
        QTemporaryDir dir;
        if (earlier)
            writeFile(dir.filePath("file.dtt"), prepared);
        TestWindow window(dir.path(), Program::CollectionTabIndex, m_server.hostAndPort());
        WebBrowser* first = window.form.WebBrowser1(0);
        QVERIFY(m_server.showsPage(first, "/index.htm") && m_server.settle(first));
        if (tab < Form1::StoreCount) { // tracking a page
            window.form.storeBrowsing().OpenStoreTabs();
            window.form.WebBrowser1(tab)->Navigate(m_server.url(Tracked));
            QVERIFY(m_server.showsPage(window.form.WebBrowser1(tab), Tracked));
        }
        m_server.clearRequests();
        window.form.SSTab1()->setCurrentIndex(tab);
        ListView* list = window.find<ListView>("ListView1");
        const QRect row = list->visualRect(list->model()->index(selected, 0)); // none for -1
        const QPoint place =
            selected >= 0 ? row.center() : QPoint(10, list->viewport()->height() - 5);
        const auto button =
            Qt::MouseButton(QStringList{"left", "right", "", "middle"}.indexOf(trigger) + 1);
        const bool displays = !writes && !button && selected == 1; // the titled second row
        const QUrl shown = displays ? m_server.url("/page/walk") : first->url();
        list->selectRow(button || trigger == "double-click" ? -1 : selected);
        const bool fails = QByteArray(QTest::currentDataTag()).endsWith("fails") && dir.remove();
        if (button) {
            QTest::mousePress(list->viewport(), button, {}, place);
        } else if (trigger == "double-click") {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        } else if (trigger.startsWith("pop-up")) {
            window.trigger(trigger.section(' ', 1));
        } else {
            for (int time = 0; time < (trigger == "TRACK twice" ? 2 : 1); ++time) {
                window.form.SSTab1()->setCurrentIndex(tab);
                window.click(trigger.startsWith("TRACK") ? "Command11"
                             : trigger == "DELETE"       ? "Command6"
                                                         : "Command5");
            }
        }
        QCOMPARE(window.find<QMenu>("PopUp")->isVisible(), trigger == "right");
        QVERIFY(writes || button || list->selectedRow() == selected);
        QVERIFY(m_server.settle(first) && waitUntil([&] { return first->url() == shown; }));
        QCOMPARE(m_server.pageTargets(), QList<QByteArray>(displays, "/page/walk"));
        QCOMPARE(window.form.SSTab1()->currentIndex(),
                 displays ? 0 : int(Program::TrackerTabIndex));
        QCOMPARE(window.rows("ListView1"), expected);
        QCOMPARE(fileBytes(dir.filePath("file.dtt")), fails    ? "missing"
                                                      : writes ? crlf(lines(expected))
                                                               : prepared);
        // A failed save is reported, naming the file.
        QCOMPARE(window.desktop.messages.shown.size(), int(fails));
        QVERIFY(!fails || window.desktop.messages.shown.first().text.contains("file.dtt"));
    }
};

VELLUMARK_TEST_MAIN(TrackerTest)
#include "tst_tracker.moc"
