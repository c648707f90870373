#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "export/cxExport.h"
#include "export/detail/cxXLSRecords.h"

namespace cx::detail {

// ---------------------------------------------------------------------------
// Byte stream

TcxByteStream::TcxByteStream(int fd, std::string fileName)
    : fd_(fd), fileName_(std::move(fileName)) {
    buffer_.reserve(kFlushSize);
}

void TcxByteStream::Flush() {
    if (fd_ < 0)
        return;
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EWriteError(FormatExportMessage(TcxExportMessage::WriteFailed, fileName_,
                                                  std::strerror(errno)));
        }
        done += static_cast<std::size_t>(n);
    }
    flushed_ += buffer_.size();
    buffer_.clear();
}

// ---------------------------------------------------------------------------
// Fixed records

std::size_t MergedCellsSize(std::size_t count) {
    if (count == 0)
        return 0;
    const std::size_t records = (count + kMaxRangesPerMergedCells - 1) / kMaxRangesPerMergedCells;
    return 8 * count + 6 * records;
}

// BOF: starts the workbook globals or a worksheet; BIFF8, Excel 97 build.
void WriteBof(TcxByteStream& out, std::uint16_t kind) {
    WriteRecordHeader(out, 0x0809, kBofLength);
    out.U16(0x0600);
    out.U16(kind);
    out.U16(0x0DBB);
    out.U16(0x07CC);
    out.U32(0);  // file history flags
    out.U32(6);  // lowest version that can read the file
}

// TABID: the id of the one sheet.
void WriteTabId(TcxByteStream& out) {
    WriteRecordHeader(out, 0x013D, kTabIdLength);
    out.U16(0);
}

// WINDOW1: the workbook window's position and size (twips), tab bar shown.
void WriteWindow1(TcxByteStream& out) {
    WriteRecordHeader(out, 0x003D, kWindow1Length);
    out.U16(0x01E0);
    out.U16(0x0069);
    out.U16(0x42CC);
    out.U16(0x267F);
    out.U16(0x0038);
    out.U16(0);       // active sheet
    out.U16(0);       // first visible tab
    out.U16(1);       // selected tabs
    out.U16(0x0258);  // tab bar width ratio
}

// FONT: 10-point Arial, the font of the fixed formats (indexes 0-3 and 5).
void WriteDefaultFont(TcxByteStream& out) {
    WriteRecordHeader(out, kRecordFont, kDefaultFontLength);
    out.U16(200);  // height in twips
    out.U16(0);
    out.U16(0x7FFF);  // automatic colour
    out.U16(400);     // normal weight
    out.U16(0);       // escapement
    out.U8(0);        // underline
    out.U8(0);        // family
    out.U8(0);        // character set
    out.U8(0);
    out.U8(5);  // name length
    out.U8(1);  // name in UTF-16
    out.Utf16(u"Arial");
}

namespace {

struct FixedXf {
    std::uint16_t font;
    std::uint16_t format;
    std::uint16_t typeProtection;
    std::uint16_t attributes;
};

// XF 0-16: 0-14 style formats, 15 the default cell format, 16 the Comma style.
constexpr FixedXf kFixedXfs[kFixedXfCount] = {
    {0, 0, 0xFFF5, 0x0000}, {1, 0, 0xFFF5, 0xF400},      {1, 0, 0xFFF5, 0xF400},
    {2, 0, 0xFFF5, 0xF400}, {2, 0, 0xFFF5, 0xF400},      {0, 0, 0xFFF5, 0xF400},
    {0, 0, 0xFFF5, 0xF400}, {0, 0, 0xFFF5, 0xF400},      {0, 0, 0xFFF5, 0xF400},
    {0, 0, 0xFFF5, 0xF400}, {0, 0, 0xFFF5, 0xF400},      {0, 0, 0xFFF5, 0xF400},
    {0, 0, 0xFFF5, 0xF400}, {0, 0, 0xFFF5, 0xF400},      {0, 0, 0xFFF5, 0xF400},
    {0, 0, 0x0001, 0x0000}, {1, 0x002B, 0xFFF5, 0xF800},
};

constexpr std::uint16_t kFixedXfAlignment = 0x0020;      // bottom aligned
constexpr std::uint16_t kFixedXfPatternColors = 0x20C0;  // foreground 64, background 65

void putXfData(std::uint8_t* p, const FixedXf& xf) {
    std::memset(p, 0, kXfLength);
    auto put16 = [p](std::size_t at, std::uint16_t v) {
        p[at] = static_cast<std::uint8_t>(v);
        p[at + 1] = static_cast<std::uint8_t>(v >> 8);
    };
    put16(0, xf.font);
    put16(2, xf.format);
    put16(4, xf.typeProtection);
    put16(6, kFixedXfAlignment);
    put16(8, xf.attributes);
    put16(18, kFixedXfPatternColors);
}

}  // namespace

// XF: one of the 17 fixed cell and style formats.
void WriteFixedXf(TcxByteStream& out, int index) {
    std::uint8_t data[kXfLength];
    putXfData(data, kFixedXfs[index]);
    WriteRecordHeader(out, kRecordXf, kXfLength);
    out.Bytes(data, kXfLength);
}

std::array<std::uint8_t, kXfLength> DefaultCellXfData() {
    std::array<std::uint8_t, kXfLength> data{};
    putXfData(data.data(), kFixedXfs[15]);
    return data;
}

// PALETTE: the colours of indexes 8 to 63, each as red, green, blue, 0.
void WritePalette(TcxByteStream& out, const std::array<std::int32_t, kPaletteSize>& palette) {
    WriteRecordHeader(out, 0x0092, kPaletteLength);
    out.U16(kPaletteSize);
    for (std::int32_t color : palette) {
        out.U8(static_cast<std::uint8_t>(color));
        out.U8(static_cast<std::uint8_t>(color >> 8));
        out.U8(static_cast<std::uint8_t>(color >> 16));
        out.U8(0);
    }
}

// STYLE x 6: the built-in styles Comma, Comma [0], Currency, Currency [0], Normal,
// Percent; the high bit of the XF word marks a built-in style.
void WriteBuiltInStyles(TcxByteStream& out) {
    struct BuiltIn {
        std::uint16_t xf;
        std::uint8_t id;
    };
    constexpr BuiltIn kStyles[kBuiltInStyleCount] = {
        {0x8010, 3}, {0x8011, 6}, {0x8010, 4}, {0x8010, 7}, {0x8000, 0}, {0x8010, 5},
    };
    for (const BuiltIn& style : kStyles) {
        WriteRecordHeader(out, 0x0293, kStyleLength);
        out.U16(style.xf);
        out.U8(style.id);
        out.U8(0xFF);  // outline level
    }
}

// BOUNDSHEET: the worksheet's name and the offset of its BOF in the workbook stream.
void WriteBoundSheet(TcxByteStream& out, std::uint32_t sheetPosition, std::u16string_view name) {
    WriteRecordHeader(out, 0x0085,
                      static_cast<std::uint16_t>(kBoundSheetFixedLength + 2 * name.size()));
    out.U32(sheetPosition);
    out.U16(0);  // visible worksheet
    out.U8(static_cast<std::uint8_t>(name.size()));
    out.U8(1);  // UTF-16
    out.Utf16(name);
}

// SUPBOOK: this workbook, with one sheet.
void WriteSupBook(TcxByteStream& out) {
    WriteRecordHeader(out, 0x01AE, kSupBookLength);
    out.U16(1);
    out.U16(0x0401);
}

// EXTERNSHEET: one reference, to the sheet of this workbook.
void WriteExternSheet(TcxByteStream& out) {
    WriteRecordHeader(out, 0x0017, kExternSheetLength);
    out.U16(1);
    out.U16(0);
    out.U16(0);
    out.U16(0);
}

// EOF: ends the globals or the worksheet.
void WriteEof(TcxByteStream& out) {
    WriteRecordHeader(out, 0x000A, 0);
}

// DIMENSIONS: the used area, rows 0 to rows - 1 and columns 0 to columns - 1.
void WriteDimensions(TcxByteStream& out, std::int32_t rows, std::int32_t columns) {
    WriteRecordHeader(out, 0x0200, kDimensionsLength);
    out.U32(0);
    out.I32(rows);
    out.U16(0);
    out.U16(static_cast<std::uint16_t>(columns));
    out.U16(0);
}

// WINDOW2: the sheet window; grid lines on or off, grid in the automatic colour.
void WriteWindow2(TcxByteStream& out, bool gridLinesShown) {
    WriteRecordHeader(out, 0x023E, kWindow2Length);
    out.U16(gridLinesShown ? 0x06B6 : 0x06B4);
    out.U16(0);   // top row
    out.U16(0);   // left column
    out.U16(64);  // grid line colour index
    out.Zeros(10);
}

// MERGEDCELLS: the merged ranges, at most 1024 per record.
void WriteMergedCells(TcxByteStream& out, const std::vector<TcxXLSMergedRange>& ranges) {
    for (std::size_t first = 0; first < ranges.size(); first += kMaxRangesPerMergedCells) {
        const std::size_t count = std::min(kMaxRangesPerMergedCells, ranges.size() - first);
        WriteRecordHeader(out, 0x00E5, static_cast<std::uint16_t>(2 + 8 * count));
        out.U16(static_cast<std::uint16_t>(count));
        for (std::size_t i = first; i < first + count; ++i) {
            out.U16(ranges[i].FirstRow);
            out.U16(ranges[i].LastRow);
            out.U16(ranges[i].FirstColumn);
            out.U16(ranges[i].LastColumn);
        }
    }
}

std::vector<std::uint8_t> ColInfoData(std::uint16_t column, std::uint16_t width) {
    TcxByteStream data;
    data.U16(column);
    data.U16(column);
    data.U16(width);
    data.U16(15);  // XF of the default cell format
    data.U16(0);   // flags
    data.U8(0);
    return data.Buffer();
}

std::vector<std::uint8_t> RowData(std::uint16_t row, std::uint16_t heightTwips) {
    TcxByteStream data;
    data.U16(row);
    data.U16(0);    // first column
    data.U16(256);  // last column + 1
    data.U16(heightTwips);
    data.U16(0);
    data.U16(0);
    data.U16(0x01C0);  // height set by hand, format given, and the always-set bit
    data.U16(15);      // XF of the default cell format
    return data.Buffer();
}

// ---------------------------------------------------------------------------
// Record lists

int TcxXLSRecordsList::AddUnique(const std::uint8_t* data, std::size_t length) {
    const std::uint32_t hash = ExportHash(data, length);
    auto range = byHash_.equal_range(hash);
    for (auto it = range.first; it != range.second; ++it) {
        const Item& item = items_[static_cast<std::size_t>(it->second)];
        if (item.length == length && std::memcmp(data_.data() + item.offset, data, length) == 0) {
            return it->second;
        }
    }
    const int index = Append(data, length);
    items_.back().hash = hash;
    byHash_.emplace(hash, index);
    return index;
}

int TcxXLSRecordsList::Append(const std::uint8_t* data, std::size_t length) {
    items_.push_back({data_.size(), static_cast<std::uint16_t>(length), 0});
    data_.insert(data_.end(), data, data + length);
    dataBytes_ += length;
    return static_cast<int>(items_.size()) - 1;
}

void TcxXLSRecordsList::WriteRecords(TcxByteStream& out) const {
    for (const Item& item : items_) {
        WriteRecordHeader(out, recordType_, item.length);
        out.Bytes(data_.data() + item.offset, item.length);
    }
}

std::vector<std::uint8_t> TcxXLSRecordsList::ItemData(int index) const {
    const Item& item = items_.at(static_cast<std::size_t>(index));
    return std::vector<std::uint8_t>(
        data_.begin() + static_cast<std::ptrdiff_t>(item.offset),
        data_.begin() + static_cast<std::ptrdiff_t>(item.offset + item.length));
}

}  // namespace cx::detail
