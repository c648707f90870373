#include "compare/ComparisonRun.h"

#include "compare/CRHoV_Util.h"
#include "compare/ResultTables.h"

namespace compare {

ComparisonSummary runComparison(const std::filesystem::path& oldFile,
                                const std::filesystem::path& newFile,
                                platform::TdxMemData& dbPromene, platform::TdxMemData& dbRedosled) {
    TMy_FirmaArray oldList = ReadFirmaArray(oldFile);
    TMy_FirmaArray newList = ReadFirmaArray(newFile);
    const ComparisonResult changes = CompareFirmaArrays(oldList, newList);
    FillPromene(dbPromene, changes.buyers, changes.sellers);
    dbPromene.First();
    const ComparisonSummary summary{oldList.size(), newList.size()};
    FillRedosled(dbRedosled, std::move(newList), std::move(oldList));
    return summary;
}

}  // namespace compare
