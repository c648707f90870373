#include "app/Main.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/About.h"
#include "app/AnchoredPanel.h"
#include "app/ButtonEdit.h"
#include "app/FormSupport.h"
#include "app/Icons.h"
#include "app/LinkLabel.h"
#include "app/MakerInfo.h"
#include "app/dlg_FileSelect.h"
#include "platform/qt/GridControl.h"
#include "platform/qt/QtText.h"
#include "platform/qt/Shell.h"

namespace app {

namespace {

using platform::qt::toQString;

constexpr QSize kClientSize{784, 492};  // an outer size of 800 x 528
constexpr QSize kSmallestClientSize{384, 204};
constexpr int kTopStripHeight = 125;
constexpr int kBottomStripHeight = 48;
constexpr QSize kTabSize{224, 28};
constexpr int kRadioStripHeight = 21;
constexpr int kStatusVersionWidth = 112;

const char* const kCaption = "Stanjomer v1.10 - Promene akcionara u Centralnom Registru HoV";
const char* const kApplicationTitle = "Stanjomer";

// The page control's tabs all have one size.
class PageTabBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    QSize tabSizeHint(int) const override { return kTabSize; }
};

class PageControl : public QTabWidget {
  public:
    explicit PageControl(QWidget* parent = nullptr) : QTabWidget(parent) {
        setTabBar(new PageTabBar(this));
        setIconSize({16, 16});
    }
};

std::filesystem::path toPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The folder part of a name: everything up to and including its last separator or drive colon.
QString folderPart(const QString& name) {
    const qsizetype end =
        std::max({name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char(':')),
                  name.lastIndexOf(QLatin1Char('/'))});
    return end < 0 ? QString() : name.left(end + 1);
}

QPushButton* button(const QString& caption, const char* hint, const char* icon) {
    auto* result = new QPushButton(caption);
    result->setToolTip(toQString(hint));
    result->setIcon(glyph(icon));
    return result;
}

// A button with its glyph beside its caption.
QToolButton* toolButton(const char* caption, const char* hint, const char* icon) {
    auto* result = new QToolButton;
    result->setText(toQString(caption));
    result->setToolTip(toQString(hint));
    result->setIcon(glyph(icon));
    result->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return result;
}

// "Excel" and "Clipboard": the main part runs the command, the arrow opens the menu.
QToolButton* dropDownButton(const char* caption, const char* hint, const char* icon, QMenu* menu) {
    QToolButton* result = toolButton(caption, hint, icon);
    result->setPopupMode(QToolButton::MenuButtonPopup);
    result->setMenu(menu);
    return result;
}

}  // namespace

TformMain::TformMain(QWidget* parent) : QMainWindow(parent), workflow_(*this) {
    setObjectName("formMain");
    setWindowTitle(toQString(kCaption));
    setWindowIcon(programIcon());
    setFont(formFont("Tahoma", 12));
    resize(kClientSize);
    setMinimumSize(kSmallestClientSize);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createTopStrip());
    layout->addWidget(createPages(), 1);
    layout->addWidget(createBottomStrip());
    setCentralWidget(central);
    createStatusBar();

    QWidget* tabOrder[] = {editFile1,   editFile2,    btnOk,        btnAbout,     pages,
                           gridPromene, checkPregled, checkPromena, gridRedosled, btnWeb,
                           btnExcel,    btnClipboard, btnClose};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    FormCreate();
    editFile1->setFocus();
}

TformMain::~TformMain() {
    // The grids listen to the workflow's tables: they go before the tables do.
    delete gridPromene;
    delete gridRedosled;
    while (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

QWidget* TformMain::createTopStrip() {
    auto* strip = new AnchoredPanel({kClientSize.width(), kTopStripHeight});
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setFixedHeight(kTopStripHeight);

    labelSelect =
        new QLabel(toQString(std::string("Izaberite datoteke za pore\xf0"
                                         "enje (*.htm snimljene sa strane ") +
                             '"' + "Jedinstvena evidencija akcionara" + '"' + " na CRHoV):"));
    strip->place(labelSelect, {24, 8, 665, 15});
    strip->place(new QLabel(toQString("Staro stanje")), {24, 28, 70, 15});
    editFile1 = new ButtonEdit;
    editFile1->setObjectName("editFile1");
    strip->place(editFile1, {96, 24, 665, 21}, akLeft | akTop | akRight);
    strip->place(new QLabel(toQString("Novo stanje")), {24, 52, 70, 15});
    editFile2 = new ButtonEdit;
    editFile2->setObjectName("editFile2");
    strip->place(editFile2, {96, 48, 665, 21}, akLeft | akTop | akRight);

    btnOk = button(toQString("Prika\x9ei promene"), "Obrada podataka i prikaz promena", "compare");
    btnOk->setObjectName("btnOk");
    strip->place(btnOk, {96, 80, 129, 29});
    btnAbout = button(toQString("O programu"), "Informacije o programu", "about");
    btnAbout->setObjectName("btnAbout");
    strip->place(btnAbout, {656, 80, 105, 29}, akTop | akRight);

    for (ButtonEdit* field : {editFile1, editFile2}) {
        field->onButtonClick = [this, field] { editFile_ButtonClick(*field); };
        field->onDblClick = [this, field] { editFile_DblClick(*field); };
    }
    connect(editFile1, &QLineEdit::textChanged, this,
            [this](const QString& text) { workflow_.editFile1 = toPath(text); });
    connect(editFile2, &QLineEdit::textChanged, this,
            [this](const QString& text) { workflow_.editFile2 = toPath(text); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnAbout, &QPushButton::clicked, this, [this] { btnAboutClick(); });

    // One open-file dialog for both fields, for the window's lifetime.
    dlgFile = new QFileDialog(this);
    dlgFile->setOption(QFileDialog::DontUseNativeDialog);
    // The pattern in the last parentheses is the mask; the text before it is what the
    // list shows. The second entry's text names *.htm while its mask is *.html.
    dlgFile->setOption(QFileDialog::HideNameFilterDetails);
    dlgFile->setNameFilters({toQString("HTM datoteke (*.htm) (*.htm)"),
                             toQString("HTML datoteke (*.htm) (*.html)"),
                             toQString("Sve datoteke (*.*) (*)")});
    dlgFile->setFileMode(QFileDialog::AnyFile);  // existence is checked by "Prikaži promene"
    dlgFile->setAcceptMode(QFileDialog::AcceptOpen);
    return strip;
}

QWidget* TformMain::createPages() {
    pages = new PageControl;
    pages->setObjectName("pages");
    auto& grids = workflow_.grids;

    tabPromena = new QWidget;
    tabPromena->setObjectName("tabPromena");
    gridPromene = new platform::qt::GridControl(grids.gridPromene);
    auto* promenaLayout = new QVBoxLayout(tabPromena);
    promenaLayout->setContentsMargins(2, 2, 2, 2);
    promenaLayout->addWidget(gridPromene);

    tabRedosled = new QWidget;
    tabRedosled->setObjectName("tabRedosled");
    auto* radioStrip = new QWidget;
    radioStrip->setFixedHeight(kRadioStripHeight);
    checkPregled = new QRadioButton(toQString("Pregled svih"), radioStrip);
    checkPregled->setObjectName("checkPregled");
    checkPregled->move(208, 2);
    checkPregled->adjustSize();
    checkPromena = new QRadioButton(toQString("Samo sa promenama"), radioStrip);
    checkPromena->setObjectName("checkPromena");
    checkPromena->move(304, 2);
    checkPromena->adjustSize();
    checkPregled->setChecked(true);
    gridRedosled = new platform::qt::GridControl(grids.gridRedosled);
    auto* redosledLayout = new QVBoxLayout(tabRedosled);
    redosledLayout->setContentsMargins(2, 0, 2, 2);
    redosledLayout->setSpacing(0);
    redosledLayout->addWidget(radioStrip);
    redosledLayout->addWidget(gridRedosled);

    pages->addTab(tabPromena, glyph("promena"), toQString("Promena broja akcija"));
    pages->addTab(tabRedosled, glyph("redosled"), toQString("Promena redosleda"));
    pages->setCurrentIndex(0);

    connect(pages, &QTabWidget::currentChanged, this, [this](int index) {
        workflow_.activePage = index == 0 ? workflow::Page::Promena : workflow::Page::Redosled;
    });
    connect(checkPromena, &QRadioButton::toggled, this, [this] { checkPromena_Click(); });
    return pages;
}

QWidget* TformMain::createBottomStrip() {
    auto* strip = new AnchoredPanel({kClientSize.width(), kBottomStripHeight});
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setFixedHeight(kBottomStripHeight);

    menuClipboard = new QMenu(this);
    menuClipboard->setObjectName("menuClipboard");
    auto* choice = new QActionGroup(menuClipboard);
    choice->setExclusive(true);
    menuClipboard_Top = menuClipboard->addAction(toQString("Kopiraj prvih 12"));
    menuClipboard_Sve = menuClipboard->addAction(toQString("Kopiraj sve"));
    for (QAction* item : {menuClipboard_Top, menuClipboard_Sve}) {
        item->setCheckable(true);
        choice->addAction(item);
    }
    menuClipboard_Top->setChecked(true);
    connect(menuClipboard_Top, &QAction::triggered, this, [this] { menuClipboard_TopClick(); });
    connect(menuClipboard_Sve, &QAction::triggered, this, [this] { menuClipboard_SveClick(); });

    // The web button's caption, an address, is its glyph.
    btnWeb = new LinkButton(toQString(maker::kWebHost));
    btnWeb->setToolTip(toQString(maker::kWebHost));
    btnWeb->setObjectName("btnWeb");
    strip->place(btnWeb, {24, 8, 105, 29});
    btnExcel = dropDownButton("Excel", "Snimanje u Excel dokument", "excel", menuClipboard);
    btnExcel->setObjectName("btnExcel");
    strip->place(btnExcel, {152, 8, 105, 29});
    btnClipboard =
        dropDownButton("Clipboard", "Kopiranje na Clipboard", "clipboard", menuClipboard);
    btnClipboard->setObjectName("btnClipboard");
    strip->place(btnClipboard, {280, 8, 105, 29});
    btnClose = button(toQString("Zatvori"), "Zatvaranje programa", "close");
    btnClose->setObjectName("btnClose");
    strip->place(btnClose, {656, 8, 105, 29}, akTop | akRight);

    connect(btnWeb, &QPushButton::clicked, this, [this] { btnWebClick(); });
    connect(btnExcel, &QToolButton::clicked, this, [this] { btnExcelClick(); });
    connect(btnClipboard, &QToolButton::clicked, this, [this] { btnClipboardClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    return strip;
}

void TformMain::createStatusBar() {
    statusVersion = new QLabel(toQString("Stanjomer v1.10"));
    statusVersion->setObjectName("statusVersion");
    statusVersion->setAlignment(Qt::AlignCenter);
    statusVersion->setFixedWidth(kStatusVersionWidth);
    statusNotice = new QLabel(toQString(maker::kNotice));
    statusNotice->setObjectName("statusNotice");
    statusBar()->addWidget(statusVersion);
    statusBar()->addWidget(statusNotice, 1);
}

void TformMain::FormCreate() {
    QFont underlined = btnWeb->font();
    underlined.setUnderline(true);
    btnWeb->setFont(underlined);
    QPalette blue = btnWeb->palette();
    blue.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    btnWeb->setPalette(blue);
    workflow_.FormCreate();
}

void TformMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        centreOnScreen(*this);
    }
}

// ---- workflow host ----

void TformMain::showMessage(workflow::MessageKind kind, const std::string& text) {
    const QString message = toQString(text);
    if (presenter_) {
        presenter_(kind, message);
        return;
    }
    const QMessageBox::Icon icon = kind == workflow::MessageKind::Warning ? QMessageBox::Warning
                                   : kind == workflow::MessageKind::Error
                                       ? QMessageBox::Critical
                                       : QMessageBox::Information;
    QMessageBox box(icon, toQString(kApplicationTitle), message, QMessageBox::Ok, this);
    box.exec();
}

void TformMain::setHourglassCursor(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++hourglassDepth_;
    } else if (hourglassDepth_ > 0) {
        QApplication::restoreOverrideCursor();
        --hourglassDepth_;
    }
}

void TformMain::setFocus(workflow::FocusTarget target) {
    QWidget* widgets[] = {editFile1, editFile2, gridPromene, gridRedosled};
    widgets[static_cast<int>(target)]->setFocus(Qt::OtherFocusReason);
}

void TformMain::setCommandsEnabled(bool enabled) {
    btnExcel->setEnabled(enabled);
    btnClipboard->setEnabled(enabled);
}

bool TformMain::selectExcelFile(std::filesystem::path& fileName, bool& openAfter) {
    QString name = fromPath(fileName);
    if (!SelectExcelFile(name, openAfter, this))
        return false;
    fileName = toPath(name);
    return true;
}

void TformMain::shellOpen(const std::filesystem::path& file) {
    platform::qt::shellOpen(QUrl::fromLocalFile(fromPath(file)));
}

// ---- handlers ----

void TformMain::editFile_ButtonClick(ButtonEdit& field) {
    // Until a file is chosen the dialog opens in the field's folder (the program's folder
    // for an empty field or a bare name); afterwards it offers the last file chosen.
    if (lastChosenFile_.isEmpty()) {
        QString folder = folderPart(field.text());
        if (folder.isEmpty())
            folder = QCoreApplication::applicationDirPath();
        dlgFile->setDirectory(folder);
        dlgFile->selectFile(QString());
    } else {
        dlgFile->setDirectory(QFileInfo(lastChosenFile_).absolutePath());
        dlgFile->selectFile(lastChosenFile_);
    }
    if (dlgFile->exec() != QDialog::Accepted || dlgFile->selectedFiles().isEmpty())
        return;
    lastChosenFile_ = dlgFile->selectedFiles().front();
    field.setText(QDir::toNativeSeparators(lastChosenFile_));
}

void TformMain::editFile_DblClick(ButtonEdit& field) {
    editFile_ButtonClick(field);
}

void TformMain::btnOkClick() {
    runCommand([this] { workflow_.btnOkClick(); });
}

void TformMain::btnWebClick() {
    platform::qt::shellOpen(QUrl(QString::fromLatin1(maker::kWebAddress)));
}

void TformMain::btnAboutClick() {
    TformAbout about(this);
    about.exec();
    about.hide();
}

void TformMain::btnCloseClick() {
    close();
}

void TformMain::btnExcelClick() {
    runCommand([this] { workflow_.btnExcelClick(); });
}

void TformMain::btnClipboardClick() {
    runCommand([this] { workflow_.btnClipboardClick(); });
}

void TformMain::menuClipboard_TopClick() {
    menuClipboard_Top->setChecked(true);
    workflow_.menuClipboard_TopClick();
}

void TformMain::menuClipboard_SveClick() {
    menuClipboard_Sve->setChecked(true);
    workflow_.menuClipboard_SveClick();
}

void TformMain::checkPromena_Click() {
    workflow_.samoSaPromenama = checkPromena->isChecked();
    runCommand([this] { workflow_.checkPromena_Click(); });
}

// ---- commands ----

void TformMain::runCommand(const std::function<void()>& command) {
    QString error;
    try {
        command();
    } catch (const std::exception& failure) {
        error = toQString(failure.what());
    } catch (...) {
        error = toQString("Unknown error");
    }
    syncGrids();
    if (!error.isNull())
        showErrorReport(error);
}

void TformMain::showErrorReport(const QString& text) {
    if (presenter_) {
        presenter_(workflow::MessageKind::Error, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, toQString(kApplicationTitle), text, QMessageBox::Ok,
                    this);
    box.exec();
}

void TformMain::syncGrids() {
    gridPromene->syncWithView();
    gridRedosled->syncWithView();
}

}  // namespace app
