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

// All at once: a sorted list sorts once instead of shifting its rows for every one added, and
// rows with equal keys still come after those already there, as typed ones do.
void ListViewTransfer::addRows(QVector<QStringList> rows)
{
    QVector<QStringList> all;
    all.reserve(rowCount() + rows.size());
    for (int index = 0; index < rowCount(); ++index) {
        all.append(row(index));
    }
    for (QStringList& added : rows) {
        all.append(std::move(added));
    }
    m_list.rows().setRows(std::move(all));
    if (m_added) {
        m_added();
    }
}
