#include "TestFiles.h"
#include "TestMain.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"

constexpr auto ReportFailures = QAbstractItemModelTester::FailureReportingMode::QtTest;

QString firstColumn(const ListViewModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, 0)).toString());
    return texts.join(' ');
}

// List views and list boxes share one order of texts.
class SortedListsTest : public QObject
{
    Q_OBJECT

private slots:
    void sortedOrder_data()
    {
        QTest::addColumn<QLocale::Language>("language"); // C: Qt's own order; others: ICU's
        QTest::addColumn<QStringList>("keys");           // row i holds i and key i
        QTest::addColumn<QString>("orders");             // the rows ascending | descending
        QTest::newRow("C: case ignored, empty key first, digits are characters")
            << QLocale::C
            << QStringList{"Zeta", "alpha", "Mu", "beta", "Ox, foil", "ox", "9", "", "100", "10"}
            << "7 9 8 6 1 3 2 5 4 0 | 0 4 5 2 3 1 6 8 9 7";
        QTest::newRow("C: equal keys keep their order")
            << QLocale::C << QStringList{"Mox", "mox", "Lotus", "MOX", "Mox", "", "mox", ""}
            << "5 7 2 0 1 3 4 6 | 0 1 3 4 6 2 5 7";
        QTest::newRow("German: umlaut beside its letter, empty key first, digits are characters")
            << QLocale::German << QStringList{"Zorn", "Ärger", "Affe", "Bär", "9", "", "100", "10"}
            << "5 7 6 4 2 1 3 0 | 0 3 1 2 4 6 7 5";
        const QStringList accented{"Zombie", "æther vial", "Aether Vial", "Baneslayer", "Éclair"};
        QTest::newRow("C: accented letters beside their own, as in English")
            << QLocale::C << accented << "2 1 3 4 0 | 0 4 3 1 2";
        QTest::newRow("Danish: Æ after Z")
            << QLocale::Danish << accented << "2 3 4 0 1 | 1 0 4 3 2";
    }

    void sortedOrder()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, keys);
        QFETCH(QString, orders);
        const QStringList expected = orders.split(" | "); // indexed by Qt::SortOrder
        QLocale::setDefault(QLocale(language));           // the lists take their order from it
        Rows rows;
        QStringList ascendingKeys;
        for (const QString& key : keys)
            rows.append({QString::number(rows.size()), key});
        for (const QString& row : expected[Qt::AscendingOrder].split(' '))
            ascendingKeys.append(keys[row.toInt()]);
        ListViewModel model(QVector<ListColumn>(2));
        QAbstractItemModelTester tester(&model, ReportFailures);
        for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
            model.setRows({});
            model.sortBy(1, order);
            for (const QStringList& row : std::as_const(rows)) // each to its sorted place
                QCOMPARE(model.rows().at(model.appendRow(row)), row);
            QCOMPARE(firstColumn(model), expected[order]);
            model.setRows(rows); // sorted mode stays on
            QCOMPARE(firstColumn(model), expected[order]);
        }
        model.sortBy(1, Qt::DescendingOrder);
        QCOMPARE(firstColumn(model), expected[Qt::DescendingOrder]);
        QVERIFY(model.isSorted() && model.sortColumn() == 1 &&
                model.sortOrder() == Qt::DescendingOrder);
        // A list box: two batches, the second merged into the first, or one entry at a time.
        ListBox inBatches("List1"), oneByOne("List2");
        QAbstractItemModelTester boxTester(&inBatches.entries(), ReportFailures);
        inBatches.entries().insertSorted(keys.mid(0, 4));
        inBatches.entries().insertSorted(keys.mid(4));
        for (const QString& key : keys)
            QCOMPARE(oneByOne.text(oneByOne.AddItem(key)), key);
        QCOMPARE(inBatches.entries().entries(), ascendingKeys);
        QCOMPARE(oneByOne.entries().entries(), ascendingKeys);
    }

    void rowsFitTheColumns()
    {
        ListViewModel model(QVector<ListColumn>(3));
        QAbstractItemModelTester tester(&model, ReportFailures);
        model.setRows({{"x"}, {"a", "b", "c", "d"}});
        QCOMPARE(model.appendRow({"y"}), 2);
        QCOMPARE(model.rows(), (Rows{{"x", "", ""}, {"a", "b", "c"}, {"y", "", ""}}));
        QCOMPARE(model.cellText(1, 2) + model.cellText(1, 3) + model.cellText(3, 0), "c");
        model.removeRow(3);
        model.removeRow(-1);
        model.removeRow(0);
        QCOMPARE(firstColumn(model), "a y");
        model.sortBy(3, Qt::DescendingOrder); // no such column: nothing happens
        QVERIFY(!model.isSorted());
    }

    void listBoxRemovesAndSelects()
    {
        ListBox list("List1");
        QAbstractItemModelTester tester(&list.entries(), ReportFailures);
        list.entries().insertSorted(QStringList{"Mox", "Lotus", "Walk", "Ancestral"});
        list.selectIndex(2);
        list.AddItem("Black Lotus");
        QCOMPARE(list.text(list.selectedIndex()), "Mox"); // the selection follows its entry
        list.RemoveItem(-1);                              // none selected: nothing happens
        list.RemoveItem(5);
        list.RemoveItem(list.selectedIndex());
        list.RemoveItem(3);
        QCOMPARE(list.entries().entries(), (QStringList{"Ancestral", "Black Lotus", "Lotus"}));
        QCOMPARE(list.text(3) + list.text(-1), "");
        list.selectIndex(5);
        QCOMPARE(list.selectedIndex(), -1);
    }

    // List boxes and list views show a value with line breaks on one line, with the same mark.
    void lineBreaksShownOnOneLine()
    {
        const QStringList entries{"a\r\nB", "b\nB", "c\rB", "d\n\nB"};
        const QStringList shown{"a \u21b5 B", "b \u21b5 B", "c \u21b5 B", "d \u21b5  \u21b5 B"};
        ListBox list("List1");
        ListViewModel view(QVector<ListColumn>(1));
        for (const QString& entry : entries) {
            list.entries().insertSorted(QStringList{entry});
            view.appendRow({entry});
        }
        for (int index = 0; index < entries.size(); ++index) {
            QCOMPARE(view.index(index, 0).data().toString(), shown[index]);
            QCOMPARE(list.entries().index(index).data().toString(), shown[index]);
            QCOMPARE(list.text(index) + view.cellText(index, 0), entries[index] + entries[index]);
        }
    }
};

VELLUMARK_TEST_MAIN(SortedListsTest)
#include "tst_sortedlists.moc"
