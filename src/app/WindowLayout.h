#pragma once

// The sizes and places of the main window's large controls for a given outer window size (height
// and width in twips, frame, title bar and menu bar included). Other controls keep their places.
struct WindowGeometry
{
    bool compact = false; // the window is minimized or almost no height is left
    int browserHeight = 0;
    int browserWidth = 0;
    int trackerListWidth = 0;
    int trackerListHeight = 0;
    int priceListWidth = 0;
    int priceListHeight = 0;
    int priceFrameTop = 0;
    int trackerFrameTop = 0;
    int tradeWishFrameHeight = 0;
    int tradeWishButtonsTop = 0;
    int collectionListWidth = 0;
    int collectionListHeight = 0;
    int pictureTop = 0;
    int pictureHeight = 0;
    int tabsHeight = 0;
    int tabsWidth = 0;
    int tradeListHeight = 0;
    int wishListHeight = 0;
    int tradeEntryTop = 0;
    int wishEntryTop = 0;
};

namespace WindowLayout {

// Below this height only the browsers, the collection list and the tab control follow the size.
constexpr int CompactHeight = 1500;
// The smallest window for which no control's size has to be cut at 0.
constexpr int MinimumHeight = 6150;
constexpr int MinimumWidth = 3650;

WindowGeometry compute(int height, int width);

} // namespace WindowLayout
