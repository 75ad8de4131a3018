#include "TextOrder.h"

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
