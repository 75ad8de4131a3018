#include "TestMain.h"
#include "TestWindow.h"

#include <QHeaderView>

const QString Long = "Black Lotus, Alpha, graded, " + QString(300, u'X');
const QMap<QString, QByteArray> Files{
    {"file.dtt", "Black Lotus - eBay\r\nhttp://a/1\r\nMox Pearl | eBay\r\nhttp://a/2\r\n"
                 "Ancestral Recall\r\nhttp://a/3\r\n"},
    {"file3.dtt", "\"gamma\"\r\n\"alpha\"\r\n\"\"\r\n\"beta\"\r\n"},
    {"file4.dtt", "\"Time Walk\"\r\n\"" + Long.toUtf8() + "\"\r\n\"Mox Jet\"\r\n"}};

class PrintoutsTest : public QObject
{
    Q_OBJECT

private slots:
    // A PRINT button clicked with the lists above, or with none, on a printer that works or on one
    // that fails, with the answer to the offer of a PDF file: No, Cancel, or the file's name.
    void printing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("failing");
        const QStringList trade{"CARDS TO TRADE", "", "alpha", "beta", "gamma"};
        QTest::newRow("tracker: titles and addresses as shown")
            << "Command7"
            << QStringList{"Mox Pearl | eBay", "http://a/2",       "Black Lotus - eBay",
                           "http://a/1",       "Ancestral Recall", "http://a/3"}
            << "";
        QTest::newRow("empty tracker: no job") << "Command7 without lists" << QStringList() << "";
        QTest::newRow("trade list") << "Command26" << trade << "";
        QTest::newRow("empty trade list: the heading alone")
            << "Command26 without lists" << QStringList{"CARDS TO TRADE"} << "";
        QTest::newRow("wish list, nothing shortened")
            << "Command27" << QStringList{"MY WISH LIST", Long, "Mox Jet", "Time Walk"} << "";
        for (const char* answer : {"No", "Cancel", "printout.pdf", "gone/printout.pdf"})
            QTest::addRow("failing printer, %s", answer) << "Command26" << trade << answer;
    }

    void printing()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, lines);
        QFETCH(QString, failing);
        QTemporaryDir folder;
        for (const QString& name : Files.keys())
            if (!button.contains(' '))
                writeFile(folder.filePath(name), Files[name]);
        TestWindow window(folder.path(), button.startsWith("Command7")
                                             ? Program::TrackerTabIndex
                                             : Program::TradeWishTabIndex);
        TestDesktop& desktop = window.desktop;
        const QString pdf = failing.endsWith(".pdf") ? folder.filePath(failing) : QString();
        if (!failing.isEmpty()) {
            desktop.printerFailure = "The printer \"Office\" is out of paper.";
            desktop.messages.yesNoAnswers = {failing != "No"};
            desktop.files.nextSaveAnswers = {pdf};
        }
        // A click on the tracker's first heading sorts descending: the printout follows the list.
        QHeaderView* header = window.find<ListView>("ListView1")->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionSize(0) / 2, 5});
        window.click(button.section(' ', 0, 0));
        // One job per click; a printout without lines sends nothing, not even an empty page.
        const bool printed = failing.isEmpty() && !lines.isEmpty();
        QCOMPARE(desktop.printJobs, QList<QStringList>(printed, lines));
        // A failing printer: the user is told nothing was printed and why, and offered a PDF file.
        const QStringList told = desktop.messages.questions.filter(desktop.printerFailure);
        QCOMPARE(told.filter("nothing was printed", Qt::CaseInsensitive),
                 desktop.messages.questions);
        QCOMPARE(told.size(), int(!failing.isEmpty()));
        QCOMPARE(desktop.files.nextSaveAnswers.size(), int(failing == "No")); // after Yes only
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", pdf, "-"});
        pdftotext.waitForFinished();
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).trimmed();
        QCOMPARE(text.split(QRegularExpression("\\s*[\\n\\f]\\s*"), Qt::SkipEmptyParts),
                 failing == "printout.pdf" ? lines.filter(QRegularExpression(".")) : QStringList());
        QCOMPARE(desktop.messages.shown.size(), int(failing.startsWith("gone/"))); // not written
        QVERIFY(desktop.messages.shown.isEmpty() || desktop.messages.shown[0].text.contains(pdf));
    }
};

VELLUMARK_TEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
