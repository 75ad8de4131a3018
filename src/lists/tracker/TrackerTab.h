#pragma once

#include "lists/ListTabPage.h"

#include <memory>

class DataFiles;
class ListViewTransfer;
class ListPrintouts;
class ListView;
class QGroupBox;
class QMenu;
class QPushButton;
class StorePages;

// The Tracker tab: the list of tracked web pages (title and address), its buttons and its pop-up
// menu. The list is written to its file after every page tracked or deleted.
class TrackerTab : public ListTabPage
{
    Q_OBJECT

public:
    TrackerTab(DataFiles& files, StorePages& stores, ListPrintouts& printouts,
               QWidget* parent = nullptr);
    ~TrackerTab() override;

    static QString caption();

    void readFiles() override;
    void followWindowSize(const WindowGeometry& g) override;
    // Imported pages are saved at once, as tracked ones are.
    TransferableList& transferableList() override;

signals:
    // A page was added to the list, which the user is to see now.
    void pageTracked();

public slots:
    // Tracks the page of the selected store tab.
    void Command11_Click();
    void Display();
    void Delete();
    void ListView1_MouseDown(Qt::MouseButton button, const QPoint& position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPopUp();
    // The Menu key or Shift+F10 on the list: the pop-up menu at the selected row.
    void showPopUpFromKeyboard();

    ListView* const ListView1;
    QGroupBox* const Frame3;
    QPushButton* const Command5;
    QPushButton* const Command6;
    QPushButton* const Command7;
    // Never on the menu bar.
    QMenu* const PopUp;
    DataFiles& m_files;
    StorePages& m_stores;
    std::unique_ptr<ListViewTransfer> m_transfer;
};
