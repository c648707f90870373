// The view parameters the grid paints its elements with, and the records a view shows.

#include <algorithm>
#include <functional>

#include "platform/SystemColors.h"
#include "platform/grid/GridView.h"

namespace platform::grid {
namespace {

const TColor kButtonFace = platform::systemColor(platform::kColorBtnFace);
const TColor kButtonText = platform::systemColor(platform::kColorBtnText);
const TColor kWindow = platform::systemColor(platform::kColorWindow);
const TColor kWindowText = platform::systemColor(platform::kColorWindowText);
constexpr TColor kPreviewText = rgb(0, 0, 255);

// The element's own colours and the window's font, then what the first style that sets
// them says, looked at in order.
TcxViewParams paramsOf(TColor background, TColor text,
                       std::initializer_list<const TcxStyle*> styles) {
    TcxViewParams params{background, text, TFont{}};
    bool background_set = false, text_set = false, font_set = false;
    for (const TcxStyle* style : styles) {
        if (!style)
            continue;
        if (!background_set && style->Color) {
            params.Color = *style->Color;
            background_set = true;
        }
        if (!text_set && style->TextColor) {
            params.TextColor = *style->TextColor;
            text_set = true;
        }
        if (!font_set && style->Font) {
            params.Font = *style->Font;
            font_set = true;
        }
    }
    return params;
}

}  // namespace

std::vector<TcxGridViewRecord> TcxCustomGridTableView::records() const {
    if (customRecords)
        return *customRecords;
    std::vector<TcxGridViewRecord> result;
    const auto& rows = DataController.viewRows();
    result.reserve(rows.size());
    const auto& selected = DataController.SelectedRecords;
    for (size_t row : rows) {
        TcxGridViewRecord record;
        record.Row = row;
        record.Selected = std::find(selected.begin(), selected.end(), row) != selected.end();
        result.push_back(record);
    }
    return result;
}

void TcxCustomGridTableView::expandAll() {
    if (!customRecords)
        return;
    for (auto& record : *customRecords) {
        if (record.Kind != TcxGridRecordKind::Data)
            record.Expanded = true;
    }
}

std::string TcxCustomGridTableView::groupRowText(const TcxGridViewRecord& record) const {
    std::string text = record.GroupColumn ? record.GroupColumn->caption() : std::string();
    text += " : " + record.GroupValueText;
    if (!record.GroupSummaryText.empty())
        text += " " + record.GroupSummaryText;
    return text;
}

TcxViewParams TcxCustomGridTableView::headerParams(const TcxGridColumn& column) const {
    return paramsOf(kButtonFace, kButtonText, {column.Styles.Header, Styles.Header});
}

TcxViewParams TcxCustomGridTableView::contentParams(const TcxGridViewRecord*,
                                                    const TcxGridColumn* column) const {
    return paramsOf(kWindow, kWindowText,
                    {column ? column->Styles.Content : nullptr, Styles.Content});
}

TcxViewParams TcxCustomGridTableView::footerParams(const TcxGridViewRecord*, int,
                                                   const TcxGridColumn* column) const {
    return paramsOf(kButtonFace, kButtonText,
                    {column ? column->Styles.Footer : nullptr, Styles.Footer});
}

TcxViewParams TcxCustomGridTableView::groupParams(const TcxGridViewRecord*, int) const {
    return paramsOf(kButtonFace, kButtonText, {Styles.Group});
}

TcxViewParams TcxCustomGridTableView::previewParams(const TcxGridViewRecord*) const {
    return paramsOf(kWindow, kPreviewText, {Styles.Preview});
}

// ---- bands ----

std::vector<const TcxGridBandedColumn*> TcxGridBandedTableView::bandColumns(int bandIndex) const {
    std::vector<const TcxGridBandedColumn*> inBand;
    for (int i = 0; i < ColumnCount(); ++i) {
        const auto& column = static_cast<const TcxGridBandedColumn&>(Columns(i));
        if (column.Visible && column.Position.BandIndex == bandIndex)
            inBand.push_back(&column);
    }
    std::stable_sort(inBand.begin(), inBand.end(), [](const auto* a, const auto* b) {
        if (a->Position.RowIndex != b->Position.RowIndex) {
            return a->Position.RowIndex < b->Position.RowIndex;
        }
        return a->Position.ColIndex < b->Position.ColIndex;
    });
    return inBand;
}

std::vector<const TcxGridBand*> TcxGridBandedTableView::visibleChildBands(int bandIndex) const {
    std::vector<const TcxGridBand*> children;
    for (int i = 0; i < BandCount(); ++i) {
        const TcxGridBand& band = Bands(i);
        if (band.Visible && band.Position.BandIndex == bandIndex)
            children.push_back(&band);
    }
    return children;
}

int TcxGridBandedTableView::bandHeaderRowCount() const {
    std::function<int(int)> depth = [&](int parent) {
        int deepest = 0;
        for (const TcxGridBand* child : visibleChildBands(parent)) {
            deepest = std::max(deepest, 1 + depth(child->Index));
        }
        return deepest;
    };
    return depth(-1);
}

int TcxGridBandedTableView::bandCaptionRowSpan(const TcxGridBand& band) const {
    int depthOfBand = 0;
    for (int parent = band.Position.BandIndex; parent >= 0;
         parent = Bands(parent).Position.BandIndex) {
        ++depthOfBand;
    }
    return std::max(1, bandHeaderRowCount() - depthOfBand);
}

int TcxGridBandedTableView::columnRowCount() const {
    int rows = 1;
    for (const TcxGridColumn* shown : columnsInDisplayOrder()) {
        const auto& column = static_cast<const TcxGridBandedColumn&>(*shown);
        rows = std::max(
            rows, std::max(0, column.Position.RowIndex) + std::max(1, column.Position.LineCount));
    }
    return rows;
}

TcxViewParams TcxGridBandedTableView::bandHeaderParams(const TcxGridBand& band) const {
    return paramsOf(kButtonFace, kButtonText, {band.Styles.Header, Styles.Header});
}

TcxViewParams TcxGridBandedTableView::bandBackgroundParams(const TcxGridBand& band) const {
    return paramsOf(kButtonFace, kButtonText, {band.Styles.Background});
}

TcxViewParams TcxGridBandedTableView::bandContentParams(const TcxGridViewRecord*,
                                                        const TcxGridBand& band) const {
    return paramsOf(kWindow, kWindowText, {band.Styles.Content, Styles.Content});
}

}  // namespace platform::grid
