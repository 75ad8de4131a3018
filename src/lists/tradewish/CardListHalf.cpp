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

int CardListHalf::rowCount() const
{
    return m_controls.list->count();
}

QStringList CardListHalf::row(int index) const
{
    return {m_controls.list->text(index)};
}

void CardListHalf::addRows(QVector<QStringList> rows)
{
    QStringList entries;
    entries.reserve(rows.size());
    for (const QStringList& row : std::as_const(rows)) {
        entries.append(row.value(0));
    }
    m_controls.list->entries().insertSorted(std::move(entries));
}
