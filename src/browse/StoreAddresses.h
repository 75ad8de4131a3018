#pragma once

#include <QUrl>

namespace StoreAddresses {

// The page the first store browser opens at start-up, on the program's own web store.
QUrl startPage();

} // namespace StoreAddresses
