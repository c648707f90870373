#include <cstring>

#include "export/cxExport.h"
#include "export/detail/cxXLSContainer.h"

namespace cx::detail {
namespace {

constexpr std::uint32_t ceilDiv(std::uint64_t a, std::uint64_t b) {
    return static_cast<std::uint32_t>((a + b - 1) / b);
}

std::uint32_t difatSectorsFor(std::uint32_t fatSectors) {
    return fatSectors > kHeaderDifatEntries
               ? ceilDiv(fatSectors - kHeaderDifatEntries, kEntriesPerFatSector - 1)
               : 0;
}

// A sector-sized (or header-sized) table of 32-bit entries inside the head buffer.
class HeadBuffer {
  public:
    explicit HeadBuffer(std::size_t size) : bytes_(size, 0) {}
    void Put16(std::size_t at, std::uint16_t v) {
        bytes_[at] = static_cast<std::uint8_t>(v);
        bytes_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void Put32(std::size_t at, std::int64_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i)
            bytes_[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    // Fills the 32-bit entries of a sector with `v`.
    void FillSector(std::uint32_t sector, std::int32_t v) {
        for (std::size_t e = 0; e < kEntriesPerFatSector; ++e)
            Put32(Entry(sector, e), v);
    }
    static std::size_t Entry(std::uint32_t sector, std::size_t index) {
        return kSectorSize * (sector + 1) + 4 * index;
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

// The file header: format identity, table counts and the first 109 FAT locations.
void putHeader(HeadBuffer& h, const TcxContainerLayout& l) {
    static constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(h.Bytes().data(), kSignature, sizeof kSignature);
    h.Put16(24, 0x003E);  // minor version
    h.Put16(26, 3);       // major version: 512-byte sectors
    h.Put16(28, 0xFFFE);  // byte order: little-endian
    h.Put16(30, 9);       // sector size 2^9
    h.Put16(32, 6);       // mini sector size 2^6
    h.Put32(40, 0);       // directory sectors (0 in version 3)
    h.Put32(44, l.FatSectors);
    h.Put32(48, 1);  // first directory sector
    h.Put32(52, 0);  // transaction number
    h.Put32(56, kMiniStreamCutoff);
    if (l.SmallStream) {
        h.Put32(60, 2);  // first mini FAT sector
        h.Put32(64, 1);  // mini FAT sectors
    } else {
        h.Put32(60, kEndOfChain);
        h.Put32(64, 0);
    }
    h.Put32(68, l.DifatSectors > 0 ? DifatSectorLocation(0) : kEndOfChain);
    h.Put32(72, l.DifatSectors);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i) {
        h.Put32(76 + 4 * i, i < l.FatSectors ? FatSectorLocation(i) : kFreeSector);
    }
}

// One 128-byte directory entry.
void putDirectoryEntry(HeadBuffer& h, std::size_t at, std::u16string_view name, std::uint8_t type,
                       std::uint8_t color, std::int32_t child, std::int64_t start,
                       std::uint32_t size) {
    for (std::size_t i = 0; i < name.size(); ++i)
        h.Put16(at + 2 * i, name[i]);
    h.Put16(at + 64, static_cast<std::uint16_t>(2 * (name.size() + 1)));
    h.Bytes()[at + 66] = type;
    h.Bytes()[at + 67] = color;
    h.Put32(at + 68, kFreeSector);  // left sibling: none
    h.Put32(at + 72, kFreeSector);  // right sibling: none
    h.Put32(at + 76, child);
    h.Put32(at + 116, start);
    h.Put32(at + 120, size);
}

// The directory: root entry, "Workbook", and two unused entries.
void putDirectory(HeadBuffer& h, const TcxContainerLayout& l) {
    const std::size_t base = HeadBuffer::Entry(1, 0);
    putDirectoryEntry(
        h, base, u"Root Entry", 5, 0, 1, l.SmallStream ? 3 : kEndOfChain,
        l.SmallStream ? l.StreamSectors * static_cast<std::uint32_t>(kSectorSize) : 0);
    putDirectoryEntry(h, base + 128, u"Workbook", 2, 1, kFreeSector,
                      l.SmallStream ? 0 : l.FirstStreamSector, l.StreamSize);
    for (std::size_t unused = 2; unused < 4; ++unused) {
        const std::size_t at = base + 128 * unused;
        h.Put32(at + 68, kFreeSector);
        h.Put32(at + 72, kFreeSector);
        h.Put32(at + 76, kFreeSector);
    }
}

// A chain of `count` entries from `first` in a table, each pointing to the next.
// With `spanTables` the entries run on through the FAT sectors in their order.
void putChain(HeadBuffer& h, std::uint32_t tableSector, std::uint32_t first, std::uint32_t count,
              bool spanTables = false) {
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t entry = first + k;
        std::uint32_t sector = tableSector;
        std::size_t index = entry;
        if (spanTables) {
            sector = FatSectorLocation(static_cast<std::uint32_t>(entry / kEntriesPerFatSector));
            index = entry % kEntriesPerFatSector;
        }
        h.Put32(HeadBuffer::Entry(sector, index), k + 1 < count ? entry + 1 : kEndOfChain);
    }
}

void putSmallLayout(HeadBuffer& h, const TcxContainerLayout& l) {
    h.FillSector(0, kFreeSector);
    h.Put32(HeadBuffer::Entry(0, 0), kFatSectorMark);
    h.Put32(HeadBuffer::Entry(0, 1), kEndOfChain);  // directory
    h.Put32(HeadBuffer::Entry(0, 2), kEndOfChain);  // mini FAT
    putChain(h, 0, 3, l.StreamSectors);             // the mini stream's container
    h.FillSector(2, kFreeSector);
    putChain(h, 2, 0, ceilDiv(l.StreamSize, kMiniSectorSize));
}

void putLargeLayout(HeadBuffer& h, const TcxContainerLayout& l) {
    for (std::uint32_t k = 0; k < l.FatSectors; ++k)
        h.FillSector(FatSectorLocation(k), kFreeSector);
    auto setFat = [&h](std::uint32_t sector, std::int64_t value) {
        h.Put32(HeadBuffer::Entry(
                    FatSectorLocation(static_cast<std::uint32_t>(sector / kEntriesPerFatSector)),
                    sector % kEntriesPerFatSector),
                value);
    };
    for (std::uint32_t k = 0; k < l.FatSectors; ++k)
        setFat(FatSectorLocation(k), kFatSectorMark);
    setFat(1, kEndOfChain);  // directory
    for (std::uint32_t j = 0; j < l.DifatSectors; ++j) {
        const std::uint32_t sector = DifatSectorLocation(j);
        setFat(sector, kDifatSectorMark);
        h.FillSector(sector, kFreeSector);
        for (std::uint32_t e = 0; e + 1 < kEntriesPerFatSector; ++e) {
            const std::uint32_t fat = static_cast<std::uint32_t>(kHeaderDifatEntries) +
                                      j * static_cast<std::uint32_t>(kEntriesPerFatSector - 1) + e;
            if (fat < l.FatSectors)
                h.Put32(HeadBuffer::Entry(sector, e), FatSectorLocation(fat));
        }
        h.Put32(HeadBuffer::Entry(sector, kEntriesPerFatSector - 1),
                j + 1 < l.DifatSectors ? DifatSectorLocation(j + 1) : kEndOfChain);
    }
    putChain(h, 0, l.FirstStreamSector, l.StreamSectors, true);
}

}  // namespace

std::uint32_t FatSectorLocation(std::uint32_t k) {
    if (k == 0)
        return 0;
    if (k <= kHeaderDifatEntries)
        return k + 1;
    // After FAT sector 109: sectors 112, 113, ..., skipping a DIFAT sector every 128.
    const std::uint32_t beyond = k - static_cast<std::uint32_t>(kHeaderDifatEntries) - 1;
    const std::uint32_t perRun = static_cast<std::uint32_t>(kEntriesPerFatSector - 1);
    return DifatSectorLocation(beyond / perRun) + 1 + beyond % perRun;
}

std::uint32_t DifatSectorLocation(std::uint32_t j) {
    return 111 + static_cast<std::uint32_t>(kEntriesPerFatSector) * j;
}

TcxContainerLayout ComputeContainerLayout(std::uint32_t streamSize) {
    TcxContainerLayout l{};
    l.StreamSize = streamSize;
    l.StreamSectors = ceilDiv(streamSize, kSectorSize);
    l.SmallStream = streamSize < kMiniStreamCutoff;
    if (l.SmallStream) {
        l.FatSectors = 1;
        l.DifatSectors = 0;
        l.FirstStreamSector = 3;
        l.HeadSize = 4 * kSectorSize;
    } else {
        l.FatSectors = ceilDiv(l.StreamSectors + 3, kEntriesPerFatSector - 1);
        l.DifatSectors = difatSectorsFor(l.FatSectors);
        // The FAT must cover its own sectors, the DIFAT, the directory and the stream.
        while (kEntriesPerFatSector * l.FatSectors <
               std::uint64_t{l.FatSectors} + l.DifatSectors + 1 + l.StreamSectors) {
            ++l.FatSectors;
            l.DifatSectors = difatSectorsFor(l.FatSectors);
        }
        l.FirstStreamSector = l.FatSectors + l.DifatSectors + 1;
        l.HeadSize = (l.FatSectors + l.DifatSectors + 2) * kSectorSize;
    }
    l.PaddingSize = l.StreamSectors * kSectorSize - streamSize;
    return l;
}

std::vector<std::uint8_t> TcxXLSWorkBookWriter::BuildHead(std::uint32_t streamSize) {
    const TcxContainerLayout l = ComputeContainerLayout(streamSize);
    HeadBuffer h(l.HeadSize);
    putHeader(h, l);
    if (l.SmallStream) {
        putSmallLayout(h, l);
    } else {
        putLargeLayout(h, l);
    }
    putDirectory(h, l);
    return std::move(h.Bytes());
}

void TcxXLSWorkBookWriter::WriteContainer(std::uint32_t streamSize, TcxByteStream* stream) {
    if (streamSize == 0 || stream == nullptr) {
        throw EcxExportData(MessageLookup(TcxExportMessage::ErrorWriteXLSFile));
    }
    const std::vector<std::uint8_t> head = BuildHead(streamSize);
    stream->Bytes(head.data(), head.size());
}

}  // namespace cx::detail
