#include <utility>

#include "export/cxExport.h"
#include "export/detail/cxXLSPalette.h"

namespace cx::detail {
namespace {

// 0xRRGGBB as written in colour tables, stored as 0x00BBGGRR.
constexpr std::int32_t fromRgb(std::uint32_t rgb) {
    return static_cast<std::int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

constexpr std::array<std::int32_t, kPaletteSize> kDefaultPalette = {
    fromRgb(0x000000), fromRgb(0xFFFFFF), fromRgb(0xFF0000), fromRgb(0x00FF00), fromRgb(0x0000FF),
    fromRgb(0xFFFF00), fromRgb(0xFF00FF), fromRgb(0x00FFFF), fromRgb(0x800000), fromRgb(0x008000),
    fromRgb(0x000080), fromRgb(0x808000), fromRgb(0x800080), fromRgb(0x008080), fromRgb(0xC0C0C0),
    fromRgb(0x808080), fromRgb(0x9999FF), fromRgb(0x993366), fromRgb(0xFFFFCC), fromRgb(0xCCFFFF),
    fromRgb(0x660066), fromRgb(0xFF8080), fromRgb(0x0066CC), fromRgb(0xCCCCFF), fromRgb(0x000080),
    fromRgb(0xFF00FF), fromRgb(0xFFFF00), fromRgb(0x00FFFF), fromRgb(0x800080), fromRgb(0x800000),
    fromRgb(0x008080), fromRgb(0x0000FF), fromRgb(0x00CCFF), fromRgb(0xCCFFFF), fromRgb(0xCCFFCC),
    fromRgb(0xFFFF99), fromRgb(0x99CCFF), fromRgb(0xFF99CC), fromRgb(0xCC99FF), fromRgb(0xFFCC99),
    fromRgb(0x3366FF), fromRgb(0x33CCCC), fromRgb(0x99CC00), fromRgb(0xFFCC00), fromRgb(0xFF9900),
    fromRgb(0xFF6600), fromRgb(0x666699), fromRgb(0x969696), fromRgb(0x003366), fromRgb(0x339966),
    fromRgb(0x003300), fromRgb(0x333300), fromRgb(0x993300), fromRgb(0x993366), fromRgb(0x333399),
    fromRgb(0x333333),
};

std::uint16_t fallBack(TcxPaletteUse use) {
    return use == TcxPaletteUse::Font ? kAutomaticFontColor : kAutomaticColor;
}

}  // namespace

const std::array<std::int32_t, kPaletteSize>& TcxXLSPalette::DefaultColors() {
    return kDefaultPalette;
}

TcxXLSPalette::TcxXLSPalette() : colors_(kDefaultPalette) {}

std::uint16_t TcxXLSPalette::PaletteIndex(std::int32_t color, TcxPaletteUse use) {
    if (use == TcxPaletteUse::Font && color == 0)
        return kAutomaticFontColor;
    if (use == TcxPaletteUse::Fill && color == ExportWindowColor())
        return kAutomaticColor;
    if (use == TcxPaletteUse::Edge && color == 0)
        return kAutomaticColor;

    for (int i = kPaletteSize - 1; i >= 0; --i) {
        if (colors_[static_cast<std::size_t>(i)] != color)
            continue;
        if (i > cursor_)
            return static_cast<std::uint16_t>(i + kFirstPaletteIndex);
        std::swap(colors_[static_cast<std::size_t>(i)], colors_[static_cast<std::size_t>(cursor_)]);
        return static_cast<std::uint16_t>(cursor_-- + kFirstPaletteIndex);
    }
    if (cursor_ < 0)
        return fallBack(use);
    colors_[static_cast<std::size_t>(cursor_)] = color;
    return static_cast<std::uint16_t>(cursor_-- + kFirstPaletteIndex);
}

}  // namespace cx::detail
