#pragma once
// Small grids for the export tests: a table view and a banded view over an in-memory
// table, exported into the in-memory document of DocumentProvider.

#include <string>

#include "DocumentProvider.h"
#include "gridexport/cxExportGrid4Link.h"
#include "platform/grid/GridView.h"

namespace gridtest {

using namespace platform::grid;

// Rows "name i" with number i * 10, for i = 1..rows.
inline void fillTable(platform::TdxMemData& table, int rows) {
    table.addField("Name", platform::TFieldType::ftString, "Ime");
    table.addField("Number", platform::TFieldType::ftInteger, "Broj");
    table.addField("Extra", platform::TFieldType::ftInteger, "Dodatak");
    table.Open();
    for (int i = 1; i <= rows; ++i) {
        table.Append();
        table.setString("Name", "name " + std::to_string(i));
        table.setInteger("Number", i * 10);
        table.setInteger("Extra", i);
        table.Post();
    }
}

template <class Column>
Column& numberColumn(Column& column, const char* field, int width) {
    column.DataBinding.FieldName = field;
    column.Width = width;
    column.Properties = std::make_unique<TcxCurrencyEditProperties>();
    column.Properties->Alignment.Horz = TAlignment::taRightJustify;
    return column;
}

template <class Column>
Column& textColumn(Column& column, const char* field, int width) {
    column.DataBinding.FieldName = field;
    column.Width = width;
    return column;
}

struct TableGrid {
    TcxGrid grid;
    TcxGridTableView* view;
    explicit TableGrid(int rows) {
        view = &grid.createView<TcxGridTableView>(grid.addLevel());
        fillTable(*view->DataController.dataSet(), rows);
        textColumn(view->CreateColumn(), "Name", 100);
        numberColumn(view->CreateColumn(), "Number", 50);
    }
};

struct BandedGrid {
    TcxGrid grid;
    TcxGridBandedTableView* view;
    explicit BandedGrid(int rows) {
        view = &grid.createView<TcxGridBandedTableView>(grid.addLevel());
        fillTable(*view->DataController.dataSet(), rows);
        view->addBand("Left");
        view->addBand("Right");
    }
    TcxGridBandedColumn& add(const char* field, int band, int row, int col, int width,
                             int lines = 1) {
        TcxGridBandedColumn& column = textColumn(view->CreateColumn(), field, width);
        column.Position.BandIndex = band;
        column.Position.RowIndex = row;
        column.Position.ColIndex = col;
        column.Position.LineCount = lines;
        return column;
    }
};

// Exports the grid into a DocumentProvider document and returns it.
inline Document& exportDocument(TcxGrid& grid, bool allRows = true) {
    cx::RunGridExport("document", DocumentProvider::kExportType, &grid, true, allRows, true, "", "",
                      "", "");
    return DocumentProvider::last();
}

}  // namespace gridtest
