#pragma once
// BIFF8 record writers: one function per record, each appending its header and data
// field by field, with its data length as a named constant so the stream size can be
// summed before anything is written.

#include <array>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "export/detail/cxXLSByteStream.h"

namespace cx::detail {

// Largest data length of one BIFF8 record.
constexpr std::size_t kBiffRecordLimit = 8224;

constexpr std::uint16_t kRecordFont = 0x0031;
constexpr std::uint16_t kRecordXf = 0x00E0;
constexpr std::uint16_t kRecordColInfo = 0x007D;
constexpr std::uint16_t kRecordRow = 0x0208;

constexpr std::uint16_t kBofWorkbookGlobals = 0x0005;
constexpr std::uint16_t kBofWorksheet = 0x0010;

// Data lengths of the fixed records.
constexpr std::size_t kBofLength = 16;
constexpr std::size_t kTabIdLength = 2;
constexpr std::size_t kWindow1Length = 18;
constexpr std::size_t kDefaultFontLength = 26;
constexpr std::size_t kXfLength = 20;
constexpr std::size_t kPaletteLength = 226;
constexpr std::size_t kStyleLength = 4;
constexpr std::size_t kBoundSheetFixedLength = 8;  // plus 2 bytes per character of the name
constexpr std::size_t kSupBookLength = 4;
constexpr std::size_t kExternSheetLength = 8;
constexpr std::size_t kDimensionsLength = 14;
constexpr std::size_t kWindow2Length = 18;
constexpr std::size_t kColInfoLength = 11;
constexpr std::size_t kRowLength = 16;

constexpr int kDefaultFontCount = 5;
constexpr int kFixedXfCount = 17;
constexpr int kBuiltInStyleCount = 6;
constexpr int kPaletteSize = 56;
constexpr std::size_t kMaxRangesPerMergedCells = 1024;

constexpr std::size_t framed(std::size_t length) {
    return kRecordHeaderSize + length;
}

// Bytes of the fixed records of the workbook globals (the sheet name's characters aside).
constexpr std::size_t kGlobalsFixedSize =
    framed(kBofLength) + framed(kTabIdLength) + framed(kWindow1Length) +
    kDefaultFontCount * framed(kDefaultFontLength) + kFixedXfCount * framed(kXfLength) +
    framed(kPaletteLength) + kBuiltInStyleCount * framed(kStyleLength) +
    framed(kBoundSheetFixedLength) + framed(kSupBookLength) + framed(kExternSheetLength) +
    framed(0);
// Bytes of the fixed records of the worksheet.
constexpr std::size_t kSheetFixedSize =
    framed(kBofLength) + framed(kDimensionsLength) + framed(kWindow2Length) + framed(0);
static_assert(kGlobalsFixedSize == 920);
static_assert(kSheetFixedSize == 64);

// A merged range as written in MERGEDCELLS.
struct TcxXLSMergedRange {
    std::uint16_t FirstRow;
    std::uint16_t LastRow;
    std::uint16_t FirstColumn;
    std::uint16_t LastColumn;
};

// Bytes of the MERGEDCELLS records for `count` ranges.
std::size_t MergedCellsSize(std::size_t count);

void WriteBof(TcxByteStream& out, std::uint16_t kind);
void WriteTabId(TcxByteStream& out);
void WriteWindow1(TcxByteStream& out);
void WriteDefaultFont(TcxByteStream& out);
void WriteFixedXf(TcxByteStream& out, int index);
// The 56 colours 0x00BBGGRR of colour indexes 8 to 63.
void WritePalette(TcxByteStream& out, const std::array<std::int32_t, kPaletteSize>& palette);
void WriteBuiltInStyles(TcxByteStream& out);
void WriteBoundSheet(TcxByteStream& out, std::uint32_t sheetPosition, std::u16string_view name);
void WriteSupBook(TcxByteStream& out);
void WriteExternSheet(TcxByteStream& out);
void WriteEof(TcxByteStream& out);
void WriteDimensions(TcxByteStream& out, std::int32_t rows, std::int32_t columns);
void WriteWindow2(TcxByteStream& out, bool gridLinesShown);
void WriteMergedCells(TcxByteStream& out, const std::vector<TcxXLSMergedRange>& ranges);

// The data of XF 15, the sheet's default cell format, which every user XF starts from.
std::array<std::uint8_t, kXfLength> DefaultCellXfData();

// COLINFO data: one column, width in 1/256 of a character, XF 15.
std::vector<std::uint8_t> ColInfoData(std::uint16_t column, std::uint16_t width);
// ROW data: height in twips set by hand, XF 15.
std::vector<std::uint8_t> RowData(std::uint16_t row, std::uint16_t heightTwips);

// A list of records of one type, each item its data bytes; position is identity.
class TcxXLSRecordsList {
  public:
    explicit TcxXLSRecordsList(std::uint16_t recordType) : recordType_(recordType) {}

    // The index of an item with equal data, or of the newly appended one.
    int AddUnique(const std::uint8_t* data, std::size_t length);
    int Append(const std::uint8_t* data, std::size_t length);
    void WriteRecords(TcxByteStream& out) const;
    // 4 bytes of header per item plus the data lengths.
    std::size_t RecordsSize() const { return kRecordHeaderSize * items_.size() + dataBytes_; }
    int Count() const { return static_cast<int>(items_.size()); }
    std::uint16_t RecordType() const { return recordType_; }
    std::vector<std::uint8_t> ItemData(int index) const;

  private:
    struct Item {
        std::size_t offset;
        std::uint16_t length;
        std::uint32_t hash;
    };

    std::uint16_t recordType_;
    std::vector<Item> items_;
    std::vector<std::uint8_t> data_;
    std::size_t dataBytes_ = 0;
    // Hash of the data -> indexes of the items with that hash.
    std::unordered_multimap<std::uint32_t, int> byHash_;
};

}  // namespace cx::detail
