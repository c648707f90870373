#pragma once
// Small value types of the grid view model: alignment, colours, fonts and styles.

#include <cstdint>
#include <optional>
#include <string>

namespace platform::grid {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// 0x00BBGGRR (red in the lowest byte); a negative value names a system colour.
using TColor = std::int32_t;

constexpr TColor rgb(int red, int green, int blue) {
    return static_cast<TColor>(red | (green << 8) | (blue << 16));
}

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

constexpr std::uint8_t kEastEuropeCharset = 238;

struct TFont {
    std::string Name = "Tahoma";
    int Height = 12;  // pixels at 96 dots per inch
    std::uint8_t Charset = kEastEuropeCharset;
    std::uint8_t Style = 0;  // TFontStyle bits
    TColor Color = 0;

    // Size in points at 96 dots per inch (12 pixels are 9 points).
    int sizeInPoints() const { return (Height * 72 + 48) / 96; }
    bool operator==(const TFont&) const = default;
};

// A named look that a column, band or header can take; unset parts fall back to the view's.
struct TcxStyle {
    std::string Name;
    std::optional<TColor> Color;      // background
    std::optional<TColor> TextColor;  // text colour
    std::optional<TFont> Font;
};

}  // namespace platform::grid
