#include "TestFiles.h"
#include "TestMain.h"
#include "data/ColumnSort.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/ListViewModel.h"

using Order = QList<int>;
constexpr auto ReportFailures = QAbstractItemModelTester::FailureReportingMode::QtTest;

static Order rowNumbers(const ListViewModel& model) // the first column holds each row's number
{
    Order numbers;
    for (const QStringList& row : model.rows())
        numbers << row[0].toInt();
    return numbers;
}

// List views and list boxes share one order of texts; equal keys keep the order they came in.
// Whatever the order, a list keeps every text as it was given.
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
        QStringList keys{"Zeta", "alpha", "Mu", "beta", "Ox, foil", "ox", "9", "", "100", "10"};
        Order mox; // std::sort keeps equal keys in order by chance below 16 of them
        for (int i = 10; i < 54; ++i)
            keys << (i % 3 ? "Mox" : "mOX"), mox << i;
        QTest::newRow("C: case ignored, empty key first, digits are characters, 44 equal keys")
            << QLocale::C << keys << Order{7, 9, 8, 6, 1, 3} + mox + Order{2, 5, 4, 0}
            << Order{0, 4, 5, 2} + mox + Order{3, 1, 6, 8, 9, 7};
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
        QStringList ascendingKeys;
        for (int row : ascending)
            ascendingKeys << keys[row];
        ListView view("ListView2", QVector<ListColumn>(2));
        QAbstractItemModelTester tester(&view.rows(), ReportFailures);
        view.rows().setRows(rows.mid(0, 4));
        ColumnSort::headingClicked(view, 1);       // the first click sorts descending
        for (const QStringList& row : rows.mid(4)) // each to its sorted place
            QCOMPARE(view.rows().table().row(view.rows().appendRow(row)), row);
        QCOMPARE(rowNumbers(view.rows()), descending);
        ColumnSort::headingClicked(view, 1);
        view.rows().setRows(rows); // sorted mode stays on
        QCOMPARE(rowNumbers(view.rows()), ascending);
        // A list box: a batch merged into another, then one entry at a time, after equal keys.
        ListBox box("List1");
        QAbstractItemModelTester boxTester(&box.entries(), ReportFailures);
        box.entries().insertSorted(keys.mid(0, 12));
        box.entries().insertSorted(keys.mid(12, 12));
        for (const QString& key : keys.mid(24))
            QCOMPARE(box.text(box.AddItem(key)), key);
        QCOMPARE(box.entries().entries(), ascendingKeys);
    }

    // A value with line breaks shows on one line; a list box's selection follows its entry when
    // another is added before it.
    void edges()
    {
        ListViewModel model(QVector<ListColumn>(2));
        model.appendRow({"y\r\nB", "b\nB"});
        QCOMPARE(model.index(0, 0).data().toString() + model.index(0, 1).data().toString(),
                 "y \u21b5 Bb \u21b5 B");
        ListBox list("List1");
        list.entries().insertSorted(QStringList{"Mox", "Lotus", "Walk"});
        list.selectIndex(1);
        list.AddItem("Black\nLotus");
        QCOMPARE(list.text(list.selectedIndex()), "Mox");
        QCOMPARE(list.entries().index(0).data().toString(), "Black \u21b5 Lotus");
    }

    // A list keeps its rows packed in one buffer, one or two bytes a character, each cell behind
    // its length; no text a cell can hold may be cut, merged with its neighbour or re-encoded
    // there.
    void keepsEveryText_data()
    {
        QTest::addColumn<Rows>("given");
        QTest::addColumn<Rows>("kept"); // three cells a row
        const QString nul = QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("NUL bytes, line breaks and separators in cells")
            << Rows{{nul, "\r\n", "\t\"|;"}, {"", nul, "\n"}}
            << Rows{{nul, "\r\n", "\t\"|;"}, {"", nul, "\n"}};
        QTest::newRow("one-byte rows beside two-byte rows, starting at odd places")
            << Rows{{"éa"}, {"x", "🂡 ace", "ÿ\u0080"}, {"abc", "€"}, {"Æther"}, {"語", "", "y"}}
            << Rows{{"éa", "", ""},
                    {"x", "🂡 ace", "ÿ\u0080"},
                    {"abc", "€", ""},
                    {"Æther", "", ""},
                    {"語", "", "y"}};
        const QString long1(127, 'a'), long2(128, QChar(0xE9)), long3(16384, QChar(0x3042));
        QTest::newRow("cells of 127, 128 and 16384 characters")
            << Rows{{long1, long2, long3}, {long3, long1, long2}}
            << Rows{{long1, long2, long3}, {long3, long1, long2}};
        QTest::newRow("short rows filled, long rows cut, empty rows kept")
            << Rows{{"a"}, {"a", "b", "c", "d"}, {}}
            << Rows{{"a", "", ""}, {"a", "b", "c"}, {"", "", ""}};
    }

    // Each text read back after it was added (the first row alone, the others as UTF-8 in bulk
    // as an import adds them), and again after so many rows before them were removed that the
    // buffer is tidied.
    void keepsEveryText()
    {
        QFETCH(Rows, given);
        QFETCH(Rows, kept);
        ListViewModel model(QVector<ListColumn>(3));
        model.appendRow(given.first());
        RowTable more(3);
        for (const QStringList& row : given.mid(1)) {
            QVector<QByteArray> bytes;
            for (const QString& cell : row)
                bytes.append(cell.toUtf8());
            const std::vector<QUtf8StringView> cells(bytes.cbegin(), bytes.cend());
            more.appendRow(cells.data(), int(cells.size()));
        }
        model.appendRows(std::move(more));
        QCOMPARE(model.rows(), kept);

        const QStringList filler{QString(600, 'x'), "", QString(3, QChar(0x3042))};
        model.setRows(Rows(1000, filler) + given);
        for (int row = model.rowCount() - 1; row >= 0; --row)
            if (model.cellText(row, 0) == filler[0])
                model.removeRow(row);
        QCOMPARE(model.rows(), kept);
    }
};

VELLUMARK_TEST_MAIN(SortedListsTest)
#include "tst_sortedlists.moc"
