#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StartPage.h"
#include "browse/StoreBrowsing.h"
#include "platform/StatusBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QWebEnginePage>

enum class Trigger // how the user gives the command
{
    Click,
    Menu,
    Key
};
enum class Fetch // what the server is asked for
{
    Nothing,
    ThePage,
    ThePageOrCache // Back and Forward may take the page from the browser's cache
};
enum class AfterLoad // once the page is asked for
{
    Nothing,
    StopButton,
    StopKey // Esc in the search box
};
enum class Answer // to the save dialog
{
    NewFile,
    ExistingFile, // its replacement confirmed in the dialog
    Cancel
};
const int Tracker = Program::TrackerTabIndex, PriceCheck = Program::PriceCheckTabIndex;
const int Collection = Program::CollectionTabIndex, TradeWish = Program::TradeWishTabIndex;
const QList<int> ListTabs{Tracker, PriceCheck, Collection, TradeWish};
// Each store's search page: the term between a fixed start and end.
const QList<QPair<QByteArray, QByteArray>> SearchPages{
    {"/Sorcelan%20", ""},
    {"/search.asp?var=search&searchstr=", ""},
    {"/products/search.php?searchmode=basic&search_words=",
     "&search_category=1041&Image1.x=13&Image1.y=13"},
    {"/~magicsingles/catalog.html?Tp=6&VCS=5f0e9c1d2b7a4e38a6d1c0f9b2e47a3d&Vl=", ""},
    {"/search.aspx?type=1&active=1&producttype=1&name=", ""}};

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

    // Typed into the address box on the store tab, then Enter.
    void go(int tab, const QString& address)
    {
        form().SSTab1()->setCurrentIndex(tab);
        combo1()->setEditText(address);
        m_window->press("Combo1", QKeySequence(Qt::Key_Return));
    }
    QVariant evaluate(int index, const QString& script)
    {
        QVariant result;
        browser(index)->page()->runJavaScript(script, [&](const QVariant& v) { result = v; });
        return waitUntil([&] { return result.isValid(); }) ? result : QVariant();
    }

private slots:
    void init()
    {
        m_window =
            std::make_unique<TestWindow>(m_folder.path(), Collection, m_server.hostAndPort());
        form().activateWindow(); // the window's keys work in the active window only
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
        QVERIFY(m_window->startPageShown() && m_server.settle(browser(0)));
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

    // Find It!, or a key pressed in the search box: every key opens the store tabs, Enter searches
    // each store once for the term as it stands, in the order eBay, Magic Singles, Troll and
    // Toad, Games&Cards, CCG, and the selected tab stays.
    void searchBoxSearchesAllStores_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("term"); // typed over "SEARCH NOW!" unless null
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QByteArray>("expectedValue"); // the term in the addresses; null: no search
        const Trigger Click = Trigger::Click, Key = Trigger::Key;
        const QByteArray noSearch;
        // clang-format off
        QTest::newRow("Find It!, box as it starts") << Collection << Click << QKeySequence() << QString() << "SEARCH NOW!" << QByteArray("SEARCH%20NOW%21");
        QTest::newRow("Return, empty") << PriceCheck << Key << QKeySequence(Qt::Key_Return) << "" << "" << QByteArray("");
        QTest::newRow("Enter, query characters") << TradeWish << Key << QKeySequence(Qt::Key_Enter) << "R&D a#b 1+1 50% why?" << "R&D a#b 1+1 50% why?" << QByteArray("R%26D%20a%23b%201%2B1%2050%25%20why%3F");
        QTest::newRow("Find It!, spaces kept") << 0 << Click << QKeySequence() << "  Æther Vial  " << "  Æther Vial  " << QByteArray("%20%20%C3%86ther%20Vial%20%20");
        QTest::newRow("Shift") << 0 << Key << QKeySequence(Qt::Key_Shift) << "Lotus" << "Lotus" << noSearch;
        QTest::newRow("a letter") << Tracker << Key << QKeySequence(Qt::Key_X) << "Lotus" << "Lotusx" << noSearch;
        // Keys the window's shortcuts take as well.
        QTest::newRow("F1") << PriceCheck << Key << QKeySequence(Qt::Key_F1) << "Lotus" << "Lotus" << noSearch;
        QTest::newRow("F5") << Collection << Key << QKeySequence(Qt::Key_F5) << "Lotus" << "Lotus" << noSearch;
        QTest::newRow("Esc") << 0 << Key << QKeySequence(Qt::Key_Escape) << "Lotus" << "Lotus" << noSearch;
        // clang-format on
    }

    void searchBoxSearchesAllStores()
    {
        QFETCH(int, tab);
        QFETCH(Trigger, trigger);
        QFETCH(QKeySequence, key);
        QFETCH(QString, term);
        QFETCH(QByteArray, expectedValue);
        QVector<int> starts; // browsers in the order their loads started
        for (int index = 0; index < Form1::StoreCount; ++index)
            connect(browser(index)->page(), &QWebEnginePage::loadStarted, &form(),
                    [&starts, index] { starts.append(index); });
        const auto storeTabs = [&] {
            QString state = form().SSTab1()->caption(0);
            for (int store = 1; store < Form1::StoreCount; ++store)
                state += form().SSTab1()->isAvailable(store) ? " +" : " -";
            return state;
        };
        form().SSTab1()->setCurrentIndex(tab);
        if (!term.isNull())
            m_window->find<QLineEdit>("Text1")->setText(term);
        QCOMPARE(storeTabs(), "Home - - - -");
        trigger == Trigger::Click ? m_window->click("Command21") : m_window->press("Text1", key);
        QCOMPARE(storeTabs(), "Ebay + + + +");
        QCOMPARE(form().SSTab1()->currentIndex(), tab);
        QTEST(m_window->find<QLineEdit>("Text1")->text(), "expectedText");
        const bool searched = !expectedValue.isNull();
        QVERIFY(waitUntil([&] { return m_server.pageTargets().size() >= (searched ? 5 : 0); }));
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(starts, (searched ? QVector<int>{0, 3, 2, 1, 4} : QVector<int>()));
        QList<QByteArray> asked = m_server.pageTargets(), expected;
        for (const auto& [prefix, suffix] :
             searched ? SearchPages : QList<QPair<QByteArray, QByteArray>>())
            expected << prefix + expectedValue + suffix;
        std::sort(asked.begin(), asked.end()); // as the five loads happen to arrive
        std::sort(expected.begin(), expected.end());
        QCOMPARE(asked, expected);
    }

    // Every browser has a page behind and one ahead, or is loading one: each command, by its
    // button, menu entry or key, acts on the selected tab's browser, and on none on tabs 5 to 8.
    void commandsActOnTheSelectedStoreBrowserOnly_data()
    {
        QTest::addColumn<QList<int>>("tabs");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("control"); // clicked, chosen, or focused for the key
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("loading");         // every browser still loading "/slow/one"
        QTest::addColumn<QString>("expectedPage"); // in the selected tab's browser
        QTest::addColumn<Fetch>("expectedFetch");
        QTest::addColumn<QString>("expectedAddress"); // in the address box
        QTest::addColumn<int>("expectedPrintDialog"); // of that browser, -1 none
        QTest::addColumn<int>("expectedZoom"); // of that browser in percent, the others at 100
        const Trigger Click = Trigger::Click, Menu = Trigger::Menu, Key = Trigger::Key;
        // clang-format off
        QTest::newRow("Back") << QList<int>{0} << Click << "Command1" << QKeySequence() << false << "/page/one" << Fetch::ThePageOrCache << "/page/one" << -1 << 100;
        QTest::newRow("Alt+Left") << QList<int>{3} << Key << "WebBrowser1_3" << QKeySequence("Alt+Left") << false << "/page/one" << Fetch::ThePageOrCache << "/page/one" << -1 << 100;
        QTest::newRow("Forward") << QList<int>{3} << Click << "Command16" << QKeySequence() << false << "/page/three" << Fetch::ThePageOrCache << "/page/three" << -1 << 100;
        QTest::newRow("Alt+Right") << QList<int>{0} << Key << "Text1" << QKeySequence("Alt+Right") << false << "/page/three" << Fetch::ThePageOrCache << "/page/three" << -1 << 100;
        QTest::newRow("Refresh") << QList<int>{4} << Click << "Command18" << QKeySequence() << false << "/page/two" << Fetch::ThePage << "/page/two" << -1 << 100;
        QTest::newRow("F5") << QList<int>{0} << Key << "WebBrowser1_0" << QKeySequence("F5") << false << "/page/two" << Fetch::ThePage << "/page/two" << -1 << 100;
        QTest::newRow("Go") << QList<int>{1} << Click << "Command22" << QKeySequence() << false << "/page/typed" << Fetch::ThePage << "/page/typed" << -1 << 100;
        QTest::newRow("Enter") << QList<int>{2} << Key << "Combo1" << QKeySequence(Qt::Key_Return) << false << "/page/typed" << Fetch::ThePage << "/page/typed" << -1 << 100;
        QTest::newRow("Print") << QList<int>{3} << Click << "Command19" << QKeySequence() << false << "/page/two" << Fetch::Nothing << "/page/typed" << 3 << 100;
        QTest::newRow("File, Print") << QList<int>{0} << Menu << "print" << QKeySequence() << false << "/page/two" << Fetch::Nothing << "/page/typed" << 0 << 100;
        QTest::newRow("Ctrl+P") << QList<int>{4} << Key << "Text1" << QKeySequence("Ctrl+P") << false << "/page/two" << Fetch::Nothing << "/page/typed" << 4 << 100;
        // The five show pages of one server: a zoom stays with its browser, not with the host.
        QTest::newRow("Ctrl+Plus twice, on the page") << QList<int>{1} << Key << "WebBrowser1_1" << QKeySequence("Ctrl++, Ctrl++") << false << "/page/two" << Fetch::Nothing << "/page/typed" << -1 << 125;
        QTest::newRow("Ctrl+=, in the search box") << QList<int>{1} << Key << "Text1" << QKeySequence("Ctrl+=") << false << "/page/two" << Fetch::Nothing << "/page/typed" << -1 << 110;
        QTest::newRow("Ctrl+Minus") << QList<int>{4} << Key << "WebBrowser1_4" << QKeySequence("Ctrl+-") << false << "/page/two" << Fetch::Nothing << "/page/typed" << -1 << 90;
        QTest::newRow("Ctrl+0") << QList<int>{4} << Key << "WebBrowser1_4" << QKeySequence("Ctrl+-, Ctrl+-, Ctrl+0") << false << "/page/two" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: Back") << ListTabs << Click << "Command1" << QKeySequence() << false << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: Stop") << ListTabs << Click << "Command17" << QKeySequence() << true << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: Enter") << ListTabs << Key << "Combo1" << QKeySequence(Qt::Key_Return) << false << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: File, Print") << ListTabs << Menu << "print" << QKeySequence() << false << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: F5") << ListTabs << Key << "Text1" << QKeySequence("F5") << false << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        QTest::newRow("list tabs: Ctrl+Plus") << ListTabs << Key << "Text1" << QKeySequence("Ctrl++") << false << "" << Fetch::Nothing << "/page/typed" << -1 << 100;
        // clang-format on
    }

    void commandsActOnTheSelectedStoreBrowserOnly()
    {
        QFETCH(QList<int>, tabs);
        QFETCH(Trigger, trigger);
        QFETCH(QString, control);
        QFETCH(QKeySequence, key);
        QFETCH(bool, loading);
        QFETCH(QString, expectedPage);
        QFETCH(Fetch, expectedFetch);
        QFETCH(int, expectedPrintDialog);
        form().storeBrowsing().OpenStoreTabs();
        const QString current = loading ? "/slow/one" : "/page/two";
        for (int index = 0; index < Form1::StoreCount; ++index) {
            for (const QString page : {"/page/one", "/page/two", "/page/three"}) {
                browser(index)->Navigate(m_server.url(page));
                QVERIFY(shows(index, page));
            }
            browser(index)->back();
            QVERIFY(shows(index, "/page/two"));
            if (loading)
                browser(index)->Navigate(m_server.url(current));
        }
        QVERIFY(waitUntil(
            [&] { return m_server.pageTargets().count("/slow/one") == (loading ? 5 : 0); }));
        combo1()->setEditText(url("/page/typed"));
        form().StatusBar1()->setPanelText("untouched");
        QVERIFY(m_server.settle(browser(0)));
        m_server.clearRequests();
        for (int tab : tabs) {
            form().SSTab1()->setCurrentIndex(tab);
            trigger == Trigger::Click  ? m_window->click(control)
            : trigger == Trigger::Menu ? m_window->trigger(control)
                                       : m_window->press(control, key);
            QCOMPARE(form().SSTab1()->currentIndex(), tab); // a print dialog is cancelled by now
        }
        for (int index = 0; index < Form1::StoreCount; ++index)
            QVERIFY(shows(index, tabs == QList<int>{index} ? expectedPage : current));
        QFETCH(QString, expectedAddress);
        QTRY_COMPARE(combo1()->currentText(), url(expectedAddress));
        QVERIFY(m_server.settle(browser(0)));
        const QList<QByteArray> asked = m_server.pageTargets();
        const QList<QByteArray> page{expectedPage.toLatin1()};
        QVERIFY2(asked == (expectedFetch == Fetch::Nothing ? QList<QByteArray>() : page) ||
                     (expectedFetch == Fetch::ThePageOrCache && asked.isEmpty()),
                 asked.join(' '));
        QCOMPARE(m_dialogs, expectedPrintDialog < 0 ? QWidgetList()
                                                    : QWidgetList{browser(expectedPrintDialog)});
        QVERIFY(tabs.first() < Tracker || panel() == "untouched");
        QFETCH(int, expectedZoom);
        for (int index = 0; index < Form1::StoreCount; ++index)
            QCOMPARE(qRound(browser(index)->zoomFactor() * 100),
                     tabs == QList<int>{index} ? expectedZoom : 100);
    }

    // On store tab 2: the status bar shows each browser's status text, the address box follows
    // the selected tab's browser only.
    void statusTextFollowsTheLoad_data()
    {
        QTest::addColumn<QUrl>("address"); // typed into the address box, then Go
        QTest::addColumn<AfterLoad>("then");
        QTest::addColumn<QString>("expectedStatus");
        const QUrl refused = LocalWebServer::refusingUrl("/page/x");
        // clang-format off
        QTest::newRow("loaded") << m_server.url("/page/home") << AfterLoad::Nothing << "Done";
        QTest::newRow("stopped") << m_server.url("/slow/late") << AfterLoad::StopButton << "Stopped";
        QTest::newRow("stopped by Esc") << m_server.url("/slow/late-esc") << AfterLoad::StopKey << "Stopped";
        QTest::newRow("nothing listening") << refused << AfterLoad::Nothing << "The connection was refused \u2014 " + refused.toDisplayString();
        QTest::newRow("no such server") << QUrl("http://nosuchstore.invalid/x") << AfterLoad::Nothing << "No such server: nosuchstore.invalid \u2014 http://nosuchstore.invalid/x";
        QTest::newRow("unknown page") << m_server.url("/missing") << AfterLoad::Nothing << "The store has no such page (error 404) \u2014 " + url("/missing");
        // clang-format on
    }

    void statusTextFollowsTheLoad()
    {
        QFETCH(QUrl, address);
        QFETCH(AfterLoad, then);
        QFETCH(QString, expectedStatus);
        form().storeBrowsing().OpenStoreTabs();
        form().SSTab1()->setCurrentIndex(2);
        browser(2)->Navigate(m_server.url("/page/before"));
        QVERIFY(shows(2, "/page/before"));
        form().StatusBar1()->setPanelText("untouched");
        combo1()->setEditText(address.toString());
        m_window->click("Command22");
        const int slowPagesBefore = m_server.slowPagesSent;
        if (then == AfterLoad::StopButton || then == AfterLoad::StopKey) {
            QTRY_VERIFY(m_server.pageTargets().contains(address.path().toLatin1()));
            then == AfterLoad::StopButton ? m_window->click("Command17")
                                          : m_window->press("Text1", QKeySequence(Qt::Key_Escape));
            // Even once the server has sent the slow page, the browser keeps the page before.
            QTRY_COMPARE(m_server.slowPagesSent, slowPagesBefore + 1);
            QVERIFY(m_server.settle(browser(0)) && shows(2, "/page/before"));
        }
        QTRY_COMPARE(panel(), expectedStatus);
        // Another browser's load: its status text is shown, the address box stays with browser 2.
        const QString shown = combo1()->currentText();
        const QString elsewhere = "/slow/elsewhere";
        browser(3)->Navigate(m_server.url(elsewhere));
        QTRY_VERIFY(panel().startsWith("Opening page " + url(elsewhere)));
        QTRY_COMPARE(panel(), QStringLiteral("Done"));
        QCOMPARE(combo1()->currentText(), shown);
        // Selecting another tab changes nothing by itself; the next load of any browser does.
        form().SSTab1()->setCurrentIndex(3);
        QCOMPARE(combo1()->currentText(), shown);
        browser(4)->Navigate(m_server.url("/page/other"));
        QTRY_COMPARE(combo1()->currentText(), url(elsewhere));
    }

    // eBay TRACK, on the store tab and then on Price Check, takes the page in front exactly as
    // it was loaded, without a title where there is none, and shows the tracker; a double-click
    // on a titled page shows it again in the first store.
    void trackedPageIsTheLoadedOne_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("page"); // typed after the server's address
        QTest::addColumn<QString>("expectedAddress");
        QTest::addColumn<QString>("expectedTitle");
        QTest::addColumn<int>("expectedTabAfterDoubleClick");
        const QString server = "http://" + m_server.hostAndPort();
        // clang-format off
        QTest::newRow("untitled, first store") << 0 << "/bare/Mox Pearl" << server + "/bare/Mox%20Pearl" << "" << Tracker;
        QTest::newRow("titled with a comma, third store") << 2 << "/page/Mox Pearl, Alpha!" << server + "/page/Mox%20Pearl,%20Alpha!" << "Mox Pearl, Alpha!" << 0;
        // clang-format on
    }

    void trackedPageIsTheLoadedOne()
    {
        QFETCH(int, tab);
        QFETCH(QString, page);
        QFETCH(QString, expectedAddress);
        QFETCH(QString, expectedTitle);
        form().storeBrowsing().OpenStoreTabs();
        go(tab, url(page));
        QTRY_COMPARE(combo1()->currentText(), expectedAddress);
        QVERIFY(shows(tab, page));
        for (int from : {tab, PriceCheck}) {
            form().SSTab1()->setCurrentIndex(from);
            m_window->click("Command11");
            QCOMPARE(form().SSTab1()->currentIndex(), Tracker);
        }
        const QStringList tracked{expectedTitle, expectedAddress, "", ""}; // no store page in front
        QCOMPARE(m_window->rows("ListView1"), Rows({tracked.mid(0, 2), tracked.mid(2)}));
        QCOMPARE(fileBytes(m_folder.filePath("file.dtt")), crlf(tracked));
        auto* list = m_window->find<ListView>("ListView1");
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualRect(list->rows().index(0, 0)).center());
        QTEST(form().SSTab1()->currentIndex(), "expectedTabAfterDoubleClick");
        QVERIFY(shows(0, page));
    }

    // The start page comes from the program itself: no request leaves it, and it reloads and is
    // tracked as any page. Every other address of its own is a plain "not found" page.
    void startPageWithoutNetwork()
    {
        QCOMPARE(evaluate(0, "document.images[0].naturalWidth").toInt(), 128);
        QVERIFY(evaluate(0, "document.body.innerText")
                    .toString()
                    .contains(QDir::toNativeSeparators(m_folder.path())));
        form().SSTab1()->setCurrentIndex(0);
        m_window->click("Command18");
        QTRY_COMPARE(panel(), QStringLiteral("Done"));
        m_window->click("Command11");
        QCOMPARE(m_window->rows("ListView1"),
                 Rows({{"Vellumark - Home", "vellumark://store/index.htm"}}));
        for (const QString other : {"vellumark://store/file.dtt", "vellumark://store/help.htm",
                                    "vellumark://elsewhere/index.htm"}) {
            go(0, other);
            QVERIFY2(waitUntil([&] {
                         return browser(0)->url() == other && browser(0)->title() == "Not found";
                     }),
                     qPrintable(other));
        }
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(m_server.pageTargets(), QList<QByteArray>());
        // Cookies and site data are kept beside the lists.
        QVERIFY(QFileInfo(m_folder.filePath("store-browsers")).isDir());
    }

    // What a page in store tab 3 opens shows there, pop-ups never; a file it sends goes where the
    // save dialog says, bytes intact, or nowhere, and the page stays.
    void pagesOpenNothingElsewhere_data()
    {
        QTest::addColumn<QString>("page");           // typed after "/page/before"
        QTest::addColumn<Qt::MouseButton>("button"); // on the link; NoButton: no click
        QTest::addColumn<Answer>("answer");          // to the save dialog, if it comes
        QTest::addColumn<QString>("expectedPage");
        QTest::addColumn<QStringList>("expectedFiles");
        QTest::addColumn<QString>("expectedStatus"); // the last; "<file>" for the chosen path
        const QString linked = LocalWebServer::LinkTarget, before = "/page/before";
        // clang-format off
        QTest::newRow("target=_blank") << "/blank/a" << Qt::LeftButton << Answer::Cancel << linked << QStringList() << "";
        QTest::newRow("window.open on a click") << "/open/b" << Qt::LeftButton << Answer::Cancel << linked << QStringList() << "";
        QTest::newRow("middle-click") << "/page/c" << Qt::MiddleButton << Answer::Cancel << linked << QStringList() << "";
        QTest::newRow("pop-up as the page loads") << "/popup/d" << Qt::NoButton << Answer::Cancel << "/popup/d" << QStringList() << "";
        QTest::newRow("file saved") << "/download/list.pdf" << Qt::NoButton << Answer::NewFile << before << QStringList{"chosen.pdf"} << "Saved <file>";
        QTest::newRow("file replacing") << "/download/list.pdf" << Qt::NoButton << Answer::ExistingFile << before << QStringList{"chosen.pdf"} << "Saved <file>";
        QTest::newRow("file cancelled") << "/download/list.pdf" << Qt::NoButton << Answer::Cancel << before << QStringList() << "Not saved: list.pdf";
        // clang-format on
    }

    void pagesOpenNothingElsewhere()
    {
        QFETCH(QString, page);
        QFETCH(Qt::MouseButton, button);
        QFETCH(Answer, answer);
        QFETCH(QString, expectedPage);
        QFETCH(QString, expectedStatus);
        QTemporaryDir saveTo;
        const QString chosen = saveTo.filePath("chosen.pdf");
        expectedStatus.replace("<file>", QDir::toNativeSeparators(chosen));
        if (answer == Answer::ExistingFile)
            writeFile(chosen, "an older list");
        m_window->desktop.files.nextSaveAnswers = {answer == Answer::Cancel ? "" : chosen};
        QStringList statusTexts;
        connect(browser(3), &WebBrowser::StatusTextChange, &form(),
                [&](int, const QString& text) { statusTexts << text; });
        form().storeBrowsing().OpenStoreTabs();
        go(3, url("/page/before"));
        QVERIFY(shows(3, "/page/before"));
        m_server.clearRequests();
        go(3, url(page));
        if (button != Qt::NoButton) { // pointed at, as a person does, then clicked
            QVERIFY(shows(3, page));
            for (const QPoint at : {QPoint(5, 5), QPoint(20, 20)})
                QTest::mouseMove(browser(3)->focusProxy(), at);
            QTRY_COMPARE(panel(), url(LocalWebServer::LinkTarget));
            QTest::mouseClick(browser(3)->focusProxy(), button, {}, QPoint(20, 20));
        }
        if (!expectedStatus.isEmpty())
            QTRY_COMPARE(panel(), expectedStatus);
        QVERIFY(shows(3, expectedPage) && m_server.settle(browser(0)) && shows(3, expectedPage));
        QCOMPARE(m_server.pageTargets().count(LocalWebServer::LinkTarget),
                 int(expectedPage == LocalWebServer::LinkTarget));
        // The save dialog comes once for a file, and for nothing else.
        QCOMPARE(m_window->desktop.files.nextSaveAnswers.isEmpty(), page.startsWith("/download/"));
        QTEST(QDir(saveTo.path()).entryList(QDir::Files), "expectedFiles");
        if (QFileInfo::exists(chosen)) {
            QCOMPARE(fileBytes(chosen), LocalWebServer::downloadBytes());
            QVERIFY2(statusTexts.filter("Saving chosen.pdf\u2026").size() > 0,
                     qPrintable(statusTexts.join('|')));
        }
        QVERIFY(m_window->startPageShown());
    }
};

VELLUMARK_TEST_MAIN(StoreBrowsingTest)
#include "tst_storebrowsing.moc"
