#pragma once
// The main window's workflow without any widget: the checks of "Prikaži promene", the
// comparison run, the switch "Samo sa promenama", the shared first-12 choice and the
// "Clipboard" command. It owns the two result tables and the grids that show them.

#include <filesystem>
#include <functional>
#include <optional>

#include "compare/ComparisonRun.h"
#include "platform/MemData.h"
#include "workflow/ResultGrids.h"
#include "workflow/WorkflowHost.h"

namespace workflow {

enum class Page { Promena = 0, Redosled = 1 };

class MainWorkflow {
  public:
    explicit MainWorkflow(WorkflowHost& host);
    MainWorkflow(const MainWorkflow&) = delete;
    MainWorkflow& operator=(const MainWorkflow&) = delete;

    // The state of the window's controls, kept by the window as the user changes them.
    std::filesystem::path editFile1;  // "Staro stanje"
    std::filesystem::path editFile2;  // "Novo stanje"
    Page activePage = Page::Promena;
    bool samoSaPromenama = false;  // the radio button "Samo sa promenama" is checked
    bool kopirajPrvih12() const { return firstTwelve_; }
    bool commandsEnabled() const { return commandsEnabled_; }

    // Window creation: the commands are disabled until the first comparison run.
    void FormCreate();
    // "Prikaži promene": checks both fields, then runs the comparison.
    void btnOkClick();
    // The comparison run. A read failure passes on (after the cursor and the grids are
    // restored and both tables are left empty).
    void ShowPromene();
    // "Pregled svih" / "Samo sa promenama": applies samoSaPromenama to dbRedosled.
    void checkPromena_Click();
    void menuClipboard_TopClick() { firstTwelve_ = true; }
    void menuClipboard_SveClick() { firstTwelve_ = false; }
    void btnClipboardClick();
    // "Excel": proposes the default name in the program's folder, lets the user confirm
    // it, saves the grid of the active page (first 12 rows when chosen) and has the desktop
    // open the workbook written when asked to. Export errors pass on, the restriction lifted.
    // Returns the workbook written; nothing when the user cancelled or named no file.
    std::optional<std::filesystem::path> btnExcelClick();

    // The first-12 restriction of a view, in force only while "Kopiraj prvih 12" is checked.
    void SetFilterPromene();
    void ClearFilterPromene();
    void SetFilterRedosled();
    void ClearFilterRedosled();

    platform::TdxMemData dbPromene;
    platform::TdxMemData dbRedosled;
    ResultGrids grids;

    // The holder counts of the last comparison run.
    const compare::ComparisonSummary& lastRun() const { return lastRun_; }

    WorkflowHost& host() { return host_; }

  private:
    void restrictToFirstTwelve(platform::grid::TcxCustomGridTableView& view,
                               const char* rowNumberField);
    void liftRestriction(platform::grid::TcxCustomGridTableView& view);
    void reportRunResult();
    // Runs `action` on the grid and view of the active page with the first-12 restriction
    // applied (when chosen), and lifts it again afterwards, also when `action` throws.
    void withPageRestricted(
        const std::function<void(platform::grid::TcxGrid&,
                                 platform::grid::TcxCustomGridTableView&)>& action);

    WorkflowHost& host_;
    bool firstTwelve_ = true;
    bool commandsEnabled_ = false;
    compare::ComparisonSummary lastRun_;
};

}  // namespace workflow
