#include "platform/grid/GridFilter.h"

#include <compare>

#include "platform/grid/GridColumn.h"

namespace platform::grid {
namespace {

std::partial_ordering compareValues(const FieldValue& a, const FieldValue& b) {
    auto asNumber = [](const FieldValue& v, double& out) {
        if (const auto* i = std::get_if<std::int64_t>(&v)) {
            out = static_cast<double>(*i);
            return true;
        }
        if (const auto* d = std::get_if<double>(&v)) {
            out = *d;
            return true;
        }
        return false;
    };
    double x = 0;
    double y = 0;
    if (asNumber(a, x) && asNumber(b, y))
        return x <=> y;
    return fieldText(a) <=> fieldText(b);
}

}  // namespace

void TcxFilterCriteriaItemList::Clear() {
    items_.clear();
    owner_.changed();
}

void TcxFilterCriteriaItemList::AddItem(const TcxGridColumn* column, TcxFilterOperatorKind op,
                                        FieldValue value, std::string displayValue) {
    items_.push_back({column, op, std::move(value), std::move(displayValue)});
    owner_.changed();
}

void TcxDataFilterCriteria::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ > 0)
        return;
    if (changedInBatch_) {
        changedInBatch_ = false;
        ++version_;
    }
}

void TcxDataFilterCriteria::setActive(bool on) {
    if (active_ == on)
        return;
    active_ = on;
    changed();
}

bool filterValueMatches(const FieldValue& stored, TcxFilterOperatorKind op,
                        const FieldValue& wanted) {
    if (isNull(stored))
        return false;
    const auto order = compareValues(stored, wanted);
    switch (op) {
        case TcxFilterOperatorKind::foEqual:
            return order == 0;
        case TcxFilterOperatorKind::foNotEqual:
            return order != 0;
        case TcxFilterOperatorKind::foLess:
            return order < 0;
        case TcxFilterOperatorKind::foLessEqual:
            return order <= 0;
        case TcxFilterOperatorKind::foGreater:
            return order > 0;
        case TcxFilterOperatorKind::foGreaterEqual:
            return order >= 0;
    }
    return false;
}

bool TcxDataFilterCriteria::accepts(const TdxMemData& table, size_t row) const {
    if (!active_)
        return true;
    for (const auto& item : Root.items()) {
        if (!item.Column)
            continue;
        if (!filterValueMatches(item.Column->value(table, row), item.Operator, item.Value)) {
            return false;
        }
    }
    return true;
}

}  // namespace platform::grid
