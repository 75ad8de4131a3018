#pragma once

#include "lists/ListTabPage.h"

class CardListHalf;
class DataFiles;
class ListBox;
class ListPrintouts;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Trade/Wish tab: the sorted list of cards to trade on the left, the wish list on the right.
class TradeWishTab : public ListTabPage
{
    Q_OBJECT

public:
    TradeWishTab(DataFiles& files, ListPrintouts& printouts, QWidget* parent = nullptr);
    ~TradeWishTab() override;

    static QString caption();

    // The trade list first, then the wish list.
    void readFiles() override;
    void followWindowSize(const WindowGeometry& g) override;
    // The list last worked in (its list, box or buttons); the trade list before either was.
    TransferableList& transferableList() override;

private:
    QLabel* const Label7;
    QLabel* const Label10;
    QGroupBox* const Frame5;
    QGroupBox* const Frame4;
    ListBox* const List1;
    ListBox* const List2;
    QPlainTextEdit* Text11 = nullptr;
    QPlainTextEdit* Text12 = nullptr;
    QPushButton* Command14 = nullptr;
    QPushButton* Command15 = nullptr;
    QPushButton* Command25 = nullptr;
    QPushButton* Command26 = nullptr;
    QPushButton* Command20 = nullptr;
    QPushButton* Command23 = nullptr;
    QPushButton* Command28 = nullptr;
    QPushButton* Command27 = nullptr;
    CardListHalf* trade = nullptr;
    CardListHalf* wish = nullptr;
    CardListHalf* m_inFront = nullptr;
    QMetaObject::Connection m_focusWatch;
};
