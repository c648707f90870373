#include "platform/grid/DisplayFormat.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/RegionalSettings.h"

namespace platform::grid {
namespace {

std::vector<std::string> splitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    for (char c : format) {
        if (c == ';') {
            sections.emplace_back();
        } else {
            sections.back().push_back(c);
        }
    }
    return sections;
}

// Applies one section to a non-negative value.
std::string applySection(const std::string& section, double magnitude) {
    bool grouping = false;
    int decimals = 0;
    bool inDecimals = false;
    size_t firstDigit = std::string::npos;
    size_t lastDigit = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        if (c == '0' || c == '#' || c == ',' || (c == '.' && !inDecimals)) {
            if (firstDigit == std::string::npos)
                firstDigit = i;
            lastDigit = i;
            if (c == ',')
                grouping = true;
            if (c == '.')
                inDecimals = true;
            if (inDecimals && (c == '0' || c == '#'))
                ++decimals;
        }
    }
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    std::string number = buffer;
    std::string integerPart = number.substr(0, number.find('.'));
    std::string fraction = decimals > 0 ? number.substr(number.find('.') + 1) : std::string();
    if (grouping)
        integerPart = groupThousands(integerPart, thousandsSeparator());
    if (firstDigit == std::string::npos)
        return section;
    std::string result(section, 0, firstDigit);
    result.append(integerPart);
    if (decimals > 0)
        result.append(1, '.').append(fraction);
    result.append(section, lastDigit + 1);
    return result;
}

}  // namespace

std::string groupThousands(const std::string& digits, const std::string& separator) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        out.push_back(digits[i]);
        const size_t remaining = n - 1 - i;
        if (remaining > 0 && remaining % 3 == 0)
            out += separator;
    }
    return out;
}

std::string formatFloat(const std::string& format, double value) {
    if (format.empty()) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        return buffer;
    }
    const auto sections = splitSections(format);
    // Rounding decides the section, so that -0.4 shown without decimals is "0", not "-0".
    const double rounded = std::round(value);
    if (rounded == 0 && sections.size() >= 3)
        return applySection(sections[2], 0);
    if (value < 0 && rounded != 0) {
        if (sections.size() >= 2)
            return applySection(sections[1], -value);
        std::string text = applySection(sections[0], -value);
        text.insert(text.begin(), '-');
        return text;
    }
    return applySection(sections[0], std::fabs(value));
}

}  // namespace platform::grid
