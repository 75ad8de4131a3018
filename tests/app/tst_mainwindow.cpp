#include "TestMain.h"
#include "TestWindow.h"
#include "browse/StoreBrowsing.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

// The main window's named controls, by the tab that holds them (-1: none), with what each shows
// (a list view its headings and widths, the tab control its captions, a menu its title and
// entries, each separated by commas) and its tool tip.
struct ControlGroup
{
    int tab;
    const char *names, *shown, *toolTips;
};

// clang-format off
const ControlGroup Inventory[] = {
    {-1, "Command1 Command16 Command17 Command18 Command19 Combo1 Command22", "||||||", "Back|Forward|Stop|Refresh|Print||Go to Web Address"},
    {-1, "Text1 Command21 Command11 StatusBar1", "SEARCH NOW!|Find It!|eBay TRACK|", "|||"},
    {-1, "SSTab1", "Home,Games&Cards,Troll and Toad,Magic Singles,CCG,Tracker,Price Check,My Collection,Trade/Wish", ""},
    {-1, "file print exportList importList closer help helpp about PopUp Delete Display", "File,print,exportList,importList,closer|&Print|&Export List…|&Import List…|&Close|Help,helpp,about|&Help Page|About Us|Popup,Delete,Display|&Delete|&Display", "||||||||||"},
    {5, "ListView1", "ITEMS:10000,:40", ""},
    {5, "Frame3 Command5 Command6 Command7", "|DISPLAY|DELETE|PRINT", "|Display web page.|Delete line|Print all information"},
    {6, "ListView2", "CARD NAME:4440,Ebay Starting Bid:1540,Ebay Ending Bid:1540,Games and Cards:1240,Troll and Toad:1240,Magic Singles:1240,MY PRICE:1240", ""},
    {6, "Label11 Label12 Label13 Label14 Label15 Label17 Label18 Label16", "CARD NAME|eBay Starting Bid|eBay Ending Bid|Games and Cards|Troll and Toad|Magic Singles|MY PRICE|", "|||||||"},
    {6, "Frame2 Text7 Text8 Text9 Text10 Text15 Text16 Text17", "|||||||", "|||||||"},
    {6, "Command8 Command9 Command10 Command24", "ADD|DELETE|SAVE|CLEAR", "Add card information.|Delete Line|Save all information.|"},
    {7, "ListView3", "Card Name:2500,Card#:940,Quantity:840,Edition:940,Condition:940,Card Type:1440,Card Value:1040,Total Value:1040,:40", ""},
    {7, "Label1 Label2 Label3 Label4 Label5 Label6 Label8 Label9", "NAME|CARD#|QUANTITY|EDITION|CONDITION|CARD RARITY|CARD VALUE|TOTAL VALUE", "|||||||"},
    {7, "Frame1 Text2 Text3 Text4 Text5 Text6 Text19 Text13 Text14 Text18 Picture1 CommonDialog1", "||||||COMMON|||||", "|||||||||||"},
    {7, "Command29 Command2 Command3 Command4 Command12 Command13", "ADD PICTURE|ADD ALL|DELETE|EDIT|CLEAR|SAVE", "Add picture to flie.|Add all information.|Delete line|Edit selected line|Clear information boxes.|Save information."},
    {8, "Label7 Label10 Frame5 List1 Text11 List2 Text12 Frame4", "Cards to Trade|My Wish List||||||", "|||||||"},
    {8, "Command14 Command15 Command25 Command26 Command20 Command23 Command28 Command27", "ADD|DELETE|SAVE|PRINT|ADD|DELETE|SAVE|PRINT", "|||||||"},
};
// clang-format on

// How a control follows the window: its size, or its top inside its tab (under the 360-twip tab
// strip) or inside its frame.
enum Measure
{
    Width,
    Height,
    TopOnTab,
    TopInFrame
};
const std::pair<const char*, Measure> Followers[] = {
    {"WebBrowser1_0", Height}, {"WebBrowser1_0", Width}, {"ListView1", Width},
    {"ListView1", Height},     {"ListView2", Width},     {"ListView2", Height},
    {"Frame2", TopOnTab},      {"Frame3", TopOnTab},     {"Frame5", Height},
    {"Frame4", TopOnTab},      {"ListView3", Width},     {"ListView3", Height},
    {"Picture1", TopOnTab},    {"Picture1", Height},     {"SSTab1", Height},
    {"SSTab1", Width},         {"List1", Height},        {"List2", Height},
    {"Text11", TopInFrame},    {"Text12", TopInFrame}};

class MainWindowTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_folder;
    TestWindow m_window{m_folder.path(), Program::CollectionTabIndex};
    Form1& form() { return m_window.form; }

private slots:
    void everyControlShowsItsTexts()
    {
        for (const ControlGroup& group : Inventory) {
            QStringList tabs, shown, toolTips;
            for (const QString& name : QString(group.names).split(' ')) {
                QCOMPARE(form().findChildren<QObject*>(name).size(), 1);
                QObject* control = form().findChild<QObject*>(name);
                shown << shownBy(control);
                const auto* widget = qobject_cast<QWidget*>(control);
                toolTips << (widget ? widget->toolTip() : QString());
                const auto* placed = widget ? widget : qobject_cast<QWidget*>(control->parent());
                int tab = -1;
                for (int page = 0; page < form().SSTab1()->count(); ++page)
                    tab = form().SSTab1()->widget(page)->isAncestorOf(placed) ? page : tab;
                tabs << QString::number(tab);
            }
            QCOMPARE(shown.join('|'), QString(group.shown));
            QCOMPARE(toolTips.join('|'), QString(group.toolTips));
            QCOMPARE(tabs, QStringList(tabs.size(), QString::number(group.tab)));
        }
        QCOMPARE(form().menuBar()->actions().size(), 2); // File and Help, not the pop-up
    }

    // The window's own keys, on the focused control; the store browsers' keys are tested beside
    // their buttons. In row order: the store tabs stay closed until a row opens them (as any key
    // in the search box does).
    void windowKeys_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("openStoreTabs");
        QTest::addColumn<int>("expectedTab");
        QTest::addColumn<QString>("expectedSelection"); // in the focused box
        QTest::addColumn<bool>("expectedHelp");
        const QString address = "http://typed.example/";
        const QKeySequence backtab(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab); // Shift+Tab from X
        // clang-format off
        QTest::newRow("Ctrl+F, store") << 0 << "WebBrowser1_0" << QKeySequence("Ctrl+F") << false << 0 << "SEARCH NOW!" << false;
        QTest::newRow("Ctrl+F, list") << 7 << "Text2" << QKeySequence("Ctrl+F") << false << 7 << "SEARCH NOW!" << false;
        QTest::newRow("Ctrl+L, store") << 0 << "WebBrowser1_0" << QKeySequence("Ctrl+L") << false << 0 << address << false;
        QTest::newRow("Ctrl+L, list") << 7 << "Text2" << QKeySequence("Ctrl+L") << false << 7 << address << false;
        QTest::newRow("Ctrl+L, already in the box") << 0 << "Combo1" << QKeySequence("Ctrl+L") << false << 0 << address << false;
        QTest::newRow("Ctrl+Tab, closed") << 0 << "WebBrowser1_0" << QKeySequence("Ctrl+Tab") << false << 5 << "" << false;
        QTest::newRow("Ctrl+Tab, last tab") << 8 << "List1" << QKeySequence("Ctrl+Tab") << false << 0 << "" << false;
        QTest::newRow("Ctrl+Shift+Tab, closed") << 5 << "ListView1" << backtab << false << 0 << "" << false;
        QTest::newRow("Ctrl+Shift+Tab, list") << 7 << "Text2" << backtab << false << 6 << "" << false;
        QTest::newRow("Ctrl+Tab, open") << 0 << "WebBrowser1_0" << QKeySequence("Ctrl+Tab") << true << 1 << "" << false;
        QTest::newRow("Ctrl+Shift+Tab, open") << 0 << "WebBrowser1_0" << backtab << true << 8 << "" << false;
        QTest::newRow("F1, search box") << 7 << "Text1" << QKeySequence("F1") << true << 7 << "" << true;
        // clang-format on
    }

    void windowKeys()
    {
        QFETCH(int, tab);
        QFETCH(QString, focused);
        QFETCH(QKeySequence, key);
        QFETCH(bool, openStoreTabs);
        if (openStoreTabs)
            form().storeBrowsing().OpenStoreTabs();
        form().SSTab1()->setCurrentIndex(tab);
        m_window.find<QComboBox>("Combo1")->setEditText("http://typed.example/");
        form().activateWindow(); // the window's keys work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        m_window.press(focused, key);
        QWidget* now = QApplication::focusWidget();
        auto* box = qobject_cast<QComboBox*>(now) ? qobject_cast<QComboBox*>(now)->lineEdit()
                                                  : qobject_cast<QLineEdit*>(now);
        QTEST(form().SSTab1()->currentIndex(), "expectedTab");
        QTEST(box ? box->selectedText() : QString(), "expectedSelection");
        QTEST(bool(form().helpWindow()), "expectedHelp");
    }

    // Tab moves through the top bar, the tab strip and the tab's controls as they stand on the
    // screen, then back to the start; a store page keeps Tab for its own links.
    void tabOrderFollowsTheScreen_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("controls");
        // clang-format off
        QTest::newRow("store") << 0 << "WebBrowser1_0";
        QTest::newRow("tracker") << 5 << "ListView1 Command5 Command6 Command7";
        QTest::newRow("price check") << 6 << "ListView2 Text7 Text8 Text9 Text10 Text15 Text16 Text17 Command8 Command9 Command24 Command10";
        QTest::newRow("collection") << 7 << "Text2 Text3 Text4 Text5 Text6 Text13 Text14 Command29 Command2 Command3 Command4 Command12 Command13 Text19 ListView3";
        QTest::newRow("trade/wish") << 8 << "List1 Text11 List2 Text12 Command14 Command15 Command25 Command26 Command20 Command23 Command28 Command27";
        // clang-format on
    }

    void tabOrderFollowsTheScreen()
    {
        QFETCH(int, tab);
        QFETCH(QString, controls);
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        form().SSTab1()->setCurrentIndex(tab);
        auto* at = m_window.find<QWidget>("Command1");
        at->setFocus();
        QStringList visited; // each control by the nearest name: a combo box's line edit is the box
        do {
            visited << at->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (at = QApplication::focusWidget(); at->objectName().isEmpty();)
                at = at->parentWidget();
        } while (at->objectName() != "Command1" && !at->inherits("WebBrowser") &&
                 visited.size() < 40);
        if (at->inherits("WebBrowser"))
            visited << at->objectName();
        QCOMPARE(visited.join(' '), "Command1 Command16 Command17 Command18 Command19 Combo1 "
                                    "Command22 Text1 Command21 Command11 qt_tabwidget_tabbar " +
                                        controls);
    }

    // From the worked example to each size, outer height and width in twips; the followers'
    // sizes and tops in the order of the layout's rules.
    void controlsFollowTheWindowSize_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<int>>("expected");
        // clang-format off
        QTest::newRow("worked example") << 9000 << 13800 << QList<int>{6850, 13150, 13150, 4400, 13150, 3800, 4850, 5050, 5000, 6050, 10150, 2850, 3500, 3495, 7450, 13350, 4000, 4000, 4650, 4650};
        QTest::newRow("1500: browsers, collection list, tabs only") << 1500 << 9000 << QList<int>{1500, 9000, 13150, 4400, 13150, 3800, 4850, 5050, 5000, 6050, 9000, 1500, 3500, 3495, 1500, 9000, 4000, 4000, 4650, 4650};
        // 1501 twips lie between two pixels: 1515 is the first height of the table on screen.
        QTest::newRow("1515: the table, sizes cut at 0") << 1515 << 4005 << QList<int>{0, 3355, 3355, 0, 3355, 0, 1050, 650, 0, 1050, 355, 0, 650, 3495, 0, 3555, 0, 0, 650, 650};
        QTest::newRow("6150: collection list 0 high") << 6150 << 13800 << QList<int>{4000, 13150, 13150, 1550, 13150, 950, 2000, 2200, 2150, 3200, 10150, 0, 650, 3495, 4600, 13350, 1150, 1150, 1800, 1800};
        QTest::newRow("3645: collection list 0 wide") << 9000 << 3645 << QList<int>{6850, 2995, 2995, 4400, 2995, 3800, 4850, 5050, 5000, 6050, 0, 2850, 3500, 3495, 7450, 3195, 4000, 4000, 4650, 4650};
        // clang-format on
    }

    void controlsFollowTheWindowSize()
    {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(QList<int>, expected);
        form().setMinimumSize(0, 0); // as a window manager shrinks a minimized window
        for (const QSize size : {QSize(13800, 9000), QSize(width, height)}) {
            const QSize outer(Twips::toPixels(size.width()), Twips::toPixels(size.height()));
            form().resize(outer - (form().frameGeometry().size() - form().size()));
            QTRY_COMPARE(form().frameGeometry().size(), outer);
        }
        const auto place = [this](const char* name, Measure measure) {
            const QWidget* control = m_window.find<QWidget>(name);
            return measure == Width    ? control->width()
                   : measure == Height ? control->height()
                                       : control->y();
        };
        QList<int> measured, wanted;
        for (const auto& [name, measure] : Followers) {
            measured << place(name, measure);
            const int twips = expected.at(measured.size() - 1);
            wanted << Twips::toPixels(measure == TopOnTab ? std::max(0, twips - 360) : twips);
        }
        QCOMPARE(measured, wanted);
        for (int store = 1; store < Form1::StoreCount; ++store)
            QCOMPARE(form().WebBrowser1(store)->size(), form().WebBrowser1(0)->size());
    }

    // File, Export List and Import List, as a person reaches them: the menu bar's File, then the
    // entry's underlined letter; greyed out on a store tab.
    void exportThenImportFromTheFileMenu()
    {
        const QStringList card{"Mox, \"Jet\"", "1", "", "", "", "", "", "", "p.jpg"};
        auto* list = m_window.find<ListView>("ListView3");
        list->rows().setRows({card});
        form().SSTab1()->setCurrentIndex(0);
        QVERIFY(!m_window.find<QAction>("exportList")->isEnabled());
        QVERIFY(!m_window.find<QAction>("importList")->isEnabled());
        auto* tabs = m_window.find<QTabBar>(QString());
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(Program::CollectionTabIndex).center());
        const QString csv = m_folder.filePath("collection.csv");
        m_window.desktop.files.nextSaveAnswers = {csv};
        chooseFromFileMenu(Qt::Key_E);
        QCOMPARE(fileBytes(csv), "\xEF\xBB\xBF"
                                 "Card Name,Card#,Quantity,Edition,Condition,Card Type,Card Value,"
                                 "Total Value,Picture\r\n\"Mox, \"\"Jet\"\"\",1,,,,,,,p.jpg\r\n");
        m_window.desktop.files.nextAnswers = {csv};
        chooseFromFileMenu(Qt::Key_I);
        QCOMPARE(m_window.rows("ListView3"), Rows({card, card}));
        QCOMPARE(m_window.desktop.messages.shown.size(), 1);
        QVERIFY(m_window.desktop.messages.shown[0].text.startsWith(
            "1 row was added to My Collection from " + QDir::toNativeSeparators(csv)));
        QCOMPARE(fileBytes(m_folder.filePath("file2.dtt")), "missing"); // till SAVE
    }

private:
    void chooseFromFileMenu(Qt::Key mnemonic)
    {
        QMenuBar* bar = form().menuBar();
        QMenu* file = m_window.find<QMenu>("file");
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(file->menuAction()).center());
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, mnemonic);
        QTRY_VERIFY(!file->isVisible());
    }

    static QString shownBy(QObject* control)
    {
        QStringList parts;
        if (auto* list = qobject_cast<ListView*>(control)) {
            for (const ListColumn& column : list->rows().columns())
                parts << column.heading + ':' + QString::number(column.widthTwips);
        } else if (auto* tabs = qobject_cast<TabControl*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                parts << tabs->caption(tab);
        } else if (auto* menu = qobject_cast<QMenu*>(control)) {
            parts << menu->title();
            for (QAction* entry : menu->actions())
                parts << entry->objectName();
        } else {
            parts << control->property("text").toString() + control->property("title").toString();
        }
        return parts.join(',');
    }
};

VELLUMARK_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
