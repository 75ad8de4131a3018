#include "ColumnSort.h"

#include "platform/ListView.h"

namespace ColumnSort {

void headingClicked(ListView& list, int column)
{
    ListViewModel& rows = list.rows();
    const Qt::SortOrder flipped =
        rows.sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    rows.sortBy(column, flipped);
}

void sortOnHeadingClicks(ListView& list)
{
    QObject::connect(&list, &ListView::ColumnClick, &list,
                     [&list](int column) { headingClicked(list, column); });
}

} // namespace ColumnSort
