#include "ListTab.h"
#include "TestMain.h"

#include <QMenu>

enum class Trigger
{
    Track,
    Display,
    PopUpDisplay, // its entry clicked in the pop-up menu a right click opened
    DoubleClick,
    DeleteTwice,
    DeleteKeyTwice,
    PopUpDelete,
    RightPress,
    MiddlePress
};
Q_DECLARE_METATYPE(Trigger)

// The tracker list: pages tracked, shown again in the first store, deleted;
// every change is written to its file at once.
class TrackerTest : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<int>("row"); // clicked or under the pointer; -1: none, below the rows
        QTest::addColumn<QList<int>>("listed"); // of the three rows, a 3 for the tracked page
        QTest::addColumn<QString>("displayed");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("popUp");
        const auto row = [](const char* name, Trigger trigger, int row, const QList<int>& listed,
                            const QString& displayed = "", bool written = false,
                            bool popUp = false) {
            QTest::newRow(name) << trigger << row << listed << displayed << written << popUp;
        };
        const QList<int> three{0, 1, 2};
        row("TRACK", Trigger::Track, -1, {0, 1, 2, 3}, "", true);
        row("DISPLAY, second row", Trigger::Display, 1, three, "http://a/walk");
        row("DISPLAY, none clicked", Trigger::Display, -1, three);
        row("DISPLAY, row without title", Trigger::Display, 2, three);
        row("pop-up Display", Trigger::PopUpDisplay, 1, three, "http://a/walk");
        row("double-click", Trigger::DoubleClick, 1, three, "http://a/walk");
        row("double-click below the rows", Trigger::DoubleClick, -1, three);
        row("DELETE twice", Trigger::DeleteTwice, 1, {0, 2}, "", true);
        row("Delete key twice", Trigger::DeleteKeyTwice, 1, {0, 2}, "", true);
        row("pop-up Delete", Trigger::PopUpDelete, 1, {0, 2}, "", true);
        row("DELETE, none clicked", Trigger::DeleteTwice, -1, three, "", true);
        row("right press", Trigger::RightPress, -1, three, "", false, true);
        row("middle press", Trigger::MiddlePress, 1, three);
    }

    void commands()
    {
        QFETCH(Trigger, trigger);
        QFETCH(int, row);
        QFETCH(QList<int>, listed);
        QFETCH(QString, displayed);
        QFETCH(bool, written);
        QFETCH(bool, popUp);
        const Rows pages{{"Black Lotus, Alpha - eBay", "http://a/lotus"},
                         {"Time Walk | Troll and Toad", "http://a/walk"},
                         {"", "http://a/untitled"},
                         {"Mox Pearl, Alpha", "http://a/pearl"}};
        Rows expected;
        for (int page : listed)
            expected << pages[page];
        QTemporaryDir folder;
        const QString file = folder.filePath("file.dtt");
        const QByteArray prepared = lineFile(pages.mid(0, 3)).replace("\r\n", "\n");
        writeFile(file, prepared);
        ListTab window(folder.path(), Program::TrackerTabIndex);
        window.stores.title = pages[3][0];
        window.stores.address = pages[3][1];
        auto* list = window.find<ListView>("ListView1");
        const QPoint place = row >= 0 ? list->visualRect(list->rows().index(row, 0)).center()
                                      : QPoint(10, list->viewport()->height() - 5);
        auto* menu = window.find<QMenu>("PopUp");
        if (trigger == Trigger::Track) {
            static_cast<TrackerTab*>(window.tab.get())->Command11_Click();
        } else if (trigger == Trigger::DoubleClick) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
        } else if (trigger == Trigger::RightPress || trigger == Trigger::MiddlePress) {
            QTest::mousePress(list->viewport(),
                              trigger == Trigger::RightPress ? Qt::RightButton : Qt::MiddleButton,
                              {}, place);
        } else if (trigger == Trigger::PopUpDisplay || trigger == Trigger::PopUpDelete) {
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, place);
            auto* entry =
                window.find<QAction>(trigger == Trigger::PopUpDelete ? "Delete" : "Display");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
        } else {
            if (row >= 0)
                window.clickRow("ListView1", row);
            for (int time = 0; time < (trigger == Trigger::Display ? 1 : 2); ++time) {
                if (trigger == Trigger::DeleteKeyTwice)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                else
                    window.click(trigger == Trigger::Display ? "Command5" : "Command6");
            }
        }
        QCOMPARE(menu->isVisible(), popUp);
        QCOMPARE(window.stores.displayed, QStringList(!displayed.isEmpty(), displayed));
        QCOMPARE(window.rows("ListView1"), expected);
        QCOMPARE(fileBytes(file), written ? lineFile(expected) : prepared);
        QCOMPARE(window.desktop.messages.shown.size(), 0);
    }
};

VELLUMARK_TEST_MAIN(TrackerTest)
#include "tst_tracker.moc"
