#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"
#include "platform/StatusBar.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QWebEnginePage>

const QString Untouched = QStringLiteral("untouched");
enum class Watch
{
    Failure,
    StopSlow,
    HoverLink,
    OtherBrowserLoads,
    NeverFinishes
};
constexpr int FindIt = 0; // in place of a key: a click on "Find It!"
const int Tracker = Program::TrackerTabIndex, PriceCheck = Program::PriceCheckTabIndex;
const int Collection = Program::CollectionTabIndex, TradeWish = Program::TradeWishTabIndex;

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
    QString exact(const QString& target) const
    {
        return "http://" + m_server.hostAndPort() + target;
    }
    bool shows(int index, const QString& target)
    {
        return m_server.showsPage(browser(index), target);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<TestWindow>(m_folder.path(), Program::CollectionTabIndex,
                                                m_server.hostAndPort());
        form().activateWindow(); // the window's shortcuts work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(&form()));
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
        QFile::remove(m_folder.filePath("file.dtt"));
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
        // Keys the window's shortcuts take as well.
        QTest::newRow("F1 on Price Check") << PriceCheck << int(Qt::Key_F1) << "Black Lotus";
        QTest::newRow("F5 on My Collection") << Collection << int(Qt::Key_F5) << "Black Lotus";
        QTest::newRow("Esc on the first store tab") << 0 << int(Qt::Key_Escape) << "Black Lotus";
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
        QSignalSpy searchRuns(m_window->find<QPushButton>("Command21"), &QPushButton::clicked);
        form().SSTab1()->setCurrentIndex(tab);
        if (term != "SEARCH NOW!") // else the box is left as it starts
            text1->setText(term);
        QCOMPARE(storeTabs(), "Home - - - -");
        text1->setFocus();
        key == FindIt ? m_window->click("Command21")
                      : QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(storeTabs(), "Ebay + + + +");
        QCOMPARE(form().SSTab1()->currentIndex(), tab);
        QCOMPARE(text1->text(), key == Qt::Key_X ? term + "x" : term);
        QVERIFY(waitUntil([&] { return m_server.pageTargets().size() >= searched; }));
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(starts, (searches ? QVector<int>{0, 3, 2, 1, 4} : QVector<int>()));
        QCOMPARE(searchRuns.size(), int(searches)); // once per key
        // Each store once, or none.
        QSet<int> storesAsked;
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
                if (command == "Enter") {
                    combo1()->setFocus();
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                } else if (command == "print")
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
        QTest::addColumn<Watch>("watch");
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<QString>("expected"); // the status text, or how it starts
        const QUrl refused = LocalWebServer::refusingUrl("/page/x");
        const QUrl unknownHost("http://nosuchstore.invalid/page/x");
        QTest::newRow("slow page, then Stop")
            << Watch::StopSlow << m_server.url("/slow/late") << "Stopped";
        QTest::newRow("link hovered, then left")
            << Watch::HoverLink << m_server.url("/page/hover") << url(LocalWebServer::LinkTarget);
        QTest::newRow("another browser loads")
            << Watch::OtherBrowserLoads << m_server.url("/page/home") << "Done";
        QTest::newRow("page that never finishes")
            << Watch::NeverFinishes << m_server.url("/hang/forever")
            << "Opening page " + url("/hang/forever") + "\u2026 ";
        QTest::newRow("nothing listening")
            << Watch::Failure << refused
            << "The connection was refused \u2014 " + refused.toDisplayString();
        QTest::newRow("no such server")
            << Watch::Failure << unknownHost
            << "No such server: nosuchstore.invalid \u2014 http://nosuchstore.invalid/page/x";
        QTest::newRow("unknown page")
            << Watch::Failure << m_server.url("/missing")
            << "The store has no such page (error 404) \u2014 " + url("/missing");
    }

    void statusTextFollowsTheLoad()
    {
        QFETCH(Watch, watch);
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
        switch (watch) {
        case Watch::StopSlow: {
            const int slowPagesBefore = m_server.slowPagesSent;
            QTRY_VERIFY(panel().startsWith("Opening page " + shown) &&
                        m_server.pageTargets().contains("/slow/late"));
            m_window->click("Command17");
            // Even once the server has sent the slow page, the browser stays on the page before.
            QTRY_COMPARE(m_server.slowPagesSent, slowPagesBefore + 1);
            QVERIFY(m_server.settle(browser(0)) && shows(2, "/page/before"));
            QCOMPARE(panel(), expected);
            break;
        }
        case Watch::HoverLink: {
            QVERIFY(shows(2, "/page/hover"));
            QWidget* surface = browser(2)->focusProxy();
            // The link covers the upper half; the pointer has to move for the page to notice.
            QTest::mouseMove(surface, QPoint(5, 5));
            QTest::mouseMove(surface, QPoint(20, 20));
            QTRY_COMPARE(panel(), expected);
            QTest::mouseMove(surface, QPoint(20, surface->height() - 20));
            QTRY_COMPARE(panel(), QStringLiteral("Done"));
            break;
        }
        case Watch::OtherBrowserLoads:
            QVERIFY(shows(2, "/page/home"));
            combo1()->setEditText(Untouched);
            browser(3)->Navigate(m_server.url("/slow/elsewhere"));
            // Browser 3's status text is shown, while the address box follows browser 2.
            QTRY_VERIFY(panel().startsWith("Opening page") && panel().contains("/slow/"));
            QTRY_COMPARE(combo1()->currentText(), url("/page/home"));
            QTRY_COMPARE(panel(), expected);
            // Selecting another tab changes nothing by itself; the next load of any browser does.
            form().SSTab1()->setCurrentIndex(3);
            QCOMPARE(combo1()->currentText(), url("/page/home"));
            browser(4)->Navigate(m_server.url("/page/other"));
            QTRY_COMPARE(combo1()->currentText(), url("/slow/elsewhere"));
            break;
        case Watch::NeverFinishes:
            // Half the page has arrived and is shown; the rest is still awaited.
            QTRY_COMPARE(browser(2)->title(), QStringLiteral("forever"));
            QVERIFY(m_server.settle(browser(0)));
            QVERIFY2(panel().startsWith(expected) && panel().endsWith('%'), qPrintable(panel()));
            break;
        case Watch::Failure:
            QTRY_COMPARE(panel(), expected);
            break;
        }
    }

    // Tracking takes the address exactly as it was loaded, and no title where the page has none.
    void trackedPageIsTheLoadedOne_data()
    {
        QTest::addColumn<bool>("searched"); // else typed into the address box
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expectedAddress");
        QTest::addColumn<QString>("expectedTitle");
        QTest::newRow("search for the box's first text")
            << true << "SEARCH NOW!" << exact("/Sorcelan%20SEARCH%20NOW%21") << "Not found";
        QTest::newRow("untitled page")
            << false << exact("/bare/Mox Pearl") << exact("/bare/Mox%20Pearl") << "";
        QTest::newRow("titled page")
            << false << exact("/page/Mox Pearl!") << exact("/page/Mox%20Pearl!") << "Mox Pearl!";
    }

    void trackedPageIsTheLoadedOne()
    {
        QFETCH(bool, searched);
        QFETCH(QString, typed);
        QFETCH(QString, expectedAddress);
        QFETCH(QString, expectedTitle);
        form().SSTab1()->setCurrentIndex(0);
        auto* text1 = m_window->find<QLineEdit>("Text1");
        searched ? text1->setText(typed) : combo1()->setEditText(typed);
        searched ? text1->setFocus() : combo1()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(combo1()->currentText(), expectedAddress);
        QVERIFY(waitUntil([&] {
            return browser(0)->url() == QUrl(expectedAddress) && !browser(0)->page()->isLoading();
        }));
        m_window->click("Command11");
        QCOMPARE(m_window->rows("ListView1"), Rows({{expectedTitle, expectedAddress}}));
        QCOMPARE(fileBytes(m_folder.filePath("file.dtt")), crlf({expectedTitle, expectedAddress}));
    }
};

VELLUMARK_TEST_MAIN(StoreBrowsingTest)
#include "tst_storebrowsing.moc"
