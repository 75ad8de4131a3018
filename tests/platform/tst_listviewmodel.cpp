#include "TestMain.h"
#include "platform/ListView.h"

using Rows = QVector<QStringList>;
constexpr auto ReportFailures = QAbstractItemModelTester::FailureReportingMode::QtTest;

static QString firstColumn(const ListViewModel& model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts.append(model.data(model.index(row, 0)).toString());
    }
    return texts.join(' ');
}

class ListViewModelTest : public QObject
{
    Q_OBJECT

private slots:
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
        model.sortBy(3, Qt::DescendingOrder); // No such column: nothing happens.
        QVERIFY(!model.isSorted());
    }

    void sortedOrder_data()
    {
        QTest::addColumn<QLocale::Language>("language"); // C: Qt's own order; others: ICU's.
        QTest::addColumn<QStringList>("keys");           // Row i holds i and key i.
        QTest::addColumn<QString>("orders");             // The rows ascending | descending.
        QTest::newRow("C: case ignored, empty key first, digits are characters")
            << QLocale::C
            << QStringList{"Zeta", "alpha", "Mu", "beta", "Ox, foil", "ox", "9", "", "100", "10"}
            << "7 9 8 6 1 3 2 5 4 0 | 0 4 5 2 3 1 6 8 9 7";
        QTest::newRow("C: equal keys keep their order")
            << QLocale::C << QStringList{"Mox", "mox", "Lotus", "MOX", "Mox"}
            << "2 0 1 3 4 | 0 1 3 4 2";
        QTest::newRow("German: umlaut beside its letter, empty key first, digits are characters")
            << QLocale::German << QStringList{"Zorn", "Ärger", "Affe", "Bär", "9", "", "100", "10"}
            << "5 7 6 4 2 1 3 0 | 0 3 1 2 4 6 7 5";
    }

    void sortedOrder()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QStringList, keys);
        QFETCH(QString, orders);
        const QStringList expected = orders.split(" | "); // Indexed by Qt::SortOrder.
        QLocale::setDefault(QLocale(language));           // The models take their order from it.
        Rows rows;
        for (const QString& key : keys) {
            rows.append({QString::number(rows.size()), key});
        }
        ListViewModel model(QVector<ListColumn>(2));
        QAbstractItemModelTester tester(&model, ReportFailures);
        for (const Qt::SortOrder order : {Qt::DescendingOrder, Qt::AscendingOrder}) {
            model.setRows({});
            model.sortBy(1, order);
            for (const QStringList& row : std::as_const(rows)) { // Each to its sorted place.
                QCOMPARE(model.rows().at(model.appendRow(row)), row);
            }
            QCOMPARE(firstColumn(model), expected[order]);
            model.setRows(rows); // Sorted mode stays on.
            QCOMPARE(firstColumn(model), expected[order]);
        }
        model.sortBy(1, Qt::DescendingOrder);
        QCOMPARE(firstColumn(model), expected[Qt::DescendingOrder]);
        QVERIFY(model.isSorted() && model.sortColumn() == 1 &&
                model.sortOrder() == Qt::DescendingOrder);
    }

    void selectionFollowsItsRowThroughASort()
    {
        ListView list("ListView1", QVector<ListColumn>(2));
        list.rows().setRows({{"Shivan", "a"}, {"Lotus", "b"}, {"Walk", "c"}, {"Ancestral", "d"}});
        list.selectRow(1);
        list.rows().sortBy(0, Qt::DescendingOrder);
        QCOMPARE(list.selectedRow(), 2);
        list.rows().appendRow({"Zendikar", "e"}); // At the top.
        QCOMPARE(list.selectedRow(), 3);
        list.selectRow(7);
        QCOMPARE(list.selectedRow(), -1);
    }
};

VELLUMARK_TEST_MAIN(ListViewModelTest)
#include "tst_listviewmodel.moc"
