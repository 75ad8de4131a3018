#pragma once

#include <QObject>
#include <QString>

class DataFiles;
class ListBox;
class QPlainTextEdit;
class QPushButton;

// One half of the Trade/Wish tab: a sorted list of card names with its entry box and its ADD,
// DELETE and SAVE buttons. The trade list and the wish list are two of these.
class CardListHalf : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        ListBox* list;
        QPlainTextEdit* entry;
        QPushButton* add;
        QPushButton* remove;
        QPushButton* save;
    };

    CardListHalf(Controls controls, const QString& fileName, DataFiles& files,
                 QObject* parent = nullptr);

    // Fills the list from its file.
    void Read();

public slots:
    void Add();
    void Delete();
    void Save();

private:
    Controls m_controls;
    QString m_fileName;
    DataFiles& m_files;
};
