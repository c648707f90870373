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
#include <vector>

#include "compare/CRHoV_Util.h"
#include "compare/detail/NameIndex.h"

namespace compare {
namespace {

using detail::NameIndex;

std::vector<std::uint32_t> nameHashes(const TMy_FirmaArray& list) {
    std::vector<std::uint32_t> hashes;
    hashes.reserve(list.size());
    for (const auto& entry : list)
        hashes.push_back(detail::hashName(entry.Name));
    return hashes;
}

constexpr std::uint32_t kNone = UINT32_MAX;

// Per list: the last index holding each (name, count) and the index of each
// (name, occurrence number).
class PartnerIndex {
  public:
    PartnerIndex(const TMy_FirmaArray& list, const std::vector<std::uint32_t>& hashes)
        : byCount_(list, hashes), byOccurrence_(list, hashes) {
        for (std::uint32_t i = 0; i < list.size(); ++i) {
            byCount_.at(i, list[i].Cnt, kNone) = i;
            byOccurrence_.at(i, list[i].DupNo, kNone) = i;
        }
    }

    // The last entry of this list that pairs with `other`, or kNone.
    std::uint32_t lastPartnerOf(const TMy_FirmaRecord& other, std::uint32_t otherHash) const {
        std::uint32_t last = kNone;
        if (const auto* i = byCount_.get(other.Name, otherHash, other.Cnt))
            last = *i;
        if (const auto* i = byOccurrence_.get(other.Name, otherHash, other.DupNo)) {
            last = last == kNone ? *i : std::max(last, *i);
        }
        return last;
    }

  private:
    NameIndex byCount_;
    NameIndex byOccurrence_;
};

void numberDuplicates(TMy_FirmaArray& list, const std::vector<std::uint32_t>& hashes) {
    // Per name: how often it occurs, then how many occurrences were numbered so far.
    NameIndex occurrences(list, hashes);
    for (std::uint32_t i = 0; i < list.size(); ++i)
        ++occurrences.at(i, 0, 0);
    NameIndex numbered(list, hashes);
    for (std::uint32_t i = 0; i < list.size(); ++i) {
        if (occurrences.at(i, 0, 0) > 1) {
            list[i].DupNo = static_cast<std::int32_t>(++numbered.at(i, 0, 0));
        }
    }
}

void addChange(ComparisonResult& result, const std::string& name, std::int32_t numOld,
               std::int32_t numNew) {
    const std::int64_t difference = std::int64_t{numNew} - numOld;
    if (difference > 0)
        AddPromena(result.buyers, name, numOld, numNew);
    if (difference < 0)
        AddPromena(result.sellers, name, numOld, numNew);
}

}  // namespace

void NumberDuplicates(TMy_FirmaArray& list) {
    numberDuplicates(list, nameHashes(list));
}

void AddPromena(TMy_PromeneArray& list, const std::string& name, std::int32_t numOld,
                std::int32_t numNew) {
    list.push_back({name, numOld, numNew, std::int64_t{numNew} - numOld});
}

ComparisonResult CompareFirmaArrays(TMy_FirmaArray& oldList, TMy_FirmaArray& newList) {
    const std::vector<std::uint32_t> oldHashes = nameHashes(oldList);
    const std::vector<std::uint32_t> newHashes = nameHashes(newList);
    numberDuplicates(oldList, oldHashes);
    numberDuplicates(newList, newHashes);

    const PartnerIndex newIndex(newList, newHashes);
    const PartnerIndex oldIndex(oldList, oldHashes);

    // Each new entry keeps the values of the last old entry that pairs with it.
    for (std::uint32_t i = 0; i < newList.size(); ++i) {
        const std::uint32_t partner = oldIndex.lastPartnerOf(newList[i], newHashes[i]);
        if (partner == kNone)
            continue;
        newList[i].Paired = true;
        newList[i].PairOrd = oldList[partner].Ord;
        newList[i].PairCnt = oldList[partner].Cnt;
    }

    ComparisonResult result;
    // Each old entry takes its new holding from the last new entry that pairs with it.
    for (std::uint32_t i = 0; i < oldList.size(); ++i) {
        TMy_FirmaRecord& entry = oldList[i];
        std::int32_t newHolding = 0;
        const std::uint32_t partner = newIndex.lastPartnerOf(entry, oldHashes[i]);
        if (partner != kNone) {
            newHolding = newList[partner].Cnt;
            entry.PairOrd = newList[partner].Ord;
            entry.PairCnt = newList[partner].Cnt;
        }
        addChange(result, entry.Name, entry.Cnt, newHolding);
    }
    for (const auto& entry : newList) {
        if (!entry.Paired)
            addChange(result, entry.Name, 0, entry.Cnt);
    }

    SortPromene(result.buyers, 1);
    SortPromene(result.sellers, -1);
    return result;
}

}  // namespace compare
