// FONT and XF records made from cell styles, and the cell-format pass of Finish.

#include "export/cxExportStyleManager.h"
#include "export/cxXLSExport.h"
#include "platform/CodePage.h"

namespace cx {
namespace {

using detail::TcxPaletteUse;

constexpr std::uint16_t kFirstUserFont = 6;  // after the five fixed fonts (index 4 unused)
constexpr std::uint16_t kFirstUserXf = 17;   // after the seventeen fixed XFs

// XF bits.
constexpr std::uint16_t kXfAllAttributesUsed = 0xFC00;
constexpr std::uint16_t kXfMergedCell = 0x0020;
constexpr std::uint16_t kXfWrapText = 0x0008;  // vertical alignment 0: top

struct XfEdgeSide {
    TcxExportEdgeSide side;
    int styleShift;  // in the border-style word
    int colorShift;  // in the 32-bit border-colour field
};
// XF order: left, right, top, bottom.
constexpr XfEdgeSide kXfEdges[4] = {
    {kEdgeLeft, 0, 0}, {kEdgeRight, 4, 7}, {kEdgeTop, 8, 16}, {kEdgeBottom, 12, 23}};

void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Line style of an edge width: 1 thin, 2 medium, 5 thick.
std::uint32_t lineStyleOf(std::int32_t width) {
    if (width == 2)
        return 2;
    if (width > 2)
        return 5;
    return 1;
}

int pendingSlot(std::uint16_t numberFormat) {
    switch (numberFormat) {
        case 22:
            return 1;
        case 14:
            return 2;
        case 21:
            return 3;
        case 7:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

std::uint16_t TcxXLSExportProvider::MakeFont(const TcxExportCellStyle& style) {
    const std::u16string name =
        platform::multiByteToWide(platform::kAnsiCodePage, FontFaceOf(style));
    detail::TcxByteStream data;
    data.U16(static_cast<std::uint16_t>(style.PointSize * 20));  // twips
    std::uint16_t flags = 0;
    if (style.FontFlags & kFontItalic)
        flags |= 0x0002;
    if (style.FontFlags & kFontStrikeOut)
        flags |= 0x0008;
    data.U16(flags);
    data.U16(palette_.PaletteIndex(style.TextColor, TcxPaletteUse::Font));
    data.U16((style.FontFlags & kFontBold) ? 700 : 400);
    data.U16(0);  // escapement
    data.U8((style.FontFlags & kFontUnderline) ? 1 : 0);
    data.U8(0);  // family
    data.U8(static_cast<std::uint8_t>(style.CharacterSet));
    data.U8(0);
    data.U8(static_cast<std::uint8_t>(name.size()));
    data.U8(1);  // UTF-16 name
    data.Utf16(name);
    const auto& bytes = data.Buffer();
    return static_cast<std::uint16_t>(fontRecords_.AddUnique(bytes.data(), bytes.size()) +
                                      kFirstUserFont);
}

std::uint16_t TcxXLSExportProvider::MakeXf(const TcxExportCellStyle& style,
                                           std::uint16_t numberFormat, bool merged) {
    std::array<std::uint8_t, detail::kXfLength> data = detail::DefaultCellXfData();
    put16(&data[0], MakeFont(style));
    put16(&data[2], numberFormat);
    put16(&data[8],
          static_cast<std::uint16_t>(kXfAllAttributesUsed | (merged ? kXfMergedCell : 0)));
    put16(&data[6], static_cast<std::uint16_t>((style.Alignment + 1) | kXfWrapText));

    std::uint32_t lineStyles = 0;
    std::uint32_t lineColors = 0;
    for (const XfEdgeSide& side : kXfEdges) {
        const TcxExportEdge edge = style.Edges[side.side];
        if (edge.Omitted || edge.LineWidth <= 0)
            continue;
        lineStyles |= lineStyleOf(edge.LineWidth) << side.styleShift;
        const std::uint32_t color = palette_.PaletteIndex(edge.LineColor, TcxPaletteUse::Edge);
        lineColors |= (color & 0x7F) << side.colorShift;
    }
    put16(&data[10], static_cast<std::uint16_t>(lineStyles));
    put32(&data[12], lineColors);

    if (style.FillPattern != 0) {
        const std::uint16_t fill = palette_.PaletteIndex(style.FillColor, TcxPaletteUse::Fill);
        const std::uint16_t pattern = fill == detail::kAutomaticColor ? 0 : style.FillPattern;
        put16(&data[16], static_cast<std::uint16_t>((pattern & 0x3F) << 10));
        put16(&data[18],
              static_cast<std::uint16_t>((fill & 0x7F) | (detail::kAutomaticBackground << 7)));
    }
    return static_cast<std::uint16_t>(formatRecords_.AddUnique(data.data(), data.size()) +
                                      kFirstUserXf);
}

// Making an XF for a style changes the palette only the first time (its colours then sit
// above the palette cursor for good), so the answer for a style and number format can be
// reused for every further cell.
std::uint16_t TcxXLSExportProvider::XfForCell(int styleIndex, std::size_t cellIndex, bool merged) {
    const std::uint16_t numberFormat = detail::PendingNumberFormat(cellStore_.At(cellIndex).Kind);
    cellStore_.ResolvePending(cellIndex);
    const TcxExportCellStyle& style = styleRegistry_->Entry(styleIndex);
    if (merged)
        return MakeXf(style, numberFormat, true);

    const auto slotIndex = static_cast<std::size_t>(styleIndex);
    if (xfCache_.size() <= slotIndex)
        xfCache_.resize(slotIndex + 1, {-1, -1, -1, -1, -1});
    std::int32_t& cached = xfCache_[slotIndex][static_cast<std::size_t>(pendingSlot(numberFormat))];
    if (cached < 0)
        cached = MakeXf(style, numberFormat, false);
    return static_cast<std::uint16_t>(cached);
}

// Every unmerged cell gets its final XF, in storage order (column by column).
void TcxXLSExportProvider::FormatCells() {
    if (formatted_)
        return;
    formatted_ = true;
    for (std::size_t i = 0; i < cellStore_.Count(); ++i) {
        detail::TcxXLSCell& cell = cellStore_.At(i);
        if (cell.Merged || cell.Format < detail::kStyleFormatBase)
            continue;
        const int styleIndex = cell.Format - detail::kStyleFormatBase;
        cell.Format = XfForCell(styleIndex, i, false);
    }
}

}  // namespace cx
