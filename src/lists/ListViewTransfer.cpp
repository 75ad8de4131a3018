#include "ListViewTransfer.h"

#include "platform/ListView.h"

ListViewTransfer::ListViewTransfer(ListView& list, const QString& listName,
                                   const QString& untitledHeading, std::function<void()> added)
    : m_list(list)
    , m_listName(listName)
    , m_untitledHeading(untitledHeading)
    , m_added(std::move(added))
{
}

QStringList ListViewTransfer::headings() const
{
    QStringList headings;
    for (const ListColumn& column : m_list.rows().columns()) {
        headings.append(column.heading.isEmpty() ? m_untitledHeading : column.heading);
    }
    return headings;
}

int ListViewTransfer::rowCount() const
{
    return m_list.rowCount();
}

QStringList ListViewTransfer::row(int index) const
{
    QStringList cells;
    cells.reserve(m_list.columnCount());
    for (int column = 0; column < m_list.columnCount(); ++column) {
        cells.append(m_list.cellText(index, column));
    }
    return cells;
}

void ListViewTransfer::addRows(QVector<QStringList> rows)
{
    m_list.rows().appendRows(rows);
    if (m_added) {
        m_added();
    }
}
