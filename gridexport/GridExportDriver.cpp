// The entry and driver of the grid export.

#include <memory>

#include "gridexport/BandedTableViewExport.h"
#include "gridexport/GridCustomExport.h"
#include "gridexport/TableViewExport.h"
#include "gridexport/cxExportGrid4Link.h"

namespace cx {

using platform::grid::TcxCustomGridTableView;
using platform::grid::TcxCustomGridView;
using platform::grid::TcxGrid;
using platform::grid::TcxGridBandedTableView;
using platform::grid::TcxGridTableView;

std::string GridExportMessage(TcxGridExportMessage id) {
    switch (id) {
        case TcxGridExportMessage::ActiveGridLevelNotExist:
            return "Active grid level does not exist";
        case TcxGridExportMessage::GridViewNotExist:
            return "Grid view does not exist";
        case TcxGridExportMessage::CantCreateExportOutputFile:
            return "Can't create the export output file";
        case TcxGridExportMessage::ViewCannotBeExported:
            return "This kind of grid view cannot be exported";
    }
    return {};
}

void InitGridExportModule() {
    InitExportSupport({}, {}, true);
}

std::string ChangeFileExtension(const std::string& fileName, const std::string& extension) {
    if (extension.empty())
        return fileName;
    const size_t folderEnd = fileName.find_last_of("\\/");
    const size_t dot = fileName.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (folderEnd == std::string::npos || dot > folderEnd);
    return (hasExtension ? fileName.substr(0, dot) : fileName) + "." + extension;
}

namespace {

template <class Export>
TcxGridCustomExport* construct(const std::string& fileName, int exportType, TcxCustomGridView& view,
                               TcxGrid& grid) {
    return new Export(fileName, exportType, view, grid);
}

const TcxGridExportClass kBandedTableViewExport{"TcxGridBandedTableViewExport",
                                                &construct<TcxGridBandedTableViewExport>};
const TcxGridExportClass kTableViewExport{"TcxGridTableViewExport",
                                          &construct<TcxGridTableViewExport>};
const TcxGridExportClass kCustomExport{"TcxGridCustomExport", &construct<TcxGridCustomExport>};

}  // namespace

const TcxGridExportClass& ExportClassForView(const TcxCustomGridView* view) {
    if (!view)
        throw EcxGridExport(GridExportMessage(TcxGridExportMessage::GridViewNotExist));
    if (dynamic_cast<const TcxGridBandedTableView*>(view))
        return kBandedTableViewExport;
    if (dynamic_cast<const TcxGridTableView*>(view))
        return kTableViewExport;
    // Card and chart views are not exported by this program.
    return kCustomExport;
}

void RunGridExport(const std::string& fileName, int exportType, TcxGrid* grid, bool expandRows,
                   bool exportAllRows, bool useTypedValues, const std::string& separator1,
                   const std::string& separator2, const std::string& separator3,
                   const std::string& fileExtension) {
    if (!grid)
        return;
    const std::string outputName = ChangeFileExtension(fileName, fileExtension);
    if (!grid->ActiveLevel) {
        throw EcxGridExport(GridExportMessage(TcxGridExportMessage::ActiveGridLevelNotExist));
    }
    TcxCustomGridView* view = grid->ActiveLevel->GridView;
    const TcxGridExportClass& exportClass = ExportClassForView(view);

    std::unique_ptr<TcxGridCustomExport> exporter(
        exportClass.Create(outputName, exportType, *view, *grid));
    exporter->ExpandRows = expandRows;
    exporter->ExportAllRows = exportAllRows;
    exporter->UseTypedValues = useTypedValues;
    exporter->Separators = {separator1, separator2, separator3};

    auto* tableView = dynamic_cast<TcxCustomGridTableView*>(view);
    if (tableView && tableView->DataController.isDataSetBound()) {
        // All records must be loaded: grid mode is off during the export, then restored.
        auto& dataMode = tableView->DataController.DataModeController;
        const bool gridMode = dataMode.GridMode;
        if (!gridMode || exportAllRows)
            dataMode.GridMode = false;
        struct Restore {
            bool& mode;
            bool saved;
            ~Restore() { mode = saved; }
        } restore{dataMode.GridMode, gridMode};
        exporter->Export();
    } else {
        exporter->Export();
    }
}

void ExportGridToXls(const std::string& fileName, TcxGrid* grid, bool expandRows,
                     bool exportAllRows, bool useTypedValues, const std::string& fileExtension) {
    RunGridExport(fileName, kExportTypeXLS, grid, expandRows, exportAllRows, useTypedValues, "", "",
                  "", fileExtension);
}

}  // namespace cx
