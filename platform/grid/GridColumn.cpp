#include "platform/grid/GridColumn.h"

#include "platform/grid/GridView.h"

namespace platform::grid {

TcxGridColumn::TcxGridColumn(TcxCustomGridTableView& view) : view_(view) {}

int TcxGridColumn::Index() const {
    return view_.indexOf(*this);
}

int TcxGridColumn::VisibleIndex() const {
    if (!Visible)
        return -1;
    int visibleIndex = 0;
    for (int i = 0; i < view_.ColumnCount(); ++i) {
        const TcxGridColumn& other = view_.Columns(i);
        if (&other == this)
            return visibleIndex;
        if (other.Visible)
            ++visibleIndex;
    }
    return -1;
}

std::string TcxGridColumn::caption() const {
    if (!Caption.empty())
        return Caption;
    const TdxMemData* table = view_.DataController.dataSet();
    if (table) {
        const int index = table->fieldIndex(DataBinding.FieldName);
        if (index >= 0)
            return table->field(index).displayName();
    }
    return DataBinding.FieldName;
}

FieldValue TcxGridColumn::value(const TdxMemData& table, size_t row) const {
    if (cachedTable_ != &table || cachedFieldName_ != DataBinding.FieldName) {
        cachedTable_ = &table;
        cachedFieldName_ = DataBinding.FieldName;
        cachedFieldIndex_ = table.fieldIndex(DataBinding.FieldName);
    }
    if (cachedFieldIndex_ == -1 || row >= table.rowCount())
        return {};
    return table.value(row, cachedFieldIndex_);
}

std::string TcxGridColumn::displayText(size_t row) const {
    const TdxMemData* table = view_.DataController.dataSet();
    if (!table)
        return {};
    return Properties->displayText(value(*table, row));
}

std::string TcxGridColumn::shownText(size_t row) const {
    std::string text = displayText(row);
    if (OnGetDisplayText)
        OnGetDisplayText(*this, row, text);
    return text;
}

}  // namespace platform::grid
