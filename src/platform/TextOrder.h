#pragma once

#include <QCollator>
#include <QString>
#include <algorithm>
#include <numeric>
#include <vector>

// The one alphabetical order of the program's lists: letter case ignored, the user's locale
// followed (English where it names no language), no numeric reading of digits ("10" < "100" < "9").
class TextOrder
{
public:
    TextOrder();

    bool lessThan(const QString& left, const QString& right) const;
    // The positions of the texts in the order, stable: equal texts keep their order.
    template <typename Texts, typename TextOf>
    std::vector<int> stableOrder(const Texts& items, TextOf textOf, Qt::SortOrder direction) const;

private:
    QCollatorSortKey sortKey(const QString& text) const;

    QCollator m_collator;
};

template <typename Texts, typename TextOf>
std::vector<int> TextOrder::stableOrder(const Texts& items, TextOf textOf,
                                        Qt::SortOrder direction) const
{
    // One sort key per text is far cheaper than collating texts again at every comparison.
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(items.size()));
    for (const auto& item : items) {
        keys.push_back(sortKey(textOf(item)));
    }
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    const bool ascending = direction == Qt::AscendingOrder;
    std::stable_sort(order.begin(), order.end(), [&keys, ascending](int left, int right) {
        const int comparison = keys[size_t(left)].compare(keys[size_t(right)]);
        return ascending ? comparison < 0 : comparison > 0;
    });
    return order;
}
