#include "TestMain.h"
#include "TestWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

// File, Export List and File, Import List in the main window, as a person reaches them.
class TransferMenuTest : public QObject
{
    Q_OBJECT

    // Clicks File on the menu bar, then presses the entry's underlined letter.
    static void choose(TestWindow& window, Qt::Key mnemonic)
    {
        QMenuBar* bar = window.form.menuBar();
        QMenu* file = bar->actions().constFirst()->menu();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, mnemonic);
        QTRY_VERIFY(!file->isVisible());
    }

private slots:
    void exportThenImport()
    {
        QTemporaryDir folder;
        const QByteArray card = crlf({"Mox, \"Jet\"", "1", "", "", "", "", "", "", "p.jpg"});
        writeFile(folder.filePath("file2.dtt"), card);
        TestWindow window(folder.path(), 0);
        QVERIFY(!window.find<QAction>("exportList")->isEnabled()); // on a store tab
        QVERIFY(!window.find<QAction>("importList")->isEnabled());
        auto* tabs = window.find<QTabBar>(QString());
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(Program::CollectionTabIndex).center());

        const QString csv = folder.filePath("collection.csv");
        window.desktop.files.nextSaveAnswers = {csv};
        choose(window, Qt::Key_E);
        QCOMPARE(fileBytes(csv), "\xEF\xBB\xBF"
                                 "Card Name,Card#,Quantity,Edition,Condition,Card Type,Card Value,"
                                 "Total Value,Picture\r\n\"Mox, \"\"Jet\"\"\",1,,,,,,,p.jpg\r\n");
        window.desktop.files.nextAnswers = {csv};
        choose(window, Qt::Key_I);
        auto* list = window.find<ListView>("ListView3");
        QCOMPARE(list->rowCount(), 2);
        for (int column = 0; column < list->columnCount(); ++column)
            QCOMPARE(list->cellText(1, column), list->cellText(0, column));
        QCOMPARE(window.desktop.messages.shown.size(), 1);
        QVERIFY(window.desktop.messages.shown[0].text.startsWith(
            "1 row was added to My Collection from " + QDir::toNativeSeparators(csv)));
        QCOMPARE(fileBytes(folder.filePath("file2.dtt")), card); // till SAVE
    }
};

VELLUMARK_TEST_MAIN(TransferMenuTest)
#include "tst_transfermenu.moc"
