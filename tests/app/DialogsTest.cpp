// The save dialog of "Excel" and the About window, driven as a user would.

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>
#include <QtTest>

#include "AppTestSupport.h"
#include "app/About.h"
#include "app/ButtonEdit.h"
#include "app/LinkLabel.h"
#include "app/dlg_FileSelect.h"
#include "platform/qt/Shell.h"

using app::SelectExcelFile;
using app::TformAbout;
using app::TformDlgFileSelect;

namespace {

// Calls SelectExcelFile with a name and a checked box, answering the dialog with `answer`.
struct SaveDialogRun {
    explicit SaveDialogRun(std::function<void(TformDlgFileSelect&)> answer) {
        apptest::whenModal<TformDlgFileSelect>(std::move(answer), &answered);
        result = SelectExcelFile(name, openAfter);
    }
    QString name = QStringLiteral("/tmp/Promena broja akcija.xls");
    bool openAfter = true;
    bool result = false;
    int answered = 0;
};

void closeByTitleBar(QWidget& window) {
    window.windowHandle()->close();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { apptest::startUp(); }

    void saveDialogLayoutAndTexts() {
        TformDlgFileSelect form;
        QCOMPARE(form.size(), QSize(464, 172));
        QCOMPARE(form.windowTitle(), QString());
        QCOMPARE(form.labelTitle->text(),
                 QString("Snimanje dokumenta u Microsoft Excel formatu (*.xls):"));
        QCOMPARE(form.labelTitle->pos(), QPoint(24, 22));
        QCOMPARE(form.editFile->geometry(), QRect(24, 40, 417, 21));
        QCOMPARE(form.checkView->text(), QString("Pregled dokumenta u Excel-u posle snimanja"));
        QCOMPARE(form.checkView->pos(), QPoint(24, 72));
        QCOMPARE(form.btnOk->geometry(), QRect(248, 112, 89, 29));
        QCOMPARE(form.btnCancel->geometry(), QRect(352, 112, 89, 29));
        QCOMPARE(form.btnOk->text(), QString("&Ok"));
        QCOMPARE(form.btnCancel->text(), QString("&Cancel"));
        QCOMPARE(form.btnOk->toolTip(), QString("Create Excel file"));
        QCOMPARE(form.btnCancel->toolTip(), QString("Cancel"));
        QVERIFY(!form.btnOk->isDefault() && !form.btnOk->autoDefault());
        QVERIFY(!form.btnCancel->isDefault() && !form.btnCancel->autoDefault());
        QCOMPARE(form.FileDialog->nameFilters(), QStringList{"Excel dokumenti (*.xls)"});
        QCOMPARE(form.statusBar->currentMessage(), QString());
        QVERIFY(!form.Confirmed);

        // Resizing keeps the buttons at their distance to the bottom-right corner.
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QDir().mkpath(QString::fromStdString(apptest::kScreenshots.string()));
        form.editFile->setText("/home/korisnik/Promena broja akcija.xls");
        form.checkView->setChecked(true);
        form.grab().save(
            QString::fromStdString((apptest::kScreenshots / "save-dialog.png").string()));
        form.resize(600, 260);
        QCOMPARE(form.btnCancel->geometry(), QRect(352 + 136, 112 + 88, 89, 29));
        QCOMPARE(form.btnOk->geometry(), QRect(248 + 136, 112 + 88, 89, 29));
        QCOMPARE(form.editFile->geometry(), QRect(24, 40, 417, 21));
    }

    void okReturnsTheNameAndTheBoxAsTheUserLeftThem() {
        SaveDialogRun run([](TformDlgFileSelect& form) {
            QCOMPARE(form.editFile->text(), QString("/tmp/Promena broja akcija.xls"));
            QVERIFY(form.checkView->isChecked());
            form.editFile->setText("/tmp/drugo ime");
            form.checkView->setChecked(false);
            QTest::mouseClick(form.btnOk, Qt::LeftButton);
        });
        QCOMPARE(run.answered, 1);
        QVERIFY(run.result);
        QCOMPARE(run.name, QString("/tmp/drugo ime"));  // untrimmed, no extension added
        QVERIFY(!run.openAfter);
    }

    void okWithAnEmptyFieldReturnsAnEmptyName() {
        SaveDialogRun run([](TformDlgFileSelect& form) {
            form.editFile->clear();
            QTest::keyClick(&form, Qt::Key_O, Qt::AltModifier);  // "&Ok"
        });
        QVERIFY(run.result);
        QCOMPARE(run.name, QString());
        QVERIFY(run.openAfter);
    }

    void escapeCancelAndTitleBarCloseReturnFalseAndKeepTheArguments() {
        const std::function<void(TformDlgFileSelect&)> answers[] = {
            [](TformDlgFileSelect& form) {
                form.editFile->setText("x");
                form.checkView->setFocus();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            },
            [](TformDlgFileSelect& form) {
                form.editFile->setText("x");
                QTest::keyClick(form.editFile, Qt::Key_Escape);
            },
            [](TformDlgFileSelect& form) {
                form.checkView->setChecked(false);
                QTest::mouseClick(form.btnCancel, Qt::LeftButton);
            },
            [](TformDlgFileSelect& form) {
                form.checkView->setChecked(false);
                QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);  // "&Cancel"
            },
            [](TformDlgFileSelect& form) {
                form.editFile->setText("x");
                closeByTitleBar(form);
            },
        };
        for (const auto& answer : answers) {
            SaveDialogRun run(answer);
            QCOMPARE(run.answered, 1);
            QVERIFY(!run.result);
            QCOMPARE(run.name, QString("/tmp/Promena broja akcija.xls"));
            QVERIFY(run.openAfter);
        }
    }

    void enterConfirmsNothing() {
        bool stillOpen = false;
        SaveDialogRun run([&stillOpen](TformDlgFileSelect& form) {
            form.editFile->setFocus();
            QTest::keyClick(form.editFile, Qt::Key_Return);
            QTest::keyClick(form.editFile, Qt::Key_Enter, Qt::KeypadModifier);
            QTest::keyClick(&form, Qt::Key_Return);
            stillOpen = form.isVisible() && !form.Confirmed;
            QTest::mouseClick(form.btnCancel, Qt::LeftButton);
        });
        QVERIFY(stillOpen);
        QVERIFY(!run.result);
    }

    void browsingAndCancellingKeepsTheTypedName() {
        SaveDialogRun run([](TformDlgFileSelect& form) {
            form.editFile->setText("/tmp/upisano.xls");
            apptest::whenModal<QFileDialog>([](QFileDialog& files) {
                QCOMPARE(QDir(files.directory()).absolutePath(),
                         QDir(QCoreApplication::applicationDirPath()).absolutePath());
                files.reject();
            });
            form.editFile->button()->trigger();
            QCOMPARE(form.editFile->text(), QString("/tmp/upisano.xls"));
            apptest::whenModal<QFileDialog>([](QFileDialog& files) {
                apptest::chooseFile(files, "/tmp/novo-ime.xls");  // a name not there yet
            });
            form.editFile->button()->trigger();
            QCOMPARE(form.editFile->text(), QString("/tmp/novo-ime.xls"));
            QTest::mouseClick(form.btnOk, Qt::LeftButton);
        });
        QVERIFY(run.result);
        QCOMPARE(run.name, QString("/tmp/novo-ime.xls"));
    }

    void aboutWindowShowsItsTextsAndRefusesResizing() {
        TformAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.windowTitle(), QString("O programu"));
        QCOMPARE(about.size(), QSize(384, 244));
        about.resize(600, 400);
        QCOMPARE(about.size(), QSize(384, 244));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        QCOMPARE(about.labelInfo->text(),
                 QString::fromUtf8("Stanjomer je besplatan program koji omogućava\n"
                                   "praćenje promena u jedinstvenoj evidenciji akcionara\n"
                                   "Centralnog Registra HoV (CRHoV). Više informacija\n"
                                   "i uputstvo za koršćenje programa mogu se pronaći\n"
                                   "na Internet lokaciji https://stanjomer.example/."));
        QCOMPARE(about.labelInfo->geometry(), QRect(24, 56, 353, 81));
        QCOMPARE(about.labelWeb->text(), QString("stanjomer.example"));
        QCOMPARE(about.labelWeb->toolTip(), QString("Posetite stanjomer.example"));
        QVERIFY(about.labelWeb->font().underline() && about.labelWeb->font().bold());
        QCOMPARE(about.labelWeb->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.labelEmail->text(), QString("podrska@stanjomer.example"));
        QCOMPARE(about.labelEmail->toolTip(),
                 QString::fromUtf8("Pošaljite e-mail na podrska@stanjomer.example"));
        QCOMPARE(about.labelAutor->text(), QString("Autor programa: Stanjomer tim"));
        QCOMPARE(about.labelNotice->text(),
                 QString::fromUtf8("Besplatan program — © 2026 Stanjomer tim"));
        QCOMPARE(about.btnOk->geometry(), QRect(280, 194, 89, 29));
        QVERIFY(about.btnOk->isDefault());
        // The notice wraps beside the OK button instead of running under it.
        QVERIFY(about.labelNotice->geometry().right() < about.btnOk->geometry().left());

        std::vector<QUrl> opened;
        platform::qt::setShellOpener([&opened](const QUrl& url) { opened.push_back(url); });
        QTest::mouseClick(about.labelWeb, Qt::LeftButton);
        QTest::mouseClick(about.labelEmail, Qt::LeftButton);
        platform::qt::setShellOpener({});
        QCOMPARE(opened.size(), size_t{2});
        QCOMPARE(opened[0], QUrl("https://stanjomer.example/"));
        QCOMPARE(opened[1], QUrl("mailto:podrska@stanjomer.example"));
        QVERIFY(about.isVisible());  // a link opens, the window stays

        if (!QDir(QString::fromStdString(apptest::kScreenshots.string())).exists())
            QDir().mkpath(QString::fromStdString(apptest::kScreenshots.string()));
        about.grab().save(QString::fromStdString((apptest::kScreenshots / "about.png").string()));
    }

    void aboutWindowClosesOnEscapeOkEnterAndTitleBar() {
        const std::function<void(TformAbout&)> answers[] = {
            [](TformAbout& about) { QTest::keyClick(&about, Qt::Key_Escape); },
            [](TformAbout& about) { QTest::keyClick(about.labelInfo, Qt::Key_Escape); },
            [](TformAbout& about) { QTest::mouseClick(about.btnOk, Qt::LeftButton); },
            [](TformAbout& about) { QTest::keyClick(&about, Qt::Key_Return); },
            [](TformAbout& about) { QTest::keyClick(&about, Qt::Key_Enter, Qt::KeypadModifier); },
            [](TformAbout& about) { closeByTitleBar(about); },
        };
        for (const auto& answer : answers) {
            int answered = 0;
            apptest::whenModal<TformAbout>(answer, &answered);
            TformAbout about;
            QElapsedTimer clock;
            clock.start();
            about.exec();
            QCOMPARE(answered, 1);
            QVERIFY(clock.elapsed() < 5000);
            QVERIFY(!about.isVisible());
        }
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
