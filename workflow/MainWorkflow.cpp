#include "workflow/MainWorkflow.h"

#include "compare/ResultTables.h"
#include "gridexport/cxExportGrid4Link.h"
#include "platform/CodePage.h"
#include "platform/InOutError.h"
#include "platform/ProgramFolder.h"
#include "workflow/Messages.h"

namespace workflow {

using platform::grid::TcxFilterOperatorKind;

namespace {

constexpr int kFirstRowsLimit = 12;

platform::TdxMemData& definedTable(platform::TdxMemData& table,
                                   void (*define)(platform::TdxMemData&)) {
    define(table);
    return table;
}

// Restores the cursor and the grids' notifications however the run ends.
class RunGuard {
  public:
    RunGuard(WorkflowHost& host, platform::TdxMemData& first, platform::TdxMemData& second)
        : host_(host), first_(first), second_(second) {}
    ~RunGuard() {
        first_.EnableControls();
        second_.EnableControls();
        host_.setHourglassCursor(false);
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

  private:
    WorkflowHost& host_;
    platform::TdxMemData& first_;
    platform::TdxMemData& second_;
};

}  // namespace

MainWorkflow::MainWorkflow(WorkflowHost& host)
    : grids(definedTable(dbPromene, compare::definePromeneTable),
            definedTable(dbRedosled, compare::defineRedosledTable)),
      host_(host) {}

void MainWorkflow::FormCreate() {
    commandsEnabled_ = false;
    host_.setCommandsEnabled(false);
}

void MainWorkflow::btnOkClick() {
    // Every emptiness check comes before the existence checks; the texts count as typed.
    if (editFile1.empty()) {
        host_.showMessage(MessageKind::Warning, messages::kNoFileChosen);
        host_.setFocus(FocusTarget::EditFile1);
        return;
    }
    if (editFile2.empty()) {
        host_.showMessage(MessageKind::Warning, messages::kNoFileChosen);
        host_.setFocus(FocusTarget::EditFile2);
        return;
    }
    if (!platform::fileExists(editFile1)) {
        host_.showMessage(MessageKind::Error, messages::kFileMissing);
        host_.setFocus(FocusTarget::EditFile1);
        return;
    }
    if (!platform::fileExists(editFile2)) {
        host_.showMessage(MessageKind::Error, messages::kFileMissing);
        host_.setFocus(FocusTarget::EditFile2);
        return;
    }
    ShowPromene();
}

void MainWorkflow::ShowPromene() {
    host_.setHourglassCursor(true);
    {
        dbPromene.emptyTable();
        dbPromene.DisableControls();
        dbRedosled.emptyTable();
        dbRedosled.DisableControls();
        RunGuard guard(host_, dbPromene, dbRedosled);
        lastRun_ = {};
        lastRun_ = compare::runComparison(editFile1, editFile2, dbPromene, dbRedosled);
        checkPromena_Click();
        dbRedosled.First();
    }
    host_.setFocus(activePage == Page::Promena ? FocusTarget::GridPromene
                                               : FocusTarget::GridRedosled);
    commandsEnabled_ = true;
    host_.setCommandsEnabled(true);
    reportRunResult();
}

void MainWorkflow::reportRunResult() {
    // A page without a shareholder table is reported as such: "no differences" would
    // claim that nothing changed.
    bool missingTable = false;
    for (const auto& [count, file] :
         {std::pair{lastRun_.oldHolders, &editFile1}, std::pair{lastRun_.newHolders, &editFile2}}) {
        if (count == 0) {
            host_.showMessage(MessageKind::Warning, messages::kNoShareholderTable +
                                                        platform::utf8ToCp1250(file->string()));
            missingTable = true;
        }
    }
    if (!missingTable && dbPromene.rowCount() == 0) {
        host_.showMessage(MessageKind::Information, messages::kNoDifferences);
    }
}

void MainWorkflow::checkPromena_Click() {
    dbRedosled.setFiltered(samoSaPromenama);
}

void MainWorkflow::restrictToFirstTwelve(platform::grid::TcxCustomGridTableView& view,
                                         const char* rowNumberField) {
    if (!firstTwelve_)
        return;
    auto& filter = view.DataController.Filter;
    filter.BeginUpdate();
    filter.Root.Clear();
    filter.Root.AddItem(view.columnByFieldName(rowNumberField), TcxFilterOperatorKind::foLessEqual,
                        std::int64_t{kFirstRowsLimit}, "");
    filter.EndUpdate();
    filter.setActive(true);
}

void MainWorkflow::liftRestriction(platform::grid::TcxCustomGridTableView& view) {
    if (firstTwelve_)
        view.DataController.Filter.setActive(false);
}

void MainWorkflow::SetFilterPromene() {
    restrictToFirstTwelve(*grids.viewPromene, "RecNumber");
}
void MainWorkflow::ClearFilterPromene() {
    liftRestriction(*grids.viewPromene);
}
void MainWorkflow::SetFilterRedosled() {
    restrictToFirstTwelve(*grids.viewRedosled, samoSaPromenama ? "RecNumDiff" : "RecNumber");
}
void MainWorkflow::ClearFilterRedosled() {
    liftRestriction(*grids.viewRedosled);
}

void MainWorkflow::withPageRestricted(
    const std::function<void(platform::grid::TcxGrid&, platform::grid::TcxCustomGridTableView&)>&
        action) {
    const bool promena = activePage == Page::Promena;
    auto& grid = promena ? grids.gridPromene : grids.gridRedosled;
    platform::grid::TcxCustomGridTableView& view =
        promena ? static_cast<platform::grid::TcxCustomGridTableView&>(*grids.viewPromene)
                : *grids.viewRedosled;
    if (promena) {
        SetFilterPromene();
    } else {
        SetFilterRedosled();
    }
    // The restriction is lifted however the command ends.
    struct Lift {
        MainWorkflow& self;
        bool promena;
        ~Lift() {
            if (promena) {
                self.ClearFilterPromene();
            } else {
                self.ClearFilterRedosled();
            }
        }
    } lift{*this, promena};
    action(grid, view);
}

void MainWorkflow::btnClipboardClick() {
    withPageRestricted([](platform::grid::TcxGrid&, platform::grid::TcxCustomGridTableView& view) {
        view.CopyViewToClipboard(true);
    });
    host_.showMessage(MessageKind::Information, messages::kCopiedToClipboard);
}

std::optional<std::filesystem::path> MainWorkflow::btnExcelClick() {
    bool openAfter = true;
    std::filesystem::path fileName =
        platform::programFolder() / (activePage == Page::Promena
                                         ? messages::kDefaultPromeneWorkbook
                                         : messages::kDefaultRedosledWorkbook);
    if (!host_.selectExcelFile(fileName, openAfter))
        return std::nullopt;
    // An empty name would make a workbook called ".xls" in the current folder.
    if (fileName.empty()) {
        host_.showMessage(MessageKind::Warning, messages::kNoFileChosen);
        return std::nullopt;
    }
    const std::string nativeName = fileName.string();
    const std::string programName = platform::utf8ToCp1250(nativeName);
    // A name the program's code page cannot write would be saved under another name.
    if (platform::cp1250ToUtf8(programName) != nativeName) {
        throw cx::EcxGridExport(
            cx::GridExportMessage(cx::TcxGridExportMessage::CantCreateExportOutputFile));
    }
    // The workbook is written under the name with its extension made ".xls".
    const std::filesystem::path written = cx::ChangeFileExtension(nativeName, "xls");
    withPageRestricted([&](platform::grid::TcxGrid& grid, platform::grid::TcxCustomGridTableView&) {
        cx::ExportGridToXls(programName, &grid, true, true, true, "xls");
        if (openAfter)
            host_.shellOpen(written);
    });
    return written;
}

}  // namespace workflow
