#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"
#include "platform/StatusBar.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QWebEnginePage>

const QString Untouched = QStringLiteral("untouched");
constexpr int FindIt = 0; // in place of a key: a click on "Find It!"
const int Tracker = Form1::TrackerTabIndex, PriceCheck = Form1::PriceCheckTabIndex;
const int Collection = Form1::CollectionTabIndex, TradeWish = Form1::TradeWishTabIndex;

const QPair<QByteArray, QByteArray> SearchPages[] = {
    {"/Sorcelan%20", ""}, // by browser: the target around the term
    {"/search.asp?var=search&searchstr=", ""},
    {"/products/search.php?searchmode=basic&search_words=",
     "&search_category=1041&Image1.x=13&Image1.y=13"},
    {"/~magicsingles/catalog.html?Tp=6&VCS=5f0e9c1d2b7a4e38a6d1c0f9b2e47a3d&Vl=", ""},
    {"/search.aspx?type=1&active=1&producttype=1&name=", ""},
};

// Nothing in the term may end the value or start another key (a raw "+" reads as a space).
const QRegularExpression EncodedValue(R"(^([A-Za-z0-9._~!$'()*,:@-]|%[0-9A-Fa-f]{2})*$)");

class StoreBrowsingTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;
    QTemporaryDir m_folder;
    std::unique_ptr<TestWindow> m_window;
    QWidgetList m_dialogs; // by parent, null for a dialog other than a print dialog

    Form1& form() { return m_window->form; }
    WebBrowser* browser(int index) { return form().WebBrowser1(index); }
    QComboBox* combo1() { return m_window->find<QComboBox>("Combo1"); }
    QString panel() { return form().StatusBar1()->panelText(); }
    QString url(const QString& target) const { return m_server.url(target).toString(); }
    bool shows(int index, const QString& target)
    {
        return m_server.showsPage(browser(index), target);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<TestWindow>(m_folder.path(), Form1::CollectionTabIndex,
                                                m_server.hostAndPort());
        auto* dialogCloser = new QTimer(&form()); // cancels every modal dialog at once
        connect(dialogCloser, &QTimer::timeout, this, [this] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                m_dialogs.append(qobject_cast<QPrintDialog*>(dialog) ? dialog->parentWidget()
                                                                     : nullptr);
                dialog->close();
            }
        });
        dialogCloser->start(20);
        // The start page loads behind My Collection, to the end before the test starts.
        QVERIFY(shows(0, "/index.htm") && m_server.settle(browser(0)));
        QCOMPARE(combo1()->currentText() + panel(), QString());
        m_server.clearRequests();
        m_dialogs.clear();
    }

    void cleanup()
    {
        QCOMPARE(m_window->desktop.messages.shown.size(), 0);
        m_window.reset();
    }

    void searchAllStores_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("term");
        QTest::newRow("Find It!, box as it starts") << Collection << FindIt << "SEARCH NOW!";
        QTest::newRow("Return on Price Check, empty") << PriceCheck << int(Qt::Key_Return) << "";
        QTest::newRow("Enter on Trade/Wish")
            << TradeWish << int(Qt::Key_Enter) << "R&D a#b 1+1 50% why?";
        QTest::newRow("Find It! on the first store tab") << 0 << FindIt << "  Æther Vial  ";
        QTest::newRow("Shift on the first store tab") << 0 << int(Qt::Key_Shift) << "Black Lotus";
        QTest::newRow("a letter on Tracker") << Tracker << int(Qt::Key_X) << "Black Lotus";
    }

    void searchAllStores()
    {
        QFETCH(int, tab);
        QFETCH(int, key);
        QFETCH(QString, term);
        const bool searches = key == FindIt || key == Qt::Key_Return || key == Qt::Key_Enter;
        const int searched = searches ? Form1::StoreCount : 0; // stores
        QVector<int> starts; // browsers in the order their loads started
        QObject listening;
        for (int index = 0; index < Form1::StoreCount; ++index)
            connect(browser(index)->page(), &QWebEnginePage::loadStarted, &listening,
                    [&starts, index] { starts.append(index); });
        const auto storeTabs = [&] { // the first caption, then whether each store tab is available
            QString state = form().SSTab1()->caption(0);
            for (int store = 1; store < Form1::StoreCount; ++store)
                state += form().SSTab1()->isAvailable(store) ? " +" : " -";
            return state;
        };
        auto* text1 = m_window->find<QLineEdit>("Text1");
        form().SSTab1()->setCurrentIndex(tab);
        if (term != "SEARCH NOW!") // else the box is left as it starts
            text1->setText(term);
        QCOMPARE(storeTabs(), "Home - - - -");
        key == FindIt ? m_window->click("Command21") : QTest::keyClick(text1, Qt::Key(key));
        QCOMPARE(storeTabs(), "Ebay + + + +");
        QCOMPARE(form().SSTab1()->currentIndex(), tab);
        QCOMPARE(text1->text(), key == Qt::Key_X ? term + "x" : term);
        QVERIFY(waitUntil([&] { return m_server.pageTargets().size() >= searched; }));
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(starts, (searches ? QVector<int>{0, 3, 2, 1, 4} : QVector<int>()));
        QSet<int> storesAsked; // each store once, or none
        for (const QByteArray& target : m_server.pageTargets()) {
            const auto* store =
                std::find_if(std::begin(SearchPages), std::end(SearchPages),
                             [&](const auto& s) { return target.startsWith(s.first); });
            QVERIFY2(store != std::end(SearchPages) && target.endsWith(store->second), target);
            storesAsked.insert(store - SearchPages);
            const QByteArray value =
                target.sliced(store->first.size()).chopped(store->second.size());
            QVERIFY2(EncodedValue.match(QString::fromLatin1(value)).hasMatch(), target);
            QCOMPARE(QUrl::fromPercentEncoding(value), term);
        }
        QCOMPARE(storesAsked.size(), searched);
        QCOMPARE(m_server.pageTargets().size(), storesAsked.size());
    }

    // Each command on a store tab, and all of them on each of the tabs 5 to 8 (tab -1).
    void commandsActOnTheSelectedStoreBrowserOnly_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QString>("expectedPage");
        for (const char* row :
             {"0 Command1 /page/one", "3 Command16 /page/three", "4 Command18 /page/two",
              "1 Command22 /page/typed", "2 Enter /page/typed", "3 Command19 /page/two",
              "0 print /page/two"}) {
            const QStringList words = QString::fromLatin1(row).split(' ');
            QTest::addRow("%s on tab %s", qPrintable(words[1]), qPrintable(words[0]))
                << words[0].toInt() << words.mid(1, 1) << words[2];
        }
        QTest::newRow("all but Stop on tabs 5 to 8")
            << -1 << QStringList{"Command1", "Command16", "Command18", "Command22",
                                 "Enter",    "Command19", "print"}
            << "";
        // Stop on a store tab: statusTextFollowsTheLoad.
        QTest::newRow("Stop on tabs 5 to 8") << -1 << QStringList{"Command17"} << "";
    }

    void commandsActOnTheSelectedStoreBrowserOnly()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, commands);
        QFETCH(QString, expectedPage);
        form().storeBrowsing().OpenStoreTabs();
        // Every browser has a page behind and one ahead, or one loading: any command does
        // something.
        const bool stop = commands.contains("Command17");
        const QString current = stop ? "/slow/one" : "/page/two";
        for (int index = 0; index < Form1::StoreCount; ++index) {
            for (const QString page : {"/page/one", "/page/two", "/page/three", "back"}) {
                page == "back" ? browser(index)->back()
                               : browser(index)->Navigate(m_server.url(page));
                QVERIFY(shows(index, page == "back" ? "/page/two" : page));
            }
            if (stop)
                browser(index)->Navigate(m_server.url(current));
        }
        QVERIFY(!stop || waitUntil([&] { return m_server.pageTargets().count("/slow/one") == 5; }));
        combo1()->setEditText(url("/page/typed"));
        form().StatusBar1()->setPanelText(Untouched);
        m_server.clearRequests();

        for (int selected : tab >= 0 ? QList<int>{tab} : QList<int>{5, 6, 7, 8}) {
            form().SSTab1()->setCurrentIndex(selected);
            for (const QString& command : commands) {
                if (command == "Enter")
                    QTest::keyClick(combo1()->lineEdit(), Qt::Key_Return);
                else if (command == "print")
                    m_window->trigger(command);
                else
                    m_window->click(command); // a print dialog is cancelled before this returns
                QCOMPARE(form().SSTab1()->currentIndex(), selected);
            }
        }
        for (int index = 0; index < Form1::StoreCount; ++index)
            QVERIFY(shows(index, index == tab ? expectedPage : current));
        const bool prints = tab >= 0 && QStringList{"Command19", "print"}.contains(commands[0]);
        const bool acts = tab >= 0 && !prints;
        QTRY_COMPARE(combo1()->currentText(), url(acts ? expectedPage : "/page/typed"));
        QVERIFY(m_server.settle(browser(0)));
        // Back and Forward may take the page from the browser's cache.
        const QList<QByteArray> asked = m_server.pageTargets();
        QVERIFY2((asked == QList<QByteArray>{expectedPage.toLatin1()} && acts) ||
                     (asked.isEmpty() &&
                      (!acts || QStringList{"Command1", "Command16"}.contains(commands[0]))),
                 asked.join(' '));
        QCOMPARE(combo1()->count(), 0);
        QCOMPARE(m_dialogs, (prints ? QWidgetList{browser(tab)} : QWidgetList()));
        QVERIFY(tab >= 0 || panel() == Untouched);
    }

    void statusTextFollowsTheLoad_data()
    {
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<QString>("expected"); // what a failure adds, or what to do
        QTest::newRow("slow page, then Stop") << m_server.url("/slow/late") << "stop";
        QTest::newRow("link hovered") << m_server.url("/page/hover") << "hover";
        QTest::newRow("another browser loads") << m_server.url("/page/home") << "elsewhere";
        QTest::newRow("nothing listening") << LocalWebServer::refusingUrl("/page/x") << "";
        QTest::newRow("unknown page") << m_server.url("/missing") << "404";
    }

    void statusTextFollowsTheLoad()
    {
        QFETCH(QUrl, address);
        QFETCH(QString, expected);
        form().storeBrowsing().OpenStoreTabs();
        form().SSTab1()->setCurrentIndex(2);
        browser(2)->Navigate(m_server.url("/page/before"));
        QVERIFY(shows(2, "/page/before"));
        form().StatusBar1()->setPanelText(Untouched);
        combo1()->setEditText(address.toString());
        m_window->click("Command22");
        const QString shown = address.toDisplayString();
        if (expected == "stop") {
            const int slowPagesBefore = m_server.slowPagesSent;
            QTRY_VERIFY(panel().startsWith("Opening page") && panel().contains(shown) &&
                        m_server.pageTargets().contains("/slow/late"));
            m_window->click("Command17");
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
            combo1()->setEditText(Untouched);
            browser(3)->Navigate(m_server.url("/slow/elsewhere"));
            // Browser 3's status text is shown, while the address box follows browser 2.
            QTRY_VERIFY(panel().startsWith("Opening page") && panel().contains("/slow/"));
            QTRY_COMPARE(combo1()->currentText(), url("/page/home"));
            QTRY_COMPARE(panel(), QStringLiteral("Done"));
            // Selecting another tab changes nothing by itself; the next load of any browser does.
            form().SSTab1()->setCurrentIndex(3);
            QCOMPARE(combo1()->currentText(), url("/page/home"));
            browser(4)->Navigate(m_server.url("/page/other"));
            QTRY_COMPARE(combo1()->currentText(), url("/slow/elsewhere"));
        } else { // the failure, with the address and the reason
            QTRY_VERIFY(!panel().startsWith("Opening page") && panel().contains(shown) &&
                        panel().contains(expected));
        }
        // A status bar shows plain text: no markup of the browser's own error page.
        QVERIFY2(!panel().contains('<'), qPrintable(panel()));
    }
};

VELLUMARK_TEST_MAIN(StoreBrowsingTest)
#include "tst_storebrowsing.moc"
