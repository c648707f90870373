// The Excel provider as a whole: worked figures of whole workbooks, text routing,
// values, merges, sheet names, limits and the safe save.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "export/cxExportStyleManager.h"
#include "platform/ScreenScale.h"
#include "tests/export/XlsTestSupport.h"

namespace {

using namespace cx;
using namespace cx::detail;
using xlstest::Bytes;
using xlstest::Hex;
using xlstest::Provider;

class ProviderTest : public ::testing::Test {
  protected:
    std::filesystem::path File(const std::string& name) const { return dir.path() / name; }
    // Writes the stream of a provider into memory (the cell-format pass included).
    static Bytes Stream(Provider& p) {
        TcxByteStream out;
        p->WriteWorkbookStream(out);
        return out.Buffer();
    }
    static const xlstest::Record* Find(const std::vector<xlstest::Record>& records,
                                       std::uint16_t type, std::size_t nth = 0) {
        for (const auto& r : records) {
            if (r.type == type && nth-- == 0)
                return &r;
        }
        return nullptr;
    }
    test::TempDir dir;
};

TEST_F(ProviderTest, OneByOneSheetIs1050PlusTwoPerNameCharacter) {
    const auto file = File("t.xls");
    {
        Provider p(file);
        TcxExportCellStyle base = xlstest::BaseStyle();
        p->AddBaseStyle(base);
        p->PrepareSheet(1, 1, false);
        p->Finish();
        EXPECT_EQ(p->StreamSize(), 1052u);  // FONT and XF made by the format pass
    }
    const Bytes bytes = xlstest::ReadFile(file);
    ASSERT_EQ(bytes.size(), 2048u + 1536u);  // small layout, padded to whole sectors
    const Bytes stream = xlstest::StreamOfFile(bytes);
    ASSERT_EQ(stream.size(), 1052u);
    for (std::size_t i = 2048 + 1052; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], 0) << i;
    const auto records = xlstest::ParseRecords(stream);
    // The user FONT (32 bytes) and XF (24 bytes).
    const auto* font = Find(records, 0x0031, 5);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(Hex(font->data),
              "A0 00 00 00 FF 7F 90 01 00 00 00 00 00 00 06 01 54 00 61 00 68 00 6F 00 6D 00 "
              "61 00");
    const auto* xf = Find(records, 0x00E0, 17);
    ASSERT_NE(xf, nullptr);
    // Thin grey edges (a new palette colour, index 63) and a fill in the window colour.
    EXPECT_EQ(Hex(xf->data), "06 00 00 00 01 00 0A 00 00 FC 11 11 BF 1F BF 1F 00 00 C0 20");
    // BOUNDSHEET points at the worksheet's BOF, counted from the stream's start.
    const auto* sheet = Find(records, 0x0085);
    ASSERT_NE(sheet, nullptr);
    const std::uint32_t position = xlstest::U32At(sheet->data, 0);
    EXPECT_EQ(xlstest::U16At(stream, position), 0x0809);
    EXPECT_EQ(xlstest::U16At(stream, position + 6), 0x0010);
    EXPECT_EQ(Hex(stream, position + 20, 1052 - position - 20),
              // DIMENSIONS, WINDOW2, BLANK with XF 17, EOF
              "00 02 0E 00 00 00 00 00 01 00 00 00 00 00 01 00 00 00 "
              "3E 02 12 00 B4 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00 "
              "01 02 06 00 00 00 00 00 11 00 0A 00 00 00");
    // The palette as written: slot 55 holds the edge grey.
    const auto* palette = Find(records, 0x0092);
    EXPECT_EQ(Hex(palette->data, 2 + 4 * 55, 4), "A0 A0 A0 00");
}

TEST_F(ProviderTest, UnpreparedSheetWritesZeroDimensions) {
    const auto file = File("empty.xls");
    {
        Provider p(file);
        p->Finish();
    }
    const Bytes stream = xlstest::StreamOfFile(xlstest::ReadFile(file));
    const auto records = xlstest::ParseRecords(stream);
    const auto* dims = Find(records, 0x0200);
    ASSERT_NE(dims, nullptr);
    EXPECT_EQ(Hex(dims->data), "00 00 00 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(stream.size(), 984u + 2 * 5);
}

TEST_F(ProviderTest, CellOperationBeforePrepareSheetRaisesInvalidCellDimension) {
    Provider p(File("a.xls"));
    try {
        p->PutNumber(0, 0, 1);
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_STREQ(e.what(), "Invalid cell dimension");
    }
    EXPECT_THROW(p->StyleOfCell(0, 0), EcxExportData);
    EXPECT_THROW(p->ApplyStyle(0, 0, 0), EcxExportData);
}

TEST_F(ProviderTest, RejectsSheetOver65536Rows) {
    Provider p(File("a.xls"));
    try {
        p->PrepareSheet(3, 65537, true);
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_NE(std::string(e.what()).find("65537"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("65536"), std::string::npos) << e.what();
    }
    EXPECT_EQ(p->SheetRows(), -1);
}

TEST_F(ProviderTest, RejectsSheetOver256Columns) {
    Provider p(File("a.xls"));
    try {
        p->PrepareSheet(257, 3, true);
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_NE(std::string(e.what()).find("257"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("256"), std::string::npos) << e.what();
    }
    EXPECT_NO_THROW(p->PrepareSheet(256, 1, true));
    Provider tall(File("tall.xls"));
    EXPECT_NO_THROW(tall->PrepareSheet(1, 65536, true));
}

TEST_F(ProviderTest, StyleOfCellGivesStyleZeroOrNothingOutside) {
    Provider p(File("a.xls"));
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    TcxExportCellStyle bold = xlstest::BaseStyle();
    bold.FontFlags = kFontBold;
    const int boldIndex = p->AddStyle(bold);
    EXPECT_EQ(boldIndex, 1);
    p->PrepareSheet(3, 3, false);
    EXPECT_EQ(p->StyleOfCell(1, 1), &p->StyleAt(0));
    EXPECT_EQ(p->StyleOfCell(3, 0), nullptr);
    EXPECT_EQ(p->StyleOfCell(0, -1), nullptr);
    p->ApplyStyle(1, 1, boldIndex);
    EXPECT_EQ(p->StyleOfCell(1, 1), &p->StyleAt(1));
    p->CopyCellStyle(2, 2, 1, 1);
    EXPECT_EQ(p->StyleOfCell(2, 2), &p->StyleAt(1));
    EXPECT_THROW(p->StyleAt(2), EListError);
    EXPECT_THROW(p->ApplyStyle(0, 0, 7), EListError);
}

TEST_F(ProviderTest, StyleOfMergedCellIsTheMergeStyle) {
    Provider p(File("a.xls"));
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    TcxExportCellStyle red = xlstest::BaseStyle();
    red.TextColor = 0xFF;
    const int redIndex = p->AddStyle(red);
    p->PrepareSheet(4, 4, false);
    p->MergeWithStyle(1, 1, 2, 2, redIndex);
    EXPECT_EQ(p->StyleOfCell(2, 2), &p->StyleAt(redIndex));
    p->ApplyStyle(2, 2, 0);  // merged cells keep their look
    EXPECT_EQ(p->StyleOfCell(2, 2), &p->StyleAt(redIndex));
    ASSERT_EQ(p->MergedRanges().size(), 1u);
    EXPECT_EQ(p->MergedRanges()[0].LastRow, 2);
    // The merged XF carries the merged-cell bit.
    const Bytes stream = Stream(p);
    const auto records = xlstest::ParseRecords(stream);
    const std::uint16_t xf = p->CellStore().At(p->CellStore().IndexOf(1, 1)).Format;
    const auto* xfRecord = Find(records, 0x00E0, xf);
    ASSERT_NE(xfRecord, nullptr);
    EXPECT_EQ(xlstest::U16At(xfRecord->data, 8), 0xFC20);
}

struct MergeCase {
    const char* name;
    int column, row, rowCount, columnCount;
    bool viaAddMerge;
    std::size_t ranges;
    TcxXLSMergedRange expected;
};
// Tests show a case by its name.
void PrintTo(const MergeCase& c, std::ostream* os) {
    *os << c.name;
}

class MergeTest : public ::testing::TestWithParam<MergeCase> {};
TEST_P(MergeTest, Ranges) {
    test::TempDir dir;
    Provider p(dir.path() / "m.xls");
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    p->PrepareSheet(256, 2, false);
    const MergeCase& c = GetParam();
    if (c.viaAddMerge) {
        p->AddMerge(c.column, c.row, c.rowCount, c.columnCount);
    } else {
        p->MergeWithStyle(c.column, c.row, c.rowCount, c.columnCount, 0);
    }
    ASSERT_EQ(p->MergedRanges().size(), c.ranges);
    if (c.ranges == 1) {
        const auto& r = p->MergedRanges()[0];
        EXPECT_EQ(r.FirstRow, c.expected.FirstRow);
        EXPECT_EQ(r.LastRow, c.expected.LastRow);
        EXPECT_EQ(r.FirstColumn, c.expected.FirstColumn);
        EXPECT_EQ(r.LastColumn, c.expected.LastColumn);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Table, MergeTest,
    ::testing::Values(MergeCase{"OneByOneIsNoRange", 2, 2, 1, 1, false, 0, {}},
                      MergeCase{"CutAtColumn255", 250, 0, 1, 10, false, 1, {0, 0, 250, 255}},
                      MergeCase{"Column255IgnoredByMerge", 255, 0, 2, 1, false, 0, {}},
                      MergeCase{"Row65535IgnoredByMerge", 0, 65535, 1, 2, false, 0, {}},
                      MergeCase{"Column255KeptByAddMerge", 255, 0, 2, 1, true, 1, {0, 1, 255, 255}},
                      MergeCase{
                          "Row65535KeptByAddMerge", 0, 65535, 5, 2, true, 1, {65535, 65535, 0, 1}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ProviderTest, ThousandTwentyFiveMergesMakeTwoRecords) {
    for (int count : {1024, 1025}) {
        Provider p(File("m" + std::to_string(count) + ".xls"));
        TcxExportCellStyle base = xlstest::BaseStyle();
        p->AddBaseStyle(base);
        p->PrepareSheet(2, 2 * count, false);
        for (int i = 0; i < count; ++i)
            p->MergeWithStyle(0, 2 * i, 1, 2, 0);
        const Bytes stream = Stream(p);
        const auto records = xlstest::ParseRecords(stream);
        std::vector<std::uint16_t> counts;
        for (const auto& r : records) {
            if (r.type == 0x00E5)
                counts.push_back(xlstest::U16At(r.data, 0));
        }
        const std::vector<std::uint16_t> expected =
            count == 1024 ? std::vector<std::uint16_t>{1024} : std::vector<std::uint16_t>{1024, 1};
        EXPECT_EQ(counts, expected);
        EXPECT_EQ(stream.size(), p->StreamSize());
    }
}

// --- Text routing ------------------------------------------------------------------

TEST_F(ProviderTest, LabelOfABCrLfCDropsTheCR) {
    Provider p(File("a.xls"));
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    p->PrepareSheet(1, 1, false);
    p->PutText(0, 0, "AB\r\nC");
    const auto& cells = p->CellStore();
    EXPECT_EQ(cells.At(0).Kind, TcxCellKind::Label);
    EXPECT_EQ(cells.At(0).Length, 13);
    const std::string_view payload = cells.LabelPayload(0);
    EXPECT_EQ(Hex(reinterpret_cast<const std::uint8_t*>(payload.data()), payload.size()),
              "04 00 00 41 42 0A 43");
}

TEST_F(ProviderTest, Windows1250TextBecomesUtf16InTheFontsCodePage) {
    Provider p(File("a.xls"));
    TcxExportCellStyle base = xlstest::BaseStyle();
    base.CharacterSet = 238;
    p->AddBaseStyle(base);
    p->PrepareSheet(1, 1, false);
    p->PutText(0, 0,
               "Pe\xE8"
               "at 1234");  // 10 bytes
    const std::string_view payload = p->CellStore().LabelPayload(0);
    EXPECT_EQ(Hex(reinterpret_cast<const std::uint8_t*>(payload.data()), 9),
              "0A 00 01 50 00 65 00 0D 01");
}

struct RoutingCase {
    const char* name;
    std::size_t length;
    char byte;
    bool wide;
    TcxCellKind kind;
    std::uint16_t recordLength;
};
// Tests show a case by its name.
void PrintTo(const RoutingCase& c, std::ostream* os) {
    *os << c.name;
}

class TextRoutingTest : public ::testing::TestWithParam<RoutingCase> {};
TEST_P(TextRoutingTest, LabelOrSharedString) {
    test::TempDir dir;
    Provider p(dir.path() / "r.xls");
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    p->PrepareSheet(1, 1, false);
    const RoutingCase& c = GetParam();
    if (c.wide) {
        p->PutWideText(0, 0, std::u16string(c.length, static_cast<char16_t>(c.byte)));
    } else {
        p->PutText(0, 0, std::string(c.length, c.byte));
    }
    EXPECT_EQ(p->CellStore().At(0).Kind, c.kind);
    EXPECT_EQ(p->CellStore().At(0).Length, c.recordLength);
    EXPECT_EQ(p->SharedStrings().StringCount(), c.kind == TcxCellKind::LabelSst ? 1u : 0u);
}
INSTANTIATE_TEST_SUITE_P(
    Table, TextRoutingTest,
    ::testing::Values(RoutingCase{"NonAscii127", 127, '\xE8', false, TcxCellKind::Label, 9 + 254},
                      RoutingCase{"NonAscii128", 128, '\xE8', false, TcxCellKind::LabelSst, 10},
                      RoutingCase{"Ascii255", 255, 'a', false, TcxCellKind::Label, 9 + 255},
                      RoutingCase{"Ascii256", 256, 'a', false, TcxCellKind::LabelSst, 10},
                      RoutingCase{"Wide127", 127, 'w', true, TcxCellKind::Label, 9 + 254},
                      RoutingCase{"Wide128", 128, 'w', true, TcxCellKind::LabelSst, 10},
                      RoutingCase{"Empty", 0, 'a', false, TcxCellKind::Blank, 6}),
    [](const auto& param) { return std::string(param.param.name); });

// --- Values --------------------------------------------------------------------------

struct ValueCase {
    const char* name;
    TcxExportValue value;
    std::uint16_t recordType;  // 0: the cell stays BLANK
    double number;
    std::uint16_t numberFormat;
};
// Tests show a case by its name.
void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class PutValueTest : public ::testing::TestWithParam<ValueCase> {};
TEST_P(PutValueTest, StoredByKind) {
    test::TempDir dir;
    Provider p(dir.path() / "v.xls");
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    p->PrepareSheet(1, 1, false);
    const ValueCase& c = GetParam();
    p->PutValue(0, 0, c.value);
    TcxByteStream out;
    p->WriteWorkbookStream(out);
    const auto records = xlstest::ParseRecords(out.Buffer());
    const xlstest::Record* cell = nullptr;
    for (const auto& r : records) {
        if (r.type == 0x0201 || r.type == 0x0203 || r.type == 0x0204 || r.type == 0x0205 ||
            r.type == 0x00FD) {
            cell = &r;
        }
    }
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->type, c.recordType == 0 ? 0x0201 : c.recordType);
    if (c.recordType == 0x0203) {
        double stored;
        std::memcpy(&stored, cell->data.data() + 6, 8);
        EXPECT_EQ(stored, c.number);
        const std::uint16_t xf = xlstest::U16At(cell->data, 4);
        std::size_t nth = xf;
        const xlstest::Record* xfRecord = nullptr;
        for (const auto& r : records) {
            if (r.type == 0x00E0 && nth-- == 0)
                xfRecord = &r;
        }
        ASSERT_NE(xfRecord, nullptr);
        EXPECT_EQ(xlstest::U16At(xfRecord->data, 2), c.numberFormat);
    }
    if (c.recordType == 0x0205) {
        EXPECT_EQ(Hex(cell->data, 6, 2), c.number != 0 ? "01 00" : "00 00");
    }
}
INSTANTIATE_TEST_SUITE_P(
    Table, PutValueTest,
    ::testing::Values(
        ValueCase{"Date2IsFirstJanuary1900", TcxExportValue::Date(2.0), 0x0203, 1.0, 14},
        ValueCase{"DateHalfIsTime", TcxExportValue::Date(0.5), 0x0203, 0.5, 21},
        ValueCase{"DateTime", TcxExportValue::Date(45000.25), 0x0203, 45000.25, 22},
        ValueCase{"DateOneAndAHalfIsTime", TcxExportValue::Date(1.5), 0x0203, 0.5, 21},
        ValueCase{"Date61Unchanged", TcxExportValue::Date(61.0), 0x0203, 61.0, 14},
        ValueCase{"Integer", TcxExportValue::Integer(-42), 0x0203, -42.0, 0},
        ValueCase{"SmallInt", TcxExportValue::SmallInt(7), 0x0203, 7.0, 0},
        ValueCase{"Byte", TcxExportValue::Byte(200), 0x0203, 200.0, 0},
        ValueCase{"LongWordAs32Bits", TcxExportValue::LongWord(4000000000u), 0x0203, -294967296.0,
                  0},
        ValueCase{"Int64", TcxExportValue::Int64(1LL << 40), 0x0203, 1099511627776.0, 0},
        ValueCase{"Double", TcxExportValue::Double(3.25), 0x0203, 3.25, 0},
        ValueCase{"Single", TcxExportValue::Single(0.5f), 0x0203, 0.5, 0},
        ValueCase{"Currency", TcxExportValue::Currency(123456), 0x0203, 12.3456, 7},
        ValueCase{"BcdAsCurrency", TcxExportValue::Bcd("-12.5"), 0x0203, -12.5, 7},
        ValueCase{"BcdTooPreciseIsFloat", TcxExportValue::Bcd("1.23456"), 0x0203, 1.23456, 0},
        ValueCase{"TimeStamp", TcxExportValue::TimeStamp({2023, 3, 15, 6, 0, 0, 0}), 0x0203,
                  45000.25, 22},
        ValueCase{"BooleanTrue", TcxExportValue::Boolean(true), 0x0205, 1, 0},
        ValueCase{"BooleanFalse", TcxExportValue::Boolean(false), 0x0205, 0, 0},
        ValueCase{"StringIsText", TcxExportValue::String("12"), 0x0204, 0, 0},
        ValueCase{"OleStrIsText", TcxExportValue::OleStr(u"x"), 0x0204, 0, 0},
        ValueCase{"EmptyKeepsCell", TcxExportValue(), 0, 0, 0},
        ValueCase{"NullKeepsCell", TcxExportValue::Null(), 0, 0, 0},
        ValueCase{"ErrorKeepsCell", TcxExportValue::ErrorCode(7), 0, 0, 0}),
    [](const auto& param) { return std::string(param.param.name); });

// --- Widths and heights --------------------------------------------------------------

TEST_F(ProviderTest, ColumnWidthsAndRowHeightInTheirUnits) {
    Provider p(File("w.xls"));
    p->DefineColumnWidth(0, 64);
    p->DefineColumnWidth(256, 64);    // ignored
    p->DefineColumnWidth(1, 100000);  // clamped to 255 characters
    p->DefineRowHeight(3, 20);
    p->DefineRowHeight(65535, 20);  // ignored
    ASSERT_EQ(p->ColumnRecords().Count(), 2);
    EXPECT_EQ(Hex(p->ColumnRecords().ItemData(0)), "00 00 00 00 26 09 0F 00 00 00 00");
    EXPECT_EQ(Hex(p->ColumnRecords().ItemData(1)), "01 00 01 00 00 FF 0F 00 00 00 00");
    ASSERT_EQ(p->RowRecords().Count(), 1);
    EXPECT_EQ(Hex(p->RowRecords().ItemData(0)), "03 00 00 00 00 01 2E 01 00 00 00 00 C0 01 0F 00");

    platform::setScreenPixelsPerInch(120);
    MeasureScreenScale();
    p->DefineColumnWidth(2, 100);
    platform::setScreenPixelsPerInch(96);
    MeasureScreenScale();
    EXPECT_EQ(Hex(p->ColumnRecords().ItemData(2)), "02 00 02 00 70 0B 0F 00 00 00 00");  // 2928
}

// --- FONT and XF -----------------------------------------------------------------------

TEST_F(ProviderTest, FontOfBoldItalicUnderlinedStruckRedText) {
    Provider p(File("f.xls"));
    TcxExportCellStyle s = xlstest::BaseStyle();
    s.FontFlags = kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;
    s.TextColor = 0x0000FF;
    s.PointSize = 12;
    s.CharacterSet = 238;
    EXPECT_EQ(p->MakeFont(s), 6);
    EXPECT_EQ(Hex(p->FontRecords().ItemData(0)),
              "F0 00 0A 00 3F 00 BC 02 00 00 01 00 EE 00 06 01 54 00 61 00 68 00 6F 00 6D 00 "
              "61 00");
    EXPECT_EQ(p->MakeFont(s), 6);  // de-duplicated
}

TEST_F(ProviderTest, XfEdgesMapBySideNameAndFillPattern) {
    Provider p(File("x.xls"));
    TcxExportCellStyle s = xlstest::BaseStyle();
    for (auto& edge : s.Edges)
        edge.Omitted = true;
    s.Edges[kEdgeTop] = {false, 2, 0x000000};    // medium, automatic colour
    s.Edges[kEdgeRight] = {false, 3, 0x0000FF};  // thick red
    s.FillColor = 0x00FF00;                      // green: slot 3 moves to slot 55
    s.Alignment = 2;
    EXPECT_EQ(p->MakeXf(s, 0, false), 17);
    // Border styles: right 5 in bits 4-7, top 2 in bits 8-11; colours: right 63 in
    // bits 7-13, top 64 in bits 16-22; fill: solid with colour 62.
    EXPECT_EQ(Hex(p->FormatRecords().ItemData(0)),
              "06 00 00 00 01 00 0B 00 00 FC 50 02 80 1F 40 00 00 04 BE 20");
}

TEST_F(ProviderTest, NoFillPatternKeepsDefaultPatternColours) {
    Provider p(File("x.xls"));
    TcxExportCellStyle s = xlstest::BaseStyle();
    s.FillPattern = 0;
    s.FillColor = 0x00FF00;
    p->MakeXf(s, 14, false);
    const Bytes xf = p->FormatRecords().ItemData(0);
    EXPECT_EQ(Hex(xf, 2, 2), "0E 00");
    EXPECT_EQ(Hex(xf, 16, 4), "00 00 C0 20");
}

TEST_F(ProviderTest, ThousandsOfDistinctLooksGiveOneXfEach) {
    Provider p(File("many.xls"));
    TcxExportCellStyle base = xlstest::BaseStyle();
    p->AddBaseStyle(base);
    p->PrepareSheet(4, 1000, false);
    for (int i = 0; i < 4000; ++i) {
        TcxExportCellStyle s = xlstest::BaseStyle();
        s.PointSize = 1 + i;  // a font, and so an XF, of its own
        p->ApplyStyleRecord(i % 4, i / 4, s);
    }
    const Bytes stream = Stream(p);
    EXPECT_EQ(stream.size(), p->StreamSize());
    EXPECT_EQ(p->FormatRecords().Count(), 4000);
    EXPECT_EQ(p->FontRecords().Count(), 4000);
    EXPECT_EQ(p->StyleRegistry().EntryCount(), 4000);  // size 8 is the base style
}

// --- Sheet names -----------------------------------------------------------------------

struct NameCase {
    const char* name;
    const char* fileName;
    std::u16string title;
};
// Tests show a case by its name.
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class SheetNameTest : public ::testing::TestWithParam<NameCase> {};
TEST_P(SheetNameTest, CleanedName) {
    EXPECT_EQ(SheetTitleOf(GetParam().fileName), GetParam().title);
}
INSTANTIATE_TEST_SUITE_P(
    Table, SheetNameTest,
    ::testing::Values(
        NameCase{"DotInFolder", "C:\\a.b\\Promena redosleda.xls", u"Promena redosleda"},
        NameCase{"SlashPath", "/tmp/x.y/report.xls", u"report"},
        NameCase{"NoExtension", "/tmp/report", u"report"},
        NameCase{"RejectsSheetNameOver31Chars", "/t/abcdefghijklmnopqrstuvwxyz0123456789.xls",
                 u"abcdefghijklmnopqrstuvwxyz01234"},
        NameCase{"RefusedCharacters", "/t/a[b]c:d*e?f.xls", u"a_b_c_d_e_f"},
        NameCase{"ApostrophesAtEnds", "/t/'quoted'.xls", u"_quoted_"},
        NameCase{"ApostropheInside", "/t/it's.xls", u"it's"},
        NameCase{"EmptyIsSheet1", "/t/.xls", u"Sheet1"},
        NameCase{"Windows1250Letters",
                 "/t/Pre\x9A"
                 "a.xls",
                 u"Pre\u0161a"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ProviderTest, StreamSizeFollowsTheCleanedName) {
    Provider p(File("abcdefghijklmnopqrstuvwxyz0123456789.xls"));
    EXPECT_EQ(p->SheetTitle().size(), 31u);
    EXPECT_EQ(p->StreamSize(), 984u + 62);
    EXPECT_EQ(Stream(p).size(), 984u + 62);
}

// --- Saving -----------------------------------------------------------------------------

TEST_F(ProviderTest, FileInMissingFolderFailsAtCreationWithTheFileCreationError) {
    EXPECT_THROW(Provider p(File("missing/a.xls")), platform::EFCreateError);
    EXPECT_THROW(TcxExport::CreateProvider(1, File("missing/a.xls").string()), EFCreateError);
}

TEST_F(ProviderTest, ProviderReleasedWithoutFinishLeavesExistingFileUntouched) {
    const auto file = dir.write("keep.xls", "old contents");
    {
        Provider p(file);
        TcxExportCellStyle base = xlstest::BaseStyle();
        p->AddBaseStyle(base);
        p->PrepareSheet(1, 1, false);
        p->PutText(0, 0, "new");
    }
    EXPECT_EQ(xlstest::ReadFile(file),
              Bytes({'o', 'l', 'd', ' ', 'c', 'o', 'n', 't', 'e', 'n', 't', 's'}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(ProviderTest, FailedReplaceRaisesNamingTheFileAndLeavesNoPartialFile) {
    const auto file = File("busy.xls");
    Provider p(file);
    std::filesystem::create_directory(file);  // the target turns into a folder meanwhile
    dir.write("busy.xls/inside", "x");
    try {
        p->Finish();
        FAIL() << "no exception";
    } catch (const EcxExportData& e) {
        EXPECT_NE(std::string(e.what()).find("busy.xls"), std::string::npos) << e.what();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    // The file is gone: a second Finish has nothing to write into.
    EXPECT_THROW(p->Finish(), EcxExportData);
}

TEST_F(ProviderTest, FinishReplacesAnExistingFile) {
    const auto file = dir.write("old.xls", "old contents");
    {
        Provider p(file);
        p->Finish();
        try {
            p->Finish();
            FAIL() << "no exception";
        } catch (const EcxExportData& e) {
            EXPECT_STREQ(e.what(), "Error write XLS file");
        }
    }
    EXPECT_EQ(xlstest::ReadFile(file).size(), 2048u + 1024u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(ProviderTest, FinishWithCellsButNoStyleIsAListError) {
    Provider p(File("nostyle.xls"));
    p->PrepareSheet(1, 1, false);
    EXPECT_THROW(p->Finish(), EListError);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(ProviderTest, TwoProvidersForOneNameInOtherCaseShareTheRegistry) {
    Provider first(File("Same.xls"));
    TcxExportCellStyle red = xlstest::BaseStyle();
    red.TextColor = 0xFF;
    EXPECT_EQ(first->AddStyle(red), 0);
    Provider second(File("SAME.xls"));
    EXPECT_EQ(&first->StyleRegistry(), &second->StyleRegistry());
    EXPECT_EQ(second->StyleRegistry().EntryCount(), 2);
    EXPECT_EQ(second->StyleRegistry().UseCount(), 2);
}

}  // namespace
