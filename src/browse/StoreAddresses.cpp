#include "StoreAddresses.h"

namespace {

// The program's own web store has no public address yet; a reserved name stands in for it.
const QString OwnStoreHost = QStringLiteral("www.vellumark.example");

} // namespace

namespace StoreAddresses {

QUrl startPage()
{
    QUrl address;
    address.setScheme(QStringLiteral("http"));
    address.setHost(OwnStoreHost);
    address.setPath(QStringLiteral("/index.htm"));
    return address;
}

} // namespace StoreAddresses
