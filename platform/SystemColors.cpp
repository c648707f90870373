#include "platform/SystemColors.h"

#include <array>

namespace platform {
namespace {

constexpr ColorRef rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

// The default colours of a standard Windows desktop, by system colour number.
constexpr std::array<ColorRef, 31> kSystemColors = {
    rgb(200, 200, 200),  // scroll bar
    rgb(0, 0, 0),        // desktop background
    rgb(153, 180, 209),  // active caption
    rgb(191, 205, 219),  // inactive caption
    rgb(240, 240, 240),  // menu
    rgb(255, 255, 255),  // window
    rgb(100, 100, 100),  // window frame
    rgb(0, 0, 0),        // menu text
    rgb(0, 0, 0),        // window text
    rgb(0, 0, 0),        // caption text
    rgb(180, 180, 180),  // active border
    rgb(244, 247, 252),  // inactive border
    rgb(171, 171, 171),  // application workspace
    rgb(0, 120, 215),    // highlight
    rgb(255, 255, 255),  // highlight text
    rgb(240, 240, 240),  // button face
    rgb(160, 160, 160),  // button shadow
    rgb(109, 109, 109),  // grey text
    rgb(0, 0, 0),        // button text
    rgb(0, 0, 0),        // inactive caption text
    rgb(255, 255, 255),  // button highlight
    rgb(105, 105, 105),  // 3-D dark shadow
    rgb(227, 227, 227),  // 3-D light
    rgb(0, 0, 0),        // tooltip text
    rgb(255, 255, 225),  // tooltip background
    rgb(0, 0, 0),        // (number 25 is not used)
    rgb(0, 102, 204),    // hot-tracked item
    rgb(185, 209, 234),  // gradient of the active caption
    rgb(215, 228, 242),  // gradient of the inactive caption
    rgb(51, 153, 255),   // highlighted menu item
    rgb(240, 240, 240),  // menu bar
};

}  // namespace

ColorRef sysColor(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kSystemColors.size())
        return 0;
    return kSystemColors[static_cast<std::size_t>(index)];
}

ColorRef colorToRGB(ColorRef color) {
    if (color < 0)
        return sysColor(color & 0xFF);
    return color;
}

}  // namespace platform
