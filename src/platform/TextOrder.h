#pragma once

#include <QCollator>
#include <QString>
#include <functional>
#include <vector>

// The one alphabetical order of the program's lists: letter case ignored, the user's locale
// followed (English where it names no language), no numeric reading of digits ("10" < "100" < "9").
class TextOrder
{
public:
    TextOrder();

    bool lessThan(const QString& left, const QString& right) const;
    // The positions of `count` texts in the order, stable: equal texts keep their order.
    std::vector<int> stableOrder(int count, const std::function<QString(int)>& textAt,
                                 Qt::SortOrder direction) const;

private:
    QCollatorSortKey sortKey(const QString& text) const;

    QCollator m_collator;
};
