#pragma once
// The save dialog of the "Excel" command: the user confirms or changes the proposed
// workbook name and chooses whether the file is opened after saving. Enter confirms
// nothing; "&Ok" is the only way to confirm.

#include <QDialog>

class QCheckBox;
class QFileDialog;
class QLabel;
class QPushButton;
class QStatusBar;

namespace app {

class ButtonEdit;

class TformDlgFileSelect : public QDialog {
    Q_OBJECT

  public:
    explicit TformDlgFileSelect(QWidget* parent = nullptr);

    QLabel* labelTitle;
    ButtonEdit* editFile;
    QCheckBox* checkView;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QStatusBar* statusBar;
    QFileDialog* FileDialog;

    // Set only by "&Ok".
    bool Confirmed = false;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    bool FormKeyDown(QKeyEvent& key);
    void EditFileButtonClick();
    void Act_OkExecute();
    void Act_CancelExecute();
};

// Shows the dialog with `fileName` and `openAfter`; true when the user confirmed with
// "&Ok", and then both hold the user's choices. Otherwise both are left as they were.
bool SelectExcelFile(QString& fileName, bool& openAfter, QWidget* parent = nullptr);

}  // namespace app
