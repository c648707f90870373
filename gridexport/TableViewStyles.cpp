// Cell styles of the table view export, built from the grid's look, and the two passes
// that close the right and bottom edges of the exported table.

#include "gridexport/ExportStyles.h"
#include "gridexport/TableViewExport.h"

namespace cx {

using namespace platform::grid;

void TcxGridTableViewExport::SetGridLineEdges(TcxExportCellStyle& style) const {
    const std::int32_t horizontal = HorizontalLines() ? 1 : 0;
    const std::int32_t vertical = VerticalLines() ? 1 : 0;
    SetEdgeWidth(style, kEdgeTop, horizontal);
    SetEdgeWidth(style, kEdgeBottom, horizontal);
    SetEdgeWidth(style, kEdgeLeft, vertical);
    SetEdgeWidth(style, kEdgeRight, vertical);
}

void TcxGridTableViewExport::HeaderStyle(const Column& column, TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Face);
    style.Alignment = MapAlignment(column.HeaderAlignmentHorz);
    FillFromViewParams(TableView().headerParams(column), style);
}

void TcxGridTableViewExport::GetContentStyle(const Record* record, const Column& column,
                                             TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Plain);
    style.Alignment = MapAlignment(column.Properties->Alignment.Horz);
    SetGridLineEdges(style);
    FillFromViewParams(TableView().contentParams(record, &column), style);
}

void TcxGridTableViewExport::FooterStyle(const Record* record, int level, const Column& column,
                                         TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Face);
    style.Alignment = MapAlignment(column.FooterAlignmentHorz);
    FillFromViewParams(TableView().footerParams(record, level, &column), style);
}

void TcxGridTableViewExport::EmptyFooterStyle(const Record* record, int level,
                                              TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Face);
    FillFromViewParams(TableView().footerParams(record, level, nullptr), style);
}

void TcxGridTableViewExport::GroupRowStyle(const Record* record, int level,
                                           TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Face);
    style.Alignment = 0;
    SetGridLineEdges(style);
    FillFromViewParams(TableView().groupParams(record, level), style);
}

void TcxGridTableViewExport::IndentStyle(int level, TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::OpenTopAndBottom);
    if (!HorizontalLines()) {
        SetEdgeWidth(style, kEdgeLeft, 0);
        SetEdgeWidth(style, kEdgeRight, 0);
    }
    FillFromViewParams(TableView().groupParams(nullptr, level), style);
}

void TcxGridTableViewExport::ExpandButtonStyle(TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::CentredFace);
}

void TcxGridTableViewExport::DetailCellStyle(const Record* record, TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::Plain);
    style.Alignment = 0;
    FillFromViewParams(TableView().contentParams(record, nullptr), style);
}

void TcxGridTableViewExport::GetPreviewStyle(const Record* record, TcxExportCellStyle& style) {
    style = StyleFromPreset(TcxStylePreset::BlueText);
    const Column* column = TableView().Preview.Column;
    style.Alignment = column ? MapAlignment(column->Properties->Alignment.Horz) : 0;
    SetGridLineEdges(style);
    FillFromViewParams(
        column ? TableView().contentParams(record, column) : TableView().previewParams(record),
        style);
}

void TcxGridTableViewExport::ExportIndent(int count, int row, const Record*) {
    for (int c = 0; c < count; ++c) {
        TcxExportCellStyle style;
        IndentStyle(c, style);
        Provider().ApplyStyle(c, row, RegisterStyle(style));
    }
}

void TcxGridTableViewExport::CloseRightEdge() {
    const int last = columnCount_ - 1;
    if (last < 0)
        return;
    for (int r = 0; r < rowCount_; ++r) {
        const TcxExportCellStyle* current = Provider().StyleOfCell(last, r);
        if (!current)
            continue;
        TcxExportCellStyle style = *current;
        SetEdgeWidth(style, kEdgeRight, 1);
        Provider().ApplyStyle(last, r, RegisterStyle(style));
    }
}

void TcxGridTableViewExport::CloseBottomEdge(int row) {
    if (map_.LineCount() == 0)
        return;
    const int cells = map_.Line(0).ItemCount();
    for (int c = 0; c < cells; ++c) {
        const TcxExportCellStyle* current = Provider().StyleOfCell(c, row);
        if (!current)
            continue;
        TcxExportCellStyle style = *current;
        if (style.Edges[kEdgeBottom].LineWidth != 0)
            return;
        SetEdgeWidth(style, kEdgeBottom, 1);
        Provider().ApplyStyle(c, row, RegisterStyle(style));
    }
}

}  // namespace cx
