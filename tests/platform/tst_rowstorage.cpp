#include "TestFiles.h"
#include "TestMain.h"
#include "platform/ListViewModel.h"

// A list keeps its rows packed in one buffer, one or two bytes a character, each cell behind
// its length; no text a cell can hold may be cut, merged with its neighbour or re-encoded there.
class RowStorageTest : public QObject
{
    Q_OBJECT

private slots:
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

VELLUMARK_TEST_MAIN(RowStorageTest)
#include "tst_rowstorage.moc"
