#pragma once
// The data work of one comparison run: read the old page, then the new page, compare
// them and fill both result tables.

#include <filesystem>

#include "platform/MemData.h"

namespace compare {

struct ComparisonSummary {
    size_t oldHolders = 0;
    size_t newHolders = 0;
};

// Appends to the (emptied) tables; a read failure passes on and leaves them as they were.
ComparisonSummary runComparison(const std::filesystem::path& oldFile,
                                const std::filesystem::path& newFile,
                                platform::TdxMemData& dbPromene, platform::TdxMemData& dbRedosled);

}  // namespace compare
