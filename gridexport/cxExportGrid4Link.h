#pragma once
// Saving a grid's view as a document: the entry the program calls, the driver, and the
// choice of the export class by the kind of view.

#include <stdexcept>
#include <string>

#include "platform/grid/GridView.h"

namespace cx {

// A failure of the grid export itself; the provider's own failures pass through as they are.
class EcxGridExport : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class TcxGridExportMessage {
    ActiveGridLevelNotExist,
    GridViewNotExist,
    CantCreateExportOutputFile,
    ViewCannotBeExported,
};

// The text of a grid export message (English, the grid's own resource strings).
std::string GridExportMessage(TcxGridExportMessage id);

// Runs once at start-up, after the workbook writer has registered itself: builds the
// default export style from the system colours.
void InitGridExportModule();

// The name with its extension replaced by "." + extension (appended when it has none);
// an empty extension leaves the name as it is. Separators "\" and "/" both end a folder.
std::string ChangeFileExtension(const std::string& fileName, const std::string& extension);

// Saves the active view of `grid` as an Excel workbook under `fileName` (Windows-1250)
// with its extension replaced by `fileExtension`.
void ExportGridToXls(const std::string& fileName, platform::grid::TcxGrid* grid, bool expandRows,
                     bool exportAllRows, bool useTypedValues,
                     const std::string& fileExtension = "xls");

// The driver: any export type registered with the provider registry.
void RunGridExport(const std::string& fileName, int exportType, platform::grid::TcxGrid* grid,
                   bool expandRows, bool exportAllRows, bool useTypedValues,
                   const std::string& separator1, const std::string& separator2,
                   const std::string& separator3, const std::string& fileExtension);

class TcxGridCustomExport;

// An export class: its name and how to construct it.
struct TcxGridExportClass {
    const char* ClassName;
    TcxGridCustomExport* (*Create)(const std::string& fileName, int exportType,
                                   platform::grid::TcxCustomGridView& view,
                                   platform::grid::TcxGrid& grid);
};

// The export class for a kind of view: banded table views first (they are table views
// too), then table views; any other view gets the base class, which cannot export.
// Raises EcxGridExport "Grid view does not exist" for no view.
const TcxGridExportClass& ExportClassForView(const platform::grid::TcxCustomGridView* view);

}  // namespace cx
