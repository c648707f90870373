#pragma once
// Turning the grid's look into export cell styles: the presets every style starts from,
// alignment, the view parameters, and which editors carry native values.

#include "export/cxExport.h"
#include "platform/grid/EditProperties.h"
#include "platform/grid/GridViewInfo.h"

namespace cx {

enum class TcxStylePreset {
    Plain,
    Face,              // button-face fill
    CentredFace,       // centred, button-face fill
    OpenTopAndBottom,  // no top and bottom edges, button-face fill
    Borderless,        // no edges
    BorderlessFace,    // no edges, button-face fill
    BorderlessGrey,    // no edges, grey fill
    BlueText,          // blue text
};

// A copy of DefaultExportStyle changed as the preset says.
TcxExportCellStyle StyleFromPreset(TcxStylePreset preset);

// left 0, centre 1, right 2
std::uint8_t MapAlignment(platform::grid::TAlignment alignment);

// Colours, font name, style flags, size and character set from what the grid paints.
void FillFromViewParams(const platform::grid::TcxViewParams& params, TcxExportCellStyle& style);

// True for the editors whose cells carry typed values: date, currency, spin, calc, time.
bool HasNativeValues(const platform::grid::TcxCustomEditProperties* properties);

// A stored value as the value a cell receives.
TcxExportValue ExportValueOf(const platform::FieldValue& value);

void SetEdgeWidth(TcxExportCellStyle& style, TcxExportEdgeSide side, std::int32_t width);

}  // namespace cx
