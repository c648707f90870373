#pragma once
// A grid table view of the grid view model as a Qt table model. Rows are served on
// demand from the view's data controller (no copy of the table), in the view's column
// display order; hidden columns are not part of the model. The model follows the bound
// table's notifications, and resets itself when the view's filter or its columns changed.

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "platform/grid/GridView.h"

namespace platform::qt {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit GridTableModel(grid::TcxCustomGridTableView& view, QObject* parent = nullptr);
    ~GridTableModel() override;
    GridTableModel(const GridTableModel&) = delete;
    GridTableModel& operator=(const GridTableModel&) = delete;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    grid::TcxCustomGridTableView& view() const { return view_; }
    // The grid column shown in a model column.
    const grid::TcxGridColumn& column(int section) const;
    // The band a model column lies in (banded views only), else nullptr.
    const grid::TcxGridBand* band(int section) const;
    // The table row shown in a model row; -1 when out of range.
    std::int64_t tableRow(int modelRow) const;
    // The model row that shows a table row; -1 when the view does not show it.
    int modelRow(size_t tableRow) const;

    // The cell-drawing handler learns whether a cell is selected from here.
    void setSelectionModel(QItemSelectionModel* selection) { selection_ = selection; }

    // Resets the model when the table, the view's filter or the visible columns changed
    // since the last reset; true when it did.
    bool refresh();
    // Resets the model unconditionally.
    void reload();

  private:
    struct Stamp {
        const TdxMemData* table = nullptr;
        std::uint64_t tableVersion = 0;
        std::uint64_t filterVersion = 0;
        std::vector<const grid::TcxGridColumn*> columns;
        bool operator==(const Stamp&) const = default;
    };
    Stamp currentStamp() const;
    bool dataIsStale() const;
    void listenTo(TdxMemData* table);
    QVariant foreground(const grid::TcxGridColumn& column, size_t tableRow, int modelRow) const;

    grid::TcxCustomGridTableView& view_;
    Stamp stamp_;
    int rowCount_ = 0;
    TdxMemData* listenedTable_ = nullptr;
    int listenerId_ = 0;
    QPointer<QItemSelectionModel> selection_;
    mutable bool refreshQueued_ = false;
};

}  // namespace platform::qt
