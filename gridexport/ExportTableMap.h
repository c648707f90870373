#pragma once
// The column map of an export: pixel positions of header cells become spreadsheet
// columns. Every left and right edge of a header cell is made a column boundary first;
// a cell then covers the export columns between its edges.

#include <string>
#include <utility>
#include <vector>

namespace cx {

struct TcxGridExportTableMapItem {
    int RowSpan = 1;      // record lines the cell covers
    int ColumnIndex = 0;  // the grid column's Index (the band's Index for band items)
    int Column = 0;       // first export column
    std::string Caption;
    int ColumnSpan = 1;  // export columns the cell covers
};

class TcxGridExportTableMapLine {
  public:
    int ItemCount() const { return static_cast<int>(items_.size()); }
    TcxGridExportTableMapItem Item(int index) const {
        return items_.at(static_cast<size_t>(index));
    }
    void add(TcxGridExportTableMapItem item) { items_.push_back(std::move(item)); }

  private:
    std::vector<TcxGridExportTableMapItem> items_;
};

class TcxGridExportTableMap {
  public:
    // Makes x (pixels; negative counts as 0) a column boundary, splitting a column or
    // adding one at the right as needed.
    void AddBoundary(int x);
    // The export column at x: the number of columns left of a boundary; for x beyond the
    // right edge the last column's index.
    int ColumnAt(int x) const;
    // First column and span of the cell from x to x + width.
    std::pair<int, int> ToColumns(int x, int width) const;
    void AddItem(int x, int lineIndex, const std::string& caption, int columnIndex, int rowSpan,
                 int width);
    void AddBandItem(int x, int width, const std::string& caption, int bandIndex, int rowSpan);

    int ColumnCount() const { return static_cast<int>(widths_.size()); }
    int ColumnWidth(int column) const { return widths_.at(static_cast<size_t>(column)); }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    const TcxGridExportTableMapLine& Line(int index) const {
        return lines_.at(static_cast<size_t>(index));
    }
    const TcxGridExportTableMapLine& BandLine() const { return bandLine_; }

  private:
    std::vector<int> widths_;
    std::vector<TcxGridExportTableMapLine> lines_;
    TcxGridExportTableMapLine bandLine_;
};

}  // namespace cx
