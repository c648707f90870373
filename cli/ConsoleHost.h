#pragma once
// The workflow's host for the command-line tool: messages are collected for the tool
// to report on standard error; there is no cursor, focus or dialog.

#include <optional>
#include <utility>
#include <vector>

#include "workflow/WorkflowHost.h"

namespace cli {

class ConsoleHost : public workflow::WorkflowHost {
  public:
    void showMessage(workflow::MessageKind kind, const std::string& text) override {
        messages.emplace_back(kind, text);
    }
    void setHourglassCursor(bool) override {}
    void setFocus(workflow::FocusTarget target) override { lastFocus = target; }
    void setCommandsEnabled(bool) override {}
    // The name given on the command line is the confirmed one; nothing is opened after.
    bool selectExcelFile(std::filesystem::path& fileName, bool& openAfter) override {
        if (!workbookName)
            return false;
        fileName = *workbookName;
        openAfter = false;
        return true;
    }
    void shellOpen(const std::filesystem::path&) override {}

    std::vector<std::pair<workflow::MessageKind, std::string>> messages;
    workflow::FocusTarget lastFocus = workflow::FocusTarget::EditFile1;
    std::optional<std::filesystem::path> workbookName;
};

}  // namespace cli
