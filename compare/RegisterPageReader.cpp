// Reading a saved register page: a line scanner, not an HTML parser. It skips the page
// up to the last column heading of the shareholder table, collects the tag lines up to
// the page's "back" link, groups them by five and takes three cells of each group.

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "compare/CRHoV_Util.h"
#include "compare/detail/RegisterPageScanner.h"
#include "platform/InOutError.h"

namespace compare {
namespace detail {
namespace {

constexpr std::string_view kStartMarker = "% OD UKUPNE EMISIJE";  // compared upper-cased
constexpr std::string_view kEndMarker = "[POVRATAK";
constexpr size_t kPositionItem = 1;
constexpr size_t kNameItem = 2;
constexpr size_t kSharesItem = 3;

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

// Lines count as upper-cased: a-z become A-Z, every other byte stays. The markers are
// found without converting the line.
char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `marker` is upper-case and starts with a byte that is not a letter.
bool containsIgnoringAsciiCase(std::string_view line, std::string_view marker) {
    size_t at = 0;
    while ((at = line.find(marker[0], at)) != std::string_view::npos) {
        if (line.size() - at < marker.size())
            return false;
        size_t i = 1;
        while (i < marker.size() && upperAscii(line[at + i]) == marker[i])
            ++i;
        if (i == marker.size())
            return true;
        ++at;
    }
    return false;
}

bool keepsItemText(size_t itemIndex) {
    return itemIndex == kPositionItem || itemIndex == kNameItem || itemIndex == kSharesItem;
}

}  // namespace

std::string_view textBetweenTags(std::string_view item) {
    const size_t close = item.find('>');
    if (close != std::string_view::npos)
        item.remove_prefix(close + 1);
    const size_t open = item.find('<');
    if (open == std::string_view::npos)
        return {};
    return item.substr(0, open);
}

namespace {

// The cell text of an item that should hold a number: the letter mapping of GetCellText
// cannot make digits, so the text between the tags, trimmed, converts the same.
std::string_view cellTextOfNumber(std::string_view item) {
    return trimmed(textBetweenTags(item));
}

}  // namespace

std::optional<std::int32_t> parseInt32(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const std::int64_t limit = negative ? std::int64_t{INT32_MAX} + 1 : INT32_MAX;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

void RegisterPageScanner::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const size_t lineFeed = bytes.find('\n');
        if (lineFeed == std::string_view::npos) {
            partialLine_.append(bytes);
            return;
        }
        std::string_view line = bytes.substr(0, lineFeed);
        bytes.remove_prefix(lineFeed + 1);
        if (!partialLine_.empty()) {
            partialLine_.append(line);
            line = partialLine_;
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        processLine(line);
        partialLine_.clear();
    }
}

TMy_FirmaArray RegisterPageScanner::finish() {
    if (!partialLine_.empty()) {
        processLine(partialLine_);
        partialLine_.clear();
    }
    if (rowItemCount_ == kItemsPerRow)
        emitRow();
    rowItemCount_ = 0;
    return std::move(entries_);
}

void RegisterPageScanner::processLine(std::string_view line) {
    if (!inside_) {
        inside_ = containsIgnoringAsciiCase(line, kStartMarker);
        return;
    }
    const std::string_view content = trimmed(line);
    if (containsIgnoringAsciiCase(content, kEndMarker)) {
        inside_ = false;
    } else if (!content.empty() && content[0] == '<' && !content.starts_with("</")) {
        startItem(content);
    } else if (haveItems_) {
        appendToItem(content);
    }
}

void RegisterPageScanner::startItem(std::string_view line) {
    if (rowItemCount_ == kItemsPerRow)
        emitRow();
    std::string& item = rowItems_[rowItemCount_];
    item.clear();
    if (keepsItemText(rowItemCount_))
        item.append(line);
    ++rowItemCount_;
    haveItems_ = true;
}

void RegisterPageScanner::appendToItem(std::string_view line) {
    const size_t last = rowItemCount_ - 1;
    if (keepsItemText(last))
        rowItems_[last].append(line);
}

void RegisterPageScanner::emitRow() {
    TMy_FirmaRecord entry;
    entry.Cnt = parseInt32(cellTextOfNumber(rowItems_[kSharesItem])).value_or(0);
    std::string position(cellTextOfNumber(rowItems_[kPositionItem]));
    std::erase(position, '.');
    entry.Ord = parseInt32(position).value_or(0);
    // Upper-casing touches only a-z, so doing it on the cell text alone gives what
    // upper-casing every line would.
    entry.Name = GetCellText(rowItems_[kNameItem]);
    for (char& c : entry.Name)
        c = upperAscii(c);
    entries_.push_back(std::move(entry));
    rowItemCount_ = 0;
}

}  // namespace detail

std::string GetCellText(std::string_view item) {
    item = detail::textBetweenTags(item);

    // The UTF-8 forms of Ć Č Š Đ Ž become their single Windows-1250 bytes. No byte written
    // can start or end another of these pairs, so one pass equals replacing them in turn.
    std::string text;
    text.reserve(item.size());
    for (size_t i = 0; i < item.size(); ++i) {
        const unsigned char lead = static_cast<unsigned char>(item[i]);
        if ((lead == 0xC4 || lead == 0xC5) && i + 1 < item.size()) {
            const unsigned char next = static_cast<unsigned char>(item[i + 1]);
            char replacement = 0;
            if (lead == 0xC4 && next == 0x86)
                replacement = '\xC6';  // Ć
            else if (lead == 0xC4 && next == 0x8C)
                replacement = '\xC8';  // Č
            else if (lead == 0xC5 && next == 0xA0)
                replacement = '\x8A';  // Š
            else if (lead == 0xC4 && next == 0x90)
                replacement = '\xD0';  // Đ
            else if (lead == 0xC5 && next == 0xBD)
                replacement = '\x8E';  // Ž
            if (replacement != 0) {
                text.push_back(replacement);
                ++i;
                continue;
            }
        }
        text.push_back(item[i]);
    }
    return std::string(detail::trimmed(text));
}

TMy_FirmaArray ReadFirmaArray(const std::filesystem::path& fileName) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        throw platform::EInOutError(
            platform::fileErrorText("Datoteka se ne mo\x9e"
                                    "e otvoriti",
                                    fileName, errno));
    }
    constexpr size_t kChunkSize = 1 << 20;
    std::vector<char> buffer(kChunkSize);
    detail::RegisterPageScanner scanner;
    std::error_code sizeUnknown;
    const std::uintmax_t size = std::filesystem::file_size(fileName, sizeUnknown);
    if (!sizeUnknown)
        scanner.expectPageSize(size);
    while (true) {
        const size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (got > 0)
            scanner.feed(std::string_view(buffer.data(), got));
        if (got < buffer.size()) {
            if (std::ferror(file.get())) {
                throw platform::EInOutError(
                    platform::fileErrorText("Gre\x9a"
                                            "ka pri \xe8itanju datoteke",
                                            fileName, errno));
            }
            break;
        }
    }
    return scanner.finish();
}

}  // namespace compare
