#pragma once
// Grid views: a table view shows the rows of an in-memory table in columns; a banded
// table view groups its columns under bands. The data controller holds the view's own
// filter and the rows the view shows (after the table's filter and the view's filter,
// in table order). The window, the clipboard text and the export all read this model.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/MemData.h"
#include "platform/grid/GridColumn.h"
#include "platform/grid/GridFilter.h"
#include "platform/grid/GridTypes.h"
#include "platform/grid/GridViewInfo.h"

namespace platform::grid {

class TcxGridLevel;

class TcxCustomGridView {
  public:
    virtual ~TcxCustomGridView() = default;
    std::string Name;
    TcxGridLevel* Level = nullptr;
};

enum class TcxGridLines { glBoth, glNone, glVertical, glHorizontal };

struct TDataSource {
    TdxMemData* DataSet = nullptr;
};

class TcxGridDataController {
  public:
    explicit TcxGridDataController(bool dataSetBound);
    TcxGridDataController(const TcxGridDataController&) = delete;
    TcxGridDataController& operator=(const TcxGridDataController&) = delete;

    // The table the view reads; views that are not bound to a data set own one.
    TdxMemData* dataSet() const;
    void setDataSource(TDataSource* source) { DataSource = source; }
    TDataSource* DataSource = nullptr;
    bool isDataSetBound() const { return dataSetBound_; }

    TcxDataFilterCriteria Filter;

    // The rows the view shows, as row numbers of the table, in table order.
    const std::vector<size_t>& viewRows() const;
    size_t RecordCount() const { return viewRows().size(); }
    size_t rowRecord(size_t viewRow) const { return viewRows().at(viewRow); }

    // Rows the user selected (table row numbers); whole-row single selection in the program.
    std::vector<size_t> SelectedRecords;

    struct {
        bool GridMode = false;
    } DataModeController;

    // Grouping and details, as far as the grid is set up for them.
    int GroupedColumnCount = 0;
    bool GroupsAlwaysExpanded = false;  // dcoGroupsAlwaysExpanded
    bool HasDetailRelations = false;

    struct {
        std::vector<TcxGridSummaryItem> FooterSummaryItems;
        GroupSummaryProvider GroupSummary;
    } Summary;

  private:
    bool dataSetBound_;
    std::unique_ptr<TdxMemData> ownTable_;
    mutable std::vector<size_t> rows_;
    mutable const TdxMemData* cachedTable_ = nullptr;
    mutable std::uint64_t cachedTableVersion_ = UINT64_MAX;
    mutable std::uint64_t cachedFilterVersion_ = UINT64_MAX;
};

// What the cell-drawing handler may change: the colour of the cell's text.
struct TcxCanvas {
    TColor FontColor = 0;
};

struct TcxGridTableDataCellViewInfo {
    const TcxGridColumn* Column = nullptr;
    size_t Row = 0;  // table row
    bool Selected = false;
};

class TcxCustomGridTableView;
using CustomDrawCellHandler =
    std::function<void(TcxCustomGridTableView& view, TcxCanvas& canvas,
                       const TcxGridTableDataCellViewInfo& cell, bool& done)>;

class TcxCustomGridTableView : public TcxCustomGridView {
  public:
    explicit TcxCustomGridTableView(bool dataSetBound) : DataController(dataSetBound) {}

    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TcxGridColumn& Columns(int index) const { return *columns_.at(static_cast<size_t>(index)); }
    int VisibleColumnCount() const;
    TcxGridColumn& VisibleColumns(int visibleIndex) const;
    int indexOf(const TcxGridColumn& column) const;
    // Moves a column to another place among all columns (a user's drag).
    void moveColumn(int fromIndex, int toIndex);
    TcxGridColumn* columnByFieldName(const std::string& fieldName) const;

    // The visible columns in the order the clipboard text and the screen show them.
    virtual std::vector<const TcxGridColumn*> columnsInDisplayOrder() const;

    // The clipboard text of the view: a caption line, then one tab-separated line per row.
    std::string clipboardText(bool copyAll) const;
    // Replaces the clipboard's content with clipboardText(copyAll).
    void CopyViewToClipboard(bool copyAll) const;

    TcxGridDataController DataController;

    // The options the window and the export read. The grid is read-only and offers no
    // sorting, grouping or filter UI of its own, so it has no options for them.
    struct {
        bool Header = true;
        bool Footer = false;
        TcxGridLines GridLines = TcxGridLines::glBoth;
        TcxGridGroupFootersMode GroupFooters = TcxGridGroupFootersMode::gfInvisible;
        TcxGridGroupRowStyle GroupRowStyle = TcxGridGroupRowStyle::grsStandard;
        bool BandHeaders = true;  // banded views
    } OptionsView;
    struct {
        bool CopyCaptionsToClipboard = true;
    } OptionsBehavior;
    struct {
        bool ColumnMoving = true;  // bands keep their columns: only plain views move them
        bool ColumnHorzSizing = true;
    } OptionsCustomize;
    struct {
        bool CellSelect = true;
        bool MultiSelect = false;
    } OptionsSelection;

    CustomDrawCellHandler OnCustomDrawCell;

    struct {
        bool Visible = false;
        const TcxGridColumn* Column = nullptr;
        TcxGridPreviewPlace Place = TcxGridPreviewPlace::ppBottom;
    } Preview;

    // The records the view shows, in display order: one data row per table row that the
    // table's and the view's filters let through, unless a grouped or master-detail
    // layout was set in customRecords.
    std::vector<TcxGridViewRecord> records() const;
    std::optional<std::vector<TcxGridViewRecord>> customRecords;
    // Expands every group and master row with all its descendants.
    void expandAll();
    // The display text of a group row: "caption : value", then the summary when there is one.
    std::string groupRowText(const TcxGridViewRecord& record) const;

    // View parameters of the painted elements. The window's font (Tahoma 12 px, East
    // European) everywhere unless a style sets another; headers on the button face,
    // content on the window colour; selection colours never take part.
    TcxViewParams headerParams(const TcxGridColumn& column) const;
    TcxViewParams contentParams(const TcxGridViewRecord* record, const TcxGridColumn* column) const;
    TcxViewParams footerParams(const TcxGridViewRecord* record, int level,
                               const TcxGridColumn* column) const;
    TcxViewParams groupParams(const TcxGridViewRecord* record, int level) const;
    TcxViewParams previewParams(const TcxGridViewRecord* record) const;

    struct {
        const TcxStyle* Content = nullptr;
        const TcxStyle* Footer = nullptr;
        const TcxStyle* Group = nullptr;
        const TcxStyle* Header = nullptr;
        const TcxStyle* Preview = nullptr;
    } Styles;

  protected:
    TcxGridColumn& addColumn(std::unique_ptr<TcxGridColumn> column);

  private:
    std::vector<std::unique_ptr<TcxGridColumn>> columns_;
};

class TcxGridTableView : public TcxCustomGridTableView {
  public:
    TcxGridTableView() : TcxCustomGridTableView(false) {}
    TcxGridColumn& CreateColumn();

  protected:
    explicit TcxGridTableView(bool dataSetBound) : TcxCustomGridTableView(dataSetBound) {}
};

class TcxGridBand {
  public:
    std::string Caption;
    bool Visible = true;
    TAlignment HeaderAlignmentHorz = TAlignment::taCenter;
    struct {
        const TcxStyle* Background = nullptr;
        const TcxStyle* Content = nullptr;
        const TcxStyle* Header = nullptr;
    } Styles;
    struct {
        int BandIndex = -1;  // parent band, -1 at the top
    } Position;
    int Index = 0;
};

class TcxGridBandedTableView : public TcxGridTableView {
  public:
    TcxGridBandedTableView() : TcxGridTableView(false) {}
    TcxGridBandedColumn& CreateColumn();

    TcxGridBand& addBand(std::string caption);
    int BandCount() const { return static_cast<int>(bands_.size()); }
    TcxGridBand& Bands(int index) const { return *bands_.at(static_cast<size_t>(index)); }
    // Bands that hold columns (those without child bands), in the order they are shown.
    std::vector<const TcxGridBand*> bottomBandsInDisplayOrder() const;
    // Width of a band: the sum of its visible columns' widths (and its child bands').
    int bandWidth(int bandIndex) const;
    // The visible columns of a band ordered by row, then position.
    std::vector<const TcxGridBandedColumn*> bandColumns(int bandIndex) const;
    // Rows of band headers: the depth of the band tree (0 without visible bands).
    int bandHeaderRowCount() const;
    // Band header rows the caption of a bottom band covers: down from its depth to the bottom.
    int bandCaptionRowSpan(const TcxGridBand& band) const;
    // Rows of column headers within the bands (at least 1).
    int columnRowCount() const;
    std::vector<const TcxGridBand*> visibleChildBands(int bandIndex) const;

    TcxViewParams bandHeaderParams(const TcxGridBand& band) const;
    TcxViewParams bandBackgroundParams(const TcxGridBand& band) const;
    TcxViewParams bandContentParams(const TcxGridViewRecord* record, const TcxGridBand& band) const;

    std::vector<const TcxGridColumn*> columnsInDisplayOrder() const override;

  protected:
    explicit TcxGridBandedTableView(bool dataSetBound) : TcxGridTableView(dataSetBound) {}

  private:
    std::vector<std::unique_ptr<TcxGridBand>> bands_;
};

// The data-bound views read a table through a data source.
class TcxGridDBTableView : public TcxGridTableView {
  public:
    TcxGridDBTableView() : TcxGridTableView(true) {}
};

class TcxGridDBBandedTableView : public TcxGridBandedTableView {
  public:
    TcxGridDBBandedTableView() : TcxGridBandedTableView(true) {}
};

class TcxGrid;

class TcxGridLevel {
  public:
    TcxCustomGridView* GridView = nullptr;
    TcxGrid* Grid = nullptr;
    std::vector<TcxGridLevel*> Children;  // detail levels
    int childLevelCount() const { return static_cast<int>(Children.size()); }
};

// A grid control: levels, each showing one view; the active level's view is on screen.
class TcxGrid {
  public:
    TcxGridLevel& addLevel();
    // Takes ownership of `view` and shows it on `level`.
    template <class View>
    View& createView(TcxGridLevel& level) {
        auto view = std::make_unique<View>();
        View& ref = *view;
        level.GridView = &ref;
        ref.Level = &level;
        views_.push_back(std::move(view));
        return ref;
    }
    TcxGridLevel* ActiveLevel = nullptr;
    // Repainting held back while the grid is changed in bulk (an export expanding rows).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() {
        if (updateCount_ > 0)
            --updateCount_;
    }
    bool updating() const { return updateCount_ > 0; }
    TcxCustomGridView* activeView() const { return ActiveLevel ? ActiveLevel->GridView : nullptr; }
    std::string Name;

  private:
    int updateCount_ = 0;
    std::vector<std::unique_ptr<TcxGridLevel>> levels_;
    std::vector<std::unique_ptr<TcxCustomGridView>> views_;
};

}  // namespace platform::grid
