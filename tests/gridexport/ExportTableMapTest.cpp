#include <gtest/gtest.h>

#include "gridexport/ExportTableMap.h"

namespace cx {
namespace {

std::vector<int> widths(const TcxGridExportTableMap& map) {
    std::vector<int> out;
    for (int c = 0; c < map.ColumnCount(); ++c)
        out.push_back(map.ColumnWidth(c));
    return out;
}

TEST(TcxGridExportTableMap, SplitsColumnsAtNewBoundariesOnly) {
    TcxGridExportTableMap map;
    for (int x : {100, 150, 150, 0, -5})
        map.AddBoundary(x);
    EXPECT_EQ(widths(map), (std::vector<int>{100, 50}));
    map.AddBoundary(16);
    map.AddBoundary(32);
    EXPECT_EQ(widths(map), (std::vector<int>{16, 16, 68, 50}));
    map.AddBoundary(200);
    EXPECT_EQ(widths(map), (std::vector<int>{16, 16, 68, 50, 50}));
}

TEST(TcxGridExportTableMap, FindsColumnsOfBoundariesAndBeyondTheRightEdge) {
    TcxGridExportTableMap map;
    for (int x : {10, 30, 60})
        map.AddBoundary(x);
    struct Case {
        int x, column;
    } cases[] = {{-3, 0}, {0, 0}, {10, 1}, {30, 2}, {60, 3}, {61, 2}, {500, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(map.ColumnAt(c.x), c.column) << c.x;
    EXPECT_EQ(map.ToColumns(10, 50), (std::pair<int, int>{1, 2}));
    map.AddItem(10, 2, "caption", 7, 1, 20);
    ASSERT_EQ(map.LineCount(), 3);
    EXPECT_EQ(map.Line(0).ItemCount(), 0);
    const auto item = map.Line(2).Item(0);
    EXPECT_EQ(item.Column, 1);
    EXPECT_EQ(item.ColumnSpan, 1);
    EXPECT_EQ(item.ColumnIndex, 7);
}

}  // namespace
}  // namespace cx
