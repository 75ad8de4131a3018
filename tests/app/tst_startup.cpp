#include "TestMain.h"
#include "TestWindow.h"
#include "app/Form2.h"
#include "app/frmAbout.h"

#include <QLabel>
#include <QWebEnginePage>

enum class InPlace // what stands in a data file's place
{
    Nothing,
    Folder,
    UnreadableLink
};

// Runs the event loop with action; true when the program ends (exit code 0) within a second.
bool programEndsAfter(const std::function<void()>& action)
{
    QObject context;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(1000, &context, [] { QCoreApplication::exit(1); });
    return QApplication::exec() == 0;
}

// Start-up, the help window and the About box, and the way out.
class StartupTest : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestWindow> m_window;
    Form1& form() { return m_window->form; }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<TestWindow>(m_folder->path(), Program::CollectionTabIndex);
    }

    void cleanup() { m_window.reset(); }

    // Store tabs closed, the collection shown, the start page asked for. A data file that cannot
    // be read at all leaves its list empty and is named to the user, the other lists come up.
    void startUp_data()
    {
        QTest::addColumn<InPlace>("inPlace"); // of the price check's file
        QTest::addColumn<bool>("told");
        QTest::newRow("first start") << InPlace::Nothing << false;
        QTest::newRow("a folder") << InPlace::Folder << true;
        QTest::newRow("a read fails") << InPlace::UnreadableLink << true;
    }

    void startUp()
    {
        QFETCH(InPlace, inPlace);
        QFETCH(bool, told);
        const QString priceCheck = m_folder->filePath("file5.dtt");
        writeFile(m_folder->filePath("file2.dtt"), "Mox Sapphire\r\n265\r\n");
        QVERIFY(inPlace != InPlace::Folder || QDir().mkdir(priceCheck));
        QVERIFY(inPlace != InPlace::UnreadableLink || QFile::link("/proc/self/mem", priceCheck));
        m_window = std::make_unique<TestWindow>(m_folder->path(), Program::CollectionTabIndex);
        QList<bool> available;
        for (int tab = 0; tab < form().SSTab1()->count(); ++tab)
            available << form().SSTab1()->isAvailable(tab);
        QCOMPARE(available,
                 QList<bool>({true, false, false, false, false, true, true, true, true}));
        QCOMPARE(form().SSTab1()->currentIndex(), int(Program::CollectionTabIndex));
        for (int i = 0; i < Form1::StoreCount; ++i)
            QCOMPARE(form().WebBrowser1(i)->page()->requestedUrl().path(), i ? "" : "/index.htm");
        QCOMPARE(m_window->rows("ListView3").value(0).mid(0, 2),
                 QStringList({"Mox Sapphire", "265"}));
        QCOMPARE(m_window->rows("ListView2"), Rows());
        QTRY_COMPARE(m_window->desktop.messages.shown.size(), told ? 1 : 0);
        QVERIFY(!told || m_window->desktop.messages.shown[0].text.contains(priceCheck));
    }

    void windowsShowTheirTitlesAndTexts()
    {
        m_window->trigger("helpp");
        m_window->trigger("about");
        const auto text = [this](const char* label) {
            return form().aboutBox()->findChild<QLabel*>(label)->text();
        };
        QCOMPARE(QStringList({form().windowTitle(), form().helpWindow()->windowTitle(),
                              form().aboutBox()->windowTitle(), text("lblTitle"),
                              text("lblVersion"), text("lblDisclaimer").section(". ", -1)}),
                 QStringList({"Vellumark - (Sorcelan)", "Help Page", "About Vellumark - (Duelkin)",
                              "Vellumark - (Sorcelan)", "Version 1.20",
                              "This software is not affiliated or endorsed by eBay."}));
        // The icon is drawn from a picture of each size, not scaled from another; the About box's
        // card stands on a clear background.
        for (int side : {16, 32, 48, 64, 128, 256})
            QVERIFY(form().windowIcon().availableSizes().contains(QSize(side, side)));
        const QImage card = form().aboutBox()->findChild<QLabel*>("picIcon")->pixmap().toImage();
        QCOMPARE(card.size(), QSize(63, 72));
        QCOMPARE(card.pixelColor(31, 36).alpha(), 255);
        QCOMPARE(card.pixelColor(0, 0).alpha(), 0);
    }

    // Opened again, the help window comes back as it was, even from the task bar.
    void helpPageOpensOnceAndReloadsOnlyAfterClosing()
    {
        writeFile(m_folder->filePath("help.htm"), "<title>first</title>");
        m_window->trigger("helpp");
        QPointer<Form2> help = form().helpWindow();
        QTRY_COMPARE(help->WebBrowser1()->title(), QStringLiteral("first"));
        QSignalSpy loads(help->WebBrowser1(), &QWebEngineView::loadStarted);
        writeFile(m_folder->filePath("help.htm"), "<title>second</title>");
        help->showMinimized();
        m_window->trigger("helpp");
        QCOMPARE(form().findChildren<Form2*>(), QList<Form2*>{help});
        QCOMPARE(help->windowState() & Qt::WindowMinimized, Qt::WindowNoState);
        QVERIFY2(!loads.wait(1000), "the open help page was loaded again");
        help->close();
        QTRY_VERIFY(!help && !form().helpWindow());
        m_window->trigger("helpp");
        QTRY_COMPARE(form().helpWindow()->WebBrowser1()->title(), QStringLiteral("second"));
    }

    // One modeless copy of each window; Enter and Esc close About; File, Close ends at once.
    // Nothing is saved or asked on the way out.
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
        m_window->find<ListView>("ListView3")->rows().appendRow({"Mox Sapphire", "265"});
        m_window->find<ListBox>("List1")->AddItem("Lord of Atlantis");
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
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

VELLUMARK_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
