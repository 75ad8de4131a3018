#include "TestDoubles.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "platform/ListView.h"

#include <QCollator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/mount.h>

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

class BackupsTest : public QObject
{
    Q_OBJECT

private slots:
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
        QTest::newRow("ten saves") << Setting::PlainFile << 10 << 2 << upTo21.mid(0, 10) << "";
        QTest::newRow("the 21st and 22nd remove the oldest, in the same second too")
            << Setting::PlainFile << 22 << 2 << upTo21.mid(2) << "";
        QTest::newRow("link to a file kept elsewhere")
            << Setting::LinkedFile << 2 << 2 << QList<int>{0, 1} << "";
        QTest::newRow("a file in the backup folder's place, told once")
            << Setting::FileInBackupsPlace << 2 << 2 << QList<int>{} << "backups is not a folder";
        QTest::newRow("disk full while copying, told once")
            << Setting::FullBackupDisk << 3 << 2000 << QList<int>{0} << "No space left on device";
    }

    void savesKeepEarlierVersions()
    {
        QFETCH(Setting, setting);
        QFETCH(int, saves);
        QFETCH(int, lines);
        QFETCH(QList<int>, kept);
        QFETCH(QString, told);
        QTemporaryDir root;
        const QString data = root.filePath("data"), file = data + "/file2.dtt",
                      backups = data + "/backups", elsewhere = root.filePath("elsewhere.dtt");
        QVERIFY(QDir().mkpath(data));
        if (setting == Setting::FileInBackupsPlace)
            writeFile(backups, "mine");
        const bool tmpfs = setting == Setting::FullBackupDisk;
        if (tmpfs && (!QDir().mkpath(backups) ||
                      mount("tmpfs", qPrintable(backups), "tmpfs", 0, "size=64k") != 0))
            QSKIP("Mounting a small tmpfs needs root or CAP_SYS_ADMIN.");
        const auto unmount = qScopeGuard([&] { tmpfs&& umount2(qPrintable(backups), MNT_DETACH); });
        writeFile(setting == Setting::LinkedFile ? elsewhere : file, crlf(version(0, lines)));
        QVERIFY(setting != Setting::LinkedFile || QFile::link(elsewhere, file));
        RecordingMessageBox messages;
        DataFiles files(data, messages);
        ListView list("", QVector<ListColumn>(1));
        for (int n = 1; n <= saves; ++n) {
            list.rows().setRows({});
            for (const QString& line : version(n, lines))
                list.rows().appendRow({line});
            QVERIFY(files.WriteLineFile(list, "file2.dtt"));
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

VELLUMARK_TEST_MAIN(BackupsTest)
#include "tst_backups.moc"
