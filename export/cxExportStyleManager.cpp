#include "export/cxExportStyleManager.h"

#include <cstring>

namespace cx {
namespace {

// Windows-1250 lower case, so that two spellings of one file name share a registry.
char foldCase1250(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 32);
    switch (b) {
        case 0x8A:  // S caron
        case 0x8C:  // S acute
        case 0x8D:  // T caron
        case 0x8E:  // Z caron
        case 0x8F:  // Z acute
            return static_cast<char>(b + 0x10);
        case 0xA3:
            return static_cast<char>(0xB3);  // L stroke
        case 0xA5:
            return static_cast<char>(0xB9);  // A ogonek
        case 0xAA:
            return static_cast<char>(0xBA);  // S cedilla
        case 0xAF:
            return static_cast<char>(0xBF);  // Z dot
        case 0xBC:
            return static_cast<char>(0xBE);  // L caron
        default:
            break;
    }
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 0x20);
    return c;
}

std::string foldKey(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        c = foldCase1250(c);
    return key;
}

using RegistryList = std::unordered_map<std::string, TcxExportStyleManager*>;

RegistryList& registries() {
    static RegistryList list;
    return list;
}

}  // namespace

TcxExportStyleManager::TcxExportStyleManager(std::string_view key) : key_(key) {}

TcxExportStyleManager* TcxExportStyleManager::Acquire(std::string_view fileName) {
    TcxExportCellStyle& defaultStyle = DefaultExportStyle();  // may set up export support
    RegistryList& list = registries();
    const std::string folded = foldKey(fileName);
    auto found = list.find(folded);
    if (found != list.end()) {
        TcxExportStyleManager* registry = found->second;
        registry->Intern(defaultStyle);
        ++registry->useCount_;
        return registry;
    }
    auto* registry = new TcxExportStyleManager(fileName);
    list.emplace(folded, registry);
    return registry;
}

void TcxExportStyleManager::Release() {
    if (--useCount_ > 0)
        return;
    RegistryList& list = registries();
    auto found = list.find(foldKey(key_));
    if (found != list.end() && found->second == this)
        list.erase(found);
    delete this;
}

void TcxExportStyleManager::Destroy() {
    if (useCount_ != 0) {
        throw EcxExportData(MessageLookup(TcxExportMessage::StyleManagerInUse));
    }
    delete this;
}

int TcxExportStyleManager::Intern(TcxExportCellStyle& style) {
    const std::uint32_t checksum = ExportHash(&style, kStyleIdentityBytes);
    style.Checksum = static_cast<std::int32_t>(checksum);
    std::vector<int>& candidates = byChecksum_[checksum];
    for (int index : candidates) {
        if (SameStyle(styles_[static_cast<std::size_t>(index)], style))
            return index;
    }
    const int index = static_cast<int>(styles_.size());
    styles_.push_back(style);
    candidates.push_back(index);
    return index;
}

const TcxExportCellStyle& TcxExportStyleManager::Entry(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= styles_.size()) {
        throw EListError(
            FormatExportMessage(TcxExportMessage::ListIndexOutOfBounds, std::to_string(index)));
    }
    return styles_[static_cast<std::size_t>(index)];
}

std::size_t TcxExportStyleManager::RegistryCount() {
    return registries().size();
}

void TcxExportStyleManager::ResetRegistryList() {
    registries().clear();
}

}  // namespace cx
