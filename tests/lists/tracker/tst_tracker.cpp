#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "browse/StoreBrowsing.h"
#include "lists/tracker/TrackerTab.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>

using Rows = QVector<QStringList>;

QByteArray fileLines(const Rows& rows, const QString& end = "\r\n")
{
    QByteArray bytes;
    for (const QStringList& row : rows)
        bytes += (row.join(end) + end).toUtf8();
    return bytes;
}

class TrackerTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();

private:
    LocalWebServer m_server;
    const Rows m_three{{"Black Lotus, Alpha - eBay", m_server.url("/page/lotus").toString()},
                       {"Time Walk | Troll and Toad", m_server.url("/page/walk").toString()},
                       {"", m_server.url("/page/untitled").toString()}};
};

void TrackerTest::commands_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("tab");      // selected when the command comes
    QTest::addColumn<int>("selected"); // the row selected or under the pointer, -1: none, below
    QTest::addColumn<bool>("earlier"); // file.dtt holds the three rows (LF only) or is missing
    QTest::addColumn<Rows>("expected");
    const auto row = [](const char* trigger, const char* what, int tab, int selected, bool earlier,
                        const Rows& expected) {
        QTest::addRow("%s%s", trigger, what) << trigger << tab << selected << earlier << expected;
    };
    const QStringList page{"Mox-Pearl,Alpha", m_server.url("/page/Mox-Pearl,Alpha").toString()};
    const int tracker = Form1::TrackerTabIndex, priceCheck = Form1::PriceCheckTabIndex;
    row("TRACK", " on the first store tab", 0, -1, false, {page});
    row("TRACK twice", "", 0, -1, false, {page, page});
    row("TRACK", " on Troll and Toad after rows", 2, -1, true, m_three + Rows{page});
    row("TRACK", " on Tracker", tracker, -1, false, {{"", ""}}); // off the stores
    row("TRACK", " on Price Check after rows", priceCheck, -1, true, m_three + Rows{{"", ""}});
    row("TRACK", ", save fails", tracker, 0, true, {});
    for (const char* trigger : {"DISPLAY", "pop-up Display", "double-click"}) {
        row(trigger, ", second row", tracker, 1, true, m_three);
        row(trigger, ", nothing selected", tracker, -1, true, m_three);
        row(trigger, ", row without title", tracker, 2, true, m_three);
    }
    for (const char* trigger : {"DELETE", "pop-up Delete"}) {
        row(trigger, ", 2nd of 3", tracker, 1, true, {m_three[0], m_three[2]});
        row(trigger, ", empty list", tracker, -1, false, {});
        row(trigger, ", nothing selected", tracker, -1, true, m_three); // still written anew
        row(trigger, ", save fails", tracker, 0, true, {});
    }
    for (const char* button : {"right", "left", "middle"}) {
        row(button, " press over a row", tracker, 1, true, m_three);
        row(button, " press below the rows", tracker, -1, true, m_three);
    }
}

void TrackerTest::commands()
{
    QFETCH(QString, trigger);
    QFETCH(int, tab);
    QFETCH(int, selected);
    QFETCH(bool, earlier);
    QFETCH(Rows, expected);
    const bool writes =
        QStringList{"TRACK", "TRACK twice", "DELETE", "pop-up Delete"}.contains(trigger);
    TestDesktop desktop;
    QTemporaryDir dir;
    QFile file(dir.filePath("file.dtt"));
    std::unique_ptr<Form1> form;
    ListView* list = nullptr;
    const auto start = [&](const QByteArray& b) { // on the folder, with file.dtt as given
        form.reset();
        QVERIFY(b.isNull() || (file.open(QIODevice::WriteOnly) && file.write(b) == b.size()));
        file.close();
        form = std::make_unique<Form1>(dir.path(), desktop.services(),
                                       StoreHosts::allOn(m_server.hostAndPort()));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(m_server.settle(form->WebBrowser1(0)));
        QVERIFY(waitUntil([&] { return !form->WebBrowser1(0)->page()->isLoading(); }));
        m_server.clearRequests();
        list = form->trackerTab()->ListView1;
    };
    const auto rows = [&] {
        Rows all;
        for (int row = 0; row < list->rowCount(); ++row)
            all.append({list->cellText(row, 0), list->cellText(row, 1)});
        return all;
    };
    const QByteArray prepared = earlier ? fileLines(m_three, "\n") : QByteArray();
    start(prepared);
    if (tab < Form1::StoreCount) { // tracking a page
        form->storeBrowsing().OpenStoreTabs();
        form->WebBrowser1(tab)->Navigate(QUrl(expected.last()[1])); // its title has a comma
        QTRY_COMPARE(form->WebBrowser1(tab)->title(), expected.last()[0]);
        m_server.clearRequests();
    }
    form->SSTab1()->setCurrentIndex(tab);
    const QRect row = list->visualRect(list->model()->index(selected, 0)); // none for -1
    const QPoint place = selected >= 0 ? row.center() : QPoint(10, list->viewport()->height() - 5);
    const auto button =
        Qt::MouseButton(QStringList{"left", "right", "", "middle"}.indexOf(trigger) + 1);
    const bool displays = !writes && !button && selected == 1; // the titled second row
    const QUrl shown = displays ? m_server.url("/page/walk") : form->WebBrowser1(0)->url();
    list->selectRow(button || trigger == "double-click" ? -1 : selected);
    const bool fails = QByteArray(QTest::currentDataTag()).endsWith("fails") && dir.remove();
    if (button) {
        QTest::mousePress(list->viewport(), button, {}, place);
    } else if (trigger == "double-click") {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
    } else if (trigger.startsWith("pop-up")) {
        form->findChild<QMenu*>("PopUp")->findChild<QAction*>(trigger.section(' ', 1))->trigger();
    } else {
        for (int time = 0; time < (trigger == "TRACK twice" ? 2 : 1); ++time) {
            form->SSTab1()->setCurrentIndex(tab);
            const int button = trigger.startsWith("TRACK") ? 11 : trigger == "DELETE" ? 6 : 5;
            form->findChild<QPushButton*>(QStringLiteral("Command%1").arg(button))->click();
        }
    }
    QCOMPARE(form->findChild<QMenu*>("PopUp")->isVisible(), trigger == "right");
    QVERIFY(writes || button || list->selectedRow() == selected);
    QVERIFY(m_server.settle(form->WebBrowser1(0)));
    QVERIFY(waitUntil([&] { return form->WebBrowser1(0)->url() == shown; }));
    QCOMPARE(m_server.pageTargets(), QList<QByteArray>(displays, "/page/walk"));
    QCOMPARE(form->SSTab1()->currentIndex(), displays ? 0 : int(Form1::TrackerTabIndex));
    QCOMPARE(desktop.messages.shown.size(), fails ? 1 : 0);
    QVERIFY(!fails || desktop.messages.shown.first().text.contains("file.dtt"));
    if (fails)
        return;
    QCOMPARE(rows(), expected);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), writes ? fileLines(expected) : prepared);
    start(QByteArray()); // the rows read back
    QCOMPARE(rows(), expected);
}

VELLUMARK_TEST_MAIN(TrackerTest)
#include "tst_tracker.moc"
