#include "ListTab.h"
#include "TestMain.h"

#include <QHeaderView>

enum class Gesture
{
    Click,          // in the middle of a heading
    DoubleClick,    // quick, in the middle of a heading
    GripDoubleClick // on the grip after a heading
};
Q_DECLARE_METATYPE(Gesture)

// Clicks on the headings of a list view sort it, each flipping the direction; SAVE keeps the
// order it finds.
class ColumnSortTest : public QObject
{
    Q_OBJECT

private slots:
    void headings_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("keys");    // of the rows Mu, Zeta, alpha, in the last column
        QTest::addColumn<QList<int>>("headings"); // those clicked, in turn
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QStringList>("shown"); // the first column after the clicks
        QTest::addColumn<bool>("widened");      // the column of the grip
        const auto row = [](const char* name, int tab, const QStringList& keys,
                            const QList<int>& headings, Gesture gesture, const QStringList& shown,
                            bool widened = false) {
            QTest::newRow(name) << tab << keys << headings << gesture << shown << widened;
        };
        const int tracker = Program::TrackerTabIndex, price = Program::PriceCheckTabIndex,
                  collection = Program::CollectionTabIndex;
        row("price check: names down, up, then keys down, as text", price, {"10", "9", "100"},
            {0, 0, 6}, Gesture::Click, {"Zeta", "alpha", "Mu"});
        row("collection: names down, then the narrow path column up", collection, {"b", "a", "c"},
            {0, 8}, Gesture::Click, {"Zeta", "Mu", "alpha"});
        row("tracker: the narrow address column", tracker, {"c", "a", "b"}, {1}, Gesture::Click,
            {"Mu", "alpha", "Zeta"});
        row("price check: double-click, two flips", price, {"10", "9", "100"}, {0},
            Gesture::DoubleClick, {"alpha", "Mu", "Zeta"});
        row("tracker: double-click on the narrow column", tracker, {"c", "a", "b"}, {1},
            Gesture::DoubleClick, {"Zeta", "alpha", "Mu"});
        row("collection: double-click on the grip after Card Name", collection, {"c", "a", "b"},
            {0}, Gesture::GripDoubleClick, {"Mu", "Zeta", "alpha"}, true);
    }

    void headings()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, headings);
        QFETCH(Gesture, gesture);
        QFETCH(QStringList, shown);
        QFETCH(bool, widened);
        const QString list = QString("ListView%1").arg(tab - Program::TrackerTabIndex + 1),
                      file = QStringList{"file.dtt", "file5.dtt", "file2.dtt"}[tab - 5];
        const QStringList names{"Mu", "Zeta", "alpha"};
        const int columns = QList<int>{2, 7, 9}[tab - 5];
        Rows before, after;
        for (int row = 0; row < 3; ++row)
            before << (QStringList{names[row]} + QStringList(columns - 2, QString::number(row))
                       << keys[row]);
        for (const QString& name : shown)
            after << before[names.indexOf(name)];
        QTemporaryDir folder;
        writeFile(folder.filePath(file), lineFile(before));
        ListTab window(folder.path(), Program::TabIndex(tab));
        window.clickRow(list, 0); // the selection follows its row
        QHeaderView* h = window.find<ListView>(list)->header();
        const int width = h->sectionSize(0);
        for (int column : headings) {
            const int start = h->sectionViewportPosition(column), size = h->sectionSize(column);
            const QPoint at = h->viewport()->mapTo(
                window.tab.get(),
                QPoint(gesture == Gesture::GripDoubleClick ? start + size - 1 : start + size / 2,
                       h->height() / 2));
            if (gesture == Gesture::Click)
                QTest::mouseClick(window.tab->windowHandle(), Qt::LeftButton, {}, at);
            else
                QTest::mouseDClick(window.tab->windowHandle(), Qt::LeftButton, {}, at);
        }
        QCOMPARE(window.rows(list), after);
        QCOMPARE(window.find<ListView>(list)->selectedRow(), shown.indexOf("Mu"));
        QCOMPARE(h->sectionSize(0) != width, widened);
        QCOMPARE(fileBytes(folder.filePath(file)), lineFile(before)); // sorting writes nothing
        if (tab != Program::TrackerTabIndex) {
            window.click(tab == Program::PriceCheckTabIndex ? "Command10" : "Command13");
            QCOMPARE(fileBytes(folder.filePath(file)), lineFile(after));
        }
    }
};

VELLUMARK_TEST_MAIN(ColumnSortTest)
#include "tst_columnsort.moc"
