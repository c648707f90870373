#pragma once
// The workbook's 56-colour palette (colour indexes 8 to 63). Colours a workbook uses
// are gathered at the top of the palette, where they are never overwritten.

#include <array>
#include <cstdint>

#include "export/detail/cxXLSRecords.h"

namespace cx::detail {

enum class TcxPaletteUse { Font, Fill, Edge };

constexpr std::uint16_t kAutomaticFontColor = 0x7FFF;
constexpr std::uint16_t kAutomaticColor = 64;       // system window text / fill colour
constexpr std::uint16_t kAutomaticBackground = 65;  // system window background
constexpr std::uint16_t kFirstPaletteIndex = 8;

class TcxXLSPalette {
  public:
    TcxXLSPalette();

    // The colour index of `color` (0x00BBGGRR) for a use, taking a palette slot for a
    // colour not yet in it; the use's automatic index when the palette is full.
    std::uint16_t PaletteIndex(std::int32_t color, TcxPaletteUse use);

    const std::array<std::int32_t, kPaletteSize>& Colors() const { return colors_; }
    int Cursor() const { return cursor_; }

    // The default BIFF8 palette, slot 0 (index 8) black to slot 55 (index 63) dark grey.
    static const std::array<std::int32_t, kPaletteSize>& DefaultColors();

  private:
    std::array<std::int32_t, kPaletteSize> colors_;
    int cursor_ = kPaletteSize - 1;
};

}  // namespace cx::detail
