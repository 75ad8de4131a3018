#include "ListsWindow.h"
#include "TestMain.h"

#include <QPlainTextEdit>

// The wish and the trade half (one class): entry box, ADD, DELETE, SAVE, list and file.
constexpr int Entry = 0, Add = 1, Delete = 2, Save = 3, List = 4, File = 5;
const QStringList Halves[]{{"Text12", "Command20", "Command23", "Command28", "List2", "file4.dtt"},
                           {"Text11", "Command14", "Command15", "Command25", "List1", "file3.dtt"}};

class TradeWishTest : public QObject
{
    Q_OBJECT

private slots:
    // "DELETE N" selects entry N (-1: none) and deletes; else typed ("\n" as Enter) and added.
    void sequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("trade: sorted, case ignored, empty first, equal ones kept; DELETE")
            << QString("Zeta;Mu;alpha;;mu;Mu;DELETE -1;DELETE 1")
            << QStringList{"", "Mu", "mu", "Mu", "Zeta"};
        QTest::newRow("wish: spaces, quotes")
            << QString(" \"Hi\", Foil ") << QStringList{" \"Hi\", Foil "};
        QTest::newRow("wish: two lines") << QString("b;a\nb") << QStringList{"a\nb", "b"};
        QTest::newRow("wish: last one deleted") << QString("Mox Jet;DELETE 0") << QStringList();
    }

    void sequences()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, listed);
        const bool trade = QByteArray(QTest::currentDataTag()).startsWith("trade");
        const QStringList mine = Halves[trade], other = Halves[!trade];
        QTemporaryDir folder;
        const QString file = folder.filePath(mine[File]);
        {
            ListsWindow window(folder.path(), Program::TradeWishTabIndex);
            auto* box = window.find<QPlainTextEdit>(mine[Entry]);
            for (const QString& step : steps.split(';')) {
                if (step.startsWith("DELETE ")) {
                    window.find<ListBox>(mine[List])->selectIndex(step.mid(7).toInt());
                    window.click(mine[Delete]);
                    continue;
                }
                box->clear();
                for (const QChar c : step)
                    c == '\n' ? QTest::keyClick(box, Qt::Key_Return) : QTest::keyClicks(box, c);
                window.click(mine[Add]);
                QCOMPARE(box->toPlainText(), step); // kept for another ADD
            }
            QCOMPARE(window.entries(mine[List]), listed);
            QCOMPARE(fileBytes(file), "missing"); // no SAVE yet
            window.click(mine[Save]);
            QByteArray saved; // each entry in quotes, its own quotes doubled
            for (QString entry : listed)
                saved += '"' + entry.replace('"', "\"\"").toUtf8() + "\"\r\n";
            QCOMPARE(fileBytes(file), saved);
            QCOMPARE(window.entries(other[List]), QStringList()); // the other half is left alone
            QCOMPARE(fileBytes(folder.filePath(other[File])), "missing");
            QCOMPARE(window.desktop.messages.shown.size(), 0);
        }
        QCOMPARE(ListsWindow(folder.path(), Program::TradeWishTabIndex).entries(mine[List]),
                 listed);
    }
};

VELLUMARK_TEST_MAIN(TradeWishTest)
#include "tst_tradewish.moc"
