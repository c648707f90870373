#pragma once
// What the main window's workflow asks of the window around it: modal messages, the
// cursor, the focus, the command buttons, the save dialog and the shell. The Qt window
// implements it; the command-line tool and the tests drive the workflow through their own.

#include <filesystem>
#include <string>

namespace workflow {

enum class MessageKind { Warning, Error, Information };

enum class FocusTarget { EditFile1, EditFile2, GridPromene, GridRedosled };

class WorkflowHost {
  public:
    virtual ~WorkflowHost() = default;

    // A modal message box with a single "OK" button; `text` is Windows-1250.
    virtual void showMessage(MessageKind kind, const std::string& text) = 0;
    // The application-wide hourglass cursor on or off.
    virtual void setHourglassCursor(bool busy) = 0;
    virtual void setFocus(FocusTarget target) = 0;
    // Enables or disables "Excel" and "Clipboard".
    virtual void setCommandsEnabled(bool enabled) = 0;
    // The save dialog: true when the user confirmed; then `fileName` and `openAfter`
    // hold the user's choices, otherwise they are left as they were.
    virtual bool selectExcelFile(std::filesystem::path& fileName, bool& openAfter) = 0;
    // Asks the desktop to open a file with its default program; the result is not checked.
    virtual void shellOpen(const std::filesystem::path& file) = 0;
};

}  // namespace workflow
