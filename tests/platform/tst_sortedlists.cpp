#include "TestFiles.h"
#include "TestMain.h"
#include "data/ColumnSort.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

using Order = QList<int>;
constexpr auto ReportFailures = QAbstractItemModelTester::FailureReportingMode::QtTest;

static Order upTo(int count) // 0, 1, ... count - 1
{
    Order order(count);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

static QStringList shown(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

// List views and list boxes share one order of texts; equal keys keep the order they came in.
class SortedListsTest : public QObject
{
    Q_OBJECT

private slots:
    // Row i holds i and key i, in a list view sorted by clicks on the key's heading and in a
    // list box. The rows come all at once, or one at a time while the list is sorted.
    void sortedOrder_data()
    {
        QTest::addColumn<QLocale::Language>("language"); // C: Qt's own order; others: ICU's
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<Order>("ascending");
        QTest::addColumn<Order>("descending");
        QTest::newRow("C: case ignored, empty key first, digits are characters")
            << QLocale::C
            << QStringList{"Zeta", "alpha", "Mu", "beta", "Ox, foil", "ox", "9", "", "100", "10"}
            << Order{7, 9, 8, 6, 1, 3, 2, 5, 4, 0} << Order{0, 4, 5, 2, 3, 1, 6, 8, 9, 7};
        QStringList mox; // std::sort keeps equal keys in order by chance below 16 of them
        for (int i = 0; i < 44; ++i)
            mox << (i % 3 ? "Mox" : "mOX");
        QTest::newRow("C: 44 equal keys keep their order")
            << QLocale::C << mox + QStringList{"Lotus", ""} << Order{45, 44} + upTo(44)
            << upTo(44) + Order{44, 45};
        QTest::newRow("German: umlaut beside its letter, empty key first, digits are characters")
            << QLocale::German << QStringList{"Zorn", "Ärger", "Affe", "Bär", "9", "", "100", "10"}
            << Order{5, 7, 6, 4, 2, 1, 3, 0} << Order{0, 3, 1, 2, 4, 6, 7, 5};
        const QStringList accented{"Zombie", "æther vial", "Aether Vial", "Baneslayer", "Éclair"};
        QTest::newRow("C: accented letters beside their own, as in English")
            << QLocale::C << accented << Order{2, 1, 3, 4, 0} << Order{0, 4, 3, 1, 2};
        QTest::newRow("Danish: Æ after Z")
            << QLocale::Danish << accented << Order{2, 3, 4, 0, 1} << Order{1, 0, 4, 3, 2};
    }

    void sortedOrder()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, keys);
        QFETCH(Order, ascending);
        QFETCH(Order, descending);
        QLocale::setDefault(QLocale(language)); // the lists take their order from it
        Rows rows;
        for (const QString& key : keys)
            rows.append({QString::number(rows.size()), key});
        QStringList ascendingKeys, ascendingRows, descendingRows;
        for (int row : ascending)
            ascendingKeys << keys[row], ascendingRows << QString::number(row);
        for (int row : descending)
            descendingRows << QString::number(row);
        ListView view("ListView2", QVector<ListColumn>(2));
        QAbstractItemModelTester tester(&view.rows(), ReportFailures);
        view.rows().setRows(rows);
        ColumnSort::headingClicked(view, 1); // the first click sorts descending
        QCOMPARE(shown(view.rows(), 0), descendingRows);
        view.rows().setRows({});
        for (const QStringList& row : std::as_const(rows)) // each to its sorted place
            QCOMPARE(view.rows().rows().at(view.rows().appendRow(row)), row);
        QCOMPARE(shown(view.rows(), 0), descendingRows);
        ColumnSort::headingClicked(view, 1);
        QCOMPARE(shown(view.rows(), 0), ascendingRows);
        view.rows().setRows(rows); // sorted mode stays on
        QCOMPARE(shown(view.rows(), 0), ascendingRows);
        // A list box: two batches, the second merged into the first, or one entry at a time.
        ListBox inBatches("List1"), oneByOne("List2");
        QAbstractItemModelTester boxTester(&inBatches.entries(), ReportFailures);
        inBatches.entries().insertSorted(keys.mid(0, 4));
        inBatches.entries().insertSorted(keys.mid(4));
        for (const QString& key : keys)
            QCOMPARE(oneByOne.text(oneByOne.AddItem(key)), key);
        QCOMPARE(shown(inBatches.entries(), 0), ascendingKeys);
        QCOMPARE(shown(oneByOne.entries(), 0), ascendingKeys);
    }

    // Every row holds one text a column; a value with line breaks is shown on one line.
    void rowsFitTheColumns()
    {
        ListViewModel model(QVector<ListColumn>(3));
        QAbstractItemModelTester tester(&model, ReportFailures);
        model.setRows({{"x"}, {"a", "b", "c", "d"}});
        QCOMPARE(model.appendRow({"y\r\nB", "b\nB", "c\rB"}), 2);
        QCOMPARE(model.rows(), (Rows{{"x", "", ""}, {"a", "b", "c"}, {"y\r\nB", "b\nB", "c\rB"}}));
        QCOMPARE(shown(model, 1) + shown(model, 2),
                 (QStringList{"", "b", "b \u21b5 B", "", "c", "c \u21b5 B"}));
        QCOMPARE(model.cellText(1, 2) + model.cellText(1, 3) + model.cellText(3, 0), "c");
        model.removeRow(3);
        model.removeRow(-1);
        model.removeRow(0);
        QCOMPARE(shown(model, 0), (QStringList{"a", "y \u21b5 B"}));
        model.sortBy(3, Qt::DescendingOrder); // no such column: nothing happens
        QVERIFY(!model.isSorted());
    }

    void listBoxRemovesAndSelects()
    {
        ListBox list("List1");
        QAbstractItemModelTester tester(&list.entries(), ReportFailures);
        list.entries().insertSorted(QStringList{"Mox", "Lotus", "Walk", "Ancestral"});
        list.selectIndex(2);
        list.AddItem("Black\nLotus");
        QCOMPARE(list.text(list.selectedIndex()), "Mox"); // the selection follows its entry
        list.RemoveItem(-1);                              // none selected: nothing happens
        list.RemoveItem(5);
        list.RemoveItem(list.selectedIndex());
        QCOMPARE(list.selectedIndex(), -1); // Qt would select the next entry
        list.RemoveItem(3);
        QCOMPARE(shown(list.entries(), 0),
                 (QStringList{"Ancestral", "Black \u21b5 Lotus", "Lotus"}));
        QCOMPARE(list.text(1) + list.text(3) + list.text(-1), "Black\nLotus");
        list.selectIndex(5);
        QCOMPARE(list.selectedIndex(), -1);
    }
};

VELLUMARK_TEST_MAIN(SortedListsTest)
#include "tst_sortedlists.moc"
