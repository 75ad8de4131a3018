#pragma once

#include <QString>

// What the tracker needs of the store browsers, without knowing their widgets.
class StorePages
{
public:
    virtual ~StorePages() = default;

    // Title and address of the page in the browser of the selected tab; both empty when the
    // selected tab holds no store browser or its page has no title.
    virtual QString activePageTitle() const = 0;
    virtual QString activePageAddress() const = 0;
    // Brings the first store tab to the front and sends its browser to the address.
    virtual void showInFirstStore(const QString& address) = 0;
};
