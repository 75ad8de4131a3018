#include "KeyboardShortcuts.h"

#include "browse/StoreBrowsing.h"
#include "platform/TabControl.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

namespace KeyboardShortcuts {

namespace {

void focusAndSelect(QLineEdit* box)
{
    box->setFocus(Qt::ShortcutFocusReason);
    box->selectAll();
}

} // namespace

void install(const Targets& targets)
{
    targets.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    targets.helpPage->setShortcut(QKeySequence(Qt::Key_F1));

    QWidget* window = targets.window;
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window,
                  [box = targets.searchBox] { focusAndSelect(box); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), window,
                  [box = targets.addressBox] { focusAndSelect(box->lineEdit()); });

    StoreBrowsing* stores = targets.stores;
    // They do nothing while no store tab is in front, as the buttons do.
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), window, stores,
                  &StoreBrowsing::Command1_Click);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), window, stores,
                  &StoreBrowsing::Command16_Click);
    new QShortcut(QKeySequence(Qt::Key_Escape), window, stores, &StoreBrowsing::Command17_Click);
    new QShortcut(QKeySequence(Qt::Key_F5), window, stores, &StoreBrowsing::Command18_Click);
    auto* zoomIn = new QShortcut(QKeySequence::ZoomIn, window, stores, &StoreBrowsing::zoomIn);
    // Ctrl and the "=/+" key is Ctrl+Plus to a user, with or without Shift.
    zoomIn->setKeys(zoomIn->keys() << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    new QShortcut(QKeySequence::ZoomOut, window, stores, &StoreBrowsing::zoomOut);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), window, stores, &StoreBrowsing::resetZoom);

    TabControl* tabs = targets.tabs;
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), window,
                  [tabs] { tabs->selectAvailableTab(1); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), window,
                  [tabs] { tabs->selectAvailableTab(-1); });
}

} // namespace KeyboardShortcuts
