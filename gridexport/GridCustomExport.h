#pragma once
// The base of all view exports: the view and grid being exported, the provider that
// receives the document, the options, and the operations the view exports override.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "export/cxExport.h"
#include "platform/grid/GridView.h"

namespace cx {

class TcxGridCustomExport {
  public:
    // Creates the provider (and with it the output file). A file that cannot be created
    // raises EcxGridExport "Can't create the export output file"; other failures pass.
    TcxGridCustomExport(const std::string& fileName, int exportType,
                        platform::grid::TcxCustomGridView& view, platform::grid::TcxGrid& grid);
    virtual ~TcxGridCustomExport() = default;
    TcxGridCustomExport(const TcxGridCustomExport&) = delete;
    TcxGridCustomExport& operator=(const TcxGridCustomExport&) = delete;

    // The whole export; the base class cannot export a view.
    virtual void Export();
    // Hands the separators to providers that take them (none of this program's do).
    virtual void Prepare();

    bool ExpandRows = true;
    bool ExportAllRows = true;
    bool UseTypedValues = false;
    std::vector<std::string> Separators;

    const std::string& FileName() const { return fileName_; }
    int ExportType() const { return exportType_; }

  protected:
    virtual void RegisterDefaultStyle();
    virtual int CountRows();
    virtual void ExportBody();

    IcxExportProvider& Provider() { return *provider_; }
    platform::grid::TcxCustomGridView& View() { return view_; }
    platform::grid::TcxGrid& Grid() { return grid_; }

    // Records to export when not all rows are: (record index, include flag).
    std::vector<std::pair<size_t, std::uint8_t>> RecordsList;

  private:
    platform::grid::TcxCustomGridView& view_;
    platform::grid::TcxGrid& grid_;
    TcxExportProviderRef provider_;
    int exportType_;
    std::string fileName_;
};

}  // namespace cx
