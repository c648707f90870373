#pragma once
// The workbook's shared string table, built as ready-made SST and CONTINUE records
// while texts arrive, so its size is known before anything is written.

#include <cstdint>
#include <string_view>
#include <vector>

#include "export/detail/cxXLSByteStream.h"

namespace cx::detail {

// Largest data length of an SST or CONTINUE block of this table.
constexpr std::size_t kSstBlockLimit = 8192;
// Characters of a string that the table keeps.
constexpr std::size_t kSstMaxChars = 4096;
constexpr std::uint16_t kRecordSst = 0x00FC;
constexpr std::uint16_t kRecordContinue = 0x003C;
constexpr std::uint16_t kRecordExtSst = 0x00FF;

// The strings-per-bucket and bucket count of EXTSST for `strings` strings.
struct TcxExtSstShape {
    std::uint16_t StringsPerBucket;
    std::uint16_t Buckets;
};
TcxExtSstShape ExtSstShape(std::size_t strings);

class TcxXLSSharedStringTable {
  public:
    // Appends a string (cut to 4096 characters; equal strings are not merged) and
    // returns its index.
    std::uint32_t AddString(std::u16string_view text);
    // Bytes of the SST, CONTINUE and EXTSST records; 0 when no string was added.
    std::size_t TableSize() const;
    // Writes the records; `sstPosition` is the SST record's offset in the workbook
    // stream, from which EXTSST's stream positions are counted.
    void WriteTable(TcxByteStream& out, std::uint32_t sstPosition) const;
    void Clear();
    std::size_t StringCount() const { return locators_.size(); }

  private:
    struct Block {
        std::uint16_t type;
        std::vector<std::uint8_t> data;
    };
    // Where a string's character count lies: block and offset in its data.
    struct Locator {
        std::uint16_t block;
        std::uint16_t offset;
    };

    Block& NewBlock(std::uint16_t type);
    void PutCounts();

    std::vector<Block> blocks_;
    std::vector<Locator> locators_;
};

}  // namespace cx::detail
