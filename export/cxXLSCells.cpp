#include <cstring>

#include "export/detail/cxXLSCells.h"

namespace cx::detail {
namespace {

constexpr std::uint16_t kCellHeadLength = 6;  // row, column, format word
constexpr std::uint16_t kBlankLength = 6;
constexpr std::uint16_t kNumberLength = 14;
constexpr std::uint16_t kLabelSstLength = 10;
constexpr std::uint16_t kBoolErrLength = 8;
constexpr std::uint16_t kLabelFixedLength = 9;  // cell head, count, flags

std::uint64_t doubleBits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double bitsDouble(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

std::uint16_t PendingNumberFormat(TcxCellKind kind) {
    switch (kind) {
        case TcxCellKind::PendingDateTime:
            return 22;  // date and time
        case TcxCellKind::PendingDate:
            return 14;  // short date
        case TcxCellKind::PendingTime:
            return 21;  // time with seconds
        case TcxCellKind::PendingCurrency:
            return 7;  // currency, two decimals
        default:
            return 0;
    }
}

void TcxXLSCellsData::Prepare(int columns, int rows) {
    columns_ = columns;
    rows_ = rows;
    const std::size_t count = static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows);
    cells_.assign(count, TcxXLSCell{0, kStyleFormatBase, kBlankLength, TcxCellKind::Blank, false});
    recordsSize_ = count * (kRecordHeaderSize + kBlankLength);
}

void TcxXLSCellsData::SetKind(std::size_t index, TcxCellKind kind, std::uint16_t length) {
    TcxXLSCell& cell = cells_[index];
    recordsSize_ = recordsSize_ - cell.Length + length;
    cell.Kind = kind;
    cell.Length = length;
}

void TcxXLSCellsData::SetNumber(std::size_t index, double value) {
    SetKind(index, TcxCellKind::Number, kNumberLength);
    cells_[index].Value = doubleBits(value);
}

void TcxXLSCellsData::SetPending(std::size_t index, TcxCellKind kind, double value) {
    SetKind(index, kind, kNumberLength);
    cells_[index].Value = doubleBits(value);
}

void TcxXLSCellsData::SetBoolean(std::size_t index, bool value) {
    SetKind(index, TcxCellKind::BoolErr, kBoolErrLength);
    cells_[index].Value = value ? 1 : 0;
}

void TcxXLSCellsData::SetSharedString(std::size_t index, std::uint32_t sstIndex) {
    SetKind(index, TcxCellKind::LabelSst, kLabelSstLength);
    cells_[index].Value = sstIndex;
}

void TcxXLSCellsData::SetLabel8(std::size_t index, std::string_view bytes) {
    SetKind(index, TcxCellKind::Label,
            static_cast<std::uint16_t>(kLabelFixedLength + bytes.size()));
    cells_[index].Value = labelPool_.size();
    labelPool_.push_back(static_cast<std::uint8_t>(bytes.size()));
    labelPool_.push_back(static_cast<std::uint8_t>(bytes.size() >> 8));
    labelPool_.push_back(0);  // 8-bit characters
    labelPool_.insert(labelPool_.end(), bytes.begin(), bytes.end());
}

void TcxXLSCellsData::SetLabel16(std::size_t index, std::u16string_view text) {
    SetKind(index, TcxCellKind::Label,
            static_cast<std::uint16_t>(kLabelFixedLength + 2 * text.size()));
    cells_[index].Value = labelPool_.size();
    labelPool_.push_back(static_cast<std::uint8_t>(text.size()));
    labelPool_.push_back(static_cast<std::uint8_t>(text.size() >> 8));
    labelPool_.push_back(1);  // UTF-16 characters
    for (char16_t unit : text) {
        labelPool_.push_back(static_cast<std::uint8_t>(unit));
        labelPool_.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

void TcxXLSCellsData::ResolvePending(std::size_t index) {
    if (PendingNumberFormat(cells_[index].Kind) != 0)
        cells_[index].Kind = TcxCellKind::Number;
}

void TcxXLSCellsData::MarkMerged(std::size_t index, int styleIndex, std::uint16_t xf) {
    TcxXLSCell& cell = cells_[index];
    cell.Merged = true;
    cell.Format = xf;
    mergedStyles_[index] = styleIndex;
}

int TcxXLSCellsData::MergedStyle(std::size_t index) const {
    auto found = mergedStyles_.find(index);
    return found == mergedStyles_.end() ? 0 : found->second;
}

std::string_view TcxXLSCellsData::LabelPayload(std::size_t index) const {
    const TcxXLSCell& cell = cells_[index];
    return std::string_view(reinterpret_cast<const char*>(labelPool_.data() + cell.Value),
                            cell.Length - kCellHeadLength);
}

void TcxXLSCellsData::WriteRecords(TcxByteStream& out) const {
    for (int c = 0; c < columns_; ++c) {
        for (int r = 0; r < rows_; ++r) {
            const TcxXLSCell& cell = cells_[IndexOf(c, r)];
            std::uint16_t type = kRecordBlank;
            switch (cell.Kind) {
                case TcxCellKind::Blank:
                    type = kRecordBlank;
                    break;
                case TcxCellKind::Label:
                    type = kRecordLabel;
                    break;
                case TcxCellKind::LabelSst:
                    type = kRecordLabelSst;
                    break;
                case TcxCellKind::BoolErr:
                    type = kRecordBoolErr;
                    break;
                default:
                    type = kRecordNumber;
                    break;  // a number, or one still pending
            }
            WriteRecordHeader(out, type, cell.Length);
            out.U16(static_cast<std::uint16_t>(r));
            out.U16(static_cast<std::uint16_t>(c));
            out.U16(cell.Format);
            switch (cell.Kind) {
                case TcxCellKind::Blank:
                    break;
                case TcxCellKind::Label:
                    out.Bytes(labelPool_.data() + cell.Value, cell.Length - kCellHeadLength);
                    break;
                case TcxCellKind::LabelSst:
                    out.U32(static_cast<std::uint32_t>(cell.Value));
                    break;
                case TcxCellKind::BoolErr:
                    out.U8(static_cast<std::uint8_t>(cell.Value));
                    out.U8(0);  // a Boolean, not an error
                    break;
                default:
                    out.F64(bitsDouble(cell.Value));
                    break;
            }
        }
    }
}

}  // namespace cx::detail
