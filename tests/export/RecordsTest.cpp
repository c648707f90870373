// Byte-exact checks of the BIFF8 records, the palette, FONT and XF making, and the
// shared string table.

#include <gtest/gtest.h>

#include "export/detail/cxXLSPalette.h"
#include "export/detail/cxXLSRecords.h"
#include "export/detail/cxXLSSharedStrings.h"
#include "platform/ScreenScale.h"
#include "tests/export/XlsTestSupport.h"

namespace {

using namespace cx;
using namespace cx::detail;
using xlstest::Hex;

template <typename Write>
std::string Written(Write write) {
    TcxByteStream out;
    write(out);
    return Hex(out.Buffer());
}

TEST(FixedRecords, BofOfGlobalsAndSheet) {
    EXPECT_EQ(Written([](auto& o) { WriteBof(o, kBofWorkbookGlobals); }),
              "09 08 10 00 00 06 05 00 BB 0D CC 07 00 00 00 00 06 00 00 00");
    EXPECT_EQ(Written([](auto& o) { WriteBof(o, kBofWorksheet); }),
              "09 08 10 00 00 06 10 00 BB 0D CC 07 00 00 00 00 06 00 00 00");
}

TEST(FixedRecords, TabIdWindow1SupBookExternSheetEof) {
    EXPECT_EQ(Written(WriteTabId), "3D 01 02 00 00 00");
    EXPECT_EQ(Written(WriteWindow1),
              "3D 00 12 00 E0 01 69 00 CC 42 7F 26 38 00 00 00 00 00 01 00 58 02");
    EXPECT_EQ(Written(WriteSupBook), "AE 01 04 00 01 00 01 04");
    EXPECT_EQ(Written(WriteExternSheet), "17 00 08 00 01 00 00 00 00 00 00 00");
    EXPECT_EQ(Written(WriteEof), "0A 00 00 00");
}

TEST(FixedRecords, DefaultFontIsTenPointArial) {
    EXPECT_EQ(Written(WriteDefaultFont),
              "31 00 1A 00 C8 00 00 00 FF 7F 90 01 00 00 00 00 00 00 05 01 "
              "41 00 72 00 69 00 61 00 6C 00");
}

struct FixedXfCase {
    int index;
    const char* hex;
};
class FixedXfTest : public ::testing::TestWithParam<FixedXfCase> {};
TEST_P(FixedXfTest, Bytes) {
    EXPECT_EQ(Written([](auto& o) { WriteFixedXf(o, GetParam().index); }), GetParam().hex);
}
INSTANTIATE_TEST_SUITE_P(
    Table, FixedXfTest,
    ::testing::Values(
        FixedXfCase{0, "E0 00 14 00 00 00 00 00 F5 FF 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{1, "E0 00 14 00 01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{2, "E0 00 14 00 01 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{3, "E0 00 14 00 02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{4, "E0 00 14 00 02 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{5, "E0 00 14 00 00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{14, "E0 00 14 00 00 00 00 00 F5 FF 20 00 00 F4 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{15, "E0 00 14 00 00 00 00 00 01 00 20 00 00 00 00 00 00 00 00 00 00 00 C0 20"},
        FixedXfCase{16,
                    "E0 00 14 00 01 00 2B 00 F5 FF 20 00 00 F8 00 00 00 00 00 00 00 00 C0 20"}));

TEST(FixedRecords, BuiltInStylesPointCommaZeroAtXf17) {
    EXPECT_EQ(Written(WriteBuiltInStyles),
              "93 02 04 00 10 80 03 FF 93 02 04 00 11 80 06 FF 93 02 04 00 10 80 04 FF "
              "93 02 04 00 10 80 07 FF 93 02 04 00 00 80 00 FF 93 02 04 00 10 80 05 FF");
}

TEST(FixedRecords, BoundSheetDimensionsWindow2) {
    EXPECT_EQ(Written([](auto& o) { WriteBoundSheet(o, 0x1234, u"Ab"); }),
              "85 00 0C 00 34 12 00 00 00 00 02 01 41 00 62 00");
    EXPECT_EQ(Written([](auto& o) { WriteDimensions(o, 65536, 256); }),
              "00 02 0E 00 00 00 00 00 00 00 01 00 00 00 00 01 00 00");
    EXPECT_EQ(Written([](auto& o) { WriteWindow2(o, true); }),
              "3E 02 12 00 B6 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Written([](auto& o) { WriteWindow2(o, false); }),
              "3E 02 12 00 B4 06 00 00 00 00 40 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(FixedRecords, PaletteIsRedGreenBlueZero) {
    const std::string hex =
        Written([](auto& o) { WritePalette(o, TcxXLSPalette::DefaultColors()); });
    EXPECT_EQ(hex.substr(0, 3 * 18 - 1), "92 00 E2 00 38 00 00 00 00 00 FF FF FF 00 FF 00 00 00");
    EXPECT_EQ(hex.substr(hex.size() - 11), "33 33 33 00");  // slot 55: dark grey
    EXPECT_EQ(hex.size(), 3 * 230 - 1);
}

struct MergedCase {
    std::size_t ranges;
    std::size_t records;
    std::size_t bytes;
};
class MergedCellsTest : public ::testing::TestWithParam<MergedCase> {};
TEST_P(MergedCellsTest, AtMost1024RangesPerRecord) {
    std::vector<TcxXLSMergedRange> ranges(GetParam().ranges, TcxXLSMergedRange{1, 2, 3, 4});
    TcxByteStream out;
    WriteMergedCells(out, ranges);
    const auto records = xlstest::ParseRecords(out.Buffer());
    EXPECT_EQ(records.size(), GetParam().records);
    EXPECT_EQ(out.Buffer().size(), GetParam().bytes);
    EXPECT_EQ(MergedCellsSize(GetParam().ranges), GetParam().bytes);
    if (GetParam().ranges == 1025) {
        EXPECT_EQ(xlstest::U16At(records[0].data, 0), 1024);
        EXPECT_EQ(Hex(records[1].data), "01 00 01 00 02 00 03 00 04 00");
    }
}
INSTANTIATE_TEST_SUITE_P(Table, MergedCellsTest,
                         ::testing::Values(MergedCase{0, 0, 0}, MergedCase{1, 1, 14},
                                           MergedCase{1024, 1, 8 * 1024 + 6},
                                           MergedCase{1025, 2, 8 * 1025 + 12}));

TEST(ColumnAndRowRecords, DataOfElevenAndSixteenBytes) {
    EXPECT_EQ(Hex(ColInfoData(3, 2342)), "03 00 03 00 26 09 0F 00 00 00 00");
    EXPECT_EQ(Hex(RowData(5, 302)), "05 00 00 00 00 01 2E 01 00 00 00 00 C0 01 0F 00");
}

TEST(Palette, BlackRedNewColourAndRedAgain) {
    InitExportSupport();
    TcxXLSPalette palette;
    EXPECT_EQ(palette.PaletteIndex(0x000000, TcxPaletteUse::Font), 0x7FFF);
    EXPECT_EQ(palette.PaletteIndex(0x0000FF, TcxPaletteUse::Font), 63);
    EXPECT_EQ(palette.Colors()[55], 0x0000FF);
    EXPECT_EQ(palette.Colors()[2], 0x333333);  // exchanged with slot 55
    EXPECT_EQ(palette.PaletteIndex(0x123456, TcxPaletteUse::Fill), 62);
    EXPECT_EQ(palette.Colors()[54], 0x123456);
    EXPECT_EQ(palette.PaletteIndex(0x0000FF, TcxPaletteUse::Edge), 63);
    EXPECT_EQ(palette.Cursor(), 53);
}

TEST(Palette, AutomaticColoursTakeNoSlot) {
    TcxXLSPalette palette;
    EXPECT_EQ(palette.PaletteIndex(0xFFFFFF, TcxPaletteUse::Fill), 64);  // the window colour
    EXPECT_EQ(palette.PaletteIndex(0x000000, TcxPaletteUse::Edge), 64);
    EXPECT_EQ(palette.Cursor(), 55);
}

TEST(Palette, FullPaletteFallsBackPerUse) {
    TcxXLSPalette palette;
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(palette.PaletteIndex(0x010000 + i, TcxPaletteUse::Fill), 63 - i);
    }
    EXPECT_LT(palette.Cursor(), 0);
    EXPECT_EQ(palette.PaletteIndex(0x020000, TcxPaletteUse::Fill), 64);
    EXPECT_EQ(palette.PaletteIndex(0x020000, TcxPaletteUse::Font), 0x7FFF);
    EXPECT_EQ(palette.PaletteIndex(0x020000, TcxPaletteUse::Edge), 64);
    EXPECT_EQ(palette.PaletteIndex(0x010005, TcxPaletteUse::Edge), 58);  // still there
}

// --- Shared strings -------------------------------------------------------------

std::u16string Chars(std::size_t n, char16_t c = u'x') {
    return std::u16string(n, c);
}

TEST(SharedStrings, EmptyTableWritesNothing) {
    TcxXLSSharedStringTable table;
    EXPECT_EQ(table.TableSize(), 0u);
    TcxByteStream out;
    table.WriteTable(out, 100);
    EXPECT_TRUE(out.Buffer().empty());
}

TEST(SharedStrings, OneStringOf300Characters) {
    TcxXLSSharedStringTable table;
    EXPECT_EQ(table.AddString(Chars(300)), 0u);
    EXPECT_EQ(table.TableSize(), 4 + 611 + 4 + 10u);
    TcxByteStream out;
    table.WriteTable(out, 1000);
    const auto records = xlstest::ParseRecords(out.Buffer());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].type, 0x00FC);
    EXPECT_EQ(records[0].data.size(), 611u);
    EXPECT_EQ(Hex(records[0].data, 0, 11), "01 00 00 00 01 00 00 00 2C 01 01");
    EXPECT_EQ(Hex(records[1].data), "08 00 F4 03 00 00 0C 00 00 00");  // 1000 + 12
    EXPECT_EQ(out.Buffer().size(), table.TableSize());
}

TEST(SharedStrings, String4096AfterHundredBytesSplitsAt8191) {
    TcxXLSSharedStringTable table;
    table.AddString(Chars(20));
    table.AddString(Chars(23));  // 8 + 43 + 49 = 100 data bytes
    table.AddString(Chars(4096, u'\u010D'));
    TcxByteStream out;
    table.WriteTable(out, 0);
    const auto records = xlstest::ParseRecords(out.Buffer());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].data.size(), 8191u);
    EXPECT_EQ(Hex(records[0].data, 100, 5), "00 10 01 0D 01");
    EXPECT_EQ(records[1].type, 0x003C);
    EXPECT_EQ(records[1].data.size(), 105u);
    EXPECT_EQ(Hex(records[1].data, 0, 3), "01 0D 01");
    EXPECT_EQ(records[2].type, 0x00FF);
    EXPECT_EQ(out.Buffer().size(), table.TableSize());
}

TEST(SharedStrings, StringsOver4096CharactersAreCut) {
    TcxXLSSharedStringTable table;
    table.AddString(Chars(4000));
    table.AddString(Chars(5000));
    TcxByteStream out;
    table.WriteTable(out, 0);
    const auto records = xlstest::ParseRecords(out.Buffer());
    // SST: 8 + 3 + 8000, then the second string's head and 178 bytes; CONTINUE with the
    // flags byte and the remaining 8014 bytes of 4096 characters.
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].data.size(), 8192u);
    EXPECT_EQ(Hex(records[0].data, 8011, 3), "00 10 01");
    EXPECT_EQ(records[1].data.size(), 1u + 8192 - 178);
}

struct ShapeCase {
    std::size_t strings;
    std::uint16_t perBucket;
    std::uint16_t buckets;
};
class ExtSstShapeTest : public ::testing::TestWithParam<ShapeCase> {};
TEST_P(ExtSstShapeTest, BucketRule) {
    const TcxExtSstShape shape = ExtSstShape(GetParam().strings);
    EXPECT_EQ(shape.StringsPerBucket, GetParam().perBucket);
    EXPECT_EQ(shape.Buckets, GetParam().buckets);
}
INSTANTIATE_TEST_SUITE_P(Table, ExtSstShapeTest,
                         ::testing::Values(ShapeCase{1, 8, 1}, ShapeCase{8, 8, 1},
                                           ShapeCase{9, 16, 1}, ShapeCase{24, 16, 2},
                                           ShapeCase{100, 32, 4}));

TEST(SharedStrings, HundredStringsBucketThreeDescribesString96) {
    TcxXLSSharedStringTable table;
    for (int i = 0; i < 100; ++i)
        table.AddString(Chars(10, static_cast<char16_t>(u'A' + i % 26)));
    TcxByteStream out;
    table.WriteTable(out, 50);
    const auto records = xlstest::ParseRecords(out.Buffer());
    ASSERT_EQ(records.size(), 2u);
    const auto& ext = records.back().data;
    ASSERT_EQ(ext.size(), 2u + 8 * 4);
    EXPECT_EQ(xlstest::U16At(ext, 0), 32);
    // Each string takes 3 + 20 bytes after the 8 count bytes; string 96 starts at 8 + 96 * 23.
    const std::size_t inRecord = 4 + 8 + 96 * 23;
    EXPECT_EQ(xlstest::U32At(ext, 2 + 8 * 3), 50 + inRecord);
    EXPECT_EQ(xlstest::U16At(ext, 2 + 8 * 3 + 4), inRecord);
    EXPECT_EQ(Hex(out.Buffer(), inRecord, 5), "0A 00 01 53 00");  // 10 characters of 'S'
}

}  // namespace
