#pragma once
// The compound-document container (version 3, 512-byte sectors) holding the one
// stream "Workbook": header, allocation tables and directory are built for the known
// stream size in one buffer, and the stream's records follow them directly.

#include <cstdint>
#include <vector>

#include "export/detail/cxXLSByteStream.h"

namespace cx::detail {

constexpr std::size_t kSectorSize = 512;
constexpr std::size_t kMiniSectorSize = 64;
constexpr std::uint32_t kMiniStreamCutoff = 4096;
constexpr std::size_t kHeaderDifatEntries = 109;
constexpr std::size_t kEntriesPerFatSector = kSectorSize / 4;

constexpr std::int32_t kFreeSector = -1;
constexpr std::int32_t kEndOfChain = -2;
constexpr std::int32_t kFatSectorMark = -3;
constexpr std::int32_t kDifatSectorMark = -4;

// Where everything lies for a stream of a given size.
struct TcxContainerLayout {
    bool SmallStream;             // below the mini-stream cut-off: stream in the mini stream
    std::uint32_t StreamSize;     // S
    std::uint32_t StreamSectors;  // N
    std::uint32_t FatSectors;     // F
    std::uint32_t DifatSectors;   // D
    std::uint32_t FirstStreamSector;
    std::size_t HeadSize;     // bytes before the stream
    std::size_t PaddingSize;  // zero bytes after the stream, to a whole sector
};

TcxContainerLayout ComputeContainerLayout(std::uint32_t streamSize);
// The sector of FAT sector k.
std::uint32_t FatSectorLocation(std::uint32_t k);
// The sector of DIFAT sector j.
std::uint32_t DifatSectorLocation(std::uint32_t j);

class TcxXLSWorkBookWriter {
  public:
    // The container head for a stream of `streamSize` bytes.
    static std::vector<std::uint8_t> BuildHead(std::uint32_t streamSize);
    // Writes the head; EcxExportData "Error write XLS file" without a stream or size.
    void WriteContainer(std::uint32_t streamSize, TcxByteStream* stream);
};

}  // namespace cx::detail
