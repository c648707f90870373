// The compound-document container: layouts by stream size, header, directory, and the
// allocation tables followed as a reader would.

#include <gtest/gtest.h>

#include <map>

#include "export/detail/cxXLSContainer.h"
#include "tests/export/XlsTestSupport.h"

namespace {

using namespace cx::detail;
using xlstest::Hex;
using xlstest::U32At;

constexpr std::int32_t kFree = -1, kEnd = -2, kFat = -3, kDifat = -4;

// The FAT entries of a head, found through the header's and the DIFAT's lists.
std::vector<std::int32_t> ReadFat(const xlstest::Bytes& head) {
    const std::uint32_t fatCount = U32At(head, 44);
    std::vector<std::uint32_t> fatSectors;
    for (std::uint32_t i = 0; i < 109 && i < fatCount; ++i)
        fatSectors.push_back(U32At(head, 76 + 4 * i));
    auto difat = static_cast<std::int32_t>(U32At(head, 68));
    while (difat != kEnd) {
        const std::size_t at = 512 * (static_cast<std::size_t>(difat) + 1);
        for (std::size_t e = 0; e < 127 && fatSectors.size() < fatCount; ++e) {
            fatSectors.push_back(U32At(head, at + 4 * e));
        }
        difat = static_cast<std::int32_t>(U32At(head, at + 4 * 127));
    }
    std::vector<std::int32_t> fat;
    for (std::uint32_t sector : fatSectors) {
        for (std::size_t e = 0; e < 128; ++e) {
            fat.push_back(static_cast<std::int32_t>(U32At(head, 512 * (sector + 1) + 4 * e)));
        }
    }
    return fat;
}

struct LayoutCase {
    std::uint32_t streamSize;
    bool small;
    std::uint32_t fat;
    std::uint32_t difat;
    std::size_t headSize;
};
class ContainerLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ContainerLayoutTest, LayoutAndConsistentTables) {
    const LayoutCase& c = GetParam();
    const TcxContainerLayout l = ComputeContainerLayout(c.streamSize);
    EXPECT_EQ(l.SmallStream, c.small);
    EXPECT_EQ(l.FatSectors, c.fat);
    EXPECT_EQ(l.DifatSectors, c.difat);
    EXPECT_EQ(l.HeadSize, c.headSize);
    EXPECT_EQ((l.HeadSize + c.streamSize + l.PaddingSize) % 512, 0u);

    const auto head = TcxXLSWorkBookWriter::BuildHead(c.streamSize);
    ASSERT_EQ(head.size(), c.headSize);
    const auto fat = ReadFat(head);
    ASSERT_EQ(fat.size(), 128u * c.fat);
    // Every sector of the file has an entry: head sectors, then the stream's chain.
    const std::uint32_t sectors =
        static_cast<std::uint32_t>(c.headSize / 512 - 1) + l.StreamSectors;
    ASSERT_GE(fat.size(), sectors);
    std::map<std::int32_t, int> marks;
    for (std::uint32_t s = 0; s < static_cast<std::uint32_t>(c.headSize / 512 - 1); ++s) {
        ++marks[fat[s]];
    }
    if (c.small) {
        EXPECT_EQ(marks[kFat], 1);
        EXPECT_EQ(marks[kEnd], 2);  // directory and mini FAT
    } else {
        EXPECT_EQ(marks[kFat], static_cast<int>(c.fat));
        EXPECT_EQ(marks[kDifat], static_cast<int>(c.difat));
        EXPECT_EQ(marks[kEnd], 1);  // directory
    }
    std::uint32_t s = c.small ? 3 : l.FirstStreamSector;
    std::uint32_t length = 1;
    while (fat[s] != kEnd) {
        ASSERT_EQ(fat[s], static_cast<std::int32_t>(s + 1));
        s = static_cast<std::uint32_t>(fat[s]);
        ++length;
    }
    EXPECT_EQ(length, l.StreamSectors);
    for (std::size_t e = sectors; e < fat.size(); ++e)
        ASSERT_EQ(fat[e], kFree) << e;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContainerLayoutTest,
    ::testing::Values(LayoutCase{1052, true, 1, 0, 2048}, LayoutCase{4095, true, 1, 0, 2048},
                      LayoutCase{4096, false, 1, 0, 1536}, LayoutCase{124 * 512, false, 1, 0, 1536},
                      LayoutCase{124 * 512 + 1, false, 2, 0, 2048},
                      LayoutCase{13840 * 512, false, 109, 0, 111 * 512},
                      LayoutCase{13841 * 512, false, 110, 1, 113 * 512},
                      // From 46,225 stream sectors the formula's FAT falls one entry short.
                      LayoutCase{46224 * 512, false, 364, 3, 369 * 512},
                      LayoutCase{46225 * 512, false, 365, 3, 370 * 512}));

TEST(Container, SmallLayoutHeaderAndDirectoryBytes) {
    const auto head = TcxXLSWorkBookWriter::BuildHead(1052);
    EXPECT_EQ(Hex(head, 0, 76),
              "D0 CF 11 E0 A1 B1 1A E1 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "3E 00 03 00 FE FF 09 00 06 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 "
              "01 00 00 00 00 00 00 00 00 10 00 00 02 00 00 00 01 00 00 00 FE FF FF FF "
              "00 00 00 00");
    EXPECT_EQ(Hex(head, 76, 8), "00 00 00 00 FF FF FF FF");
    EXPECT_EQ(Hex(head, 508, 4), "FF FF FF FF");
    // FAT: sector 0 FAT, 1 directory, 2 mini FAT, 3..5 the mini stream.
    EXPECT_EQ(Hex(head, 512, 28),
              "FD FF FF FF FE FF FF FF FE FF FF FF 04 00 00 00 05 00 00 00 FE FF FF FF "
              "FF FF FF FF");
    // Root entry.
    const std::size_t root = 1024;
    EXPECT_EQ(Hex(head, root, 22),
              "52 00 6F 00 6F 00 74 00 20 00 45 00 6E 00 74 00 72 00 79 00 00 00");
    EXPECT_EQ(Hex(head, root + 64, 16), "16 00 05 00 FF FF FF FF FF FF FF FF 01 00 00 00");
    EXPECT_EQ(Hex(head, root + 116, 12), "03 00 00 00 00 06 00 00 00 00 00 00");
    // "Workbook" entry.
    const std::size_t book = root + 128;
    EXPECT_EQ(Hex(head, book, 18), "57 00 6F 00 72 00 6B 00 62 00 6F 00 6F 00 6B 00 00 00");
    EXPECT_EQ(Hex(head, book + 64, 16), "12 00 02 01 FF FF FF FF FF FF FF FF FF FF FF FF");
    EXPECT_EQ(Hex(head, book + 116, 12), "00 00 00 00 1C 04 00 00 00 00 00 00");
    // Unused entries: empty but for their sibling and child fields.
    for (std::size_t unused = root + 256; unused < root + 512; unused += 128) {
        EXPECT_EQ(Hex(head, unused + 64, 16), "00 00 00 00 FF FF FF FF FF FF FF FF FF FF FF FF");
        EXPECT_EQ(Hex(head, unused, 4), "00 00 00 00");
    }
    // Mini FAT: 17 mini sectors for 1052 bytes.
    EXPECT_EQ(U32At(head, 1536 + 4 * 15), 16u);
    EXPECT_EQ(U32At(head, 1536 + 4 * 16), 0xFFFFFFFEu);
    EXPECT_EQ(U32At(head, 1536 + 4 * 17), 0xFFFFFFFFu);
}

TEST(Container, ExactlyFourKilobytesTakesTheLargeLayout) {
    const auto head = TcxXLSWorkBookWriter::BuildHead(4096);
    ASSERT_EQ(head.size(), 1536u);
    EXPECT_EQ(Hex(head, 60, 16), "FE FF FF FF 00 00 00 00 FE FF FF FF 00 00 00 00");
    EXPECT_EQ(Hex(head, 1024 + 116, 12), "FE FF FF FF 00 00 00 00 00 00 00 00");  // root
    EXPECT_EQ(Hex(head, 1024 + 128 + 116, 8), "02 00 00 00 00 10 00 00");         // stream
    EXPECT_EQ(Hex(head, 512, 16), "FD FF FF FF FE FF FF FF 03 00 00 00 04 00 00 00");
}

TEST(Container, FirstDifatSectorAfter13840StreamSectors) {
    const auto head = TcxXLSWorkBookWriter::BuildHead(13841 * 512);
    EXPECT_EQ(U32At(head, 68), 111u);
    EXPECT_EQ(U32At(head, 72), 1u);
    EXPECT_EQ(U32At(head, 76 + 4 * 108), 109u);  // FAT sector 108 in sector 109
    const std::size_t difat = 512 * 112;
    EXPECT_EQ(U32At(head, difat), 110u);  // FAT sector 109
    EXPECT_EQ(U32At(head, difat + 4), 0xFFFFFFFFu);
    EXPECT_EQ(U32At(head, difat + 4 * 127), 0xFFFFFFFEu);    // last DIFAT sector
    EXPECT_EQ(U32At(head, 512 * 1 + 4 * 111), 0xFFFFFFFCu);  // FAT marks sector 111 DIFAT
    EXPECT_EQ(U32At(head, 1024 + 128 + 116), 112u);          // stream after FAT 109 in sector 110
}

TEST(Container, NoStreamOrNoSizeIsErrorWriteXLSFile) {
    TcxXLSWorkBookWriter writer;
    TcxByteStream out;
    EXPECT_THROW(writer.WriteContainer(0, &out), cx::EcxExportData);
    try {
        writer.WriteContainer(100, nullptr);
        FAIL() << "no exception";
    } catch (const cx::EcxExportData& e) {
        EXPECT_STREQ(e.what(), "Error write XLS file");
    }
}

}  // namespace
