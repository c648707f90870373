#include "platform/MemData.h"

#include <algorithm>

namespace platform {
namespace {

template <class Values>
void freshSlot(Values& values, bool slotExists) {
    if (slotExists) {
        values.back() = {};
    } else {
        values.emplace_back();
    }
}

}  // namespace

void TdxMemData::addField(std::string name, TFieldType type, std::string displayLabel, int size) {
    if (active_)
        throw EDatabaseError("Cannot add a field to an open table");
    fields_.push_back({std::move(name), type, std::move(displayLabel), size});
}

int TdxMemData::fieldIndex(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].FieldName == name)
            return static_cast<int>(i);
    }
    return name == kRecIdField ? kRecIdIndex : -1;
}

void TdxMemData::Open() {
    if (active_)
        return;
    columns_.assign(fields_.size(), Column{});
    active_ = true;
    changed();
}

void TdxMemData::Close() {
    columns_.assign(fields_.size(), Column{});
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
    if (!active_)
        throw EDatabaseError("Dataset not in edit or insert mode");
    // The new row is the last slot of every column, counted once it is posted; a row
    // appended again before Post starts over in the same slot.
    const bool slotExists = appending_;
    for (size_t f = 0; f < fields_.size(); ++f) {
        Column& column = columns_[f];
        switch (fields_[f].DataType) {
            case TFieldType::ftInteger:
            case TFieldType::ftLargeint:
                freshSlot(column.integers, slotExists);
                break;
            case TFieldType::ftCurrency:
                freshSlot(column.numbers, slotExists);
                break;
            case TFieldType::ftString:
                freshSlot(column.texts, slotExists);
                break;
        }
        if (slotExists) {
            column.nulls.back() = true;
        } else {
            column.nulls.push_back(true);
        }
    }
    appending_ = true;
}

int TdxMemData::existingFieldIndex(std::string_view fieldName) const {
    const int index = fieldIndex(fieldName);
    if (index < 0)
        throw EDatabaseError("Field '" + std::string(fieldName) + "' not found");
    return index;
}

const TFieldDef& TdxMemData::pendingField(int fieldIndex) const {
    if (!appending_)
        throw EDatabaseError("Dataset not in edit or insert mode");
    if (fieldIndex < 0 || fieldIndex >= fieldCount())
        throw EDatabaseError("Field index out of range");
    return fields_[static_cast<size_t>(fieldIndex)];
}

void TdxMemData::setNotNull(int fieldIndex) {
    columns_[static_cast<size_t>(fieldIndex)].nulls[rowCount_] = false;
}

void TdxMemData::setInteger(std::string_view fieldName, std::int64_t value) {
    setInteger(existingFieldIndex(fieldName), value);
}

void TdxMemData::setCurrency(std::string_view fieldName, double value) {
    setCurrency(existingFieldIndex(fieldName), value);
}

void TdxMemData::setString(std::string_view fieldName, std::string_view value) {
    setString(existingFieldIndex(fieldName), value);
}

void TdxMemData::setInteger(int fieldIndex, std::int64_t value) {
    const TFieldDef& def = pendingField(fieldIndex);
    Column& column = columns_[static_cast<size_t>(fieldIndex)];
    switch (def.DataType) {
        case TFieldType::ftInteger:
            if (value < INT32_MIN || value > INT32_MAX) {
                throw EDatabaseError("Value out of range for field '" + def.FieldName + "'");
            }
            column.integers[rowCount_] = value;
            break;
        case TFieldType::ftLargeint:
            column.integers[rowCount_] = value;
            break;
        case TFieldType::ftCurrency:
            column.numbers[rowCount_] = static_cast<double>(value);
            break;
        case TFieldType::ftString:
            column.texts[rowCount_] = std::to_string(value);
            break;
    }
    setNotNull(fieldIndex);
}

void TdxMemData::setCurrency(int fieldIndex, double value) {
    const TFieldDef& def = pendingField(fieldIndex);
    if (def.DataType != TFieldType::ftCurrency) {
        throw EDatabaseError("Field '" + def.FieldName + "' is not a currency field");
    }
    columns_[static_cast<size_t>(fieldIndex)].numbers[rowCount_] = value;
    setNotNull(fieldIndex);
}

void TdxMemData::setString(int fieldIndex, std::string_view value) {
    const TFieldDef& def = pendingField(fieldIndex);
    if (def.DataType != TFieldType::ftString) {
        throw EDatabaseError("Field '" + def.FieldName + "' is not a text field");
    }
    if (def.Size > 0 && value.size() > static_cast<size_t>(def.Size)) {
        value = value.substr(0, static_cast<size_t>(def.Size));
    }
    columns_[static_cast<size_t>(fieldIndex)].texts[rowCount_].assign(value);
    setNotNull(fieldIndex);
}

void TdxMemData::setString(int fieldIndex, std::string&& value) {
    const TFieldDef& def = pendingField(fieldIndex);
    if (def.DataType != TFieldType::ftString ||
        (def.Size > 0 && value.size() > static_cast<size_t>(def.Size))) {
        setString(fieldIndex, std::string_view(value));
        return;
    }
    columns_[static_cast<size_t>(fieldIndex)].texts[rowCount_] = std::move(value);
    setNotNull(fieldIndex);
}

void TdxMemData::Post() {
    if (!appending_)
        throw EDatabaseError("Dataset not in edit or insert mode");
    appending_ = false;
    ++rowCount_;
    changed();
}

void TdxMemData::reserve(size_t rows) {
    for (size_t f = 0; f < fields_.size(); ++f) {
        Column& column = columns_[f];
        switch (fields_[f].DataType) {
            case TFieldType::ftInteger:
            case TFieldType::ftLargeint:
                column.integers.reserve(rows);
                break;
            case TFieldType::ftCurrency:
                column.numbers.reserve(rows);
                break;
            case TFieldType::ftString:
                column.texts.reserve(rows);
                break;
        }
        column.nulls.reserve(rows);
    }
}

FieldValue TdxMemData::value(size_t row, int fieldIndex) const {
    if (fieldIndex == kRecIdIndex)
        return static_cast<std::int64_t>(row + 1);
    if (fieldIndex < 0 || fieldIndex >= fieldCount() || row >= rowCount_) {
        throw std::out_of_range("TdxMemData::value out of range");
    }
    const Column& column = columns_[static_cast<size_t>(fieldIndex)];
    if (column.nulls[row])
        return {};
    switch (fields_[static_cast<size_t>(fieldIndex)].DataType) {
        case TFieldType::ftInteger:
        case TFieldType::ftLargeint:
            return column.integers[row];
        case TFieldType::ftCurrency:
            return column.numbers[row];
        case TFieldType::ftString:
            return column.texts[row];
    }
    return {};
}

void TdxMemData::setOnFilterRecord(FilterRecordHandler handler) {
    onFilterRecord_ = std::move(handler);
    if (filtered_)
        changed();
}

void TdxMemData::setFiltered(bool on) {
    if (filtered_ == on)
        return;
    filtered_ = on;
    changed();
}

bool TdxMemData::accepts(size_t row) const {
    return !filtered_ || !onFilterRecord_ || onFilterRecord_(*this, row);
}

size_t TdxMemData::RecordCount() const {
    if (!filtered_ || !onFilterRecord_)
        return rowCount_;
    size_t count = 0;
    for (size_t row = 0; row < rowCount_; ++row)
        count += accepts(row) ? 1 : 0;
    return count;
}

void TdxMemData::DisableControls() {
    ++disableCount_;
}

void TdxMemData::EnableControls() {
    if (disableCount_ == 0)
        return;
    if (--disableCount_ == 0 && changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        for (auto& [id, listener] : listeners_)
            listener();
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
    for (auto& [id, listener] : listeners_)
        listener();
}

}  // namespace platform
