#pragma once
// Text conversion between the program's single-byte code page and Unicode,
// in place of the system's MultiByteToWideChar / WideCharToMultiByte.

#include <string>
#include <string_view>

namespace platform {

// The program's own text is Windows-1250; it is also the "system ANSI code page".
constexpr unsigned kAnsiCodePage = 1250;

// Bytes of `codePage` to UTF-16. Every byte of a single-byte code page maps to
// one UTF-16 unit; a byte the code page leaves undefined maps to U+00xx of the
// same value, as the system converter does. Invalid multi-byte sequences give U+FFFD.
std::u16string multiByteToWide(unsigned codePage, std::string_view bytes);

// UTF-16 to bytes of `codePage`; a character the code page lacks becomes '?'.
std::string wideToMultiByte(unsigned codePage, std::u16string_view text);

// UTF-8 edges (standard output, Qt, files named by the user).
std::string utf16ToUtf8(std::u16string_view text);
std::u16string utf8ToUtf16(std::string_view text);  // invalid sequences give U+FFFD

inline std::string cp1250ToUtf8(std::string_view bytes) {
    return utf16ToUtf8(multiByteToWide(kAnsiCodePage, bytes));
}
inline std::string utf8ToCp1250(std::string_view text) {
    return wideToMultiByte(kAnsiCodePage, utf8ToUtf16(text));
}

}  // namespace platform
