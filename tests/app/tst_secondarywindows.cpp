#include "TestMain.h"
#include "TestWindow.h"
#include "app/Form2.h"
#include "app/WindowLayout.h"
#include "app/frmAbout.h"
#include "platform/Twips.h"

#include <QMenuBar>

// Runs the event loop with action; true when the program ends (exit code 0) within a second.
bool programEndsAfter(const std::function<void()>& action)
{
    QObject context;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(1000, &context, [] { QCoreApplication::exit(1); });
    return QApplication::exec() == 0;
}

class SecondaryWindowsTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestWindow> m_window;
    Form1& form() { return m_window->form; }
    void writeHelpPage(const QByteArray& title)
    {
        writeFile(m_folder->filePath("help.htm"), "<title>" + title + "</title>");
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<TestWindow>(m_folder->path(), Program::CollectionTabIndex);
    }

    void cleanup() { m_window.reset(); }

    void helpPageOpensOnceAndReloadsOnlyAfterClosing()
    {
        writeHelpPage("first");
        m_window->trigger("helpp");
        QPointer<Form2> help = form().helpWindow();
        QTRY_COMPARE(help->WebBrowser1()->title(), QStringLiteral("first"));
        QSignalSpy loads(help->WebBrowser1(), &QWebEngineView::loadStarted);
        writeHelpPage("second");
        m_window->trigger("helpp");
        QCOMPARE(form().helpWindow(), help.data());
        QVERIFY2(!loads.wait(1000), "the open help page was loaded again");
        help->close();
        QTRY_VERIFY(!help && !form().helpWindow());
        m_window->trigger("helpp");
        QTRY_COMPARE(form().helpWindow()->WebBrowser1()->title(), QStringLiteral("second"));
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
        for (const QString& name : std::as_const(opened)) {
            m_window->trigger(name == "Form2" ? "helpp" : "about");
            m_window->trigger(name == "Form2" ? "helpp" : "about");
            QCOMPARE(form().findChildren<QWidget*>(name).size(), 1);
            QVERIFY(QTest::qWaitForWindowExposed(form().findChild<QWidget*>(name)));
            QVERIFY(!QApplication::activeModalWidget());
        }
        bool ended = programEndsAfter(
            [&] { fileClose ? m_window->trigger("closer") : void(form().close()); });
        for (const QString& name : fileClose ? QStringList{} : opened) {
            QVERIFY2(!ended, "the program ended while a window was open");
            QPointer<QWidget> other = form().findChild<QWidget*>(name);
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
        // The design client area holds the status bar; the menu bar comes on top of it.
        QCOMPARE(form().size(),
                 QSize(Twips::toPixels(13650), Twips::toPixels(8880) + form().menuBar()->height()));
        for (const QSize size : {QSize(40, 30), QSize(1100, 780)}) {
            form().resize(size);
            QTRY_COMPARE(form().size(), size.expandedTo(form().minimumSize()));
            const int height = Twips::fromPixels(form().frameGeometry().height());
            const int width = Twips::fromPixels(form().frameGeometry().width());
            QVERIFY(height >= WindowLayout::MinimumHeight && width >= WindowLayout::MinimumWidth);
            const WindowGeometry g = WindowLayout::compute(height, width);
            const std::tuple<const char*, int, int> sizes[]{
                {"WebBrowser1_4", g.browserWidth, g.browserHeight},
                {"ListView3", g.collectionListWidth, g.collectionListHeight},
                {"SSTab1", g.tabsWidth, g.tabsHeight},
                {"ListView1", g.trackerListWidth, g.trackerListHeight}};
            for (const auto& [name, w, h] : sizes)
                QTRY_COMPARE(m_window->find<QWidget>(name)->size(),
                             Twips::toPixels(0, 0, w, h).size());
        }
    }
};

VELLUMARK_TEST_MAIN(SecondaryWindowsTest)
#include "tst_secondarywindows.moc"
