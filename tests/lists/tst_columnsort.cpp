#include "ListsWindow.h"
#include "TestMain.h"

#include <QHeaderView>

// Of each list: its tab, columns, file, SAVE button, and the box and the button that add a row.
const QHash<QString, std::tuple<int, int, QString, QString, QString, QString>> Lists{
    {"ListView1", {Program::TrackerTabIndex, 2, "file.dtt", "", "", ""}},
    {"ListView2", {Program::PriceCheckTabIndex, 7, "file5.dtt", "Command10", "Text7", "Command8"}},
    {"ListView3", {Program::CollectionTabIndex, 9, "file2.dtt", "Command13", "Text2", "Command2"}}};

enum class Spot
{
    HeadingCentre,
    GripAfter
};
Q_DECLARE_METATYPE(Spot)

class ColumnSortTest : public QObject
{
    Q_OBJECT

private slots:
    // A quick double-click on a heading is two clicks: the order flips twice. On the grip between
    // two headings it only sizes the column before the grip.
    void doubleClicks_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("column");
        QTest::addColumn<Spot>("spot");
        QTest::addColumn<QStringList>("shown"); // first column after the double-click
        QTest::addColumn<bool>("resized");      // the column before the grip, or the first one
        QTest::newRow("price check, CARD NAME") << "ListView2" << 0 << Spot::HeadingCentre
                                                << QStringList{"alpha", "Mu", "Zeta"} << false;
        QTest::newRow("tracker, narrow address column")
            << "ListView1" << 1 << Spot::HeadingCentre << QStringList{"Zeta", "alpha", "Mu"}
            << false;
        QTest::newRow("collection, grip after Card Name")
            << "ListView3" << 0 << Spot::GripAfter << QStringList{"Mu", "Zeta", "alpha"} << true;
    }

    void doubleClicks()
    {
        QFETCH(QString, list);
        QFETCH(int, column);
        QFETCH(Spot, spot);
        QFETCH(QStringList, shown);
        QFETCH(bool, resized);
        const auto [tab, columns, name, save, box, add] = Lists.value(list);
        QByteArray file; // the key in the last column
        for (const auto& [first, key] : {std::pair("Mu", "c"), {"Zeta", "a"}, {"alpha", "b"}})
            file += crlf(QStringList{first} + QStringList(columns - 2, "") + QStringList{key});
        QTemporaryDir folder;
        writeFile(folder.filePath(name), file);
        ListsWindow window(folder.path(), tab);
        QHeaderView* h = window.find<ListView>(list)->header();
        const int start = h->sectionViewportPosition(column), width = h->sectionSize(0);
        const int x = spot == Spot::GripAfter ? start + h->sectionSize(column) - 1
                                              : start + h->sectionSize(column) / 2;
        const QPoint at = h->viewport()->mapTo(&window.form, QPoint(x, h->height() / 2));
        QTest::mouseDClick(window.form.windowHandle(), Qt::LeftButton, {}, at);
        QStringList firsts;
        for (const QStringList& row : window.rows(list))
            firsts << row.first();
        QCOMPARE(firsts, shown);
        QCOMPARE(h->sectionSize(0) != width, resized);
    }

    // "LIST ROWS / STEPS". The file's rows are "name:key" pairs, the key in the last column, other
    // cells holding the row's number. Each step, "n" a click on the first heading, "k" on the last
    // or "+" adding a row "c", is followed by the order in which the list then shows the rows.
    void steps_data()
    {
        QTest::addColumn<QString>("row");
        QTest::newRow("opposite orders, case ignored, digits as text")
            << "ListView2 Mu:10 alpha:9 Zeta:100 / n201 n102 k120 k021";
        QTest::newRow("equal keys keep their order, empty name first")
            << "ListView3 c:R a:C :R d:C / n3012 k3102 k0231 n2103";
        QTest::newRow("tracker") << "ListView1 A:c B:a C:b / k021 k120";
        QTest::newRow("empty list") << "ListView3 / n k";
        QTest::newRow("added at the end when not sorted") << "ListView3 b:1 d:2 / +01+";
        QTest::newRow("added in its place, ascending") << "ListView3 b:1 d:2 / n10 n01 +0+1";
        QTest::newRow("added in its place, descending") << "ListView2 b:1 d:2 / n10 +1+0";
    }

    void steps()
    {
        QFETCH(QString, row);
        const QString list = row.section(' ', 0, 0), steps = row.section(" / ", 1);
        const auto [tab, columns, name, save, box, add] = Lists.value(list);
        Rows rows, shown;
        QByteArray file;
        for (const QString& pair : row.section(" / ", 0, 0).split(' ').mid(1)) {
            rows << QStringList(columns, QString::number(rows.size()));
            rows.last().first() = pair.section(':', 0, 0);
            rows.last().last() = pair.section(':', 1);
            file += crlf(rows.last());
        }
        QTemporaryDir folder;
        writeFile(folder.filePath(name), file);
        {
            ListsWindow window(folder.path(), tab);
            ListView* view = window.find<ListView>(list);
            view->selectRow(0); // the selection follows its card, for a DELETE or EDIT after a sort
            for (const QString& step : steps.split(' ')) {
                const QString order = step.mid(1);
                QHeaderView* h = view->header();
                const int column = step[0] == 'n' ? 0 : columns - 1;
                const int x = h->sectionViewportPosition(column) + h->sectionSize(column) / 2;
                if (step[0] == '+')
                    window.run({box + "=c", "ADD"}, {{"ADD", add}}, list);
                else // in the middle of the heading, away from the grips that resize the columns
                    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, {x, h->height() / 2});
                shown.clear();
                for (QChar n : order)
                    shown << (n == '+' ? window.rows(list).value(order.indexOf('+'))
                                       : rows.at(n.digitValue()));
                QCOMPARE(window.rows(list), shown);
                QCOMPARE(view->selectedRow(), int(order.indexOf('0')));
            }
            QCOMPARE(fileBytes(folder.filePath(name)), file); // no SAVE yet
            if (save.isEmpty())
                return;
            window.click(save);
        }
        // The next start shows the rows in the saved order, without sorting them again.
        ListsWindow restarted(folder.path(), tab);
        QCOMPARE(restarted.rows(list), shown);
        QVERIFY(!restarted.find<ListView>(list)->rows().isSorted());
    }
};

VELLUMARK_TEST_MAIN(ColumnSortTest)
#include "tst_columnsort.moc"
