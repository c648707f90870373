#pragma once
// A view's own row filter: a list of conditions on columns, all of which a row must
// meet while the filter is active. Changes can be batched.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/MemData.h"

namespace platform::grid {

class TcxGridColumn;

enum class TcxFilterOperatorKind {
    foEqual,
    foNotEqual,
    foLess,
    foLessEqual,
    foGreater,
    foGreaterEqual
};

struct TcxFilterCriteriaItem {
    const TcxGridColumn* Column = nullptr;
    TcxFilterOperatorKind Operator = TcxFilterOperatorKind::foEqual;
    FieldValue Value;
    std::string DisplayValue;
};

class TcxDataFilterCriteria;

class TcxFilterCriteriaItemList {
  public:
    explicit TcxFilterCriteriaItemList(TcxDataFilterCriteria& owner) : owner_(owner) {}
    void Clear();
    void AddItem(const TcxGridColumn* column, TcxFilterOperatorKind op, FieldValue value,
                 std::string displayValue);
    const std::vector<TcxFilterCriteriaItem>& items() const { return items_; }

  private:
    TcxDataFilterCriteria& owner_;
    std::vector<TcxFilterCriteriaItem> items_;
};

class TcxDataFilterCriteria {
  public:
    TcxDataFilterCriteria() : Root(*this) {}
    TcxDataFilterCriteria(const TcxDataFilterCriteria&) = delete;
    TcxDataFilterCriteria& operator=(const TcxDataFilterCriteria&) = delete;

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Active() const { return active_; }
    void setActive(bool on);

    // True when the row of `table` meets every condition (or the filter is off).
    bool accepts(const TdxMemData& table, size_t row) const;

    // Changes whenever conditions or the switch change.
    std::uint64_t version() const { return version_; }

    TcxFilterCriteriaItemList Root;

  private:
    friend class TcxFilterCriteriaItemList;
    // Inside a batch a change counts once, at its end: no one sees a half-made filter.
    void changed() {
        if (updateCount_ > 0) {
            changedInBatch_ = true;
        } else {
            ++version_;
        }
    }

    int updateCount_ = 0;
    bool changedInBatch_ = false;
    bool active_ = false;
    std::uint64_t version_ = 0;
};

// Compares a stored value with a condition's value; a null value meets no condition.
bool filterValueMatches(const FieldValue& stored, TcxFilterOperatorKind op,
                        const FieldValue& wanted);

}  // namespace platform::grid
