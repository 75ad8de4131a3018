#include "ListTab.h"
#include "TestMain.h"

#include <QPlainTextEdit>

// Of the wish and the trade half: entry box, ADD, DELETE, SAVE, list and file.
const QStringList Halves[]{{"Text12", "Command20", "Command23", "Command28", "List2", "file4.dtt"},
                           {"Text11", "Command14", "Command15", "Command25", "List1", "file3.dtt"}};
enum Control
{
    Entry,
    Add,
    Delete,
    Save,
    List,
    File
};

// Two sorted lists of card names, each with its own box, buttons and file.
class TradeWishTest : public QObject
{
    Q_OBJECT

private slots:
    void half_data()
    {
        QTest::addColumn<bool>("trade");        // or wish
        QTest::addColumn<QStringList>("typed"); // each then added; "\n" as Enter
        QTest::addColumn<int>("clicked");       // then DELETE; -1: none
        QTest::addColumn<bool>("byKey");        // the Delete key twice in the place of DELETE
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, bool trade, const QStringList& typed, int clicked,
                            bool byKey, const QStringList& listed, const QByteArray& saved) {
            QTest::newRow(name) << trade << typed << clicked << byKey << listed << saved;
        };
        row("trade: sorted, case ignored, empty first; DELETE, none clicked", true,
            {"Zeta", "Mu", "alpha", "", "mu"}, -1, false, {"", "alpha", "Mu", "mu", "Zeta"},
            "\"\"\r\n\"alpha\"\r\n\"Mu\"\r\n\"mu\"\r\n\"Zeta\"\r\n");
        row("trade: DELETE twice", true, {"a", "b", "c"}, 1, false, {"a", "c"},
            "\"a\"\r\n\"c\"\r\n");
        row("wish: Delete key twice", false, {"a", "b", "c"}, 1, true, {"a", "c"},
            "\"a\"\r\n\"c\"\r\n");
        row("wish: spaces, quotes, two lines", false, {" \"Hi\", Foil ", "b", "a\nb"}, -1, false,
            {" \"Hi\", Foil ", "a\nb", "b"}, "\" \"\"Hi\"\", Foil \"\r\n\"a\nb\"\r\n\"b\"\r\n");
        row("wish: the last one deleted", false, {"Mox Jet"}, 0, false, {}, "");
    }

    void half()
    {
        QFETCH(bool, trade);
        QFETCH(QStringList, typed);
        QFETCH(int, clicked);
        QFETCH(bool, byKey);
        QFETCH(QStringList, listed);
        QFETCH(QByteArray, saved);
        const QStringList mine = Halves[trade], other = Halves[!trade];
        QTemporaryDir folder;
        {
            ListTab window(folder.path(), Program::TradeWishTabIndex);
            for (const QString& entry : typed) {
                window.find<QPlainTextEdit>(mine[Entry])->clear();
                QTest::mouseClick(window.find(mine[Entry]), Qt::LeftButton);
                const QStringList lines = entry.split('\n');
                for (int line = 0; line < lines.size(); ++line) {
                    if (line > 0)
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    QTest::keyClicks(QApplication::focusWidget(), lines[line]);
                }
                window.click(mine[Add]);
            }
            QCOMPARE(window.find<QPlainTextEdit>(mine[Entry])->toPlainText(), typed.last());
            if (clicked >= 0)
                window.clickRow(mine[List], clicked);
            for (int time = 0; time < 2; ++time) {
                if (byKey)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
                else
                    window.click(mine[Delete]);
            }
            QCOMPARE(window.entries(mine[List]), listed);
            QCOMPARE(fileBytes(folder.filePath(mine[File])), "missing"); // no SAVE yet
            window.click(mine[Save]);
            QCOMPARE(fileBytes(folder.filePath(mine[File])), saved);
            QCOMPARE(window.entries(other[List]), QStringList());
            QCOMPARE(fileBytes(folder.filePath(other[File])), "missing");
        }
        QCOMPARE(ListTab(folder.path(), Program::TradeWishTabIndex).entries(mine[List]), listed);
    }
};

VELLUMARK_TEST_MAIN(TradeWishTest)
#include "tst_tradewish.moc"
