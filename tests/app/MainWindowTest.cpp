// The main window on the offscreen platform: layout and texts, the checks of
// "Prikaži promene" and where the focus goes, the comparison run, "Excel" and "Clipboard"
// with the shared first-12 choice, the error report, and the screenshots for review.

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <fstream>

#include "AppTestSupport.h"
#include "app/ButtonEdit.h"
#include "app/Main.h"
#include "app/dlg_FileSelect.h"
#include "platform/Clipboard.h"
#include "platform/ProgramFolder.h"
#include "platform/RegionalSettings.h"
#include "platform/qt/GridControl.h"
#include "platform/qt/GridTableModel.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/Shell.h"
#include "tests/TempDir.h"

using app::TformDlgFileSelect;
using app::TformMain;
using workflow::MessageKind;

namespace {

QString str(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The main window with its messages recorded instead of shown, and the shell recorded.
class Form : public TformMain {
  public:
    Form() {
        setMessagePresenter([this](MessageKind kind, const QString& text) {
            const char* prefix = kind == MessageKind::Warning ? "warning: "
                                 : kind == MessageKind::Error ? "error: "
                                                              : "information: ";
            messages << QString::fromLatin1(prefix) + text;
            cursorDuringMessages << (QApplication::overrideCursor() != nullptr);
            focusAtMessage << QApplication::focusWidget();
        });
        platform::qt::setShellOpener([this](const QUrl& url) {
            opened << url;
            auto& view = *workflow().grids.viewPromene;
            rowsWhenOpened << static_cast<int>(
                (workflow().activePage == workflow::Page::Promena
                     ? static_cast<platform::grid::TcxCustomGridTableView&>(view)
                     : *workflow().grids.viewRedosled)
                    .DataController.RecordCount());
        });
    }
    ~Form() override { platform::qt::setShellOpener({}); }

    void setHourglassCursor(bool busy) override {
        // A file removed between the checks and the reading.
        if (busy && !removeWhenBusy.empty())
            std::filesystem::remove(removeWhenBusy);
        cursorLog << busy;
        TformMain::setHourglassCursor(busy);
    }

    void showAndActivate() {
        show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
    void compare(const std::filesystem::path& oldFile, const std::filesystem::path& newFile) {
        editFile1->setText(str(oldFile));
        editFile2->setText(str(newFile));
        QTest::mouseClick(btnOk, Qt::LeftButton);
    }

    QStringList messages;
    QList<bool> cursorDuringMessages;
    QList<QWidget*> focusAtMessage;
    QList<bool> cursorLog;
    QList<QUrl> opened;
    QList<int> rowsWhenOpened;
    std::filesystem::path removeWhenBusy;
};

int lineCount(const QString& text) {
    return text.isEmpty() ? 0 : static_cast<int>(text.count('\n')) + 1;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        apptest::startUp();
        platform::setThousandsSeparator(".");
        platform::setClipboardBackend(&clipboard_);
    }
    void cleanupTestCase() { platform::setClipboardBackend(nullptr); }

    void layoutTextsAndStartState() {
        Form form;
        form.showAndActivate();
        QCOMPARE(form.windowTitle(),
                 QString("Stanjomer v1.10 - Promene akcionara u Centralnom Registru HoV"));
        QCOMPARE(form.size(), QSize(784, 492));
        QCOMPARE(form.minimumSize(), QSize(384, 204));
        QCOMPARE(form.font().family(), QString("Tahoma"));
        QCOMPARE(form.font().pointSize(), 9);
        QCOMPARE(form.labelSelect->text(),
                 QString::fromUtf8("Izaberite datoteke za poređenje (*.htm snimljene sa strane "
                                   "\"Jedinstvena evidencija akcionara\" na CRHoV):"));
        QCOMPARE(form.editFile1->geometry(), QRect(96, 24, 665, 21));
        QCOMPARE(form.editFile2->geometry(), QRect(96, 48, 665, 21));
        QCOMPARE(form.btnOk->geometry(), QRect(96, 80, 129, 29));
        QCOMPARE(form.btnOk->text(), QString::fromUtf8("Prikaži promene"));
        QCOMPARE(form.btnOk->toolTip(), QString("Obrada podataka i prikaz promena"));
        QCOMPARE(form.btnAbout->geometry(), QRect(656, 80, 105, 29));
        QCOMPARE(form.btnAbout->text(), QString("O programu"));
        QCOMPARE(form.btnAbout->toolTip(), QString("Informacije o programu"));
        QCOMPARE(form.btnOk->parentWidget()->height(), 125);

        QCOMPARE(form.btnWeb->geometry(), QRect(24, 8, 105, 29));
        QCOMPARE(form.btnWeb->text(), QString("stanjomer.example"));
        QVERIFY(form.btnWeb->font().underline());
        QCOMPARE(form.btnWeb->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
        QCOMPARE(form.btnExcel->geometry(), QRect(152, 8, 105, 29));
        QCOMPARE(form.btnExcel->text(), QString("Excel"));
        QCOMPARE(form.btnExcel->toolTip(), QString("Snimanje u Excel dokument"));
        QCOMPARE(form.btnClipboard->geometry(), QRect(280, 8, 105, 29));
        QCOMPARE(form.btnClipboard->text(), QString("Clipboard"));
        QCOMPARE(form.btnClipboard->toolTip(), QString("Kopiranje na Clipboard"));
        QCOMPARE(form.btnClose->geometry(), QRect(656, 8, 105, 29));
        QCOMPARE(form.btnClose->text(), QString("Zatvori"));
        QCOMPARE(form.btnClose->toolTip(), QString("Zatvaranje programa"));
        QCOMPARE(form.btnClose->parentWidget()->height(), 48);

        // The drop-down buttons share one menu; "Kopiraj prvih 12" is checked.
        QCOMPARE(form.btnExcel->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(form.btnExcel->menu(), form.menuClipboard);
        QCOMPARE(form.btnClipboard->menu(), form.menuClipboard);
        QCOMPARE(form.menuClipboard->actions().size(), 2);
        QCOMPARE(form.menuClipboard->actions()[0]->text(), QString("Kopiraj prvih 12"));
        QCOMPARE(form.menuClipboard->actions()[1]->text(), QString("Kopiraj sve"));
        QVERIFY(form.menuClipboard_Top->isChecked());
        QVERIFY(!form.menuClipboard_Sve->isChecked());

        // Pages, tabs and radio buttons.
        QCOMPARE(form.pages->count(), 2);
        QCOMPARE(form.pages->tabText(0), QString("Promena broja akcija"));
        QCOMPARE(form.pages->tabText(1), QString("Promena redosleda"));
        QCOMPARE(form.pages->tabBar()->tabRect(0).size(), QSize(224, 28));
        QVERIFY(!form.pages->tabIcon(0).isNull() && !form.pages->tabIcon(1).isNull());
        QCOMPARE(form.pages->currentIndex(), 0);
        QCOMPARE(form.checkPregled->text(), QString("Pregled svih"));
        QCOMPARE(form.checkPregled->pos(), QPoint(208, 2));
        QCOMPARE(form.checkPromena->text(), QString("Samo sa promenama"));
        QCOMPARE(form.checkPromena->pos(), QPoint(304, 2));
        QCOMPARE(form.checkPregled->parentWidget()->height(), 21);
        QVERIFY(form.checkPregled->isChecked());

        // Status bar: "Stanjomer v1.10" centred in 112 pixels, then the notice.
        QCOMPARE(form.statusVersion->text(), QString("Stanjomer v1.10"));
        QCOMPARE(form.statusVersion->width(), 112);
        QCOMPARE(form.statusVersion->alignment(), Qt::AlignCenter);
        QCOMPARE(form.statusNotice->text(),
                 QString::fromUtf8("Besplatan program — © 2026 Stanjomer tim"));

        // Before the first run the commands cannot be pressed.
        QVERIFY(!form.btnExcel->isEnabled());
        QVERIFY(!form.btnClipboard->isEnabled());
        QTest::mouseClick(form.btnClipboard, Qt::LeftButton);
        QVERIFY(form.messages.isEmpty());

        // The focus starts in the first field; Tab goes on as the strip reads.
        QCOMPARE(QApplication::focusWidget(), form.editFile1);
        QWidget* order[] = {form.editFile2, form.btnOk, form.btnAbout};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Anchors: the fields stretch, "O programu" and "Zatvori" stay at the right edge.
        form.resize(984, 592);
        QTest::qWait(0);
        QCOMPARE(form.editFile1->width(), 865);
        QCOMPARE(form.btnAbout->x(), 856);
        QCOMPARE(form.btnClose->x(), 856);
        QCOMPARE(form.btnExcel->x(), 152);
        form.resize(100, 100);
        QCOMPARE(form.size(), QSize(384, 204));
    }

    void checksComeInOrderAndTheFocusGoesToTheFieldConcerned() {
        test::TempDir dir;
        const auto missing = dir.path() / "missing.htm";
        struct Case {
            std::filesystem::path first, second;
            QString message;
            int focusField;
        } cases[] = {
            {"", "", "warning: Nije izabrana datoteka.", 1},
            {missing, "", "warning: Nije izabrana datoteka.", 2},
            {missing, apptest::kNewSample, "error: Datoteka ne postoji.", 1},
            {apptest::kOldSample, dir.path(), "error: Datoteka ne postoji.", 2},  // a folder
            {" ", apptest::kNewSample, "error: Datoteka ne postoji.", 1},
        };
        for (const Case& c : cases) {
            Form form;
            form.showAndActivate();
            if (c.focusField == 1)
                form.editFile2->setFocus();
            form.compare(c.first, c.second);
            QCOMPARE(form.messages, QStringList{c.message});
            QCOMPARE(QApplication::focusWidget(), c.focusField == 1
                                                      ? static_cast<QWidget*>(form.editFile1)
                                                      : static_cast<QWidget*>(form.editFile2));
            QVERIFY(!form.btnExcel->isEnabled());
            QVERIFY(form.cursorLog.isEmpty());  // no run
        }
    }

    void theSameFileTwiceReportsNoDifferencesAndEnablesTheCommands() {
        Form form;
        form.showAndActivate();
        form.compare(apptest::kNewSample, apptest::kNewSample);
        QCOMPARE(form.messages,
                 QStringList{"information: Nema razlika izmedju starog i novog stanja."});
        QCOMPARE(form.cursorLog, (QList<bool>{true, false}));
        QCOMPARE(form.cursorDuringMessages, QList<bool>{false});
        QCOMPARE(form.focusAtMessage.front(), form.gridPromene);
        QVERIFY(form.btnExcel->isEnabled());
        QVERIFY(form.btnClipboard->isEnabled());
        QCOMPARE(form.gridPromene->model()->rowCount(), 0);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 39);
    }

    void onlyChangedRowsStayAcrossARunWithTheFocusInTheRankingGrid() {
        Form form;
        form.showAndActivate();
        form.pages->setCurrentIndex(1);
        QTest::mouseClick(form.checkPromena, Qt::LeftButton);
        QVERIFY(form.checkPromena->isChecked());
        form.compare(apptest::kOldSample, apptest::kNewSample);
        QVERIFY(form.messages.isEmpty());
        QCOMPARE(QApplication::focusWidget(), form.gridRedosled);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 20);
        QTest::mouseClick(form.checkPregled, Qt::LeftButton);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);
        QTest::mouseClick(form.checkPromena, Qt::LeftButton);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 20);
        // A second run keeps the filter too.
        form.compare(apptest::kOldSample, apptest::kNewSample);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 20);
        QCOMPARE(form.cursorLog, (QList<bool>{true, false, true, false}));
    }

    void aFileRemovedBeforeTheReadReachesTheErrorReport() {
        test::TempDir dir;
        Form form;
        form.showAndActivate();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);
        const auto gone = dir.write("gone.htm", apptest::page({{"A", 1}}));
        form.removeWhenBusy = gone;
        form.compare(gone, apptest::kNewSample);
        QCOMPARE(form.messages.size(), 1);
        QVERIFY2(form.messages.front().startsWith("error: "), qPrintable(form.messages.front()));
        QVERIFY(form.messages.front().contains("gone.htm"));
        QCOMPARE(form.cursorDuringMessages, QList<bool>{false});
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(form.workflow().dbPromene.rowCount(), size_t{0});
        QCOMPARE(form.workflow().dbRedosled.rowCount(), size_t{0});
        QCOMPARE(form.gridPromene->model()->rowCount(), 0);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 0);
        QVERIFY(form.btnExcel->isEnabled());  // as it was
        // The window waits for the user again: a new run works.
        form.removeWhenBusy.clear();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);
    }

    void theFileDialogOpensWhereTheRulesSay() {
        test::TempDir dir;
        const auto chosen = dir.write("izabrana.htm", "x");
        Form form;
        form.showAndActivate();
        const QStringList filters{"HTM datoteke (*.htm) (*.htm)", "HTML datoteke (*.htm) (*.html)",
                                  "Sve datoteke (*.*) (*)"};
        QCOMPARE(form.dlgFile->nameFilters(), filters);
        QCOMPARE(form.dlgFile->fileMode(), QFileDialog::AnyFile);

        QString seenFolder;
        QStringList shownFilters;
        auto cancelNoting = [&](QFileDialog& files) {
            seenFolder = QDir(files.directory()).absolutePath();
            if (auto* box = files.findChild<QComboBox*>("fileTypeCombo")) {
                shownFilters.clear();
                for (int i = 0; i < box->count(); ++i)
                    shownFilters << box->itemText(i);
            }
            files.reject();
        };
        // An empty field: the program's folder.
        apptest::whenModal<QFileDialog>(cancelNoting);
        form.editFile1->button()->trigger();
        QCOMPARE(seenFolder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
        QCOMPARE(shownFilters, (QStringList{"HTM datoteke (*.htm)", "HTML datoteke (*.htm)",
                                            "Sve datoteke (*.*)"}));
        QCOMPARE(form.editFile1->text(), QString());
        // A bare name: the program's folder; a path: its folder.
        form.editFile2->setText("samo-ime.htm");
        apptest::whenModal<QFileDialog>(cancelNoting);
        QTest::mouseDClick(form.editFile2, Qt::LeftButton);
        QCOMPARE(seenFolder, QDir(QCoreApplication::applicationDirPath()).absolutePath());
        QCOMPARE(form.editFile2->text(), QString("samo-ime.htm"));
        form.editFile2->setText(str(apptest::kOldSample));
        apptest::whenModal<QFileDialog>(cancelNoting);
        form.editFile2->button()->trigger();
        QCOMPARE(seenFolder, str(apptest::kSamples));

        // A chosen file fills the field and is offered the next time, from either field.
        apptest::whenModal<QFileDialog>(
            [&](QFileDialog& files) { apptest::chooseFile(files, str(chosen)); });
        form.editFile1->button()->trigger();
        QCOMPARE(form.editFile1->text(), str(chosen));
        QStringList offered;
        apptest::whenModal<QFileDialog>([&](QFileDialog& files) {
            seenFolder = QDir(files.directory()).absolutePath();
            offered = files.selectedFiles();
            files.reject();
        });
        form.editFile2->button()->trigger();
        QCOMPARE(seenFolder, str(dir.path()));
        QCOMPARE(offered, QStringList{str(chosen)});
        QCOMPARE(form.editFile2->text(), str(apptest::kOldSample));  // cancel keeps the text
    }

    void excelProposesTheDefaultNameEveryTimeAndOpensTheFileWritten() {
        test::TempDir dir;
        Form form;
        form.showAndActivate();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        const QString folder = str(platform::programFolder());
        const std::filesystem::path target = dir.path() / "izvestaj.dat";

        QStringList proposed;
        QList<bool> boxChecked;
        auto noteAnd = [&](std::function<void(TformDlgFileSelect&)> then) {
            return [&, then](TformDlgFileSelect& dialog) {
                proposed << dialog.editFile->text();
                boxChecked << dialog.checkView->isChecked();
                then(dialog);
            };
        };
        // Cancel: nothing written, nothing opened, no message.
        apptest::whenModal<TformDlgFileSelect>(noteAnd([](TformDlgFileSelect& dialog) {
            QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        }));
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QVERIFY(form.messages.isEmpty() && form.opened.isEmpty());

        // Confirmed under another name with another extension: the ".xls" file is written
        // and opened.
        apptest::whenModal<TformDlgFileSelect>(noteAnd([&](TformDlgFileSelect& dialog) {
            dialog.editFile->setText(str(target));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        }));
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QVERIFY2(form.messages.isEmpty(), qPrintable(form.messages.join('\n')));
        const auto written = dir.path() / "izvestaj.xls";
        QVERIFY(std::filesystem::exists(written));
        QCOMPARE(form.opened, QList<QUrl>{QUrl::fromLocalFile(str(written))});
        // The changes grid of the samples has 11 rows: fewer than 12 are taken whole.
        QCOMPARE(form.rowsWhenOpened, QList<int>{11});
        QCOMPARE(form.gridPromene->model()->rowCount(), 11);

        // An unchecked box writes without opening; the ranking page proposes its own name.
        form.pages->setCurrentIndex(1);
        std::filesystem::remove(written);
        apptest::whenModal<TformDlgFileSelect>(noteAnd([&](TformDlgFileSelect& dialog) {
            dialog.editFile->setText(str(written));
            dialog.checkView->setChecked(false);
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        }));
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QVERIFY(std::filesystem::exists(written));
        QCOMPARE(form.opened.size(), 1);

        // An empty name writes nothing.
        apptest::whenModal<TformDlgFileSelect>(noteAnd([&](TformDlgFileSelect& dialog) {
            dialog.editFile->clear();
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        }));
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QCOMPARE(form.messages, QStringList{"warning: Nije izabrana datoteka."});
        QCOMPARE(form.opened.size(), 1);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);

        const QString promena = folder + "/Promena broja akcija.xls";
        const QString redosled = folder + "/Promena redosleda.xls";
        QCOMPARE(proposed, (QStringList{promena, promena, redosled, redosled}));
        QCOMPARE(boxChecked, (QList<bool>{true, true, true, true}));
    }

    void theFirstTwelveChoiceIsSharedAndLiftedAfterEachCommand() {
        test::TempDir dir;
        Form form;
        form.showAndActivate();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        form.pages->setCurrentIndex(1);

        // "Clipboard" under "Kopiraj prvih 12": 12 rows and the caption line.
        QTest::mouseClick(form.btnClipboard, Qt::LeftButton);
        QCOMPARE(form.messages,
                 QStringList{"information: Informacije su iskopirane na clipboard."});
        QCOMPARE(lineCount(QString::fromStdString(clipboard_.text())), 13);
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);

        // "Kopiraj sve" chosen from the menu of "Excel" counts for "Clipboard" too.
        form.btnExcel->menu()->actions()[1]->trigger();
        QVERIFY(form.menuClipboard_Sve->isChecked() && !form.menuClipboard_Top->isChecked());
        QVERIFY(!form.workflow().kopirajPrvih12());
        QTest::mouseClick(form.btnClipboard, Qt::LeftButton);
        QCOMPARE(lineCount(QString::fromStdString(clipboard_.text())), 41);

        apptest::whenModal<TformDlgFileSelect>([&](TformDlgFileSelect& dialog) {
            dialog.editFile->setText(str(dir.path() / "sve.xls"));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        });
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QCOMPARE(form.rowsWhenOpened, QList<int>{40});

        // And back through the menu of "Clipboard".
        form.btnClipboard->menu()->actions()[0]->trigger();
        QVERIFY(form.workflow().kopirajPrvih12());
        apptest::whenModal<TformDlgFileSelect>([&](TformDlgFileSelect& dialog) {
            dialog.editFile->setText(str(dir.path() / "prvih12.xls"));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        });
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QCOMPARE(form.rowsWhenOpened, (QList<int>{40, 12}));
        QCOMPARE(form.gridRedosled->model()->rowCount(), 40);
    }

    void theClipboardHoldsTheExactTextAsUnicode() {
        test::TempDir dir;
        Form form;
        form.showAndActivate();
        form.compare(dir.write("old.htm", apptest::page({{"\xc8UPI\xc6 \x8e"
                                                          "ELJKO",
                                                          1234567},
                                                         {"B", 5},
                                                         {"C", 7}})),
                     dir.write("new.htm", apptest::page({{"B", 5},
                                                         {"\xc8UPI\xc6 \x8e"
                                                          "ELJKO",
                                                          1000},
                                                         {"N", 3}})));
        platform::qt::QtClipboard system;
        platform::setClipboardBackend(&system);
        QTest::mouseClick(form.btnClipboard, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8("Akcionar\tStaro\tNovo\tRazlika\tAkcionar\tStaro\tNovo\tRazlika"
                                   "\r\nN\t\t3\t3\tČUPIĆ ŽELJKO\t1.234.567\t1.000\t-1.233.567\r\n"
                                   "\t\t\t\tC\t7\t\t-7"));
        form.pages->setCurrentIndex(1);
        QTest::mouseClick(form.btnClipboard, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8(
                     "Stari red.br.\tNovi red.br.\tAkcionar\tStaro stanje\tNovo stanje\tRazlika\r\n"
                     "2\t1\tB\t5\t5\t0\r\n"
                     "1\t2\tČUPIĆ ŽELJKO\t1.234.567\t1.000\t-1.233.567\r\n"
                     "0\t3\tN\t0\t3\t3\r\n"
                     "3\t0\tC\t7\t0\t-7"));
        platform::setClipboardBackend(&clipboard_);
    }

    void anExportErrorReachesTheErrorReportAndTheWindowGoesOn() {
        test::TempDir dir;
        Form form;
        form.showAndActivate();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        apptest::whenModal<TformDlgFileSelect>([&](TformDlgFileSelect& dialog) {
            dialog.editFile->setText(str(dir.path() / "nema-foldera" / "x.xls"));
            QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        });
        QTest::mouseClick(form.btnExcel, Qt::LeftButton);
        QCOMPARE(form.messages.size(), 1);
        QVERIFY2(form.messages.front().startsWith("error: "), qPrintable(form.messages.front()));
        QVERIFY(form.opened.isEmpty());
        QCOMPARE(form.gridPromene->model()->rowCount(), 11);
        QVERIFY(!form.workflow().grids.viewPromene->DataController.Filter.Active());
        QVERIFY(form.isVisible());
    }

    void theWebButtonOpensTheMakersAddress() {
        Form form;
        QTest::mouseClick(form.btnWeb, Qt::LeftButton);
        QCOMPARE(form.opened, QList<QUrl>{QUrl("https://stanjomer.example/")});
    }

    void screenshotsOfBothPagesAfterARun() {
        Form form;
        form.showAndActivate();
        form.compare(apptest::kOldSample, apptest::kNewSample);
        form.gridPromene->selectRow(0);
        QDir().mkpath(str(apptest::kScreenshots));
        QVERIFY(form.grab().save(str(apptest::kScreenshots / "main.png")));
        form.pages->setCurrentIndex(1);
        form.gridRedosled->selectRow(2);
        QVERIFY(form.grab().save(str(apptest::kScreenshots / "main-ranking.png")));
        form.btnExcel->menu()->popup(form.btnExcel->mapToGlobal(QPoint(0, 29)));
        QVERIFY(QTest::qWaitForWindowExposed(form.btnExcel->menu()));
        QVERIFY(form.btnExcel->menu()->grab().save(str(apptest::kScreenshots / "menu.png")));
        form.btnExcel->menu()->hide();
    }

  private:
    platform::MemoryClipboard clipboard_;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
