// generate_pages N SEED OLD NEW: writes a pair of register pages of N holders.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/RegisterPageGenerator.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: generate_pages N SEED OLD NEW\n");
        return 2;
    }
    const auto sizes =
        bench::writeRegisterPagePair(std::stoul(argv[1]), std::stoull(argv[2]), argv[3], argv[4]);
    std::printf("%ju %ju\n", sizes.oldBytes, sizes.newBytes);
    return 0;
}
