#pragma once
// The export of a banded table view: band header lines above the column headers, a
// column map that knows the bands, a line writer that places every cell of a record's
// block of lines, and the band separators.

#include <string>
#include <vector>

#include "gridexport/TableViewExport.h"

namespace cx {

struct TcxGridExportBandMapItem {
    int Column = 0;  // first export column of the caption cell
    int Level = 0;   // band header row counted from the bottom (0 the lowest)
    int ColumnSpan = 1;
    int RowSpan = 1;
    std::string Caption;
};

class TcxGridExportBandMap {
  public:
    void AddBandFromItem(const TcxGridExportTableMapItem& item,
                         const platform::grid::TcxGridBand* band);
    // Adds the parent band over its visible children, when every child is in the map and
    // the parent is not; true when it was added.
    bool AddParentBand(const platform::grid::TcxGridBandedTableView& view,
                       const platform::grid::TcxGridBand& band);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const TcxGridExportBandMapItem& Item(int index) const {
        return items_.at(static_cast<size_t>(index));
    }
    const platform::grid::TcxGridBand* Band(int index) const {
        return bands_.at(static_cast<size_t>(index));
    }
    int IndexOfBand(const platform::grid::TcxGridBand* band) const;

  private:
    std::vector<TcxGridExportBandMapItem> items_;
    std::vector<const platform::grid::TcxGridBand*> bands_;
};

class TcxGridBandedTableViewExport : public TcxGridTableViewExport {
  public:
    TcxGridBandedTableViewExport(const std::string& fileName, int exportType,
                                 platform::grid::TcxCustomGridView& view,
                                 platform::grid::TcxGrid& grid);

    const TcxGridExportBandMap& BandMap() const { return bandMap_; }
    // The position in the band line of the band whose columns hold an export column, -1 for none.
    int BandPositionOfColumn(int column) const;

  protected:
    void BuildHeaderMap() override;
    void ExportLine(int row, size_t recordIndex, LineKind kind, int level) override;
    int LinesPerRecord() override { return bandedView_.columnRowCount(); }
    int CountRows() override;
    void ExportBody() override;

    // Writes the band captions and moves `row` below them.
    void ExportBandHeaders(int& row);

    void BandHeaderStyle(const platform::grid::TcxGridBand& band, TcxExportCellStyle& style);
    void BandBackgroundStyle(int bandPosition, TcxExportCellStyle& style);
    void BandContentStyle(const Record* record, int bandPosition, TcxExportCellStyle& style);
    void FooterAreaStyle(const Record* record, int level, TcxExportCellStyle& style);

  private:
    int BandExportWidth(size_t position) const;
    // The visible bottom band at a position of the band line; none outside it.
    const platform::grid::TcxGridBand* BottomBandAt(int position) const;
    void CloseBlockEdges(int row, LineKind kind, int level);

    platform::grid::TcxGridBandedTableView& bandedView_;
    TcxGridExportBandMap bandMap_;
    std::vector<const platform::grid::TcxGridBand*> bottomBands_;
    int firstBandWidthOverride_ = -1;
    int cachedRowCount_ = -1;
    std::vector<bool> bandLastColumns_;
    bool bandLastColumnsDone_ = false;
};

}  // namespace cx
