#include "app/dlg_FileSelect.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/AnchoredPanel.h"
#include "app/ButtonEdit.h"
#include "app/FormSupport.h"
#include "app/Icons.h"
#include "platform/qt/QtText.h"

namespace app {

namespace {

using platform::qt::toQString;

constexpr QSize kClientSize{464, 172};
constexpr int kStatusBarHeight = 19;

QPushButton* commandButton(const char* caption, const char* hint, const char* icon) {
    auto* button = new QPushButton(toQString(caption));
    button->setToolTip(toQString(hint));
    button->setIcon(glyph(icon));
    // Neither button is the window's default: Enter presses neither.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

TformDlgFileSelect::TformDlgFileSelect(QWidget* parent) : QDialog(parent) {
    setObjectName("formDlgFileSelect");
    setWindowTitle(QString());
    setFont(formFont("Tahoma", 12));
    resize(kClientSize);

    auto* client = new AnchoredPanel(kClientSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);

    labelTitle = new QLabel(toQString("Snimanje dokumenta u Microsoft Excel formatu (*.xls):"));
    client->place(labelTitle, {24, 22, 417, 16});
    editFile = new ButtonEdit;
    editFile->setObjectName("editFile");
    client->place(editFile, {24, 40, 417, 21});
    checkView = new QCheckBox(toQString("Pregled dokumenta u Excel-u posle snimanja"));
    checkView->setObjectName("checkView");
    client->place(checkView, {24, 72, 417, 17});
    btnOk = commandButton("&Ok", "Create Excel file", "ok");
    btnOk->setObjectName("btnOk");
    client->place(btnOk, {248, 112, 89, 29}, akRight | akBottom);
    btnCancel = commandButton("&Cancel", "Cancel", "cancel");
    btnCancel->setObjectName("btnCancel");
    client->place(btnCancel, {352, 112, 89, 29}, akRight | akBottom);
    statusBar = new QStatusBar;
    client->place(
        statusBar,
        {0, kClientSize.height() - kStatusBarHeight, kClientSize.width(), kStatusBarHeight},
        akLeft | akRight | akBottom);

    FileDialog = new QFileDialog(this);
    FileDialog->setOption(QFileDialog::DontUseNativeDialog);
    FileDialog->setFileMode(QFileDialog::AnyFile);  // a new name is accepted
    FileDialog->setAcceptMode(QFileDialog::AcceptOpen);
    FileDialog->setNameFilter(toQString("Excel dokumenti (*.xls)"));

    connect(btnOk, &QPushButton::clicked, this, [this] { Act_OkExecute(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { Act_CancelExecute(); });
    editFile->onButtonClick = [this] { EditFileButtonClick(); };
    setTabOrder(editFile, checkView);
    setTabOrder(checkView, btnOk);
    setTabOrder(btnOk, btnCancel);

    FormCreate();
}

void TformDlgFileSelect::FormCreate() {
    // The form sees key presses before its controls.
    new KeyPreview(*this, [this](QKeyEvent& key) { return FormKeyDown(key); });
    FileDialog->setDirectory(QCoreApplication::applicationDirPath());
    Confirmed = false;
}

void TformDlgFileSelect::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    editFile->setFocus();
}

bool TformDlgFileSelect::FormKeyDown(QKeyEvent& key) {
    return closeOnEscape(*this, key);
}

void TformDlgFileSelect::EditFileButtonClick() {
    if (FileDialog->exec() == QDialog::Accepted && !FileDialog->selectedFiles().isEmpty())
        editFile->setText(QDir::toNativeSeparators(FileDialog->selectedFiles().front()));
}

void TformDlgFileSelect::Act_OkExecute() {
    Confirmed = true;
    close();
}

void TformDlgFileSelect::Act_CancelExecute() {
    close();
}

bool SelectExcelFile(QString& fileName, bool& openAfter, QWidget* parent) {
    TformDlgFileSelect form(parent);
    form.editFile->setText(fileName);
    form.checkView->setChecked(openAfter);
    form.exec();
    form.hide();
    if (form.Confirmed) {
        fileName = form.editFile->text();
        openAfter = form.checkView->isChecked();
    }
    return form.Confirmed;
}

}  // namespace app
