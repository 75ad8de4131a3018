#include "TextOrder.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <numeric>

namespace {

// A locale that names no language (C, POSIX, C.UTF-8) collates by code point, which puts every
// accented letter after Z; English rules keep "Æther Vial" beside "Aether Vial". A named locale
// keeps its own rules (Danish puts Æ after Z).
QLocale collationLocale()
{
    const QLocale user;
    return user.language() == QLocale::C ? QLocale(QLocale::English) : user;
}

} // namespace

TextOrder::TextOrder()
    : m_collator(collationLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

// Case is folded before collating as well, so that letter case is ignored by any collator (one
// without ICU leaves case in its sort keys, "Zeta" before "alpha").
bool TextOrder::lessThan(const QString& left, const QString& right) const
{
    return m_collator.compare(left.toCaseFolded(), right.toCaseFolded()) < 0;
}

QCollatorSortKey TextOrder::sortKey(const QString& text) const
{
    return m_collator.sortKey(text.toCaseFolded());
}

std::vector<int> TextOrder::stableOrder(int count, const std::function<QString(int)>& textAt,
                                        Qt::SortOrder direction) const
{
    // Lists repeat their texts (an edition, a condition, a card kept twice), and a sort key is
    // far dearer than a lookup: each distinct text gets one key, and its rank among the keys
    // stands for it.
    QHash<QString, int> numbers;
    QStringList distinct;
    std::vector<int> numberAt(size_t(std::max(0, count)));
    for (int index = 0; index < count; ++index) {
        const QString text = textAt(index);
        int& number = numbers[text];
        if (number == 0) {
            distinct.append(text);
            number = int(distinct.size());
        }
        numberAt[size_t(index)] = number - 1;
    }
    numbers.clear();

    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(distinct.size()));
    for (const QString& text : std::as_const(distinct)) {
        keys.push_back(sortKey(text));
    }
    std::vector<int> byKey(keys.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&keys](int left, int right) {
        return keys[size_t(left)].compare(keys[size_t(right)]) < 0;
    });
    // Texts with equal keys ("Mox" and "mox") share a rank.
    std::vector<int> rank(keys.size());
    int ranks = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[size_t(byKey[i - 1])].compare(keys[size_t(byKey[i])]) != 0) {
            ++ranks;
        }
        rank[size_t(byKey[i])] = direction == Qt::AscendingOrder ? ranks : -ranks;
    }

    // A counting sort by rank keeps equal ranks in their order.
    const int lowest = direction == Qt::AscendingOrder ? 0 : -ranks;
    std::vector<int> start(size_t(ranks) + 2, 0);
    for (const int number : numberAt) {
        ++start[size_t(rank[size_t(number)] - lowest) + 1];
    }
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<int> order(numberAt.size());
    for (int index = 0; index < count; ++index) {
        order[size_t(start[size_t(rank[size_t(numberAt[size_t(index)])] - lowest)]++)] = index;
    }
    return order;
}
