#pragma once
// The comparison exactly as the long-standing quadratic procedures do it, step by step:
// the reference the fast pairing, numbering and ordering are checked against.

#include "compare/CRHoV_Util.h"

namespace compare::reference {

inline void numberDuplicates(TMy_FirmaArray& list) {
    for (size_t i = 0; i < list.size(); ++i) {
        bool found = false;
        for (size_t j = i + 1; j < list.size(); ++j) {
            if (list[j].Name == list[i].Name) {
                ++list[j].DupNo;
                found = true;
            }
        }
        if (found || list[i].DupNo > 0)
            ++list[i].DupNo;
    }
}

inline void sortPromene(TMy_PromeneArray& list, int direction) {
    if (list.size() < 2)
        return;
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        for (size_t j = i; j < list.size(); ++j) {
            const bool exchange = direction >= 0 ? list[i].NumDiff < list[j].NumDiff
                                                 : list[i].NumDiff > list[j].NumDiff;
            if (exchange)
                std::swap(list[i], list[j]);
        }
    }
}

inline ComparisonResult compareFirmaArrays(TMy_FirmaArray& oldList, TMy_FirmaArray& newList) {
    numberDuplicates(oldList);
    numberDuplicates(newList);
    ComparisonResult result;
    auto add = [&](const std::string& name, std::int32_t numOld, std::int32_t numNew) {
        const std::int64_t d = std::int64_t{numNew} - numOld;
        if (d > 0)
            result.buyers.push_back({name, numOld, numNew, d});
        if (d < 0)
            result.sellers.push_back({name, numOld, numNew, d});
    };
    for (auto& o : oldList) {
        std::int32_t h = 0;
        for (auto& n : newList) {
            if (n.Name == o.Name && (n.DupNo == o.DupNo || n.Cnt == o.Cnt)) {
                n.Paired = true;
                h = n.Cnt;
                n.PairOrd = o.Ord;
                n.PairCnt = o.Cnt;
                o.PairOrd = n.Ord;
                o.PairCnt = n.Cnt;
            }
        }
        add(o.Name, o.Cnt, h);
    }
    for (const auto& n : newList) {
        if (!n.Paired)
            add(n.Name, 0, n.Cnt);
    }
    sortPromene(result.buyers, 1);
    sortPromene(result.sellers, -1);
    return result;
}

}  // namespace compare::reference
