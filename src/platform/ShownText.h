#pragma once

#include <QString>

// What a list shows of a value: all of it, up to a length no list is wide enough to show. Laying
// out a value of millions of characters (from a damaged file, say) would hold the window up for
// minutes. The whole value stays in the list, and a save writes it whole.
namespace ShownText {

constexpr qsizetype MaxLength = 1000;

inline QString of(const QString& text)
{
    return text.size() <= MaxLength ? text : text.left(MaxLength) + QChar(0x2026);
}

// A value may hold line breaks; a list row shows it on one line with a visible mark for each.
inline QString onOneLine(const QString& text)
{
    QString shown = of(text);
    shown.replace(QLatin1String("\r\n"), QStringLiteral(" \u21b5 "));
    shown.replace(QLatin1Char('\n'), QStringLiteral(" \u21b5 "));
    shown.replace(QLatin1Char('\r'), QStringLiteral(" \u21b5 "));
    return shown;
}

} // namespace ShownText
