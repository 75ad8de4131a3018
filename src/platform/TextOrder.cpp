#include "TextOrder.h"

TextOrder::TextOrder() : m_collator(QLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    m_collator.setNumericMode(false);
    m_collator.setIgnorePunctuation(false);
}

bool TextOrder::lessThan(const QString& left, const QString& right) const
{
    return m_collator.compare(left, right) < 0;
}

QCollatorSortKey TextOrder::sortKey(const QString& text) const
{
    return m_collator.sortKey(text);
}
