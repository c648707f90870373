#pragma once
// Helpers of the workbook writer's tests: providers on a temporary folder, hex dumps,
// and the workbook stream read back out of a written file.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "export/cxExport.h"
#include "export/cxXLSExport.h"
#include "tests/TempDir.h"

namespace xlstest {

using Bytes = std::vector<std::uint8_t>;

// "09 08 10 00" for the bytes 0x09 0x08 0x10 0x00.
inline std::string Hex(const std::uint8_t* data, std::size_t count) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        if (i)
            out += ' ';
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}
inline std::string Hex(const Bytes& bytes) {
    return Hex(bytes.data(), bytes.size());
}
inline std::string Hex(const Bytes& bytes, std::size_t from, std::size_t count) {
    return Hex(bytes.data() + from, count);
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::uint32_t U32At(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline std::uint16_t U16At(const Bytes& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// The Excel provider behind a counted reference, with its concrete type for inspection.
struct Provider {
    cx::TcxExportProviderRef ref;
    cx::TcxXLSExportProvider* xls = nullptr;

    explicit Provider(const std::filesystem::path& file)
        : ref(cx::TcxXLSExportProvider::Class().Create(file.string())),
          xls(static_cast<cx::TcxXLSExportProvider*>(ref.get())) {}
    cx::TcxXLSExportProvider* operator->() const { return xls; }
};

// One BIFF record of a workbook stream.
struct Record {
    std::uint16_t type;
    Bytes data;
    std::size_t offset;  // of the header within the stream
};

inline std::vector<Record> ParseRecords(const Bytes& stream) {
    std::vector<Record> records;
    std::size_t at = 0;
    while (at + 4 <= stream.size()) {
        const std::uint16_t type = U16At(stream, at);
        const std::uint16_t length = U16At(stream, at + 2);
        Record r{type,
                 Bytes(stream.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       stream.begin() + static_cast<std::ptrdiff_t>(at + 4 + length)),
                 at};
        records.push_back(std::move(r));
        at += 4 + length;
    }
    return records;
}

// The workbook stream inside a file written by the provider.
inline Bytes StreamOfFile(const Bytes& file) {
    const std::uint32_t size = U32At(file, 1024 + 128 + 120);  // "Workbook" entry in sector 1
    const auto layout = cx::detail::ComputeContainerLayout(size);
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(layout.HeadSize),
                 file.begin() + static_cast<std::ptrdiff_t>(layout.HeadSize + size));
}

// A copy of the default style, the start of every style record.
inline cx::TcxExportCellStyle BaseStyle() {
    cx::TcxExportCellStyle style = cx::DefaultExportStyle();
    style.Checksum = 0;
    return style;
}

}  // namespace xlstest
