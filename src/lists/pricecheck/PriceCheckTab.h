#pragma once

#include <QVector>
#include <QWidget>

class DataFiles;
class ListView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Price Check tab: per card, the auction's bids, three store prices and the user's own price.
// The list is the working copy; only SAVE writes it to its file.
class PriceCheckTab : public QWidget
{
    Q_OBJECT

public:
    explicit PriceCheckTab(DataFiles& files, QWidget* parent = nullptr);

    ListView* const ListView2;
    QGroupBox* const Frame2;
    QLabel* const Label16;
    // Text7, Text8, Text9, Text10, Text15, Text16, Text17: one box per column, in column order.
    QVector<QLineEdit*> entryBoxes;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command24 = nullptr;

public slots:
    void Command8_Click();
    void Command9_Click();
    void Command24_Click();
    void Command10_Click();

private:
    DataFiles& m_files;
};
