#include "WindowLayout.h"

#include <algorithm>

namespace {

int atLeastZero(int twips)
{
    return std::max(0, twips);
}

} // namespace

namespace WindowLayout {

WindowGeometry compute(int height, int width)
{
    WindowGeometry g;
    if (height <= CompactHeight) {
        g.compact = true;
        g.browserHeight = atLeastZero(height);
        g.browserWidth = atLeastZero(width);
        g.collectionListHeight = atLeastZero(height);
        g.collectionListWidth = atLeastZero(width);
        g.tabsHeight = atLeastZero(height);
        g.tabsWidth = atLeastZero(width);
        return g;
    }
    g.browserHeight = atLeastZero(height - 2150);
    g.browserWidth = atLeastZero(width - 650);
    g.trackerListWidth = atLeastZero(width - 650);
    g.trackerListHeight = atLeastZero(height - 4600);
    g.priceListWidth = atLeastZero(width - 650);
    g.priceListHeight = atLeastZero(height - 5200);
    g.priceFrameTop = g.priceListHeight + 1050;
    g.trackerFrameTop = g.trackerListHeight + 650;
    g.tradeWishFrameHeight = atLeastZero(height - 4000);
    g.tradeWishButtonsTop = g.tradeWishFrameHeight + 1050;
    g.collectionListWidth = atLeastZero(width - 3650);
    g.collectionListHeight = atLeastZero(height - 6150);
    g.pictureTop = g.collectionListHeight + 650;
    g.pictureHeight = 3495;
    g.tabsHeight = atLeastZero(height - 1550);
    g.tabsWidth = atLeastZero(width - 450);
    g.tradeListHeight = atLeastZero(g.tradeWishFrameHeight - 1000);
    g.wishListHeight = atLeastZero(g.tradeWishFrameHeight - 1000);
    g.tradeEntryTop = g.tradeListHeight + 650;
    g.wishEntryTop = g.tradeListHeight + 650;
    return g;
}

} // namespace WindowLayout
