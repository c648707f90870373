#pragma once
// The register page scanner, fed with the page's bytes in pieces of any size.
// Exposed for the tests and the fuzz target; ReadFirmaArray feeds it from the file.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "compare/CRHoV_Util.h"

namespace compare::detail {

// The part of an item after its first ">" (the whole item without one) and before the
// next "<"; nothing when no "<" follows.
std::string_view textBetweenTags(std::string_view item);

// Converts an optional sign and one or more decimal digits that fit 32 bits; else nothing.
std::optional<std::int32_t> parseInt32(std::string_view text);

class RegisterPageScanner {
  public:
    // Room for the entries of a page of `bytes` bytes (a row takes well over 64).
    void expectPageSize(std::uintmax_t bytes) { entries_.reserve(static_cast<size_t>(bytes / 64)); }
    void feed(std::string_view bytes);
    // Processes the last line (with or without a line break) and returns the entries.
    TMy_FirmaArray finish();

  private:
    void processLine(std::string_view line);
    void startItem(std::string_view line);
    void appendToItem(std::string_view line);
    void emitRow();

    static constexpr size_t kItemsPerRow = 5;

    std::string partialLine_;
    bool inside_ = false;
    bool haveItems_ = false;
    // The items of the row being collected; only the three cells read are kept.
    std::array<std::string, kItemsPerRow> rowItems_;
    size_t rowItemCount_ = 0;
    TMy_FirmaArray entries_;
};

}  // namespace compare::detail
