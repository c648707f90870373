#include "platform/qt/GridTableModel.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "platform/qt/QtText.h"

namespace platform::qt {

namespace {

Qt::Alignment toQtAlignment(grid::TAlignment alignment) {
    switch (alignment) {
        case grid::TAlignment::taCenter:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case grid::TAlignment::taRightJustify:
            return Qt::AlignRight | Qt::AlignVCenter;
        case grid::TAlignment::taLeftJustify:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

GridTableModel::GridTableModel(grid::TcxCustomGridTableView& view, QObject* parent)
    : QAbstractTableModel(parent), view_(view) {
    stamp_ = currentStamp();
    rowCount_ = static_cast<int>(view_.DataController.RecordCount());
    listenTo(view_.DataController.dataSet());
}

GridTableModel::~GridTableModel() {
    listenTo(nullptr);
}

void GridTableModel::listenTo(TdxMemData* table) {
    if (table == listenedTable_)
        return;
    if (listenedTable_)
        listenedTable_->removeListener(listenerId_);
    listenedTable_ = table;
    if (listenedTable_)
        listenerId_ = listenedTable_->addListener([this] { refresh(); });
}

GridTableModel::Stamp GridTableModel::currentStamp() const {
    Stamp stamp;
    stamp.table = view_.DataController.dataSet();
    stamp.tableVersion = stamp.table ? stamp.table->version() : 0;
    stamp.filterVersion = view_.DataController.Filter.version();
    stamp.columns = view_.columnsInDisplayOrder();
    return stamp;
}

bool GridTableModel::dataIsStale() const {
    const TdxMemData* table = view_.DataController.dataSet();
    return table != stamp_.table || (table && table->version() != stamp_.tableVersion) ||
           view_.DataController.Filter.version() != stamp_.filterVersion;
}

bool GridTableModel::refresh() {
    refreshQueued_ = false;
    if (currentStamp() == stamp_)
        return false;
    reload();
    return true;
}

void GridTableModel::reload() {
    beginResetModel();
    stamp_ = currentStamp();
    rowCount_ = static_cast<int>(view_.DataController.RecordCount());
    listenTo(view_.DataController.dataSet());
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(stamp_.columns.size());
}

const grid::TcxGridColumn& GridTableModel::column(int section) const {
    return *stamp_.columns.at(static_cast<size_t>(section));
}

const grid::TcxGridBand* GridTableModel::band(int section) const {
    const auto* banded = dynamic_cast<const grid::TcxGridBandedTableView*>(&view_);
    const auto* column = dynamic_cast<const grid::TcxGridBandedColumn*>(&this->column(section));
    if (!banded || !column)
        return nullptr;
    const int index = column->Position.BandIndex;
    return index >= 0 && index < banded->BandCount() ? &banded->Bands(index) : nullptr;
}

std::int64_t GridTableModel::tableRow(int modelRow) const {
    const auto& rows = view_.DataController.viewRows();
    if (modelRow < 0 || static_cast<size_t>(modelRow) >= rows.size())
        return -1;
    return static_cast<std::int64_t>(rows[static_cast<size_t>(modelRow)]);
}

int GridTableModel::modelRow(size_t tableRow) const {
    // The view shows its rows in table order, so the list is sorted.
    const auto& rows = view_.DataController.viewRows();
    const auto found = std::lower_bound(rows.begin(), rows.end(), tableRow);
    if (found == rows.end() || *found != tableRow)
        return -1;
    return static_cast<int>(found - rows.begin());
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;  // read-only
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= columnCount())
        return {};
    if (dataIsStale() && !refreshQueued_) {
        // Someone changed the view's filter without telling us: catch up when the event
        // loop runs again, and meanwhile serve only rows that still exist.
        refreshQueued_ = true;
        auto* self = const_cast<GridTableModel*>(this);
        QMetaObject::invokeMethod(
            self, [self] { self->refresh(); }, Qt::QueuedConnection);
    }
    const std::int64_t row = tableRow(index.row());
    if (row < 0)
        return {};
    const grid::TcxGridColumn& column = this->column(index.column());
    const auto tableRowNumber = static_cast<size_t>(row);
    switch (role) {
        case Qt::DisplayRole:
            return toQString(column.shownText(tableRowNumber));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(toQtAlignment(column.Properties->Alignment.Horz));
        case Qt::ForegroundRole:
            return foreground(column, tableRowNumber, index.row());
        default:
            return {};
    }
}

QVariant GridTableModel::foreground(const grid::TcxGridColumn& column, size_t tableRow,
                                    int modelRow) const {
    const grid::TcxStyle* content = column.Styles.Content;
    const bool styled = content && content->TextColor;
    grid::TColor color =
        styled ? *content->TextColor : fromQColor(QGuiApplication::palette().color(QPalette::Text));
    if (view_.OnCustomDrawCell) {
        grid::TcxCanvas canvas;
        canvas.FontColor = color;
        grid::TcxGridTableDataCellViewInfo cell;
        cell.Column = &column;
        cell.Row = tableRow;
        cell.Selected = selection_ && selection_->isRowSelected(modelRow, {});
        bool done = false;
        view_.OnCustomDrawCell(view_, canvas, cell, done);
        if (canvas.FontColor != color)
            return toQColor(canvas.FontColor);
    }
    if (styled)
        return toQColor(color);
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const grid::TcxGridColumn& column = this->column(section);
    switch (role) {
        case Qt::DisplayRole:
            return toQString(column.caption());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(toQtAlignment(column.HeaderAlignmentHorz));
        case Qt::ForegroundRole:
            if (column.Styles.Header && column.Styles.Header->TextColor)
                return toQColor(*column.Styles.Header->TextColor);
            return {};
        default:
            return {};
    }
}

}  // namespace platform::qt
