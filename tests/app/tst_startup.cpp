#include "TestMain.h"
#include "TestWindow.h"
#include "app/Form2.h"
#include "app/frmAbout.h"

#include <QLabel>
#include <QWebEnginePage>

enum class InPlace // what stands in a data file's place
{
    File,
    Folder,
    Link
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

    // A first start: store tabs closed, the collection shown, the start page asked for, nothing
    // said.
    void firstStart()
    {
        QList<bool> available;
        for (int tab = 0; tab < form().SSTab1()->count(); ++tab)
            available << form().SSTab1()->isAvailable(tab);
        QCOMPARE(available,
                 QList<bool>({true, false, false, false, false, true, true, true, true}));
        QCOMPARE(form().SSTab1()->currentIndex(), int(Program::CollectionTabIndex));
        for (int i = 0; i < Form1::StoreCount; ++i)
            QCOMPARE(form().WebBrowser1(i)->page()->requestedUrl().path(), i ? "" : "/index.htm");
        QCOMPARE(m_window->desktop.messages.shown.size(), 0);
    }

    // One bad file, the others missing: the window comes up with every row that can be read, and
    // the user is told about a file that cannot be read at all.
    void badFileAtStartUp_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("file");
        QTest::addColumn<InPlace>("inPlace");
        QTest::addColumn<QByteArray>("bytes"); // or the target of a link
        QTest::addColumn<int>("count");
        QTest::addColumn<Rows>("ends"); // the first and the last row, unless empty
        QTest::addColumn<bool>("told");
        const auto row = [](const char* tag, const char* list, const char* file, InPlace inPlace,
                            const QByteArray& bytes, int count, const Rows& ends, bool told) {
            QTest::newRow(tag) << QString(list) << QString(file) << inPlace << bytes << count
                               << ends << told;
        };
        QByteArray garbage(1 << 16, 0), lineEnds;
        QRandomGenerator(8).fillRange(reinterpret_cast<quint32*>(garbage.data()), 1 << 14);
        garbage += "end"; // so the last line has no line break, whatever the random bytes
        const int lines =
            (lineEnds = garbage).replace("\r\n", "\n").replace('\r', '\n').count('\n');
        const QString line(50 << 20, 'x'), nul(1, QChar(0));
        const Rows single{{line, "", "", "", "", "", "", "", ""}};
        const Rows nulRow{{"Black" + nul + "Lotus", nul, "", "", "", "", "9000" + nul}};
        const QByteArray nulBytes =
            QByteArray("Black@Lotus\r\n@\r\n\r\n\r\n\r\n\r\n9000@\r\n").replace('@', '\0');
        // clang-format off
        row("binary garbage", "ListView1", "file.dtt", InPlace::File, garbage, (lines + 2) / 2, {}, false);
        row("a 50 MB single line", "ListView3", "file2.dtt", InPlace::File, line.toLatin1(), 1, single + single, false);
        row("NUL bytes", "ListView2", "file5.dtt", InPlace::File, nulBytes, 1, nulRow + nulRow, false);
        row("a folder", "ListView3", "file2.dtt", InPlace::Folder, {}, 0, {}, true);
        row("unreadable: a read fails", "ListView2", "file5.dtt", InPlace::Link, "/proc/self/mem", 0, {}, true);
        // clang-format on
    }

    void badFileAtStartUp()
    {
        QFETCH(QString, list);
        QFETCH(QString, file);
        QFETCH(InPlace, inPlace);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(Rows, ends);
        QFETCH(bool, told);
        const QString at = m_folder->filePath(file);
        if (inPlace == InPlace::File)
            writeFile(at, bytes);
        QVERIFY(inPlace != InPlace::Folder || QDir().mkdir(at));
        QVERIFY(inPlace != InPlace::Link || QFile::link(bytes, at));
        m_window = std::make_unique<TestWindow>(m_folder->path(), Program::CollectionTabIndex);
        const Rows rows = m_window->rows(list);
        QCOMPARE(rows.size(), count);
        QVERIFY(ends.isEmpty() || (rows.first() == ends.first() && rows.last() == ends.last()));
        QTRY_COMPARE(m_window->desktop.messages.shown.size(), told ? 1 : 0);
        QVERIFY(!told || m_window->desktop.messages.shown[0].text.contains(at));
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
    }

    // Opened again, the help window comes back as it was, even from the task bar.
    void helpPageOpensOnceAndReloadsOnlyAfterClosing()
    {
        writeHelpPage("first");
        m_window->trigger("helpp");
        QPointer<Form2> help = form().helpWindow();
        QTRY_COMPARE(help->WebBrowser1()->title(), QStringLiteral("first"));
        QSignalSpy loads(help->WebBrowser1(), &QWebEngineView::loadStarted);
        writeHelpPage("second");
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
