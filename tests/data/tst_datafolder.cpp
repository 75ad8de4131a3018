#include "TestMain.h"
#include "data/DataFolder.h"

class DataFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("programFolder"); // Below a folder holding the file "program".
        QTest::newRow("writable program folder") << "";               // That folder itself.
        QTest::newRow("below a regular file") << "program/vellumark"; // Not even root writes there.
        QTest::newRow("missing folder") << "gone";
    }

    void choose()
    {
        QFETCH(QString, programFolder);
        QTemporaryDir root;
        QVERIFY(QFile(root.filePath("program")).open(QIODevice::WriteOnly));
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(appData.contains("/.qttest/") && QDir(appData).removeRecursively()); // Test mode.
        const QString folder = root.filePath(programFolder);
        QCOMPARE(DataFolder::choose(folder), programFolder.isEmpty() ? folder : appData);
        QVERIFY(programFolder.isEmpty() || QFileInfo(appData).isDir());
        // The test write leaves nothing behind, and nothing is made in the program folder's place.
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(root.path()).entryList(all), QStringList{"program"});
    }
};

VELLUMARK_TEST_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
