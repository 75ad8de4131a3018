#include "TestMain.h"
#include "platform/ListBox.h"

constexpr auto ReportFailures = QAbstractItemModelTester::FailureReportingMode::QtTest;

class ListBoxTest : public QObject
{
    Q_OBJECT

private slots:
    // Case ignored, empty first, digits are characters, equal entries in the order they came.
    void entriesGoToTheirSortedPlaces()
    {
        const QStringList added{"beta", "", "9", "mox", "Mox"};
        const QStringList inserted{"100", "", "MOX", "10", "mox"};
        const QStringList expected{"", "", "10", "100", "9", "beta", "mox", "Mox", "MOX", "mox"};
        ListBox list("List1"), oneByOne("List2");
        QAbstractItemModelTester tester(&list.entries(), ReportFailures);
        list.entries().insertSorted(added);
        list.entries().insertSorted(inserted);
        QCOMPARE(list.entries().entries(), expected);
        for (const QString& entry : added + inserted) {
            QCOMPARE(oneByOne.text(oneByOne.AddItem(entry)), entry);
        }
        QCOMPARE(oneByOne.entries().entries(), expected);
    }

    void removeAndSelect()
    {
        ListBox list("List1");
        QAbstractItemModelTester tester(&list.entries(), ReportFailures);
        list.entries().insertSorted(QStringList{"Mox", "Lotus", "Walk", "Ancestral"});
        list.selectIndex(2);
        list.AddItem("Black Lotus");
        QCOMPARE(list.text(list.selectedIndex()), "Mox");
        list.RemoveItem(-1); // None selected: nothing happens.
        list.RemoveItem(5);
        list.RemoveItem(list.selectedIndex());
        list.RemoveItem(3);
        QCOMPARE(list.entries().entries(), (QStringList{"Ancestral", "Black Lotus", "Lotus"}));
        QCOMPARE(list.text(3) + list.text(-1), "");
        list.selectIndex(5);
        QCOMPARE(list.selectedIndex(), -1);
    }

    void entryWithLineBreaksIsOneEntryOnOneLine()
    {
        const QStringList entries{"A\r\nB", "A\nB", "A\rB", "A\n\nB"};
        ListBox list("List1");
        list.entries().insertSorted(entries);
        QCOMPARE(list.count(), 4);
        for (int index = 0; index < 4; ++index) {
            const QString shown = list.entries().index(index).data().toString();
            QVERIFY2(QRegularExpression("^A[^\r\n]+B$").match(shown).hasMatch(), qPrintable(shown));
            QVERIFY(entries.contains(list.text(index)));
        }
    }
};

VELLUMARK_TEST_MAIN(ListBoxTest)
#include "tst_listbox.moc"
