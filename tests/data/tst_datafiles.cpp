#include "TestDoubles.h"
#include "TestMain.h"
#include "data/DataFiles.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

#include <QSaveFile>
#include <QTemporaryDir>

using Rows = QVector<QStringList>;
using Snapshot = QMap<QString, QByteArray>;

namespace {

const QString Title = QStringLiteral("Vellumark - (Sorcelan)");

std::unique_ptr<ListView> makeList(int columns)
{
    QVector<ListColumn> headings;
    for (int column = 0; column < columns; ++column) {
        headings.append({QStringLiteral("Column %1").arg(column + 1), 1000});
    }
    return std::make_unique<ListView>(QStringLiteral("ListView"), headings);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every file and folder under `folder`, hidden ones included, with the files' bytes.
Snapshot snapshot(const QString& folder)
{
    Snapshot entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries.insert(QDir(folder).relativeFilePath(info.filePath()),
                       info.isDir() ? QByteArray("<folder>") : readAll(info.filePath()));
    }
    return entries;
}

// A save file that breaks down like a full disk: it passes on the first bytes, then fails.
// Optionally something happens on the disk once all bytes are written, before the rename.
class FaultySaveFile : public QSaveFile
{
public:
    FaultySaveFile(const QString& path, qint64 failAfter, std::function<void()> whenWritten)
        : QSaveFile(path), m_left(failAfter), m_whenWritten(std::move(whenWritten))
    {
    }

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        const qint64 passed = QSaveFile::writeData(data, std::min(size, m_left));
        if (passed < 0) {
            return passed;
        }
        m_left -= passed;
        if (passed < size) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        if (m_whenWritten) {
            m_whenWritten();
        }
        return passed;
    }

private:
    qint64 m_left;
    std::function<void()> m_whenWritten;
};

} // namespace

class DataFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void lineFileWrittenAndReadBack_data();
    void lineFileWrittenAndReadBack();
    void quotedFileWrittenAndReadBack();
    void readAndSaveKeepFileBytes_data();
    void readAndSaveKeepFileBytes();
    void missingFileGivesEmptyListQuietly();
    void unreadableFileIsKeptBeforeFirstSave();
    void failedSaveLeavesOldFile_data();
    void failedSaveLeavesOldFile();
    void pathStaysInsideFolder_data();
    void pathStaysInsideFolder();
};

void DataFilesTest::lineFileWrittenAndReadBack_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("lines");
    QTest::newRow("empty list") << 7 << Rows{} << 0;
    QTest::newRow("tracker, 4 rows") << 2
                                     << Rows{{"Black Lotus, Alpha - Store", "http://s.example/1"},
                                             {" spaced ", "http://s.example/2?a=1,2"},
                                             {"\"Quoted\"", ""},
                                             {"", "http://s.example/4"}}
                                     << 8;
    QTest::newRow("collection, 2 rows")
        << 9
        << Rows{{"Shivan Dragon", "174", "2", "Alpha", "NM", "Rare", "$1,200", "$2,400", ""},
                {"Forest, \"Unlimited\"", "", "1", "", "", "", "", "", "/pics/forest.jpg"}}
        << 18;
    QTest::newRow("price check, 3 rows") << 7
                                         << Rows{{"A", "1", "2", "3", "4", "5", "6"},
                                                 {"B, b", "", "", "", "", "", ""},
                                                 {" C ", "$1", "$2", "$3", "$4", "$5", "$6"}}
                                         << 21;
}

void DataFilesTest::lineFileWrittenAndReadBack()
{
    QFETCH(int, columns);
    QFETCH(Rows, rows);
    QFETCH(int, lines);
    QTemporaryDir folder;
    RecordingMessageBox messages;
    DataFiles files(folder.path(), messages);
    const auto list = makeList(columns);
    list->rows().setRows(rows);

    QVERIFY(files.WriteLineFile(*list, QStringLiteral("file.dtt")));
    QByteArray expected;
    for (const QStringList& row : rows) {
        for (const QString& value : row) {
            expected += value.toLatin1() + "\r\n";
        }
    }
    const QByteArray written = readAll(folder.filePath(QStringLiteral("file.dtt")));
    QCOMPARE(written, expected);
    QCOMPARE(written.count("\r\n"), lines);

    const auto readBack = makeList(columns);
    readBack->rows().appendRow({"left over"});
    files.ReadLineFile(*readBack, QStringLiteral("file.dtt"));
    QCOMPARE(readBack->rows().rows(), rows);
    files.reportUnreadableFiles();
    QVERIFY(messages.shown.isEmpty());
}

void DataFilesTest::quotedFileWrittenAndReadBack()
{
    QTemporaryDir folder;
    RecordingMessageBox messages;
    DataFiles files(folder.path(), messages);
    ListBox list(QStringLiteral("List1"));
    for (const char* entry : {"Zeta \"Z\"", "", "Alpha, Beta"}) {
        list.AddItem(QString::fromUtf8(entry));
    }
    QVERIFY(files.WriteQuotedFile(list, QStringLiteral("file3.dtt")));
    QCOMPARE(readAll(folder.filePath(QStringLiteral("file3.dtt"))),
             QByteArray("\"\"\r\n\"Alpha, Beta\"\r\n\"Zeta \"\"Z\"\"\"\r\n"));

    ListBox readBack(QStringLiteral("List1"));
    files.ReadQuotedFile(readBack, QStringLiteral("file3.dtt"));
    QCOMPARE(readBack.entries().entries(), list.entries().entries());

    ListBox empty(QStringLiteral("List2"));
    QVERIFY(files.WriteQuotedFile(empty, QStringLiteral("file4.dtt")));
    QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("file4.dtt"))).size(), 0);
    QVERIFY(messages.shown.isEmpty());
}

void DataFilesTest::readAndSaveKeepFileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') {
            everyByte += char(byte) + QByteArray("\r\n");
        }
    }
    QTest::newRow("Windows-1252, every byte") << everyByte;
    QTest::newRow("UTF-8, Japanese and Greek")
        << QByteArray("\xE3\x82\xAB\xE3\x83\xBC\xE3\x83\x89\r\n\xCE\xA9 caf\xC3\xA9\r\n");
}

void DataFilesTest::readAndSaveKeepFileBytes()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    RecordingMessageBox messages;
    DataFiles files(folder.path(), messages);
    const QString path = folder.filePath(QStringLiteral("file2.dtt"));
    QVERIFY(writeAll(path, bytes));
    const auto list = makeList(2);
    files.ReadLineFile(*list, QStringLiteral("file2.dtt"));
    QCOMPARE(list->rowCount(), bytes.count("\r\n") / 2);
    QVERIFY(files.WriteLineFile(*list, QStringLiteral("file2.dtt")));
    QCOMPARE(readAll(path).toHex(' '), bytes.toHex(' '));
}

void DataFilesTest::missingFileGivesEmptyListQuietly()
{
    QTemporaryDir folder;
    RecordingMessageBox messages;
    DataFiles files(folder.path(), messages);
    const auto list = makeList(2);
    list->rows().appendRow({"stale", "row"});
    files.ReadLineFile(*list, QStringLiteral("file.dtt"));
    ListBox box(QStringLiteral("List2"));
    files.ReadQuotedFile(box, QStringLiteral("file4.dtt"));
    files.reportUnreadableFiles();
    QCOMPARE(list->rowCount(), 0);
    QCOMPARE(box.count(), 0);
    QVERIFY(messages.shown.isEmpty());
    QVERIFY(snapshot(folder.path()).isEmpty());
}

void DataFilesTest::unreadableFileIsKeptBeforeFirstSave()
{
    QTemporaryDir folder;
    RecordingMessageBox messages;
    DataFiles files(folder.path(), messages);
    // A folder in the file's place: tests run as root, so permission bits would not stop a read.
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("file2.dtt")));
    QVERIFY(writeAll(folder.filePath(QStringLiteral("file2.dtt/inside.txt")), "kept\r\n"));

    const auto list = makeList(9);
    list->rows().appendRow({"stale"});
    files.ReadLineFile(*list, QStringLiteral("file2.dtt"));
    QCOMPARE(list->rowCount(), 0);
    files.reportUnreadableFiles();
    files.reportUnreadableFiles();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].title, Title);
    QVERIFY2(messages.shown[0].text.contains(files.path(QStringLiteral("file2.dtt"))),
             qPrintable(messages.shown[0].text));

    list->rows().appendRow({"Shivan Dragon", "174"});
    QVERIFY(files.WriteLineFile(*list, QStringLiteral("file2.dtt")));
    QCOMPARE(messages.shown.size(), 1);
    const Snapshot after = snapshot(folder.path());
    QCOMPARE(after.value(QStringLiteral("file2.dtt")),
             QByteArray("Shivan Dragon\r\n174\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    QCOMPARE(after.size(), 3);
    const QString keptAs = after.lastKey().section(QLatin1Char('/'), 0, 0);
    QVERIFY2(keptAs != QStringLiteral("file2.dtt") && messages.shown[0].text.contains(keptAs),
             qPrintable(keptAs));
    QCOMPARE(after.value(keptAs), QByteArray("<folder>"));
    QCOMPARE(after.value(keptAs + QStringLiteral("/inside.txt")), QByteArray("kept\r\n"));
}

enum class SaveFault
{
    DiskFullHalfWay,
    FolderRemoved,
    FolderAppearsBeforeRename,
    FolderInPlace
};

void DataFilesTest::failedSaveLeavesOldFile_data()
{
    QTest::addColumn<SaveFault>("fault");
    QTest::newRow("disk full half-way") << SaveFault::DiskFullHalfWay;
    QTest::newRow("folder removed") << SaveFault::FolderRemoved;
    QTest::newRow("folder appears before the rename") << SaveFault::FolderAppearsBeforeRename;
    QTest::newRow("folder in the file's place") << SaveFault::FolderInPlace;
}

void DataFilesTest::failedSaveLeavesOldFile()
{
    QFETCH(SaveFault, fault);
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(folder));
    RecordingMessageBox messages;
    DataFiles files(folder, messages);
    const QString fileName = QStringLiteral("file5.dtt");
    const QString path = files.path(fileName);
    const auto putFolderInPlace = [path] {
        QDir().mkpath(path);
        writeAll(path + QStringLiteral("/x"), "x");
    };

    switch (fault) {
    case SaveFault::DiskFullHalfWay:
        QVERIFY(writeAll(path, "Old card\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n"));
        files.setSaveFileFactory(
            [](const QString& p) { return std::make_unique<FaultySaveFile>(p, 10, nullptr); });
        break;
    case SaveFault::FolderRemoved:
        QVERIFY(QDir(folder).removeRecursively());
        break;
    case SaveFault::FolderAppearsBeforeRename:
        files.setSaveFileFactory([putFolderInPlace](const QString& p) {
            return std::make_unique<FaultySaveFile>(p, 1 << 20, putFolderInPlace);
        });
        break;
    case SaveFault::FolderInPlace:
        putFolderInPlace();
        break;
    }
    const Snapshot before = snapshot(root.path());

    const auto list = makeList(7);
    list->rows().appendRow({"New card, foil", "$1", "$2", "$3", "$4", "$5", "$6"});
    list->rows().appendRow({"Second"});
    QVERIFY(!files.WriteLineFile(*list, fileName));

    Snapshot expected = before;
    if (fault == SaveFault::FolderAppearsBeforeRename) {
        expected.insert(QStringLiteral("data/file5.dtt"), "<folder>");
        expected.insert(QStringLiteral("data/file5.dtt/x"), "x");
    }
    // Also no temporary file left behind.
    QCOMPARE(snapshot(root.path()), expected);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown[0].title, Title);
    QVERIFY2(messages.shown[0].text.contains(path), qPrintable(messages.shown[0].text));
    if (fault == SaveFault::DiskFullHalfWay) {
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("No space left on device")));
    }
}

void DataFilesTest::pathStaysInsideFolder_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("without trailing slash") << QString();
    QTest::newRow("with trailing slash") << QStringLiteral("/");
}

void DataFilesTest::pathStaysInsideFolder()
{
    QFETCH(QString, suffix);
    const QString folder = QStringLiteral("/srv/cards");
    RecordingMessageBox messages;
    DataFiles files(folder + suffix, messages);
    QCOMPARE(files.path(QStringLiteral("file.dtt")), folder + QStringLiteral("/file.dtt"));
}

VELLUMARK_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
