#include <gtest/gtest.h>

#include "GridExportFixtures.h"
#include "gridexport/ExportStyles.h"
#include "platform/SystemColors.h"
#include "tests/TempDir.h"

namespace gridtest {
namespace {

class TableViewExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cx::InitGridExportModule();
        DocumentProvider::registerClass();
    }
};

TEST_F(TableViewExportTest, WritesHeaderRecordsWidthsAndTypedValues) {
    TableGrid g(3);
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.calls.front(), "AddBaseStyle");
    EXPECT_EQ(doc.calls.at(1), "PrepareSheet 2x4");
    EXPECT_EQ(doc.calls.back(), "Finish");
    EXPECT_EQ(doc.outOfSheet, 0);
    EXPECT_EQ(doc.widths, (std::map<int, int>{{0, 100}, {1, 50}}));
    EXPECT_EQ(doc.text(0, 0), "Ime");
    EXPECT_EQ(doc.text(1, 0), "Broj");
    EXPECT_EQ(doc.text(0, 3), "name 3");
    EXPECT_EQ(doc.at(0, 3)->kind, cx::TcxVarType::String);
    EXPECT_EQ(doc.text(1, 3), "30");
    EXPECT_EQ(doc.at(1, 3)->kind, cx::TcxVarType::Integer);
    // Header on the button face, content right-aligned as the editor says.
    EXPECT_EQ(+doc.style(0, 0)->FillColor, platform::sysColor(platform::kColorBtnFace));
    EXPECT_EQ(doc.style(1, 1)->Alignment, 2);
    EXPECT_EQ(cx::FontFaceOf(*doc.style(1, 1)), "Tahoma");
    EXPECT_EQ(+doc.style(1, 1)->PointSize, 9);
    EXPECT_EQ(+doc.style(1, 1)->CharacterSet, 238);
}

TEST_F(TableViewExportTest, TypedValuesSkipTheDisplayTextHandlerOfNumberColumnsOnly) {
    TableGrid g(1);
    for (int i = 0; i < 2; ++i) {
        g.view->Columns(i).OnGetDisplayText = [](const TcxGridColumn&, size_t, std::string& text) {
            text = "<" + text + ">";
        };
    }
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.text(0, 1), "<name 1>");
    EXPECT_EQ(doc.text(1, 1), "10");
}

TEST_F(TableViewExportTest, GridLinesDecideContentEdgesAndTheClosingPasses) {
    struct Case {
        TcxGridLines lines;
        const char* content;  // first column, first record
        const char* lastRow;  // first column, last record
        const char* lastColumnHeader;
    } cases[] = {
        {TcxGridLines::glBoth, "LTRB", "LTRB", "LTRB"},
        {TcxGridLines::glNone, "----", "---B", "LTRB"},
        {TcxGridLines::glVertical, "L-R-", "L-RB", "LTRB"},
        {TcxGridLines::glHorizontal, "-T-B", "-T-B", "LTRB"},
    };
    for (const auto& c : cases) {
        TableGrid g(3);
        g.view->OptionsView.GridLines = c.lines;
        const Document& doc = exportDocument(g.grid);
        EXPECT_EQ(doc.edges(0, 1), c.content) << static_cast<int>(c.lines);
        EXPECT_EQ(doc.edges(0, 3), c.lastRow) << static_cast<int>(c.lines);
        EXPECT_EQ(doc.edges(1, 0), c.lastColumnHeader) << static_cast<int>(c.lines);
    }
    // With vertical lines the last column gets its right edge on every row.
    TableGrid g(2);
    g.view->OptionsView.GridLines = TcxGridLines::glVertical;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.edges(1, 1), "L-R-");
    EXPECT_EQ(doc.edges(1, 2), "L-RB");
}

TEST_F(TableViewExportTest, HeaderHiddenEmptyViewsAndFilteredOutRecords) {
    {
        TableGrid g(2);
        g.view->OptionsView.Header = false;
        const Document& doc = exportDocument(g.grid);
        EXPECT_EQ(doc.rows, 2);
        EXPECT_EQ(doc.text(0, 0), "name 1");
    }
    {
        TableGrid g(2);
        for (int i = 0; i < g.view->ColumnCount(); ++i)
            g.view->Columns(i).Visible = false;
        const Document& doc = exportDocument(g.grid);
        EXPECT_EQ(doc.rows, -1);  // no range
        EXPECT_TRUE(doc.cells.empty());
        EXPECT_TRUE(doc.widths.empty());
        EXPECT_TRUE(doc.finished);
    }
    {
        TableGrid g(5);
        auto& filter = g.view->DataController.Filter;
        filter.Root.AddItem(g.view->columnByFieldName("Number"), TcxFilterOperatorKind::foGreater,
                            std::int64_t{1000}, "");
        filter.setActive(true);
        const Document& doc = exportDocument(g.grid);
        EXPECT_EQ(doc.rows, 1);
        EXPECT_EQ(doc.usedRows(), 1);
        EXPECT_EQ(doc.text(0, 0), "Ime");
    }
}

// Two levels of groups with footers always shown: a group row at a lower level first
// writes the pending footers of deeper groups, newest first.
TEST_F(TableViewExportTest, GroupRowsWriteButtonsIndentsAndPendingFooters) {
    TableGrid g(4);
    TcxGridTableView& view = *g.view;
    view.DataController.GroupedColumnCount = 2;
    view.OptionsView.GroupFooters = TcxGridGroupFootersMode::gfAlwaysVisible;
    const TcxGridColumn* name = &view.Columns(0);
    auto group = [&](int level, size_t row, const char* value) {
        TcxGridViewRecord r;
        r.Kind = TcxGridRecordKind::Group;
        r.Level = level;
        r.Row = row;
        r.GroupColumn = name;
        r.GroupValueText = value;
        return r;
    };
    auto data = [](size_t row) {
        TcxGridViewRecord r;
        r.Row = row;
        r.Level = 2;
        return r;
    };
    view.customRecords = std::vector<TcxGridViewRecord>{
        group(0, 0, "A"), group(1, 0, "A1"), data(0),           data(1), group(1, 2, "A2"),
        data(2),          group(0, 3, "B"),  group(1, 3, "B1"), data(3)};
    view.DataController.Summary.GroupSummary = [](size_t record, int level, int position) {
        return TcxGridSummaryValue{std::int64_t{position == 1 ? 100 + static_cast<int>(record) : 0},
                                   position == 1 ? "sum" + std::to_string(level) : ""};
    };
    const Document& doc = exportDocument(g.grid);
    // Export columns: two 16-pixel indents, then the rest of "Ime", then "Broj".
    EXPECT_EQ(doc.widths.at(0), 17);  // a button column
    EXPECT_EQ(doc.widths.at(2), 68);
    // Rows: header, A, A1, d, d, [A1 footer], A2, d, [A2 footer], [A footer], B, B1, d, [B1], [B].
    EXPECT_EQ(doc.rows, 15);
    EXPECT_EQ(doc.text(0, 1), "-");  // expanded by the export
    EXPECT_EQ(doc.text(1, 1), "Ime : A");
    EXPECT_EQ(doc.text(1, 2), "-");
    EXPECT_EQ(doc.text(2, 2), "Ime : A1");
    EXPECT_EQ(doc.text(2, 3), "name 1");
    EXPECT_EQ(doc.text(3, 5), "101");  // A1's footer: record 1
    EXPECT_EQ(doc.text(3, 8), "104");  // A2's footer
    EXPECT_EQ(doc.text(3, 9), "100");  // A's footer, after A2's
    EXPECT_EQ(doc.text(1, 10), "Ime : B");
    EXPECT_EQ(doc.text(3, 13), "107");
    EXPECT_EQ(doc.text(3, 14), "106");
    // Indent cells keep open tops and bottoms.
    EXPECT_EQ(doc.edges(0, 3), "L-R-");
}

TEST_F(TableViewExportTest, FooterWithSummaryValuesOnlyWhenShown) {
    TableGrid g(2);
    g.view->DataController.Summary.FooterSummaryItems = {
        {&g.view->Columns(1), std::int64_t{30}, "30"}};
    EXPECT_EQ(exportDocument(g.grid).rows, 3);
    g.view->OptionsView.Footer = true;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 4);
    EXPECT_EQ(doc.text(1, 3), "30");
    EXPECT_EQ(doc.at(1, 3)->kind, cx::TcxVarType::Integer);
    // The footer cell without a summary gets the empty footer look (button face, centred).
    EXPECT_EQ(doc.style(0, 3)->Alignment, 1);
    EXPECT_EQ(+doc.style(0, 3)->FillColor, platform::sysColor(platform::kColorBtnFace));
}

TEST_F(TableViewExportTest, ExpandedMasterRowGetsADetailLine) {
    TableGrid g(2);
    TcxGridLevel& detailLevel = g.grid.addLevel();
    g.grid.ActiveLevel->Children.push_back(&detailLevel);
    g.view->DataController.HasDetailRelations = true;
    TcxGridViewRecord master;
    master.Kind = TcxGridRecordKind::Master;
    master.Row = 0;
    TcxGridViewRecord plain;
    plain.Row = 1;
    g.view->customRecords = std::vector<TcxGridViewRecord>{master, plain};
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 4);               // header, master, its detail line, data row
    EXPECT_EQ(doc.text(0, 1), "-");       // the button
    EXPECT_EQ(doc.text(1, 1), "name 1");  // the data moves right of the button column
    EXPECT_EQ(doc.merges.back(), (Merge{1, 2, 1, doc.columns - 1}));
    EXPECT_EQ(doc.text(1, 3), "name 2");
}

TEST_F(TableViewExportTest, SelectedRowsOnlyWhenNotAllRowsAreExported) {
    TableGrid g(5);
    g.view->DataController.SelectedRecords = {1, 3};
    const Document& doc = exportDocument(g.grid, false);
    EXPECT_EQ(doc.rows, 3);
    EXPECT_EQ(doc.text(0, 1), "name 2");
    EXPECT_EQ(doc.text(0, 2), "name 4");
}

}  // namespace
}  // namespace gridtest
