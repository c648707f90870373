#include <gtest/gtest.h>

#include "GridExportFixtures.h"

namespace gridtest {
namespace {

class BandedViewExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cx::InitGridExportModule();
        DocumentProvider::registerClass();
    }
};

TEST_F(BandedViewExportTest, BandCaptionsAboveColumnHeadersAndBandSeparators) {
    BandedGrid g(2);
    g.add("Name", 0, 0, 0, 100);
    g.add("Number", 0, 0, 1, 40);
    g.add("Extra", 1, 0, 0, 60);
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 4);
    EXPECT_EQ(doc.text(0, 0), "Left");
    EXPECT_EQ(doc.text(2, 0), "Right");
    EXPECT_EQ(doc.merges.at(0), (Merge{0, 0, 1, 2}));
    EXPECT_EQ(doc.text(1, 1), "Broj");
    EXPECT_EQ(doc.text(2, 2), "1");
    // Column 1 ends the first band: right edge there, left edge on column 2.
    EXPECT_EQ(doc.edges(1, 2), "LTRB");
    EXPECT_EQ(doc.edges(2, 2), "LTRB");
    // Without vertical lines there is no band separator.
    g.view->OptionsView.GridLines = TcxGridLines::glHorizontal;
    const Document& horizontal = exportDocument(g.grid);
    EXPECT_EQ(horizontal.edges(1, 2), "-T-B");
    EXPECT_EQ(horizontal.edges(2, 2), "-T-B");
}

TEST_F(BandedViewExportTest, BandHeadersHiddenStartColumnHeadersAtTheTop) {
    BandedGrid g(2);
    g.add("Name", 0, 0, 0, 100);
    g.add("Extra", 1, 0, 0, 60);
    g.view->OptionsView.BandHeaders = false;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 3);
    EXPECT_EQ(doc.text(0, 0), "Ime");
    EXPECT_EQ(doc.text(0, 1), "name 1");
}

// "Name" covers both column rows of the first band; "Number" and "Extra" are stacked in
// the second band.
TEST_F(BandedViewExportTest, AColumnOverTwoColumnRowsSpansTwoLinesOfEveryRecord) {
    BandedGrid g(2);
    g.add("Name", 0, 0, 0, 100, 2);
    g.add("Number", 1, 0, 0, 60);
    g.add("Extra", 1, 1, 0, 60);
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 1 + 2 + 2 * 2);
    auto merged = [&](Merge m) {
        return std::find(doc.merges.begin(), doc.merges.end(), m) != doc.merges.end();
    };
    EXPECT_EQ(doc.text(0, 1), "Ime");
    EXPECT_TRUE(merged({0, 1, 2, 1}));
    EXPECT_EQ(doc.text(1, 1), "Broj");
    EXPECT_EQ(doc.text(1, 2), "Dodatak");
    EXPECT_EQ(doc.text(0, 3), "name 1");
    EXPECT_TRUE(merged({0, 3, 2, 1}));
    EXPECT_EQ(doc.text(1, 3), "10");
    EXPECT_EQ(doc.text(1, 4), "1");
    EXPECT_EQ(doc.text(0, 5), "name 2");
    EXPECT_EQ(doc.edges(0, 4), "LTRB");  // the band's last column, on both lines
}

TEST_F(BandedViewExportTest, AParentBandSpansItsChildrenOneRowHigher) {
    BandedGrid g(1);
    g.add("Name", 0, 0, 0, 100);
    g.add("Number", 1, 0, 0, 50);
    TcxGridBand& parent = g.view->addBand("Parent");
    g.view->Bands(0).Position.BandIndex = parent.Index;
    g.view->Bands(1).Position.BandIndex = parent.Index;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 4);
    EXPECT_EQ(doc.text(0, 0), "Parent");
    EXPECT_EQ(doc.merges.back(), (Merge{0, 0, 1, 2}));
    EXPECT_EQ(doc.text(0, 1), "Left");
    EXPECT_EQ(doc.text(1, 1), "Right");
    EXPECT_EQ(doc.text(0, 3), "name 1");

    // With one child hidden the parent spans the other alone.
    g.view->Bands(1).Visible = false;
    const Document& oneChild = exportDocument(g.grid);
    EXPECT_EQ(oneChild.text(0, 0), "Parent");
    EXPECT_EQ(oneChild.text(0, 1), "Left");
    EXPECT_EQ(oneChild.columns, 1);
}

TEST_F(BandedViewExportTest, BandsWithoutVisibleColumnsWriteOnlyTheBandHeaders) {
    BandedGrid g(3);
    g.add("Name", 0, 0, 0, 100).Visible = false;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.rows, 1);
    EXPECT_EQ(doc.usedRows(), 1);
    EXPECT_TRUE(doc.finished);
}

// A band whose child bands are all hidden holds columns again.
TEST_F(BandedViewExportTest, ABandWithOnlyHiddenChildrenKeepsItsColumns) {
    BandedGrid g(1);
    g.add("Name", 0, 0, 0, 100);
    g.add("Number", 1, 0, 0, 50);
    TcxGridBand& hidden = g.view->addBand("Hidden");
    hidden.Position.BandIndex = 1;
    hidden.Visible = false;
    const Document& doc = exportDocument(g.grid);
    EXPECT_EQ(doc.columns, 2);
    EXPECT_EQ(doc.text(1, 0), "Right");
    EXPECT_EQ(doc.text(1, 2), "10");
}

// Nothing to show but the bands' empty space: no line is written, and nothing fails.
TEST_F(BandedViewExportTest, NoHeaderNoBandHeadersAndNoRecordWritesAnEmptyDocument) {
    BandedGrid g(0);
    g.add("Name", 0, 0, 0, 100);
    g.view->OptionsView.Header = false;
    g.view->OptionsView.BandHeaders = false;
    const Document& doc = exportDocument(g.grid);
    EXPECT_TRUE(doc.finished);
    EXPECT_TRUE(doc.cells.empty());

    TableGrid table(2);
    for (int i = 0; i < table.view->ColumnCount(); ++i)
        table.view->Columns(i).Width = 0;
    EXPECT_TRUE(exportDocument(table.grid).finished);
}

}  // namespace
}  // namespace gridtest
