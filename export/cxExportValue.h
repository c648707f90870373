#pragma once
// The value a cell receives through PutValue: a small variant whose type codes are the
// classic variant type numbers, so a value keeps its kind (integer, float, currency,
// date, text, Boolean) on its way from the grid to the workbook.

#include <cstdint>
#include <string>
#include <string_view>

namespace cx {

enum class TcxVarType : std::uint16_t {
    Empty = 0,
    Null = 1,
    SmallInt = 2,  // 16-bit integer
    Integer = 3,   // 32-bit integer
    Single = 4,    // 32-bit float
    Double = 5,    // 64-bit float
    Currency = 6,  // 64-bit integer scaled by 10,000
    Date = 7,      // days since 30 December 1899 plus the fraction of the day
    OleStr = 8,    // UTF-16 text
    Error = 10,
    Boolean = 11,
    ShortInt = 16,  // signed byte
    Byte = 17,
    Word = 18,      // 16-bit unsigned
    LongWord = 19,  // 32-bit unsigned
    Int64 = 20,
    String = 0x0100,     // single-byte Windows-1250 text
    TimeStamp = 0x0110,  // database time stamp
    Bcd = 0x0111,        // binary-coded decimal, held as its decimal text
};

// A database time stamp: calendar date and time of day.
struct TcxTimeStamp {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

class TcxExportValue {
  public:
    TcxExportValue() = default;  // Empty

    static TcxExportValue Null();
    static TcxExportValue ErrorCode(std::int32_t code);
    static TcxExportValue SmallInt(std::int16_t v);
    static TcxExportValue Integer(std::int32_t v);
    static TcxExportValue ShortInt(std::int8_t v);
    static TcxExportValue Byte(std::uint8_t v);
    static TcxExportValue Word(std::uint16_t v);
    static TcxExportValue LongWord(std::uint32_t v);
    static TcxExportValue Int64(std::int64_t v);
    static TcxExportValue Single(float v);
    static TcxExportValue Double(double v);
    // `scaled` is the amount times 10,000 (the currency type's own representation).
    static TcxExportValue Currency(std::int64_t scaled);
    static TcxExportValue Date(double dateTime);
    static TcxExportValue Boolean(bool v);
    static TcxExportValue String(std::string_view bytes);
    static TcxExportValue OleStr(std::u16string_view text);
    static TcxExportValue TimeStamp(const TcxTimeStamp& stamp);
    // A decimal number written as text: optional sign, digits, optional point and digits.
    static TcxExportValue Bcd(std::string_view decimal);

    TcxVarType VarType() const { return type_; }
    std::int64_t AsInteger() const { return integer_; }    // integer kinds, Currency, Boolean
    double AsDouble() const { return real_; }              // Single, Double, Date
    const std::string& AsString() const { return text_; }  // String, Bcd
    const std::u16string& AsWideString() const { return wide_; }
    const TcxTimeStamp& AsTimeStamp() const { return stamp_; }

  private:
    TcxVarType type_ = TcxVarType::Empty;
    std::int64_t integer_ = 0;
    double real_ = 0;
    std::string text_;
    std::u16string wide_;
    TcxTimeStamp stamp_;
};

// Days since 30 December 1899 for a time stamp, plus the fraction of the day (a date
// before that day carries its time as a negative fraction, as the date type does).
double TimeStampToDateTime(const TcxTimeStamp& stamp);

// A binary-coded decimal as a currency amount times 10,000, when it has at most four
// decimals and fits the currency range; false otherwise.
bool BcdToCurrency(std::string_view decimal, std::int64_t& scaled);
// A binary-coded decimal as a 64-bit float; false when the text is not a decimal number.
bool BcdToDouble(std::string_view decimal, double& value);

}  // namespace cx
