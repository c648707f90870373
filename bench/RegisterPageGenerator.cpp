#include "bench/RegisterPageGenerator.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {
namespace {

const char* const kSurnames[] = {"PETROVI\xC4\x86",
                                 "JOVANOVI\xC4\x86",
                                 "\xC4\x8COLI\xC4\x86",
                                 "\xC4\x90OR\xC4\x90"
                                 "EVI\xC4\x86",
                                 "\xC5\xBD"
                                 "ARKOVI\xC4\x86",
                                 "\xC5\xA0"
                                 "ARAC",
                                 "NIKOLI\xC4\x86",
                                 "MARKOVI\xC4\x86",
                                 "ILI\xC4\x86",
                                 "STANKOVI\xC4\x86",
                                 "POPOVI\xC4\x86",
                                 "LUKI\xC4\x86"};
const char* const kGivenNames[] = {"MARKO", "ANA",    "DRAGAN", "MILICA", "STEVAN", "VESNA",
                                   "PETAR", "JELENA", "ZORAN",  "IVANA",  "NENAD",  "TAMARA"};

struct Holder {
    std::string name;
    std::int32_t shares;
};

void writePage(const std::filesystem::path& file, const std::vector<Holder>& holders) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(file.c_str(), "wb"),
                                                        &std::fclose);
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    std::fputs(
        "<html>\r\n<head><title>Jedinstvena evidencija akcionara</title></head>\r\n<body>\r\n"
        "<table class=\"tabela\" width=\"100%\">\r\n<tr class=\"zaglavlje\">\r\n"
        "<th>Red.br.</th>\r\n<th>Naziv</th>\r\n<th>Broj akcija</th>\r\n"
        "<th>% od ukupne emisije</th>\r\n</tr>\r\n",
        out.get());
    std::int64_t total = 0;
    for (const auto& h : holders)
        total += h.shares;
    total = std::max<std::int64_t>(total, 1);
    for (size_t i = 0; i < holders.size(); ++i) {
        const double percent = 100.0 * holders[i].shares / static_cast<double>(total);
        std::fprintf(out.get(),
                     "<tr class=\"red\">\r\n"
                     "<td class=\"broj\" align=\"right\">%zu.</td>\r\n"
                     "<td class=\"naziv\" align=\"left\">%s</td>\r\n"
                     "<td class=\"broj\" align=\"right\">%d</td>\r\n"
                     "<td class=\"broj\" align=\"right\">%.6f</td>\r\n</tr>\r\n",
                     i + 1, holders[i].name.c_str(), holders[i].shares, percent);
    }
    std::fputs(
        "</table>\r\n<p><a "
        "href=\"javascript:history.back()\">[Povratak]</a></p>\r\n</body>\r\n</html>\r\n",
        out.get());
}

}  // namespace

PagePairSizes writeRegisterPagePair(std::size_t holders, std::uint64_t seed,
                                    const std::filesystem::path& oldFile,
                                    const std::filesystem::path& newFile) {
    std::mt19937_64 random(seed);
    auto chance = [&](double p) {
        return std::uniform_real_distribution<double>(0, 1)(random) < p;
    };
    // About one name in ten is shared by two or three holders.
    const size_t distinctNames = std::max<size_t>(1, holders - holders / 10);
    auto nameOf = [&](size_t id) {
        return std::string(kSurnames[id % 12]) + " " + kGivenNames[(id / 12) % 12] + " " +
               std::to_string(id);
    };
    std::vector<Holder> oldHolders;
    oldHolders.reserve(holders);
    for (size_t i = 0; i < holders; ++i) {
        const size_t id = i < distinctNames
                              ? i
                              : std::uniform_int_distribution<size_t>(0, distinctNames - 1)(random);
        oldHolders.push_back(
            {nameOf(id), std::uniform_int_distribution<std::int32_t>(1, 2'000'000)(random)});
    }
    std::vector<Holder> newHolders;
    newHolders.reserve(holders);
    for (const auto& h : oldHolders) {
        if (chance(0.05))
            continue;  // left
        Holder next = h;
        if (chance(0.30))
            next.shares = std::max(0, next.shares + std::uniform_int_distribution<std::int32_t>(
                                                        -50'000, 50'000)(random));
        newHolders.push_back(next);
    }
    for (size_t i = 0; newHolders.size() < holders; ++i) {
        newHolders.push_back(
            {nameOf(holders + i), std::uniform_int_distribution<std::int32_t>(1, 100'000)(random)});
    }
    auto byHolding = [](const Holder& a, const Holder& b) { return a.shares > b.shares; };
    std::stable_sort(oldHolders.begin(), oldHolders.end(), byHolding);
    std::stable_sort(newHolders.begin(), newHolders.end(), byHolding);
    writePage(oldFile, oldHolders);
    writePage(newFile, newHolders);
    return {std::filesystem::file_size(oldFile), std::filesystem::file_size(newFile)};
}

}  // namespace bench
