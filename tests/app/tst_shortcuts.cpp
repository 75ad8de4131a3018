#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"

#include <QComboBox>
#include <QPrintDialog>

constexpr int StoreTab = 0;

// Each key is pressed on the focused widget of the real window, as a user presses it.
class ShortcutsTest : public QObject
{
    Q_OBJECT
    LocalWebServer m_server;
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<TestWindow> m_window;
    QWidgetList m_printDialogs; // by parent

    Form1& form() { return m_window->form; }
    WebBrowser* browser() { return form().WebBrowser1(0); }
    void focus(const QString& control) { m_window->find<QWidget>(control)->setFocus(); }
    void press(const QString& keys) // Shift+Tab comes as Backtab, as from the X server
    {
        const QKeyCombination key = QKeySequence(keys)[0];
        const bool back = key.key() == Qt::Key_Tab && keys.contains("Shift");
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : key.key(),
                        key.keyboardModifiers());
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
        m_printDialogs.clear();
    }

    void cleanup() { m_window.reset(); }

    // Back, Forward, Refresh and Stop act on the store tab's browser, and on nothing elsewhere.
    void browserKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expectedPage"); // on the store tab
        QTest::addColumn<QString>("focused");      // on the store tab
        for (const char* row : {"Alt+Left /page/one WebBrowser1_0", "Alt+Right /page/three Text1",
                                "F5 /page/two WebBrowser1_0", "F5 /page/two Text1",
                                "Esc /page/two WebBrowser1_0", "Esc /page/two Text1"}) {
            const QStringList words = QString(row).split(' ');
            QTest::newRow(row) << words[0] << words[1] << words[2];
        }
    }

    void browserKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expectedPage);
        QFETCH(QString, focused);
        for (const int tab : {int(Program::CollectionTabIndex), StoreTab}) {
            for (const QString page : {"/page/one", "/page/two", "/page/three", "back"}) {
                page == "back" ? browser()->back() : browser()->Navigate(m_server.url(page));
                QVERIFY(m_server.showsPage(browser(), page == "back" ? "/page/two" : page));
            }
            const QString loading = keys == "Esc" ? "/slow/stopped" : "/page/two";
            if (keys == "Esc") {
                browser()->Navigate(m_server.url(loading));
                QTRY_VERIFY(m_server.pageTargets().contains(loading.toLatin1()));
            }
            form().SSTab1()->setCurrentIndex(tab);
            focus(tab == StoreTab ? focused : "ListView3");
            QVERIFY(m_server.settle(browser()));
            m_server.clearRequests();
            press(keys);
            QVERIFY(m_server.settle(browser()));
            QVERIFY(m_server.showsPage(browser(), tab == StoreTab ? expectedPage : loading));
            // Back and Forward may take the page from the browser's cache; Refresh never does.
            const QList<QByteArray> asked = m_server.pageTargets();
            QVERIFY2(tab == StoreTab ? asked.count(expectedPage.toLatin1()) == asked.size() &&
                                           (keys != "F5" || asked.size() == 1)
                                     : asked.isEmpty(),
                     asked.join(' '));
            QCOMPARE(form().SSTab1()->currentIndex(), tab);
        }
    }

    void windowKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("storeTabsOpen");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected"); // the box focused with its text selected, or a tab
        QTest::addColumn<QString>("focused");  // by default the store page or NAME
        // Keys, tab, store tabs, expected, focused.
        for (const char* row :
             {"Ctrl+F 0 closed Text1", "Ctrl+F 7 closed Text1", "Ctrl+L 0 closed Combo1",
              "Ctrl+L 7 closed Combo1", "Ctrl+P 0 closed print", "Ctrl+P 7 closed print",
              "F1 0 closed help", "F1 7 closed help", "F1 7 closed help Text1",
              "Ctrl+Tab 0 closed 5", "Ctrl+Tab 0 open 1", "Ctrl+Tab 8 closed 0",
              "Ctrl+Shift+Tab 0 open 8", "Ctrl+Shift+Tab 5 closed 0",
              "Ctrl+Shift+Tab 7 closed 6"}) {
            const QStringList words = QString(row).split(' ');
            QTest::newRow(row) << words[1].toInt() << (words[2] == "open") << words[0] << words[3]
                               << words.value(4, words[1] == "0" ? "WebBrowser1_0" : "Text2");
        }
    }

    void windowKeys()
    {
        QFETCH(int, tab);
        QFETCH(bool, storeTabsOpen);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(QString, focused);
        if (storeTabsOpen)
            form().storeBrowsing().OpenStoreTabs();
        form().SSTab1()->setCurrentIndex(tab);
        auto* combo1 = m_window->find<QComboBox>("Combo1");
        combo1->setEditText("http://typed.example/");
        focus(focused);
        press(keys);
        if (expected == "Text1" || expected == "Combo1") {
            QCOMPARE(QApplication::focusWidget(), m_window->find<QWidget>(expected));
            const auto* box =
                expected == "Text1" ? m_window->find<QLineEdit>(expected) : combo1->lineEdit();
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
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("expected"); // the first cell or entry of each list, in order
        QTest::newRow("tracker") << "ListView1" << 5 << "b a a a a";
        QTest::newRow("price check") << "ListView2" << 6 << "a b a a a";
        QTest::newRow("collection") << "ListView3" << 7 << "a a b a a";
        QTest::newRow("trade") << "List1" << 8 << "a a a b a";
        QTest::newRow("wish") << "List2" << 8 << "a a a a b";
        QTest::newRow("collection entry box") << "Text2" << 7 << "a a a a a";
        QTest::newRow("store page") << "WebBrowser1_0" << StoreTab << "a a a a a";
    }

    void deleteKey()
    {
        QFETCH(QString, focused);
        QFETCH(int, tab);
        QFETCH(QString, expected);
        const QStringList lists{"ListView1", "ListView2", "ListView3", "List1", "List2"};
        for (const QString& name : lists) {
            auto* list = m_window->find<ListView>(name);
            auto* box = m_window->find<ListBox>(name);
            for (const QString first : {"a", "b"})
                list ? list->rows().appendRow({first}) : box->AddItem(first);
            list ? list->selectRow(0) : box->selectIndex(0);
        }
        form().SSTab1()->setCurrentIndex(tab);
        focus(focused);
        press("Del");
        QStringList firsts;
        for (const QString& name : lists) {
            auto* list = m_window->find<ListView>(name);
            firsts << (list ? list->cellText(0, 0) : m_window->entries(name).first());
        }
        QCOMPARE(firsts.join(' '), expected);
        // The tracker's DELETE also saves the list.
        QCOMPARE(fileBytes(m_folder->filePath("file.dtt")),
                 focused == "ListView1" ? crlf({"b", ""}) : QByteArray("missing"));
    }
};

VELLUMARK_TEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
