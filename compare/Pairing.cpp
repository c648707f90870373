// Numbering repeated names and pairing the old list with the new one.
//
// The long-standing pairing walks the whole new list for every old entry, and a later
// pairing overrides an earlier one. An old entry o and a new entry n pair when their
// names are equal and their occurrence numbers or their share counts are equal. What
// the walk leaves behind depends only on the LAST partner of each entry, so it is
// computed here through indexes by (name, count) and (name, occurrence number).

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "compare/CRHoV_Util.h"

namespace compare {
namespace {

struct NameKey {
    std::string_view name;
    std::int64_t number;
    bool operator==(const NameKey&) const = default;
};

struct NameKeyHash {
    size_t operator()(const NameKey& key) const {
        return std::hash<std::string_view>{}(key.name) ^
               (std::hash<std::int64_t>{}(key.number) * 0x9E3779B97F4A7C15ull);
    }
};

using LastIndex = std::unordered_map<NameKey, size_t, NameKeyHash>;

// Per list: the last index holding each (name, count) and the index of each
// (name, occurrence number).
struct PartnerIndex {
    LastIndex byCount;
    LastIndex byOccurrence;

    explicit PartnerIndex(const TMy_FirmaArray& list) {
        byCount.reserve(list.size());
        byOccurrence.reserve(list.size());
        for (size_t i = 0; i < list.size(); ++i) {
            byCount[{list[i].Name, list[i].Cnt}] = i;
            byOccurrence[{list[i].Name, list[i].DupNo}] = i;
        }
    }

    // The last entry of this list that pairs with `other`, or npos.
    size_t lastPartnerOf(const TMy_FirmaRecord& other) const {
        size_t last = npos;
        if (auto it = byCount.find({other.Name, other.Cnt}); it != byCount.end()) last = it->second;
        if (auto it = byOccurrence.find({other.Name, other.DupNo}); it != byOccurrence.end()) {
            last = last == npos ? it->second : std::max(last, it->second);
        }
        return last;
    }

    static constexpr size_t npos = static_cast<size_t>(-1);
};

void addChange(ComparisonResult& result, const std::string& name, std::int32_t numOld,
               std::int32_t numNew) {
    const std::int64_t difference = std::int64_t{numNew} - numOld;
    if (difference > 0) AddPromena(result.buyers, name, numOld, numNew);
    if (difference < 0) AddPromena(result.sellers, name, numOld, numNew);
}

}  // namespace

void NumberDuplicates(TMy_FirmaArray& list) {
    std::unordered_map<std::string_view, std::int32_t> occurrences;
    occurrences.reserve(list.size());
    for (const auto& entry : list) ++occurrences[entry.Name];
    std::unordered_map<std::string_view, std::int32_t> seen;
    for (auto& entry : list) {
        if (occurrences[entry.Name] > 1) entry.DupNo = ++seen[entry.Name];
    }
}

void AddPromena(TMy_PromeneArray& list, const std::string& name, std::int32_t numOld,
                std::int32_t numNew) {
    list.push_back({name, numOld, numNew, std::int64_t{numNew} - numOld});
}

ComparisonResult CompareFirmaArrays(TMy_FirmaArray& oldList, TMy_FirmaArray& newList) {
    NumberDuplicates(oldList);
    NumberDuplicates(newList);

    const PartnerIndex newIndex(newList);
    const PartnerIndex oldIndex(oldList);

    // Each new entry keeps the values of the last old entry that pairs with it.
    for (auto& entry : newList) {
        const size_t partner = oldIndex.lastPartnerOf(entry);
        if (partner == PartnerIndex::npos) continue;
        entry.Paired = true;
        entry.PairOrd = oldList[partner].Ord;
        entry.PairCnt = oldList[partner].Cnt;
    }

    ComparisonResult result;
    // Each old entry takes its new holding from the last new entry that pairs with it.
    for (auto& entry : oldList) {
        std::int32_t newHolding = 0;
        const size_t partner = newIndex.lastPartnerOf(entry);
        if (partner != PartnerIndex::npos) {
            newHolding = newList[partner].Cnt;
            entry.PairOrd = newList[partner].Ord;
            entry.PairCnt = newList[partner].Cnt;
        }
        addChange(result, entry.Name, entry.Cnt, newHolding);
    }
    for (const auto& entry : newList) {
        if (!entry.Paired) addChange(result, entry.Name, 0, entry.Cnt);
    }

    SortPromene(result.buyers, 1);
    SortPromene(result.sellers, -1);
    return result;
}

}  // namespace compare
