#pragma once
// The two result grids of the main window, as model objects: gridPromene shows dbPromene
// under the bands "Kupovina" and "Prodaja"; gridRedosled shows dbRedosled with its zero
// display and the green and red rows of holders whose holding changed.

#include "platform/MemData.h"
#include "platform/grid/GridView.h"

namespace workflow {

using platform::grid::TColor;

constexpr TColor kTextGreenColor = platform::grid::rgb(0, 160, 0);  // 40960
constexpr TColor kTextRedColor = platform::grid::rgb(160, 0, 0);    // 160

struct ResultGrids {
    ResultGrids(platform::TdxMemData& dbPromene, platform::TdxMemData& dbRedosled);
    ResultGrids(const ResultGrids&) = delete;
    ResultGrids& operator=(const ResultGrids&) = delete;

    // The style repository.
    platform::grid::TcxStyle textGreen;
    platform::grid::TcxStyle textRed;

    platform::grid::TDataSource srcPromene;
    platform::grid::TDataSource srcRedosled;

    platform::grid::TcxGrid gridPromene;
    platform::grid::TcxGrid gridRedosled;
    platform::grid::TcxGridDBBandedTableView* viewPromene = nullptr;
    platform::grid::TcxGridDBTableView* viewRedosled = nullptr;
};

// The text colour a cell of viewRedosled is drawn in: green for a rise, red for a fall,
// unchanged for no change and for the selected row.
void viewRedosledCustomDrawCell(platform::grid::TcxCustomGridTableView& view,
                                platform::grid::TcxCanvas& canvas,
                                const platform::grid::TcxGridTableDataCellViewInfo& cell,
                                bool& done);

// "0" is shown as "-" under positions and holdings, and as nothing under the difference.
void viewRedosled_GetDisplayText_Nula(const platform::grid::TcxGridColumn& column, size_t row,
                                      std::string& text);
void viewRedosled_SharesDiffGetDisplayText(const platform::grid::TcxGridColumn& column, size_t row,
                                           std::string& text);

// The record filter of "Samo sa promenama": rows whose SharesDiff is not 0.
bool dbRedosledFilterRecord(const platform::TdxMemData& table, size_t row);

}  // namespace workflow
