#include <gtest/gtest.h>

#include "platform/MemData.h"

namespace platform {
namespace {

TdxMemData makeTable() {
    TdxMemData table;
    table.addField("Name", TFieldType::ftString, "Akcionar", 5);
    table.addField("Count", TFieldType::ftInteger);
    table.Open();
    return table;
}

TEST(TdxMemData, KeepsNullApartFromZeroAndEmptyText) {
    TdxMemData table = makeTable();
    table.Append();
    table.Post();
    table.Append();
    table.setString("Name", "");
    table.setInteger("Count", 0);
    table.Post();
    EXPECT_TRUE(isNull(table.value(0, 0)));
    EXPECT_TRUE(isNull(table.value(0, 1)));
    EXPECT_EQ(std::get<std::string>(table.value(1, 0)), "");
    EXPECT_EQ(std::get<std::int64_t>(table.value(1, 1)), 0);
    EXPECT_EQ(std::get<std::int64_t>(table.value(1, TdxMemData::kRecIdIndex)), 2);
}

TEST(TdxMemData, AppendingAgainBeforePostStartsTheRowOver) {
    TdxMemData table = makeTable();
    table.Append();
    table.setString("Name", "first");
    table.setInteger("Count", 7);
    table.Append();
    table.setString("Name", "second");
    table.Post();
    ASSERT_EQ(table.rowCount(), 1u);
    EXPECT_EQ(std::get<std::string>(table.value(0, 0)), "secon");
    EXPECT_TRUE(isNull(table.value(0, 1)));
}

TEST(TdxMemData, CutsTextToItsSizeAndRejectsOutOfRangeIntegers) {
    TdxMemData table = makeTable();
    table.Append();
    table.setString("Name", "ABCDEFGH");
    EXPECT_THROW(table.setInteger("Count", std::int64_t{INT32_MAX} + 1), EDatabaseError);
    EXPECT_THROW(table.setInteger("Missing", 1), EDatabaseError);
    table.Post();
    EXPECT_EQ(std::get<std::string>(table.value(0, 0)), "ABCDE");
}

TEST(TdxMemData, FiltersRowsAndEmptiesByClosing) {
    TdxMemData table = makeTable();
    for (int i = 0; i < 5; ++i) {
        table.Append();
        table.setInteger("Count", i);
        table.Post();
    }
    table.setOnFilterRecord([](const TdxMemData& t, size_t row) {
        return std::get<std::int64_t>(t.value(row, 1)) % 2 == 0;
    });
    EXPECT_EQ(table.RecordCount(), 5u);
    table.setFiltered(true);
    EXPECT_EQ(table.RecordCount(), 3u);
    table.emptyTable();
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.rowCount(), 0u);
}

TEST(TdxMemData, TellsBoundViewsOnceWhenNotificationsResume) {
    TdxMemData table = makeTable();
    int notified = 0;
    const int id = table.addListener([&] { ++notified; });
    table.DisableControls();
    for (int i = 0; i < 3; ++i) {
        table.Append();
        table.Post();
    }
    EXPECT_EQ(notified, 0);
    table.EnableControls();
    EXPECT_EQ(notified, 1);
    table.Append();
    table.Post();
    EXPECT_EQ(notified, 2);
    table.removeListener(id);
    table.Append();
    table.Post();
    EXPECT_EQ(notified, 2);
}

}  // namespace
}  // namespace platform
