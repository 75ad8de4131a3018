#include "ListTab.h"
#include "TestMain.h"

#include <QHeaderView>
#include <QPrinterInfo>
#include <unistd.h>

enum class Printer
{
    Takes,
    RefusesThenNo, // the answer to the offer of a PDF file in its place
    RefusesThenCancel,
    RefusesThenPdf,
    RefusesThenPdfInMissingFolder
};
Q_DECLARE_METATYPE(Printer)

// The text lines of each page of a PDF file, as pdftotext reads them; none for no file.
QList<QStringList> pdfPages(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    pdftotext.waitForFinished();
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f'))
        pages.append(page.trimmed().split(QRegularExpression("\\s*\\n\\s*"), Qt::SkipEmptyParts));
    pages.removeLast(); // what follows the last page's form feed
    return pages;
}

// The PRINT buttons of the tracker, trade and wish lists, on the default printer: a queue of a
// private CUPS scheduler that keeps the PDF file of every job it takes in its spool folder.
class PrintoutsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root;
    QProcess m_cupsd;

private slots:
    void initTestCase()
    {
        for (const char* tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/pdftotext"})
            if (!QFileInfo(tool).isExecutable())
                QSKIP("To be installed: cups and poppler-utils");
        // The scheduler runs its jobs as lp (it refuses root), which must be able to write here.
        QVERIFY(QDir(m_root.path()).mkdir("spool"));
        for (const QString& folder : {m_root.path(), m_root.filePath("spool")})
            QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
        const QString socket = m_root.filePath("cups.sock"),
                      user = ::geteuid() ? "" : "User lp\nGroup lp\n";
        writeFile(m_root.filePath("cupsd.conf"),
                  ("Listen " + socket + "\nPreserveJobFiles Yes\nDefaultAuthType None\n").toUtf8());
        const QString files = "%1ServerRoot %2\nRequestRoot %2/spool\nStateDir %2\nCacheDir %2\n"
                              "AccessLog %2/log\nErrorLog %2/log\nPageLog %2/log\nFileDevice Yes\n";
        writeFile(m_root.filePath("cups-files.conf"), files.arg(user, m_root.path()).toUtf8());
        // Qt's CUPS support reads this when first asked for a printer: before any tab exists.
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        m_cupsd.start("/usr/sbin/cupsd", {"-f", "-c", m_root.filePath("cupsd.conf"), "-s",
                                          m_root.filePath("cups-files.conf")});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 20000);
        QVERIFY(QProcess::execute(
                    "lpadmin", {"-p", "vmtest", "-E", "-v", "file:///dev/null", "-m", "raw"}) == 0);
        QCOMPARE(QProcess::execute("lpadmin", {"-d", "vmtest"}), 0);
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), "vmtest");
    }

    void cleanupTestCase() { m_cupsd.terminate(), m_cupsd.waitForFinished(); }

    void printing_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("lines"); // in the file, in quotes for a list box
        QTest::addColumn<QString>("button");
        QTest::addColumn<Printer>("printer");
        QTest::addColumn<QStringList>("printed"); // its text, or else the PDF file's
        QTest::addColumn<int>("pages");
        const auto row = [](const char* name, int tab, const char* file, const QStringList& lines,
                            const char* button, Printer printer, const QStringList& printed,
                            int pages) {
            QTest::newRow(name) << tab << file << lines << button << printer << printed << pages;
        };
        const int tracker = Program::TrackerTabIndex, lists = Program::TradeWishTabIndex;
        const QStringList trade{"\"gamma\"", "\"alpha\"", "\"\"", "\"beta\""};
        const QStringList traded{"CARDS TO TRADE", "alpha", "beta", "gamma"};
        QStringList fifty; // over two pages, nothing lost between them
        for (int row = 50; row > 0; --row)
            fifty << QString("Card %1 | eBay").arg(row, 2, 10, QChar('0'))
                  << QString("http://a/%1").arg(row);
        // clang-format off
        row("tracker, sorted by a heading click", tracker, "file.dtt", {"Black Lotus - eBay", "http://a/1", "Mox Pearl | eBay", "http://a/2"}, "Command7", Printer::Takes, {"Mox Pearl | eBay", "http://a/2", "Black Lotus - eBay", "http://a/1"}, 1);
        row("tracker over two pages", tracker, "file.dtt", fifty, "Command7", Printer::Takes, fifty, 2);
        row("empty tracker: no job", tracker, "file.dtt", {}, "Command7", Printer::Takes, {}, 0);
        row("trade list", lists, "file3.dtt", trade, "Command26", Printer::Takes, traded, 1);
        row("empty trade list: the heading alone", lists, "file3.dtt", {}, "Command26", Printer::Takes, {"CARDS TO TRADE"}, 1);
        row("wish list", lists, "file4.dtt", {"\"Time Walk\"", "\"Mox Jet\""}, "Command27", Printer::Takes, {"MY WISH LIST", "Mox Jet", "Time Walk"}, 1);
        row("refused, then No", lists, "file3.dtt", trade, "Command26", Printer::RefusesThenNo, {}, 0);
        row("refused, then Cancel in the save dialog", lists, "file3.dtt", trade, "Command26", Printer::RefusesThenCancel, {}, 0);
        row("refused, then a PDF file", lists, "file3.dtt", trade, "Command26", Printer::RefusesThenPdf, traded, 1);
        row("refused, then a PDF file in a missing folder", lists, "file3.dtt", trade, "Command26", Printer::RefusesThenPdfInMissingFolder, {}, 0);
        // clang-format on
    }

    void printing()
    {
        QFETCH(int, tab);
        QFETCH(QString, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, button);
        QFETCH(Printer, printer);
        QFETCH(QStringList, printed);
        QFETCH(int, pages);
        const bool takes = printer == Printer::Takes;
        QCOMPARE(QProcess::execute(takes ? "cupsaccept" : "cupsreject", {"vmtest"}), 0);
        QTemporaryDir folder;
        writeFile(folder.filePath(file), crlf(lines));
        ListTab window(folder.path(), Program::TabIndex(tab));
        TestDesktop& desktop = window.desktop;
        const QString pdf =
            folder.filePath(printer == Printer::RefusesThenPdfInMissingFolder ? "gone/printout.pdf"
                                                                              : "printout.pdf");
        if (!takes) {
            desktop.messages.yesNoAnswers = {printer != Printer::RefusesThenNo};
            desktop.files.nextSaveAnswers = {printer == Printer::RefusesThenCancel ? "" : pdf};
        }
        if (auto* list = window.find<ListView>("ListView1")) // a heading click sorts descending
            QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, {20, 5});
        const QDir spool(m_root.filePath("spool"), "d*");
        const QStringList jobs = spool.entryList();
        window.click(button);
        const QStringList after = QDir(spool.path(), "d*").entryList();
        QCOMPARE(after.size(), jobs.size() + int(takes && pages > 0));
        const QList<QStringList> read =
            pdfPages(!takes                       ? pdf
                     : after.size() > jobs.size() ? spool.filePath(after.last())
                                                  : "");
        QCOMPARE(read.size(), pages);
        QCOMPARE(std::accumulate(read.begin(), read.end(), QStringList()), printed);
        // Refused: the user is told nothing was printed, and offered a PDF file in its place.
        QCOMPARE(desktop.messages.questions.filter("Nothing was printed.").size(), int(!takes));
        QCOMPARE(desktop.messages.questions.size(), int(!takes));
        QCOMPARE(desktop.files.nextSaveAnswers.size(), int(printer == Printer::RefusesThenNo));
        QCOMPARE(desktop.messages.shown.size(),
                 int(printer == Printer::RefusesThenPdfInMissingFolder));
        QVERIFY(desktop.messages.shown.isEmpty() || desktop.messages.shown[0].text.contains(pdf));
    }
};

VELLUMARK_TEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
