#pragma once

#include <QString>
#include <QUrl>
#include <array>

// Where the store searches go: each store has its own server.
struct StoreHosts
{
    QString ebay;
    QString gamesAndCards;
    QString trollAndToad;
    QString magicSingles;
    QString ccg;

    // The stores' public servers.
    static StoreHosts publicServers();
    // Every store on one server, as a test's local web server provides.
    static StoreHosts allOn(const QString& hostAndPort);
};

namespace StoreAddresses {

constexpr int StoreCount = 5;

// The search page of every store for the term, indexed by store (0 eBay, 1 Games&Cards, 2 Troll
// and Toad, 3 Magic Singles, 4 CCG). The term keeps every character: it is percent-encoded for
// the place it stands in, so "R&D" or "#1" cannot cut the query short.
std::array<QUrl, StoreCount> searchPages(const StoreHosts& hosts, const QString& term);

} // namespace StoreAddresses
