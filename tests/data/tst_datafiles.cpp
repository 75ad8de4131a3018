#include "TestDoubles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

using Snapshot = QMap<QString, QByteArray>;

static bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

// Fails as the running row of failedSaveLeavesOldFile asks.
struct FaultyFile : QSaveFile
{
    using QSaveFile::QSaveFile;

    qint64 writeData(const char* data, qint64 size) override
    {
        const QByteArray fault = QTest::currentDataTag();
        if (fault.endsWith("before the rename")) {
            QDir().mkpath(fileName());
        }
        if (fault.startsWith("disk full")) {
            setErrorString("No space left on device");
            return -1;
        }
        return QSaveFile::writeData(data, size);
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

    void lineFileReadAndWrittenBack_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QVector<QStringList>>("rows"); // Not compared when empty.
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing file: empty list") << 7 << QVector<QStringList>{} << QByteArray();
        QTest::newRow("UTF-8: commas, quotes, spaces, empty values")
            << 3 << QVector<QStringList>{{"カード, \"1\"", " Ω ", ""}}
            << QByteArray("\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89, \"1\"\r\n \xCE\xA9 \r\n\r\n");
        QByteArray everyByte;
        for (int byte = 0; byte < 256; ++byte) {
            everyByte += byte == '\r' || byte == '\n' ? "" : char(byte) + QByteArray("\r\n");
        }
        QTest::newRow("Windows-1252, every byte") << 2 << QVector<QStringList>{} << everyByte;
    }

    void lineFileReadAndWrittenBack()
    {
        QFETCH(int, columns);
        QFETCH(QVector<QStringList>, rows);
        QFETCH(QByteArray, bytes);
        QVERIFY(bytes.isEmpty() || writeAll(path("file.dtt"), bytes));
        ListView list("", QVector<ListColumn>(columns));
        list.rows().appendRow({"left over"});
        files->ReadLineFile(list, "file.dtt");
        QVERIFY(rows.isEmpty() || list.rows().rows() == rows);
        files->reportUnreadableFiles();
        QVERIFY(messages.shown.isEmpty());
        QFile::remove(path("file.dtt"));
        QVERIFY(files->WriteLineFile(list, "file.dtt"));
        QCOMPARE(snapshot(root->path()), (Snapshot{{"file.dtt", bytes}}));
    }

    void quotedFileWrittenAndReadBack()
    {
        ListBox list("List1"), readBack("List1");
        list.entries().insertSorted(QStringList{"Zeta \"Z\"", "", "Two\r\nlines", "Alpha, Beta"});
        QVERIFY(files->WriteQuotedFile(list, "file3.dtt"));
        QCOMPARE(snapshot(root->path()).value("file3.dtt"),
                 "\"\"\r\n\"Alpha, Beta\"\r\n\"Two\r\nlines\"\r\n\"Zeta \"\"Z\"\"\"\r\n");
        files->ReadQuotedFile(readBack, "file3.dtt");
        QCOMPARE(readBack.entries().entries(), list.entries().entries());
    }

    void unreadableFileKeptBeforeFirstSave()
    {
        // A folder in the file's place: as root, permission bits would not stop the read.
        QVERIFY(QDir().mkpath(path("file2.dtt")) && writeAll(path("file2.dtt/in"), "kept"));
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
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full while writing") << "No space left on device";
        QTest::newRow("folder appears before the rename") << QString();
        QTest::newRow("folder in the file's place") << QString();
    }

    void failedSaveLeavesOldFile()
    {
        QFETCH(QString, reason);
        const QByteArray fault = QTest::currentDataTag();
        files.emplace(root->path() + '/', messages); // A trailing slash too gives one path.
        const QString file = path("file5.dtt");
        QVERIFY(fault.startsWith("disk") ? writeAll(file, "old\r\n") : QDir().mkpath(file));
        const Snapshot old = snapshot(root->path());
        QVERIFY(!fault.endsWith("before the rename") || QDir().rmdir(file));
        files->setSaveFileFactory([](const QString& p) { return std::make_unique<FaultyFile>(p); });
        ListView list("", QVector<ListColumn>(2));
        list.rows().setRows({{"New card, foil", "$2"}, {"Second"}});
        QVERIFY(!files->WriteLineFile(list, "file5.dtt"));
        QCOMPARE(snapshot(root->path()), old); // Also no temporary file left behind.
        QVERIFY2(message().contains(file) && message().contains(reason), qPrintable(message()));
    }
};

VELLUMARK_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
