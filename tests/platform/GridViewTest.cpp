#include <gtest/gtest.h>

#include "platform/Clipboard.h"
#include "platform/grid/GridView.h"

namespace platform::grid {
namespace {

// A banded view over a small table: bands B0 and B1, columns given out of order.
struct BandedFixture {
    TcxGridBandedTableView view;
    BandedFixture() {
        TdxMemData& table = *view.DataController.dataSet();
        table.addField("A", TFieldType::ftString, "Alpha");
        table.addField("B", TFieldType::ftInteger);
        table.addField("C", TFieldType::ftInteger, "Gamma");
        table.Open();
        for (int i = 1; i <= 4; ++i) {
            table.Append();
            table.setString("A", "r" + std::to_string(i));
            table.setInteger("B", i * 1000);
            table.setInteger("C", i);
            table.Post();
        }
        view.addBand("B0");
        view.addBand("B1");
        auto add = [&](const char* field, int band, int row, int col) {
            TcxGridBandedColumn& column = view.CreateColumn();
            column.DataBinding.FieldName = field;
            column.Position.BandIndex = band;
            column.Position.RowIndex = row;
            column.Position.ColIndex = col;
            return &column;
        };
        add("C", 1, 0, 0);
        add("B", 0, 0, 1);
        add("A", 0, 0, 0);
    }
};

TEST(GridView, CopiesColumnsBandByBandInDisplayOrder) {
    BandedFixture f;
    EXPECT_EQ(f.view.clipboardText(true),
              "Alpha\tB\tGamma\r\nr1\t1000\t1\r\nr2\t2000\t2\r\nr3\t3000\t3\r\nr4\t4000\t4");
}

TEST(GridView, ShowsRowsThatBothTheTableAndTheViewFilterAccept) {
    BandedFixture f;
    TdxMemData& table = *f.view.DataController.dataSet();
    table.setOnFilterRecord([](const TdxMemData& t, size_t row) {
        return std::get<std::int64_t>(t.value(row, 2)) != 2;
    });
    table.setFiltered(true);
    auto& filter = f.view.DataController.Filter;
    filter.BeginUpdate();
    filter.Root.Clear();
    filter.Root.AddItem(f.view.columnByFieldName("C"), TcxFilterOperatorKind::foLessEqual,
                        std::int64_t{3}, "");
    filter.EndUpdate();
    EXPECT_EQ(f.view.DataController.viewRows(),
              (std::vector<size_t>{0, 2, 3}));  // filter still off
    filter.setActive(true);
    EXPECT_EQ(f.view.DataController.viewRows(), (std::vector<size_t>{0, 2}));
    // Within a batch the view keeps its rows until the batch ends.
    filter.BeginUpdate();
    filter.Root.Clear();
    EXPECT_EQ(f.view.DataController.viewRows(), (std::vector<size_t>{0, 2}));
    filter.Root.AddItem(f.view.columnByFieldName("C"), TcxFilterOperatorKind::foEqual,
                        std::int64_t{4}, "");
    filter.EndUpdate();
    EXPECT_EQ(f.view.DataController.viewRows(), (std::vector<size_t>{3}));
    filter.setActive(false);
    table.setFiltered(false);
    EXPECT_EQ(f.view.DataController.RecordCount(), 4u);
}

TEST(GridView, CopiesAfterAMovedColumnAndOnlyTheCaptionLineWhenEmpty) {
    TcxGridTableView view;
    TdxMemData& table = *view.DataController.dataSet();
    table.addField("X", TFieldType::ftInteger, "Ex");
    table.addField("Y", TFieldType::ftString, "Why");
    table.Open();
    for (const char* field : {"X", "Y"})
        view.CreateColumn().DataBinding.FieldName = field;
    view.moveColumn(1, 0);
    EXPECT_EQ(view.Columns(0).Index(), 0);
    EXPECT_EQ(view.Columns(0).caption(), "Why");
    MemoryClipboard clipboard;
    setClipboardBackend(&clipboard);
    view.CopyViewToClipboard(true);
    setClipboardBackend(nullptr);
    EXPECT_EQ(clipboard.text(), "Why\tEx\r\n");
}

}  // namespace
}  // namespace platform::grid
