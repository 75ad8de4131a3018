#pragma once

class ListView;

// A click on a column heading of a list view: every click flips the list's sort direction,
// whichever heading was clicked before, then the list is sorted by the clicked column and stays
// sorted as rows are added.
namespace ColumnSort {

void headingClicked(ListView& list, int column);
// Sorts the list on every click on one of its headings.
void sortOnHeadingClicks(ListView& list);

} // namespace ColumnSort
