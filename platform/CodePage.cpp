#include "platform/CodePage.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

std::string iconvName(unsigned codePage) {
    switch (codePage) {
        case 65001:
            return "UTF-8";
        case 20127:
            return "ASCII";
        case 28591:
            return "ISO-8859-1";
        default:
            return "CP" + std::to_string(codePage);
    }
}

bool isMultiByte(unsigned codePage) {
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 ||
           codePage == 1361 || codePage == 65001;
}

struct IconvHandle {
    iconv_t cd;
    explicit IconvHandle(iconv_t h) : cd(h) {}
    ~IconvHandle() {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
    bool valid() const { return cd != reinterpret_cast<iconv_t>(-1); }
};

// Converts one chunk with iconv; returns the UTF-16 units, or nothing when the
// input is not valid in that code page.
bool iconvToWide(const std::string& from, std::string_view in, std::u16string& out) {
    IconvHandle h(iconv_open("UTF-16LE", from.c_str()));
    if (!h.valid())
        return false;
    std::string src(in);
    std::string dst(src.size() * 4 + 8, '\0');
    char* inPtr = src.data();
    size_t inLeft = src.size();
    char* outPtr = dst.data();
    size_t outLeft = dst.size();
    if (iconv(h.cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return false;
    size_t produced = dst.size() - outLeft;
    out.clear();
    for (size_t i = 0; i + 1 < produced; i += 2) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(dst[i]) |
                                            (static_cast<unsigned char>(dst[i + 1]) << 8)));
    }
    return true;
}

// A single-byte code page as two lookup tables, built once from iconv.
struct SingleByteTable {
    std::array<char16_t, 256> toWide{};
    std::unordered_map<char16_t, char> fromWide;
};

const SingleByteTable& singleByteTable(unsigned codePage) {
    static std::mutex guard;
    static std::map<unsigned, std::unique_ptr<SingleByteTable>> tables;
    std::lock_guard<std::mutex> lock(guard);
    auto& slot = tables[codePage];
    if (!slot) {
        slot = std::make_unique<SingleByteTable>();
        const std::string name = iconvName(codePage);
        for (unsigned b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            std::u16string wide;
            char16_t unit = static_cast<char16_t>(b);  // undefined bytes keep their value
            if (iconvToWide(name, std::string_view(&byte, 1), wide) && wide.size() == 1) {
                unit = wide[0];
            }
            slot->toWide[b] = unit;
            slot->fromWide.emplace(unit, byte);
        }
    }
    return *slot;
}

}  // namespace

std::u16string multiByteToWide(unsigned codePage, std::string_view bytes) {
    if (codePage == 65001)
        return utf8ToUtf16(bytes);
    if (!isMultiByte(codePage)) {
        const auto& table = singleByteTable(codePage);
        std::u16string out;
        out.reserve(bytes.size());
        for (unsigned char b : bytes)
            out.push_back(table.toWide[b]);
        return out;
    }
    std::u16string out;
    if (iconvToWide(iconvName(codePage), bytes, out))
        return out;
    // Invalid input: convert byte by byte where possible, replacing the rest.
    out.clear();
    for (char b : bytes) {
        std::u16string one;
        if (iconvToWide(iconvName(codePage), std::string_view(&b, 1), one) && !one.empty()) {
            out += one;
        } else {
            out.push_back(kReplacement);
        }
    }
    return out;
}

std::string wideToMultiByte(unsigned codePage, std::u16string_view text) {
    if (codePage == 65001)
        return utf16ToUtf8(text);
    if (!isMultiByte(codePage)) {
        const auto& table = singleByteTable(codePage);
        std::string out;
        out.reserve(text.size());
        for (char16_t unit : text) {
            auto it = table.fromWide.find(unit);
            out.push_back(it == table.fromWide.end() ? '?' : it->second);
        }
        return out;
    }
    IconvHandle h(iconv_open(iconvName(codePage).c_str(), "UTF-16LE"));
    std::string out;
    if (!h.valid())
        return std::string(text.size(), '?');
    for (char16_t unit : text) {
        char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        char buf[8];
        char* inPtr = in;
        size_t inLeft = 2;
        char* outPtr = buf;
        size_t outLeft = sizeof buf;
        if (iconv(h.cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            iconv(h.cd, nullptr, nullptr, nullptr, nullptr);
            out.push_back('?');
        } else {
            out.append(buf, sizeof buf - outLeft);
        }
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80           ? 0
                    : (lead >> 5) == 0x6  ? 1
                    : (lead >> 4) == 0xE  ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
        char32_t cp = extra == 0   ? lead
                      : extra == 1 ? lead & 0x1F
                      : extra == 2 ? lead & 0x0F
                                   : lead & 0x07;
        bool ok = extra >= 0 && i + static_cast<size_t>(extra) < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char c = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr char32_t kMinForLength[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kMinForLength[static_cast<size_t>(extra)] || cp > 0x10FFFF ||
                   (cp >= 0xD800 && cp <= 0xDFFF))) {
            ok = false;
        }
        if (!ok) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

}  // namespace platform
