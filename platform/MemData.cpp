#include "platform/MemData.h"

#include <algorithm>

namespace platform {

void TdxMemData::addField(std::string name, TFieldType type, std::string displayLabel, int size) {
    if (active_) throw EDatabaseError("Cannot add a field to an open table");
    fields_.push_back({std::move(name), type, std::move(displayLabel), size});
}

int TdxMemData::fieldIndex(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].FieldName == name) return static_cast<int>(i);
    }
    return name == kRecIdField ? kRecIdIndex : -1;
}

void TdxMemData::Open() {
    if (active_) return;
    active_ = true;
    changed();
}

void TdxMemData::Close() {
    cells_.clear();
    cells_.shrink_to_fit();
    pending_.clear();
    appending_ = false;
    rowCount_ = 0;
    current_ = 0;
    active_ = false;
    changed();
}

void TdxMemData::emptyTable() {
    Close();
    Open();
}

void TdxMemData::Append() {
    if (!active_) throw EDatabaseError("Dataset not in edit or insert mode");
    pending_.assign(fields_.size(), FieldValue{});
    appending_ = true;
}

FieldValue& TdxMemData::pendingSlot(std::string_view fieldName) {
    if (!appending_) throw EDatabaseError("Dataset not in edit or insert mode");
    const int index = fieldIndex(fieldName);
    if (index < 0) throw EDatabaseError("Field '" + std::string(fieldName) + "' not found");
    return pending_[static_cast<size_t>(index)];
}

void TdxMemData::setInteger(std::string_view fieldName, std::int64_t value) {
    FieldValue& slot = pendingSlot(fieldName);
    const TFieldDef& def = fields_[static_cast<size_t>(fieldIndex(fieldName))];
    switch (def.DataType) {
        case TFieldType::ftInteger:
            if (value < INT32_MIN || value > INT32_MAX) {
                throw EDatabaseError("Value out of range for field '" + def.FieldName + "'");
            }
            slot = value;
            break;
        case TFieldType::ftLargeint: slot = value; break;
        case TFieldType::ftCurrency: slot = static_cast<double>(value); break;
        case TFieldType::ftString: slot = std::to_string(value); break;
    }
}

void TdxMemData::setCurrency(std::string_view fieldName, double value) {
    FieldValue& slot = pendingSlot(fieldName);
    const TFieldDef& def = fields_[static_cast<size_t>(fieldIndex(fieldName))];
    if (def.DataType != TFieldType::ftCurrency) {
        throw EDatabaseError("Field '" + def.FieldName + "' is not a currency field");
    }
    slot = value;
}

void TdxMemData::setString(std::string_view fieldName, std::string_view value) {
    FieldValue& slot = pendingSlot(fieldName);
    const TFieldDef& def = fields_[static_cast<size_t>(fieldIndex(fieldName))];
    if (def.DataType != TFieldType::ftString) {
        throw EDatabaseError("Field '" + def.FieldName + "' is not a text field");
    }
    if (def.Size > 0 && value.size() > static_cast<size_t>(def.Size)) {
        value = value.substr(0, static_cast<size_t>(def.Size));
    }
    slot = std::string(value);
}

void TdxMemData::Post() {
    if (!appending_) throw EDatabaseError("Dataset not in edit or insert mode");
    for (auto& v : pending_) cells_.push_back(std::move(v));
    pending_.clear();
    appending_ = false;
    ++rowCount_;
    changed();
}

void TdxMemData::reserve(size_t rows) { cells_.reserve(rows * fields_.size()); }

const FieldValue& TdxMemData::storedValue(size_t row, int fieldIndex) const {
    return cells_.at(row * fields_.size() + static_cast<size_t>(fieldIndex));
}

FieldValue TdxMemData::value(size_t row, int fieldIndex) const {
    if (fieldIndex == kRecIdIndex) return static_cast<std::int64_t>(row + 1);
    return storedValue(row, fieldIndex);
}

void TdxMemData::setOnFilterRecord(FilterRecordHandler handler) {
    onFilterRecord_ = std::move(handler);
    if (filtered_) changed();
}

void TdxMemData::setFiltered(bool on) {
    if (filtered_ == on) return;
    filtered_ = on;
    changed();
}

bool TdxMemData::accepts(size_t row) const {
    return !filtered_ || !onFilterRecord_ || onFilterRecord_(*this, row);
}

size_t TdxMemData::RecordCount() const {
    if (!filtered_ || !onFilterRecord_) return rowCount_;
    size_t count = 0;
    for (size_t row = 0; row < rowCount_; ++row) count += accepts(row) ? 1 : 0;
    return count;
}

void TdxMemData::DisableControls() { ++disableCount_; }

void TdxMemData::EnableControls() {
    if (disableCount_ == 0) return;
    if (--disableCount_ == 0 && changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        for (auto& [id, listener] : listeners_) listener();
    }
}

int TdxMemData::addListener(Listener listener) {
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void TdxMemData::removeListener(int id) {
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void TdxMemData::changed() {
    ++version_;
    if (disableCount_ > 0) {
        changedWhileDisabled_ = true;
        return;
    }
    for (auto& [id, listener] : listeners_) listener();
}

}  // namespace platform
