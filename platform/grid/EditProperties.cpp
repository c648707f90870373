#include "platform/grid/EditProperties.h"

#include <cstdio>

#include "platform/grid/DisplayFormat.h"

namespace platform::grid {

std::string fieldText(const FieldValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return std::to_string(*i);
    if (const auto* d = std::get_if<double>(&value))
        return formatFloat({}, *d);
    if (const auto* s = std::get_if<std::string>(&value))
        return *s;
    return {};
}

std::string TcxCustomEditProperties::displayText(const FieldValue& value) const {
    return fieldText(value);
}

std::string TcxCustomNumberEditProperties::displayText(const FieldValue& value) const {
    if (DisplayFormat.empty() || isNull(value))
        return fieldText(value);
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return formatFloat(DisplayFormat, static_cast<double>(*i));
    }
    if (const auto* d = std::get_if<double>(&value))
        return formatFloat(DisplayFormat, *d);
    return fieldText(value);
}

}  // namespace platform::grid
