#pragma once

#include <QWidget>

class CommonDialog;
class FileChooser;
class ListView;
class PictureBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The My Collection tab: the collection list, the entry panel for one card, and the card picture.
class CollectionTab : public QWidget
{
    Q_OBJECT

public:
    CollectionTab(FileChooser& fileChooser, QWidget* parent = nullptr);

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
};
