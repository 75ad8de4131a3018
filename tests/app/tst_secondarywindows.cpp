#include "LocalWebServer.h"
#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "app/WindowLayout.h"
#include "app/frmAbout.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

namespace {

// The main window, shown; its stores on a port where nothing listens.
struct Fixture
{
    QTemporaryDir folder;
    TestDesktop desktop;
    Form1 window{folder.path(), desktop.services(),
                 StoreHosts::allOn(LocalWebServer::refusingUrl(QStringLiteral("/")).authority()),
                 folder.filePath(QStringLiteral("help.htm"))};
    Fixture() { window.show(); }
    void writeHelpPage(const QString& title)
    {
        QFile file(folder.filePath(QStringLiteral("help.htm")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("<title>%1</title>").arg(title).toUtf8());
    }
    void trigger(const QString& name) { window.findChild<QAction*>(name)->trigger(); }
};

// Runs the event loop with action; true when the program ends (exit code 0) within a second.
bool programEndsAfter(const std::function<void()>& action)
{
    QObject context;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(1000, &context, [] { QCoreApplication::exit(1); });
    return QApplication::exec() == 0;
}

} // namespace

class SecondaryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void helpPageOpensOnceAndReloadsOnlyAfterClosing()
    {
        Fixture f;
        f.writeHelpPage(QStringLiteral("first"));
        f.trigger(QStringLiteral("helpp"));
        QPointer<Form2> help = f.window.helpWindow();
        QTRY_COMPARE(help->WebBrowser1()->title(), QStringLiteral("first"));
        QSignalSpy loads(help->WebBrowser1(), &QWebEngineView::loadStarted);
        f.writeHelpPage(QStringLiteral("second"));
        f.trigger(QStringLiteral("helpp"));
        QCOMPARE(f.window.helpWindow(), help.data());
        QVERIFY2(!loads.wait(1000), "the open help page was loaded again");

        help->close();
        QTRY_VERIFY(!help && !f.window.helpWindow());
        f.trigger(QStringLiteral("helpp"));
        QTRY_COMPARE(f.window.helpWindow()->WebBrowser1()->title(), QStringLiteral("second"));
    }

    // One modeless copy of each window; Enter and Esc close About; File, Close ends at once.
    void programEndsWithItsLastWindow_data()
    {
        QTest::addColumn<QStringList>("opened"); // the windows, in the order they close
        QTest::addColumn<bool>("fileClose");
        QTest::addColumn<Qt::Key>("aboutKey"); // the key that closes About
        QTest::newRow("main window alone") << QStringList{} << false << Qt::Key_unknown;
        QTest::newRow("Enter, last") << QStringList{"Form2", "frmAbout"} << false << Qt::Key_Return;
        QTest::newRow("Esc, first") << QStringList{"frmAbout", "Form2"} << false << Qt::Key_Escape;
        QTest::newRow("File Close") << QStringList{"Form2", "frmAbout"} << true << Qt::Key_unknown;
    }

    void programEndsWithItsLastWindow()
    {
        QFETCH(QStringList, opened);
        QFETCH(bool, fileClose);
        QFETCH(Qt::Key, aboutKey);
        Fixture f;
        for (const QString& name : std::as_const(opened)) {
            f.trigger(name == "Form2" ? "helpp" : "about");
            f.trigger(name == "Form2" ? "helpp" : "about");
            QCOMPARE(f.window.findChildren<QWidget*>(name).size(), 1);
            QVERIFY(QTest::qWaitForWindowExposed(f.window.findChild<QWidget*>(name)));
            QVERIFY(!QApplication::activeModalWidget());
        }
        bool ended =
            programEndsAfter([&] { fileClose ? f.trigger("closer") : void(f.window.close()); });
        for (const QString& name : fileClose ? QStringList{} : opened) {
            QVERIFY2(!ended, "the program ended while a window was open");
            QPointer<QWidget> other = f.window.findChild<QWidget*>(name);
            QVERIFY(other && other->isVisible());
            ended = programEndsAfter([&] {
                QWidget* target = other->focusWidget() ? other->focusWidget() : other.data();
                name == "frmAbout" ? QTest::keyClick(target, aboutKey) : void(other->close());
            });
            QVERIFY(!other);
        }
        QVERIFY(ended);
    }

    void controlsFollowTheWindowSize()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        for (const QSize size : {QSize(40, 30), QSize(1100, 780)}) {
            f.window.resize(size);
            QTRY_COMPARE(f.window.size(), size.expandedTo(f.window.minimumSize()));
            const int height = Twips::fromPixels(f.window.frameGeometry().height());
            const int width = Twips::fromPixels(f.window.frameGeometry().width());
            QVERIFY(height >= WindowLayout::MinimumHeight && width >= WindowLayout::MinimumWidth);
            const WindowGeometry g = WindowLayout::compute(height, width);
            QTRY_COMPARE(f.window.WebBrowser1(4)->size(),
                         Twips::toPixels(0, 0, g.browserWidth, g.browserHeight).size());
            QCOMPARE(f.window.findChild<QWidget*>("ListView3")->size(),
                     Twips::toPixels(0, 0, g.collectionListWidth, g.collectionListHeight).size());
            QCOMPARE(f.window.findChild<QWidget*>("SSTab1")->size(),
                     Twips::toPixels(0, 0, g.tabsWidth, g.tabsHeight).size());
            QCOMPARE(f.window.findChild<QWidget*>("ListView1")->size(),
                     Twips::toPixels(0, 0, g.trackerListWidth, g.trackerListHeight).size());
        }
    }
};

VELLUMARK_TEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
