#pragma once

#include <QWidget>

class CardListHalf;
class DataFiles;
class ListBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The Trade/Wish tab: the sorted list of cards to trade on the left, the wish list on the right.
class TradeWishTab : public QWidget
{
    Q_OBJECT

public:
    explicit TradeWishTab(DataFiles& files, QWidget* parent = nullptr);

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
};
