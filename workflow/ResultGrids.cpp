#include "workflow/ResultGrids.h"

#include <cmath>

namespace workflow {

using namespace platform::grid;

namespace {

constexpr const char* kNumberFormat = ",0;-,0";

TcxStyle coloredTextStyle(const char* name, TColor color) {
    TcxStyle style;
    style.Name = name;
    style.TextColor = color;
    TFont font;  // Tahoma, 12 pixels, East European character set
    font.Color = color;
    style.Font = font;
    return style;
}

template <class Column>
void setUpColumn(Column& column, const char* fieldName, int width, bool numeric,
                 TAlignment alignment) {
    column.DataBinding.FieldName = fieldName;
    column.Width = width;
    column.HeaderAlignmentHorz = TAlignment::taCenter;
    if (numeric) {
        auto properties = std::make_unique<TcxCurrencyEditProperties>();
        properties->DisplayFormat = kNumberFormat;
        column.Properties = std::move(properties);
    } else {
        column.Properties = std::make_unique<TcxTextEditProperties>();
    }
    column.Properties->Alignment.Horz = alignment;
}

template <class Column>
void setUpHiddenColumn(Column& column, const char* fieldName) {
    column.DataBinding.FieldName = fieldName;
    column.Width = 72;
    column.Visible = false;
}

// Read-only, whole-row single selection, headers and grid lines both ways, no footer;
// the user may change column widths.
void setUpCommonOptions(TcxCustomGridTableView& view) {
    view.OptionsCustomize.ColumnHorzSizing = true;
    view.OptionsView.Header = true;
    view.OptionsView.Footer = false;
    view.OptionsView.GridLines = TcxGridLines::glBoth;
    view.OptionsSelection.CellSelect = false;
    view.OptionsSelection.MultiSelect = false;
}

void setUpPromene(TcxGridDBBandedTableView& view, const TcxStyle& green, const TcxStyle& red) {
    view.Name = "viewPromene";
    setUpCommonOptions(view);
    view.OptionsCustomize.ColumnMoving = false;
    TcxGridBand& buying = view.addBand("Kupovina");
    buying.Styles.Header = &green;
    TcxGridBand& selling = view.addBand("Prodaja");
    selling.Styles.Header = &red;

    struct Layout {
        const char* field;
        int band;
        int position;
        int width;
        bool numeric;
        const TcxStyle* content;
    };
    const Layout layout[] = {
        {"Name1", 0, 0, 208, false, nullptr},    {"Num1old", 0, 1, 58, true, nullptr},
        {"Num1new", 0, 2, 58, true, nullptr},    {"Num1diff", 0, 3, 58, true, &green},
        {"RecNumber", 0, 4, 72, false, nullptr}, {"Name2", 1, 0, 208, false, nullptr},
        {"Num2old", 1, 1, 58, true, nullptr},    {"Num2new", 1, 2, 58, true, nullptr},
        {"Num2diff", 1, 3, 58, true, &red},
    };
    for (const Layout& item : layout) {
        TcxGridBandedColumn& column = view.CreateColumn();
        column.Position.BandIndex = item.band;
        column.Position.ColIndex = item.position;
        if (std::string_view(item.field) == "RecNumber") {
            setUpHiddenColumn(column, item.field);
            continue;
        }
        setUpColumn(column, item.field, item.width, item.numeric,
                    item.numeric ? TAlignment::taCenter : TAlignment::taLeftJustify);
        column.Styles.Content = item.content;
    }
}

void setUpRedosled(TcxGridDBTableView& view) {
    view.Name = "viewRedosled";
    setUpCommonOptions(view);
    view.OptionsCustomize.ColumnMoving = true;
    for (const char* hidden : {"RecNumber", "RecNumDiff", "RecId"}) {
        setUpHiddenColumn(view.CreateColumn(), hidden);
    }
    struct Layout {
        const char* field;
        int width;
        bool numeric;
        TAlignment alignment;
        GetDisplayTextHandler handler;
    };
    const Layout layout[] = {
        {"Num1", 80, false, TAlignment::taCenter, viewRedosled_GetDisplayText_Nula},
        {"Num2", 80, false, TAlignment::taCenter, viewRedosled_GetDisplayText_Nula},
        {"Name", 360, false, TAlignment::taLeftJustify, nullptr},
        {"Shares1", 80, true, TAlignment::taCenter, viewRedosled_GetDisplayText_Nula},
        {"Shares2", 80, true, TAlignment::taCenter, viewRedosled_GetDisplayText_Nula},
        {"SharesDiff", 80, true, TAlignment::taCenter, viewRedosled_SharesDiffGetDisplayText},
    };
    for (const Layout& item : layout) {
        TcxGridColumn& column = view.CreateColumn();
        setUpColumn(column, item.field, item.width, item.numeric, item.alignment);
        column.OnGetDisplayText = item.handler;
    }
    view.OnCustomDrawCell = viewRedosledCustomDrawCell;
}

double sharesDiffOf(const platform::TdxMemData& table, size_t row) {
    const int field = table.fieldIndex("SharesDiff");
    const platform::FieldValue value = table.value(row, field);
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    return 0;
}

}  // namespace

ResultGrids::ResultGrids(platform::TdxMemData& dbPromene, platform::TdxMemData& dbRedosled)
    : textGreen(coloredTextStyle("textGreen", kTextGreenColor)),
      textRed(coloredTextStyle("textRed", kTextRedColor)),
      srcPromene{&dbPromene},
      srcRedosled{&dbRedosled} {
    gridPromene.Name = "gridPromene";
    viewPromene = &gridPromene.createView<TcxGridDBBandedTableView>(gridPromene.addLevel());
    viewPromene->DataController.setDataSource(&srcPromene);
    setUpPromene(*viewPromene, textGreen, textRed);

    gridRedosled.Name = "gridRedosled";
    viewRedosled = &gridRedosled.createView<TcxGridDBTableView>(gridRedosled.addLevel());
    viewRedosled->DataController.setDataSource(&srcRedosled);
    setUpRedosled(*viewRedosled);

    dbRedosled.setOnFilterRecord(dbRedosledFilterRecord);
}

void viewRedosledCustomDrawCell(TcxCustomGridTableView& view, TcxCanvas& canvas,
                                const TcxGridTableDataCellViewInfo& cell, bool& /*done*/) {
    if (cell.Selected)
        return;
    const platform::TdxMemData* table = view.DataController.dataSet();
    if (!table)
        return;
    const double difference = sharesDiffOf(*table, cell.Row);
    if (difference > 0) {
        canvas.FontColor = kTextGreenColor;
    } else if (difference < 0) {
        canvas.FontColor = kTextRedColor;
    }
}

void viewRedosled_GetDisplayText_Nula(const TcxGridColumn&, size_t, std::string& text) {
    if (text == "0")
        text = "-";
}

void viewRedosled_SharesDiffGetDisplayText(const TcxGridColumn&, size_t, std::string& text) {
    if (text == "0")
        text.clear();
}

bool dbRedosledFilterRecord(const platform::TdxMemData& table, size_t row) {
    // The difference read as an integer (rounded, as a currency value is).
    return std::llround(sharesDiffOf(table, row)) != 0;
}

}  // namespace workflow
