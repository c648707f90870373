#pragma once
// A grid control on screen: a QTableView that shows the active view of a TcxGrid through
// a GridTableModel. Widths come from the columns and go back to them when the user
// resizes a column; a column the user drags to another place moves in the view (where
// the view allows it), so the clipboard text and the export follow. Whole-row single
// selection, written to the data controller's selected records. Read-only, no sorting.

#include <QTableView>

#include "platform/grid/GridView.h"

namespace platform::qt {

class BandedHeaderView;
class GridTableModel;

class GridControl : public QTableView {
    Q_OBJECT

  public:
    explicit GridControl(grid::TcxGrid& grid, QWidget* parent = nullptr);
    ~GridControl() override;
    GridControl(const GridControl&) = delete;
    GridControl& operator=(const GridControl&) = delete;

    grid::TcxGrid& grid() const { return grid_; }
    grid::TcxCustomGridTableView& view() const { return view_; }
    GridTableModel& gridModel() const { return *model_; }
    BandedHeaderView& bandedHeader() const { return *header_; }

    // Catches up with changes the model is not told about (the view's own filter, columns
    // moved or hidden in code); true when the grid was reloaded.
    bool syncWithView();

  protected:
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    void applyViewOptions();
    void applyColumnWidths();
    void restoreSelection();
    void columnResized(int logicalIndex, int newSize);
    void columnMoved(int logicalIndex, int oldVisualIndex, int newVisualIndex);
    void writeSelectedRecords();

    grid::TcxGrid& grid_;
    grid::TcxCustomGridTableView& view_;
    GridTableModel* model_ = nullptr;
    BandedHeaderView* header_ = nullptr;
    bool applyingLayout_ = false;
    std::int64_t selectedTableRow_ = -1;
};

}  // namespace platform::qt
