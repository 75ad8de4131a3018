#pragma once

#include <QString>
#include <QVector>

class DataFiles;
class ListView;
class QLineEdit;

// The entry boxes of a list view, one per column, and the operations of their buttons: add the
// boxes as a row, delete the selected row, clear the boxes, save the list to its file. The list
// is the working copy; only Save writes the file. The collection and the price check each have
// one.
class EntryPanel
{
public:
    struct Boxes
    {
        QVector<QLineEdit*> inColumnOrder;
        // The boxes Clear empties; a box left out keeps its text for the next card.
        QVector<QLineEdit*> cleared;
    };

    EntryPanel(ListView& list, Boxes boxes, const QString& fileName, DataFiles& files);

    const QVector<QLineEdit*>& boxesInColumnOrder() const { return m_boxes.inColumnOrder; }

    // Fills the list from its file.
    void Read();
    void Add();
    void Delete();
    void Clear();
    void Save();

private:
    ListView& m_list;
    Boxes m_boxes;
    QString m_fileName;
    DataFiles& m_files;
};
