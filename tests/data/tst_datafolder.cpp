#include "TestMain.h"
#include "data/DataFolder.h"

#include <QTemporaryDir>

class DataFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void writableProgramFolderIsChosen();
    void otherwiseApplicationDataFolder_data();
    void otherwiseApplicationDataFolder();
};

void DataFolderTest::writableProgramFolderIsChosen()
{
    QTemporaryDir folder;
    QCOMPARE(DataFolder::choose(folder.path()), folder.path());
    // The test write leaves nothing behind.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void DataFolderTest::otherwiseApplicationDataFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    // Root ignores permission bits, but nothing can be created below a regular file.
    QTest::newRow("below a regular file") << QStringLiteral("program/vellumark");
    QTest::newRow("missing folder") << QStringLiteral("gone");
}

void DataFolderTest::otherwiseApplicationDataFolder()
{
    QFETCH(QString, programFolder);
    QTemporaryDir root;
    QFile regular(root.filePath(QStringLiteral("program")));
    QVERIFY(regular.open(QIODevice::WriteOnly));
    regular.close();

    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Test mode keeps this away from the user's real folder, so it may be removed.
    QVERIFY2(appData.contains(QStringLiteral("/.qttest/")), qPrintable(appData));
    QVERIFY(QDir(appData).removeRecursively());

    QCOMPARE(DataFolder::choose(root.filePath(programFolder)), appData);
    QVERIFY(QFileInfo(appData).isDir());
    QVERIFY(!QFileInfo::exists(root.filePath(programFolder)));
}

VELLUMARK_TEST_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
