#include "gridexport/ExportStyles.h"

#include "platform/SystemColors.h"

namespace cx {

using platform::grid::TAlignment;

namespace {

constexpr std::int32_t kGrey = 0x808080;  // RGB 128, 128, 128
constexpr std::int32_t kBlue = 0xFF0000;  // RGB 0, 0, 255 (red in the lowest byte)

void removeAllEdges(TcxExportCellStyle& style) {
    for (TcxExportEdge& edge : style.Edges)
        edge.LineWidth = 0;
}

std::int32_t buttonFace() {
    return ExportColor(platform::systemColor(platform::kColorBtnFace));
}

}  // namespace

TcxExportCellStyle StyleFromPreset(TcxStylePreset preset) {
    TcxExportCellStyle style = DefaultExportStyle();
    switch (preset) {
        case TcxStylePreset::Plain:
            break;
        case TcxStylePreset::Face:
            style.FillColor = buttonFace();
            break;
        case TcxStylePreset::CentredFace:
            style.Alignment = 1;
            style.FillColor = buttonFace();
            break;
        case TcxStylePreset::OpenTopAndBottom:
            style.Edges[kEdgeTop].LineWidth = 0;
            style.Edges[kEdgeBottom].LineWidth = 0;
            style.FillColor = buttonFace();
            break;
        case TcxStylePreset::Borderless:
            removeAllEdges(style);
            break;
        case TcxStylePreset::BorderlessFace:
            removeAllEdges(style);
            style.FillColor = buttonFace();
            break;
        case TcxStylePreset::BorderlessGrey:
            removeAllEdges(style);
            style.FillColor = ExportColor(kGrey);
            break;
        case TcxStylePreset::BlueText:
            style.TextColor = ExportColor(kBlue);
            break;
    }
    return style;
}

std::uint8_t MapAlignment(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taLeftJustify:
            return 0;
        case TAlignment::taCenter:
            return 1;
        case TAlignment::taRightJustify:
            return 2;
    }
    return 0;
}

void FillFromViewParams(const platform::grid::TcxViewParams& params, TcxExportCellStyle& style) {
    style.FillColor = ExportColor(params.Color);
    style.TextColor = ExportColor(params.TextColor);
    SetFontFace(style, params.Font.Name);
    style.FontFlags = params.Font.Style;
    style.PointSize = params.Font.sizeInPoints();
    style.CharacterSet = params.Font.Charset;
}

bool HasNativeValues(const platform::grid::TcxCustomEditProperties* properties) {
    using namespace platform::grid;
    return dynamic_cast<const TcxDateEditProperties*>(properties) ||
           dynamic_cast<const TcxCurrencyEditProperties*>(properties) ||
           dynamic_cast<const TcxSpinEditProperties*>(properties) ||
           dynamic_cast<const TcxCalcEditProperties*>(properties) ||
           dynamic_cast<const TcxTimeEditProperties*>(properties);
}

TcxExportValue ExportValueOf(const platform::FieldValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        if (*i >= INT32_MIN && *i <= INT32_MAX)
            return TcxExportValue::Integer(static_cast<std::int32_t>(*i));
        return TcxExportValue::Int64(*i);
    }
    if (const auto* d = std::get_if<double>(&value))
        return TcxExportValue::Double(*d);
    if (const auto* s = std::get_if<std::string>(&value))
        return TcxExportValue::String(*s);
    return TcxExportValue::Null();
}

void SetEdgeWidth(TcxExportCellStyle& style, TcxExportEdgeSide side, std::int32_t width) {
    style.Edges[side].LineWidth = width;
}

}  // namespace cx
