#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StartPage.h"
#include "browse/StoreBrowsing.h"
#include "platform/StatusBar.h"

#include <QComboBox>
#include <QWebEngineHistory>
#include <QWebEnginePage>

enum class Answer // to the save dialog
{
    NewFile,
    ExistingFile, // its replacement confirmed in the dialog
    Cancel
};
const int PriceCheck = Program::PriceCheckTabIndex;

// What a collector expects of the store browsers beside the top bar's commands: the program's
// own start page, links that ask for a new window, permissions, downloads and the zoom keys.
class BrowserBehaviourTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;
    QTemporaryDir m_folder;
    std::unique_ptr<TestWindow> m_window;

    Form1& form() { return m_window->form; }
    WebBrowser* browser(int index) { return form().WebBrowser1(index); }
    QString panel() { return form().StatusBar1()->panelText(); }
    QString typedAddress(const QString& target) { return m_server.url(target).toString(); }
    // Typed into the address box on the store tab, then Enter.
    void go(int tab, const QString& address)
    {
        form().SSTab1()->setCurrentIndex(tab);
        m_window->find<QComboBox>("Combo1")->setFocus();
        m_window->find<QComboBox>("Combo1")->setEditText(address);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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
        m_window = std::make_unique<TestWindow>(m_folder.path(), Program::CollectionTabIndex,
                                                m_server.hostAndPort());
        form().activateWindow(); // the window's keys work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QVERIFY(m_window->startPageShown());
    }

    void cleanup()
    {
        m_window.reset();
        QFile::remove(m_folder.filePath("file.dtt"));
    }

    // The start page comes from the program itself: no request leaves it, and it behaves as any
    // page. Every other address of its own is a plain "not found" page.
    void startPageWithoutNetwork()
    {
        const QString address = "vellumark://store/index.htm";
        QCOMPARE(evaluate(0, "document.images[0].naturalWidth").toInt(), 128);
        QVERIFY(evaluate(0, "document.body.innerText")
                    .toString()
                    .contains(QDir::toNativeSeparators(m_folder.path())));
        form().SSTab1()->setCurrentIndex(0);
        m_window->click("Command1"); // nothing to go back to
        m_window->click("Command18");
        QTRY_COMPARE(panel(), QStringLiteral("Done"));
        QCOMPARE(m_window->find<QComboBox>("Combo1")->currentText(), address);
        QCOMPARE(browser(0)->history()->count(), 1);
        m_window->click("Command11");
        QCOMPARE(m_window->rows("ListView1"), Rows({{"Vellumark - Home", address}}));
        for (const QString other : {"vellumark://store/file.dtt", "vellumark://store/help.htm",
                                    "vellumark://elsewhere/index.htm"}) {
            go(0, other);
            QVERIFY2(waitUntil([&] {
                         return browser(0)->url() == QUrl(other) &&
                                browser(0)->title() == "Not found";
                     }),
                     qPrintable(other));
        }
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(m_server.pageTargets(), QList<QByteArray>());
        // Cookies and site data are kept beside the lists.
        QVERIFY(QFileInfo(m_folder.filePath("store-browsers")).isDir());
    }

    // A click on the page in store tab 3; what it asks for opens there, pop-ups never.
    void newWindowsOpenInTheSameBrowser_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<Qt::MouseButton>("button"); // on the link; NoButton: no click
        QTest::addColumn<QString>("expectedPage");
        const QString linked = LocalWebServer::LinkTarget;
        QTest::newRow("target=_blank") << "/blank/a" << Qt::LeftButton << linked;
        QTest::newRow("window.open on a click") << "/open/b" << Qt::LeftButton << linked;
        QTest::newRow("middle-click") << "/page/c" << Qt::MiddleButton << linked;
        QTest::newRow("pop-up as the page loads") << "/popup/d" << Qt::NoButton << "/popup/d";
    }

    void newWindowsOpenInTheSameBrowser()
    {
        QFETCH(QString, page);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, expectedPage);
        form().storeBrowsing().OpenStoreTabs();
        m_server.clearRequests();
        go(3, typedAddress(page));
        QVERIFY(m_server.showsPage(browser(3), page));
        if (button != Qt::NoButton) { // pointed at, as a person does, then clicked
            for (const QPoint at : {QPoint(5, 5), QPoint(20, 20)})
                QTest::mouseMove(browser(3)->focusProxy(), at);
            QTRY_COMPARE(panel(), typedAddress(LocalWebServer::LinkTarget));
            QTest::mouseClick(browser(3)->focusProxy(), button, {}, QPoint(20, 20));
        }
        QVERIFY(m_server.showsPage(browser(3), expectedPage));
        QVERIFY(m_server.settle(browser(0)) && m_server.showsPage(browser(3), expectedPage));
        QCOMPARE(m_server.pageTargets().count(LocalWebServer::LinkTarget),
                 expectedPage == page ? 0 : 1);
        QVERIFY(m_window->startPageShown());
    }

    // Asked for the location, then to show notifications: refused, without a question.
    void permissionsAreRefused()
    {
        go(0, typedAddress("/page/asks"));
        QVERIFY(m_server.showsPage(browser(0), "/page/asks"));
        evaluate(0, "navigator.geolocation.getCurrentPosition(() => {}, e => "
                    "Notification.requestPermission().then(p => document.title = e.code + p)); 1");
        QTRY_COMPARE(browser(0)->title(), QStringLiteral("1denied"));
    }

    // A file from store tab 2 goes where the save dialog says, bytes intact, or nowhere.
    void downloadsAskWhereToSave_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("expectedFiles");
        QTest::addColumn<QString>("expectedStatus"); // the last; "<file>" for the chosen path
        QTest::newRow("saved") << Answer::NewFile << QStringList{"chosen.pdf"} << "Saved <file>";
        QTest::newRow("replacing")
            << Answer::ExistingFile << QStringList{"chosen.pdf"} << "Saved <file>";
        QTest::newRow("cancelled") << Answer::Cancel << QStringList() << "Not saved: list.pdf";
    }

    void downloadsAskWhereToSave()
    {
        QFETCH(Answer, answer);
        QFETCH(QStringList, expectedFiles);
        QFETCH(QString, expectedStatus);
        QTemporaryDir saveTo;
        const QString chosen = saveTo.filePath("chosen.pdf");
        if (answer == Answer::ExistingFile)
            writeFile(chosen, "an older list");
        m_window->desktop.files.nextSaveAnswers = {answer == Answer::Cancel ? "" : chosen};
        QStringList statusTexts;
        connect(browser(2), &WebBrowser::StatusTextChange, &form(),
                [&](int, const QString& text) { statusTexts << text; });
        form().storeBrowsing().OpenStoreTabs();
        go(2, typedAddress("/page/before"));
        QVERIFY(m_server.showsPage(browser(2), "/page/before"));
        go(2, typedAddress("/download/list.pdf"));
        expectedStatus.replace("<file>", QDir::toNativeSeparators(chosen));
        QTRY_COMPARE(panel(), expectedStatus);
        QVERIFY(m_server.settle(browser(0)));
        QCOMPARE(m_window->desktop.files.nextSaveAnswers, QStringList()); // asked once
        QCOMPARE(QDir(saveTo.path()).entryList(QDir::Files), expectedFiles);
        if (answer != Answer::Cancel) {
            QCOMPARE(fileBytes(chosen), LocalWebServer::downloadBytes());
            QVERIFY2(statusTexts.filter("Saving chosen.pdf\u2026").size() > 0,
                     qPrintable(statusTexts.join('|')));
        }
        QCOMPARE(browser(2)->url(), m_server.url("/page/before"));
    }

    // Keys to the focused widget: the store page of the selected tab zooms, no other.
    void zoomKeysZoomTheActivePageOnly_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QList<int>>("expectedPercent"); // of browsers 1 and 4
        const auto ctrl = [](Qt::Key key) {
            return QKeyCombination(Qt::ControlModifier, key);
        };
        const QKeyCombination plus = ctrl(Qt::Key_Plus), minus = ctrl(Qt::Key_Minus);
        QTest::newRow("Ctrl+Plus twice, on the page")
            << 1 << "WebBrowser1_1" << QList{plus, plus} << QList{125, 100};
        QTest::newRow("Ctrl+=, in the search box")
            << 1 << "Text1" << QList{ctrl(Qt::Key_Equal)} << QList{110, 100};
        QTest::newRow("Ctrl+Minus") << 4 << "WebBrowser1_4" << QList{minus} << QList{100, 90};
        QTest::newRow("Ctrl+0") << 4 << "WebBrowser1_4" << QList{minus, minus, ctrl(Qt::Key_0)}
                                << QList{100, 100};
        QTest::newRow("Price Check")
            << PriceCheck << "Text7" << QList{plus, minus, minus} << QList{100, 100};
    }

    void zoomKeysZoomTheActivePageOnly()
    {
        QFETCH(int, tab);
        QFETCH(QString, focused);
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QList<int>, expectedPercent);
        form().storeBrowsing().OpenStoreTabs();
        for (int index : {1, 4}) {
            go(index, typedAddress("/page/zoom")); // the same server: zoom is not by host
            QVERIFY(m_server.showsPage(browser(index), "/page/zoom"));
        }
        form().SSTab1()->setCurrentIndex(tab);
        m_window->find<QWidget>(focused)->setFocus();
        for (const QKeyCombination key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        const auto percent = [this](int index) {
            return qRound(browser(index)->zoomFactor() * 100);
        };
        QTRY_COMPARE(QList({percent(1), percent(4)}), expectedPercent);
        QCOMPARE(percent(0), 100);
    }
};

VELLUMARK_TEST_MAIN(BrowserBehaviourTest)
#include "tst_browserbehaviour.moc"
