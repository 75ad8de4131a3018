#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "browse/StoreBrowsing.h"
#include "platform/StatusBar.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>

const QString Untouched = QStringLiteral("untouched");

class NavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandsActOnTheSelectedStoreBrowserOnly_data();
    void commandsActOnTheSelectedStoreBrowserOnly();
    void statusTextFollowsTheLoad_data();
    void statusTextFollowsTheLoad();

private:
    WebBrowser* browser(int index) const { return m_form->WebBrowser1(index); }
    QString panel() const { return m_form->StatusBar1()->panelText(); }
    QString url(const QString& target) const { return m_server.url(target).toString(); }
    void click(const char* button) { m_form->findChild<QPushButton*>(button)->click(); }
    bool shows(int index, const QString& target) const // loaded, with the server's title
    {
        const WebBrowser* b = browser(index);
        return waitUntil([&] {
            return b->url() == m_server.url(target) && b->title() == target.section('/', 2) &&
                   !b->page()->isLoading();
        });
    }

    LocalWebServer m_server;
    TestDesktop m_desktop;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Form1> m_form;
    QComboBox* m_combo1 = nullptr;
    QWidgetList m_dialogs; // by parent, null for a dialog other than a print dialog
};

void NavigationTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_form = std::make_unique<Form1>(m_folder->path(), m_desktop.services(),
                                     StoreHosts::allOn(m_server.hostAndPort()));
    auto* dialogCloser = new QTimer(m_form.get()); // cancels every modal dialog at once
    connect(dialogCloser, &QTimer::timeout, this, [this] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            m_dialogs.append(qobject_cast<QPrintDialog*>(dialog) ? dialog->parentWidget()
                                                                 : nullptr);
            dialog->close();
        }
    });
    dialogCloser->start(20);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_combo1 = m_form->findChild<QComboBox*>(QStringLiteral("Combo1"));
    // The start page loads behind My Collection, to the end before the test starts.
    QVERIFY(waitUntil(
        [&] { return browser(0)->title() == "Vellumark" && !browser(0)->page()->isLoading(); }));
    QVERIFY(m_server.settle(browser(0)) && m_server.pageTargets().contains("/index.htm"));
    QCOMPARE(m_form->SSTab1()->currentIndex(), int(Form1::CollectionTabIndex));
    QCOMPARE(m_combo1->currentText() + panel(), QString());
    m_form->storeBrowsing().OpenStoreTabs();
    m_dialogs.clear();
}

void NavigationTest::cleanup()
{
    m_form.reset();
    m_server.clearRequests();
    QCOMPARE(m_desktop.messages.shown.size(), 0);
}

void NavigationTest::commandsActOnTheSelectedStoreBrowserOnly_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("tab"); // -1: on each of the tabs 5 to 8 in turn
    QTest::addColumn<QString>("expectedPage");
    QTest::addColumn<QByteArray>("button");
    for (int tab : {0, 3, -1}) {
        for (const char* row :
             {"back Command1 /page/one", "forward Command16 /page/three",
              "refresh Command18 /page/two", "go Command22 /page/typed", "enter - /page/typed",
              "print Command19 /page/two", "menu-print - /page/two", "stop Command17 -"}) {
            const QStringList words = QString::fromLatin1(row).split(' ');
            if (tab < 0 || words[0] != "stop") { // Stop on a store tab: statusTextFollowsTheLoad
                QTest::addRow("%s on tab %d", qPrintable(words[0]), tab)
                    << words[0] << tab << words[2] << words[1].toLatin1();
            }
        }
    }
}

void NavigationTest::commandsActOnTheSelectedStoreBrowserOnly()
{
    QFETCH(QString, command);
    QFETCH(int, tab);
    QFETCH(QString, expectedPage);
    QFETCH(QByteArray, button);
    // Every browser has a page behind and one ahead (or one loading): any command does something.
    const QString current = command == "stop" ? "/slow/one" : "/page/two";
    for (int index = 0; index < Form1::StoreCount; ++index) {
        for (const QString page : {"/page/one", "/page/two", "/page/three", "back"}) {
            page == "back" ? browser(index)->back() : browser(index)->Navigate(m_server.url(page));
            QVERIFY(shows(index, page == "back" ? "/page/two" : page));
        }
        if (command == "stop") {
            browser(index)->Navigate(m_server.url(current));
        }
    }
    QVERIFY(command != "stop" ||
            waitUntil([&] { return m_server.pageTargets().count("/slow/one") == 5; }));
    m_combo1->setEditText(url("/page/typed"));
    m_form->StatusBar1()->setPanelText(Untouched);
    m_server.clearRequests();

    for (int selected : tab >= 0 ? QList<int>{tab} : QList<int>{5, 6, 7, 8}) {
        m_form->SSTab1()->setCurrentIndex(selected);
        if (command == "enter") {
            QTest::keyClick(m_combo1->lineEdit(), Qt::Key_Return);
        } else if (command == "menu-print") {
            m_form->findChild<QAction*>(QStringLiteral("print"))->trigger();
        } else {
            click(button); // a print dialog is cancelled before this returns
        }
        QCOMPARE(m_form->SSTab1()->currentIndex(), selected);
    }
    for (int index = 0; index < Form1::StoreCount; ++index) {
        QVERIFY(shows(index, index == tab ? expectedPage : current));
    }
    const bool prints = command.endsWith("print"), acts = tab >= 0 && !prints;
    QTRY_COMPARE(m_combo1->currentText(), url(acts ? expectedPage : "/page/typed"));
    QVERIFY(m_server.settle(browser(0)));
    // Back and Forward may take the page from the browser's cache.
    const QList<QByteArray> asked = m_server.pageTargets();
    QVERIFY2((asked == QList<QByteArray>{expectedPage.toLatin1()} && acts) ||
                 (asked.isEmpty() && (!acts || command.contains("ward"))),
             asked.join(' '));
    QCOMPARE(m_combo1->count(), 0);
    QCOMPARE(m_dialogs, (prints && tab >= 0 ? QWidgetList{browser(tab)} : QWidgetList()));
    QVERIFY(tab >= 0 || panel() == Untouched);
}

void NavigationTest::statusTextFollowsTheLoad_data()
{
    QTest::addColumn<QUrl>("address");
    QTest::addColumn<QString>("expected"); // the text, how it starts, "failure" or what to do
    QTest::newRow("page loaded") << m_server.url("/page/loaded") << "Done";
    QTest::newRow("slow page, then Stop") << m_server.url("/slow/late") << "stop";
    QTest::newRow("link hovered") << m_server.url("/page/hover") << "hover";
    QTest::newRow("another browser loads") << m_server.url("/page/home") << "elsewhere";
    QTest::newRow("nothing listening") << LocalWebServer::refusingUrl("/page/x") << "failure";
    QTest::newRow("unknown page") << m_server.url("/missing") << "failure";
}

void NavigationTest::statusTextFollowsTheLoad()
{
    QFETCH(QUrl, address);
    QFETCH(QString, expected);
    m_form->SSTab1()->setCurrentIndex(2);
    browser(2)->Navigate(m_server.url("/page/before"));
    QVERIFY(shows(2, "/page/before"));
    m_form->StatusBar1()->setPanelText(Untouched);
    m_combo1->setEditText(address.toString());
    click("Command22");
    const QString shown = address.toDisplayString();
    if (expected == "stop") {
        const int slowPagesBefore = m_server.slowPagesSent;
        QTRY_VERIFY(panel().startsWith("Opening page") && panel().contains(shown));
        click("Command17");
        // Even once the server has sent the slow page, the browser stays on the page before.
        QTRY_COMPARE(m_server.slowPagesSent, slowPagesBefore + 1);
        QVERIFY(m_server.settle(browser(0)) && shows(2, "/page/before"));
        QVERIFY2(!panel().startsWith("Opening page") && panel() != "Done", qPrintable(panel()));
    } else if (expected == "hover") {
        QVERIFY(shows(2, "/page/hover"));
        QWidget* surface = browser(2)->focusProxy();
        // The link covers the page; the pointer has to move over it for the page to notice.
        QTest::mouseMove(surface, QPoint(5, 5));
        QTest::mouseMove(surface, surface->rect().center());
        QTRY_COMPARE(panel(), url(LocalWebServer::LinkTarget));
    } else if (expected == "elsewhere") {
        QVERIFY(shows(2, "/page/home"));
        m_combo1->setEditText(Untouched);
        browser(3)->Navigate(m_server.url("/slow/elsewhere"));
        // Browser 3's status text is shown, while the address box follows browser 2.
        QTRY_VERIFY(panel().startsWith("Opening page") && panel().contains("/slow/"));
        QTRY_COMPARE(m_combo1->currentText(), url("/page/home"));
        QTRY_COMPARE(panel(), QStringLiteral("Done"));
        // Selecting another tab changes nothing by itself; the next load of any browser does.
        m_form->SSTab1()->setCurrentIndex(3);
        QCOMPARE(m_combo1->currentText(), url("/page/home"));
        browser(4)->Navigate(m_server.url("/page/other"));
        QTRY_COMPARE(m_combo1->currentText(), url("/slow/elsewhere"));
    } else if (expected == "failure") {
        QTRY_VERIFY(panel().contains(shown) && !panel().startsWith("Opening page"));
    } else {
        QTRY_VERIFY(panel().startsWith(expected) &&
                    (expected == "Done" || panel().contains(shown)));
    }
    // A status bar shows plain text: no markup of the browser's own error page.
    QVERIFY2(!panel().contains('<'), qPrintable(panel()));
}

VELLUMARK_TEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
