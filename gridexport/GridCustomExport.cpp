#include "gridexport/GridCustomExport.h"

#include "gridexport/cxExportGrid4Link.h"

namespace cx {

TcxGridCustomExport::TcxGridCustomExport(const std::string& fileName, int exportType,
                                         platform::grid::TcxCustomGridView& view,
                                         platform::grid::TcxGrid& grid)
    : view_(view), grid_(grid), exportType_(exportType), fileName_(fileName) {
    try {
        provider_ = TcxExport::CreateProvider(exportType, fileName);
    } catch (const EFCreateError&) {
        throw EcxGridExport(GridExportMessage(TcxGridExportMessage::CantCreateExportOutputFile));
    }
}

void TcxGridCustomExport::Export() {
    throw EcxGridExport(GridExportMessage(TcxGridExportMessage::ViewCannotBeExported));
}

void TcxGridCustomExport::Prepare() {
    // Only a text provider takes separators; the providers of this program have none.
}

void TcxGridCustomExport::RegisterDefaultStyle() {
    throw EcxGridExport(GridExportMessage(TcxGridExportMessage::ViewCannotBeExported));
}

int TcxGridCustomExport::CountRows() {
    throw EcxGridExport(GridExportMessage(TcxGridExportMessage::ViewCannotBeExported));
}

void TcxGridCustomExport::ExportBody() {
    throw EcxGridExport(GridExportMessage(TcxGridExportMessage::ViewCannotBeExported));
}

}  // namespace cx
