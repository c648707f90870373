// Feeds arbitrary bytes to the register page scanner, in two pieces split where the
// input says, and checks that the pieces give what the whole gives.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "compare/detail/RegisterPageScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    compare::detail::RegisterPageScanner whole;
    whole.feed(page);
    const compare::TMy_FirmaArray expected = whole.finish();

    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    compare::detail::RegisterPageScanner pieces;
    pieces.feed(page.substr(0, split));
    pieces.feed(page.substr(split));
    const compare::TMy_FirmaArray actual = pieces.finish();

    if (actual.size() != expected.size())
        std::abort();
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (actual[i].Name != expected[i].Name || actual[i].Cnt != expected[i].Cnt ||
            actual[i].Ord != expected[i].Ord) {
            std::abort();
        }
    }
    compare::GetCellText(page);
    return 0;
}
