#include "platform/grid/GridView.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Clipboard.h"

namespace platform::grid {

// ---- data controller ----

TcxGridDataController::TcxGridDataController(bool dataSetBound) : dataSetBound_(dataSetBound) {
    if (!dataSetBound_)
        ownTable_ = std::make_unique<TdxMemData>();
}

TdxMemData* TcxGridDataController::dataSet() const {
    if (dataSetBound_)
        return DataSource ? DataSource->DataSet : nullptr;
    return ownTable_.get();
}

const std::vector<size_t>& TcxGridDataController::viewRows() const {
    const TdxMemData* table = dataSet();
    if (!table) {
        rows_.clear();
        return rows_;
    }
    if (cachedTable_ == table && cachedTableVersion_ == table->version() &&
        cachedFilterVersion_ == Filter.version()) {
        return rows_;
    }
    rows_.clear();
    for (size_t row = 0; row < table->rowCount(); ++row) {
        if (table->accepts(row) && Filter.accepts(*table, row))
            rows_.push_back(row);
    }
    cachedTable_ = table;
    cachedTableVersion_ = table->version();
    cachedFilterVersion_ = Filter.version();
    return rows_;
}

// ---- table views ----

TcxGridColumn& TcxCustomGridTableView::addColumn(std::unique_ptr<TcxGridColumn> column) {
    columns_.push_back(std::move(column));
    return *columns_.back();
}

int TcxCustomGridTableView::indexOf(const TcxGridColumn& column) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i].get() == &column)
            return static_cast<int>(i);
    }
    return -1;
}

int TcxCustomGridTableView::VisibleColumnCount() const {
    return static_cast<int>(
        std::count_if(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible; }));
}

TcxGridColumn& TcxCustomGridTableView::VisibleColumns(int visibleIndex) const {
    int seen = 0;
    for (const auto& column : columns_) {
        if (!column->Visible)
            continue;
        if (seen++ == visibleIndex)
            return *column;
    }
    throw std::out_of_range("visible column index out of range");
}

void TcxCustomGridTableView::moveColumn(int fromIndex, int toIndex) {
    const int count = ColumnCount();
    if (fromIndex < 0 || fromIndex >= count || toIndex < 0 || toIndex >= count) {
        throw std::out_of_range("column index out of range");
    }
    auto moved = std::move(columns_[static_cast<size_t>(fromIndex)]);
    columns_.erase(columns_.begin() + fromIndex);
    columns_.insert(columns_.begin() + toIndex, std::move(moved));
}

TcxGridColumn* TcxCustomGridTableView::columnByFieldName(const std::string& fieldName) const {
    for (const auto& column : columns_) {
        if (column->DataBinding.FieldName == fieldName)
            return column.get();
    }
    return nullptr;
}

std::vector<const TcxGridColumn*> TcxCustomGridTableView::columnsInDisplayOrder() const {
    std::vector<const TcxGridColumn*> result;
    for (const auto& column : columns_) {
        if (column->Visible)
            result.push_back(column.get());
    }
    return result;
}

std::string TcxCustomGridTableView::clipboardText(bool copyAll) const {
    const auto columns = columnsInDisplayOrder();
    std::string text;
    auto dropFinalTab = [&] {
        if (!columns.empty())
            text.pop_back();
    };
    if (OptionsBehavior.CopyCaptionsToClipboard) {
        for (const auto* column : columns)
            text += column->caption() + '\t';
        dropFinalTab();
        text += "\r\n";
    }
    auto writeRow = [&](size_t row) {
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") != 0)
            text += "\r\n";
        for (const auto* column : columns)
            text += column->displayText(row) + '\t';
        dropFinalTab();
    };
    const auto& rows = DataController.viewRows();
    if (copyAll) {
        for (size_t row : rows)
            writeRow(row);
    } else {
        for (size_t row : rows) {
            const auto& selected = DataController.SelectedRecords;
            if (std::find(selected.begin(), selected.end(), row) != selected.end())
                writeRow(row);
        }
    }
    return text;
}

void TcxCustomGridTableView::CopyViewToClipboard(bool copyAll) const {
    platform::clipboard().setText(clipboardText(copyAll));
}

TcxGridColumn& TcxGridTableView::CreateColumn() {
    return addColumn(std::make_unique<TcxGridColumn>(*this));
}

// ---- banded table views ----

TcxGridBandedColumn& TcxGridBandedTableView::CreateColumn() {
    return static_cast<TcxGridBandedColumn&>(
        addColumn(std::make_unique<TcxGridBandedColumn>(*this)));
}

TcxGridBand& TcxGridBandedTableView::addBand(std::string caption) {
    auto band = std::make_unique<TcxGridBand>();
    band->Caption = std::move(caption);
    band->Index = BandCount();
    bands_.push_back(std::move(band));
    return *bands_.back();
}

std::vector<const TcxGridBand*> TcxGridBandedTableView::bottomBandsInDisplayOrder() const {
    std::vector<const TcxGridBand*> result;
    std::function<void(int)> visit = [&](int parent) {
        for (const auto& band : bands_) {
            if (band->Position.BandIndex != parent || !band->Visible)
                continue;
            const bool hasChildren =
                std::any_of(bands_.begin(), bands_.end(), [&](const auto& other) {
                    return other->Visible && other->Position.BandIndex == band->Index;
                });
            if (hasChildren) {
                visit(band->Index);
            } else {
                result.push_back(band.get());
            }
        }
    };
    visit(-1);
    return result;
}

int TcxGridBandedTableView::bandWidth(int bandIndex) const {
    // The widest column row of the band; a column counts on every row it covers.
    std::vector<int> rowWidths;
    for (int i = 0; i < ColumnCount(); ++i) {
        const auto& column = static_cast<const TcxGridBandedColumn&>(Columns(i));
        if (!column.Visible || column.Position.BandIndex != bandIndex)
            continue;
        const int last = column.Position.RowIndex + std::max(1, column.Position.LineCount);
        if (rowWidths.size() < static_cast<size_t>(last))
            rowWidths.resize(static_cast<size_t>(last), 0);
        for (int r = std::max(0, column.Position.RowIndex); r < last; ++r)
            rowWidths[static_cast<size_t>(r)] += column.Width;
    }
    int width = rowWidths.empty() ? 0 : *std::max_element(rowWidths.begin(), rowWidths.end());
    for (const auto& band : bands_) {
        if (band->Position.BandIndex == bandIndex && band->Visible)
            width += bandWidth(band->Index);
    }
    return width;
}

std::vector<const TcxGridColumn*> TcxGridBandedTableView::columnsInDisplayOrder() const {
    std::vector<const TcxGridColumn*> result;
    for (const TcxGridBand* band : bottomBandsInDisplayOrder()) {
        const auto inBand = bandColumns(band->Index);
        result.insert(result.end(), inBand.begin(), inBand.end());
    }
    return result;
}

// ---- grid ----

TcxGridLevel& TcxGrid::addLevel() {
    levels_.push_back(std::make_unique<TcxGridLevel>());
    levels_.back()->Grid = this;
    if (!ActiveLevel)
        ActiveLevel = levels_.back().get();
    return *levels_.back();
}

}  // namespace platform::grid
