#pragma once

#include <QWidget>

class TransferableList;
struct WindowGeometry;

// A tab that holds the user's own lists: filled from its data files as the program starts, laid
// out as the window is sized, and open to File, Export List and Import List.
class ListTabPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Fills the lists from their data files, as the program starts.
    virtual void readFiles() = 0;
    virtual void followWindowSize(const WindowGeometry& g) = 0;
    // The list that Export List and Import List work on.
    virtual TransferableList& transferableList() = 0;
};
