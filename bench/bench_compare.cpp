// bench_compare OLD NEW: times read + compare + fill of the two result tables, the data
// work of one comparison run, and prints the time and the process's peak memory.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "compare/ComparisonRun.h"
#include "compare/ResultTables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_compare OLD NEW\n");
        return 2;
    }
    platform::TdxMemData promene;
    platform::TdxMemData redosled;
    compare::definePromeneTable(promene);
    compare::defineRedosledTable(redosled);
    promene.Open();
    redosled.Open();

    const auto start = std::chrono::steady_clock::now();
    const auto summary = compare::runComparison(argv[1], argv[2], promene, redosled);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double filesMb = static_cast<double>(std::filesystem::file_size(argv[1]) +
                                               std::filesystem::file_size(argv[2])) /
                           1e6;
    std::printf(
        "holders %zu/%zu  files %.1f MB  time %.3f s  peak memory %.1f MB  rows %zu + %zu\n",
        summary.oldHolders, summary.newHolders, filesMb, seconds,
        static_cast<double>(usage.ru_maxrss) / 1024.0, promene.rowCount(), redosled.rowCount());
    return 0;
}
