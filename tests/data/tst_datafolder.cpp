#include "TestFiles.h"
#include "TestMain.h"
#include "data/DataFolder.h"
#include "data/InstallLayout.h"

class DataFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choose_data()
    {
        // Paths relative to a fresh folder; one ending in "/" is a folder, others are files.
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<bool>("dataBesideProgram");
        QTest::addColumn<QString>("helpPage");
        QTest::newRow("build tree")
            << QStringList{"build/help.htm"} << "build" << true << "build/help.htm";
        QTest::newRow("copy without help page")
            << QStringList{"copy/"} << "copy" << true << "copy/help.htm";
        QTest::newRow("installed, writable bin") // As for root in /usr/bin.
            << QStringList{"usr/bin/", "usr/share/vellumark/help.htm"} << "usr/bin" << false
            << "usr/share/vellumark/help.htm";
        QTest::newRow("installed, help page removed")
            << QStringList{"usr/bin/", "usr/share/vellumark/"} << "usr/bin" << false
            << "usr/share/vellumark/help.htm";
        QTest::newRow("below a regular file") // Not even root writes there.
            << QStringList{"program"} << "program/vellumark" << false
            << "program/vellumark/help.htm";
        QTest::newRow("missing folder") << QStringList{} << "gone" << false << "gone/help.htm";
    }

    void choose()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, programFolder);
        QFETCH(bool, dataBesideProgram);
        QFETCH(QString, helpPage);
        QTemporaryDir root;
        for (const QString& path : made) {
            QVERIFY(QDir(root.path()).mkpath(QFileInfo(root.filePath(path)).path()));
            QVERIFY(path.endsWith('/') || QFile(root.filePath(path)).open(QIODevice::WriteOnly));
        }
        const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(appData.contains("/.qttest/") && QDir(appData).removeRecursively()); // Test mode.
        const QString folder = root.filePath(programFolder);
        const Snapshot before = snapshot(root.path());

        QCOMPARE(DataFolder::choose(folder), dataBesideProgram ? folder : appData);
        QVERIFY(dataBesideProgram || QFileInfo(appData).isDir());
        QCOMPARE(InstallLayout::helpPage(folder), root.filePath(helpPage));
        // The test write leaves nothing behind, and nothing is made in the program folder's place.
        QCOMPARE(snapshot(root.path()), before);
    }
};

VELLUMARK_TEST_MAIN(DataFolderTest)
#include "tst_datafolder.moc"
