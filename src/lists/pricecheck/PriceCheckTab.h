#pragma once

#include "lists/ListTabPage.h"

#include <memory>

class DataFiles;
class EntryPanel;
class ListViewTransfer;
class ListView;
class QGroupBox;
class QLabel;
class QPushButton;

// The Price Check tab: per card, the auction's bids, three store prices and the user's own price.
// The list is the working copy; only SAVE writes it to its file.
class PriceCheckTab : public ListTabPage
{
    Q_OBJECT

public:
    explicit PriceCheckTab(DataFiles& files, QWidget* parent = nullptr);
    ~PriceCheckTab() override;

    static QString caption();

    void readFiles() override;
    void followWindowSize(const WindowGeometry& g) override;
    TransferableList& transferableList() override;

public slots:
    void Command8_Click();
    void Command9_Click();
    void Command24_Click();
    void Command10_Click();

private:
    ListView* const ListView2;
    QGroupBox* const Frame2;
    QLabel* const Label16;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command24 = nullptr;
    std::unique_ptr<EntryPanel> m_entries;
    std::unique_ptr<ListViewTransfer> m_transfer;
};
