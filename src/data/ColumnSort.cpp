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

} // namespace ColumnSort
