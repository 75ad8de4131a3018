#pragma once

class QAction;
class QComboBox;
class QLineEdit;
class QWidget;
class StoreBrowsing;
class TabControl;

// The window-wide keys users bring from desktop browsers and Qt programs, added beside the
// buttons and menu entries whose operations they run; menu entries show their keys. The lists'
// Delete key is their tabs' own.
namespace KeyboardShortcuts {

struct Targets
{
    QWidget* window;
    QLineEdit* searchBox;
    QComboBox* addressBox;
    StoreBrowsing* stores;
    TabControl* tabs;
    QAction* print;
    QAction* helpPage;
};

void install(const Targets& targets);

} // namespace KeyboardShortcuts
