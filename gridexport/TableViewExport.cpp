#include "gridexport/TableViewExport.h"

#include <algorithm>

#include "gridexport/ExportStyles.h"
#include "gridexport/cxExportGrid4Link.h"

namespace cx {

using namespace platform::grid;

TcxGridTableViewExport::TcxGridTableViewExport(const std::string& fileName, int exportType,
                                               TcxCustomGridView& view, TcxGrid& grid)
    : TcxGridCustomExport(fileName, exportType, view, grid),
      tableView_(dynamic_cast<TcxCustomGridTableView&>(view)) {}

// ---- options of the view ----

bool TcxGridTableViewExport::HorizontalLines() const {
    const auto lines = tableView_.OptionsView.GridLines;
    return lines == TcxGridLines::glBoth || lines == TcxGridLines::glHorizontal;
}

bool TcxGridTableViewExport::VerticalLines() const {
    const auto lines = tableView_.OptionsView.GridLines;
    return lines == TcxGridLines::glBoth || lines == TcxGridLines::glVertical;
}

bool TcxGridTableViewExport::Office11() const {
    return tableView_.OptionsView.GroupRowStyle == TcxGridGroupRowStyle::grsOffice11;
}

bool TcxGridTableViewExport::DetailsExist() const {
    return tableView_.DataController.HasDetailRelations && tableView_.Level &&
           tableView_.Level->childLevelCount() > 0;
}

bool TcxGridTableViewExport::PreviewShown() const {
    return tableView_.Preview.Visible && tableView_.Preview.Column != nullptr;
}

int TcxGridTableViewExport::GroupedColumns() const {
    return tableView_.DataController.GroupedColumnCount;
}

std::vector<std::pair<size_t, std::uint8_t>> TcxGridTableViewExport::RecordsToExport() const {
    if (!ExportAllRows)
        return RecordsList;
    std::vector<std::pair<size_t, std::uint8_t>> all;
    all.reserve(records_.size());
    for (size_t i = 0; i < records_.size(); ++i)
        all.emplace_back(i, 1);
    return all;
}

// ---- the export ----

void TcxGridTableViewExport::Export() {
    Prepare();
    if (VerticalLines())
        CloseRightEdge();
    Provider().Finish();
}

void TcxGridTableViewExport::Prepare() {
    TcxGridCustomExport::Prepare();
    if (ExpandRows) {
        Grid().BeginUpdate();
        struct EndUpdate {
            TcxGrid& grid;
            ~EndUpdate() { grid.EndUpdate(); }
        } endUpdate{Grid()};
        if (ExportAllRows) {
            tableView_.expandAll();
        } else {
            ExpandSelected();
        }
    }
    records_ = tableView_.records();
    BuildHeaderMap();
    ExportBody();
}

void TcxGridTableViewExport::BuildHeaderMap() {
    const auto headerCells = tableView_.columnsInDisplayOrder();
    int sum = 0;
    for (const Column* column : headerCells) {
        sum += column->Width;
        map_.AddBoundary(sum);
    }
    if (!headerCells.empty()) {
        for (int k = 1; k <= GroupedColumns(); ++k)
            map_.AddBoundary(kGroupIndentWidth * k);
        if (DetailsExist())
            map_.AddBoundary(kGroupIndentWidth * GroupedColumns() + DetailButtonWidth());
    }
    sum = 0;
    for (const Column* column : headerCells) {
        map_.AddItem(sum, 0, column->caption(), column->Index(), 1, column->Width);
        sum += column->Width;
    }
}

void TcxGridTableViewExport::RegisterDefaultStyle() {
    TcxExportCellStyle style = DefaultExportStyle();
    Provider().AddBaseStyle(style);
}

int TcxGridTableViewExport::CountRows() {
    const int lines = LinesPerRecord();
    int rows = tableView_.OptionsView.Header ? lines : 0;
    const auto footers = tableView_.OptionsView.GroupFooters;
    for (const auto& [index, flag] : RecordsToExport()) {
        const Record& record = records_[index];
        switch (record.Kind) {
            case TcxGridRecordKind::Group:
                rows += 1;
                if (ExportAllRows && (footers == TcxGridGroupFootersMode::gfAlwaysVisible ||
                                      (footers == TcxGridGroupFootersMode::gfVisibleWhenExpanded &&
                                       record.Expanded))) {
                    rows += lines;
                }
                break;
            case TcxGridRecordKind::Master:
                rows += lines + (PreviewShown() ? 1 : 0) + (record.Expanded ? 1 : 0);
                break;
            case TcxGridRecordKind::Data:
                rows += lines + (PreviewShown() ? 1 : 0);
                break;
        }
    }
    if (ExportAllRows && tableView_.OptionsView.Footer)
        rows += lines;
    return rows;
}

void TcxGridTableViewExport::ExportBody() {
    RegisterDefaultStyle();
    if (!ExportAllRows)
        CollectSelection();
    if (tableView_.VisibleColumnCount() == 0)
        return;
    if (!ExportAllRows && RecordsList.empty() && !tableView_.OptionsView.Header &&
        !tableView_.OptionsView.Footer) {
        return;
    }
    columnCount_ = map_.ColumnCount();
    rowCount_ = CountRows();
    if (columnCount_ > 0 && rowCount_ > 0)
        Provider().PrepareSheet(columnCount_, rowCount_, false);
    for (int c = 0; c < map_.ColumnCount(); ++c)
        Provider().DefineColumnWidth(c, map_.ColumnWidth(c));
    // Columns of no width, or no line at all: the sheet was not prepared, nothing fits it.
    if (columnCount_ == 0 || rowCount_ == 0)
        return;
    ExportRows(0);
}

void TcxGridTableViewExport::ExportRows(int startRow) {
    int row = startRow;
    pendingFooters_.clear();
    if (tableView_.OptionsView.Header) {
        ExportLine(row, 0, LineKind::Header, 0);
        row += LinesPerRecord();
    }
    for (const auto& [index, flag] : RecordsToExport()) {
        switch (records_[index].Kind) {
            case TcxGridRecordKind::Group:
                ExportGroupRow(row, index);
                break;
            case TcxGridRecordKind::Master:
                ExportMasterRow(row, index);
                break;
            case TcxGridRecordKind::Data:
                ExportDataRow(row, index);
                break;
        }
    }
    WritePendingFooters(row, pendingFooters_.size());
    if (ExportAllRows && tableView_.OptionsView.Footer) {
        ExportLine(row, 0, LineKind::Footer, 0);
        row += 1;
    }
    if (row - 1 >= 0)
        CloseBottomEdge(row - 1);
}

void TcxGridTableViewExport::WritePendingFooters(int& row, size_t count) {
    for (size_t n = 0; n < count && !pendingFooters_.empty(); ++n) {
        const auto [level, index] = pendingFooters_.back();
        pendingFooters_.pop_back();
        ExportLine(row, index, LineKind::GroupFooter, level);
        row += LinesPerRecord();
    }
}

void TcxGridTableViewExport::ExportButton(int column, int row, bool expanded) {
    TcxExportCellStyle style;
    ExpandButtonStyle(style);
    Provider().ApplyStyle(column, row, RegisterStyle(style));
    Provider().PutText(column, row, expanded ? "-" : "+");
    Provider().DefineColumnWidth(column, kButtonColumnWidth);
}

void TcxGridTableViewExport::ExportGroupRow(int& row, size_t recordIndex) {
    const Record& record = records_[recordIndex];
    const int level = record.Level;
    if (ExportAllRows && static_cast<size_t>(level) < pendingFooters_.size()) {
        WritePendingFooters(row, pendingFooters_.size() - static_cast<size_t>(level));
    }
    ExportButton(level, row, record.Expanded);
    ExportIndent(level, row, &record);

    std::string text = tableView_.groupRowText(record);
    if (record.GroupColumn && record.GroupColumn->OnGetDisplayText) {
        record.GroupColumn->OnGetDisplayText(*record.GroupColumn, record.Row, text);
    }
    TcxExportCellStyle style;
    GroupRowStyle(&record, level, style);
    const int styleIndex = RegisterStyle(style);
    const int first = tableView_.DataController.GroupsAlwaysExpanded ? level : level + 1;
    Provider().MergeWithStyle(first, row, 1, columnCount_ - first, styleIndex);
    Provider().PutText(first, row, text);
    row += 1;

    const auto footers = tableView_.OptionsView.GroupFooters;
    if (ExportAllRows &&
        (footers == TcxGridGroupFootersMode::gfAlwaysVisible ||
         (footers == TcxGridGroupFootersMode::gfVisibleWhenExpanded && record.Expanded))) {
        pendingFooters_.emplace_back(level, recordIndex);
    }
}

void TcxGridTableViewExport::ExportMasterRow(int& row, size_t recordIndex) {
    const Record& record = records_[recordIndex];
    const int level = record.Level;
    const bool previewTop =
        PreviewShown() && tableView_.Preview.Place == TcxGridPreviewPlace::ppTop;
    if (previewTop)
        ExportPreviewLine(row, record, true);
    ExportLine(row, recordIndex, LineKind::Data, level);
    const int buttonColumn = level - (Office11() && level > 0 ? 1 : 0);
    ExportButton(buttonColumn, row, record.Expanded);
    ExportIndent(buttonColumn, row, &record);
    row += LinesPerRecord();
    if (PreviewShown() && !previewTop)
        ExportPreviewLine(row, record, true);
    if (record.Expanded) {
        // The workbook has no place for a nested document: the detail line holds the
        // indent, the detail cell and the empty cells it spans.
        ExportIndent(buttonColumn, row, &record);
        TcxExportCellStyle style;
        DetailCellStyle(&record, style);
        const int styleIndex = RegisterStyle(style);
        Provider().ApplyStyle(buttonColumn, row, styleIndex);
        Provider().MergeWithStyle(buttonColumn + 1, row, 1, columnCount_ - buttonColumn - 1,
                                  styleIndex);
        row += 1;
    }
}

void TcxGridTableViewExport::ExportDataRow(int& row, size_t recordIndex) {
    const Record& record = records_[recordIndex];
    const bool previewTop =
        PreviewShown() && tableView_.Preview.Place == TcxGridPreviewPlace::ppTop;
    if (previewTop)
        ExportPreviewLine(row, record, false);
    ExportLine(row, recordIndex, LineKind::Data, record.Level);
    row += LinesPerRecord();
    if (PreviewShown() && !previewTop)
        ExportPreviewLine(row, record, false);
}

void TcxGridTableViewExport::ExportPreviewLine(int& row, const Record& record, bool master) {
    const int level = record.Level;
    TcxExportCellStyle style;
    GetPreviewStyle(&record, style);
    const int styleIndex = RegisterStyle(style);
    const std::string text = CellDisplayText(*tableView_.Preview.Column, record);
    if (!master) {
        const int shift = Office11() && level > 0 ? 1 : 0;
        const int first = level - shift;
        Provider().MergeWithStyle(first, row, 1, columnCount_ - level + shift, styleIndex);
        Provider().PutText(first, row, text);
        ExportIndent(first, row, &record);
    } else {
        int first = level + 1;
        if (Office11())
            first = level == 0 ? 1 : level;
        Provider().MergeWithStyle(first, row, 1, columnCount_ - first, styleIndex);
        Provider().PutText(first, row, text);
        if (first > 0) {
            ExportIndent(first - 1, row, &record);
            TcxExportCellStyle detail;
            DetailCellStyle(&record, detail);
            Provider().ApplyStyle(first - 1, row, RegisterStyle(detail));
        }
    }
    row += 1;
}

// ---- one line ----

void TcxGridTableViewExport::PutCellValue(int column, int row, LineKind kind,
                                          const TcxExportValue& value, const std::string& text) {
    if (kind != LineKind::Header && UseTypedValues) {
        Provider().PutValue(column, row, value);
    } else {
        Provider().PutText(column, row, text);
    }
}

void TcxGridTableViewExport::ExportLine(int row, size_t recordIndex, LineKind kind, int level) {
    if (map_.LineCount() == 0)
        return;
    const TcxGridExportTableMapLine& line = map_.Line(0);
    const Record* record = recordIndex < records_.size() ? &records_[recordIndex] : nullptr;
    for (int p = 0; p < line.ItemCount(); ++p) {
        const TcxGridExportTableMapItem item = line.Item(p);
        const Column& column = tableView_.Columns(item.ColumnIndex);
        int first = item.Column;
        int span = item.ColumnSpan;
        TcxExportValue value;
        std::string text;
        TcxExportCellStyle style;
        switch (kind) {
            case LineKind::Header:
                text = item.Caption;
                HeaderStyle(column, style);
                break;
            case LineKind::Data:
                span = 1;
                if (p == 0) {
                    ExportIndent(level, row, record);
                    first = level;
                    if (Office11() && level > 0) {
                        first = level - 1;
                        span = 2;
                    }
                    if (DetailsExist())
                        first += 1;
                }
                text = CellDisplayText(column, *record);
                value = CellTypedValue(column, *record);
                GetContentStyle(record, column, style);
                break;
            case LineKind::Footer: {
                FooterCell(FooterValue(p), record, 0, column, value, text, style);
                break;
            }
            case LineKind::GroupFooter: {
                if (p == 0) {
                    const bool whenExpanded = tableView_.OptionsView.GroupFooters ==
                                              TcxGridGroupFootersMode::gfVisibleWhenExpanded;
                    if (whenExpanded) {
                        first = level + 1;
                        span = GroupedColumns() - level;
                        if (Office11() && level + 1 == GroupedColumns()) {
                            first -= 1;
                            span += 1;
                        }
                        ExportIndent(level + 1, row, record);
                    } else {
                        first = level;
                        span = GroupedColumns() - level + 1;
                        ExportIndent(level, row, record);
                    }
                    if (DetailsExist())
                        span += 1;
                } else {
                    span = 1;
                }
                FooterCell(GroupFooterValue(recordIndex, level, p), record, level, column, value,
                           text, style);
                break;
            }
        }
        const int styleIndex = RegisterStyle(style);
        Provider().MergeWithStyle(first, row, 1, span, styleIndex);
        PutCellValue(first, row, kind, value, text);
    }
}

// ---- values ----

void TcxGridTableViewExport::FooterCell(const std::pair<platform::FieldValue, std::string>& footer,
                                        const Record* record, int level, const Column& column,
                                        TcxExportValue& value, std::string& text,
                                        TcxExportCellStyle& style) {
    value = ExportValueOf(footer.first);
    text = footer.second;
    if (text.empty() && platform::isNull(footer.first)) {
        EmptyFooterStyle(record, level, style);
    } else {
        FooterStyle(record, level, column, style);
    }
}

std::string TcxGridTableViewExport::CellDisplayText(const Column& column,
                                                    const Record& record) const {
    return column.shownText(record.Row);
}

TcxExportValue TcxGridTableViewExport::CellTypedValue(const Column& column,
                                                      const Record& record) const {
    if (HasNativeValues(column.Properties.get())) {
        const platform::TdxMemData* table = tableView_.DataController.dataSet();
        return table ? ExportValueOf(column.value(*table, record.Row)) : TcxExportValue::Null();
    }
    return TcxExportValue::String(CellDisplayText(column, record));
}

std::pair<platform::FieldValue, std::string> TcxGridTableViewExport::FooterValue(
    int visiblePosition) const {
    for (const auto& item : tableView_.DataController.Summary.FooterSummaryItems) {
        if (item.Column && item.Column->VisibleIndex() == visiblePosition) {
            return {UseTypedValues ? item.Value : platform::FieldValue{}, item.Text};
        }
    }
    return {};
}

std::pair<platform::FieldValue, std::string> TcxGridTableViewExport::GroupFooterValue(
    size_t recordIndex, int level, int visiblePosition) const {
    const auto& provider = tableView_.DataController.Summary.GroupSummary;
    if (!provider)
        return {};
    const TcxGridSummaryValue summary = provider(recordIndex, level, visiblePosition);
    return {summary.Value, summary.Text};
}

// ---- selection ----

void TcxGridTableViewExport::AddWithAncestors(size_t index, std::uint8_t flag) {
    AddAncestors(index);
    if (!collected_[index]) {
        collected_[index] = true;
        RecordsList.emplace_back(index, flag);
    }
}

void TcxGridTableViewExport::AddAncestors(size_t index) {
    const int level = records_[index].Level;
    if (level == 0)
        return;
    for (size_t j = index; j-- > 0;) {
        if (records_[j].Selected)
            return;
        if (records_[j].Level < level) {
            AddWithAncestors(j, 1);
            return;
        }
    }
}

bool TcxGridTableViewExport::DetailHasSelection(const Record& record) const {
    const auto* detail = dynamic_cast<const TcxCustomGridTableView*>(record.DetailView);
    if (!detail)
        return false;
    for (const Record& inner : detail->records()) {
        if (inner.Selected)
            return true;
        if (inner.Kind == TcxGridRecordKind::Master && inner.Expanded &&
            DetailHasSelection(inner)) {
            return true;
        }
    }
    return false;
}

void TcxGridTableViewExport::CollectSelection() {
    RecordsList.clear();
    collected_.assign(records_.size(), false);
    auto& controller = tableView_.DataController;
    if (controller.isDataSetBound() && controller.DataModeController.GridMode) {
        controller.DataModeController.GridMode = false;
        for (size_t i = 0; i < records_.size(); ++i) {
            if (records_[i].Selected)
                RecordsList.emplace_back(i, 1);
        }
        return;
    }
    int threshold = 0;
    for (size_t i = 0; i < records_.size(); ++i) {
        const Record& record = records_[i];
        if (threshold > 0) {
            if (record.Level >= threshold) {
                if (!collected_[i]) {
                    collected_[i] = true;
                    RecordsList.emplace_back(i, 1);
                }
                continue;
            }
            threshold = 0;
        }
        if (record.Selected) {
            AddWithAncestors(i, 1);
            threshold = record.Level + 1;
        } else if (record.Kind == TcxGridRecordKind::Master && record.Expanded &&
                   DetailHasSelection(record)) {
            AddWithAncestors(i, 0);
        }
    }
}

void TcxGridTableViewExport::ExpandSelected() {
    if (!tableView_.customRecords)
        return;
    auto& records = *tableView_.customRecords;
    for (size_t i = 0; i < records.size(); ++i) {
        if (!records[i].Selected)
            continue;
        const int level = records[i].Level;
        if (records[i].Kind != TcxGridRecordKind::Data)
            records[i].Expanded = true;
        size_t j = i + 1;
        for (; j < records.size() && records[j].Level > level; ++j) {
            if (records[j].Kind != TcxGridRecordKind::Data)
                records[j].Expanded = true;
        }
        i = j - 1;
    }
}

}  // namespace cx
