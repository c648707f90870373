#include <gtest/gtest.h>

#include <random>

#include "ReferenceComparison.h"
#include "compare/CRHoV_Util.h"

namespace compare {
namespace {

TMy_PromeneArray changes(std::initializer_list<std::pair<const char*, std::int64_t>> entries) {
    TMy_PromeneArray list;
    for (const auto& [name, diff] : entries)
        list.push_back({name, 0, 0, diff});
    return list;
}

std::string names(const TMy_PromeneArray& list) {
    std::string out;
    for (const auto& e : list)
        out += e.Name;
    return out;
}

std::vector<std::pair<std::string, std::int64_t>> flatten(const TMy_PromeneArray& list) {
    std::vector<std::pair<std::string, std::int64_t>> out;
    for (const auto& e : list)
        out.emplace_back(e.Name, e.NumDiff);
    return out;
}

TEST(SortPromene, KeepsTheExchangeProceduresOrderForEqualChanges) {
    struct Case {
        TMy_PromeneArray list;
        int direction;
        const char* expected;
    } cases[] = {
        {changes({{"P", -50}, {"Q", -300}, {"R", -50}}), -1, "QPR"},
        {changes({{"P", 100}, {"Q", 100}, {"R", 200}}), 1, "RQP"},
        {changes({{"P", 100}, {"Q", 200}, {"R", 100}}), 1, "QPR"},
        {changes({{"P", 5}}), 1, "P"},
        {changes({{"P", 1}, {"Q", 2}}), 0, "QP"},   // 0 orders as 1
        {changes({{"P", 2}, {"Q", 1}}), -7, "QP"},  // any negative orders as -1
    };
    for (auto& c : cases) {
        SortPromene(c.list, c.direction);
        EXPECT_EQ(names(c.list), c.expected);
    }
}

// Every list of up to seven entries over three values, in both directions.
TEST(SortPromene, MatchesTheExchangeProcedureOnAllShortLists) {
    for (size_t length = 0; length <= 7; ++length) {
        size_t combinations = 1;
        for (size_t i = 0; i < length; ++i)
            combinations *= 3;
        for (size_t code = 0; code < combinations; ++code) {
            TMy_PromeneArray list;
            size_t rest = code;
            for (size_t i = 0; i < length; ++i) {
                list.push_back({std::string(1, static_cast<char>('a' + i)), 0, 0,
                                static_cast<std::int64_t>(rest % 3) - 1});
                rest /= 3;
            }
            for (int direction : {1, -1}) {
                TMy_PromeneArray fast = list;
                TMy_PromeneArray slow = list;
                SortPromene(fast, direction);
                reference::sortPromene(slow, direction);
                ASSERT_EQ(flatten(fast), flatten(slow)) << "length " << length << " code " << code;
            }
        }
    }
}

TEST(SortPromene, MatchesTheExchangeProcedureOnRandomListsWithFewValues) {
    std::mt19937 random(20261211);
    for (int round = 0; round < 400; ++round) {
        const size_t length = std::uniform_int_distribution<size_t>(0, 300)(random);
        const int values = std::uniform_int_distribution<int>(1, 8)(random);
        TMy_PromeneArray list;
        for (size_t i = 0; i < length; ++i) {
            list.push_back({std::to_string(i), 0, 0,
                            std::uniform_int_distribution<std::int64_t>(-values, values)(random)});
        }
        const int direction = round % 2 == 0 ? 1 : -1;
        TMy_PromeneArray fast = list;
        TMy_PromeneArray slow = list;
        SortPromene(fast, direction);
        reference::sortPromene(slow, direction);
        ASSERT_EQ(flatten(fast), flatten(slow)) << "round " << round;
    }
}

TEST(SortPromene, OrdersDifferencesBeyond32Bits) {
    TMy_PromeneArray list = changes({{"A", 4294967295LL}, {"B", -4294967295LL}, {"C", 1}});
    SortPromene(list, 1);
    EXPECT_EQ(names(list), "ACB");
}

}  // namespace
}  // namespace compare
