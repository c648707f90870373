#include <gtest/gtest.h>

#include "GridExportFixtures.h"
#include "export/cxXLSExport.h"
#include "tests/TempDir.h"

namespace gridtest {
namespace {

class DriverTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cx::InitXLSExportModule();
        cx::InitGridExportModule();
        DocumentProvider::registerClass();
    }
    static bool emptyFolder(const test::TempDir& dir) {
        return std::filesystem::is_empty(dir.path());
    }
    static std::string failureOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const std::exception& error) {
            return error.what();
        }
        return "no failure";
    }
};

TEST_F(DriverTest, ChangesTheExtensionOfTheFileName) {
    struct Case {
        const char *name, *extension, *expected;
    } cases[] = {
        {"C:\\Stanjomer\\Promena broja akcija.xls", "xls",
         "C:\\Stanjomer\\Promena broja akcija.xls"},
        {"/home/ana/izvestaj.txt", "xls", "/home/ana/izvestaj.xls"},
        {"/home/ana/izvestaj", "xls", "/home/ana/izvestaj.xls"},
        {"/home/ana.d/izvestaj", "xls", "/home/ana.d/izvestaj.xls"},
        {"C:\\a.b\\c", "xls", "C:\\a.b\\c.xls"},
        {"/home/ana/izvestaj.txt", "", "/home/ana/izvestaj.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cx::ChangeFileExtension(c.name, c.extension), c.expected);
}

TEST_F(DriverTest, ReportsItsFailuresInTheirOrder) {
    test::TempDir dir;
    const std::string file = (dir.path() / "out.xls").string();

    EXPECT_NO_THROW(cx::ExportGridToXls(file, nullptr, true, true, true));
    EXPECT_TRUE(emptyFolder(dir));

    TableGrid noLevel(1);
    noLevel.grid.ActiveLevel = nullptr;  // a view exists, but no level is active
    EXPECT_EQ(failureOf([&] { cx::ExportGridToXls(file, &noLevel.grid, true, true, true); }),
              "Active grid level does not exist");

    TcxGrid noView;
    noView.addLevel();
    EXPECT_EQ(failureOf([&] { cx::ExportGridToXls(file, &noView, true, true, true); }),
              "Grid view does not exist");

    TableGrid g(2);
    for (const auto& path : {dir.path() / "missing" / "out.xls", dir.path()}) {
        EXPECT_EQ(
            failureOf([&] { cx::ExportGridToXls(path.string(), &g.grid, true, true, true, ""); }),
            "Can't create the export output file");
    }
    EXPECT_EQ(failureOf([&] {
                  cx::RunGridExport(file, 42, &g.grid, true, true, true, "", "", "", "xls");
              }),
              "Unsupported export type: 42");
    EXPECT_TRUE(emptyFolder(dir));
}

// A view the export has no class for fails with a clear error and leaves no file.
TEST_F(DriverTest, RefusesAViewOfAnotherKindWithoutWritingAFile) {
    struct CardView : TcxCustomGridView {};
    test::TempDir dir;
    TcxGrid grid;
    grid.createView<CardView>(grid.addLevel());
    EXPECT_STREQ(cx::ExportClassForView(grid.activeView()).ClassName, "TcxGridCustomExport");
    EXPECT_EQ(failureOf([&] {
                  cx::ExportGridToXls((dir.path() / "card.xls").string(), &grid, true, true, true);
              }),
              "This kind of grid view cannot be exported");
    EXPECT_TRUE(emptyFolder(dir));
}

TEST_F(DriverTest, ChoosesTheBandedExportBeforeTheTableExport) {
    TcxGridDBBandedTableView banded;
    TcxGridDBTableView table;
    EXPECT_STREQ(cx::ExportClassForView(&banded).ClassName, "TcxGridBandedTableViewExport");
    EXPECT_STREQ(cx::ExportClassForView(&table).ClassName, "TcxGridTableViewExport");
    EXPECT_THROW(cx::ExportClassForView(nullptr), cx::EcxGridExport);
}

// Grid mode is off while all rows are exported and comes back afterwards, also on failure.
TEST_F(DriverTest, SwitchesGridModeOffForTheExportAndRestoresIt) {
    platform::TdxMemData table;
    fillTable(table, 3);
    TDataSource source{&table};
    TcxGrid grid;
    auto& view = grid.createView<TcxGridDBTableView>(grid.addLevel());
    view.DataController.setDataSource(&source);
    TcxGridColumn& name = textColumn(view.CreateColumn(), "Name", 80);
    bool modeDuringExport = true;
    bool fail = false;
    name.OnGetDisplayText = [&](const TcxGridColumn&, size_t, std::string&) {
        modeDuringExport = view.DataController.DataModeController.GridMode;
        if (fail)
            throw std::runtime_error("grid failure");
    };
    view.DataController.DataModeController.GridMode = true;
    exportDocument(grid);
    EXPECT_FALSE(modeDuringExport);
    EXPECT_TRUE(view.DataController.DataModeController.GridMode);

    fail = true;
    modeDuringExport = true;
    EXPECT_EQ(failureOf([&] { exportDocument(grid); }), "grid failure");
    EXPECT_FALSE(modeDuringExport);
    EXPECT_TRUE(view.DataController.DataModeController.GridMode);
    EXPECT_FALSE(DocumentProvider::last().finished);
}

}  // namespace
}  // namespace gridtest
