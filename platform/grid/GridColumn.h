#pragma once
// A column of a grid table view: what it shows (the bound field, its editor and
// display format), how it looks (caption, alignment, width, styles) and the handler
// that may change its display text.

#include <functional>
#include <memory>
#include <string>

#include "platform/MemData.h"
#include "platform/grid/EditProperties.h"
#include "platform/grid/GridTypes.h"

namespace platform::grid {

class TcxCustomGridTableView;
class TcxGridColumn;

// (column, table row, in/out text)
using GetDisplayTextHandler =
    std::function<void(const TcxGridColumn& column, size_t row, std::string& text)>;

class TcxGridColumn {
  public:
    explicit TcxGridColumn(TcxCustomGridTableView& view);
    virtual ~TcxGridColumn() = default;
    TcxGridColumn(const TcxGridColumn&) = delete;
    TcxGridColumn& operator=(const TcxGridColumn&) = delete;

    TcxCustomGridTableView& GridView() const { return view_; }
    // Position among all columns of the view, and among its visible ones (-1 when hidden).
    int Index() const;
    int VisibleIndex() const;

    // The column's own caption when set, else the bound field's display label or name.
    std::string caption() const;

    // The stored value of this column's field in a row of the view's table.
    FieldValue value(const TdxMemData& table, size_t row) const;
    // Text of the cell before the display-text handler.
    std::string displayText(size_t row) const;
    // Text of the cell as shown on screen: displayText after OnGetDisplayText.
    std::string shownText(size_t row) const;

    std::string Name;
    std::string Caption;
    struct {
        std::string FieldName;
    } DataBinding;
    std::unique_ptr<TcxCustomEditProperties> Properties = std::make_unique<TcxTextEditProperties>();
    TAlignment HeaderAlignmentHorz = TAlignment::taLeftJustify;
    TAlignment FooterAlignmentHorz = TAlignment::taLeftJustify;
    int Width = 64;  // pixels
    bool Visible = true;
    struct {
        const TcxStyle* Content = nullptr;
        const TcxStyle* Header = nullptr;
        const TcxStyle* Footer = nullptr;
    } Styles;
    GetDisplayTextHandler OnGetDisplayText;

  private:
    TcxCustomGridTableView& view_;
    mutable int cachedFieldIndex_ = -1;
    mutable const TdxMemData* cachedTable_ = nullptr;
    mutable std::string cachedFieldName_;
};

// A column of a banded view: it lies in a band, on a row of the band, at a position.
class TcxGridBandedColumn : public TcxGridColumn {
  public:
    using TcxGridColumn::TcxGridColumn;
    struct {
        int BandIndex = 0;
        int ColIndex = 0;
        int RowIndex = 0;
        int LineCount = 1;
    } Position;
};

}  // namespace platform::grid
