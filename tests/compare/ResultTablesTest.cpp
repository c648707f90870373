#include <gtest/gtest.h>

#include "compare/CRHoV_Util.h"
#include "compare/ResultTables.h"
#include "platform/grid/EditProperties.h"

namespace compare {
namespace {

using platform::TdxMemData;

// A row as "field=value" pairs; null fields are written as "field=null".
std::string rowText(const TdxMemData& table, size_t row) {
    std::string out;
    for (int f = 0; f < table.fieldCount(); ++f) {
        const auto value = table.value(row, f);
        out += table.field(f).FieldName + "=" +
               (platform::isNull(value) ? "null" : platform::grid::fieldText(value)) + " ";
    }
    return out;
}

TMy_FirmaRecord holder(std::int32_t ord, const char* name, std::int32_t count) {
    TMy_FirmaRecord r;
    r.Ord = ord;
    r.Name = name;
    r.Cnt = count;
    return r;
}

TEST(FillPromene, PairsBuyersWithSellersAndLeavesZerosEmpty) {
    TdxMemData table;
    definePromeneTable(table);
    table.Open();
    const TMy_PromeneArray buyers = {{"NEW", 0, 5, 5}};
    const TMy_PromeneArray sellers = {{"GONE", 7, 0, -7}, {"LESS", 9, 4, -5}};
    FillPromene(table, buyers, sellers);
    ASSERT_EQ(table.rowCount(), 2u);
    EXPECT_EQ(rowText(table, 0),
              "Name1=NEW Num1old=null Num1new=5 Num1diff=5 Name2=GONE Num2old=7 Num2new=null "
              "Num2diff=-7 RecNumber=1 ");
    EXPECT_EQ(rowText(table, 1),
              "Name1= Num1old=null Num1new=null Num1diff=null Name2=LESS Num2old=9 Num2new=4 "
              "Num2diff=-5 RecNumber=2 ");
    EXPECT_FALSE(
        platform::isNull(table.value(1, table.fieldIndex("Name1"))));  // empty text, not null
}

TEST(FillRedosled, ListsNewHoldersThenThoseWhoLeftWithChangeNumbers) {
    TdxMemData table;
    defineRedosledTable(table);
    table.Open();
    TMy_FirmaArray oldList = {holder(1, "SAME", 10), holder(2, "GONE", 4), holder(3, "UP", 1),
                              holder(4, "GONE WITH NOTHING", 0)};
    TMy_FirmaArray newList = {holder(1, "UP", 3), holder(2, "SAME", 10), holder(3, "NEW", 6)};
    CompareFirmaArrays(oldList, newList);
    FillRedosled(table, newList, oldList);
    ASSERT_EQ(table.rowCount(), 5u);
    EXPECT_EQ(rowText(table, 0),
              "Name=UP Num1=3 Num2=1 Shares1=1 Shares2=3 SharesDiff=2 RecNumber=1 RecNumDiff=1 ");
    EXPECT_EQ(
        rowText(table, 1),
        "Name=SAME Num1=1 Num2=2 Shares1=10 Shares2=10 SharesDiff=0 RecNumber=2 RecNumDiff=null ");
    EXPECT_EQ(rowText(table, 2),
              "Name=NEW Num1=0 Num2=3 Shares1=0 Shares2=6 SharesDiff=6 RecNumber=3 RecNumDiff=2 ");
    EXPECT_EQ(
        rowText(table, 3),
        "Name=GONE Num1=2 Num2=0 Shares1=4 Shares2=0 SharesDiff=-4 RecNumber=4 RecNumDiff=3 ");
    EXPECT_EQ(rowText(table, 4),
              "Name=GONE WITH NOTHING Num1=4 Num2=0 Shares1=0 Shares2=0 SharesDiff=0 RecNumber=5 "
              "RecNumDiff=null ");
}

// A name is not cut at 40 characters: two custody accounts of one bank differ only at the end.
TEST(ResultTables, KeepLongNamesWhole) {
    const std::string first = "KASTODI RACUN - BANKA INTESA A.D. BEOGRAD - ZBIRNI RACUN 1";
    TdxMemData promene;
    definePromeneTable(promene);
    promene.Open();
    FillPromene(promene, {{first, 0, 1, 1}}, {});
    EXPECT_EQ(platform::grid::fieldText(promene.value(0, promene.fieldIndex("Name1"))), first);

    TdxMemData redosled;
    defineRedosledTable(redosled);
    redosled.Open();
    FillRedosled(redosled, {holder(1, first.c_str(), 1)}, {});
    EXPECT_EQ(platform::grid::fieldText(redosled.value(0, redosled.fieldIndex("Name"))), first);
}

TEST(ResultTables, HoldTheExactDifferenceOfExtremeHoldings) {
    TdxMemData promene;
    definePromeneTable(promene);
    promene.Open();
    FillPromene(promene, {{"A", INT32_MIN, INT32_MAX, 4294967295LL}}, {});
    EXPECT_EQ(platform::grid::fieldText(promene.value(0, promene.fieldIndex("Num1diff"))),
              "4294967295");

    TdxMemData redosled;
    defineRedosledTable(redosled);
    redosled.Open();
    TMy_FirmaRecord entry = holder(1, "A", INT32_MIN);
    entry.PairOrd = 1;
    entry.PairCnt = INT32_MAX;
    FillRedosled(redosled, {entry}, {});
    EXPECT_EQ(std::get<double>(redosled.value(0, redosled.fieldIndex("SharesDiff"))),
              -4294967295.0);
}

}  // namespace
}  // namespace compare
