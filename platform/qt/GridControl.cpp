#include "platform/qt/GridControl.h"

#include <QStyledItemDelegate>
#include <stdexcept>

#include "platform/qt/BandedHeaderView.h"
#include "platform/qt/GridTableModel.h"

namespace platform::qt {

namespace {

grid::TcxCustomGridTableView& activeTableView(grid::TcxGrid& grid) {
    auto* view = dynamic_cast<grid::TcxCustomGridTableView*>(grid.activeView());
    if (!view)
        throw std::logic_error("grid " + grid.Name + " shows no table view");
    return *view;
}

// Draws cells without the focus frame of the current cell: the whole row is selected.
class RowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

}  // namespace

GridControl::GridControl(grid::TcxGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), view_(activeTableView(grid)) {
    setObjectName(QString::fromStdString(grid.Name));
    model_ = new GridTableModel(view_, this);
    header_ = new BandedHeaderView(this);
    setHorizontalHeader(header_);
    setModel(model_);
    model_->setSelectionModel(selectionModel());
    setItemDelegate(new RowDelegate(this));

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 5);
    header_->setStretchLastSection(false);
    header_->setMinimumSectionSize(8);

    // The selection keeps its colours when the grid loses the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    }
    setPalette(colours);

    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        applyColumnWidths();
        restoreSelection();
    });
    connect(header_, &QHeaderView::sectionResized, this,
            [this](int logical, int, int newSize) { columnResized(logical, newSize); });
    connect(header_, &QHeaderView::sectionMoved, this, &GridControl::columnMoved);

    applyViewOptions();
    applyColumnWidths();
    restoreSelection();
}

GridControl::~GridControl() = default;

void GridControl::applyViewOptions() {
    const auto* banded = dynamic_cast<const grid::TcxGridBandedTableView*>(&view_);
    header_->setBandsVisible(banded && banded->BandCount() > 0 && banded->OptionsView.BandHeaders);
    header_->setVisible(view_.OptionsView.Header);
    setShowGrid(view_.OptionsView.GridLines != grid::TcxGridLines::glNone);
    setSelectionBehavior(view_.OptionsSelection.CellSelect ? QAbstractItemView::SelectItems
                                                           : QAbstractItemView::SelectRows);
    setSelectionMode(view_.OptionsSelection.MultiSelect ? QAbstractItemView::ExtendedSelection
                                                        : QAbstractItemView::SingleSelection);
    header_->setSectionResizeMode(view_.OptionsCustomize.ColumnHorzSizing ? QHeaderView::Interactive
                                                                          : QHeaderView::Fixed);
    // A banded view's columns belong to their bands; only plain views let columns move.
    header_->setSectionsMovable(banded == nullptr && view_.OptionsCustomize.ColumnMoving);
    header_->setFirstSectionMovable(true);
}

void GridControl::applyColumnWidths() {
    applyingLayout_ = true;
    for (int section = 0; section < model_->columnCount(); ++section)
        header_->resizeSection(section, model_->column(section).Width);
    applyingLayout_ = false;
    header_->viewport()->update();
}

void GridControl::columnResized(int logicalIndex, int newSize) {
    if (applyingLayout_ || logicalIndex < 0 || logicalIndex >= model_->columnCount())
        return;
    const_cast<grid::TcxGridColumn&>(model_->column(logicalIndex)).Width = newSize;
}

void GridControl::columnMoved(int logicalIndex, int oldVisualIndex, int newVisualIndex) {
    if (applyingLayout_)
        return;
    // The header's visual order equals the model's column order between moves, so the
    // column at the new place is the model's column of that number.
    const grid::TcxGridColumn& moved = model_->column(logicalIndex);
    const grid::TcxGridColumn& target = model_->column(newVisualIndex);
    view_.moveColumn(moved.Index(), target.Index());
    // Put the header back in model order and reload the columns once the header has
    // finished its own handling of the drag.
    QMetaObject::invokeMethod(
        this,
        [this, oldVisualIndex, newVisualIndex] {
            applyingLayout_ = true;
            header_->moveSection(newVisualIndex, oldVisualIndex);
            applyingLayout_ = false;
            model_->reload();
        },
        Qt::QueuedConnection);
}

bool GridControl::syncWithView() {
    return model_->refresh();
}

void GridControl::restoreSelection() {
    if (model_->rowCount() == 0 || model_->columnCount() == 0) {
        // An emptied table starts again at its first record when it is filled.
        selectedTableRow_ = -1;
        writeSelectedRecords();
        return;
    }
    int row =
        selectedTableRow_ >= 0 ? model_->modelRow(static_cast<size_t>(selectedTableRow_)) : -1;
    if (row < 0)
        row = 0;  // the focused record is the first one, as after opening the table
    selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GridControl::selectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    QTableView::selectionChanged(selected, deselected);
    writeSelectedRecords();
}

void GridControl::writeSelectedRecords() {
    auto& records = view_.DataController.SelectedRecords;
    records.clear();
    if (!selectionModel())
        return;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        const std::int64_t row = model_->tableRow(index.row());
        if (row >= 0)
            records.push_back(static_cast<size_t>(row));
    }
    // The selected record, to select again when the grid reloads (a reset clears the
    // selection without a signal).
    if (!records.empty())
        selectedTableRow_ = static_cast<std::int64_t>(records.front());
}

}  // namespace platform::qt
