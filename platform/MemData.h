#pragma once
// An in-memory table of typed fields, in place of the platform's in-memory dataset:
// rows in insertion order, null distinct from 0 and from empty text, a per-row filter,
// and notifications to the views bound to it that can be suspended.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

enum class TFieldType {
    ftInteger,   // 32-bit signed integer
    ftLargeint,  // 64-bit signed integer
    ftCurrency,  // floating-point value treated as money
    ftString,    // single-byte text
};

// A stored value: null (monostate), an integer, a floating-point number or text.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string>;

inline bool isNull(const FieldValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

struct TFieldDef {
    std::string FieldName;
    TFieldType DataType;
    std::string DisplayLabel;  // empty: the field's name is shown
    int Size = 0;              // text fields: the longest text kept; 0 for no limit

    const std::string& displayName() const {
        return DisplayLabel.empty() ? FieldName : DisplayLabel;
    }
};

class EDatabaseError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class TdxMemData {
  public:
    // The name of the pseudo field that holds a row's own record number (1-based).
    static constexpr std::string_view kRecIdField = "RecId";
    static constexpr int kRecIdIndex = -2;

    void addField(std::string name, TFieldType type, std::string displayLabel = {}, int size = 0);
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const TFieldDef& field(int index) const { return fields_.at(static_cast<size_t>(index)); }
    // Index of the field named `name`, kRecIdIndex for the record number, -1 when unknown.
    int fieldIndex(std::string_view name) const;

    void Open();
    void Close();  // discards every row
    bool Active() const { return active_; }
    // Empties the table: closes and reopens it.
    void emptyTable();

    // Starts a new row at the end; its fields are null until set. Post stores it.
    void Append();
    void setInteger(std::string_view fieldName, std::int64_t value);
    void setCurrency(std::string_view fieldName, double value);
    void setString(std::string_view fieldName, std::string_view value);
    // The same by field index, for code that fills many rows.
    void setInteger(int fieldIndex, std::int64_t value);
    void setCurrency(int fieldIndex, double value);
    void setString(int fieldIndex, std::string_view value);
    void setString(int fieldIndex, std::string&& value);  // takes the text over
    void Post();
    void reserve(size_t rows);

    void First() { current_ = 0; }
    size_t currentRow() const { return current_; }

    // All stored rows, whatever the filter says.
    size_t rowCount() const { return rowCount_; }
    // The value of field `fieldIndex` in stored row `row` (kRecIdIndex gives the row number).
    FieldValue value(size_t row, int fieldIndex) const;

    // The per-row filter: while Filtered is on, only rows the callback accepts are shown.
    using FilterRecordHandler = std::function<bool(const TdxMemData&, size_t row)>;
    void setOnFilterRecord(FilterRecordHandler handler);
    void setFiltered(bool on);
    bool Filtered() const { return filtered_; }
    bool accepts(size_t row) const;
    // Rows shown (after the filter).
    size_t RecordCount() const;

    // Notifications to bound views. While disabled, views are not told about changes;
    // re-enabling tells them once.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return disableCount_ > 0; }
    using Listener = std::function<void()>;
    int addListener(Listener listener);
    void removeListener(int id);

    // Changes whenever rows or the filter change; lets views cache what they computed.
    std::uint64_t version() const { return version_; }

  private:
    void changed();
    // One column of stored values: numbers or texts, and which rows are null. Columns
    // keep a table of a million rows small, which matters more than anything for speed.
    struct Column {
        std::vector<std::int64_t> integers;
        std::vector<double> numbers;
        std::vector<std::string> texts;
        std::vector<bool> nulls;
    };
    int existingFieldIndex(std::string_view fieldName) const;
    const TFieldDef& pendingField(int fieldIndex) const;
    void setNotNull(int fieldIndex);

    std::vector<TFieldDef> fields_;
    std::vector<Column> columns_;
    bool appending_ = false;
    bool active_ = false;
    size_t rowCount_ = 0;
    size_t current_ = 0;
    FilterRecordHandler onFilterRecord_;
    bool filtered_ = false;
    int disableCount_ = 0;
    bool changedWhileDisabled_ = false;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListenerId_ = 1;
    std::uint64_t version_ = 0;
};

}  // namespace platform
