#include "CardListHalf.h"

#include "data/DataFiles.h"
#include "platform/ListBox.h"

#include <QPlainTextEdit>
#include <QPushButton>

CardListHalf::CardListHalf(Controls controls, const QString& title, const QString& fileName,
                           DataFiles& files, QObject* parent)
    : QObject(parent)
    , m_controls(controls)
    , m_title(title)
    , m_fileName(fileName)
    , m_files(files)
{
    connect(m_controls.add, &QPushButton::clicked, this, &CardListHalf::Add);
    connect(m_controls.remove, &QPushButton::clicked, this, &CardListHalf::Delete);
    connect(m_controls.save, &QPushButton::clicked, this, &CardListHalf::Save);
}

void CardListHalf::Read()
{
    m_files.ReadQuotedFile(*m_controls.list, m_fileName);
}

void CardListHalf::Add()
{
    m_controls.list->AddItem(m_controls.entry->toPlainText());
}

void CardListHalf::Delete()
{
    const int selected = m_controls.list->selectedIndex();
    if (selected >= 0) {
        m_controls.list->RemoveItem(selected);
    }
}

void CardListHalf::Save()
{
    m_files.WriteQuotedFile(*m_controls.list, m_fileName);
}

bool CardListHalf::owns(const QWidget* widget) const
{
    return widget == m_controls.list || widget == m_controls.entry || widget == m_controls.add ||
           widget == m_controls.remove || widget == m_controls.save;
}

void CardListHalf::useRows(const std::function<void(const RowTable&)>& use) const
{
    RowTable rows(1);
    for (const QString& entry : m_controls.list->entries().entries()) {
        const QStringView cell(entry);
        rows.appendRow(&cell, 1);
    }
    use(rows);
}

void CardListHalf::addRows(RowTable rows)
{
    QStringList entries;
    entries.reserve(rows.rowCount());
    for (int row = 0; row < rows.rowCount(); ++row) {
        entries.append(rows.cell(row, 0));
    }
    m_controls.list->entries().insertSorted(std::move(entries));
}
