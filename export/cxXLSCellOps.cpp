// The cell-side operations of the Excel provider: sheet size, values, texts, styles,
// merged ranges, column widths and row heights.

#include <algorithm>
#include <cmath>

#include "export/cxExportStyleManager.h"
#include "export/cxXLSExport.h"

namespace cx {
namespace {

constexpr std::size_t kMaxLabel8Chars = 255;   // ASCII text kept in the cell
constexpr std::size_t kMaxLabel16Chars = 127;  // other text kept in the cell
constexpr double kColumnWidthPerPixel = 36.6;  // 1/256 of a character per pixel at 96 dpi
constexpr double kTwipsPerPixel = 20.0;
constexpr double kRowPixelRatio = 1.325;
constexpr int kLastMergeColumn = 255;
constexpr int kLastMergeRow = 65535;

template <typename Text>
Text withoutCR(Text text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Rounding to the nearest integer, halves to the even neighbour (the default mode).
int roundHalfEven(double value) {
    const double r = std::nearbyint(value);
    if (!(r < 2e9))
        return 2000000000;
    if (!(r > -2e9))
        return -2000000000;
    return static_cast<int>(r);
}

}  // namespace

bool TcxXLSExportProvider::CellCheck(int column, int row) const {
    if (sheetColumns_ < 0)
        throw EcxExportData(MessageLookup(TcxExportMessage::InvalidCellDimension));
    return column >= 0 && column < sheetColumns_ && row >= 0 && row < sheetRows_;
}

void TcxXLSExportProvider::CheckStyleIndex(int styleIndex) const {
    styleRegistry_->Entry(styleIndex);  // EListError for an unknown index
}

void TcxXLSExportProvider::PrepareSheet(int columnCount, int rowCount, bool showGridLines) {
    if (sheetColumns_ >= 0)
        throw EcxExportData(MessageLookup(TcxExportMessage::SheetAlreadyPrepared));
    if (columnCount > kMaxSheetColumns) {
        throw EcxExportData(FormatExportMessage(TcxExportMessage::TooManySheetColumns,
                                                std::to_string(columnCount),
                                                std::to_string(kMaxSheetColumns)));
    }
    if (rowCount > kMaxSheetRows) {
        throw EcxExportData(FormatExportMessage(TcxExportMessage::TooManySheetRows,
                                                std::to_string(rowCount),
                                                std::to_string(kMaxSheetRows)));
    }
    if (columnCount < 1 || rowCount < 1) {
        throw EcxExportData(FormatExportMessage(TcxExportMessage::InvalidSheetSize,
                                                std::to_string(columnCount),
                                                std::to_string(rowCount)));
    }
    sheetColumns_ = columnCount;
    sheetRows_ = rowCount;
    gridLinesShown_ = showGridLines;
    cellStore_.Prepare(columnCount, rowCount);
}

void TcxXLSExportProvider::PutNumber(int column, int row, double value) {
    if (!CellCheck(column, row))
        return;
    cellStore_.SetNumber(cellStore_.IndexOf(column, row), value);
}

void TcxXLSExportProvider::PutInteger(int column, int row, std::int32_t value) {
    PutNumber(column, row, static_cast<double>(value));
}

void TcxXLSExportProvider::PutText(int column, int row, std::string_view text) {
    if (!CellCheck(column, row) || text.empty())
        return;
    const std::size_t n = text.size();
    const std::size_t cell = cellStore_.IndexOf(column, row);
    const std::string bytes = withoutCR(std::string(text));
    if (!HasNonAsciiChar(text)) {
        if (n <= kMaxLabel8Chars) {
            cellStore_.SetLabel8(cell, bytes);
        } else {
            cellStore_.SetSharedString(
                cell, sharedStrings_.AddString(std::u16string(bytes.begin(), bytes.end())));
        }
        return;
    }
    // The text is read in the code page of the cell's font, so styles come first.
    const std::u16string wide = AnsiToWideByCharset(bytes, StyleOfCell(column, row)->CharacterSet);
    if (n <= kMaxLabel16Chars) {
        cellStore_.SetLabel16(cell, wide);
    } else {
        cellStore_.SetSharedString(cell, sharedStrings_.AddString(wide));
    }
}

void TcxXLSExportProvider::PutWideText(int column, int row, std::u16string_view text) {
    if (!CellCheck(column, row) || text.empty())
        return;
    const std::size_t cell = cellStore_.IndexOf(column, row);
    const std::u16string wide = withoutCR(std::u16string(text));
    if (text.size() <= kMaxLabel16Chars) {
        cellStore_.SetLabel16(cell, wide);
    } else {
        cellStore_.SetSharedString(cell, sharedStrings_.AddString(wide));
    }
}

// A date-time value: days since 30 December 1899 plus the fraction of the day. Excel
// counts a 29 February 1900 that never was, so days before 1 March 1900 move back one.
void TcxXLSExportProvider::PutDateTime(int column, int row, double value) {
    if (!CellCheck(column, row))
        return;
    const double whole = std::trunc(value);
    if (whole != 0 && whole <= 60)
        value -= 1;
    detail::TcxCellKind kind = detail::TcxCellKind::PendingDateTime;
    if (std::trunc(value) == 0) {
        kind = detail::TcxCellKind::PendingTime;
    } else if (value - std::trunc(value) == 0) {
        kind = detail::TcxCellKind::PendingDate;
    }
    cellStore_.SetPending(cellStore_.IndexOf(column, row), kind, value);
}

void TcxXLSExportProvider::PutCurrency(int column, int row, double amount) {
    if (!CellCheck(column, row))
        return;
    cellStore_.SetPending(cellStore_.IndexOf(column, row), detail::TcxCellKind::PendingCurrency,
                          amount);
}

void TcxXLSExportProvider::PutValue(int column, int row, const TcxExportValue& value) {
    switch (value.VarType()) {
        case TcxVarType::SmallInt:
        case TcxVarType::Integer:
        case TcxVarType::ShortInt:
        case TcxVarType::Byte:
        case TcxVarType::Word:
        case TcxVarType::LongWord:
            PutInteger(column, row, static_cast<std::int32_t>(value.AsInteger()));
            break;
        case TcxVarType::Single:
        case TcxVarType::Double:
            PutNumber(column, row, value.AsDouble());
            break;
        case TcxVarType::Int64:
            PutNumber(column, row, static_cast<double>(value.AsInteger()));
            break;
        case TcxVarType::Currency:
            PutCurrency(column, row, static_cast<double>(value.AsInteger()) / 10000.0);
            break;
        case TcxVarType::Date:
            PutDateTime(column, row, value.AsDouble());
            break;
        case TcxVarType::TimeStamp:
            PutDateTime(column, row, TimeStampToDateTime(value.AsTimeStamp()));
            break;
        case TcxVarType::OleStr:
            PutWideText(column, row, value.AsWideString());
            break;
        case TcxVarType::String:
            PutText(column, row, withoutCR(value.AsString()));
            break;
        case TcxVarType::Boolean:
            if (CellCheck(column, row)) {
                cellStore_.SetBoolean(cellStore_.IndexOf(column, row), value.AsInteger() != 0);
            }
            break;
        case TcxVarType::Bcd: {
            std::int64_t scaled = 0;
            double number = 0;
            if (BcdToCurrency(value.AsString(), scaled)) {
                PutCurrency(column, row, static_cast<double>(scaled) / 10000.0);
            } else if (BcdToDouble(value.AsString(), number)) {
                PutNumber(column, row, number);
            }
            break;
        }
        default:
            break;  // empty, null, error: the cell keeps its record
    }
}

const TcxExportCellStyle* TcxXLSExportProvider::StyleOfCell(int column, int row) {
    if (!CellCheck(column, row))
        return nullptr;
    const std::size_t cell = cellStore_.IndexOf(column, row);
    const detail::TcxXLSCell& record = cellStore_.At(cell);
    if (record.Merged)
        return &styleRegistry_->Entry(cellStore_.MergedStyle(cell));
    const int index =
        record.Format <= detail::kStyleFormatBase ? 0 : record.Format - detail::kStyleFormatBase;
    return &styleRegistry_->Entry(index);
}

const TcxExportCellStyle& TcxXLSExportProvider::StyleAt(int index) {
    return styleRegistry_->Entry(index);
}

int TcxXLSExportProvider::AddStyle(TcxExportCellStyle& style) {
    return styleRegistry_->Intern(style);
}

void TcxXLSExportProvider::AddBaseStyle(TcxExportCellStyle& style) {
    styleRegistry_->Intern(style);
}

void TcxXLSExportProvider::ApplyStyle(int column, int row, int styleIndex) {
    if (!CellCheck(column, row))
        return;
    CheckStyleIndex(styleIndex);
    detail::TcxXLSCell& cell = cellStore_.At(cellStore_.IndexOf(column, row));
    if (cell.Merged)
        return;
    cell.Format = static_cast<std::uint16_t>(styleIndex + detail::kStyleFormatBase);
}

void TcxXLSExportProvider::ApplyStyleRecord(int column, int row, TcxExportCellStyle& style) {
    if (!CellCheck(column, row))
        return;
    ApplyStyle(column, row, AddStyle(style));
}

void TcxXLSExportProvider::CopyCellStyle(int column, int row, int sourceColumn, int sourceRow) {
    if (!CellCheck(sourceColumn, sourceRow))
        return;
    TcxExportCellStyle style = *StyleOfCell(sourceColumn, sourceRow);
    ApplyStyleRecord(column, row, style);
}

void TcxXLSExportProvider::AddMerge(int column, int row, int rowCount, int columnCount) {
    if (column < 0 || row < 0 || column >= kMaxSheetColumns || row >= kMaxSheetRows ||
        rowCount < 1 || columnCount < 1) {
        return;
    }
    columnCount = std::min(columnCount, kMaxSheetColumns - column);
    rowCount = std::min(rowCount, kMaxSheetRows - row);
    mergedRanges_.push_back({static_cast<std::uint16_t>(row),
                             static_cast<std::uint16_t>(row + rowCount - 1),
                             static_cast<std::uint16_t>(column & 0xFF),
                             static_cast<std::uint16_t>((column + columnCount - 1) & 0xFF)});
}

// A merged range stays inside the prepared sheet: cells outside it are never touched and
// the range written is cut to it.
void TcxXLSExportProvider::MergeWithStyle(int column, int row, int rowCount, int columnCount,
                                          int styleIndex) {
    if (column >= kLastMergeColumn || row >= kLastMergeRow)
        return;
    if (!CellCheck(column, row) || rowCount < 1 || columnCount < 1)
        return;
    CheckStyleIndex(styleIndex);
    columnCount = std::min({columnCount, kMaxSheetColumns - column, sheetColumns_ - column});
    rowCount = std::min({rowCount, kMaxSheetRows - row, sheetRows_ - row});
    if (rowCount == 1 && columnCount == 1) {
        ApplyStyle(column, row, styleIndex);
        return;
    }
    AddMerge(column, row, rowCount, columnCount);
    const std::uint16_t xf = XfForCell(styleIndex, cellStore_.IndexOf(column, row), true);
    for (int c = column; c < column + columnCount; ++c) {
        for (int r = row; r < row + rowCount; ++r) {
            cellStore_.MarkMerged(cellStore_.IndexOf(c, r), styleIndex, xf);
        }
    }
}

void TcxXLSExportProvider::DefineColumnWidth(int column, int pixels) {
    if (column < 0 || column >= kMaxSheetColumns)
        return;
    const int width = std::clamp(roundHalfEven(pixels * kColumnWidthPerPixel / ScreenScale()), 0,
                                 kMaxColumnWidth);
    const auto data =
        detail::ColInfoData(static_cast<std::uint16_t>(column), static_cast<std::uint16_t>(width));
    columnRecords_.Append(data.data(), data.size());
}

void TcxXLSExportProvider::DefineRowHeight(int row, int pixels) {
    if (row < 0 || row >= kMaxSheetRows - 1)
        return;
    const int height =
        std::clamp(roundHalfEven(pixels * kTwipsPerPixel / (ScreenScale() * kRowPixelRatio)), 0,
                   kMaxRowHeight);
    const auto data =
        detail::RowData(static_cast<std::uint16_t>(row), static_cast<std::uint16_t>(height));
    rowRecords_.Append(data.data(), data.size());
}

void TcxXLSExportProvider::PutPicture(int, int, const TcxExportPicture*) {}

}  // namespace cx
