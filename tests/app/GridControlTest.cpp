// The result grids on screen: what the cells show, in which colours, the banded header,
// widths and moves written back to the grid model, selection, filters, and 100,000 rows.

#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "AppTestSupport.h"
#include "platform/Clipboard.h"
#include "platform/RegionalSettings.h"
#include "platform/qt/BandedHeaderView.h"
#include "platform/qt/GridControl.h"
#include "platform/qt/GridTableModel.h"
#include "tests/TempDir.h"
#include "workflow/MainWorkflow.h"

namespace {

using platform::qt::GridControl;

class QuietHost : public workflow::WorkflowHost {
  public:
    void showMessage(workflow::MessageKind, const std::string& text) override {
        messages.push_back(text);
    }
    void setHourglassCursor(bool) override {}
    void setFocus(workflow::FocusTarget) override {}
    void setCommandsEnabled(bool) override {}
    bool selectExcelFile(std::filesystem::path&, bool&) override { return false; }
    void shellOpen(const std::filesystem::path&) override {}
    std::vector<std::string> messages;
};

// The workflow with both grids on screen.
struct Grids {
    Grids() {
        promene = std::make_unique<GridControl>(main.grids.gridPromene);
        redosled = std::make_unique<GridControl>(main.grids.gridRedosled);
        for (GridControl* grid : {promene.get(), redosled.get()}) {
            grid->resize(900, 400);
            grid->show();
            exposed = QTest::qWaitForWindowExposed(grid) && exposed;
        }
    }
    ~Grids() {
        promene.reset();
        redosled.reset();
    }
    void run(const std::string& oldPage, const std::string& newPage) {
        main.editFile1 = dir.write("old.htm", oldPage);
        main.editFile2 = dir.write("new.htm", newPage);
        main.btnOkClick();
    }
    void runSamples() {
        main.editFile1 = apptest::kOldSample;
        main.editFile2 = apptest::kNewSample;
        main.btnOkClick();
    }
    QString text(GridControl& grid, int row, const char* field) {
        return grid.model()->index(row, section(grid, field)).data().toString();
    }
    QVariant colour(GridControl& grid, int row, const char* field) {
        return grid.model()->index(row, section(grid, field)).data(Qt::ForegroundRole);
    }
    static int section(GridControl& grid, const char* field) {
        auto& model = grid.gridModel();
        for (int i = 0; i < model.columnCount(); ++i) {
            if (model.column(i).DataBinding.FieldName == field)
                return i;
        }
        return -1;
    }

    bool exposed = true;
    QuietHost host;
    workflow::MainWorkflow main{host};
    test::TempDir dir;
    std::unique_ptr<GridControl> promene;
    std::unique_ptr<GridControl> redosled;
};

const QColor kGreen(0, 160, 0);
const QColor kRed(160, 0, 0);

// Pixels of a colour in a part of an image (anti-aliased text comes close to it).
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 &&
                std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

class GridControlTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        apptest::startUp();
        platform::setThousandsSeparator(".");
    }
    void init() { platform::setThousandsSeparator("."); }

    void rankingGridShowsItsVisibleColumnsWithCentredCaptionsAndWidths() {
        Grids grids;
        auto& model = grids.redosled->gridModel();
        const QStringList captions{"Stari red.br.", "Novi red.br.", "Akcionar",
                                   "Staro stanje",  "Novo stanje",  "Razlika"};
        QCOMPARE(model.columnCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(model.headerData(i, Qt::Horizontal).toString(), captions[i]);
            QCOMPARE(
                model.headerData(i, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                    Qt::AlignHorizontal_Mask,
                Qt::AlignHCenter);
            QCOMPARE(grids.redosled->horizontalHeader()->sectionSize(i), i == 2 ? 360 : 80);
        }
        QVERIFY(!grids.redosled->bandedHeader().bandsVisible());
        QVERIFY(grids.redosled->horizontalHeader()->sectionsMovable());
    }

    void changesGridHasBandsInGreenAndRedAboveItsColumns() {
        Grids grids;
        grids.runSamples();
        auto& model = grids.promene->gridModel();
        QCOMPARE(model.columnCount(), 8);
        const int widths[] = {208, 58, 58, 58, 208, 58, 58, 58};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(grids.promene->horizontalHeader()->sectionSize(i), widths[i]);
            QCOMPARE(QString::fromLatin1(model.band(i)->Caption.c_str()),
                     i < 4 ? QString("Kupovina") : QString("Prodaja"));
        }
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Razlika"));
        QVERIFY(grids.promene->bandedHeader().bandsVisible());
        QVERIFY(!grids.promene->horizontalHeader()->sectionsMovable());

        // The band captions are painted in their colours on the upper header line.
        auto& header = grids.promene->bandedHeader();
        QCOMPARE(header.height(), 2 * header.lineHeight());
        const QImage image = header.grab().toImage();
        const int line = header.lineHeight();
        QVERIFY(pixelsNear(image, {0, 0, 382, line}, kGreen) > 10);
        QCOMPARE(pixelsNear(image, {0, 0, 382, line}, kRed), 0);
        QVERIFY(pixelsNear(image, {382, 0, 382, line}, kRed) > 10);
        QCOMPARE(pixelsNear(image, {0, line, 764, line}, kGreen), 0);  // column captions
    }

    void cellsShowZerosAsDashOrNothingAndGroupThousands() {
        Grids grids;
        grids.run(apptest::page({{"A", 1234567}, {"B", 5}, {"C", 7}}),
                  apptest::page({{"B", 5}, {"A", 1000}, {"N", 3}}));
        GridControl& r = *grids.redosled;
        QCOMPARE(grids.text(r, 0, "SharesDiff"), QString(""));  // B unchanged
        QCOMPARE(grids.text(r, 0, "Shares1"), QString("5"));
        QCOMPARE(grids.text(r, 1, "Shares1"), QString("1.234.567"));
        QCOMPARE(grids.text(r, 1, "SharesDiff"), QString("-1.233.567"));
        QCOMPARE(grids.text(r, 2, "Num1"), QString("-"));  // N is new
        QCOMPARE(grids.text(r, 2, "Shares1"), QString("-"));
        QCOMPARE(grids.text(r, 3, "Num2"), QString("-"));  // C left
        QCOMPARE(grids.text(r, 3, "Shares2"), QString("-"));
        QCOMPARE(grids.text(r, 3, "SharesDiff"), QString("-7"));

        // Empty cells of the shorter side stay empty in the changes grid: no dashes there.
        GridControl& p = *grids.promene;
        QCOMPARE(grids.text(p, 0, "Name1"), QString("N"));
        QCOMPARE(grids.text(p, 0, "Num1old"), QString(""));
        QCOMPARE(grids.text(p, 0, "Num2old"), QString("1.234.567"));
        QCOMPARE(grids.text(p, 1, "Name1"), QString(""));
        QCOMPARE(grids.text(p, 1, "Num1diff"), QString(""));

        platform::setThousandsSeparator(",");
        QCOMPARE(grids.text(r, 1, "Shares1"), QString("1,234,567"));

        auto alignment = [&](int row, const char* field) {
            return r.model()
                       ->index(row, Grids::section(r, field))
                       .data(Qt::TextAlignmentRole)
                       .value<Qt::Alignment>() &
                   Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0, "Name"), Qt::AlignLeft);
        QCOMPARE(alignment(0, "Shares1"), Qt::AlignHCenter);
        QCOMPARE(alignment(0, "Num1"), Qt::AlignHCenter);
    }

    void positionsAreNotGrouped() {
        Grids grids;
        std::vector<std::pair<std::string, int>> holders;
        for (int i = 1; i <= 1234; ++i)
            holders.emplace_back("H" + std::to_string(i), i);
        auto changed = holders;
        changed.back().second = 99;
        grids.run(apptest::page(holders), apptest::page(changed));
        QCOMPARE(grids.text(*grids.redosled, 1233, "Num1"), QString("1234"));
        QCOMPARE(grids.text(*grids.redosled, 1233, "Shares1"), QString("1.234"));
    }

    void changedRowsAreGreenOrRedExceptTheSelectedOne() {
        Grids grids;
        grids.run(apptest::page({{"A", 10}, {"B", 5}, {"C", 7}}),
                  apptest::page({{"B", 5}, {"A", 12}, {"N", 3}}));
        GridControl& r = *grids.redosled;
        // The first row is selected after a run, as the first record is the current one.
        QCOMPARE(r.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(r.selectionModel()->selectedRows().front().row(), 0);
        r.selectRow(3);
        QCOMPARE(grids.colour(r, 0, "Name"), QVariant());  // unchanged: default colour
        QCOMPARE(grids.colour(r, 1, "Name").value<QColor>(), kGreen);
        QCOMPARE(grids.colour(r, 1, "Shares2").value<QColor>(), kGreen);
        QCOMPARE(grids.colour(r, 2, "Num1").value<QColor>(), kGreen);  // new holder
        QCOMPARE(grids.colour(r, 3, "Name"), QVariant());  // selected: selection colours
        r.selectRow(1);
        QCOMPARE(grids.colour(r, 3, "Name").value<QColor>(), kRed);
        QCOMPARE(grids.colour(r, 1, "Name"), QVariant());

        // On screen: the selected changed row shows no green, the others do.
        r.selectRow(1);
        const QImage image = r.viewport()->grab().toImage();
        const QRect selected =
            r.visualRect(r.model()->index(1, 0)).united(r.visualRect(r.model()->index(1, 5)));
        const QRect fallen =
            r.visualRect(r.model()->index(3, 0)).united(r.visualRect(r.model()->index(3, 5)));
        const QRect risen =
            r.visualRect(r.model()->index(2, 0)).united(r.visualRect(r.model()->index(2, 5)));
        QCOMPARE(pixelsNear(image, selected, kGreen), 0);
        QVERIFY(pixelsNear(image, risen, kGreen) > 5);
        QVERIFY(pixelsNear(image, fallen, kRed) > 5);

        // The changes grid: "Razlika" green under "Kupovina", red under "Prodaja".
        GridControl& p = *grids.promene;
        QCOMPARE(grids.colour(p, 0, "Num1diff").value<QColor>(), kGreen);
        QCOMPARE(grids.colour(p, 0, "Num2diff").value<QColor>(), kRed);
        QCOMPARE(grids.colour(p, 0, "Num1new"), QVariant());
    }

    void aClickSelectsTheWholeRowAndTellsTheDataController() {
        Grids grids;
        grids.runSamples();
        GridControl& r = *grids.redosled;
        QCOMPARE(r.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(r.selectionMode(), QAbstractItemView::SingleSelection);
        const QRect cell = r.visualRect(r.model()->index(4, 2));
        QTest::mouseClick(r.viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(r.selectionModel()->selectedRows().size(), 1);
        QCOMPARE(r.selectionModel()->selectedIndexes().size(), 6);
        QCOMPARE(grids.main.grids.viewRedosled->DataController.SelectedRecords,
                 std::vector<size_t>{4});
        QTest::mouseClick(r.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          r.visualRect(r.model()->index(6, 0)).center());
        QCOMPARE(r.selectionModel()->selectedRows().size(), 1);
    }

    void gridsAreReadOnlyWithoutSorting() {
        Grids grids;
        grids.runSamples();
        for (GridControl* grid : {grids.promene.get(), grids.redosled.get()}) {
            const QModelIndex cell = grid->model()->index(0, 0);
            QVERIFY(!(grid->model()->flags(cell) & Qt::ItemIsEditable));
            QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(!grid->isSortingEnabled());
            QVERIFY(!grid->horizontalHeader()->sectionsClickable());
            const QString before = cell.data().toString();
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                               grid->visualRect(cell).center());
            QTest::keyClick(grid->viewport(), Qt::Key_X);
            QCOMPARE(grid->model()->index(0, 0).data().toString(), before);
        }
    }

    void aResizedColumnKeepsItsWidthInTheGridModel() {
        Grids grids;
        grids.runSamples();
        grids.redosled->horizontalHeader()->resizeSection(2, 300);
        QCOMPARE(grids.main.grids.viewRedosled->columnByFieldName("Name")->Width, 300);
        grids.promene->horizontalHeader()->resizeSection(4, 150);
        QCOMPARE(grids.main.grids.viewPromene->columnByFieldName("Name2")->Width, 150);
        // A new run keeps the widths the user chose.
        grids.runSamples();
        QCOMPARE(grids.redosled->horizontalHeader()->sectionSize(2), 300);
    }

    void aMovedColumnMovesInTheViewAndTheClipboardText() {
        Grids grids;
        grids.runSamples();
        auto* header = grids.redosled->horizontalHeader();
        header->moveSection(2, 0);  // "Akcionar" dragged to the front
        QTest::qWait(0);
        auto& view = *grids.main.grids.viewRedosled;
        QCOMPARE(view.columnsInDisplayOrder().front()->DataBinding.FieldName, std::string("Name"));
        QCOMPARE(grids.redosled->model()->headerData(0, Qt::Horizontal).toString(),
                 QString("Akcionar"));
        QCOMPARE(header->sectionSize(0), 360);
        QCOMPARE(header->visualIndex(0), 0);  // the header is in model order again
        QCOMPARE(grids.redosled->model()->index(0, 0).data().toString(),
                 grids.text(*grids.redosled, 0, "Name"));

        platform::MemoryClipboard clipboard;
        platform::setClipboardBackend(&clipboard);
        grids.main.activePage = workflow::Page::Redosled;
        grids.main.btnClipboardClick();
        platform::setClipboardBackend(nullptr);
        QVERIFY(clipboard.text().starts_with("Akcionar\tStari red.br.\tNovi red.br.\t"));

        header->moveSection(0, 5);  // and to the end
        QTest::qWait(0);
        QCOMPARE(view.columnsInDisplayOrder().back()->DataBinding.FieldName, std::string("Name"));
    }

    void theUserDragsAColumnByItsHeader() {
        Grids grids;
        QVERIFY(grids.exposed);
        grids.runSamples();
        auto* header = grids.redosled->horizontalHeader();
        QWidget* port = header->viewport();
        const int y = header->height() / 2;
        const QPoint from(header->sectionViewportPosition(0) + 40, y);
        const QPoint to(header->sectionViewportPosition(3) + 60, y);
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(port, from + (to - from) * step / 10);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
        QTest::qWait(0);
        auto order = grids.main.grids.viewRedosled->columnsInDisplayOrder();
        QCOMPARE(order.front()->DataBinding.FieldName, std::string("Num2"));
        QCOMPARE(order[3]->DataBinding.FieldName, std::string("Num1"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(header->visualIndex(i), i);
            QCOMPARE(grids.redosled->gridModel().column(i).DataBinding.FieldName,
                     order[static_cast<size_t>(i)]->DataBinding.FieldName);
            QCOMPARE(header->sectionSize(i), order[static_cast<size_t>(i)]->Width);
        }
        // The banded grid's columns stay under their bands.
        auto* bands = grids.promene->horizontalHeader();
        QTest::mousePress(bands->viewport(), Qt::LeftButton, {}, {40, bands->height() - 5});
        QTest::mouseMove(bands->viewport(), {300, bands->height() - 5});
        QTest::mouseRelease(bands->viewport(), Qt::LeftButton, {}, {300, bands->height() - 5});
        QTest::qWait(0);
        QCOMPARE(
            grids.main.grids.viewPromene->columnsInDisplayOrder().front()->DataBinding.FieldName,
            std::string("Name1"));
    }

    void theGridFollowsTheTableFilterAndTheViewFilter() {
        Grids grids;
        grids.runSamples();
        GridControl& r = *grids.redosled;
        QCOMPARE(r.model()->rowCount(), 40);
        grids.main.samoSaPromenama = true;
        grids.main.checkPromena_Click();  // the table tells its grid
        QCOMPARE(r.model()->rowCount(), 20);
        grids.main.SetFilterRedosled();  // the view's own filter: the grid catches up
        QVERIFY(r.syncWithView());
        QCOMPARE(r.model()->rowCount(), 12);
        grids.main.ClearFilterRedosled();
        QTest::qWait(0);
        r.model()->index(0, 0).data();  // a paint notices the change and reloads
        QTest::qWait(0);
        QCOMPARE(r.model()->rowCount(), 20);
        QVERIFY(!r.syncWithView());
    }

    void aHundredThousandRowsScroll() {
        std::vector<std::pair<std::string, int>> oldHolders, newHolders;
        for (int i = 0; i < 100000; ++i) {
            oldHolders.emplace_back("AKCIONAR " + std::to_string(i), 1000 + i);
            newHolders.emplace_back("AKCIONAR " + std::to_string(i), 1000 + i + (i % 3) - 1);
        }
        Grids grids;
        QElapsedTimer clock;
        clock.start();
        grids.run(apptest::page(oldHolders), apptest::page(newHolders));
        const qint64 runMs = clock.elapsed();
        GridControl& r = *grids.redosled;
        QCOMPARE(r.model()->rowCount(), 100000);
        clock.restart();
        QScrollBar* bar = r.verticalScrollBar();
        for (int step = 0; step <= 50; ++step) {
            bar->setValue(bar->maximum() * step / 50);
            r.viewport()->repaint();
        }
        r.scrollToBottom();
        r.viewport()->repaint();
        const qint64 scrollMs = clock.elapsed();
        qInfo("100,000 rows: run %lld ms, 52 repaints while scrolling %lld ms", runMs, scrollMs);
        QVERIFY2(scrollMs < 10000, "scrolling 100,000 rows must not depend on the row count");
        const int last = r.rowAt(r.viewport()->height() - 2);
        QVERIFY(last > 99900);
        QCOMPARE(r.model()->index(99999, 2).data().toString(), QString("AKCIONAR 99999"));
    }
};

QTEST_MAIN(GridControlTest)
#include "GridControlTest.moc"
