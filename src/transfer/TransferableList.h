#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

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
    virtual int rowCount() const = 0;
    virtual QStringList row(int index) const = 0;
    // Adds the rows as typed ones go: at the end, or at their sorted place. A list that saves
    // itself after every change saves once.
    virtual void addRows(QVector<QStringList> rows) = 0;
};
