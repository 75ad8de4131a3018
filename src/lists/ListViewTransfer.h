#pragma once

#include "transfer/TransferableList.h"

#include <functional>

class ListView;

// A list view as Export List and Import List see it; its untitled column gets a name.
class ListViewTransfer : public TransferableList
{
public:
    // added runs after rows were added (the tracker saves then).
    ListViewTransfer(ListView& list, const QString& listName, const QString& untitledHeading,
                     std::function<void()> added = {});

    QString listName() const override { return m_listName; }
    QStringList headings() const override;
    void useRows(const std::function<void(const RowTable&)>& use) const override;
    void addRows(RowTable rows) override;

private:
    ListView& m_list;
    QString m_listName;
    QString m_untitledHeading;
    std::function<void()> m_added;
};
