#pragma once
// The export of a table view: a header line, one line per record the view shows (with
// group rows, group footers, previews, master rows and the footer where the view has
// them), the column widths, and the closing edges.

#include <string>
#include <utility>
#include <vector>

#include "gridexport/ExportTableMap.h"
#include "gridexport/GridCustomExport.h"

namespace cx {

class TcxGridTableViewExport : public TcxGridCustomExport {
  public:
    TcxGridTableViewExport(const std::string& fileName, int exportType,
                           platform::grid::TcxCustomGridView& view, platform::grid::TcxGrid& grid);

    void Export() override;
    void Prepare() override;

    const TcxGridExportTableMap& ColumnMap() const { return map_; }

  protected:
    using Record = platform::grid::TcxGridViewRecord;
    using Column = platform::grid::TcxGridColumn;

    enum class LineKind { Header = 0, Data = 1, Footer = 2, GroupFooter = 3 };

    static constexpr int kGroupIndentWidth = 16;  // pixels per grouping level
    static constexpr int kButtonColumnWidth = 17;

    virtual void BuildHeaderMap();
    virtual void ExportLine(int row, size_t recordIndex, LineKind kind, int level);
    virtual int LinesPerRecord() { return 1; }
    virtual int DetailButtonWidth() const { return 16; }
    virtual void GetPreviewStyle(const Record* record, TcxExportCellStyle& style);
    virtual void GetContentStyle(const Record* record, const Column& column,
                                 TcxExportCellStyle& style);

    void RegisterDefaultStyle() override;
    int CountRows() override;
    void ExportBody() override;

    // The row walker: header, records, group footers, footer, closing bottom edge.
    void ExportRows(int startRow);
    std::string CellDisplayText(const Column& column, const Record& record) const;
    TcxExportValue CellTypedValue(const Column& column, const Record& record) const;
    void CollectSelection();
    void ExpandSelected();

    // Cell styles built from the grid's look.
    void HeaderStyle(const Column& column, TcxExportCellStyle& style);
    void FooterStyle(const Record* record, int level, const Column& column,
                     TcxExportCellStyle& style);
    void EmptyFooterStyle(const Record* record, int level, TcxExportCellStyle& style);
    void GroupRowStyle(const Record* record, int level, TcxExportCellStyle& style);
    void IndentStyle(int level, TcxExportCellStyle& style);
    void ExpandButtonStyle(TcxExportCellStyle& style);
    void DetailCellStyle(const Record* record, TcxExportCellStyle& style);
    void SetGridLineEdges(TcxExportCellStyle& style) const;
    int RegisterStyle(TcxExportCellStyle style) { return Provider().AddStyle(style); }

    void ExportIndent(int count, int row, const Record* record);
    void CloseRightEdge();
    void CloseBottomEdge(int row);

    // Footer cell p (visible position): its value and text.
    std::pair<platform::FieldValue, std::string> FooterValue(int visiblePosition) const;
    std::pair<platform::FieldValue, std::string> GroupFooterValue(size_t recordIndex, int level,
                                                                  int visiblePosition) const;
    // The value, text and style of a footer or group footer cell: the empty footer look
    // when it has neither text nor value.
    void FooterCell(const std::pair<platform::FieldValue, std::string>& footer,
                    const Record* record, int level, const Column& column, TcxExportValue& value,
                    std::string& text, TcxExportCellStyle& style);
    void PutCellValue(int column, int row, LineKind kind, const TcxExportValue& value,
                      const std::string& text);

    bool HorizontalLines() const;
    bool VerticalLines() const;
    bool Office11() const;
    bool DetailsExist() const;
    bool PreviewShown() const;
    int GroupedColumns() const;
    // Records to export with their include flags.
    std::vector<std::pair<size_t, std::uint8_t>> RecordsToExport() const;

    platform::grid::TcxCustomGridTableView& TableView() { return tableView_; }
    const platform::grid::TcxCustomGridTableView& TableView() const { return tableView_; }

    TcxGridExportTableMap map_;
    int columnCount_ = 0;
    int rowCount_ = 0;
    std::vector<Record> records_;

  private:
    void ExportGroupRow(int& row, size_t recordIndex);
    void ExportMasterRow(int& row, size_t recordIndex);
    void ExportDataRow(int& row, size_t recordIndex);
    void ExportPreviewLine(int& row, const Record& record, bool master);
    void WritePendingFooters(int& row, size_t count);
    void ExportButton(int column, int row, bool expanded);
    void AddWithAncestors(size_t index, std::uint8_t flag);
    void AddAncestors(size_t index);
    bool DetailHasSelection(const Record& record) const;

    platform::grid::TcxCustomGridTableView& tableView_;
    std::vector<std::pair<int, size_t>> pendingFooters_;  // (level, record index)
    std::vector<bool> collected_;
};

}  // namespace cx
