// The program's two result grids saved through the workflow's "Excel" command.

#include <gtest/gtest.h>

#include "GridExportFixtures.h"
#include "export/cxXLSExport.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "tests/RegisterPageText.h"
#include "tests/TempDir.h"
#include "tests/workflow/RecordingHost.h"
#include "workflow/MainWorkflow.h"

namespace gridtest {
namespace {

using workflow::Page;

using test::registerPage;

class ProgramGridsExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        cx::InitXLSExportModule();
        cx::InitGridExportModule();
        DocumentProvider::registerClass();
    }
    ProgramGridsExportTest() : main(host) {
        platform::setThousandsSeparator(".");
        main.FormCreate();
    }
    // Old state: 30 holders; new state: every second holder has 100 more shares, the last
    // one left, one came with nothing and one with 5000 shares.
    void runOnThirtyHolders() {
        std::vector<std::pair<std::string, int>> oldHolders, newHolders;
        for (int i = 1; i <= 30; ++i)
            oldHolders.emplace_back("H" + std::to_string(i), 1000 - i);
        for (int i = 1; i < 30; ++i)
            newHolders.emplace_back("H" + std::to_string(i), 1000 - i + (i % 2 == 0 ? 100 : 0));
        newHolders.emplace_back("NEW", 0);
        newHolders.emplace_back("NEWER", 5000);
        main.editFile1 = dir.write("old.htm", registerPage(oldHolders));
        main.editFile2 = dir.write("new.htm", registerPage(newHolders));
        main.btnOkClick();
        host.events.clear();
    }
    Document& exportPage(Page which) {
        auto& grid = which == Page::Promena ? main.grids.gridPromene : main.grids.gridRedosled;
        cx::RunGridExport("grid", DocumentProvider::kExportType, &grid, true, true, true, "", "",
                          "", "xls");
        return DocumentProvider::last();
    }

    test::RecordingHost host;
    workflow::MainWorkflow main;
    test::TempDir dir;
};

TEST_F(ProgramGridsExportTest, ChangesGridHasBandsCaptionsColoursAndNumbers) {
    runOnThirtyHolders();
    const Document& doc = exportPage(Page::Promena);
    const int records = static_cast<int>(main.dbPromene.rowCount());
    EXPECT_EQ(doc.calls.at(1), "PrepareSheet 8x" + std::to_string(records + 2));
    EXPECT_EQ(doc.widths,
              (std::map<int, int>{
                  {0, 208}, {1, 58}, {2, 58}, {3, 58}, {4, 208}, {5, 58}, {6, 58}, {7, 58}}));
    EXPECT_EQ(doc.merges.at(0), (Merge{0, 0, 1, 4}));
    EXPECT_EQ(doc.merges.at(1), (Merge{4, 0, 1, 4}));
    EXPECT_EQ(doc.text(0, 0), "Kupovina");
    EXPECT_EQ(doc.text(4, 0), "Prodaja");
    EXPECT_EQ(doc.outOfSheet, 0);
    EXPECT_EQ(+doc.style(0, 0)->TextColor, 40960);
    EXPECT_EQ(+doc.style(4, 0)->TextColor, 160);
    const char* captions[] = {"Akcionar", "Staro", "Novo", "Razlika",
                              "Akcionar", "Staro", "Novo", "Razlika"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(doc.text(c, 1), captions[c]);
    EXPECT_EQ(doc.text(0, 2), "NEWER");
    EXPECT_EQ(doc.at(1, 2)->kind, cx::TcxVarType::Null);  // no old holding: an empty cell
    EXPECT_EQ(doc.text(3, 2), "5000");
    EXPECT_EQ(doc.at(3, 2)->kind, cx::TcxVarType::Integer);
    EXPECT_EQ(+doc.style(3, 2)->TextColor, 40960);
    EXPECT_EQ(+doc.style(7, 2)->TextColor, 160);
    EXPECT_EQ(+doc.style(2, 2)->TextColor, 0);
    EXPECT_EQ(doc.edges(3, 2), "LTRB");
    EXPECT_EQ(doc.edges(4, 2), "LTRB");
}

TEST_F(ProgramGridsExportTest, RankingGridWritesPositionsAsTextAndHoldingsAsNumbers) {
    runOnThirtyHolders();
    const Document& doc = exportPage(Page::Redosled);
    EXPECT_EQ(doc.calls.at(1), "PrepareSheet 6x33");
    EXPECT_EQ(doc.widths,
              (std::map<int, int>{{0, 80}, {1, 80}, {2, 360}, {3, 80}, {4, 80}, {5, 80}}));
    EXPECT_EQ(doc.text(0, 0), "Stari red.br.");
    EXPECT_EQ(doc.outOfSheet, 0);
    // Rows: H1..H29, NEW (new, 0 shares), NEWER, then H30 who left.
    EXPECT_EQ(doc.text(2, 30), "NEW");
    EXPECT_EQ(doc.text(0, 30), "-");  // a position of 0, as the grid shows it
    EXPECT_EQ(doc.at(0, 30)->kind, cx::TcxVarType::String);
    EXPECT_EQ(doc.text(2, 32), "H30");
    EXPECT_EQ(doc.text(1, 32), "-");
    EXPECT_EQ(doc.text(4, 32), "0");  // a holding of 0 stays the number 0
    EXPECT_EQ(doc.at(4, 32)->kind, cx::TcxVarType::Integer);
    EXPECT_EQ(doc.text(5, 32), "-970");
    EXPECT_EQ(doc.at(5, 32)->kind, cx::TcxVarType::Double);
    EXPECT_EQ(doc.text(5, 1), "0");
    EXPECT_EQ(+doc.style(2, 3)->TextColor, 0);  // rows are coloured on screen only
    EXPECT_EQ(doc.style(2, 3)->Alignment, 0);
    EXPECT_EQ(doc.style(3, 3)->Alignment, 1);
}

TEST_F(ProgramGridsExportTest, ExcelCommandSavesTheFirstTwelveOfWhatTheGridShows) {
    runOnThirtyHolders();
    const auto file = dir.path() / "izvestaj.txt";
    host.savedName = file;
    host.openAfterSave = true;
    main.activePage = Page::Redosled;
    main.samoSaPromenama = true;
    main.checkPromena_Click();
    main.btnExcelClick();
    const auto written = dir.path() / "izvestaj.xls";
    EXPECT_TRUE(std::filesystem::exists(written));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(host.events.at(0),
              "save dialog: " + (platform::programFolder() / "Promena redosleda.xls").string());
    EXPECT_EQ(host.events.at(1), "shell open: " + written.string());
    EXPECT_FALSE(main.grids.viewRedosled->DataController.Filter.Active());

    // The same grid into the in-memory document, restricted as the command restricts it.
    main.SetFilterRedosled();
    const Document& doc = exportPage(Page::Redosled);
    main.ClearFilterRedosled();
    // The first 12 changed rows, though unchanged rows lie between them: H2, H4, ... H24.
    EXPECT_EQ(doc.rows, 13);
    EXPECT_EQ(doc.text(2, 1), "H2");
    EXPECT_EQ(doc.text(2, 12), "H24");
}

TEST_F(ProgramGridsExportTest, ExcelCommandCancelledEmptyOrFailingLeavesTheGridWhole) {
    runOnThirtyHolders();
    main.activePage = Page::Promena;
    host.confirmSave = false;
    main.btnExcelClick();
    EXPECT_EQ(host.events, (std::vector<std::string>{
                               "save dialog: " +
                               (platform::programFolder() / "Promena broja akcija.xls").string()}));
    host.confirmSave = true;
    host.events.clear();

    host.savedName = std::filesystem::path();
    host.openAfterSave = false;
    main.btnExcelClick();
    EXPECT_EQ(host.events.back(), "warning: Nije izabrana datoteka.");

    host.savedName = dir.path() / "missing" / "x.xls";
    EXPECT_THROW(main.btnExcelClick(), cx::EcxGridExport);
    EXPECT_FALSE(main.grids.viewPromene->DataController.Filter.Active());
    EXPECT_EQ(main.grids.viewPromene->DataController.RecordCount(), main.dbPromene.rowCount());

    // A name the program's code page cannot spell would be saved under another name.
    host.savedName = dir.path() / "\xd0\xb6.xls";
    EXPECT_THROW(main.btnExcelClick(), cx::EcxGridExport);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "?.xls"));

    host.savedName = dir.path() / "quiet.xls";
    host.events.clear();
    main.btnExcelClick();
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "quiet.xls"));
    EXPECT_EQ(host.events.size(), 1u);  // only the dialog: an unchecked box opens nothing
}

// A sheet holds 65,536 rows: 65,536 records and their header do not fit.
TEST_F(ProgramGridsExportTest, TooManyRowsFailWithAClearErrorAndLeaveNoFile) {
    runOnThirtyHolders();
    main.activePage = Page::Redosled;
    main.menuClipboard_SveClick();
    main.dbRedosled.emptyTable();
    for (int i = 1; i <= 65536; ++i) {
        main.dbRedosled.Append();
        main.dbRedosled.setString("Name", "H");
        for (const char* field : {"Num1", "Num2", "Shares1", "Shares2", "RecNumber"})
            main.dbRedosled.setInteger(field, i);
        main.dbRedosled.setCurrency("SharesDiff", 0);
        main.dbRedosled.Post();
    }
    host.savedName = dir.path() / "big.xls";
    try {
        main.btnExcelClick();
        ADD_FAILURE() << "65,537 rows were accepted";
    } catch (const cx::EcxExportData& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find("65537"), std::string::npos) << text;
        EXPECT_NE(text.find("65536"), std::string::npos) << text;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "big.xls"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().extension(), ".htm") << entry.path();  // no partial file either
    }
}

}  // namespace
}  // namespace gridtest
