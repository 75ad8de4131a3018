#include "EntryPanel.h"

#include "data/DataFiles.h"
#include "platform/ListView.h"

#include <QLineEdit>

EntryPanel::EntryPanel(ListView& list, Boxes boxes, const QString& fileName, DataFiles& files)
    : m_list(list)
    , m_boxes(std::move(boxes))
    , m_fileName(fileName)
    , m_files(files)
{
}

void EntryPanel::Read()
{
    m_files.ReadLineFile(m_list, m_fileName);
}

void EntryPanel::Add()
{
    QStringList cells;
    for (const QLineEdit* box : std::as_const(m_boxes.inColumnOrder)) {
        cells.append(box->text());
    }
    m_list.rows().appendRow(cells);
}

void EntryPanel::Delete()
{
    m_list.removeSelectedRow();
}

void EntryPanel::Clear()
{
    for (QLineEdit* box : std::as_const(m_boxes.cleared)) {
        box->clear();
    }
}

void EntryPanel::Save()
{
    m_files.WriteLineFile(m_list, m_fileName);
}
