#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "platform/Clipboard.h"
#include "platform/InOutError.h"
#include "platform/RegionalSettings.h"
#include "tests/RegisterPageText.h"
#include "tests/TempDir.h"
#include "workflow/MainWorkflow.h"

namespace workflow {
namespace {

using Events = std::vector<std::string>;

const std::filesystem::path kSamples = std::filesystem::path(STANJOMER_SOURCE_DIR) / "samples";
const std::filesystem::path kOldSample = kSamples / "staro-stanje.htm";
const std::filesystem::path kNewSample = kSamples / "novo-stanje.htm";

using test::registerPage;

class MainWorkflowTest : public ::testing::Test {
  protected:
    MainWorkflowTest() : main(host) {
        platform::setThousandsSeparator(".");
        platform::setClipboardBackend(&clipboard);
        main.FormCreate();
        host.events.clear();
    }
    ~MainWorkflowTest() override { platform::setClipboardBackend(nullptr); }

    void run(const std::filesystem::path& oldFile, const std::filesystem::path& newFile) {
        main.editFile1 = oldFile;
        main.editFile2 = newFile;
        main.btnOkClick();
    }
    std::string copy() {
        main.btnClipboardClick();
        return clipboard.text();
    }
    static size_t lines(const std::string& text) {
        return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) +
               (text.empty() ? 0 : 1);
    }

    test::RecordingHost host;
    platform::MemoryClipboard clipboard;
    MainWorkflow main;
    test::TempDir dir;
};

TEST_F(MainWorkflowTest, ChecksBothNamesBeforeEitherFileAndFocusesTheFieldConcerned) {
    const auto missing = dir.path() / "missing.htm";
    struct Case {
        std::filesystem::path first, second;
        Events expected;
    } cases[] = {
        {"", "", {"warning: Nije izabrana datoteka.", "focus: editFile1"}},
        {missing, "", {"warning: Nije izabrana datoteka.", "focus: editFile2"}},
        {missing, kNewSample, {"error: Datoteka ne postoji.", "focus: editFile1"}},
        {kOldSample, dir.path(), {"error: Datoteka ne postoji.", "focus: editFile2"}},  // a folder
        {" ",
         kNewSample,
         {"error: Datoteka ne postoji.", "focus: editFile1"}},  // blanks are a name
    };
    for (const auto& c : cases) {
        host.events.clear();
        run(c.first, c.second);
        EXPECT_EQ(host.events, c.expected) << c.first << " / " << c.second;
        EXPECT_FALSE(main.commandsEnabled());
    }
}

TEST_F(MainWorkflowTest, SameFileTwiceReportsNoDifferencesAndEnablesTheCommands) {
    run(kNewSample, kNewSample);
    EXPECT_EQ(host.events, (Events{"cursor: hourglass", "cursor: normal", "focus: gridPromene",
                                   "commands: enabled",
                                   "information: Nema razlika izmedju starog i novog stanja."}));
    EXPECT_EQ(main.dbPromene.rowCount(), 0u);
    EXPECT_EQ(main.dbRedosled.rowCount(), 39u);
    EXPECT_TRUE(main.commandsEnabled());
}

TEST_F(MainWorkflowTest, KeepsOnlyChangedRowsAcrossARunWithTheFocusInTheRankingGrid) {
    main.activePage = Page::Redosled;
    main.samoSaPromenama = true;
    main.checkPromena_Click();
    run(kOldSample, kNewSample);
    EXPECT_EQ(host.events.at(2), "focus: gridRedosled");
    EXPECT_EQ(main.grids.viewRedosled->DataController.RecordCount(), 20u);
    main.samoSaPromenama = false;
    main.checkPromena_Click();
    EXPECT_EQ(main.grids.viewRedosled->DataController.RecordCount(), 40u);
}

TEST_F(MainWorkflowTest, AFileRemovedBeforeTheReadLeavesBothTablesEmptyAndTheCursorNormal) {
    run(kOldSample, kNewSample);
    const auto gone = dir.write("gone.htm", registerPage({{"A", 1}}));
    main.editFile1 = gone;
    std::filesystem::remove(gone);
    host.events.clear();
    EXPECT_THROW(main.ShowPromene(), platform::EInOutError);
    EXPECT_EQ(host.events, (Events{"cursor: hourglass", "cursor: normal"}));
    EXPECT_EQ(main.dbPromene.rowCount(), 0u);
    EXPECT_EQ(main.dbRedosled.rowCount(), 0u);
    EXPECT_FALSE(main.dbPromene.ControlsDisabled());
    EXPECT_FALSE(main.dbRedosled.ControlsDisabled());
    EXPECT_TRUE(main.commandsEnabled());
}

// A page without a shareholder table is reported, not taken for "no differences".
TEST_F(MainWorkflowTest, ReportsAPageWithoutAShareholderTable) {
    const auto empty = dir.write("empty.htm",
                                 "<html>Stranica nije prona\xf0"
                                 "ena</html>");
    run(empty, empty);
    const std::string warning =
        "warning: Datoteka ne sadr\x9ei tabelu akcionara: " + empty.string();
    EXPECT_EQ(host.events, (Events{"cursor: hourglass", "cursor: normal", "focus: gridPromene",
                                   "commands: enabled", warning, warning}));
    host.events.clear();
    run(kOldSample, empty);
    EXPECT_EQ(host.events.back(), warning);
}

TEST_F(MainWorkflowTest, CopiesTheFirstTwelveRowsOfWhatTheGridShowsAndThenShowsAllAgain) {
    run(kOldSample, kNewSample);
    main.activePage = Page::Redosled;
    EXPECT_TRUE(main.kopirajPrvih12());
    EXPECT_EQ(lines(copy()), 13u);
    EXPECT_EQ(host.events.back(), "information: Informacije su iskopirane na clipboard.");
    EXPECT_EQ(main.grids.viewRedosled->DataController.RecordCount(), 40u);

    // Only changed rows: the first 12 of them, even with unchanged rows between them.
    main.samoSaPromenama = true;
    main.checkPromena_Click();
    const std::string changed = copy();
    EXPECT_EQ(lines(changed), 13u);
    EXPECT_EQ(changed.find("\t0\r\n"), std::string::npos);
    EXPECT_NE(changed.find("INVESTICIONA GRUPA SAVA"), std::string::npos);  // the 12th changed row
    EXPECT_EQ(changed.find("MILO\x8a"
                           "EVI\xc6 BRANKO"),
              std::string::npos);  // the 13th

    main.menuClipboard_SveClick();
    EXPECT_EQ(lines(copy()), 21u);
    main.samoSaPromenama = false;
    main.checkPromena_Click();
    EXPECT_EQ(lines(copy()), 41u);
}

TEST_F(MainWorkflowTest, CopiesExactTextWithZerosAndEmptyCells) {
    const auto oldFile = dir.write("old.htm", registerPage({{"A", 1234567}, {"B", 5}, {"C", 7}}));
    const auto newFile = dir.write("new.htm", registerPage({{"B", 5}, {"A", 1000}, {"N", 3}}));
    run(oldFile, newFile);
    EXPECT_EQ(copy(),
              "Akcionar\tStaro\tNovo\tRazlika\tAkcionar\tStaro\tNovo\tRazlika\r\n"
              "N\t\t3\t3\tA\t1.234.567\t1.000\t-1.233.567\r\n"
              "\t\t\t\tC\t7\t\t-7");
    main.activePage = Page::Redosled;
    EXPECT_EQ(copy(),
              "Stari red.br.\tNovi red.br.\tAkcionar\tStaro stanje\tNovo stanje\tRazlika\r\n"
              "2\t1\tB\t5\t5\t0\r\n"
              "1\t2\tA\t1.234.567\t1.000\t-1.233.567\r\n"
              "0\t3\tN\t0\t3\t3\r\n"
              "3\t0\tC\t7\t0\t-7");
    // Dragging "Akcionar" to the front moves it in the copy too.
    auto& view = *main.grids.viewRedosled;
    view.moveColumn(view.columnByFieldName("Name")->Index(), 0);
    EXPECT_TRUE(copy().starts_with("Akcionar\tStari red.br.\tNovi red.br.\t"));
}

TEST_F(MainWorkflowTest, RankingGridShowsZerosAsDashOrNothingAndColoursChangedRows) {
    const auto oldFile = dir.write("old.htm", registerPage({{"A", 10}, {"B", 5}, {"C", 7}}));
    const auto newFile = dir.write("new.htm", registerPage({{"B", 5}, {"A", 12}, {"N", 3}}));
    run(oldFile, newFile);
    auto& view = *main.grids.viewRedosled;
    auto shown = [&](const char* field, size_t row) {
        return view.columnByFieldName(field)->shownText(row);
    };
    EXPECT_EQ(shown("SharesDiff", 0), "");  // B unchanged
    EXPECT_EQ(shown("Num1", 2), "-");       // N is new
    EXPECT_EQ(shown("Shares1", 2), "-");
    EXPECT_EQ(shown("Num2", 3), "-");  // C left
    EXPECT_EQ(shown("Shares2", 3), "-");
    EXPECT_EQ(shown("SharesDiff", 3), "-7");

    auto colourOf = [&](size_t row, bool selected) {
        platform::grid::TcxCanvas canvas;
        canvas.FontColor = 0x123456;
        bool done = false;
        view.OnCustomDrawCell(view, canvas, {view.columnByFieldName("Name"), row, selected}, done);
        EXPECT_FALSE(done);
        return canvas.FontColor;
    };
    EXPECT_EQ(colourOf(0, false), 0x123456);
    EXPECT_EQ(colourOf(1, false), kTextGreenColor);
    EXPECT_EQ(colourOf(3, false), kTextRedColor);
    EXPECT_EQ(colourOf(3, true), 0x123456);
}

}  // namespace
}  // namespace workflow
