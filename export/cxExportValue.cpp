#include "export/cxExportValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace cx {

TcxExportValue TcxExportValue::Null() {
    TcxExportValue v;
    v.type_ = TcxVarType::Null;
    return v;
}

TcxExportValue TcxExportValue::ErrorCode(std::int32_t code) {
    TcxExportValue v;
    v.type_ = TcxVarType::Error;
    v.integer_ = code;
    return v;
}

#define CX_INTEGER_VALUE(Name, CType)                  \
    TcxExportValue TcxExportValue::Name(CType value) { \
        TcxExportValue v;                              \
        v.type_ = TcxVarType::Name;                    \
        v.integer_ = static_cast<std::int64_t>(value); \
        return v;                                      \
    }

CX_INTEGER_VALUE(SmallInt, std::int16_t)
CX_INTEGER_VALUE(Integer, std::int32_t)
CX_INTEGER_VALUE(ShortInt, std::int8_t)
CX_INTEGER_VALUE(Byte, std::uint8_t)
CX_INTEGER_VALUE(Word, std::uint16_t)
CX_INTEGER_VALUE(LongWord, std::uint32_t)
CX_INTEGER_VALUE(Int64, std::int64_t)
CX_INTEGER_VALUE(Currency, std::int64_t)
#undef CX_INTEGER_VALUE

TcxExportValue TcxExportValue::Single(float value) {
    TcxExportValue v;
    v.type_ = TcxVarType::Single;
    v.real_ = static_cast<double>(value);
    return v;
}

TcxExportValue TcxExportValue::Double(double value) {
    TcxExportValue v;
    v.type_ = TcxVarType::Double;
    v.real_ = value;
    return v;
}

TcxExportValue TcxExportValue::Date(double dateTime) {
    TcxExportValue v;
    v.type_ = TcxVarType::Date;
    v.real_ = dateTime;
    return v;
}

TcxExportValue TcxExportValue::Boolean(bool value) {
    TcxExportValue v;
    v.type_ = TcxVarType::Boolean;
    v.integer_ = value ? 1 : 0;
    return v;
}

TcxExportValue TcxExportValue::String(std::string_view bytes) {
    TcxExportValue v;
    v.type_ = TcxVarType::String;
    v.text_ = bytes;
    return v;
}

TcxExportValue TcxExportValue::OleStr(std::u16string_view text) {
    TcxExportValue v;
    v.type_ = TcxVarType::OleStr;
    v.wide_ = text;
    return v;
}

TcxExportValue TcxExportValue::TimeStamp(const TcxTimeStamp& stamp) {
    TcxExportValue v;
    v.type_ = TcxVarType::TimeStamp;
    v.stamp_ = stamp;
    return v;
}

TcxExportValue TcxExportValue::Bcd(std::string_view decimal) {
    TcxExportValue v;
    v.type_ = TcxVarType::Bcd;
    v.text_ = decimal;
    return v;
}

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr std::int64_t kDaysFrom1899To1970 = 25569;  // 30 Dec 1899 .. 1 Jan 1970
constexpr double kMillisecondsPerDay = 86400000.0;

// Splits a decimal text into its sign, integer digits and fraction digits.
struct Decimal {
    bool negative = false;
    std::string_view whole;
    std::string_view fraction;
};

bool parseDecimal(std::string_view text, Decimal& out) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const std::size_t wholeStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    out.whole = text.substr(wholeStart, i - wholeStart);
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fractionStart = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        out.fraction = text.substr(fractionStart, i - fractionStart);
    }
    return i == text.size() && (!out.whole.empty() || !out.fraction.empty());
}

}  // namespace

double TimeStampToDateTime(const TcxTimeStamp& s) {
    const double date =
        static_cast<double>(daysFromCivil(s.Year, s.Month, s.Day) + kDaysFrom1899To1970);
    const double time = (((s.Hour * 60.0 + s.Minute) * 60.0 + s.Second) * 1000.0 + s.Millisecond) /
                        kMillisecondsPerDay;
    return date < 0 ? date - time : date + time;
}

bool BcdToCurrency(std::string_view decimal, std::int64_t& scaled) {
    Decimal d;
    if (!parseDecimal(decimal, d))
        return false;
    while (!d.fraction.empty() && d.fraction.back() == '0')
        d.fraction.remove_suffix(1);
    if (d.fraction.size() > 4)
        return false;
    while (d.whole.size() > 1 && d.whole.front() == '0')
        d.whole.remove_prefix(1);
    // The magnitude in units of 1/10,000, accumulated as unsigned to reach -2^63.
    std::uint64_t magnitude = 0;
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 63;
    auto push = [&](char digit) {
        const std::uint64_t v = static_cast<std::uint64_t>(digit - '0');
        if (magnitude > (kLimit - v) / 10)
            return false;
        magnitude = magnitude * 10 + v;
        return true;
    };
    for (char c : d.whole) {
        if (!push(c))
            return false;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (!push(k < d.fraction.size() ? d.fraction[k] : '0'))
            return false;
    }
    if (!d.negative && magnitude == kLimit)
        return false;
    scaled = d.negative ? static_cast<std::int64_t>(0 - magnitude)
                        : static_cast<std::int64_t>(magnitude);
    return true;
}

bool BcdToDouble(std::string_view decimal, double& value) {
    Decimal d;
    if (!parseDecimal(decimal, d))
        return false;
    std::string normalized;
    normalized.reserve(decimal.size() + 2);
    normalized += d.whole.empty() ? std::string_view("0") : d.whole;
    if (!d.fraction.empty()) {
        normalized += '.';
        normalized += d.fraction;
    }
    double parsed = 0;
    const auto result =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), parsed);
    if (result.ec != std::errc())
        return false;
    value = d.negative ? -parsed : parsed;
    return std::isfinite(value);
}

}  // namespace cx
