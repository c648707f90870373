#include <gtest/gtest.h>

#include <random>

#include "ReferenceComparison.h"
#include "compare/CRHoV_Util.h"

namespace compare {
namespace {

TMy_FirmaArray holders(std::initializer_list<std::pair<const char*, std::int32_t>> entries) {
    TMy_FirmaArray list;
    std::int32_t ord = 0;
    for (const auto& [name, count] : entries) {
        TMy_FirmaRecord r;
        r.Ord = ++ord;
        r.Name = name;
        r.Cnt = count;
        list.push_back(r);
    }
    return list;
}

std::string describe(const TMy_PromeneArray& list) {
    std::string out;
    for (const auto& e : list) {
        out += e.Name + ":" + std::to_string(e.NumOld) + ">" + std::to_string(e.NumNew) + " ";
    }
    return out;
}

TEST(NumberDuplicates, NumbersEachOccurrenceOfARepeatedName) {
    TMy_FirmaArray list = holders({{"A", 1}, {"B", 1}, {"A", 2}, {"C", 1}, {"A", 3}, {"B", 9}});
    NumberDuplicates(list);
    std::vector<std::int32_t> numbers;
    for (const auto& e : list)
        numbers.push_back(e.DupNo);
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{1, 1, 2, 0, 3, 2}));
}

TEST(CompareFirmaArrays, PairsAsTheFullWalkDoes) {
    struct Case {
        const char* what;
        TMy_FirmaArray oldList;
        TMy_FirmaArray newList;
        const char* buyers;
        const char* sellers;
    } cases[] = {
        {"identical lists", holders({{"A", 10}, {"B", 20}}), holders({{"A", 10}, {"B", 20}}), "",
         ""},
        {"holder left and holder at zero are both sellers", holders({{"A", 10}, {"B", 20}}),
         holders({{"B", 0}}), "", "B:20>0 A:10>0 "},
        {"only new, and only new with zero", holders({}), holders({{"N", 5}, {"Z", 0}}), "N:0>5 ",
         ""},
        {"once old, twice new, no equal count", holders({{"A", 10}}), holders({{"A", 3}, {"A", 4}}),
         "A:0>4 A:0>3 ", "A:10>0 "},
        {"two new partners: the later one decides", holders({{"A", 10}, {"A", 7}}),
         holders({{"A", 10}, {"A", 10}}), "A:7>10 ", ""},
        {"letter case beyond ASCII and blanks keep names apart", holders({{"A B", 1}, {"\x8a", 2}}),
         holders({{"A  B", 1}, {"\x9a", 2}}), "\x9a:0>2 A  B:0>1 ", "\x8a:2>0 A B:1>0 "},
    };
    for (auto& c : cases) {
        const ComparisonResult result = CompareFirmaArrays(c.oldList, c.newList);
        EXPECT_EQ(describe(result.buyers), c.buyers) << c.what;
        EXPECT_EQ(describe(result.sellers), c.sellers) << c.what;
    }
}

TEST(CompareFirmaArrays, RepeatedNameWithEqualHoldingsPairsWithTheLaterOldOccurrence) {
    TMy_FirmaArray oldList = holders({{"A", 5}, {"A", 5}});
    TMy_FirmaArray newList = holders({{"A", 5}, {"A", 5}});
    const ComparisonResult result = CompareFirmaArrays(oldList, newList);
    EXPECT_TRUE(result.buyers.empty());
    EXPECT_TRUE(result.sellers.empty());
    EXPECT_EQ(newList[0].PairOrd, 2);
    EXPECT_EQ(newList[1].PairOrd, 2);
    EXPECT_TRUE(newList[0].Paired);
}

// Many random lists with few names and few holdings, so repeats and equal counts abound.
TEST(CompareFirmaArrays, MatchesTheQuadraticWalkOnRandomLists) {
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        auto randomList = [&] {
            TMy_FirmaArray list;
            const int length = std::uniform_int_distribution<int>(0, 40)(random);
            for (int i = 0; i < length; ++i) {
                TMy_FirmaRecord r;
                r.Ord = std::uniform_int_distribution<int>(0, 3)(random) == 0 ? 0 : i + 1;
                r.Name = std::string(
                    1, static_cast<char>('A' + std::uniform_int_distribution<int>(0, 5)(random)));
                r.Cnt = std::uniform_int_distribution<std::int32_t>(0, 4)(random) * 100;
                list.push_back(r);
            }
            return list;
        };
        TMy_FirmaArray oldFast = randomList();
        TMy_FirmaArray newFast = randomList();
        TMy_FirmaArray oldSlow = oldFast;
        TMy_FirmaArray newSlow = newFast;
        const ComparisonResult fast = CompareFirmaArrays(oldFast, newFast);
        const ComparisonResult slow = reference::compareFirmaArrays(oldSlow, newSlow);
        ASSERT_EQ(describe(fast.buyers), describe(slow.buyers)) << "round " << round;
        ASSERT_EQ(describe(fast.sellers), describe(slow.sellers)) << "round " << round;
        for (size_t i = 0; i < oldFast.size(); ++i) {
            ASSERT_EQ(oldFast[i].DupNo, oldSlow[i].DupNo);
            ASSERT_EQ(oldFast[i].PairOrd, oldSlow[i].PairOrd) << "round " << round << " old " << i;
            ASSERT_EQ(oldFast[i].PairCnt, oldSlow[i].PairCnt);
        }
        for (size_t i = 0; i < newFast.size(); ++i) {
            ASSERT_EQ(newFast[i].DupNo, newSlow[i].DupNo);
            ASSERT_EQ(newFast[i].Paired, newSlow[i].Paired) << "round " << round << " new " << i;
            ASSERT_EQ(newFast[i].PairOrd, newSlow[i].PairOrd);
            ASSERT_EQ(newFast[i].PairCnt, newSlow[i].PairCnt);
        }
    }
}

TEST(CompareFirmaArrays, DifferenceOfExtremeHoldingsIsExact) {
    TMy_FirmaArray oldList = holders({{"A", INT32_MIN}, {"B", INT32_MAX}});
    TMy_FirmaArray newList = holders({{"A", INT32_MAX}, {"B", INT32_MIN}});
    const ComparisonResult result = CompareFirmaArrays(oldList, newList);
    ASSERT_EQ(result.buyers.size(), 1u);
    EXPECT_EQ(result.buyers[0].NumDiff, 4294967295LL);
    ASSERT_EQ(result.sellers.size(), 1u);
    EXPECT_EQ(result.sellers[0].NumDiff, -4294967295LL);
}

}  // namespace
}  // namespace compare
