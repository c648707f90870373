#include "gridexport/BandedTableViewExport.h"

#include <algorithm>

#include "gridexport/ExportStyles.h"

namespace cx {

using namespace platform::grid;

// ---- band map ----

void TcxGridExportBandMap::AddBandFromItem(const TcxGridExportTableMapItem& item,
                                           const TcxGridBand* band) {
    items_.push_back({item.Column, item.RowSpan - 1, item.ColumnSpan, item.RowSpan, item.Caption});
    bands_.push_back(band);
}

int TcxGridExportBandMap::IndexOfBand(const TcxGridBand* band) const {
    for (size_t i = 0; i < bands_.size(); ++i) {
        if (bands_[i] == band)
            return static_cast<int>(i);
    }
    return -1;
}

bool TcxGridExportBandMap::AddParentBand(const TcxGridBandedTableView& view,
                                         const TcxGridBand& band) {
    const auto children = view.visibleChildBands(band.Index);
    if (children.empty() || IndexOfBand(&band) >= 0)
        return false;
    int span = 0;
    for (const TcxGridBand* child : children) {
        const int index = IndexOfBand(child);
        if (index < 0)
            return false;
        span += items_[static_cast<size_t>(index)].ColumnSpan;
    }
    const TcxGridExportBandMapItem& first =
        items_[static_cast<size_t>(IndexOfBand(children.front()))];
    items_.push_back({first.Column, first.Level + 1, span, 1, band.Caption});
    bands_.push_back(&band);
    return true;
}

// ---- the export ----

TcxGridBandedTableViewExport::TcxGridBandedTableViewExport(const std::string& fileName,
                                                           int exportType, TcxCustomGridView& view,
                                                           TcxGrid& grid)
    : TcxGridTableViewExport(fileName, exportType, view, grid),
      bandedView_(dynamic_cast<TcxGridBandedTableView&>(view)) {}

int TcxGridBandedTableViewExport::BandExportWidth(size_t position) const {
    if (position == 0 && firstBandWidthOverride_ >= 0)
        return firstBandWidthOverride_;
    return bandedView_.bandWidth(bottomBands_[position]->Index);
}

void TcxGridBandedTableViewExport::BuildHeaderMap() {
    bottomBands_ = bandedView_.bottomBandsInDisplayOrder();
    const int rows = bandedView_.columnRowCount();
    auto rowOf = [rows](const TcxGridBandedColumn* column) {
        return static_cast<size_t>(std::clamp(column->Position.RowIndex, 0, rows - 1));
    };
    std::vector<int> positions;

    int x = 0;
    for (size_t i = 0; i < bottomBands_.size(); ++i) {
        positions.assign(static_cast<size_t>(rows), x);
        for (const TcxGridBandedColumn* column : bandedView_.bandColumns(bottomBands_[i]->Index)) {
            positions[rowOf(column)] += column->Width;
            map_.AddBoundary(positions[rowOf(column)]);
        }
        const int indentArea = kGroupIndentWidth * GroupedColumns();
        if (i == 0 && indentArea >= bandedView_.bandWidth(bottomBands_[i]->Index)) {
            firstBandWidthOverride_ = indentArea + (DetailsExist() ? DetailButtonWidth() : 1);
        }
        x += BandExportWidth(i);
        map_.AddBoundary(x);
    }
    if (!bottomBands_.empty() && !bandedView_.columnsInDisplayOrder().empty()) {
        for (int k = 1; k <= GroupedColumns(); ++k)
            map_.AddBoundary(kGroupIndentWidth * k);
        if (DetailsExist())
            map_.AddBoundary(kGroupIndentWidth * GroupedColumns() + DetailButtonWidth());
    }

    x = 0;
    for (size_t i = 0; i < bottomBands_.size(); ++i) {
        positions.assign(static_cast<size_t>(rows), x);
        for (const TcxGridBandedColumn* column : bandedView_.bandColumns(bottomBands_[i]->Index)) {
            int& position = positions[rowOf(column)];
            map_.AddItem(position, std::max(0, column->Position.RowIndex), column->caption(),
                         column->Index(), std::max(1, column->Position.LineCount), column->Width);
            position += column->Width;
        }
        const int width = BandExportWidth(i);
        map_.AddBandItem(x, width, bottomBands_[i]->Caption, bottomBands_[i]->Index,
                         bandedView_.bandCaptionRowSpan(*bottomBands_[i]));
        x += width;
    }

    for (size_t i = 0; i < bottomBands_.size(); ++i) {
        bandMap_.AddBandFromItem(map_.BandLine().Item(static_cast<int>(i)), bottomBands_[i]);
    }
    for (const TcxGridBand* band : bottomBands_) {
        for (int parent = band->Position.BandIndex; parent >= 0;) {
            const TcxGridBand& parentBand = bandedView_.Bands(parent);
            if (!bandMap_.AddParentBand(bandedView_, parentBand))
                break;
            parent = parentBand.Position.BandIndex;
        }
    }
}

int TcxGridBandedTableViewExport::BandPositionOfColumn(int column) const {
    const TcxGridExportTableMapLine& line = map_.BandLine();
    for (int p = 0; p < line.ItemCount(); ++p) {
        const TcxGridExportTableMapItem item = line.Item(p);
        if (column >= item.Column && column < item.Column + item.ColumnSpan)
            return p;
    }
    return -1;
}

int TcxGridBandedTableViewExport::CountRows() {
    if (cachedRowCount_ < 0) {
        cachedRowCount_ =
            (bandedView_.OptionsView.BandHeaders ? bandedView_.bandHeaderRowCount() : 0) +
            TcxGridTableViewExport::CountRows();
    }
    return cachedRowCount_;
}

void TcxGridBandedTableViewExport::ExportBody() {
    RegisterDefaultStyle();
    if (!ExportAllRows)
        CollectSelection();
    if (bottomBands_.empty())
        return;
    if (!ExportAllRows && RecordsList.empty() && !bandedView_.OptionsView.Header &&
        !bandedView_.OptionsView.Footer) {
        return;
    }
    const bool hasColumns = !bandedView_.columnsInDisplayOrder().empty();
    columnCount_ = map_.ColumnCount();
    rowCount_ = hasColumns ? CountRows() : 1;
    if (columnCount_ > 0 && rowCount_ > 0)
        Provider().PrepareSheet(columnCount_, rowCount_, false);
    for (int c = 0; c < map_.ColumnCount(); ++c)
        Provider().DefineColumnWidth(c, map_.ColumnWidth(c));

    // Columns of no width, or no line at all: the sheet was not prepared, nothing fits it.
    if (columnCount_ == 0 || rowCount_ == 0)
        return;
    int row = 0;
    ExportBandHeaders(row);
    if (!hasColumns)
        return;

    // Cells no column header covers keep the band's background.
    for (int c = 0; c < columnCount_; ++c) {
        for (int j = row; j < row + LinesPerRecord(); ++j) {
            TcxExportCellStyle style;
            BandBackgroundStyle(BandPositionOfColumn(c), style);
            Provider().ApplyStyle(c, j, RegisterStyle(style));
        }
    }
    if (!bandLastColumnsDone_) {
        bandLastColumns_.assign(static_cast<size_t>(columnCount_), false);
        for (int a = 1; a < columnCount_; ++a) {
            if (BandPositionOfColumn(a - 1) < BandPositionOfColumn(a)) {
                bandLastColumns_[static_cast<size_t>(a - 1)] = true;
            }
        }
        bandLastColumnsDone_ = true;
    }
    ExportRows(row);
}

void TcxGridBandedTableViewExport::ExportBandHeaders(int& row) {
    if (!bandedView_.OptionsView.BandHeaders)
        return;
    row += bandedView_.bandHeaderRowCount();
    for (int k = 0; k < bandMap_.ItemCount(); ++k) {
        const TcxGridExportBandMapItem& item = bandMap_.Item(k);
        TcxExportCellStyle style;
        BandHeaderStyle(*bandMap_.Band(k), style);
        const int styleIndex = RegisterStyle(style);
        const int top = row - item.Level - 1;
        Provider().MergeWithStyle(item.Column, top, item.RowSpan, item.ColumnSpan, styleIndex);
        Provider().PutText(item.Column, top, item.Caption);
    }
}

void TcxGridBandedTableViewExport::ExportLine(int row, size_t recordIndex, LineKind kind,
                                              int level) {
    const Record* record = recordIndex < records_.size() ? &records_[recordIndex] : nullptr;
    const int lines = LinesPerRecord();

    // The background of the record's block of lines.
    if (kind != LineKind::Header) {
        for (int c = 0; c < columnCount_; ++c) {
            for (int j = row; j < row + lines; ++j) {
                TcxExportCellStyle style;
                if (kind == LineKind::Data) {
                    BandContentStyle(record, BandPositionOfColumn(c), style);
                } else {
                    FooterAreaStyle(record, level, style);
                }
                Provider().ApplyStyleRecord(c, j, style);
            }
        }
    }

    const bool whenExpanded =
        bandedView_.OptionsView.GroupFooters == TcxGridGroupFootersMode::gfVisibleWhenExpanded;
    const int detailColumn = DetailsExist() ? 1 : 0;
    const int dataIndent = Office11() && level > 0 ? level - 1 : level;
    int footerLevel = level;
    if (whenExpanded && Office11() && footerLevel + 1 == GroupedColumns())
        footerLevel -= 1;

    // Rows already taken in each band (the last slot for cells in no band).
    std::vector<int> offsets(static_cast<size_t>(map_.BandLine().ItemCount()) + 1, 0);
    auto offsetOf = [&](int band) -> int& {
        return offsets[band < 0 ? offsets.size() - 1 : static_cast<size_t>(band)];
    };
    int currentBand = -2;
    int cellRow = row;
    for (int n = 0; n < map_.LineCount(); ++n) {
        const TcxGridExportTableMapLine& line = map_.Line(n);
        for (int q = 0; q < line.ItemCount(); ++q) {
            const TcxGridExportTableMapItem item = line.Item(q);
            const int band = BandPositionOfColumn(item.Column);
            if (band != currentBand || q == 0) {
                cellRow = row + offsetOf(band);
                currentBand = band;
            }
            const Column& column = bandedView_.Columns(item.ColumnIndex);
            const bool leading = q == 0 && band == 0;
            int first = item.Column;
            int count = item.ColumnSpan;
            TcxExportValue value;
            std::string text;
            TcxExportCellStyle style;
            switch (kind) {
                case LineKind::Header:
                    text = item.Caption;
                    HeaderStyle(column, style);
                    break;
                case LineKind::Data:
                    if (leading) {
                        first = level + detailColumn;
                        count = item.ColumnSpan - (level + detailColumn);
                        if (Office11() && level > 0) {
                            first -= 1;
                            count += 1;
                        }
                    }
                    for (int j = cellRow; j < cellRow + item.RowSpan; ++j)
                        ExportIndent(dataIndent, j, record);
                    text = CellDisplayText(column, *record);
                    value = CellTypedValue(column, *record);
                    GetContentStyle(record, column, style);
                    break;
                case LineKind::Footer: {
                    FooterCell(FooterValue(column.VisibleIndex()), record, 0, column, value, text,
                               style);
                    break;
                }
                case LineKind::GroupFooter: {
                    const int indent = whenExpanded ? footerLevel + 1 : level;
                    if (leading) {
                        ExportIndent(whenExpanded ? level + 1 : level, cellRow, record);
                        if (whenExpanded) {
                            first = level + 1;
                            count = item.ColumnSpan - level - 1;
                            if (Office11() && level + 1 == GroupedColumns()) {
                                first -= 1;
                                count += 1;
                            }
                        } else {
                            first = level;
                            count = item.ColumnSpan - level;
                        }
                    }
                    for (int j = cellRow; j < cellRow + item.RowSpan; ++j)
                        ExportIndent(indent, j, record);
                    FooterCell(GroupFooterValue(recordIndex, level, column.VisibleIndex()), record,
                               whenExpanded ? footerLevel : level, column, value, text, style);
                    break;
                }
            }
            const int styleIndex = RegisterStyle(style);
            PutCellValue(first, cellRow, kind, value, text);
            Provider().MergeWithStyle(first, cellRow, item.RowSpan, count, styleIndex);
            offsetOf(band) = std::max(offsetOf(band), cellRow + item.RowSpan - row);
        }
    }
    CloseBlockEdges(row, kind, level);
}

void TcxGridBandedTableViewExport::CloseBlockEdges(int row, LineKind kind, int level) {
    if (kind == LineKind::Header)
        return;
    const int lines = LinesPerRecord();
    const int last = row + lines - 1;
    int start = 0;
    if (kind == LineKind::Data) {
        start = Office11() && level > 0 ? level - 1 : level;
    } else if (kind == LineKind::GroupFooter) {
        start =
            bandedView_.OptionsView.GroupFooters == TcxGridGroupFootersMode::gfVisibleWhenExpanded
                ? level + 1
                : level;
    }
    auto bandLast = [&](int c) {
        return c >= 0 && static_cast<size_t>(c) < bandLastColumns_.size() &&
               bandLastColumns_[static_cast<size_t>(c)];
    };
    for (int c = std::max(start, 0); c < columnCount_; ++c) {
        for (int j = row; j <= last; ++j) {
            const TcxExportCellStyle* current = Provider().StyleOfCell(c, j);
            if (!current)
                continue;
            TcxExportCellStyle style = *current;
            if (kind == LineKind::Data) {
                if (VerticalLines() && bandLast(c))
                    SetEdgeWidth(style, kEdgeRight, 1);
                if (VerticalLines() && c > 0 && bandLast(c - 1))
                    SetEdgeWidth(style, kEdgeLeft, 1);
                if (HorizontalLines() && j == row)
                    SetEdgeWidth(style, kEdgeTop, 1);
                if (HorizontalLines() && j == last)
                    SetEdgeWidth(style, kEdgeBottom, 1);
            } else {
                if (j == row)
                    SetEdgeWidth(style, kEdgeTop, 1);
                if (j == last)
                    SetEdgeWidth(style, kEdgeBottom, 1);
            }
            if (!SameStyle(style, *current))
                Provider().ApplyStyleRecord(c, j, style);
        }
    }
}

// ---- band styles ----

void TcxGridBandedTableViewExport::BandHeaderStyle(const TcxGridBand& band,
                                                   TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::CentredFace);
    style.Alignment = MapAlignment(band.HeaderAlignmentHorz);
    FillFromViewParams(bandedView_.bandHeaderParams(band), style);
}

const TcxGridBand* TcxGridBandedTableViewExport::BottomBandAt(int position) const {
    if (position < 0 || static_cast<size_t>(position) >= bottomBands_.size())
        return nullptr;
    return bottomBands_[static_cast<size_t>(position)];
}

// A column that lies in no band takes the default style.
void TcxGridBandedTableViewExport::BandBackgroundStyle(int bandPosition,
                                                       TcxExportCellStyle& style) {
    const TcxGridBand* band = BottomBandAt(bandPosition);
    if (!band) {
        style = DefaultExportStyle();
        return;
    }
    style = StyleFromPreset(TcxStylePreset::BorderlessGrey);
    FillFromViewParams(bandedView_.bandBackgroundParams(*band), style);
    style.FontFlags = 0;
}

void TcxGridBandedTableViewExport::BandContentStyle(const Record* record, int bandPosition,
                                                    TcxExportCellStyle& style) {
    const TcxGridBand* band = BottomBandAt(bandPosition);
    if (!band) {
        style = DefaultExportStyle();
        return;
    }
    style = StyleFromPreset(TcxStylePreset::Borderless);
    FillFromViewParams(bandedView_.bandContentParams(record, *band), style);
    style.FontFlags = 0;
}

void TcxGridBandedTableViewExport::FooterAreaStyle(const Record* record, int level,
                                                   TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::BorderlessFace);
    FillFromViewParams(bandedView_.footerParams(record, level, nullptr), style);
    style.FontFlags = 0;
}

}  // namespace cx
