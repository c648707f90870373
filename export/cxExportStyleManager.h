#pragma once
// The style registry of one output file: the distinct cell styles an export registered,
// by index. Registries are shared by output file name (letter case ignored) and live as
// long as a provider uses them.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "export/cxExport.h"

namespace cx {

class TcxExportStyleManager {
  public:
    // The registry of `fileName`: an existing one (which then also registers
    // DefaultExportStyle) or a new, empty one. Pair with Release.
    static TcxExportStyleManager* Acquire(std::string_view fileName);
    // Drops one use; the last one destroys the registry.
    void Release();
    // Destroys the registry now; EcxExportData when it is still in use.
    void Destroy();

    // Registers `style` (storing its checksum in it) and returns its index; an equal
    // registered style is reused.
    int Intern(TcxExportCellStyle& style);
    // The stored copy; EListError for an index never returned by Intern.
    const TcxExportCellStyle& Entry(int index) const;
    int EntryCount() const { return static_cast<int>(styles_.size()); }
    TcxExportCellStyle CopyEntry(int index) const { return Entry(index); }

    std::int32_t UseCount() const { return useCount_; }
    const std::string& Key() const { return key_; }

    // The registries currently listed (tests).
    static std::size_t RegistryCount();
    // Empties the process-wide list (InitExportSupport); registries still in use live on
    // until their last release.
    static void ResetRegistryList();

  private:
    explicit TcxExportStyleManager(std::string_view key);
    ~TcxExportStyleManager() = default;

    std::int32_t useCount_ = 1;
    std::string key_;
    std::vector<TcxExportCellStyle> styles_;
    // Checksum -> indexes of the styles with that checksum, in list order.
    std::unordered_map<std::uint32_t, std::vector<int>> byChecksum_;
};

}  // namespace cx
