#pragma once
// The cells of the prepared sheet, column by column, each holding what its BIFF cell
// record will be: kind, data length, format word and value. Texts in the cell (LABEL)
// live in one shared byte pool.

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "export/detail/cxXLSByteStream.h"

namespace cx::detail {

enum class TcxCellKind : std::uint8_t {
    Blank,
    Number,
    Label,
    LabelSst,
    BoolErr,
    // A number whose format is decided when the cell's XF is made.
    PendingDateTime,
    PendingDate,
    PendingTime,
    PendingCurrency,
};

// The built-in number format of a pending kind (0 for the others).
std::uint16_t PendingNumberFormat(TcxCellKind kind);

constexpr std::uint16_t kRecordBlank = 0x0201;
constexpr std::uint16_t kRecordNumber = 0x0203;
constexpr std::uint16_t kRecordLabel = 0x0204;
constexpr std::uint16_t kRecordLabelSst = 0x00FD;
constexpr std::uint16_t kRecordBoolErr = 0x0205;

// The format word of a cell before Finish: style index + 16.
constexpr std::uint16_t kStyleFormatBase = 16;

struct TcxXLSCell {
    std::uint64_t Value;   // float bits, SST index, pool offset of the LABEL text, Boolean
    std::uint16_t Format;  // style index + 16 until the XF is made, then the XF index
    std::uint16_t Length;  // data length of the record
    TcxCellKind Kind;
    bool Merged;
};
static_assert(sizeof(TcxXLSCell) == 16);

class TcxXLSCellsData {
  public:
    // Creates every cell as BLANK with style 0.
    void Prepare(int columns, int rows);
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    std::size_t Count() const { return cells_.size(); }
    std::size_t IndexOf(int column, int row) const {
        return static_cast<std::size_t>(column) * static_cast<std::size_t>(rows_) +
               static_cast<std::size_t>(row);
    }
    TcxXLSCell& At(std::size_t index) { return cells_[index]; }
    const TcxXLSCell& At(std::size_t index) const { return cells_[index]; }

    void SetNumber(std::size_t index, double value);
    void SetPending(std::size_t index, TcxCellKind kind, double value);
    void SetBoolean(std::size_t index, bool value);
    void SetSharedString(std::size_t index, std::uint32_t sstIndex);
    // LABEL with 8-bit characters (ASCII) or with UTF-16 characters.
    void SetLabel8(std::size_t index, std::string_view bytes);
    void SetLabel16(std::size_t index, std::u16string_view text);
    // Turns a pending kind into the NUMBER it is written as.
    void ResolvePending(std::size_t index);

    // Marks a cell of a merged range with the style the range was merged with.
    void MarkMerged(std::size_t index, int styleIndex, std::uint16_t xf);
    int MergedStyle(std::size_t index) const;

    // Sum over all cells of 4 + the record's data length.
    std::uint64_t RecordsSize() const { return recordsSize_; }
    // Every cell record, column by column, top to bottom.
    void WriteRecords(TcxByteStream& out) const;
    // The bytes of a cell's LABEL after the format word: count, flags, characters.
    std::string_view LabelPayload(std::size_t index) const;

  private:
    void SetKind(std::size_t index, TcxCellKind kind, std::uint16_t length);

    int columns_ = 0;
    int rows_ = 0;
    std::vector<TcxXLSCell> cells_;
    std::vector<std::uint8_t> labelPool_;
    std::unordered_map<std::size_t, int> mergedStyles_;
    std::uint64_t recordsSize_ = 0;
};

}  // namespace cx::detail
