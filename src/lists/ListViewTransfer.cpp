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

void ListViewTransfer::useRows(const std::function<void(const RowTable&)>& use) const
{
    use(m_list.rows().table());
}

void ListViewTransfer::addRows(RowTable rows)
{
    m_list.rows().appendRows(std::move(rows));
    if (m_added) {
        m_added();
    }
}
