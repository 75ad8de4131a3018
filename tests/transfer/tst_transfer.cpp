#include "ListTab.h"
#include "TestMain.h"
#include "data/ColumnSort.h"
#include "platform/Progress.h"
#include "transfer/ListTransfer.h"
#include "transfer/TransferableList.h"

// Cancels at its first chance when told to.
struct ScriptedProgress : ProgressDisplay
{
    struct Step : Progress
    {
        const bool* cancel = nullptr;
        bool advance(qint64, qint64) override { return !*cancel; }
    };
    std::unique_ptr<Progress> begin(QWidget*, const QString&) override
    {
        auto step = std::make_unique<Step>();
        step->cancel = &cancel;
        return step;
    }
    bool cancel = false;
};

// A list tab alone with File, Export List and Import List working on it.
struct TransferTab : ListTab
{
    TransferTab(const QString& folder, Program::TabIndex index, bool wish = false)
        : ListTab(folder, index)
        , wish(wish)
    {
        if (wish) // the person works in the wish list
            QTest::mouseClick(find("Text12"), Qt::LeftButton);
    }
    TransferableList& list() { return tab->transferableList(); }
    Rows held() // row by row, cell by cell
    {
        if (auto* view = tab->findChild<ListView*>())
            return view->rows().rows();
        Rows rows;
        for (const QString& entry : entries(wish ? "List2" : "List1"))
            rows.append({entry});
        return rows;
    }
    void importFrom(const QString& path)
    {
        desktop.files.nextAnswers = {path};
        transfer.importList(list());
    }
    QString message() { return desktop.messages.shown.value(0).text; }

    bool wish;
    ScriptedProgress progress;
    ListTransfer transfer{desktop.files, desktop.messages, progress, tab.get()};
};

const QStringList Tricky{
    "Æther Vial, \"foil\"", " £ lead", "trail ", "two\r\nlines", "€ 12,50", "日本語", "", "x;y",
    "C:\\pics\\a b.jpg"};
// clang-format off
const QStringList TrickyInCsv{"\"Æther Vial, \"\"foil\"\"\"", "\" £ lead\"", "\"trail \"", "\"two\r\nlines\"",
                              "\"€ 12,50\"", "日本語", "", "\"x;y\"", "C:\\pics\\a b.jpg"};
// clang-format on
const QByteArray Bom("\xEF\xBB\xBF");
const Rows OldRows{{"Mox", "", "", "", "", "", "", "", ""}};
const QByteArray OldCollection = lineFile(OldRows);

class TransferTest : public QObject
{
    Q_OBJECT

private slots:
    // Every list out to a file and back into an empty list of its kind.
    void roundTrip_data()
    {
        QTest::addColumn<Program::TabIndex>("index");
        QTest::addColumn<bool>("wish");
        QTest::addColumn<QString>("headings");
        QTest::addColumn<bool>("emptyFirst"); // the sorted lists show the empty entry first
        // clang-format off
        QTest::newRow("tracker") << Program::TrackerTabIndex << false << "ITEMS,Address" << false;
        QTest::newRow("price check") << Program::PriceCheckTabIndex << false << "CARD NAME,Ebay Starting Bid,Ebay Ending Bid,Games and Cards,Troll and Toad,Magic Singles,MY PRICE" << false;
        QTest::newRow("collection") << Program::CollectionTabIndex << false << "Card Name,Card#,Quantity,Edition,Condition,Card Type,Card Value,Total Value,Picture" << false;
        QTest::newRow("trade") << Program::TradeWishTabIndex << false << "Cards to Trade" << true;
        QTest::newRow("wish") << Program::TradeWishTabIndex << true << "My Wish List" << true;
        // clang-format on
    }

    void roundTrip()
    {
        QFETCH(Program::TabIndex, index);
        QFETCH(bool, wish);
        QFETCH(QString, headings);
        QFETCH(bool, emptyFirst);
        const int columns = int(headings.count(',')) + 1;
        const QStringList tricky = Tricky.mid(0, columns), blank(columns, QString());
        QTemporaryDir folder;
        TransferTab from(folder.path(), index, wish);
        from.list().addRows(RowTable(columns, {tricky, blank}));
        const QString csv = folder.filePath("out.csv");
        from.desktop.files.nextSaveAnswers = {csv};
        from.transfer.exportList(from.list());
        const QString emptyInCsv = columns == 1 ? "\"\"" : QString(columns - 1, ',');
        const QString trickyInCsv = TrickyInCsv.mid(0, columns).join(',');
        QCOMPARE(QString::fromUtf8(fileBytes(csv)),
                 QString(Bom + headings + "\r\n" + (emptyFirst ? emptyInCsv : trickyInCsv) +
                         "\r\n" + (emptyFirst ? trickyInCsv : emptyInCsv) + "\r\n"));

        QVERIFY(QDir(folder.path()).mkdir("into"));
        TransferTab into(folder.filePath("into"), index, wish);
        into.importFrom(csv);
        QCOMPARE(into.held(), from.held());
        QVERIFY(into.message().startsWith("2 rows were added to " + from.list().listName()));
    }

    void importFile_data()
    {
        QTest::addColumn<Program::TabIndex>("index");
        QTest::addColumn<QByteArray>("file"); // "<folder>": a folder in its place
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<Rows>("rows"); // after the import
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QByteArray>("saved"); // the tab's data file afterwards
        const auto collection = [](const char* name, const QByteArray& file, const Rows& added,
                                   const QStringList& told, bool cancel = false) {
            QTest::newRow(name) << Program::CollectionTabIndex << file << cancel
                                << (OldRows + added) << told << OldCollection;
        };
        collection(
            "layout 1, commas",
            "Count,Tradelist Count,Name,Edition,Card Number,Condition,Language,Foil,My Price"
            "\r\n2,0,Černý Lotus, Alpha ,232,NM,English,,$9000\r\n",
            {{"Černý Lotus", "232", "2", " Alpha ", "NM", "", "$9000", "", ""}},
            {"1 row was added to My Collection", "\u201CCount\u201D \u2192 Quantity",
             "\u201CMy Price\u201D \u2192 Card Value",
             "Left out: \u201CTradelist Count\u201D, \u201CLanguage\u201D, \u201CFoil\u201D"});
        collection("layout 2, semicolons, UTF-8 mark",
                   Bom + "Quantity;Name;Simple Name;Set;Card Number;Set Code;Condition;Language;"
                         "Rarity;Price;Price Each\n1;Æther Vial (Foil);Æther Vial;Darksteel;91;"
                         "DST;Near Mint;English;uncommon;€ 3,50;€ 3,50\n",
                   {{"Æther Vial (Foil)", "91", "1", "Darksteel", "Near Mint", "uncommon", "€ 3,50",
                     "", ""}},
                   {"\u201CQuantity\u201D \u2192 Quantity",
                    "Left out: \u201CSimple Name\u201D, \u201CSet Code\u201D"});
        const QString layout3 =
            "Name\tSet code\tSet name\tCollector number\tFoil\tRarity\tQuantity\t"
            "Purchase price\tCondition\tLanguage\r\nΜαύρος Λωτός\tlea\tAlpha\t161\t"
            "normal\tcommon\t4\t1.00\tnear_mint\tel\r\n";
        collection("layout 3, tabs, UTF-16",
                   QStringEncoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom)
                       .encode(layout3),
                   {{"Μαύρος Λωτός", "161", "4", "Alpha", "near_mint", "common", "1.00", "", ""}},
                   {"\u201CSet name\u201D \u2192 Edition"});
        // clang-format off
        collection("Simple Name without Name; CR line ends", "Simple Name,Qty,Collector #\rBolt,3,7\rElf,1,8",
                   {{"Bolt", "7", "3", "", "", "", "", "", ""}, {"Elf", "8", "1", "", "", "", "", "", ""}}, {"2 rows were added"});
        collection("no headings, Windows-1252", "D\xE9j\xE0 vu,7,x,y,z,a,b,c,d,extra\r\n",
                   {{"Déjà vu", "7", "x", "y", "z", "a", "b", "c", "d"}}, {"in order", "column 1 \u2192 Card Name", "Left out: column 10"});
        collection("rows of other lengths", "Name,Qty\nA,1\nB\nC,1,x\n\n\"D\",\"2\"\n", {{"A", "", "1", "", "", "", "", "", ""}, {"D", "", "2", "", "", "", "", "", ""}},
                   {"Skipped 2 rows that do not have the 2 values of the first row: rows 3, 4."});
        collection("a quote never closed", "Name,Qty\nA,1\n\"B,2\nC,3\n", {{"A", "", "1", "", "", "", "", "", ""}}, {"Row 3 opens a quote that is never"});
        collection("empty", "", {}, {"No rows were added to My Collection", "the file is empty."});
        collection("headings only", "Name,Qty\r\n", {}, {"holds only its heading row."});
        collection("a picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20), {},
                   {"is not a text file", "My Collection was not changed."});
        collection("a folder", "<folder>", {}, {"it is a folder"});
        collection("cancelled", "Name\nA\n", {}, {}, true);
        // clang-format on
        QTest::newRow("tracker: saved once")
            << Program::TrackerTabIndex << QByteArray("Items,ADDRESS\nAuction,http://a.example/\n")
            << false << Rows{{"Auction", "http://a.example/"}} << QStringList{"1 row was added"}
            << QByteArray("Auction\r\nhttp://a.example/\r\n");
        QTest::newRow("trade: sorted, a collection's names")
            << Program::TradeWishTabIndex << QByteArray("Qty,Name\n1,Zeta\n1,alpha\n") << false
            << Rows{{"alpha"}, {"Zeta"}} << QStringList{"\u201CName\u201D \u2192 Cards to Trade"}
            << QByteArray("missing");
    }

    void importFile()
    {
        QFETCH(Program::TabIndex, index);
        QFETCH(QByteArray, file);
        QFETCH(bool, cancel);
        QFETCH(QStringList, told);
        QTemporaryDir folder;
        writeFile(folder.filePath("file2.dtt"), OldCollection);
        const QString path = folder.filePath("in.csv");
        file == "<folder>" ? void(QDir(folder.path()).mkdir("in.csv")) : writeFile(path, file);
        TransferTab tab(folder.path(), index);
        tab.progress.cancel = cancel;
        tab.importFrom(path);
        QTEST(tab.held(), "rows");
        QCOMPARE(tab.desktop.messages.shown.size(), told.isEmpty() ? 0 : 1);
        for (const QString& part : told)
            QVERIFY2(tab.message().contains(part), qPrintable(tab.message()));
        const QString dataFile = index == Program::TrackerTabIndex      ? "file.dtt"
                                 : index == Program::CollectionTabIndex ? "file2.dtt"
                                                                        : "file3.dtt";
        QTEST(fileBytes(folder.filePath(dataFile)), "saved");
    }

    // Added at their sorted place in a sorted list; a field of 50 MB comes in whole.
    void sortedAndLarge()
    {
        QTemporaryDir folder;
        const QString large(50 << 20, 'x');
        writeFile(folder.filePath("in.csv"), "Name\n\"" + large.toLatin1() + "\"\nB\nA\n");
        TransferTab tab(folder.path(), Program::PriceCheckTabIndex);
        for (int click = 0; click < 2; ++click) // descending, then ascending
            ColumnSort::headingClicked(*tab.find<ListView>("ListView2"), 0);
        tab.importFrom(folder.filePath("in.csv"));
        QCOMPARE(tab.held(), Rows({{"A", "", "", "", "", "", ""},
                                   {"B", "", "", "", "", "", ""},
                                   {large, "", "", "", "", "", ""}}));
    }

    // A file that cannot be written: a message naming it, nothing left behind.
    void exportFails()
    {
        QTemporaryDir folder;
        TransferTab tab(folder.path(), Program::CollectionTabIndex);
        const QString path = folder.filePath("gone/list.csv");
        tab.desktop.files.nextSaveAnswers = {path};
        tab.transfer.exportList(tab.list());
        QVERIFY2(tab.message().contains(QDir::toNativeSeparators(path)), qPrintable(tab.message()));
        QCOMPARE(snapshot(folder.path()).keys(), QStringList());
    }
};

VELLUMARK_TEST_MAIN(TransferTest)
#include "tst_transfer.moc"
