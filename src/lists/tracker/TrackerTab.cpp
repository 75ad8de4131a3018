#include "TrackerTab.h"

#include "app/WindowLayout.h"
#include "browse/StorePages.h"
#include "data/ColumnSort.h"
#include "data/DataFiles.h"
#include "data/Program.h"
#include "lists/ListViewTransfer.h"
#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/TabControl.h"
#include "print/ListPrintouts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace {

const QLatin1String TrackerFile(Program::TrackerFile);

bool asksForPopUpFromKeyboard(const QEvent* event)
{
    if (event->type() == QEvent::ContextMenu) {
        return static_cast<const QContextMenuEvent*>(event)->reason() ==
               QContextMenuEvent::Keyboard;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Menu ||
           (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
}

} // namespace

TrackerTab::TrackerTab(DataFiles& files, StorePages& stores, ListPrintouts& printouts,
                       QWidget* parent)
    : ListTabPage(parent)
    , ListView1(new ListView(QStringLiteral("ListView1"),
                             {{QStringLiteral("ITEMS"), 10000}, {QString(), 40}}, this))
    , Frame3(Controls::frame(this, QStringLiteral("Frame3"),
                             TabControl::pagePlace({120, 5050, 4095, 855})))
    , Command5(Controls::button(Frame3, QStringLiteral("Command5"), QStringLiteral("DISPLAY"),
                                QStringLiteral("Display web page."), {120, 300, 1215, 375}))
    , Command6(Controls::button(Frame3, QStringLiteral("Command6"), QStringLiteral("DELETE"),
                                QStringLiteral("Delete line"), {1440, 300, 1215, 375}))
    , Command7(Controls::button(Frame3, QStringLiteral("Command7"), QStringLiteral("PRINT"),
                                QStringLiteral("Print all information"), {2760, 300, 1215, 375}))
    , PopUp(new QMenu(tr("Popup"), this))
    , m_files(files)
    , m_stores(stores)
{
    Controls::place(ListView1, TabControl::pagePlace({120, 480, 13150, 4400}));
    ListView1->setAccessibleName(caption());
    ColumnSort::sortOnHeadingClicks(*ListView1);
    buildPopUp();

    connect(Command5, &QPushButton::clicked, this, &TrackerTab::Display);
    connect(ListView1, &ListView::DblClick, this, &TrackerTab::Display);
    connect(Command6, &QPushButton::clicked, this, &TrackerTab::Delete);
    connect(ListView1, &ListView::MouseDown, this, &TrackerTab::ListView1_MouseDown);
    ListView1->installEventFilter(this);
    connect(Command7, &QPushButton::clicked, this,
            [this, &printouts] { printouts.printRows(*ListView1); });
    m_transfer = std::make_unique<ListViewTransfer>(*ListView1, caption(), tr("Address"), [this] {
        m_files.WriteLineFile(*ListView1, TrackerFile);
    });
}

TrackerTab::~TrackerTab() = default;

TransferableList& TrackerTab::transferableList()
{
    return *m_transfer;
}

void TrackerTab::buildPopUp()
{
    PopUp->setObjectName(QStringLiteral("PopUp"));
    PopUp->setAccessibleName(tr("Tracked page"));
    QAction* remove = PopUp->addAction(tr("&Delete"));
    remove->setObjectName(QStringLiteral("Delete"));
    connect(remove, &QAction::triggered, this, &TrackerTab::Delete);
    QAction* display = PopUp->addAction(tr("&Display"));
    display->setObjectName(QStringLiteral("Display"));
    connect(display, &QAction::triggered, this, &TrackerTab::Display);
    Controls::deleteKeyOn(ListView1, remove);
}

QString TrackerTab::caption()
{
    return tr("Tracker");
}

void TrackerTab::readFiles()
{
    m_files.ReadLineFile(*ListView1, TrackerFile);
}

void TrackerTab::followWindowSize(const WindowGeometry& g)
{
    if (g.compact) {
        return;
    }
    Controls::resize(ListView1, g.trackerListWidth, g.trackerListHeight);
    Controls::setTop(Frame3, TabControl::pageTop(g.trackerFrameTop));
}

void TrackerTab::Command11_Click()
{
    ListView1->rows().appendRow({m_stores.activePageTitle(), m_stores.activePageAddress()});
    m_files.WriteLineFile(*ListView1, TrackerFile);
    emit pageTracked();
}

void TrackerTab::Display()
{
    const int selected = ListView1->selectedRow();
    if (selected < 0) {
        return;
    }
    const QString address = ListView1->cellText(selected, 1);
    if (ListView1->cellText(selected, 0).isEmpty()) {
        return;
    }
    m_stores.showInFirstStore(address);
}

void TrackerTab::Delete()
{
    ListView1->removeSelectedRow();
    m_files.WriteLineFile(*ListView1, TrackerFile);
}

void TrackerTab::ListView1_MouseDown(Qt::MouseButton button, const QPoint& position)
{
    if (button == Qt::RightButton) {
        PopUp->popup(ListView1->viewport()->mapToGlobal(position));
    }
}

bool TrackerTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1 && asksForPopUpFromKeyboard(event)) {
        showPopUpFromKeyboard();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TrackerTab::showPopUpFromKeyboard()
{
    // Some systems send the Menu key both as a key and as a context-menu request: one menu.
    if (PopUp->isVisible()) {
        return;
    }
    const QRect row = ListView1->visualRect(ListView1->currentIndex());
    const QPoint at = row.isValid() ? row.bottomLeft() : QPoint(0, 0);
    PopUp->popup(ListView1->viewport()->mapToGlobal(at));
    // With the first entry highlighted a screen reader says where the keyboard is.
    PopUp->setActiveAction(PopUp->actions().value(0));
}
