#include "TestDoubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

#include <csignal>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

enum class Start
{
    Missing,
    Folder,
    Pipe
};
enum class Fault
{
    DiskFull,
    FolderMoved,
    FolderInFilesPlace,
    CommitFails
};

// What Windows Notepad saves as "Unicode": a byte-order mark, then two bytes a character.
static QByteArray notepad(const QString& text, QStringConverter::Encoding byteOrder)
{
    return QStringEncoder(byteOrder, QStringConverter::Flag::WriteBom).encode(text);
}

// What a list shows, cell by cell, row by row.
static QStringList cells(const QAbstractItemModel& model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row)
        for (int column = 0; column < model.columnCount(); ++column)
            shown << model.index(row, column).data().toString();
    return shown;
}

// A save layer that finds a folder where its finished file should go.
struct FolderAtCommit : QSaveFile
{
    using QSaveFile::QSaveFile;
    qint64 writeData(const char* data, qint64 size) override
    {
        QDir().mkpath(fileName());
        return QSaveFile::writeData(data, size);
    }
};

// Writes in small paced pieces: encoding a list takes long and writing it little, so kills at
// random moments would otherwise seldom land while the file is being written.
struct PacedSaveFile : QSaveFile
{
    using QSaveFile::QSaveFile;
    qint64 writeData(const char* data, qint64 size) override
    {
        QThread::usleep(500);
        return QSaveFile::writeData(data, std::min<qint64>(size, 64 * 1024));
    }
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

    // The data file, a link to one kept elsewhere, holds `bytes`; its list then shows `shown`,
    // and a save writes `saved` there. The link stays, and so do the file's rights.
    void readAndSaved_data()
    {
        QTest::addColumn<int>("columns"); // 0: the trade list, a list box of quoted lines
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QByteArray>("saved");
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte)
            everyByte += byte == '\r' || byte == '\n' ? "" : char(byte) + QByteArray("\r\n");
        QStringList icu = QString(QStringDecoder("windows-1252").decode(everyByte)).split("\r\n");
        icu.removeLast();
        QTest::newRow("Windows-1252, every byte") << 2 << everyByte << icu << everyByte;
        QTest::newRow("trade list as this program writes it, not yet in order")
            << 0
            << QByteArray("\"Zeta \"\"Z\"\"\"\r\n\"\"\r\n\"Two\r\n\"\"lines\"\"\"\r\n\"A, B\"\r\n")
            << QStringList{"", "A, B", "Two \u21b5 \"lines\"", "Zeta \"Z\""}
            << QByteArray("\"\"\r\n\"A, B\"\r\n\"Two\r\n\"\"lines\"\"\"\r\n\"Zeta \"\"Z\"\"\"\r\n");
        QTest::newRow("trade list in UTF-16 LE: saved as Windows-1252")
            << 0 << notepad("\"Æther Vial\"\r\n\"Æther Spellbomb\"\r\n", QStringConverter::Utf16LE)
            << QStringList{"Æther Spellbomb", "Æther Vial"}
            << QByteArray("\"\xC6ther Spellbomb\"\r\n\"\xC6ther Vial\"\r\n");
        QTest::newRow("UTF-16 BE, beyond Windows-1252, cut short in a surrogate pair: UTF-8")
            << 0
            << notepad("\"Ωmega\"\r\n\"Ætheriz\U0001D522", QStringConverter::Utf16BE).chopped(1)
            << QStringList{"Ætheriz", "Ωmega"}
            << QByteArray("\"\xC3\x86theriz\"\r\n\"\xCE\xA9mega\"\r\n");
    }

    void readAndSaved()
    {
        QFETCH(int, columns);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, shown);
        QFETCH(QByteArray, saved);
        const QString kept = path("synced/kept.dtt"), staging = kept + DataFiles::StagingSuffix;
        QVERIFY(QDir().mkpath(path("synced")));
        writeFile(kept, bytes);
        writeFile(kept + ".AbCdEf", "mine"); // What a killed save left goes; the user's copy stays.
        writeFile(staging, "half");
        writeFile(staging + ".AbCdEf", "half");
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner) &&
                QFile::link(kept, path("file.dtt")));
        const auto rights = QFile::permissions(kept);
        const auto folderHolding = [](const QByteArray& contents) {
            return Snapshot{{"file.dtt", contents},
                            {"synced", "<folder>"},
                            {"synced/kept.dtt", contents},
                            {"synced/kept.dtt.AbCdEf", "mine"}};
        };
        ListView view("", QVector<ListColumn>(columns));
        view.rows().appendRow({"left over"});
        ListBox box("List1");
        columns ? files->ReadLineFile(view, "file.dtt") : files->ReadQuotedFile(box, "file.dtt");
        files->reportUnreadableFiles();
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(snapshot(root->path()), folderHolding(bytes));
        QCOMPARE(columns ? cells(view.rows()) : cells(box.entries()), shown);
        QVERIFY(columns ? files->WriteLineFile(view, "file.dtt")
                        : files->WriteQuotedFile(box, "file.dtt"));
        QCOMPARE(snapshot(root->path()), folderHolding(saved));
        QCOMPARE(QFileInfo(path("file.dtt")).symLinkTarget(), kept);
        QCOMPARE(QFile::permissions(kept), rights);
    }

    // A file missing at start-up, or one that cannot be read: its list starts empty. One that
    // cannot be read is named to the user once, and kept aside before the first save only.
    void fileNotRead_data()
    {
        QTest::addColumn<Start>("start");
        QTest::addColumn<Snapshot>("keptAside");
        QTest::newRow("missing") << Start::Missing << Snapshot{};
        QTest::newRow("a folder in its place") // As root, permission bits would not stop a read.
            << Start::Folder
            << Snapshot{{"file2.dtt.unreadable", "<folder>"}, {"file2.dtt.unreadable/in", "kept"}};
        QTest::newRow("a pipe in its place")
            << Start::Pipe << Snapshot{{"file2.dtt.unreadable", "<other>"}};
    }

    void fileNotRead()
    {
        QFETCH(Start, start);
        QFETCH(Snapshot, keptAside);
        const QString file = path("file2.dtt");
        QVERIFY(start != Start::Folder || QDir().mkpath(file));
        QVERIFY(start != Start::Pipe || mkfifo(qPrintable(file), 0600) == 0);
        if (start == Start::Folder)
            writeFile(file + "/in", "kept");
        ListView list("", QVector<ListColumn>(2));
        files->ReadLineFile(list, "file2.dtt");
        files->reportUnreadableFiles();
        files->reportUnreadableFiles();
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(messages.shown.size(), keptAside.isEmpty() ? 0 : 1);
        QVERIFY(keptAside.isEmpty() ||
                (message().contains(file + ":") && message().contains(" file2.dtt.unreadable.")));
        for (const char* card : {"Mox", "Lotus"}) { // the second keeps the first's file
            list.rows().setRows({{card, "1"}});
            QVERIFY(files->WriteLineFile(list, "file2.dtt"));
        }
        keptAside.insert("file2.dtt", "Lotus\r\n1\r\n");
        QCOMPARE(snapshot(root->path()), keptAside);
        QCOMPARE(messages.shown.size(), keptAside.size() == 1 ? 0 : 1);
    }

    void failedSaveLeavesOldFile_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("rows"); // more than the tmpfs holds, or one
        QTest::addColumn<QString>("reason");
        const QString full = "No space left on device";
        QTest::newRow("disk full while writing") << Fault::DiskFull << 4000 << full;
        QTest::newRow("folder moved away")
            << Fault::FolderMoved << 1 << "No such file or directory";
        QTest::newRow("folder in the file's place")
            << Fault::FolderInFilesPlace << 1 << "Is a directory";
        QTest::newRow("commit's rename fails, no old file")
            << Fault::CommitFails << 1 << "Is a directory";
    }

    void failedSaveLeavesOldFile()
    {
        QFETCH(Fault, fault);
        QFETCH(int, rows);
        QFETCH(QString, reason);
        const QString data = path("data"), file = data + "/file2.dtt";
        QVERIFY(QDir().mkpath(data));
        const bool tmpfs = fault == Fault::DiskFull;
        if (tmpfs && mount("tmpfs", qPrintable(data), "tmpfs", 0, "size=64k") != 0)
            QSKIP("Mounting a small tmpfs needs root or CAP_SYS_ADMIN.");
        const auto unmount = qScopeGuard([&] { tmpfs&& umount2(qPrintable(data), MNT_DETACH); });
        if (fault == Fault::FolderInFilesPlace)
            QVERIFY(QDir().mkpath(file + "/in"));
        else if (fault != Fault::CommitFails)
            writeFile(file, "old\r\n");
        DataFiles dataFiles(data + '/', messages); // A trailing slash too gives one path.
        if (fault == Fault::CommitFails)
            dataFiles.setSaveFileFactory(
                [](auto& p) { return std::make_unique<FolderAtCommit>(p); });
        QVERIFY(fault != Fault::FolderMoved || QDir().rename(data, path("moved")));
        ListView list("", QVector<ListColumn>(2));
        list.rows().setRows(Rows(rows, {"Serra Angel, foil", "12"}));
        const Snapshot old = snapshot(root->path());
        QVERIFY(!dataFiles.WriteLineFile(list, "file2.dtt"));
        QVERIFY(fault != Fault::CommitFails || QDir().rmdir(file + DataFiles::StagingSuffix));
        QCOMPARE(snapshot(root->path()), old); // Also no temporary file left behind.
        QVERIFY2(message().contains(file) && message().contains(reason), qPrintable(message()));
    }

    // A save killed at any moment leaves the old or the new file whole, and nothing that stays.
    void killedSaveLeavesOldOrNewFile()
    {
        const QVector<ListColumn> columns(2);
        ListView lists[2]{{"", columns}, {"", columns}};
        QByteArray whole[2];
        for (int list : {0, 1}) {
            Rows rows;
            QStringList lines;
            for (int i = 0; i < 200000; ++i) {
                rows.append({QString("Card %1 of list %2").arg(i).arg(list),
                             QString(list + 1, '$') + QString::number(i)});
                lines << rows.last();
            }
            lists[list].rows().setRows(rows);
            whole[list] = crlf(lines);
        }
        files->setSaveFileFactory([](auto& p) { return std::make_unique<PacedSaveFile>(p); });
        QElapsedTimer save;
        save.start();
        QVERIFY(files->WriteLineFile(lists[0], "file.dtt"));
        const int saveMilliseconds = std::max(1, int(save.elapsed()));
        QRandomGenerator random(8);
        for (int round = 0; round < 50; ++round) {
            const pid_t saver = fork(); // saves the two lists by turns until it is killed
            if (saver == 0) {
                prctl(PR_SET_PDEATHSIG, SIGKILL);
                for (int list = 1; files->WriteLineFile(lists[list], "file.dtt"); list ^= 1) {
                }
                _exit(1);
            }
            QThread::msleep(random.bounded(4 * saveMilliseconds)); // two saves of each list
            ::kill(saver, SIGKILL);
            int status = 0;
            QVERIFY(waitpid(saver, &status, 0) == saver && WIFSIGNALED(status)); // no failed save
            const QByteArray left = fileBytes(path("file.dtt"));
            QVERIFY2(left == whole[0] || left == whole[1],
                     qPrintable(QString::number(left.size())));
            ListView nextStart("", columns);
            files->ReadLineFile(nextStart, "file.dtt"); // removes what the killed save left
            QCOMPARE(snapshot(root->path()).keys(), QStringList{"file.dtt"});
        }
    }
};

VELLUMARK_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
