// Numbering repeated names and pairing the old list with the new one.
//
// The long-standing pairing walks the whole new list for every old entry, and a later
// pairing overrides an earlier one. An old entry o and a new entry n pair when their
// names are equal and their occurrence numbers or their share counts are equal. What
// the walk leaves behind depends only on the LAST partner of each entry, so it is
// computed here from the holders grouped by name: the k-th occurrence of a repeated name
// is the k-th member of its group, and an index by (group, count) gives the last member
// holding a count.

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "compare/CRHoV_Util.h"
#include "compare/detail/NameIndex.h"

namespace compare {
namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

// The entries of one list grouped by name, in list order within each group.
class NameGroups {
  public:
    explicit NameGroups(const TMy_FirmaArray& list) : hashes_(list.size()), names_(list, hashes_) {
        groupOf_.reserve(list.size());
        for (std::uint32_t i = 0; i < list.size(); ++i) {
            hashes_[i] = detail::hashName(list[i].Name);
            const std::uint32_t first = names_.firstWithNameOf(i);
            std::uint32_t group = static_cast<std::uint32_t>(groupSizes_.size());
            if (first == i) {
                groupSizes_.push_back(0);
            } else {
                group = groupOf_[first];
            }
            ++groupSizes_[group];
            groupOf_.push_back(group);
        }
        // Members of each group, one after the other (a counting sort by group).
        groupStart_.assign(groupSizes_.size() + 1, 0);
        for (size_t g = 0; g < groupSizes_.size(); ++g)
            groupStart_[g + 1] = groupStart_[g] + groupSizes_[g];
        std::vector<std::uint32_t> filled(groupStart_.begin(), groupStart_.end() - 1);
        members_.resize(list.size());
        for (std::uint32_t i = 0; i < list.size(); ++i)
            members_[filled[groupOf_[i]]++] = i;
    }

    std::uint32_t groupOf(std::uint32_t entry) const { return groupOf_[entry]; }
    std::uint32_t hashOf(std::uint32_t entry) const { return hashes_[entry]; }
    std::uint32_t count() const { return static_cast<std::uint32_t>(groupSizes_.size()); }
    std::uint32_t size(std::uint32_t group) const { return groupSizes_[group]; }
    std::uint32_t member(std::uint32_t group, std::uint32_t k) const {
        return members_[groupStart_[group] + k];
    }

    // The group of a name, or kNone.
    std::uint32_t find(std::string_view name, std::uint32_t hash) const {
        const std::uint32_t first = names_.find(name, hash);
        return first == kNone ? kNone : groupOf_[first];
    }

  private:
    std::vector<std::uint32_t> hashes_;
    detail::NameIndex names_;
    std::vector<std::uint32_t> groupOf_;
    std::vector<std::uint32_t> groupSizes_;
    std::vector<std::uint32_t> groupStart_;
    std::vector<std::uint32_t> members_;
};

// Sets DupNo from the groups: 0 for a name met once, else the occurrence number.
void numberDuplicates(TMy_FirmaArray& list, const NameGroups& groups) {
    for (std::uint32_t group = 0; group < groups.count(); ++group) {
        if (groups.size(group) < 2)
            continue;
        for (std::uint32_t k = 0; k < groups.size(group); ++k) {
            list[groups.member(group, k)].DupNo = static_cast<std::int32_t>(k + 1);
        }
    }
}

std::uint64_t groupCountKey(std::uint32_t group, std::int32_t count) {
    return (std::uint64_t{group} << 32) | static_cast<std::uint32_t>(count);
}

// Where the partners of the other list's entries are found in one list.
class PartnerIndex {
  public:
    PartnerIndex(const TMy_FirmaArray& list, const NameGroups& groups)
        : groups_(groups), lastByCount_(list.size()) {
        for (std::uint32_t i = 0; i < list.size(); ++i) {
            lastByCount_.at(groupCountKey(groups.groupOf(i), list[i].Cnt), kNone) = i;
        }
    }

    // The last entry of this list that pairs with `other`, or kNone.
    std::uint32_t lastPartnerOf(const TMy_FirmaRecord& other, std::uint32_t otherHash) const {
        const std::uint32_t group = groups_.find(other.Name, otherHash);
        if (group == kNone)
            return kNone;
        std::uint32_t last = kNone;
        if (const auto* i = lastByCount_.get(groupCountKey(group, other.Cnt)))
            last = *i;
        // The entry with the same occurrence number: the only one of a name met once, or
        // the k-th of a repeated name.
        const std::uint32_t size = groups_.size(group);
        std::uint32_t sameOccurrence = kNone;
        if (other.DupNo == 0 && size == 1)
            sameOccurrence = groups_.member(group, 0);
        if (other.DupNo > 0 && size > 1 && static_cast<std::uint32_t>(other.DupNo) <= size) {
            sameOccurrence = groups_.member(group, static_cast<std::uint32_t>(other.DupNo) - 1);
        }
        if (sameOccurrence != kNone)
            last = last == kNone ? sameOccurrence : std::max(last, sameOccurrence);
        return last;
    }

  private:
    const NameGroups& groups_;
    detail::KeyIndex lastByCount_;
};

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
    numberDuplicates(list, NameGroups(list));
}

void AddPromena(TMy_PromeneArray& list, const std::string& name, std::int32_t numOld,
                std::int32_t numNew) {
    list.push_back({name, numOld, numNew, std::int64_t{numNew} - numOld});
}

ComparisonResult CompareFirmaArrays(TMy_FirmaArray& oldList, TMy_FirmaArray& newList) {
    const NameGroups oldGroups(oldList);
    const NameGroups newGroups(newList);
    numberDuplicates(oldList, oldGroups);
    numberDuplicates(newList, newGroups);

    const PartnerIndex newIndex(newList, newGroups);
    const PartnerIndex oldIndex(oldList, oldGroups);

    // Each new entry keeps the values of the last old entry that pairs with it.
    for (std::uint32_t i = 0; i < newList.size(); ++i) {
        const std::uint32_t partner = oldIndex.lastPartnerOf(newList[i], newGroups.hashOf(i));
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
        const std::uint32_t partner = newIndex.lastPartnerOf(entry, oldGroups.hashOf(i));
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
