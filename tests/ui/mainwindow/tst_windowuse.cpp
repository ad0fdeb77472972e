// SPDX-License-Identifier: MIT
// The window used as a person uses it: toolbars across restarts, Ctrl+A, the category popup and
// tabs, right clicks, single selections, Invert Conversion's scrolling, restored long inputs and
// the checked commands of the menus.
#include "core/db/DatabaseFile.h"
#include "ui/mainwindow/FieldContextMenu.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QListWidget *List(WindowHarness &h, const QString &name) {
    return h.Find<QListWidget>(name.toLatin1().constData());
}

QString Record(MainWindow &window) {
    return QString::fromStdString(window.record().RecordText());
}

MainWindow &StartActive(WindowHarness &h) {
    MainWindow &window = h.Start();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window did not become active");
    return window;
}

QStringList CheckedItems(QMenu *menu) {
    QStringList checked;
    for (const QAction *item : menu->actions()) {
        if (item->isChecked())
            checked.append(item->data().toString());
    }
    return checked;
}

// The category as the three selectors and the lists show it; all must name the same one.
struct ShownCategory {
    QString button, tab, firstUnit;
};

ShownCategory Shown(WindowHarness &h) {
    const QTabBar *tabs = h.Find<QTabBar>("categoryTabs");
    const QListWidget *input = h.Find<QListWidget>("inputList");
    return {h.Find<QToolButton>("categoryButton")->text(), tabs->tabText(tabs->currentIndex()),
            input->count() > 0 ? input->item(0)->text() : QString()};
}

void ClickTab(WindowHarness &h, int index) {
    QTabBar *tabs = h.Find<QTabBar>("categoryTabs");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

// A right click as the window system delivers it: through the window, which turns the press
// into a context-menu request as well.
void RightClickRow(MainWindow &window, QListWidget *list, const QString &name) {
    QListWidgetItem *item = list->item(RowOf(list, name));
    const QPoint at = list->viewport()->mapTo(&window, list->visualItemRect(item).center());
    QTest::mousePress(window.windowHandle(), Qt::RightButton, {}, at);
    QTest::mouseRelease(window.windowHandle(), Qt::RightButton, {}, at);
}

std::string LongCategory() {
    UnitDatabase db;
    db.AddCategory("Length", false);
    for (int i = 0; i < 80; ++i)
        db.AddUnit("Length", "unit " + std::to_string(100 + i), "", 1.0L + i, false);
    return DatabaseFile::ToBytes(db, "MNSA");
}

// Drags the bar by its handle out of the dock, as the user floats it.
void DragOff(MainWindow &window, QToolBar *bar) {
    const QPoint handle = bar->mapTo(&window, QPoint(4, bar->height() / 2));
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, handle);
    for (int step = 1; step <= 20; ++step)
        QTest::mouseMove(window.windowHandle(), handle + QPoint(5 * step, 100 + 10 * step));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, handle + QPoint(100, 300));
}

// The program's end: the user closes the window, and the application, quitting, closes the
// windows still open (a floating toolbar among them) before the window is destroyed.
void EndRun(WindowHarness &h) {
    h.window()->close();
    QApplication::closeAllWindows();
    h.Finish();
}

bool RowVisible(QListWidget *list, int row) {
    return list->viewport()->rect().intersects(list->visualItemRect(list->item(row)));
}

} // namespace

class TestWindowUse : public QObject {
    Q_OBJECT
  private slots:
    void floatingToolbar_visibleOrHidden_staysSoAcrossARestart_data() {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("visible");
        QTest::newRow("recordbar shown") << "Toolbar972"
                                         << "showRecordbarAction" << true;
        QTest::newRow("toolbar shown") << "Toolbar971"
                                       << "showToolbarAction" << true;
        QTest::newRow("recordbar hidden") << "Toolbar972"
                                          << "showRecordbarAction" << false;
    }
    void floatingToolbar_visibleOrHidden_staysSoAcrossARestart() {
        QFETCH(QString, bar);
        QFETCH(QString, command);
        QFETCH(bool, visible);
        const QByteArray barName = bar.toLatin1();
        const QByteArray commandName = command.toLatin1();
        WindowHarness h;
        MainWindow &window = h.Start();
        auto *toolbar = h.Find<QToolBar>(barName.constData());
        DragOff(window, toolbar);
        QVERIFY(toolbar->isFloating());
        if (!visible)
            h.Find<QAction>(commandName.constData())->trigger();
        QCOMPARE(h.Find<QAction>(commandName.constData())->isChecked(), visible);
        EndRun(h);
        QCOMPARE(h.Setting("Visible", barName.toStdString()), std::string(visible ? "1" : "0"));
        QCOMPARE(h.Setting("DockedTo", barName.toStdString()), std::string("nil"));
        h.Start();
        toolbar = h.Find<QToolBar>(barName.constData());
        QVERIFY(toolbar->isFloating());
        QCOMPARE(toolbar->isVisible(), visible);
        QCOMPARE(h.Find<QAction>(commandName.constData())->isChecked(), visible);
        EndRun(h);
        QCOMPARE(h.Setting("Visible", barName.toStdString()), std::string(visible ? "1" : "0"));
    }

    void ctrlA_inTheFieldsAndLists_addsTheItem_selectAllStaysInTheMenus() {
        WindowHarness h;
        MainWindow &window = StartActive(h);
        ClickRow(List(h, "inputList"), "foot");
        ClickRow(List(h, "outputList"), "meter");
        h.Type("12");
        auto *valueField = h.Find<QLineEdit>("valueField");
        valueField->deselect();
        QTest::keyClick(valueField, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Record(window), QString("12 foot = 3.6576 meter"));
        QVERIFY(!valueField->hasSelectedText());
        QTest::keyClicks(valueField, "0");
        QTest::keyClick(valueField, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Record(window), QString("12 foot = 3.6576 meter\r\n120 foot = 36.576 meter"));
        for (const char *name : {"resultField", "outputList"}) {
            auto *target = h.Find<QWidget>(name);
            target->setFocus();
            QTRY_VERIFY(target->hasFocus());
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        }
        QCOMPARE(Record(window).count("120 foot = 36.576 meter"), 3);
        // Select all is still at hand: the Edit menu and the field's own context menu.
        valueField->setFocus();
        QTRY_VERIFY(valueField->hasFocus());
        valueField->deselect();
        h.Find<QAction>("selectAllAction")->trigger();
        QCOMPARE(valueField->selectedText(), QString("120"));
        valueField->deselect();
        std::unique_ptr<QMenu> context(FieldContextMenu::Create(valueField));
        QAction *selectAll = nullptr;
        for (QAction *item : context->actions())
            selectAll = item->text().startsWith("Select All") ? item : selectAll;
        QVERIFY(selectAll != nullptr);
        QVERIFY2(!selectAll->text().contains("Ctrl"), qPrintable(selectAll->text())); // Ctrl+A adds the item
        selectAll->trigger();
        QCOMPARE(valueField->selectedText(), QString("120"));
    }

    void categoryPopup_afterPopupThenTab_checksOnlyTheCurrentCategory() {
        WindowHarness h;
        h.Start();
        auto *popup = h.Find<QMenu>("categoryPopup");
        h.ChooseCategory("Temperature");
        auto *tabs = h.Find<QTabBar>("categoryTabs");
        int pressure = -1;
        for (int i = 0; i < tabs->count(); ++i)
            pressure = tabs->tabText(i) == "Pressure" ? i : pressure;
        ClickTab(h, pressure);
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), QString("Pressure"));
        emit popup->aboutToShow();
        QCOMPARE(CheckedItems(popup), QStringList{"Pressure"});
        h.ChooseCategory("Pressure"); // picking the checked item again keeps its check
        emit popup->aboutToShow();
        QCOMPARE(CheckedItems(popup), QStringList{"Pressure"});
    }

    void rightClickInAUnitList_opensTheMenuAndChangesNothing_data() {
        QTest::addColumn<QString>("list");
        QTest::newRow("input list") << "inputList";
        QTest::newRow("output list") << "outputList";
    }
    void rightClickInAUnitList_opensTheMenuAndChangesNothing() {
        QFETCH(QString, list);
        WindowHarness h;
        MainWindow &window = StartActive(h);
        ClickRow(List(h, "outputList"), "yard");
        h.Type("5 foot + 3 inch");
        QCOMPARE(SelectedNames(List(h, "inputList")), QStringList({"foot", "inch"}));
        const QString result = h.Find<QLineEdit>("resultField")->text();
        auto *popup = h.Find<QMenu>("categoryPopup");
        RightClickRow(window, List(h, list), "meter");
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Escape);
        QTRY_VERIFY(!popup->isVisible());
        QCOMPARE(h.Find<QLineEdit>("valueField")->text(), QString("5 foot + 3 inch"));
        QCOMPARE(SelectedNames(List(h, "inputList")), QStringList({"foot", "inch"}));
        QCOMPARE(SelectedNames(List(h, "outputList")), QStringList{"yard"});
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), result);
        h.Finish();
        QCOMPARE(h.Setting("hodnota", "Length"), std::string("5 foot + 3 inch"));
    }

    void hiddenCurrentCategory_tabsButtonAndListsAgree_everyTabSwitches_data() {
        QTest::addColumn<bool>("hiddenAtStart"); // else hidden later by Show Hidden
        QTest::newRow("remembered at start") << true;
        QTest::newRow("hidden while current") << false;
    }
    void hiddenCurrentCategory_tabsButtonAndListsAgree_everyTabSwitches() {
        QFETCH(bool, hiddenAtStart);
        WindowHarness h;
        h.SetSetting("AktualCate", "Secret");
        h.SetSetting("showhidden", hiddenAtStart ? "0" : "1");
        h.SetSetting("GeSoUnit", "0"); // the units in list order
        h.Start();
        if (!hiddenAtStart)
            h.Find<QAction>("showHiddenAction")->trigger();
        const ShownCategory secret = Shown(h);
        QCOMPARE(secret.button, QString("Secret"));
        QCOMPARE(secret.tab, QString("Secret"));
        QCOMPARE(secret.firstUnit, QString("one"));
        const QStringList firstUnits = {"meter", "pascal", "Celsius", "decimal", "as decimal", "kilogram"};
        const QStringList categories = {"Length", "Pressure", "Temperature", "Numbers", "Fractions", "Mass"};
        for (int i = 0; i < categories.size(); ++i) {
            ClickTab(h, i);
            const ShownCategory shown = Shown(h);
            QCOMPARE(shown.button, categories[i]);
            QCOMPARE(shown.tab, categories[i]);
            if (categories[i] != "Fractions")
                QCOMPARE(shown.firstUnit, firstUnits[i]);
        }
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->count(), categories.size()); // the hidden one went
    }

    void singleSelectionList_ctrlClickOnTheSelectedRow_keepsItSelected_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("list");
        QTest::newRow("Temperature output") << "Temperature"
                                            << "outputList";
        QTest::newRow("Temperature input") << "Temperature"
                                           << "inputList";
        QTest::newRow("Numbers output") << "Numbers"
                                        << "outputList";
    }
    void singleSelectionList_ctrlClickOnTheSelectedRow_keepsItSelected() {
        QFETCH(QString, category);
        QFETCH(QString, list);
        WindowHarness h;
        h.Start();
        h.ChooseCategory(category);
        QListWidget *units = List(h, list);
        ClickRow(units, 1);
        const QString unit = units->item(1)->text();
        QCOMPARE(SelectedNames(units), QStringList{unit});
        ClickRow(units, 1, Qt::ControlModifier);
        QCOMPARE(SelectedNames(units), QStringList{unit});
        QCOMPARE(CurrentName(units), unit);
    }

    void invertConversion_scrollsBothListsToTheirNewUnits() {
        WindowHarness h(false);
        h.dir.write("units.dat", LongCategory());
        MainWindow &window = h.Start();
        QListWidget *input = List(h, "inputList");
        QListWidget *output = List(h, "outputList");
        window.SelectInputUnit(75);
        window.SelectOutputUnit(2);
        QVERIFY(!RowVisible(input, 2) && !RowVisible(output, 75));
        h.Find<QAction>("invertConversionAction")->trigger();
        QCOMPARE(SelectedNames(input), QStringList{"unit 102"});
        QCOMPARE(SelectedNames(output), QStringList{"unit 175"});
        QVERIFY(RowVisible(input, 2));
        QVERIFY(RowVisible(output, 75));
    }

    void restoredLongInput_showsItsStart() {
        const QString compound =
            "(0) foot + (0) inch + (0) yard + (0) mile + (0) kilometer + (0) survey foot";
        WindowHarness h;
        h.SetSetting("list1", "[more]", "Length");
        h.SetSetting("hodnota", compound.toStdString(), "Length");
        h.Start();
        auto *valueField = h.Find<QLineEdit>("valueField");
        QCOMPARE(valueField->text(), compound);
        QCOMPARE(valueField->cursorPosition(), 0);
        h.ChooseCategory("Mass");
        h.ChooseCategory("Length");
        QCOMPARE(valueField->text(), compound);
        QCOMPARE(valueField->cursorPosition(), 0);
    }

    // Every command with a check in the menus draws the check itself, not a framed icon.
    void menus_checkableCommands_showATickNotAnIcon() {
        WindowHarness h;
        MainWindow &window = h.Start();
        QStringList checkable;
        for (QAction *menu : window.menuBar()->actions()) {
            for (QAction *command : menu->menu()->actions()) {
                if (!command->isCheckable())
                    continue;
                checkable.append(command->objectName());
                const bool iconInMenu = command->isIconVisibleInMenu() && !command->icon().isNull();
                QVERIFY2(!iconInMenu, qPrintable(command->objectName()));
            }
        }
        QVERIFY(checkable.contains("showAllResultsAction"));
        QVERIFY(checkable.contains("showHiddenAction"));
        // The toolbar button keeps its glyph.
        QVERIFY(!h.Find<QToolButton>("showAllResultsButton")->icon().isNull());
    }
};

QTEST_MAIN(TestWindowUse)
#include "tst_windowuse.moc"
