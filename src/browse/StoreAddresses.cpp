#include "StoreAddresses.h"

namespace {

// The path and query come already percent-encoded; the host may carry a port.
QUrl httpAddress(const QString& host, const QByteArray& path, const QByteArray& query = {})
{
    QUrl address;
    address.setScheme(QStringLiteral("http"));
    address.setAuthority(host);
    address.setPath(QString::fromLatin1(path), QUrl::StrictMode);
    if (!query.isNull()) {
        address.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    }
    return address;
}

} // namespace

StoreHosts StoreHosts::publicServers()
{
    return {QStringLiteral("search.ebay.com"), QStringLiteral("www.gamesandcards.com"),
            QStringLiteral("www.trollandtoad.com"), QStringLiteral("www.magicsingles.com"),
            QStringLiteral("www.ccgcastle.com")};
}

StoreHosts StoreHosts::allOn(const QString& hostAndPort)
{
    return {hostAndPort, hostAndPort, hostAndPort, hostAndPort, hostAndPort};
}

namespace StoreAddresses {

std::array<QUrl, StoreCount> searchPages(const StoreHosts& hosts, const QString& term)
{
    const QByteArray encoded = QUrl::toPercentEncoding(term);
    return {
        httpAddress(hosts.ebay, "/Sorcelan%20" + encoded),
        httpAddress(hosts.gamesAndCards, "/search.asp", "var=search&searchstr=" + encoded),
        httpAddress(hosts.trollAndToad, "/products/search.php",
                    "searchmode=basic&search_words=" + encoded +
                        "&search_category=1041&Image1.x=13&Image1.y=13"),
        httpAddress(hosts.magicSingles, "/~magicsingles/catalog.html",
                    "Tp=6&VCS=5f0e9c1d2b7a4e38a6d1c0f9b2e47a3d&Vl=" + encoded),
        httpAddress(hosts.ccg, "/search.aspx", "type=1&active=1&producttype=1&name=" + encoded),
    };
}

} // namespace StoreAddresses
