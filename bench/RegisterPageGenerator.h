#pragma once
// A deterministic generator of pairs of register pages (old and new state) of N holders:
// names with repeats, about 30 % changed holdings, about 5 % of holders leaving and as
// many arriving. Used by the benchmarks and by tests that need large pages.

#include <cstdint>
#include <filesystem>

namespace bench {

struct PagePairSizes {
    std::uintmax_t oldBytes = 0;
    std::uintmax_t newBytes = 0;
};

PagePairSizes writeRegisterPagePair(std::size_t holders, std::uint64_t seed,
                                    const std::filesystem::path& oldFile,
                                    const std::filesystem::path& newFile);

}  // namespace bench
