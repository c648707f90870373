#pragma once
// What a view tells about its rows and its look beyond the columns: the records it shows
// (data rows, master rows and group rows with their levels), the summaries, and the view
// parameters (background, text colour, font) of every element it paints.

#include <functional>
#include <string>

#include "platform/MemData.h"
#include "platform/grid/GridTypes.h"

namespace platform::grid {

class TcxGridColumn;
class TcxCustomGridView;

// The colours and font the grid paints an element with.
struct TcxViewParams {
    TColor Color = 0;      // background
    TColor TextColor = 0;  // text
    TFont Font;
};

enum class TcxGridRecordKind { Data, Master, Group };

// One record the view shows, in display order.
struct TcxGridViewRecord {
    TcxGridRecordKind Kind = TcxGridRecordKind::Data;
    size_t Row = 0;  // table row (data and master rows; a group row's first row)
    int Level = 0;   // nesting depth, 0 at the top
    bool Expanded = false;
    bool Selected = false;
    // Group rows: the grouped column and the group value's display text.
    const TcxGridColumn* GroupColumn = nullptr;
    std::string GroupValueText;
    std::string GroupSummaryText;
    // Master rows: the view of their detail level.
    TcxCustomGridView* DetailView = nullptr;
};

enum class TcxGridGroupFootersMode { gfInvisible, gfVisibleWhenExpanded, gfAlwaysVisible };
enum class TcxGridGroupRowStyle { grsStandard, grsOffice11 };
enum class TcxGridPreviewPlace { ppBottom, ppTop };

// A footer summary: its column, its value and the text the footer cell shows.
struct TcxGridSummaryItem {
    const TcxGridColumn* Column = nullptr;
    FieldValue Value;
    std::string Text;
};

struct TcxGridSummaryValue {
    FieldValue Value;
    std::string Text;
};

// (record index in the view's records, group level, visible column position)
using GroupSummaryProvider =
    std::function<TcxGridSummaryValue(size_t recordIndex, int level, int visiblePosition)>;

}  // namespace platform::grid
