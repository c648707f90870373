#include <algorithm>

#include "export/detail/cxXLSSharedStrings.h"

namespace cx::detail {
namespace {

constexpr std::uint8_t kUtf16Flags = 0x01;  // UTF-16, no formatting runs, no phonetic data
constexpr std::size_t kSstCountsSize = 8;
constexpr std::size_t kMaxExtSstBuckets = 127;
constexpr std::size_t kExtSstBucketSize = 8;

void put16(std::vector<std::uint8_t>& data, std::uint16_t v) {
    data.push_back(static_cast<std::uint8_t>(v));
    data.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putChars(std::vector<std::uint8_t>& data, std::u16string_view text, std::size_t firstByte,
              std::size_t byteCount) {
    // byteCount is always even: a UTF-16 character is never split between records.
    for (std::size_t i = firstByte / 2; i < (firstByte + byteCount) / 2; ++i) {
        put16(data, static_cast<std::uint16_t>(text[i]));
    }
}

}  // namespace

TcxExtSstShape ExtSstShape(std::size_t strings) {
    std::size_t perBucket = 8;
    std::size_t buckets = 1;
    while (strings > perBucket * buckets) {
        perBucket += 8;
        if (buckets < kMaxExtSstBuckets && strings > perBucket * buckets)
            ++buckets;
    }
    while (strings < (buckets - 1) * perBucket)
        --buckets;
    return {static_cast<std::uint16_t>(perBucket), static_cast<std::uint16_t>(buckets)};
}

TcxXLSSharedStringTable::Block& TcxXLSSharedStringTable::NewBlock(std::uint16_t type) {
    blocks_.push_back({type, {}});
    blocks_.back().data.reserve(kSstBlockLimit);
    return blocks_.back();
}

// Both counts at the start of the SST record: references and distinct strings.
void TcxXLSSharedStringTable::PutCounts() {
    const auto count = static_cast<std::uint32_t>(locators_.size());
    std::uint8_t* p = blocks_.front().data.data();
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < 4; ++i)
            p[4 * k + i] = static_cast<std::uint8_t>(count >> (8 * i));
    }
}

std::uint32_t TcxXLSSharedStringTable::AddString(std::u16string_view text) {
    text = text.substr(0, std::min(text.size(), kSstMaxChars));
    if (blocks_.empty())
        NewBlock(kRecordSst).data.resize(kSstCountsSize, 0);
    if (blocks_.back().data.size() + 4 > kSstBlockLimit)
        NewBlock(kRecordContinue);

    const std::size_t total = 2 * text.size();
    Block* block = &blocks_.back();
    const std::size_t room = kSstBlockLimit - (block->data.size() + 3);
    const std::size_t chunk = total < room ? total : room - (room % 2);

    const auto index = static_cast<std::uint32_t>(locators_.size());
    locators_.push_back({static_cast<std::uint16_t>(blocks_.size() - 1),
                         static_cast<std::uint16_t>(block->data.size())});
    put16(block->data, static_cast<std::uint16_t>(text.size()));
    block->data.push_back(kUtf16Flags);
    putChars(block->data, text, 0, chunk);

    // The rest continues in CONTINUE records, each starting with the flags byte again.
    for (std::size_t done = chunk; done < total;) {
        const std::size_t piece = std::min(total - done, kSstBlockLimit - 2);
        block = &NewBlock(kRecordContinue);
        block->data.push_back(kUtf16Flags);
        putChars(block->data, text, done, piece);
        done += piece;
    }
    PutCounts();
    return index;
}

std::size_t TcxXLSSharedStringTable::TableSize() const {
    if (locators_.empty())
        return 0;
    std::size_t size = 0;
    for (const Block& block : blocks_)
        size += kRecordHeaderSize + block.data.size();
    const TcxExtSstShape shape = ExtSstShape(locators_.size());
    return size + kRecordHeaderSize + 2 + kExtSstBucketSize * shape.Buckets;
}

void TcxXLSSharedStringTable::WriteTable(TcxByteStream& out, std::uint32_t sstPosition) const {
    if (locators_.empty())
        return;
    // Offset of each block's record header from the SST record's start.
    std::vector<std::uint32_t> blockStart(blocks_.size());
    std::uint32_t offset = 0;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        blockStart[b] = offset;
        WriteRecordHeader(out, blocks_[b].type, static_cast<std::uint16_t>(blocks_[b].data.size()));
        out.Bytes(blocks_[b].data.data(), blocks_[b].data.size());
        offset += static_cast<std::uint32_t>(kRecordHeaderSize + blocks_[b].data.size());
    }
    // EXTSST: for every bucket's first string, its stream position and its offset in
    // the record holding it (the record header counted).
    const TcxExtSstShape shape = ExtSstShape(locators_.size());
    WriteRecordHeader(out, kRecordExtSst,
                      static_cast<std::uint16_t>(2 + kExtSstBucketSize * shape.Buckets));
    out.U16(shape.StringsPerBucket);
    for (std::size_t j = 0; j < shape.Buckets; ++j) {
        const Locator& at = locators_[j * shape.StringsPerBucket];
        const std::uint32_t inRecord = static_cast<std::uint32_t>(kRecordHeaderSize) + at.offset;
        out.U32(sstPosition + blockStart[at.block] + inRecord);
        out.U16(static_cast<std::uint16_t>(inRecord));
        out.U16(0);
    }
}

void TcxXLSSharedStringTable::Clear() {
    blocks_.clear();
    locators_.clear();
}

}  // namespace cx::detail
