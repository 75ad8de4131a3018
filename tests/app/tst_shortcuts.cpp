#include "TestMain.h"
#include "TestWindow.h"
#include "app/Form2.h"
#include "browse/StoreBrowsing.h"

#include <QComboBox>
#include <QPrintDialog>
#include <QWebEnginePage>

constexpr int StoreTab = 0;
constexpr int ListTab = Form1::CollectionTabIndex;

// Each key is pressed on the focused widget of the window, as a user presses it.
class ShortcutsTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestWindow> m_window;
    QWidgetList m_printDialogs; // by parent

    Form1& form() { return m_window->form; }
    WebBrowser* browser() { return form().WebBrowser1(0); }
    void press(int key, int modifiers = 0)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        Qt::KeyboardModifiers(modifiers));
    }
    // The named control that has the keyboard focus (a browser's page or a combo box's line edit
    // stand for their owner).
    QString focused()
    {
        QWidget* widget = QApplication::focusWidget();
        while (widget && widget->objectName().isEmpty())
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<TestWindow>(m_folder->path(), StoreTab, m_server.hostAndPort());
        auto* dialogCloser = new QTimer(&form());
        connect(dialogCloser, &QTimer::timeout, this, [this] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                m_printDialogs.append(dialog->parentWidget());
                dialog->close();
            }
        });
        dialogCloser->start(20);
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QVERIFY(m_server.showsPage(browser(), "/index.htm"));
        browser()->setFocus();
        m_printDialogs.clear();
    }

    void cleanup() { m_window.reset(); }

    // Back, Forward, Refresh and Stop act on the store tab's browser, and on nothing elsewhere.
    void browserKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expectedPage"); // on the store tab
        QTest::addColumn<QByteArray>("expectedRequest");
        QTest::newRow("Alt+Left") << int(Qt::Key_Left) << int(Qt::AltModifier) << "/page/one"
                                  << QByteArray();
        QTest::newRow("Alt+Right")
            << int(Qt::Key_Right) << int(Qt::AltModifier) << "/page/three" << QByteArray();
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "/page/two" << QByteArray("/page/two");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << 0 << "/page/two" << QByteArray();
    }

    void browserKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expectedPage);
        QFETCH(QByteArray, expectedRequest);
        for (const int tab : {ListTab, StoreTab}) {
            for (const QString page : {"/page/one", "/page/two", "/page/three", "back"}) {
                page == "back" ? browser()->back() : browser()->Navigate(m_server.url(page));
                QVERIFY(m_server.showsPage(browser(), page == "back" ? "/page/two" : page));
            }
            if (key == Qt::Key_Escape) { // something to stop
                browser()->Navigate(m_server.url("/slow/stopped"));
                QTRY_VERIFY(m_server.pageTargets().contains("/slow/stopped"));
            }
            form().SSTab1()->setCurrentIndex(tab);
            tab == StoreTab ? browser()->setFocus()
                            : m_window->find<QWidget>("ListView3")->setFocus();
            QVERIFY(m_server.settle(browser()));
            m_server.clearRequests();
            press(key, modifiers);
            QVERIFY(m_server.settle(browser()));
            const bool acts = tab == StoreTab;
            QVERIFY(m_server.showsPage(browser(), acts                    ? expectedPage
                                                  : key == Qt::Key_Escape ? "/slow/stopped"
                                                                          : "/page/two"));
            QCOMPARE(m_server.pageTargets().contains(expectedRequest),
                     acts && !expectedRequest.isEmpty());
            QCOMPARE(form().SSTab1()->currentIndex(), tab);
        }
    }

    void windowKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("storeTabsOpen");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected"); // the control then focused and selected, or a tab
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        for (const int tab : {StoreTab, ListTab}) {
            const QByteArray on = tab == StoreTab ? "store tab" : "list tab";
            QTest::newRow("Ctrl+F, " + on)
                << tab << false << int(Qt::Key_F) << int(Qt::ControlModifier) << "Text1";
            QTest::newRow("Ctrl+L, " + on)
                << tab << false << int(Qt::Key_L) << int(Qt::ControlModifier) << "Combo1";
            QTest::newRow("Ctrl+P, " + on)
                << tab << false << int(Qt::Key_P) << int(Qt::ControlModifier) << "print";
            QTest::newRow("F1, " + on) << tab << false << int(Qt::Key_F1) << 0 << "help";
        }
        const auto tabRow = [&](const char* name, int tab, bool open, bool back, int expected) {
            QTest::newRow(name) << tab << open << int(back ? Qt::Key_Backtab : Qt::Key_Tab)
                                << int(back ? ctrlShift : Qt::ControlModifier)
                                << QString::number(expected);
        };
        tabRow("Ctrl+Tab, store tabs closed", StoreTab, false, false, 5);
        tabRow("Ctrl+Tab, store tabs open", StoreTab, true, false, 1);
        tabRow("Ctrl+Tab, last tab", 8, false, false, 0);
        tabRow("Ctrl+Shift+Tab, first tab", StoreTab, true, true, 8);
        tabRow("Ctrl+Shift+Tab, store tabs closed", 5, false, true, 0);
        tabRow("Ctrl+Shift+Tab, list tab", ListTab, false, true, 6);
    }

    void windowKeys()
    {
        QFETCH(int, tab);
        QFETCH(bool, storeTabsOpen);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        if (storeTabsOpen)
            form().storeBrowsing().OpenStoreTabs();
        form().SSTab1()->setCurrentIndex(tab);
        auto* combo1 = m_window->find<QComboBox>("Combo1");
        combo1->setEditText("http://typed.example/");
        m_window->find<QWidget>(tab == StoreTab ? "WebBrowser1_0" : "Text2")->setFocus();
        QVERIFY(!form().helpWindow());
        press(key, modifiers);

        if (expected == "Text1" || expected == "Combo1") {
            QCOMPARE(focused(), expected);
            const QLineEdit* box =
                expected == "Text1" ? m_window->find<QLineEdit>("Text1") : combo1->lineEdit();
            QCOMPARE(box->selectedText(),
                     expected == "Text1" ? "SEARCH NOW!" : "http://typed.example/");
        } else if (expected == "print") { // as File, Print: the store page's print dialog
            QTRY_COMPARE(m_printDialogs,
                         (tab == StoreTab ? QWidgetList{browser()} : QWidgetList()));
        } else if (expected == "help") {
            QVERIFY(form().helpWindow());
        } else {
            QCOMPARE(form().SSTab1()->currentIndex(), expected.toInt());
        }
    }

    // Delete on a focused list is that list's DELETE; elsewhere it leaves the lists alone.
    void deleteKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("expected"); // the first cell or entry of each list, in order
        const QStringList untouched{"a", "a", "a", "a", "a"};
        QTest::newRow("tracker") << "ListView1" << 5 << QStringList{"b", "a", "a", "a", "a"};
        QTest::newRow("price check") << "ListView2" << 6 << QStringList{"a", "b", "a", "a", "a"};
        QTest::newRow("collection") << "ListView3" << 7 << QStringList{"a", "a", "b", "a", "a"};
        QTest::newRow("trade") << "List1" << 8 << QStringList{"a", "a", "a", "b", "a"};
        QTest::newRow("wish") << "List2" << 8 << QStringList{"a", "a", "a", "a", "b"};
        QTest::newRow("collection entry box") << "Text2" << 7 << untouched;
        QTest::newRow("store page") << "WebBrowser1_0" << StoreTab << untouched;
    }

    void deleteKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, tab);
        QFETCH(QStringList, expected);
        const QStringList lists{"ListView1", "ListView2", "ListView3", "List1", "List2"};
        for (const QString& name : lists) {
            if (auto* list = m_window->find<ListView>(name)) {
                QStringList row(list->columnCount(), "");
                for (const QString first : {"a", "b"})
                    list->rows().appendRow((row.first() = first, row));
                list->selectRow(0);
            } else {
                auto* box = m_window->find<ListBox>(name);
                box->AddItem("a");
                box->AddItem("b");
                box->selectIndex(0);
            }
        }
        form().SSTab1()->setCurrentIndex(tab);
        m_window->find<QWidget>(focus)->setFocus();
        press(Qt::Key_Delete);
        QStringList firsts;
        for (const QString& name : lists) {
            auto* list = m_window->find<ListView>(name);
            firsts << (list ? list->cellText(0, 0) : m_window->entries(name).first());
        }
        QCOMPARE(firsts, expected);
        // The tracker's DELETE also saves the list.
        QCOMPARE(fileBytes(m_folder->filePath("file.dtt")),
                 focus == "ListView1" ? crlf({"b", ""}) : QByteArray("missing"));
    }
};

VELLUMARK_TEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
