#pragma once

#include "platform/RowTable.h"

#include <QString>
#include <QStringList>
#include <functional>

// A list of the window as File, Export List and Import List see it: named columns, rows in the
// order the list shows them, and rows added as if typed.
class TransferableList
{
public:
    virtual ~TransferableList() = default;

    // What the user calls the list, as on its tab or above it.
    virtual QString listName() const = 0;
    // One per column; an untitled column is given a name.
    virtual QStringList headings() const = 0;
    // Calls use with the rows in the order the list shows them, one cell per heading.
    virtual void useRows(const std::function<void(const RowTable&)>& use) const = 0;
    // Adds the rows, one cell per heading, as typed ones go: at the end, or at their sorted
    // place. A list that saves itself after every change saves once.
    virtual void addRows(RowTable rows) = 0;
};
