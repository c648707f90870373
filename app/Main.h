#pragma once
// The main window: two register pages chosen at the top, the two result grids on two
// pages in the middle, the commands at the bottom. The checks, the comparison run and
// the commands are the workflow's; the window mirrors its controls into the workflow and
// shows what the workflow asks for (messages, cursor, focus, enabled commands, the save
// dialog, the shell).

#include <QMainWindow>
#include <functional>
#include <memory>

#include "workflow/MainWorkflow.h"

class QActionGroup;
class QFileDialog;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace platform::qt {
class GridControl;
}

namespace app {

class ButtonEdit;

class TformMain : public QMainWindow, public workflow::WorkflowHost {
    Q_OBJECT

  public:
    explicit TformMain(QWidget* parent = nullptr);
    ~TformMain() override;
    TformMain(const TformMain&) = delete;
    TformMain& operator=(const TformMain&) = delete;

    workflow::MainWorkflow& workflow() { return workflow_; }

    // How a modal message is shown; the default is a message box with one "OK" button.
    // Tests install a presenter that records the message instead of waiting for a click.
    using MessagePresenter = std::function<void(workflow::MessageKind kind, const QString& text)>;
    void setMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }

    // WorkflowHost
    void showMessage(workflow::MessageKind kind, const std::string& text) override;
    void setHourglassCursor(bool busy) override;
    using QWidget::setFocus;
    void setFocus(workflow::FocusTarget target) override;
    void setCommandsEnabled(bool enabled) override;
    bool selectExcelFile(std::filesystem::path& fileName, bool& openAfter) override;
    void shellOpen(const std::filesystem::path& file) override;

    // Controls
    QLabel* labelSelect;
    ButtonEdit* editFile1;
    ButtonEdit* editFile2;
    QFileDialog* dlgFile;
    QPushButton* btnOk;
    QPushButton* btnAbout;
    QTabWidget* pages;
    QWidget* tabPromena;
    QWidget* tabRedosled;
    platform::qt::GridControl* gridPromene;
    platform::qt::GridControl* gridRedosled;
    QRadioButton* checkPregled;  // "Pregled svih"
    QRadioButton* checkPromena;  // "Samo sa promenama"
    QPushButton* btnWeb;
    QToolButton* btnExcel;
    QToolButton* btnClipboard;
    QPushButton* btnClose;
    QMenu* menuClipboard;
    QAction* menuClipboard_Top;
    QAction* menuClipboard_Sve;
    QLabel* statusVersion;
    QLabel* statusNotice;

    // Handlers
    void editFile_ButtonClick(ButtonEdit& field);
    void editFile_DblClick(ButtonEdit& field);
    void btnOkClick();
    void btnWebClick();
    void btnAboutClick();
    void btnCloseClick();
    void btnExcelClick();
    void btnClipboardClick();
    void menuClipboard_TopClick();
    void menuClipboard_SveClick();
    void checkPromena_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* createTopStrip();
    QWidget* createPages();
    QWidget* createBottomStrip();
    void createStatusBar();
    void FormCreate();
    // Runs a command; an error it does not handle goes to the application's error report,
    // after which the window waits for the user again.
    void runCommand(const std::function<void()>& command);
    void showErrorReport(const QString& text);
    void syncGrids();

    workflow::MainWorkflow workflow_;
    MessagePresenter presenter_;
    QString lastChosenFile_;
    int hourglassDepth_ = 0;
    bool centred_ = false;
};

}  // namespace app
