#include "TestDoubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "data/DataFolder.h"
#include "data/DataFormats.h"
#include "data/InstallLayout.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

#include <QCollator>
#include <QRegularExpression>
#include <csignal>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

enum class Fault
{
    DiskFull,
    FolderInFilesPlace,
    CommitFails
};

enum class Setting
{
    PlainFile,
    LinkedFile,         // the data file is a link to one kept elsewhere
    FileInBackupsPlace, // a file named "backups" where the folder should be
    FullBackupDisk,     // the backups on a small file system of their own
};

// The data file as its n-th save writes it.
static QStringList version(int n, int lines)
{
    QStringList text;
    for (int line = 0; line < lines; ++line)
        text << QString("Card %1, copy %2").arg(n).arg(line, 5, 10, QChar('0'));
    return text;
}

// What Windows Notepad saves as "Unicode": a byte-order mark, then two bytes a character.
static QByteArray notepad(const QString& text, QStringConverter::Encoding byteOrder)
{
    return QStringEncoder(byteOrder, QStringConverter::Flag::WriteBom).encode(text);
}

// A save layer that finds a folder where its finished file should go.
struct FolderAtCommit : QSaveFile
{
    using QSaveFile::QSaveFile;
    qint64 writeData(const char* data, qint64 size) override
    {
        return QDir().mkpath(fileName()) ? QSaveFile::writeData(data, size) : -1;
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
    // What the folder holds besides the earlier versions in backups/, which
    // savesKeepEarlierVersions checks.
    Snapshot withoutBackups() const
    {
        Snapshot entries = snapshot(root->path());
        entries.removeIf([](auto entry) { return entry.key().startsWith("backups"); });
        return entries;
    }
    QString message() const { return messages.shown.size() == 1 ? messages.shown[0].text : ""; }

private slots:
    void init()
    {
        root.emplace();
        messages.shown.clear();
        files.emplace(root->path(), messages);
    }

    // The data file, a link to one kept elsewhere, holds `bytes`; its list (a list box of quoted
    // lines when it has no columns) then holds `read`, and a save writes `saved` there. The link
    // stays, and so do the file's rights.
    void readAndSaved_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("read"); // row after row
        QTest::addColumn<QByteArray>("saved");
        // A file as this program writes it is saved unchanged.
        const auto unchanged = [](const char* name, int columns, QByteArray bytes,
                                  QStringList read) {
            QTest::newRow(name) << columns << bytes << read << bytes;
        };
        unchanged("empty", 2, "", {});
        QTest::newRow("commas, quotes, spaces, empty values, LF, CR, CR CR LF, partial record")
            << 2 << QByteArray("Lotus, Black\r\n\"Foil\" card\n  both ends  \r\r\nlast")
            << QStringList{"Lotus, Black", "\"Foil\" card", "  both ends  ", "", "last", ""}
            << QByteArray("Lotus, Black\r\n\"Foil\" card\r\n  both ends  \r\n\r\nlast\r\n\r\n");
        const QByteArray nul = QByteArray("Black@Lotus\r\n@\r\n\r\n9000@\r\n").replace('@', '\0');
        unchanged("NUL bytes", 4, nul,
                  {QString::fromLatin1(nul.mid(0, 11)), QString(QChar(0)), "",
                   "9000" + QString(QChar(0))});
        const QByteArray line(50 << 20, 'x');
        QTest::newRow("a 50 MB line without a line end")
            << 3 << line << QStringList{line, "", ""} << line + "\r\n\r\n\r\n";
        QByteArray everyByte; // but CR and LF
        for (int byte = 0; byte < 256; ++byte)
            everyByte += byte == '\r' || byte == '\n' ? "" : QByteArray(1, char(byte));
        unchanged("Windows-1252, every byte", 1, everyByte + "\r\n",
                  {QStringDecoder("windows-1252").decode(everyByte)});
        QTest::newRow("UTF-8 at first, Windows-1252 at the end, in a UTF-8 lead byte")
            << 1 << QByteArray("\xC3\xA9 Caf\xE9") << QStringList{"Ã© Café"}
            << QByteArray("\xC3\xA9 Caf\xE9\r\n");
        unchanged("Japanese: UTF-8", 1, "\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89\r\n", {"カード"});
        unchanged("C1 control: all UTF-8", 1, "\xC3\xA9\r\n\xC2\x85\r\n", {"é", "\u0085"});
        unchanged("1252 reading as UTF-8: UTF-8", 1, "\xC3\x82\xC2\xA3!\r\n", {"Â£!"});
        unchanged("1252 reading as UTF-16 LE: UTF-8", 1, "\xC3\xBF\xC3\xBE!\r\n", {"ÿþ!"});
        unchanged("1252 reading as UTF-16 BE: UTF-8", 1, "\xC3\xBE\xC3\xBF!\r\n", {"þÿ!"});
        unchanged("text starting with U+FEFF keeps it behind a byte-order mark", 1,
                  "\xEF\xBB\xBF\xEF\xBB\xBFx\r\n", {QStringView(u"\uFEFFx").toString()});
        // clang-format off
        QTest::newRow("trade list in UTF-16 LE: commas, spaces, quotes, sorted, Windows-1252") << 0
            << notepad("\"Zeta \"\"Z\"\"\"\r\n\"A, B\"\r\n\"\"\r\n\"\"\"\"\r\n\" x \"\r\n\"Æther\"\r\n\"€5\"\r\n", QStringConverter::Utf16LE)
            << QStringList{"", " x ", "\"", "€5", "A, B", "Æther", "Zeta \"Z\""}
            << QByteArray("\"\"\r\n\" x \"\r\n\"\"\"\"\r\n\"\x80\x35\"\r\n\"A, B\"\r\n\"\xC6ther\"\r\n\"Zeta \"\"Z\"\"\"\r\n");
        QTest::newRow("trade list: UTF-16 BE cut short in a surrogate pair, sorted: UTF-8") << 0
            << notepad("\"Ωmega\"\r\n\"Ætheriz\U0001D522", QStringConverter::Utf16BE).chopped(1)
            << QStringList{"Ætheriz", "Ωmega"} << QByteArray("\"\xC3\x86theriz\"\r\n\"\xCE\xA9mega\"\r\n");
        QTest::newRow("trade list: line breaks and quotes inside quotes, text outside, no quotes") << 0
            << QByteArray("\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n\"\"\"\r\n\"\"x\"\"\r\n\"\r\nh \"i\" j\r\nk, l\r\n")
            << QStringList{"\"\r\n\"x\"\r\n", "a\r\nb", "c\nd", "e\rf", "g\r", "i", "k, l"}
            << QByteArray("\"\"\"\r\n\"\"x\"\"\r\n\"\r\n\"a\r\nb\"\r\n\"c\nd\"\r\n\"e\rf\"\r\n\"g\r\"\r\n\"i\"\r\n\"k, l\"\r\n");
        QTest::newRow("trade list: an open entry ends at a line not written by this program") << 0
            << QByteArray("\"a\r\nb\r\nc\"d\r\nf\"\r\ng\"\r\n\"e\r\nh") << QStringList{"a", "b", "c\"d", "e", "f\"", "g\"", "h"}
            << QByteArray("\"a\"\r\n\"b\"\r\n\"c\"\"d\"\r\n\"e\"\r\n\"f\"\"\"\r\n\"g\"\"\"\r\n\"h\"\r\n");
        QTest::newRow("trade list: quote left single by the Windows program, inch mark, LF, CR") << 0
            << QByteArray("\"12\"\"\r\n\"Mox\"\nPit 12\"\r\"c\"") << QStringList{"12\"", "c", "Mox", "Pit 12\""}
            << QByteArray("\"12\"\"\"\r\n\"c\"\r\n\"Mox\"\r\n\"Pit 12\"\"\"\r\n");
        // clang-format on
    }

    void readAndSaved()
    {
        QFETCH(int, columns);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, read);
        QFETCH(QByteArray, saved);
        const QString kept = path("synced/kept.dtt"), staging = kept + DataFiles::StagingSuffix;
        QVERIFY(QDir().mkpath(path("synced")));
        writeFile(kept, bytes);
        writeFile(kept + ".AbCdEf", "mine"); // What a killed save left goes; the user's copy stays.
        writeFile(staging, "half");
        writeFile(staging + ".AbCdEf", "half");
        QVERIFY(QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner) &&
                QFile::link(kept, path("file.dtt")));
        const QFile::Permissions rights = QFile::permissions(kept); // read and write for the owner
        const auto folderHolding = [](const QByteArray& contents) {
            return Snapshot{{"file.dtt", contents},
                            {"synced", "<folder>"},
                            {"synced/kept.dtt", contents},
                            {"synced/kept.dtt.AbCdEf", "mine"}};
        };
        ListView view("", QVector<ListColumn>(columns));
        ListBox box("List1");
        columns ? files->ReadLineFile(view, "file.dtt") : files->ReadQuotedFile(box, "file.dtt");
        QStringList shown = box.entries().entries();
        for (const QStringList& row : view.rows().rows())
            shown += row;
        QCOMPARE(shown, read);
        QCOMPARE(withoutBackups(), folderHolding(bytes));
        QVERIFY(columns ? files->WriteLineFile(view, "file.dtt")
                        : files->WriteQuotedFile(box, "file.dtt"));
        QCOMPARE(withoutBackups(), folderHolding(saved));
        QCOMPARE(QFile::permissions(kept), rights);
    }

    // A line break inside a value of a list view is written as one space: CR LF, LF and CR are
    // one break each, LF CR two; every record keeps its lines.
    void lineBreakInValueBecomesOneSpace()
    {
        const Rows rows{{"CR LF\r\nLF\nCR\rLF CR\n\r", "\r\nends\n"}, {"CR\ronly", "Ω\n"}};
        QCOMPARE(DataFormats::encodePlainLines(RowTable(2, rows)),
                 QByteArray("CR LF LF CR LF CR  \r\n ends \r\nCR only\r\n\xCE\xA9 \r\n"));
    }

    // A file missing at start-up, or one that cannot be read: its list starts empty. Those that
    // cannot be read are named to the user in one message, and each is kept aside under a free
    // name before its list is first saved, and only then.
    void filesNotRead()
    {
        // As root, permission bits would not stop a read.
        QVERIFY(QDir().mkpath(path("file2.dtt")));
        writeFile(path("file2.dtt/in"), "kept");
        QVERIFY(mkfifo(qPrintable(path("file5.dtt")), 0600) == 0);
        writeFile(path("file5.dtt.unreadable"), "kept at an earlier start");
        const QStringList names{"file.dtt", "file2.dtt", "file5.dtt"};
        ListView list("", QVector<ListColumn>(2));
        for (const QString& name : names) {
            list.rows().setRows({{"left over", ""}});
            files->ReadLineFile(list, name);
            QCOMPARE(list.rowCount(), 0);
        }
        files->reportUnreadableFiles();
        files->reportUnreadableFiles();
        for (const QString& told :
             {path("file2.dtt: it is a folder"), path("file5.dtt: it is not"),
              QString(" file2.dtt.unreadable."), QString(" file5.dtt.unreadable-2.")})
            QVERIFY2(message().contains(told), qPrintable(message()));
        for (const char* card : {"Mox", "Lotus"}) { // the second keeps the first's file
            list.rows().setRows({{card, "1"}});
            for (const QString& name : names)
                QVERIFY(files->WriteLineFile(list, name));
        }
        QCOMPARE(withoutBackups(), (Snapshot{{"file.dtt", "Lotus\r\n1\r\n"},
                                             {"file2.dtt", "Lotus\r\n1\r\n"},
                                             {"file5.dtt", "Lotus\r\n1\r\n"},
                                             {"file2.dtt.unreadable", "<folder>"},
                                             {"file2.dtt.unreadable/in", "kept"},
                                             {"file5.dtt.unreadable", "kept at an earlier start"},
                                             {"file5.dtt.unreadable-2", "<other>"}}));
        QCOMPARE(messages.shown.size(), 1);
    }

    // A save that fails keeps the old file as it was, leaves nothing behind and tells why.
    void failedSave_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full while writing") << Fault::DiskFull << "No space left";
        QTest::newRow("folder in the file's place") << Fault::FolderInFilesPlace << "Is a dir";
        QTest::newRow("commit's rename fails, no old file") << Fault::CommitFails << "Is a dir";
    }

    void failedSave()
    {
        QFETCH(Fault, fault);
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
        ListView list("", QVector<ListColumn>(2));
        list.rows().setRows(Rows(4000, {"Serra Angel, foil", "12"})); // more than the tmpfs holds
        const Snapshot old = withoutBackups();
        QVERIFY(!dataFiles.WriteLineFile(list, "file2.dtt"));
        QVERIFY(fault != Fault::CommitFails || QDir().rmdir(file + DataFiles::StagingSuffix));
        QCOMPARE(withoutBackups(), old);
        QVERIFY2(message().contains(file) && message().contains(reason), qPrintable(message()));
    }

    // A save killed at any moment leaves the old or the new file whole, and nothing that stays.
    void killedSaveLeavesOldOrNewFile()
    {
        ListView lists[2]{{"", QVector<ListColumn>(1)}, {"", QVector<ListColumn>(1)}};
        lists[0].rows().setRows(Rows(400000, {"Mox Sapphire"}));
        lists[1].rows().setRows(Rows(300000, {"Black Lotus, foil"}));
        const QByteArray whole[2]{QByteArray("Mox Sapphire\r\n").repeated(400000),
                                  QByteArray("Black Lotus, foil\r\n").repeated(300000)};
        files->setSaveFileFactory([](auto& p) { return std::make_unique<PacedSaveFile>(p); });
        QElapsedTimer save;
        save.start();
        QVERIFY(files->WriteLineFile(lists[0], "file.dtt"));
        const int saveMilliseconds = std::max(1, int(save.elapsed()));
        QRandomGenerator random(8);
        const pid_t parent = getpid();
        for (int round = 0; round < 50; ++round) {
            // The saver only writes files: it runs no event loop, starts no thread and takes no
            // lock that QtTest's sleeping watchdog thread could hold; _exit skips the exit
            // handlers.
            const pid_t saver = fork();
            if (saver == 0) {
                prctl(PR_SET_PDEATHSIG, SIGKILL);
                for (int list = 1;
                     getppid() == parent && files->WriteLineFile(lists[list], "file.dtt");
                     list ^= 1) {
                }
                _exit(1);
            }
            QVERIFY(saver > 0); // kill(-1) would reach every process
            QThread::msleep(random.bounded(4 * saveMilliseconds)); // two saves of each list
            ::kill(saver, SIGKILL);
            int status = 0;
            QVERIFY(waitpid(saver, &status, 0) == saver && WIFSIGNALED(status)); // no failed save
            const QByteArray left = fileBytes(path("file.dtt"));
            QVERIFY(left == whole[0] || left == whole[1]);
            ListView nextStart("", QVector<ListColumn>(1));
            files->ReadLineFile(nextStart, "file.dtt"); // removes what the killed save left
            QCOMPARE(withoutBackups().keys(), QStringList{"file.dtt"});
        }
    }

    // The data folder is the program's own while it can write there and is not installed, the
    // user's data folder otherwise. The help page is beside the program, or with installed files.
    void dataFolder()
    {
        for (const char* folder :
             {"build", "usr/bin", "usr/share/vellumark", "opt/bin", "opt/share/vellumark"})
            QVERIFY(QDir().mkpath(path(folder)));
        writeFile(path("build/help.htm"), "");
        writeFile(path("usr/share/vellumark/help.htm"), "");
        writeFile(path("program"), ""); // Not even root writes below a file.
        const QTemporaryDir home;       // The user's data folder is made in test mode below it.
        qputenv("HOME", home.path().toLocal8Bit());
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(appData.startsWith(home.path() + "/.qttest/"));
        const Snapshot before = withoutBackups();
        QCOMPARE(DataFolder::choose(path("build")), path("build"));
        QCOMPARE(DataFolder::choose(path("usr/bin")), appData); // As root can write to /usr/bin.
        QCOMPARE(DataFolder::choose(path("opt/bin")), appData); // Its help page was removed.
        QCOMPARE(DataFolder::choose(path("program/vellumark")), appData);
        QVERIFY(QFileInfo(appData).isDir());
        QCOMPARE(InstallLayout::helpPage(path("build")), path("build/help.htm"));
        QCOMPARE(InstallLayout::helpPage(path("opt/bin")), path("opt/share/vellumark/help.htm"));
        QCOMPARE(InstallLayout::helpPage(path("program/vellumark")),
                 path("program/vellumark/help.htm"));
        // The test writes leave nothing behind, and nothing is made in a program folder's place.
        QCOMPARE(withoutBackups(), before);
    }

    // Every save keeps the version it replaces in backups/, the last twenty of them.
    void savesKeepEarlierVersions_data()
    {
        QTest::addColumn<Setting>("setting");
        QTest::addColumn<int>("saves");
        QTest::addColumn<int>("lines");       // a line is 19 bytes
        QTest::addColumn<QList<int>>("kept"); // the versions in backups/, oldest first
        QTest::addColumn<QString>("told");    // what the one message says, if any
        QList<int> upTo21;
        for (int n = 0; n <= 21; ++n)
            upTo21 << n;
        // clang-format off
        QTest::newRow("ten saves") << Setting::PlainFile << 10 << 2 << upTo21.mid(0, 10) << "";
        QTest::newRow("the 21st and 22nd remove the oldest, in the same second too") << Setting::PlainFile << 22 << 2 << upTo21.mid(2) << "";
        QTest::newRow("link to a file kept elsewhere") << Setting::LinkedFile << 2 << 2 << QList<int>{0, 1} << "";
        QTest::newRow("a file in the backup folder's place, told once") << Setting::FileInBackupsPlace << 2 << 2 << QList<int>{} << "backups is not a folder";
        QTest::newRow("disk full while copying, told once") << Setting::FullBackupDisk << 3 << 2000 << QList<int>{0} << "No space left on device";
        // clang-format on
    }

    void savesKeepEarlierVersions()
    {
        QFETCH(Setting, setting);
        QFETCH(int, saves);
        QFETCH(int, lines);
        QFETCH(QList<int>, kept);
        QFETCH(QString, told);
        const QString file = path("file2.dtt"), backups = path("backups"),
                      elsewhere = path("elsewhere.dtt");
        if (setting == Setting::FileInBackupsPlace)
            writeFile(backups, "mine");
        const bool tmpfs = setting == Setting::FullBackupDisk;
        if (tmpfs && (!QDir().mkpath(backups) ||
                      mount("tmpfs", qPrintable(backups), "tmpfs", 0, "size=64k") != 0))
            QSKIP("Mounting a small tmpfs needs root or CAP_SYS_ADMIN.");
        const auto unmount = qScopeGuard([&] { tmpfs&& umount2(qPrintable(backups), MNT_DETACH); });
        writeFile(setting == Setting::LinkedFile ? elsewhere : file, crlf(version(0, lines)));
        QVERIFY(setting != Setting::LinkedFile || QFile::link(elsewhere, file));
        ListView list("", QVector<ListColumn>(1));
        for (int n = 1; n <= saves; ++n) {
            list.rows().setRows({});
            for (const QString& line : version(n, lines))
                list.rows().appendRow({line});
            QVERIFY(files->WriteLineFile(list, "file2.dtt"));
        }
        QCOMPARE(fileBytes(file), crlf(version(saves, lines)));
        QCOMPARE(QFileInfo(file).isSymLink(), setting == Setting::LinkedFile);
        QCOMPARE(messages.shown.size(), told.isEmpty() ? 0 : 1);
        QVERIFY(told.isEmpty() || messages.shown[0].text.contains(told));
        if (setting == Setting::FileInBackupsPlace)
            QCOMPARE(fileBytes(backups), "mine");
        // Named by the moment, in the order a person sorting by name sees them.
        QStringList names = QDir(backups).entryList(QDir::Files | QDir::Hidden);
        QCollator collator(QLocale(QLocale::English)); // the C locale has no numeric mode
        collator.setNumericMode(true);
        std::sort(names.begin(), names.end(), collator);
        QList<QByteArray> keptBytes, expected;
        for (const QString& name : names) {
            QVERIFY2(QRegularExpression(R"(^file2\.dtt\.\d{4}-\d\d-\d\dT\d\d-\d\d-\d\d(-\d+)?$)")
                         .match(name)
                         .hasMatch(),
                     qPrintable(name));
            keptBytes << fileBytes(backups + '/' + name);
        }
        for (int n : kept)
            expected << crlf(version(n, lines));
        QCOMPARE(keptBytes, expected);
    }
};

VELLUMARK_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
