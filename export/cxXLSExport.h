#pragma once
// The Excel 97-2003 workbook provider (export type 1): collects the cells of one sheet
// and writes them at Finish as a BIFF8 workbook in a compound-document container.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "export/cxExport.h"
#include "export/detail/cxXLSCells.h"
#include "export/detail/cxXLSContainer.h"
#include "export/detail/cxXLSOutputFile.h"
#include "export/detail/cxXLSPalette.h"
#include "export/detail/cxXLSRecords.h"
#include "export/detail/cxXLSSharedStrings.h"

namespace cx {

class TcxExportStyleManager;

// Rows and columns one worksheet holds.
constexpr int kMaxSheetRows = 65536;
constexpr int kMaxSheetColumns = 256;
// Characters of a sheet name.
constexpr std::size_t kMaxSheetNameLength = 31;
// Largest column width in 1/256 of a character (255 characters).
constexpr int kMaxColumnWidth = 65280;
// Largest row height in twips (409.5 points).
constexpr int kMaxRowHeight = 8190;

// Registers the provider class with TcxExport and measures the screen scale. Runs once
// at start-up; calling it again only measures again.
void InitXLSExportModule();
// Screen pixels per inch / 96, at least 1.0; column widths and row heights in pixels are
// divided by it.
double ScreenScale();
void MeasureScreenScale();

// The sheet name of an output file name: the base name without extension, cut to 31
// characters, the characters Excel refuses replaced by "_", "Sheet1" when empty.
std::u16string SheetTitleOf(std::string_view fileName);

class TcxXLSExportProvider final : public TcxCustomExportProvider {
  public:
    static const TcxExportProviderClass& Class();
    static constexpr int ExportTypeNumber() { return kExportTypeXLS; }
    static std::string ExportDescription() { return "Export to MS Excel (*.xls)"; }

    // Creates the output file's temporary stand-in (EFCreateError when it cannot be
    // created) and acquires the style registry of `fileName`.
    explicit TcxXLSExportProvider(std::string_view fileName);

    void Finish() override;
    const TcxExportCellStyle* StyleOfCell(int column, int row) override;
    const TcxExportCellStyle& StyleAt(int index) override;
    int AddStyle(TcxExportCellStyle& style) override;
    void PutNumber(int column, int row, double value) override;
    void PutInteger(int column, int row, std::int32_t value) override;
    void PutText(int column, int row, std::string_view text) override;
    void PutWideText(int column, int row, std::u16string_view text) override;
    void ApplyStyle(int column, int row, int styleIndex) override;
    void CopyCellStyle(int column, int row, int sourceColumn, int sourceRow) override;
    void ApplyStyleRecord(int column, int row, TcxExportCellStyle& style) override;
    void MergeWithStyle(int column, int row, int rowCount, int columnCount,
                        int styleIndex) override;
    void AddMerge(int column, int row, int rowCount, int columnCount) override;
    void PutValue(int column, int row, const TcxExportValue& value) override;
    void DefineColumnWidth(int column, int pixels) override;
    void AddBaseStyle(TcxExportCellStyle& style) override;
    void PrepareSheet(int columnCount, int rowCount, bool showGridLines) override;
    void DefineRowHeight(int row, int pixels) override;
    void PutPicture(int column, int row, const TcxExportPicture* picture) override;
    bool CanPutPicture() override { return false; }

    // Inspection (tests and the benchmark).
    const std::u16string& SheetTitle() const { return sheetTitle_; }
    int SheetColumns() const { return sheetColumns_; }
    int SheetRows() const { return sheetRows_; }
    // The workbook stream's size for the records as they stand (S).
    std::uint64_t StreamSize() const;
    // Runs the cell-format pass and writes the workbook stream (without container).
    void WriteWorkbookStream(detail::TcxByteStream& out);
    const detail::TcxXLSCellsData& CellStore() const { return cellStore_; }
    const detail::TcxXLSRecordsList& FontRecords() const { return fontRecords_; }
    const detail::TcxXLSRecordsList& FormatRecords() const { return formatRecords_; }
    const detail::TcxXLSRecordsList& ColumnRecords() const { return columnRecords_; }
    const detail::TcxXLSRecordsList& RowRecords() const { return rowRecords_; }
    const detail::TcxXLSPalette& Palette() const { return palette_; }
    detail::TcxXLSPalette& Palette() { return palette_; }
    const std::vector<detail::TcxXLSMergedRange>& MergedRanges() const { return mergedRanges_; }
    const detail::TcxXLSSharedStringTable& SharedStrings() const { return sharedStrings_; }
    TcxExportStyleManager& StyleRegistry() { return *styleRegistry_; }
    // FONT and XF making (Finish does it for every cell).
    std::uint16_t MakeFont(const TcxExportCellStyle& style);
    std::uint16_t MakeXf(const TcxExportCellStyle& style, std::uint16_t numberFormat, bool merged);

  private:
    ~TcxXLSExportProvider() override;

    // The cell check: raises before PrepareSheet, false outside the sheet.
    bool CellCheck(int column, int row) const;
    void CheckStyleIndex(int styleIndex) const;
    // The XF of a cell given a style: resolves a pending kind, reuses earlier answers.
    std::uint16_t XfForCell(int styleIndex, std::size_t cellIndex, bool merged);
    void FormatCells();
    void PutDateTime(int column, int row, double value);
    void PutCurrency(int column, int row, double amount);
    void WriteGlobals(detail::TcxByteStream& out, std::uint64_t streamStart);
    void WriteSheet(detail::TcxByteStream& out);
    std::uint64_t GlobalsSize() const;

    std::u16string sheetTitle_;
    std::unique_ptr<detail::TcxXLSOutputFile> outputFile_;
    detail::TcxXLSCellsData cellStore_;
    detail::TcxXLSRecordsList fontRecords_{detail::kRecordFont};
    detail::TcxXLSRecordsList formatRecords_{detail::kRecordXf};
    detail::TcxXLSRecordsList columnRecords_{detail::kRecordColInfo};
    detail::TcxXLSRecordsList rowRecords_{detail::kRecordRow};
    int sheetColumns_ = -1;
    int sheetRows_ = -1;
    bool gridLinesShown_ = false;
    std::vector<detail::TcxXLSMergedRange> mergedRanges_;
    detail::TcxXLSPalette palette_;
    TcxExportStyleManager* styleRegistry_ = nullptr;
    detail::TcxXLSSharedStringTable sharedStrings_;
    detail::TcxXLSWorkBookWriter containerWriter_;
    // XF already made per style index and pending format (0, 22, 14, 21, 7), unmerged.
    std::vector<std::array<std::int32_t, 5>> xfCache_;
    bool formatted_ = false;
};

}  // namespace cx
