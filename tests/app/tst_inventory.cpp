#include "TestDoubles.h"
#include "TestMain.h"
#include "app/Form1.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

// Every control: name, kind, tab (-1: none), caption, tool tip, details (label, columns, menu).
struct Control
{
    const char *name, *kind;
    int tab;
    const char *caption, *toolTip, *detail;
};

// clang-format off
const Control Inventory[] = {
    {"Command1", "QPushButton", -1, "", "Back", ""},
    {"Command16", "QPushButton", -1, "", "Forward", ""},
    {"Command17", "QPushButton", -1, "", "Stop", ""},
    {"Command18", "QPushButton", -1, "", "Refresh", ""},
    {"Command19", "QPushButton", -1, "", "Print", ""},
    {"Combo1", "QComboBox", -1, "", "", ""},
    {"Command22", "QPushButton", -1, "", "Go to Web Address", ""},
    {"Text1", "QLineEdit", -1, "SEARCH NOW!", "", ""},
    {"Command21", "QPushButton", -1, "Find It!", "", ""},
    {"Command11", "QPushButton", -1, "eBay TRACK", "", ""},
    {"SSTab1", "TabControl", -1, "", "", "Home|Games&Cards|Troll and Toad|Magic Singles|CCG|Tracker|Price Check|My Collection|Trade/Wish"},
    {"WebBrowser1_0", "WebBrowser", 0, "", "", ""},
    {"WebBrowser1_1", "WebBrowser", 1, "", "", ""},
    {"WebBrowser1_2", "WebBrowser", 2, "", "", ""},
    {"WebBrowser1_3", "WebBrowser", 3, "", "", ""},
    {"WebBrowser1_4", "WebBrowser", 4, "", "", ""},
    {"ListView1", "ListView", 5, "", "", "ITEMS:10000|:40"},
    {"Frame3", "QGroupBox", 5, "", "", ""},
    {"Command5", "QPushButton", 5, "DISPLAY", "Display web page.", ""},
    {"Command6", "QPushButton", 5, "DELETE", "Delete line", ""},
    {"Command7", "QPushButton", 5, "PRINT", "Print all information", ""},
    {"ListView2", "ListView", 6, "", "", "CARD NAME:4440|Ebay Starting Bid:1540|Ebay Ending Bid:1540|Games and Cards:1240|Troll and Toad:1240|Magic Singles:1240|MY PRICE:1240"},
    {"Frame2", "QGroupBox", 6, "", "", ""},
    {"Text7", "QLineEdit", 6, "", "", "Label11:CARD NAME"},
    {"Text8", "QLineEdit", 6, "", "", "Label12:eBay Starting Bid"},
    {"Text9", "QLineEdit", 6, "", "", "Label13:eBay Ending Bid"},
    {"Text10", "QLineEdit", 6, "", "", "Label14:Games and Cards"},
    {"Text15", "QLineEdit", 6, "", "", "Label15:Troll and Toad"},
    {"Text16", "QLineEdit", 6, "", "", "Label17:Magic Singles"},
    {"Text17", "QLineEdit", 6, "", "", "Label18:MY PRICE"},
    {"Command8", "QPushButton", 6, "ADD", "Add card information.", ""},
    {"Command9", "QPushButton", 6, "DELETE", "Delete Line", ""},
    {"Command10", "QPushButton", 6, "SAVE", "Save all information.", ""},
    {"Command24", "QPushButton", 6, "CLEAR", "", ""},
    {"Label16", "QLabel", 6, "", "", ""},
    {"ListView3", "ListView", 7, "", "", "Card Name:2500|Card#:940|Quantity:840|Edition:940|Condition:940|Card Type:1440|Card Value:1040|Total Value:1040|:40"},
    {"Frame1", "QGroupBox", 7, "", "", ""},
    {"Text2", "QLineEdit", 7, "", "", "Label1:NAME"},
    {"Text3", "QLineEdit", 7, "", "", "Label2:CARD#"},
    {"Text4", "QLineEdit", 7, "", "", "Label3:QUANTITY"},
    {"Text5", "QLineEdit", 7, "", "", "Label4:EDITION"},
    {"Text6", "QLineEdit", 7, "", "", "Label5:CONDITION"},
    {"Text19", "QLineEdit", 7, "COMMON", "", "Label6:CARD RARITY"},
    {"Text13", "QLineEdit", 7, "", "", "Label8:CARD VALUE"},
    {"Text14", "QLineEdit", 7, "", "", "Label9:TOTAL VALUE"},
    {"Command29", "QPushButton", 7, "ADD PICTURE", "Add picture to flie.", ""},
    {"Command2", "QPushButton", 7, "ADD ALL", "Add all information.", ""},
    {"Command3", "QPushButton", 7, "DELETE", "Delete line", ""},
    {"Command4", "QPushButton", 7, "EDIT", "Edit selected line", ""},
    {"Command12", "QPushButton", 7, "CLEAR", "Clear information boxes.", ""},
    {"Command13", "QPushButton", 7, "SAVE", "Save information.", ""},
    {"Picture1", "PictureBox", 7, "", "", ""},
    {"Text18", "QLineEdit", 7, "", "", ""},
    {"CommonDialog1", "CommonDialog", 7, "", "", ""},
    {"Label7", "QLabel", 8, "Cards to Trade", "", ""},
    {"Label10", "QLabel", 8, "My Wish List", "", ""},
    {"Frame5", "QGroupBox", 8, "", "", ""},
    {"List1", "ListBox", 8, "", "", ""},
    {"Text11", "QPlainTextEdit", 8, "", "", ""},
    {"List2", "ListBox", 8, "", "", ""},
    {"Text12", "QPlainTextEdit", 8, "", "", ""},
    {"Frame4", "QGroupBox", 8, "", "", ""},
    {"Command14", "QPushButton", 8, "ADD", "", ""},
    {"Command15", "QPushButton", 8, "DELETE", "", ""},
    {"Command25", "QPushButton", 8, "SAVE", "", ""},
    {"Command26", "QPushButton", 8, "PRINT", "", ""},
    {"Command20", "QPushButton", 8, "ADD", "", ""},
    {"Command23", "QPushButton", 8, "DELETE", "", ""},
    {"Command28", "QPushButton", 8, "SAVE", "", ""},
    {"Command27", "QPushButton", 8, "PRINT", "", ""},
    {"file", "QMenu", -1, "File", "", "bar"},
    {"print", "QAction", -1, "&Print", "", "file"},
    {"closer", "QAction", -1, "&Close", "", "file"},
    {"help", "QMenu", -1, "Help", "", "bar"},
    {"helpp", "QAction", -1, "&Help Page", "", "help"},
    {"about", "QAction", -1, "About Us", "", "help"},
    {"PopUp", "QMenu", -1, "Popup", "", "popup"},
    {"Delete", "QAction", -1, "&Delete", "", "PopUp"},
    {"Display", "QAction", -1, "&Display", "", "PopUp"},
    {"StatusBar1", "StatusBar", -1, "", "", ""},
};
// clang-format on

class InventoryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    TestDesktop m_desktop;
    Form1 m_window{m_folder.path(), m_desktop.services()};

private slots:
    void everyControlInItsPlace_data()
    {
        QTest::addColumn<int>("row");
        for (const Control& control : Inventory) {
            QTest::newRow(control.name) << int(&control - Inventory);
        }
    }

    void everyControlInItsPlace()
    {
        QFETCH(int, row);
        const Control& control = Inventory[row];
        const QString detail = QString::fromUtf8(control.detail);
        QCOMPARE(m_window.findChildren<QObject*>(control.name).size(), 1);
        QObject* object = m_window.findChild<QObject*>(control.name);
        auto* widget = qobject_cast<QWidget*>(object);
        QVERIFY2(object->inherits(control.kind), object->metaObject()->className());
        QString caption; // a button's, label's or box's text, a frame's or a menu's title
        for (const char* property : {"text", "plainText", "currentText", "title"}) {
            if (caption.isEmpty() && !object->inherits("QWebEngineView")) {
                caption = object->property(property).toString();
            }
        }
        QCOMPARE(caption, QString::fromUtf8(control.caption));
        QCOMPARE(widget ? widget->toolTip() : QString(), QString::fromUtf8(control.toolTip));
        int tab = -1; // the tab whose page holds the control (or the widget that owns it)
        const auto* placed = qobject_cast<QWidget*>(widget ? object : object->parent());
        for (int page = 0; placed && page < m_window.SSTab1()->count(); ++page) {
            tab = m_window.SSTab1()->widget(page)->isAncestorOf(placed) ? page : tab;
        }
        QCOMPARE(tab, control.tab);

        auto* button = qobject_cast<QAbstractButton*>(object);
        if (button && button->text().isEmpty()) { // a picture button, spoken by its tool tip
            QVERIFY(!button->icon().isNull());
            QCOMPARE(button->accessibleName(), button->toolTip());
        } else if (qobject_cast<QLineEdit*>(object) && !detail.isEmpty()) {
            const auto* label = m_window.findChild<QLabel*>(detail.section(':', 0, 0));
            QCOMPARE(label ? label->text() : QString(), detail.section(':', 1));
            QCOMPARE(label->buddy(), widget);
            QCOMPARE(widget->accessibleName(), label->text());
        } else if (auto* list = qobject_cast<ListView*>(object)) {
            QCOMPARE(list->accessibleName(), m_window.SSTab1()->caption(tab));
            QStringList columns;
            for (const ListColumn& column : list->rows().columns()) {
                columns << column.heading + ':' + QString::number(column.widthTwips);
            }
            QCOMPARE(columns.join('|'), detail);
        } else if (auto* tabs = qobject_cast<TabControl*>(object)) {
            QStringList captions;
            for (int index = 0; index < tabs->count(); ++index) {
                captions << tabs->caption(index);
            }
            QCOMPARE(captions.join('|'), detail);
        } else if (auto* menu = qobject_cast<QMenu*>(object)) {
            QCOMPARE(m_window.menuBar()->actions().contains(menu->menuAction()), detail == "bar");
        } else if (auto* action = qobject_cast<QAction*>(object)) {
            QVERIFY(action->associatedObjects().contains(m_window.findChild<QMenu*>(detail)));
        } else {
            QVERIFY2(detail.isEmpty(), control.detail);
        }
    }

    // Tab moves through the top bar, the tab strip and the tab's controls as they stand on the
    // screen, then back to the start; a store page keeps Tab for its own links.
    void tabOrderFollowsTheScreen_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("controls");
        const auto row = [](int tab, const char* controls) {
            QTest::addRow("tab %d", tab) << tab << QString::fromLatin1(controls);
        };
        row(0, "WebBrowser1_0");
        row(5, "ListView1 Command5 Command6 Command7");
        row(6, "ListView2 Text7 Text8 Text9 Text10 Text15 Text16 Text17 Command8 Command9 "
               "Command24 Command10");
        row(7, "Text2 Text3 Text4 Text5 Text6 Text13 Text14 Command29 Command2 Command3 Command4 "
               "Command12 Command13 Text19 ListView3");
        row(8, "List1 Text11 List2 Text12 Command14 Command15 Command25 Command26 Command20 "
               "Command23 Command28 Command27");
    }

    void tabOrderFollowsTheScreen()
    {
        QFETCH(int, tab);
        QFETCH(QString, controls);
        QCOMPARE(tabWalk(tab).join(' '),
                 "Command1 Command16 Command17 Command18 Command19 Combo1 "
                 "Command22 Text1 Command21 Command11 qt_tabwidget_tabbar " +
                     controls);
    }

    // The help page names the collection's boxes and buttons in the order Tab visits them.
    void helpPageTellsTheCollectionTabOrder()
    {
        QFile help(QFINDTESTDATA("../../src/app/help.htm"));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString told = QRegularExpression("<p id=\"collection-tab-order\">(.*?)</p>",
                                                QRegularExpression::DotMatchesEverythingOption)
                                 .match(QString::fromUtf8(help.readAll()))
                                 .captured(1);
        QStringList named;
        for (const QRegularExpressionMatch& bold :
             QRegularExpression("<b>(.*?)</b>").globalMatch(told))
            named << bold.captured(1);
        QStringList visited;
        for (const QString& name : tabWalk(Program::CollectionTabIndex)) {
            auto* control = m_window.findChild<QWidget*>(name);
            if (!m_window.findChild<QWidget*>("Frame1")->parentWidget()->isAncestorOf(control))
                continue;
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                visited << button->text();
            else if (qobject_cast<QLineEdit*>(control))
                visited << control->accessibleName();
        }
        QCOMPARE(named, visited);
    }

private:
    // The controls Tab visits on the tab, from the first of the top bar around to it again or
    // into a store page, each by the nearest name (a combo box's line edit counts as the box).
    QStringList tabWalk(int tab)
    {
        m_window.show();
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window))
            return {"the window did not become active"};
        m_window.SSTab1()->setCurrentIndex(tab);
        auto* start = m_window.findChild<QWidget*>("Command1");
        start->setFocus();
        QStringList visited;
        do {
            visited << start->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (start = QApplication::focusWidget(); start->objectName().isEmpty();)
                start = start->parentWidget();
        } while (start->objectName() != "Command1" && !start->inherits("WebBrowser") &&
                 visited.size() < 40);
        if (start->inherits("WebBrowser"))
            visited << start->objectName();
        return visited;
    }
};

VELLUMARK_TEST_MAIN(InventoryTest)
#include "tst_inventory.moc"
