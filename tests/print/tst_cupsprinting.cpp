#include "TestMain.h"
#include "TestWindow.h"

#include <QPrinterInfo>
#include <unistd.h>

// The non-empty text lines of each page of a PDF file.
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

// The whole print path: the program prints on the default printer, a queue of a private CUPS
// scheduler that keeps the PDF file of every job in its spool folder.
class CupsPrintingTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_root, m_data;
    QProcess m_cupsd;
    QStringList m_questions; // asked by the windows so far

    QStringList jobs() const { return QDir(m_root.filePath("spool"), "d*").entryList(); }

    // Clicks PRINT buttons on the main window over the tracker and the trade list given. The one
    // job spooled, or "" for none or more.
    QString print(const QByteArray& tracker, const QByteArray& trade, const QStringList& buttons)
    {
        writeFile(m_data.filePath("file.dtt"), tracker);
        writeFile(m_data.filePath("file3.dtt"), trade);
        TestWindow window(m_data.path(), Program::TrackerTabIndex);
        window.desktop.realPrinter = true;
        const QStringList before = jobs();
        for (const QString& button : buttons) {
            window.form.SSTab1()->setCurrentIndex(
                button == "Command7" ? Program::TrackerTabIndex : Program::TradeWishTabIndex);
            window.click(button);
        }
        m_questions += window.desktop.messages.questions;
        const QStringList after = jobs(); // the print system has it once it took it
        return after.size() == before.size() + 1 ? m_root.filePath("spool/" + after.last()) : "";
    }

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
        // Qt's CUPS support reads this when first asked for a printer: before any window exists.
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

    void listsReachThePrinter()
    {
        // An empty tracker list sends no job: the trade list's is the only one.
        const QString trade =
            print("", "\"Shivan\"\r\n\"Ancestral\"\r\n\"Birds\"\r\n", {"Command7", "Command26"});
        QCOMPARE(pdfPages(trade),
                 (QList<QStringList>{{"CARDS TO TRADE", "Ancestral", "Birds", "Shivan"}}));
        // A tracker list over two pages: the first is full before the second begins, and nothing
        // is lost between them.
        QStringList tracker;
        for (int row = 1; row <= 50; ++row)
            tracker +=
                QString("Tracked card %1 | eBay;http://www.ebay.com/itm/%1").arg(row).split(';');
        const QList<QStringList> pages = pdfPages(print(crlf(tracker), "", {"Command7"}));
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages[0].size() > tracker.size() / 2);
        QCOMPARE(pages[0] + pages[1], tracker);
        QCOMPARE(m_questions, QStringList());
    }

    void refusedJobIsNotTakenForPrinted()
    {
        QCOMPARE(QProcess::execute("cupsreject", {"-r", "Out of paper", "vmtest"}), 0);
        QCOMPARE(print("", "\"alpha\"\r\n", {"Command26"}), QString()); // no job
        // The user is told that nothing was printed, and offered the PDF file instead.
        QCOMPARE(m_questions.size(), 1);
    }
};

VELLUMARK_TEST_MAIN(CupsPrintingTest)
#include "tst_cupsprinting.moc"
