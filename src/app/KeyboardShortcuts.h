#pragma once

#include <QVector>

class QAbstractButton;
class QAction;
class QComboBox;
class QLineEdit;
class QWidget;
class StoreBrowsing;
class TabControl;

// The keys users bring from desktop browsers and Qt programs, added beside the buttons and menu
// entries whose operations they run. Menu entries show their keys; the other keys act on the
// window or, for Delete, on the focused list only, so dialogs and pop-ups keep their own keys.
namespace KeyboardShortcuts {

// A list and its delete operation: the entry of its pop-up menu, which then shows the key, or
// else its DELETE button.
struct DeletableList
{
    QWidget* list;
    QAbstractButton* deleteButton;
    QAction* menuEntry = nullptr;
};

struct Targets
{
    QWidget* window;
    QLineEdit* searchBox;
    QComboBox* addressBox;
    StoreBrowsing* stores;
    TabControl* tabs;
    QAction* print;
    QAction* helpPage;
    QVector<DeletableList> lists;
};

void install(const Targets& targets);

} // namespace KeyboardShortcuts
