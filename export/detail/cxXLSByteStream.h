#pragma once
// A little-endian byte sink: records are appended field by field (never as struct
// memory) into a buffer that is either kept in memory (tests, the container head) or
// flushed in large pieces to an open file.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace cx::detail {

class TcxByteStream {
  public:
    TcxByteStream() = default;
    // Writes through to the open file descriptor `fd`; `fileName` names it in errors.
    TcxByteStream(int fd, std::string fileName);
    TcxByteStream(const TcxByteStream&) = delete;
    TcxByteStream& operator=(const TcxByteStream&) = delete;

    void U8(std::uint8_t v) { *Grow(1) = v; }
    void U16(std::uint16_t v) {
        std::uint8_t* p = Grow(2);
        p[0] = static_cast<std::uint8_t>(v);
        p[1] = static_cast<std::uint8_t>(v >> 8);
    }
    void U32(std::uint32_t v) {
        std::uint8_t* p = Grow(4);
        for (int i = 0; i < 4; ++i)
            p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        std::uint8_t* p = Grow(8);
        for (int i = 0; i < 8; ++i)
            p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    void Bytes(const void* data, std::size_t count) {
        if (count == 0)
            return;
        std::memcpy(Grow(count), data, count);
    }
    // UTF-16 code units, little-endian.
    void Utf16(std::u16string_view text) {
        std::uint8_t* p = Grow(2 * text.size());
        for (char16_t unit : text) {
            *p++ = static_cast<std::uint8_t>(unit);
            *p++ = static_cast<std::uint8_t>(unit >> 8);
        }
    }
    void Zeros(std::size_t count) {
        if (count == 0)
            return;
        std::memset(Grow(count), 0, count);
    }

    // Bytes appended so far (written to the file or still buffered).
    std::uint64_t Position() const { return flushed_ + buffer_.size(); }
    // The buffered bytes (all of them when the stream is not tied to a file).
    const std::vector<std::uint8_t>& Buffer() const { return buffer_; }
    // Writes the buffer to the file; EWriteError on failure.
    void Flush();

  private:
    static constexpr std::size_t kFlushSize = 1 << 18;

    std::uint8_t* Grow(std::size_t count) {
        if (fd_ >= 0 && buffer_.size() + count > kFlushSize && !buffer_.empty())
            Flush();
        const std::size_t old = buffer_.size();
        buffer_.resize(old + count);
        return buffer_.data() + old;
    }

    int fd_ = -1;
    std::string fileName_;
    std::uint64_t flushed_ = 0;
    std::vector<std::uint8_t> buffer_;
};

// Record framing: the 4-byte header of every BIFF record (type, data length).
inline void WriteRecordHeader(TcxByteStream& out, std::uint16_t type, std::uint16_t length) {
    out.U16(type);
    out.U16(length);
}

constexpr std::size_t kRecordHeaderSize = 4;

}  // namespace cx::detail
