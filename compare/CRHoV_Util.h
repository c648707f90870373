#pragma once
// Shareholder entries read from a saved register page, change entries of a comparison,
// and the operations on them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace compare {

// One row of a register page's shareholder table.
struct TMy_FirmaRecord {
    std::int32_t Ord = 0;      // position number on the page; 0 when not a number
    std::int32_t PairOrd = 0;  // position number of the paired entry in the other list
    std::string Name;          // upper-cased, Windows-1250
    std::int32_t Cnt = 0;      // shares held; 0 when not a number
    std::int32_t PairCnt = 0;  // shares of the paired entry in the other list
    bool Paired = false;       // new list: an old entry was paired with this one
    std::int32_t DupNo = 0;    // occurrence number of a repeated name (0: the name occurs once)
};
using TMy_FirmaArray = std::vector<TMy_FirmaRecord>;

// One change of holding. The difference of two 32-bit holdings needs 33 bits, so it is
// kept in 64 bits.
struct TMy_PromeneRecord {
    std::string Name;
    std::int32_t NumOld = 0;
    std::int32_t NumNew = 0;
    std::int64_t NumDiff = 0;  // NumNew - NumOld
};
using TMy_PromeneArray = std::vector<TMy_PromeneRecord>;

// Reads a saved register page. Throws platform::EInOutError when the file cannot be
// opened or read; a page without a shareholder table gives an empty list.
TMy_FirmaArray ReadFirmaArray(const std::filesystem::path& fileName);

// The text content of one collected tag item: between the first ">" and the next "<",
// five UTF-8 capitals turned into their Windows-1250 bytes, trimmed.
std::string GetCellText(std::string_view item);

// Sets DupNo: 0 for a name that occurs once, 1..m on the m occurrences of a repeated name.
void NumberDuplicates(TMy_FirmaArray& list);

void AddPromena(TMy_PromeneArray& list, const std::string& name, std::int32_t numOld,
                std::int32_t numNew);

// Orders by NumDiff, descending for direction >= 0 and ascending for a negative direction,
// exactly as the long-standing exchange procedure does (it is not stable for equal
// differences: 100 P, 100 Q, 200 R becomes R, Q, P).
void SortPromene(TMy_PromeneArray& list, int direction);

struct ComparisonResult {
    TMy_PromeneArray buyers;   // NumDiff > 0, largest first
    TMy_PromeneArray sellers;  // NumDiff < 0, largest decrease first
};

// Numbers repeated names, pairs the two lists by name (marking the pairs on both lists)
// and returns the ordered buyers and sellers.
ComparisonResult CompareFirmaArrays(TMy_FirmaArray& oldList, TMy_FirmaArray& newList);

}  // namespace compare
