#pragma once
// The standard Windows system colours as a fixed table, in place of GetSysColor:
// a workbook written by the program looks the same on every desktop theme.

#include <cstdint>

namespace platform {

// System colour numbers (the COLOR_* indexes of the Windows API).
enum SystemColorIndex : int {
    kColorScrollBar = 0,
    kColorBackground = 1,
    kColorActiveCaption = 2,
    kColorInactiveCaption = 3,
    kColorMenu = 4,
    kColorWindow = 5,
    kColorWindowFrame = 6,
    kColorMenuText = 7,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorActiveBorder = 10,
    kColorInactiveBorder = 11,
    kColorAppWorkspace = 12,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorInactiveCaptionText = 19,
    kColorBtnHighlight = 20,
    kColor3DDkShadow = 21,
    kColor3DLight = 22,
    kColorInfoText = 23,
    kColorInfoBk = 24,
    kColorHotLight = 26,
    kColorGradientActiveCaption = 27,
    kColorGradientInactiveCaption = 28,
    kColorMenuHilight = 29,
    kColorMenuBar = 30,
};

// A colour value 0x00BBGGRR (red in the lowest byte).
using ColorRef = std::int32_t;

// A colour that names a system colour: the high byte set, the colour number in the
// low byte (so the value is negative as a signed 32-bit number).
constexpr ColorRef kSystemColorFlag = static_cast<ColorRef>(0xFF000000u);
constexpr ColorRef systemColor(int index) {
    return kSystemColorFlag | index;
}

// The colour of a system colour number; 0 (black) for numbers Windows does not define.
ColorRef sysColor(int index);

// A colour as 0x00BBGGRR: a negative value is a system colour, resolved through sysColor;
// any other value comes back unchanged.
ColorRef colorToRGB(ColorRef color);

}  // namespace platform
