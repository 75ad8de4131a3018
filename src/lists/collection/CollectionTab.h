#pragma once

#include "lists/ListTabPage.h"
#include "platform/ListViewModel.h"

#include <QVector>
#include <memory>

class CommonDialog;
class DataFiles;
class EntryPanel;
class ListViewTransfer;
class FileChooser;
class ListView;
class MessageBox;
class PictureBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The My Collection tab: the collection list, the entry panel for one card, and the card picture.
// The list is the working copy; only SAVE writes it to its file.
class CollectionTab : public ListTabPage
{
    Q_OBJECT

public:
    CollectionTab(FileChooser& fileChooser, MessageBox& messages, DataFiles& files,
                  QWidget* parent = nullptr);
    ~CollectionTab() override;

    // The collection list's columns; the last, untitled one holds the picture path.
    static QVector<ListColumn> Columns();
    static QString caption();

    // The rarity a new card starts with.
    void fillInDefaultRarity();
    void readFiles() override;
    void followWindowSize(const WindowGeometry& g) override;
    TransferableList& transferableList() override;

public slots:
    void Command2_Click();
    void Command4_Click();
    void Command3_Click();
    void Command12_Click();
    void Command13_Click();
    void Command29_Click();
    void ListView3_DblClick();

private:
    void buildEntryPanel();
    // How much of a picture file is decoded: as much as the picture box can ever show.
    QSize pictureArea() const;

    ListView* const ListView3;
    QGroupBox* const Frame1;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text13 = nullptr;
    QLineEdit* Text14 = nullptr;
    QLineEdit* Text19 = nullptr;
    QPushButton* Command29 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    PictureBox* const Picture1;
    // Holds the picture path of the card being entered; never shown.
    QLineEdit* const Text18;
    CommonDialog* const CommonDialog1;
    std::unique_ptr<EntryPanel> m_entries;
    std::unique_ptr<ListViewTransfer> m_transfer;
    MessageBox& m_messages;
    DataFiles& m_files;
};
