#pragma once
// Number display formats of the kind ",0;-,0": sections for positive, negative and
// zero values separated by ";", "," asking for thousands grouping, "0" and "#" digits,
// and any other characters copied as they stand.

#include <string>

namespace platform::grid {

// Formats `value` (rounded half away from zero to the format's decimals) with the
// thousands separator of the regional settings. An empty format gives plain digits.
std::string formatFloat(const std::string& format, double value);

// Groups the decimal digits of `digits` in threes with `separator`.
std::string groupThousands(const std::string& digits, const std::string& separator);

}  // namespace platform::grid
