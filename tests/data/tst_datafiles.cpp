#include "CrashSaveList.h"
#include "TestDoubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "lists/collection/CollectionTab.h"
#include "platform/ListBox.h"

#include <QPushButton>
#include <csignal>
#include <sys/mount.h>

using Snapshot = QMap<QString, QByteArray>;

// What Windows Notepad saves as "Unicode": a byte-order mark, then two bytes a character.
static QByteArray notepadUnicode(const QString& text, QStringConverter::Encoding byteOrder)
{
    return QStringEncoder(byteOrder, QStringConverter::Flag::WriteBom).encode(text);
}

static Snapshot snapshot(const QString& folder)
{
    Snapshot entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        entries.insert(QDir(folder).relativeFilePath(file.fileName()),
                       file.open(QIODevice::ReadOnly) ? file.readAll() : "<folder>");
    }
    return entries;
}

// A save layer that runs out of disk space, or finds a folder where it would put its file.
struct FaultyFile : QSaveFile
{
    FaultyFile(const QString& path, const QString& fault)
        : QSaveFile(path)
        , fault(fault)
    {
    }

    qint64 writeData(const char* data, qint64 size) override
    {
        if (fault == "folder at rename") {
            QDir().mkpath(fileName());
            return QSaveFile::writeData(data, size);
        }
        setErrorString("No space left on device");
        return -1;
    }

    const QString fault;
};

class DataFilesTest : public QObject
{
    Q_OBJECT

    std::optional<QTemporaryDir> root;
    RecordingMessageBox messages;
    std::optional<DataFiles> files;

    QString path(const QString& fileName) const { return root->filePath(fileName); }
    QString message() const { return messages.shown.size() == 1 ? messages.shown[0].text : ""; }

private slots:
    void init()
    {
        root.emplace();
        messages.shown.clear();
        files.emplace(root->path(), messages);
    }

    // The file holds `bytes`; once read and saved it holds `saved`.
    void lineFileReadAndWrittenBack_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("missing file: empty list") << 7 << QByteArray() << QByteArray();
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte) {
            everyByte += byte == '\r' || byte == '\n' ? "" : char(byte) + QByteArray("\r\n");
        }
        QTest::newRow("Windows-1252, every byte") << 2 << everyByte << everyByte;
        QTest::newRow("UTF-16 BE, a name beyond Windows-1252: saved as UTF-8")
            << 2 << notepadUnicode("Æther Vial\r\nΩ\r\n", QStringConverter::Utf16BE)
            << QByteArray("\xC3\x86ther Vial\r\n\xCE\xA9\r\n");
    }

    void lineFileReadAndWrittenBack()
    {
        QFETCH(int, columns);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        if (!bytes.isEmpty())
            writeFile(path("file.dtt"), bytes);
        // What a killed save leaves goes at the next start; a copy of the user's stays.
        const QString staging = path("file.dtt") + DataFiles::StagingSuffix;
        writeFile(staging, "half");
        writeFile(staging + ".AbCdEf", "half");
        writeFile(path("file.dtt.backup"), "mine");
        ListView list("", QVector<ListColumn>(columns));
        list.rows().appendRow({"left over"});
        files->ReadLineFile(list, "file.dtt");
        files->reportUnreadableFiles();
        QVERIFY(messages.shown.isEmpty());
        QFile::remove(path("file.dtt"));
        QVERIFY(files->WriteLineFile(list, "file.dtt"));
        QCOMPARE(snapshot(root->path()),
                 (Snapshot{{"file.dtt", saved}, {"file.dtt.backup", "mine"}}));
    }

    // The trade file holds `bytes`; the list shows `entries`, and a save writes `saved`.
    void quotedFileReadAndSaved_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray own =
            "\"\"\r\n\"Alpha, Beta\"\r\n\"Two\r\n\"\"lines\"\"\"\r\n\"Zeta \"\"Z\"\"\"\r\n";
        QTest::newRow("as this program writes: comma, empty, line break, quotes")
            << own << QStringList{"", "Alpha, Beta", "Two\r\n\"lines\"", "Zeta \"Z\""} << own;
        QTest::newRow("inch mark typed in an editor")
            << QByteArray("\"Mox Jet\"\r\n\"Sol Ring\"\r\nLord of the Pit 12\"\r\n"
                          "\"Black Lotus\"\r\n\"Timetwister\"\r\n")
            << QStringList{"Black Lotus", "Lord of the Pit 12\"", "Mox Jet", "Sol Ring",
                           "Timetwister"}
            << QByteArray("\"Black Lotus\"\r\n\"Lord of the Pit 12\"\"\"\r\n\"Mox Jet\"\r\n"
                          "\"Sol Ring\"\r\n\"Timetwister\"\r\n");
        QTest::newRow("closing quote forgotten")
            << QByteArray("\"Kird Ape\r\n\"Mox Pearl\"\r\n") << QStringList{"Kird Ape", "Mox Pearl"}
            << QByteArray("\"Kird Ape\"\r\n\"Mox Pearl\"\r\n");
        QTest::newRow("quote written undoubled by the Windows program")
            << QByteArray("\"12\"\"\r\n\"Mox Pearl\"\r\n\"Time Walk\"\r\n")
            << QStringList{"12\"", "Mox Pearl", "Time Walk"}
            << QByteArray("\"12\"\"\"\r\n\"Mox Pearl\"\r\n\"Time Walk\"\r\n");
        QTest::newRow("UTF-16 LE from Notepad: saved as Windows-1252")
            << notepadUnicode("\"Æther Vial\"\r\n\"Æther Spellbomb\"\r\n",
                              QStringConverter::Utf16LE)
            << QStringList{"Æther Spellbomb", "Æther Vial"}
            << QByteArray("\"\xC6ther Spellbomb\"\r\n\"\xC6ther Vial\"\r\n");
        QTest::newRow("UTF-16 BE, a name beyond Windows-1252: saved as UTF-8")
            << notepadUnicode("\"Ωmega\"\r\n\"Æther Vial\"\r\n", QStringConverter::Utf16BE)
            << QStringList{"Æther Vial", "Ωmega"}
            << QByteArray("\"\xC3\x86ther Vial\"\r\n\"\xCE\xA9mega\"\r\n");
        QTest::newRow("UTF-16 cut short in its last character, a surrogate pair")
            << notepadUnicode("\"Æther Vial\"\r\n\"Ætheriz\U0001D522", QStringConverter::Utf16LE)
                   .chopped(1)
            << QStringList{"Æther Vial", "Ætheriz"}
            << QByteArray("\"\xC6ther Vial\"\r\n\"\xC6theriz\"\r\n");
    }

    void quotedFileReadAndSaved()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, saved);
        // The file is a link to one kept elsewhere: the link stays, and so do that one's rights.
        const QString kept = path("synced/trade.dtt");
        QVERIFY(QDir().mkpath(path("synced")));
        writeFile(kept, bytes);
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner) &&
                QFile::link(kept, path("file3.dtt")));
        const auto rights = QFile::permissions(kept);
        ListBox list("List1");
        files->ReadQuotedFile(list, "file3.dtt");
        QCOMPARE(list.entries().entries(), entries);
        QVERIFY(files->WriteQuotedFile(list, "file3.dtt"));
        QCOMPARE(fileBytes(kept), saved);
        QCOMPARE(QFileInfo(path("file3.dtt")).symLinkTarget(), kept);
        QCOMPARE(QFile::permissions(kept), rights);
    }

    void unreadableFileKeptBeforeFirstSave()
    {
        // A folder in the file's place: as root, permission bits would not stop the read.
        QVERIFY(QDir().mkpath(path("file2.dtt")));
        writeFile(path("file2.dtt/in"), "kept");
        ListView list("", QVector<ListColumn>(3));
        files->ReadLineFile(list, "file2.dtt");
        files->reportUnreadableFiles();
        files->reportUnreadableFiles();
        QVERIFY2(message().contains(path("file2.dtt")), qPrintable(message()));
        list.rows().appendRow({"Mox", "1"});
        QVERIFY(files->WriteLineFile(list, "file2.dtt"));
        const Snapshot after = snapshot(root->path());
        const QString keptAs = after.lastKey().section('/', 0, 0);
        QCOMPARE(after, (Snapshot{{"file2.dtt", "Mox\r\n1\r\n\r\n"},
                                  {keptAs, "<folder>"},
                                  {keptAs + "/in", "kept"}}));
        QVERIFY2(message().contains(keptAs), qPrintable(message()));
    }

    void failedSaveLeavesOldFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        const QString full = "No space left on device";
        QTest::newRow("injected: disk full while writing") << "disk full" << full;
        QTest::newRow("disk full: a 64 KB tmpfs") << "tmpfs" << full;
        QTest::newRow("folder moved away") << "moved"
                                           << "No such file or directory";
        QTest::newRow("folder in the file's place: the last rename fails") << "folder for file"
                                                                           << "Is a directory";
        QTest::newRow("injected: the save layer's rename fails") << "folder at rename"
                                                                 << "";
    }

    void failedSaveLeavesOldFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        const QString data = path("data"), file = data + "/file2.dtt";
        QVERIFY(QDir().mkpath(data));
        const bool tmpfs = fault == "tmpfs";
        if (tmpfs && mount("tmpfs", qPrintable(data), "tmpfs", 0, "size=64k") != 0) {
            QSKIP("Mounting a small tmpfs needs root or CAP_SYS_ADMIN.");
        }
        const auto unmount = qScopeGuard([&] {
            if (tmpfs) {
                umount2(qPrintable(data), MNT_DETACH);
            }
        });
        if (fault == "folder for file")
            QVERIFY(QDir().mkpath(file + "/in"));
        else
            writeFile(file, "old\r\n");
        ScriptedFileChooser chooser;
        DataFiles dataFiles(data + '/', messages); // A trailing slash too gives one path.
        CollectionTab window(chooser, messages, dataFiles);
        QVector<QStringList> rows; // more than the tmpfs holds
        for (int i = 0; i < 2000; ++i) {
            rows.append({"Serra Angel, foil #" + QString::number(i), "12", "1", "Alpha"});
        }
        window.ListView3->rows().setRows(rows);
        rows = window.ListView3->rows().rows();
        if (fault == "disk full" || fault == "folder at rename") {
            dataFiles.setSaveFileFactory(
                [&](const QString& p) { return std::make_unique<FaultyFile>(p, fault); });
        }
        QVERIFY(fault != "moved" || QDir().rename(data, path("moved")));
        const Snapshot old = snapshot(root->path());
        window.Command13->click();
        QVERIFY(fault != "folder at rename" || QDir().rmdir(file + DataFiles::StagingSuffix));
        QCOMPARE(snapshot(root->path()), old); // Also no temporary file left behind.
        QCOMPARE(window.ListView3->rows().rows(), rows);
        QVERIFY2(message().contains(file) && message().contains(reason), qPrintable(message()));
    }

    // A save killed at any moment leaves the old or the new file whole, and nothing that stays.
    void killedSaveLeavesOldOrNewFile()
    {
        QVector<QByteArray> complete;
        for (int variant : {0, 1}) {
            ListView list("", QVector<ListColumn>(2));
            fillCrashSaveList(list, variant);
            QVERIFY(files->WriteLineFile(list, CrashSaveFile));
            complete.append(fileBytes(path(CrashSaveFile)));
        }
        QProcess child;
        child.start(CRASHSAVE_CHILD, {"-platform", "offscreen", root->path()});
        const auto answer = [&child](int milliseconds) {
            while (!child.canReadLine() && child.waitForReadyRead(milliseconds)) {
            }
            return child.readLine().trimmed();
        };
        const auto entries = [&] {
            return QDir(root->path())
                .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System);
        };
        QRandomGenerator random(8);
        QMap<QString, int> seen;
        const int saveMilliseconds = answer(60000).toInt(); // after the child's start-up
        QVERIFY2(saveMilliseconds > 0, qPrintable(child.errorString()));
        for (int round = 0; round < 50; ++round) {
            child.write("save\n");
            const int saver = answer(5000).toInt();
            QVERIFY(saver > 0);
            QThread::msleep(random.bounded(4 * saveMilliseconds)); // two saves of each list
            ::kill(saver, SIGKILL);
            QCOMPARE(answer(5000), "killed"); // and not ended by a failed save
            const QByteArray left = fileBytes(path(CrashSaveFile));
            QVERIFY2(complete.contains(left), qPrintable(QString::number(left.size())));
            ++seen[left == complete[0] ? "first" : "second"];
            if (entries().size() > 1) { // gone at the next start
                ++seen["leftovers"];
                ListView nextStart("", QVector<ListColumn>(2));
                files->ReadLineFile(nextStart, CrashSaveFile);
            }
            QCOMPARE(entries(), QStringList{CrashSaveFile});
        }
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(5000));
        qInfo() << "50 kills; a save takes" << saveMilliseconds << "ms; found" << seen;
    }
};

VELLUMARK_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
