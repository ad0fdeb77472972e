// SPDX-License-Identifier: MIT
#include "core/db/UnitDatabase.h"
#include "core/settings/ProgramSettings.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "ui/support/WindowHarness.h"
#include "ui/tables/PreviewDialog.h"
#include "ui/tables/PreviewSurface.h"
#include "ui/tables/TableUnitList.h"
#include "ui/tables/TablesDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>

#include <memory>

using namespace mensurio;

namespace {

// Time with 14 units (second ... t10), Counts with 100 units (u1 = 1 ... u100 = 100), a hidden
// category and the special category Temperature.
UnitDatabase TablesDatabase() {
    UnitDatabase db;
    db.AddCategory("Time", false);
    db.AddUnit("Time", "second", "second", 1, false);
    db.AddUnit("Time", "minute", "second", 60, false);
    db.AddUnit("Time", "hour", "second", 3600, false);
    db.AddUnit("Time", "day", "second", 86400, false);
    for (int i = 1; i <= 10; ++i)
        db.AddUnit("Time", "t" + std::to_string(i), "second", i * 7, false);
    db.AddCategory("Temperature", false);
    db.AddUnit("Temperature", "Celsius", "Celsius", 1, false);
    db.AddCategory("Counts", false);
    for (int i = 1; i <= 100; ++i)
        db.AddUnit("Counts", "u" + std::to_string(i), "u1", i, false);
    db.AddCategory("Secret", false);
    db.SelectCategory("Secret");
    db.SetCategoryHidden(true);
    db.AddUnit("Secret", "s1", "s1", 1, false);
    return db;
}

QString PdfText(const QString &path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForStarted()) {
        qWarning(
            "pdftotext is not installed (Debian package poppler-utils; scripts/install-deps.sh installs it)");
        return {};
    }
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT

    UnitDatabase m_db;
    ProgramSettings m_settings;
    test::FakePrompts m_prompts;
    std::unique_ptr<TablesDialog> m_dialog;

    TablesDialog &open() {
        m_dialog = std::make_unique<TablesDialog>(m_db, m_settings, m_prompts, NumberSeparators{});
        return *m_dialog;
    }
    template <typename T> T *find(const char *name) { return m_dialog->findChild<T *>(name); }
    TableUnitList *rows() { return find<TableUnitList>("rowUnits"); }
    TableUnitList *columns() { return find<TableUnitList>("columnUnits"); }
    void chooseCategory(const QString &name) {
        auto *combo = find<QComboBox>("categoryChoice");
        combo->setCurrentIndex(combo->findText(name));
    }
    static void clickRow(QListWidget *list, int row) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // Runs the dialog's Preview with the given rows and columns and hands the preview to `look`.
    void preview(int rowCount, int columnCount, const std::function<void(PreviewDialog &)> &look) {
        open();
        chooseCategory("Counts");
        for (int row = 0; row < rowCount; ++row)
            rows()->item(row)->setSelected(true);
        for (int column = 0; column < columnCount; ++column)
            columns()->item(column)->setSelected(true);
        bool looked = false;
        m_dialog->SetPreviewHook([&](PreviewDialog &preview) {
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            look(preview);
            looked = true;
        });
        QTest::mouseClick(find<QPushButton>("previewButton"), Qt::LeftButton);
        QVERIFY(looked);
    }

  private slots:
    void init() {
        m_db = TablesDatabase();
        m_settings = ProgramSettings{};
        m_settings.premaximized = false;
        m_prompts = test::FakePrompts{};
    }
    void cleanup() { m_dialog.reset(); }

    // (A stored choice that no button has reads as the first one: ProgramSettingsTest.)
    void opening_offersOrdinaryCategoriesAndShowsTheFirstChoices() {
        m_settings.tablecategory = "COUNTS";
        open();
        auto *combo = find<QComboBox>("categoryChoice");
        QStringList names;
        for (int i = 0; i < combo->count(); ++i)
            names << combo->itemText(i);
        QCOMPARE(names, (QStringList{"Time", "Counts", "Secret"}));
        QCOMPARE(combo->currentText(), QString("Counts"));
        QCOMPARE(rows()->count(), 100);
        QCOMPARE(m_settings.tableresultformat, TableResultFormat::General);
        QCOMPARE(m_settings.tablepaper, TablePaper::Landscape);
        QCOMPARE(m_settings.tableconversionstyle, TableDirection::RightAndUp);
        QVERIFY(find<QRadioButton>("resultFormat_0")->isChecked());
        QVERIFY(find<QRadioButton>("paperOrientation_0")->isChecked());
        QVERIFY(find<QRadioButton>("rightAndUp")->isChecked());
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("0 of %1").arg(kLandscapeTableColumns));
        QVERIFY(!find<QPushButton>("previewButton")->isEnabled());
        QVERIFY(!find<QPushButton>("printButton")->isEnabled());
    }

    void opening_showsTheStoredChoices() {
        m_settings.tableresultformat = TableResultFormat::Scientific;
        m_settings.tablepaper = TablePaper::Portrait;
        m_settings.tableconversionstyle = TableDirection::DownAndLeft;
        open();
        QVERIFY(find<QRadioButton>("resultFormat_1")->isChecked());
        QVERIFY(find<QRadioButton>("paperOrientation_1")->isChecked());
        QVERIFY(find<QRadioButton>("downAndLeft")->isChecked());
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("0 of %1").arg(kPortraitTableColumns));
        QCOMPARE(find<QLabel>("exampleDayValue")->text(), QString("24"));
        // The captions name the limits as they always have.
        QCOMPARE(find<QRadioButton>("paperOrientation_0")->text(), QString("&Horizontal (max 10 columns)"));
        QCOMPARE(find<QRadioButton>("paperOrientation_1")->text(), QString("&Vertical (max 6 columns)"));
        const TableChoices choices = m_dialog->CurrentChoices();
        QCOMPARE(choices.resultFormat, TableResultFormat::Scientific);
        QCOMPARE(choices.paper, TablePaper::Portrait);
        QCOMPARE(choices.direction, TableDirection::DownAndLeft);
    }

    void styleChange_showsTheExampleAndStoresTheStyle() {
        open();
        QCOMPARE(find<QLabel>("exampleDayValue")->text(), QString("1/24"));
        QCOMPARE(find<QLabel>("exampleMinuteValue")->text(), QString("60"));
        find<QRadioButton>("downAndLeft")->click();
        QCOMPARE(m_settings.tableconversionstyle, TableDirection::DownAndLeft);
        QCOMPARE(find<QLabel>("exampleDayValue")->text(), QString("24"));
        QCOMPARE(find<QLabel>("exampleMinuteValue")->text(), QString("1/60"));
        find<QRadioButton>("resultFormat_1")->click();
        QCOMPARE(m_settings.tableresultformat, TableResultFormat::Scientific);
    }

    void columnMaximum_refusesOneMoreByClickAndKey_data() {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("maximum");
        QTest::newRow("horizontal") << false << kLandscapeTableColumns;
        QTest::newRow("vertical") << true << kPortraitTableColumns;
    }
    void columnMaximum_refusesOneMoreByClickAndKey() {
        QFETCH(bool, portrait);
        QFETCH(int, maximum);
        open();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        chooseCategory("Time");
        find<QRadioButton>(portrait ? "paperOrientation_1" : "paperOrientation_0")->click();
        QCOMPARE(m_settings.tablepaper, portrait ? TablePaper::Portrait : TablePaper::Landscape);
        for (int row = 0; row < maximum; ++row)
            clickRow(columns(), row);
        QCOMPARE(columns()->SelectedCount(), maximum);
        clickRow(columns(), maximum);
        QCOMPARE(columns()->SelectedCount(), maximum);
        QVERIFY(!columns()->item(maximum)->isSelected());
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("%1 of %2").arg(maximum).arg(maximum));
        // The keyboard: Space on the focused item is refused as well.
        columns()->setFocus();
        columns()->setCurrentRow(maximum + 1, QItemSelectionModel::NoUpdate);
        QTest::keyClick(columns(), Qt::Key_Space);
        QCOMPARE(columns()->SelectedCount(), maximum);
        QVERIFY(!columns()->item(maximum + 1)->isSelected());
        // Deselecting one makes room again.
        clickRow(columns(), 0);
        clickRow(columns(), maximum);
        QVERIFY(columns()->item(maximum)->isSelected());
    }

    // Ctrl+A over more units than the maximum is refused like a click beyond it; the count shown
    // is the count selected, and the table holds exactly those columns.
    void columnMaximum_selectAllBeyondIt_isRefusedAndCountedTruthfully() {
        open();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        chooseCategory("Counts");
        clickRow(columns(), 0);
        clickRow(columns(), 1);
        columns()->setFocus();
        QTest::keyClick(columns(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(columns()->SelectedCount(), 2);
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("2 of %1").arg(kLandscapeTableColumns));
        QCOMPARE(m_dialog->CurrentChoices().columnUnits.size(), std::size_t{2});
        // However the list gets more selected, the maximum holds and the label says so.
        columns()->selectAll();
        QCOMPARE(columns()->SelectedCount(), kLandscapeTableColumns);
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("%1 of %1").arg(kLandscapeTableColumns));
        // Rows have no maximum: Ctrl+A takes them all.
        rows()->setFocus();
        QTest::keyClick(rows(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(rows()->SelectedCount(), 100);
    }

    void orientationClickedAgain_keepsTheColumns() {
        open();
        chooseCategory("Time");
        columns()->item(1)->setSelected(true);
        columns()->item(2)->setSelected(true);
        find<QRadioButton>("paperOrientation_0")->click(); // already the orientation
        QCOMPARE(columns()->SelectedCount(), 2);
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("2 of %1").arg(kLandscapeTableColumns));
        find<QRadioButton>("paperOrientation_1")->click();
        find<QRadioButton>("paperOrientation_1")->click();
        QCOMPARE(m_settings.tablepaper, TablePaper::Portrait);
        columns()->item(3)->setSelected(true);
        find<QRadioButton>("paperOrientation_1")->click();
        QCOMPARE(columns()->SelectedCount(), 1);
    }

    // Two categories whose names differ only in letter case: the remembered one is taken exactly,
    // and the table is made of its units.
    void categoriesDifferingInCase_theExactNameIsUsed() {
        m_db.AddCategory("time", false);
        m_db.AddUnit("time", "tick", "tick", 1, false);
        m_db.AddUnit("time", "tock", "tick", 2, false);
        m_settings.tablecategory = "time";
        open();
        QCOMPARE(find<QComboBox>("categoryChoice")->currentText(), QString("time"));
        QCOMPARE(rows()->count(), 2);
        QCOMPARE(m_dialog->CurrentChoices().category, std::string("time"));
        m_settings.tablecategory = "TIME";
        open();
        QCOMPARE(find<QComboBox>("categoryChoice")->currentText(),
                 QString("Time")); // the first ignoring case
    }

    void orientationChange_clearsColumnsButKeepsRows() {
        open();
        chooseCategory("Time");
        rows()->item(1)->setSelected(true);
        columns()->item(1)->setSelected(true);
        find<QRadioButton>("paperOrientation_1")->click();
        QCOMPARE(columns()->SelectedCount(), 0);
        QCOMPARE(rows()->SelectedCount(), 1);
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("0 of %1").arg(kPortraitTableColumns));
    }

    void selectNext_takesNConsecutiveColumnsFromTheFocusedOne() {
        open();
        chooseCategory("Time");
        auto *menu = find<QMenu>("columnMenu");
        find<QRadioButton>("paperOrientation_1")->click();
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().at(0)->text(), QString("Select next %1 Units").arg(kPortraitTableColumns));
        columns()->setCurrentRow(10, QItemSelectionModel::NoUpdate);
        menu->actions().at(0)->trigger();
        QCOMPARE(columns()->SelectedNames(), (QStringList{"t7", "t8", "t9", "t10"}));
        QCOMPARE(find<QLabel>("columnCount")->text(), QString("4 of %1").arg(kPortraitTableColumns));
        menu->actions().at(1)->trigger();
        QCOMPARE(columns()->SelectedCount(), 0);
    }

    void rowMenu_selectsDeselectsAndInverts() {
        open();
        chooseCategory("Time");
        auto *menu = find<QMenu>("rowMenu");
        QStringList captions;
        for (QAction *action : menu->actions())
            captions << (action->isSeparator() ? QString("-") : action->text());
        QCOMPARE(captions, (QStringList{"Select All", "Deselect All", "-", "Invert Selection"}));
        menu->actions().at(0)->trigger();
        QCOMPARE(rows()->SelectedCount(), 14);
        menu->actions().at(1)->trigger();
        QCOMPARE(rows()->SelectedCount(), 0);
        rows()->item(0)->setSelected(true);
        menu->actions().at(3)->trigger();
        QCOMPARE(rows()->SelectedCount(), 13);
        QVERIFY(!rows()->item(0)->isSelected());
        columns()->item(0)->setSelected(true);
        QVERIFY(find<QPushButton>("previewButton")->isEnabled());
        QVERIFY(find<QPushButton>("printButton")->isEnabled());
    }

    void dragging_movesAnItemWithItsSelection() {
        open();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        chooseCategory("Time");
        TableUnitList *list = rows();
        list->item(0)->setSelected(true);
        // Drag "second" from the top onto the fourth place.
        const QPoint from = list->visualItemRect(list->item(0)).center();
        const QPoint to = list->visualItemRect(list->item(3)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), list->viewport()->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(list->item(3)->text(), QString("second"));
        QVERIFY(list->item(3)->isSelected());
        QCOMPARE(list->item(0)->text(), QString("minute"));
        QVERIFY(!list->item(0)->isSelected());
        // Rows come in the list's order.
        list->item(0)->setSelected(true);
        QCOMPARE(m_dialog->CurrentChoices().rowUnits, (std::vector<std::string>{"minute", "second"}));
        // The keyboard moves the focused item too: Ctrl+Up and Ctrl+Down.
        list->setFocus();
        list->setCurrentRow(3, QItemSelectionModel::NoUpdate);
        QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(list->item(2)->text(), QString("second"));
        QVERIFY(list->item(2)->isSelected());
        QCOMPARE(list->currentRow(), 2);
        QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(list->item(4)->text(), QString("second"));
    }

    void preview_oneRowIsOnePageWithBothButtonsDisabled() {
        preview(1, 3, [](PreviewDialog &preview) {
            QCOMPARE(preview.windowTitle(), QString("Preview"));
            QCOMPARE(preview.findChild<QStatusBar *>("statusBar")->currentMessage(), QString("Page  1/1"));
            QVERIFY(!preview.findChild<QPushButton *>("previousPageButton")->isEnabled());
            QVERIFY(!preview.findChild<QPushButton *>("nextPageButton")->isEnabled());
        });
    }

    void preview_pageButtonsWalkThreePages() {
        preview(80, 10, [](PreviewDialog &preview) {
            QCOMPARE(preview.PageCount(), 3);
            auto *status = preview.findChild<QStatusBar *>("statusBar");
            auto *prev = preview.findChild<QPushButton *>("previousPageButton");
            auto *next = preview.findChild<QPushButton *>("nextPageButton");
            QCOMPARE(status->currentMessage(), QString("Page  1/3"));
            QVERIFY(!prev->isEnabled() && next->isEnabled());
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(status->currentMessage(), QString("Page  2/3"));
            QVERIFY(prev->isEnabled() && next->isEnabled());
            QTest::mouseClick(next, Qt::LeftButton);
            QCOMPARE(status->currentMessage(), QString("Page  3/3"));
            QVERIFY(prev->isEnabled() && !next->isEnabled());
            QTest::mouseClick(prev, Qt::LeftButton);
            QCOMPARE(preview.CurrentPage(), 2);
            QTest::keyClick(&preview, Qt::Key_PageUp);
            QCOMPARE(status->currentMessage(), QString("Page  1/3"));
            QTest::keyClick(&preview, Qt::Key_PageDown);
            QTest::keyClick(&preview, Qt::Key_PageDown);
            QTest::keyClick(&preview, Qt::Key_PageDown);
            QCOMPARE(status->currentMessage(), QString("Page  3/3"));
        });
    }

    void preview_printsEveryPage() {
        test::ScratchDir dir;
        const QString path = QString::fromStdString(dir.file("preview.pdf"));
        int asked = 0;
        QPageLayout::Orientation offered = QPageLayout::Portrait;
        auto choice = [&](QPrinter &printer, QWidget *) {
            ++asked;
            offered = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
        open();
        m_dialog->SetPrinterChoice(choice);
        chooseCategory("Counts");
        for (int row = 0; row < 80; ++row)
            rows()->item(row)->setSelected(true);
        columns()->item(1)->setSelected(true);
        m_dialog->SetPreviewHook([&](PreviewDialog &preview) {
            QTest::mouseClick(preview.findChild<QPushButton *>("printButton"), Qt::LeftButton);
        });
        QTest::mouseClick(find<QPushButton>("previewButton"), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(offered, QPageLayout::Landscape);
        const QString text = PdfText(path);
        QVERIFY(text.contains(QRegularExpression("Page\\s+3")));
        QVERIFY(text.contains("u80"));
        QVERIFY(text.contains("40")); // u80 in u2
    }

    void preview_zoomsByClicksWithinItsLimits() {
        preview(1, 1, [](PreviewDialog &preview) {
            auto *surface = preview.findChild<PreviewSurface *>("PageSurface");
            QCOMPARE(surface->Zoom(), 100);
            const QList<int> expectedIn = {150, 200, 200};
            for (int zoom : expectedIn) {
                QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(40, 40));
                QCOMPARE(surface->Zoom(), zoom);
            }
            const QList<int> expectedOut = {150, 100, 75, 50, 50};
            for (int zoom : expectedOut) {
                QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(40, 40));
                QCOMPARE(surface->Zoom(), zoom);
            }
            QCOMPARE(surface->cursor().shape(), Qt::BitmapCursor);
            QTest::keyClick(&preview, Qt::Key_Plus);
            QCOMPARE(surface->Zoom(), 75);
        });
    }

    void preview_geometryIsStoredOnClose() {
        m_settings.preleft = 120;
        m_settings.pretop = 110;
        m_settings.prewidth = 640;
        m_settings.preheight = 420;
        preview(1, 1, [this](PreviewDialog &preview) {
            QCOMPARE(preview.geometry().size(), QSize(640, 420));
            preview.setGeometry(130, 140, 700, 500);
            QTest::mouseClick(preview.findChild<QPushButton *>("closeButton"), Qt::LeftButton);
            QVERIFY(!preview.isVisible());
            QCOMPARE(m_settings.premaximized, false);
            QCOMPARE(m_settings.prewidth, 700);
            QCOMPARE(m_settings.preheight, 500);
            QCOMPARE(m_settings.preleft, preview.geometry().x());
            QCOMPARE(m_settings.pretop, preview.geometry().y());
        });
        m_settings.premaximized = true;
        preview(1, 1, [this](PreviewDialog &preview) {
            QVERIFY(preview.isMaximized());
            preview.reject();
            QCOMPARE(m_settings.premaximized, true);
            QCOMPARE(m_settings.prewidth, preview.geometry().width());
        });
    }

    void print_toPdfShowsTheWholeTable() {
        test::ScratchDir dir;
        const QString path = QString::fromStdString(dir.file("table.pdf"));
        open();
        chooseCategory("Time");
        for (const char *name : {"hour", "day", "t3"})
            rows()->findItems(name, Qt::MatchExactly).front()->setSelected(true);
        for (const char *name : {"second", "minute", "day"})
            columns()->findItems(name, Qt::MatchExactly).front()->setSelected(true);
        int asked = 0;
        m_dialog->SetPrinterChoice([&](QPrinter &printer, QWidget *) {
            ++asked;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setCopyCount(3);
            return true;
        });
        QTest::mouseClick(find<QPushButton>("printButton"), Qt::LeftButton);
        QCOMPARE(asked, 1);
        const QString text = PdfText(path);
        QVERIFY2(text.contains("Category"), qPrintable(text));
        QVERIFY(text.contains("Time"));
        QVERIFY(text.contains("Page"));
        QVERIFY(text.contains(QRegularExpression("Page\\s+1")));
        QVERIFY(text.contains("Mensurio " MENSURIO_VERSION));
        for (const char *unit : {"hour", "day", "t3", "second", "minute"})
            QVERIFY2(text.contains(unit), unit);
        // hour: 3600 seconds, 60 minutes, 1/24 day; day: 86400, 1440, 1; t3 (21 s): 21, 0.35.
        for (const char *value :
             {"3600", "60", "0.0416666667", "86400", "1440", "21", "0.35", "0.0002430556"})
            QVERIFY2(text.contains(value), value);
        QVERIFY(m_prompts.log.empty());
    }

    void createConversionTable_opensTheDialogOnTheWindowsDatabase() {
        test::WindowHarness harness;
        MainWindow &window = harness.Start();
        auto *command = window.findChild<QAction *>("createConversionTableAction");
        QVERIFY(command->isEnabled());
        QString category;
        const auto drive = [&category](TablesDialog &dialog) {
            category = test::Child<QComboBox>(dialog, "categoryChoice")->currentText();
            test::ClickButton(dialog, "closeButton");
        };
        const bool reached = test::DriveModal<TablesDialog>([command] { command->trigger(); }, drive);
        QVERIFY(reached);
        QCOMPARE(category, QString("Length"));
        harness.Finish();
    }

    void printCancelled_writesNothing() {
        test::ScratchDir dir;
        open();
        chooseCategory("Time");
        rows()->item(0)->setSelected(true);
        columns()->item(0)->setSelected(true);
        m_dialog->SetPrinterChoice([&](QPrinter &printer, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(dir.file("no.pdf")));
            return false;
        });
        QTest::mouseClick(find<QPushButton>("printButton"), Qt::LeftButton);
        QVERIFY(!QFile::exists(QString::fromStdString(dir.file("no.pdf"))));
    }
};

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
