#include "TextOrder.h"

TextOrder::TextOrder()
    : m_collator(QLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

// The collator of the C locale (what LANG=C.UTF-8 gives) compares code points and leaves letter
// case in its sort keys, so "Zeta" would come before "alpha"; folding the case first gives the
// same order in every locale.
bool TextOrder::lessThan(const QString& left, const QString& right) const
{
    return m_collator.compare(left.toCaseFolded(), right.toCaseFolded()) < 0;
}

QCollatorSortKey TextOrder::sortKey(const QString& text) const
{
    return m_collator.sortKey(text.toCaseFolded());
}
