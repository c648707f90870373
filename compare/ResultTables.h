#pragma once
// The two result tables of a comparison: dbPromene pairs the r-th buyer with the r-th
// seller; dbRedosled has one row per holder of the new list, then one per holder who left.

#include "compare/CRHoV_Util.h"
#include "platform/MemData.h"

namespace compare {

// Adds the fields of dbPromene: Name1, Num1old, Num1new, Num1diff, Name2, Num2old,
// Num2new, Num2diff, RecNumber.
void definePromeneTable(platform::TdxMemData& table);
// Adds the fields of dbRedosled: Name, Num1, Num2, Shares1, Shares2, SharesDiff,
// RecNumber, RecNumDiff.
void defineRedosledTable(platform::TdxMemData& table);

// Appends one row per buyer/seller pair; a side with fewer entries gets empty text and
// empty numbers. Numbers that are 0 are left empty.
void FillPromene(platform::TdxMemData& table, const TMy_PromeneArray& buyers,
                 const TMy_PromeneArray& sellers);

// Appends one row per entry of the new list, then one per old entry left unpaired. The
// lists are taken by value: a run that no longer needs them moves them in, and the names
// move on into the table instead of being copied.
void FillRedosled(platform::TdxMemData& table, TMy_FirmaArray newList, TMy_FirmaArray oldList);

}  // namespace compare
