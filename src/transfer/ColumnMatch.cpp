#include "ColumnMatch.h"

#include <initializer_list>

namespace {

struct Synonyms
{
    const char* column;
    // The first one a file has wins.
    std::initializer_list<const char*> headings;
};

#define CARD_NAMES "Card Name", "Name", "Card", "Simple Name"

// Beyond these, every column takes its own heading.
const Synonyms Known[] = {
    {"Card Name", {CARD_NAMES}},
    {"Card#", {"Card#", "Card Number", "Collector Number", "Number", "Collector #"}},
    {"Quantity", {"Quantity", "Count", "Qty", "Amount"}},
    {"Edition", {"Edition", "Set", "Set Name", "Expansion"}},
    {"Card Type", {"Card Type", "Rarity"}},
    {"Card Value", {"Card Value", "Price", "Price Each", "My Price", "Purchase Price", "Value"}},
    {"Total Value", {"Total Value", "Total"}},
    {"Picture", {"Picture", "Image", "Picture Path"}},
    // Either list of card names takes the other's export, or any list of names.
    {"Cards to Trade", {"Cards to Trade", "My Wish List", CARD_NAMES}},
    {"My Wish List", {"My Wish List", "Cards to Trade", CARD_NAMES}},
};

#undef CARD_NAMES

QStringList accepted(const QString& listHeading)
{
    const QString key = ColumnMatch::normalised(listHeading);
    for (const Synonyms& known : Known) {
        if (ColumnMatch::normalised(QString::fromLatin1(known.column)) == key) {
            QStringList names;
            for (const char* heading : known.headings) {
                names.append(ColumnMatch::normalised(QString::fromLatin1(heading)));
            }
            return names;
        }
    }
    return {key};
}

} // namespace

QString ColumnMatch::normalised(QStringView heading)
{
    QString key;
    for (const QChar c : heading) {
        if (c == QLatin1Char('#')) {
            key += QLatin1String("number");
        } else if (c.isLetterOrNumber()) {
            key += c.toCaseFolded();
        }
    }
    return key;
}

ColumnMatch ColumnMatch::of(const QStringList& listHeadings, const QStringList& firstRow)
{
    QStringList fileKeys;
    for (const QString& heading : firstRow) {
        fileKeys.append(normalised(heading));
    }
    ColumnMatch match;
    match.fileColumnOf.fill(-1, listHeadings.size());
    QVector<bool> taken(firstRow.size(), false);
    for (qsizetype column = 0; column < listHeadings.size(); ++column) {
        for (const QString& name : accepted(listHeadings.at(column))) {
            const qsizetype found = fileKeys.indexOf(name);
            if (found >= 0 && !taken.at(found)) {
                match.fileColumnOf[column] = int(found);
                taken[found] = true;
                match.byHeadings = true;
                break;
            }
        }
    }
    if (!match.byHeadings) {
        for (qsizetype column = 0; column < listHeadings.size(); ++column) {
            match.fileColumnOf[column] = column < firstRow.size() ? int(column) : -1;
        }
    }
    return match;
}
