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
    return m_list.rows().table().row(index);
}

void ListViewTransfer::addRows(QVector<QStringList> rows)
{
    m_list.rows().appendRows(rows);
    if (m_added) {
        m_added();
    }
}
