#include "ListsWindow.h"
#include "TestMain.h"

#include <QClipboard>

enum class Trigger
{
    ButtonTwice,
    ButtonDoubleClick,
    DeleteKeyTwice
};
Q_DECLARE_METATYPE(Trigger)

class EntriesTest : public QObject
{
    Q_OBJECT

private slots:
    // After a row or entry is taken out, none is selected: a second DELETE does nothing and a
    // second EDIT only shows its reminder.
    void removingTwice_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<QString>("named"); // then in the collection's NAME box
        QTest::addColumn<int>("reminders");
        const QStringList lists[]{{"ListView1", "5", "Command6"},
                                  {"ListView2", "6", "Command9"},
                                  {"ListView3", "7", "Command3"},
                                  {"List1", "8", "Command15"},
                                  {"List2", "8", "Command23"}};
        for (const QStringList& l : lists) {
            const int tab = l[1].toInt();
            QTest::addRow("%s DELETE twice", qPrintable(l[0]))
                << l[0] << tab << l[2] << Trigger::ButtonTwice << "" << 0;
            QTest::addRow("%s DELETE double-clicked", qPrintable(l[0]))
                << l[0] << tab << l[2] << Trigger::ButtonDoubleClick << "" << 0;
            QTest::addRow("%s Delete key twice", qPrintable(l[0]))
                << l[0] << tab << l[2] << Trigger::DeleteKeyTwice << "" << 0;
        }
        QTest::newRow("ListView3 EDIT twice")
            << "ListView3" << 7 << "Command4" << Trigger::ButtonTwice << "b" << 2;
        QTest::newRow("ListView3 EDIT double-clicked")
            << "ListView3" << 7 << "Command4" << Trigger::ButtonDoubleClick << "b" << 2;
    }

    void removingTwice()
    {
        QFETCH(QString, list);
        QFETCH(int, tab);
        QFETCH(QString, button);
        QFETCH(Trigger, trigger);
        QFETCH(QString, named);
        QFETCH(int, reminders);
        QTemporaryDir folder;
        ListsWindow window(folder.path(), tab);
        auto* view = window.find<QAbstractItemView>(list);
        for (const char* first : {"a", "b", "c"}) {
            if (auto* listView = window.find<ListView>(list))
                listView->rows().appendRow({first});
            else
                window.find<ListBox>(list)->AddItem(first);
        }
        const QRect second = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center());
        auto* pressed = window.find<QPushButton>(button);
        if (trigger == Trigger::ButtonDoubleClick) {
            QTest::mouseDClick(window.form.windowHandle(), Qt::LeftButton, {},
                               pressed->mapTo(&window.form, pressed->rect().center()));
        } else {
            for (int time = 0; time < 2; ++time) {
                if (trigger == Trigger::ButtonTwice)
                    window.click(button);
                else
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
            }
        }
        QStringList shown;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown << view->model()->index(row, 0).data().toString();
        QCOMPARE(shown, (QStringList{"a", "c"}));
        QVERIFY(!view->selectionModel()->hasSelection());
        QCOMPARE(window.find<QLineEdit>("Text2")->text(), named);
        QCOMPARE(window.desktop.messages.shown.size(), reminders);
    }

    // An entry box holds a pasted value of any length; ADD and SAVE keep it whole.
    void longValues_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("save");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line"); // of the saved row, from 0
        QTest::newRow("price check, CARD NAME") << 6 << "Text7"
                                                << "Command8"
                                                << "Command10"
                                                << "file5.dtt" << 0;
        QTest::newRow("price check, MY PRICE") << 6 << "Text17"
                                               << "Command8"
                                               << "Command10"
                                               << "file5.dtt" << 6;
        QTest::newRow("collection, NAME") << 7 << "Text2"
                                          << "Command2"
                                          << "Command13"
                                          << "file2.dtt" << 0;
        QTest::newRow("collection, CARD RARITY") << 7 << "Text19"
                                                 << "Command2"
                                                 << "Command13"
                                                 << "file2.dtt" << 5;
        QTest::newRow("collection, TOTAL VALUE") << 7 << "Text14"
                                                 << "Command2"
                                                 << "Command13"
                                                 << "file2.dtt" << 7;
    }

    void longValues()
    {
        QFETCH(int, tab);
        QFETCH(QString, box);
        QFETCH(QString, add);
        QFETCH(QString, save);
        QFETCH(QString, file);
        QFETCH(int, line);
        const QString value(100000, 'x');
        QTemporaryDir folder;
        ListsWindow window(folder.path(), tab);
        QGuiApplication::clipboard()->setText(value);
        QTest::mouseClick(window.find<QLineEdit>(box), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        window.click(add);
        window.click(save);
        QCOMPARE(fileBytes(folder.filePath(file)).split('\r').value(line).trimmed(), value);
    }
};

VELLUMARK_TEST_MAIN(EntriesTest)
#include "tst_entries.moc"
