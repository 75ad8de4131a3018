#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "platform/WebBrowser.h"

#include <QWebEnginePage>
#include <sys/stat.h>

using Rows = QVector<QStringList>;

namespace {

// The rows of the list that the file fills.
Rows listOf(Form1& window, const QString& file)
{
    return window
        .findChild<ListView*>(file == "file.dtt"    ? "ListView1"
                              : file == "file2.dtt" ? "ListView3"
                                                    : "ListView2")
        ->rows()
        .rows();
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    // A first start: store tabs closed, the collection shown, nothing said; File, Close then
    // ends the program at once without saving the unsaved edits.
    void firstStartAndFileClose()
    {
        QTemporaryDir folder;
        TestDesktop desktop;
        Form1 window(folder.path(), desktop.services());
        window.show();
        for (int tab = 0; tab < window.SSTab1()->count(); ++tab) {
            QCOMPARE(window.SSTab1()->isAvailable(tab),
                     tab == 0 || tab >= Program::TrackerTabIndex);
        }
        QCOMPARE(window.SSTab1()->currentIndex(), int(Program::CollectionTabIndex));
        for (int i = 0; i < Form1::StoreCount; ++i) {
            QCOMPARE(window.WebBrowser1(i)->page()->requestedUrl().path(), i ? "" : "/index.htm");
        }
        window.findChild<ListView*>("ListView3")->rows().appendRow({"Mox Sapphire", "265"});
        window.findChild<ListBox*>("List1")->AddItem("Lord of Atlantis");
        QTimer::singleShot(0, &window, [&] { window.findChild<QAction*>("closer")->trigger(); });
        QTimer::singleShot(1000, &window, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(desktop.messages.shown.size(), 0);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // One bad file, the others missing: the window comes up with every row that can be read, and
    // the user is told about a file that cannot be read at all.
    void badFileAtStartUp_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<Rows>("ends"); // the first and the last row, unless empty
        QTest::addColumn<bool>("told");
        QTest::addColumn<QString>("kind");     // of what stands in the file's place
        QTest::addColumn<QByteArray>("bytes"); // or the target of a link
        QByteArray garbage(1 << 16, 0), lineEnds;
        QRandomGenerator(8).fillRange(reinterpret_cast<quint32*>(garbage.data()), 1 << 14);
        garbage += "end"; // so the last line has no line break, whatever the random bytes
        const int lines =
            (lineEnds = garbage).replace("\r\n", "\n").replace('\r', '\n').count('\n');
        QTest::newRow("binary garbage")
            << "file.dtt" << (lines + 2) / 2 << Rows{} << false << "file" << garbage;
        const QString line(50 << 20, 'x');
        const Rows single{{line, "", "", "", "", "", "", "", ""}};
        QTest::newRow("a 50 MB single line")
            << "file2.dtt" << 1 << single + single << false << "file" << line.toLatin1();
        const QString nul(1, QChar(0));
        const Rows nulRow{{"Black" + nul + "Lotus", nul, "", "", "", "", "9000" + nul}};
        QTest::newRow("NUL bytes")
            << "file5.dtt" << 1 << nulRow + nulRow << false << "file"
            << QByteArray("Black@Lotus\r\n@\r\n\r\n\r\n\r\n\r\n9000@\r\n").replace('@', '\0');
        const Rows cp1252{{"Dandân", "Juzám Djinn"}};
        QTest::newRow("invalid UTF-8: Windows-1252")
            << "file.dtt" << 1 << cp1252 + cp1252 << false << "file"
            << QByteArray("Dand\xE2n\r\nJuz\xE1m Djinn\r\n");
        QTest::newRow("truncated last record")
            << "file2.dtt" << 3
            << Rows{{"Serra Angel", "12", "1", "Alpha", "Mint", "RARE", "$40", "$40", ""},
                    {"Mox Jet", "83", "2", "", "", "", "", "", ""}}
            << false << "file"
            << QByteArray("Serra Angel\r\n12\r\n1\r\nAlpha\r\nMint\r\nRARE\r\n$40\r\n$40\r\n\r\n")
                       .repeated(2) +
                   "Mox Jet\r\n83\r\n2";
        QTest::newRow("a folder") << "file2.dtt" << 0 << Rows{} << true << "folder" << QByteArray();
        QTest::newRow("a pipe, no writer")
            << "file.dtt" << 0 << Rows{} << true << "fifo" << QByteArray();
        QTest::newRow("unreadable: a read fails")
            << "file5.dtt" << 0 << Rows{} << true << "link" << QByteArray("/proc/self/mem");
        QByteArray million;
        for (int row = 1; row <= 1000000; ++row) {
            const QByteArray number = QByteArray::number(row);
            million += "Card " + number + "\r\nhttp://shop.test/" + number + "\r\n";
        }
        QTest::newRow("1,000,000 rows")
            << "file.dtt" << 1000000
            << Rows{{"Card 1", "http://shop.test/1"}, {"Card 1000000", "http://shop.test/1000000"}}
            << false << "file" << million;
    }

    void badFileAtStartUp()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QFETCH(Rows, ends);
        QFETCH(bool, told);
        QTemporaryDir folder;
        const QString at = folder.filePath(file);
        QFile out(at);
        QVERIFY(kind == "folder" ? QDir().mkdir(at)
                : kind == "fifo" ? mkfifo(qPrintable(at), 0600) == 0
                : kind == "link"
                    ? QFile::link(bytes, at)
                    : out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        TestDesktop desktop;
        QElapsedTimer startUp;
        startUp.start();
        Form1 window(folder.path(), desktop.services());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const Rows rows = listOf(window, file);
        qInfo() << "window up with its lists in" << startUp.elapsed() << "ms";
        QCOMPARE(rows.size(), count);
        QVERIFY(ends.isEmpty() || (rows.first() == ends.first() && rows.last() == ends.last()));
        QTRY_COMPARE(desktop.messages.shown.size(), told ? 1 : 0);
        QVERIFY(!told || desktop.messages.shown[0].text.contains(at));
    }
};

VELLUMARK_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
