#pragma once
// A workflow host that records what the workflow asked of the window, in order.

#include <optional>
#include <string>
#include <vector>

#include "workflow/WorkflowHost.h"

namespace test {

class RecordingHost : public workflow::WorkflowHost {
  public:
    void showMessage(workflow::MessageKind kind, const std::string& text) override {
        const char* prefix = kind == workflow::MessageKind::Warning ? "warning: "
                             : kind == workflow::MessageKind::Error ? "error: "
                                                                    : "information: ";
        events.push_back(prefix + text);
    }
    void setHourglassCursor(bool busy) override {
        events.push_back(busy ? "cursor: hourglass" : "cursor: normal");
        hourglass = busy;
    }
    void setFocus(workflow::FocusTarget target) override {
        static const char* names[] = {"editFile1", "editFile2", "gridPromene", "gridRedosled"};
        events.push_back(std::string("focus: ") + names[static_cast<int>(target)]);
    }
    void setCommandsEnabled(bool enabled) override {
        events.push_back(enabled ? "commands: enabled" : "commands: disabled");
    }
    bool selectExcelFile(std::filesystem::path& fileName, bool& openAfter) override {
        events.push_back("save dialog: " + fileName.string());
        if (!confirmSave)
            return false;
        if (savedName)
            fileName = *savedName;
        openAfter = openAfterSave;
        return true;
    }
    void shellOpen(const std::filesystem::path& file) override {
        events.push_back("shell open: " + file.string());
    }

    std::vector<std::string> events;
    bool hourglass = false;
    bool confirmSave = true;
    bool openAfterSave = true;
    std::optional<std::filesystem::path> savedName;  // what the user typed, if anything
};

}  // namespace test
