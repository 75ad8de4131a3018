#pragma once

#include <QCollator>
#include <QString>

// The one alphabetical order of the program's lists: letter case ignored, the user's locale
// followed, no numeric reading of digits ("10" < "100" < "9").
class TextOrder
{
public:
    TextOrder();

    bool lessThan(const QString& left, const QString& right) const;
    QCollatorSortKey sortKey(const QString& text) const;

private:
    QCollator m_collator;
};
