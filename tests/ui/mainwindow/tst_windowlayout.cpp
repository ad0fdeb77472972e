// SPDX-License-Identifier: MIT
// The window's frame: the computed layout applied to the controls, the two toolbars with their
// placement across runs, and the notification-area icon.
#include "core/db/UnitDatabase.h"
#include "core/layout/WindowLayout.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/mainwindow/ToolbarDocking.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QRect Rect(const LayoutRect &r) {
    return {r.left, r.top, r.width, r.height};
}

// What the core computes from the panels' and fields' present sizes.
WindowLayoutResult Expected(WindowHarness &h, const char *category) {
    LayoutInput input;
    input.clientWidth = h.Find<QWidget>("clientArea")->width();
    input.clientHeight = h.Find<QWidget>("clientArea")->height();
    input.fieldsStripWidth = h.Find<QWidget>("fieldsStrip")->width();
    input.listsAreaHeight = h.Find<QWidget>("listsArea")->height();
    input.editHeight = h.Find<QLineEdit>("valueField")->height();
    input.comboHeight = h.Find<QComboBox>("inputPressure")->height();
    return LayoutWindow(input, category);
}

void VerifyLayout(WindowHarness &h, const char *category) {
    const WindowLayoutResult e = Expected(h, category);
    QCOMPARE(h.Find<QFrame>("tabPage")->geometry(), Rect(e.tabPage));
    QCOMPARE(h.Find<QWidget>("fieldsStrip")->height(), e.fieldsStripHeight);
    QCOMPARE(h.Find<QLineEdit>("valueField")->geometry(), Rect(e.valueField));
    QCOMPARE(h.Find<QLineEdit>("resultField")->geometry(), Rect(e.resultField));
    QCOMPARE(h.Find<QLabel>("arrow")->geometry(), Rect(e.arrow));
    QCOMPARE(h.Find<QLabel>("arrow")->isVisible(), e.arrowVisible);
    QCOMPARE(h.Find<QListWidget>("inputList")->geometry(), Rect(e.inputList));
    QCOMPARE(h.Find<QListWidget>("outputList")->geometry(), Rect(e.outputList));
    QCOMPARE(h.Find<QComboBox>("inputPressure")->isVisible(), e.category.combosVisible);
    QCOMPARE(h.Find<QComboBox>("outputPressure")->isVisible(), e.category.combosVisible);
    if (e.category.combosVisible) {
        QCOMPARE(h.Find<QComboBox>("inputPressure")->geometry(), Rect(e.inputPressure));
        QCOMPARE(h.Find<QComboBox>("outputPressure")->geometry(), Rect(e.outputPressure));
    }
    QCOMPARE(h.Find<QListWidget>("inputList")->isVisible(), e.category.inputListVisible);
    QCOMPARE(h.Find<QLabel>("fractionsHint")->isVisible(), e.category.fractionsHintVisible);
}

// Nothing sticks out of its panel: the fields fit the strip and the lists the lists area.
void VerifyInside(WindowHarness &h) {
    const QWidget *fieldsStrip = h.Find<QWidget>("fieldsStrip");
    const QWidget *listsArea = h.Find<QWidget>("listsArea");
    QVERIFY(h.Find<QLineEdit>("resultField")->geometry().right() < fieldsStrip->width());
    QVERIFY(h.Find<QListWidget>("outputList")->geometry().right() < listsArea->width());
    QVERIFY(h.Find<QListWidget>("outputList")->geometry().bottom() < listsArea->height());
    QVERIFY(h.Find<QListWidget>("outputList")->height() > 50);
}

} // namespace

class TestWindowLayout : public QObject {
    Q_OBJECT
  private slots:
    void layout_designSizeAndLarger_controlsSitWhereTheCoreSays_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("category");
        QTest::newRow("design, Length") << QSize(561, 385) << "Length";
        QTest::newRow("design, Pressure") << QSize(561, 385) << "Pressure";
        QTest::newRow("design, Fractions") << QSize(561, 385) << "Fractions";
        QTest::newRow("large, Pressure") << QSize(900, 640) << "Pressure";
        QTest::newRow("narrow, Length") << QSize(360, 385) << "Length";
    }
    void layout_designSizeAndLarger_controlsSitWhereTheCoreSays() {
        QFETCH(QSize, size);
        QFETCH(QString, category);
        WindowHarness h;
        MainWindow &window = h.Start();
        window.resize(size);
        h.ChooseCategory(category);
        QTRY_COMPARE(window.size(), size);
        VerifyLayout(h, category.toLatin1().constData());
        VerifyInside(h);
    }

    void layout_maximized_fillsTheScreenAndStaysConsistent() {
        WindowHarness h;
        MainWindow &window = h.Start();
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(h.Find<QWidget>("clientArea")->width() > 561);
        VerifyLayout(h, "Length");
        VerifyInside(h);
    }

    void layout_pressureToLength_hidesSelectorsAndGainsTheirHeight() {
        WindowHarness h;
        h.Start();
        h.ChooseCategory("Pressure");
        auto *list = h.Find<QListWidget>("inputList");
        const int comboHeight = h.Find<QComboBox>("inputPressure")->height();
        QCOMPARE(list->y(), comboHeight + 9);
        const int pressureHeight = list->height();
        h.ChooseCategory("Length");
        QCOMPARE(list->y(), 3);
        QCOMPARE(list->height(), pressureHeight + comboHeight + 6);
        QVERIFY(h.Find<QComboBox>("inputPressure")->isHidden());
        QCOMPARE(h.Find<QListWidget>("outputList")->geometry().top(), 3);
    }

    void layout_hidingAToolbar_laysOutAtOnceForTheTallerClientArea() {
        WindowHarness h;
        h.Start();
        const int before = h.Find<QWidget>("clientArea")->height();
        h.Find<QAction>("showRecordbarAction")->trigger();
        QVERIFY(h.Find<QWidget>("clientArea")->height() > before);
        VerifyLayout(h, "Length");
    }

    void toolbar_atDesignWidth_buttonsAreIconsThatFitTheWindow() {
        WindowHarness h;
        h.Start();
        auto *bar = h.Find<QToolBar>("Toolbar971");
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QVERIFY2(bar->sizeHint().width() <= 561, qPrintable(QString::number(bar->sizeHint().width())));
        QVERIFY(!h.Find<QToolButton>("cutButton")->icon().isNull());
    }

    // A 50-character category name is elided on the category button, which keeps the toolbar
    // within the window; the tooltip holds the whole name.
    void toolbar_longCategoryName_isElidedWithTheWholeNameInTheTooltip() {
        WindowHarness h;
        h.Start();
        auto *bar = h.Find<QToolBar>("Toolbar971");
        const int before = bar->sizeHint().width();
        const QString name = QString("Category with a name of exactly fifty characters!!").left(50);
        QCOMPARE(name.size(), 50);
        UnitDatabase &db = h.window()->database();
        db.AddCategory(name.toStdString(), true);
        db.AddUnit(name.toStdString(), "part", "", 1.0L, true);
        h.window()->RebuildLists();
        h.ChooseCategory(name);
        auto *button = h.Find<QToolButton>("categoryButton");
        QCOMPARE(button->toolTip(), name);
        QVERIFY(button->text() != name);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= button->width(),
                 qPrintable(button->text()));
        QVERIFY2(bar->sizeHint().width() <= std::max(h.window()->width(), before),
                 qPrintable(QString::number(bar->sizeHint().width())));
        h.ChooseCategory("Length");
        QCOMPARE(button->text(), QString("Length"));
        QCOMPARE(button->toolTip(), QString("Length"));
    }

    void recordbar_buttons_carryTheirCommandsHintsAndGlyphs_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("hint");
        QTest::newRow("add") << "addItemButton"
                             << "addItemAction"
                             << "Add Item";
        QTest::newRow("remove") << "removeLastItemButton"
                                << "removeLastItemAction"
                                << "Remove Last Item";
        QTest::newRow("delete") << "deleteAllItemsButton"
                                << "deleteAllItemsAction"
                                << "Delete All Items";
        QTest::newRow("copy") << "copyConversionButton"
                              << "copyConversionAction"
                              << "Copy Conversion to Clipboard";
        QTest::newRow("all") << "copyAllConversionsButton"
                             << "copyAllConversionsAction"
                             << "Copy All Conversions to Clipboard";
        QTest::newRow("record") << "copyRecordButton"
                                << "copyRecordAction"
                                << "Copy Record to Clipboard";
        QTest::newRow("switch") << "recordButton"
                                << "recordAction"
                                << "Record:\r\n";
    }
    void recordbar_buttons_carryTheirCommandsHintsAndGlyphs() {
        QFETCH(QString, button);
        QFETCH(QString, command);
        QFETCH(QString, hint);
        WindowHarness h;
        h.Start();
        QCOMPARE(h.Find<QToolBar>("Toolbar972")->windowTitle(), QString("Recordbar"));
        auto *tool = h.Find<QToolButton>(button.toLatin1().constData());
        QVERIFY(tool != nullptr);
        QVERIFY(tool->parent() == h.Find<QToolBar>("Toolbar972"));
        QCOMPARE(tool->defaultAction(), h.Find<QAction>(command.toLatin1().constData()));
        QCOMPARE(tool->toolTip(), hint);
        QVERIFY(tool->isEnabled());
        QVERIFY(!tool->icon().isNull());
    }

    void toolbars_hiddenByMenuOrContextMenu_keepSettingAndCheckAcrossRuns() {
        WindowHarness h;
        h.Start();
        h.Find<QAction>("showRecordbarAction")->trigger();
        QVERIFY(h.Find<QToolBar>("Toolbar972")->isHidden());
        QVERIFY(!h.Find<QAction>("showRecordbarAction")->isChecked());
        h.Find<QToolBar>("Toolbar971")->toggleViewAction()->trigger(); // the window's context menu
        QVERIFY(!h.Find<QAction>("showToolbarAction")->isChecked());
        h.Finish();
        QCOMPARE(h.Setting("Visible", "Toolbar971"), std::string("0"));
        QCOMPARE(h.Setting("Visible", "Toolbar972"), std::string("0"));
        h.Start();
        QVERIFY(h.Find<QToolBar>("Toolbar971")->isHidden());
        QVERIFY(h.Find<QToolBar>("Toolbar972")->isHidden());
        h.Find<QAction>("showRecordbarAction")->trigger();
        QVERIFY(h.Find<QToolBar>("Toolbar972")->isVisible());
        QVERIFY(h.Find<QAction>("showRecordbarAction")->isChecked());
    }

    void toolbars_default_recordbarOnTheSecondLineOfTheTopDock() {
        WindowHarness h;
        h.Start();
        h.Finish();
        QCOMPARE(h.Setting("DockedTo", "Toolbar971"), std::string("Dock97top"));
        QCOMPARE(h.Setting("DockRow", "Toolbar971"), std::string("0"));
        QCOMPARE(h.Setting("DockedTo", "Toolbar972"), std::string("Dock97top"));
        QCOMPARE(h.Setting("DockRow", "Toolbar972"), std::string("1"));
        MainWindow &window = h.Start();
        QCOMPARE(window.toolBarArea(h.Find<QToolBar>("Toolbar972")), Qt::TopToolBarArea);
        QVERIFY(h.Find<QToolBar>("Toolbar972")->y() > h.Find<QToolBar>("Toolbar971")->y());
    }

    void toolbars_movedToAnotherDock_comeBackThereAtTheNextStart() {
        WindowHarness h;
        MainWindow &window = h.Start();
        window.addToolBar(Qt::LeftToolBarArea, h.Find<QToolBar>("Toolbar972"));
        window.addToolBar(Qt::BottomToolBarArea, h.Find<QToolBar>("Toolbar971"));
        h.Finish();
        QCOMPARE(h.Setting("DockedTo", "Toolbar972"), std::string("Dock97left"));
        QCOMPARE(h.Setting("DockedTo", "Toolbar971"), std::string("Dock97bottom"));
        MainWindow &again = h.Start();
        QCOMPARE(again.toolBarArea(h.Find<QToolBar>("Toolbar972")), Qt::LeftToolBarArea);
        QCOMPARE(again.toolBarArea(h.Find<QToolBar>("Toolbar971")), Qt::BottomToolBarArea);
        QCOMPARE(h.Find<QToolBar>("Toolbar972")->orientation(), Qt::Vertical);
        VerifyLayout(h, "Length");
    }

    void toolbars_floating_keepTheirRectangleAcrossRuns() {
        WindowHarness h;
        h.Start();
        auto *bar = h.Find<QToolBar>("Toolbar972");
        ToolbarDocking::Float(*bar, QRect(120, 140, 200, 32));
        bar->show();
        QVERIFY(bar->isFloating());
        h.Finish();
        QCOMPARE(h.Setting("DockedTo", "Toolbar972"), std::string("nil"));
        QCOMPARE(h.Setting("FloatLeft", "Toolbar972"), std::string("120"));
        QCOMPARE(h.Setting("FloatTop", "Toolbar972"), std::string("140"));
        QCOMPARE(h.Setting("FloatRight", "Toolbar972"), std::string("320"));
        QCOMPARE(h.Setting("FloatBottom", "Toolbar972"), std::string("172"));
        h.SetSetting("FloatRightX", "77", "Toolbar972");
        h.Start();
        bar = h.Find<QToolBar>("Toolbar972");
        QVERIFY(bar->isFloating());
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->geometry(), QRect(120, 140, 200, 32));
        h.Finish();
        QCOMPARE(h.Setting("FloatRightX", "Toolbar972"), std::string("77"));
    }

    void toolbars_unknownDockName_leavesTheBarWhereItIs() {
        WindowHarness h;
        h.SetSetting("DockedTo", "Dock97middle", "Toolbar971");
        MainWindow &window = h.Start();
        QCOMPARE(window.toolBarArea(h.Find<QToolBar>("Toolbar971")), Qt::TopToolBarArea);
        QVERIFY(h.Find<QToolBar>("Toolbar971")->isVisible());
    }

    void tray_noNotificationArea_minimizeNeverHidesTheWindow() {
        WindowHarness h;
        h.SetSetting("tray", "1");
        MainWindow &window = h.Create({}, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QSystemTrayIcon *>() == nullptr);
        window.showMinimized();
        QTest::qWait(50);
        QVERIFY(!window.isHidden());
    }

    void tray_minimizeToTray_hidesUntilRestoredFromTheIcon() {
        WindowHarness h;
        MainWindow &window = h.Create({}, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *icon = window.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon != nullptr);
        QCOMPARE(icon->toolTip(), QString("Mensurio"));
        QVERIFY(!icon->isVisible());
        window.showMinimized();
        QTest::qWait(50);
        QVERIFY(!window.isHidden()); // the setting is off: a normal minimised window
        window.showNormal();
        h.Find<QAction>("minimizeToTrayAction")->trigger();
        icon->show();
        if (!icon->isVisible())
            QSKIP("this desktop has no notification area");
        QVERIFY(window.settings().tray);
        window.showMinimized();
        QTRY_VERIFY(window.isHidden());
        window.findChild<QAction *>("TrayRestore")->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        h.Find<QAction>("minimizeToTrayAction")->trigger();
        QVERIFY(!window.settings().tray);
        QVERIFY(!icon->isVisible());
    }

    // The notification area was there at the start but is gone (or not there yet) when the
    // window is minimised: the window stays on the task bar, and hides again once a tray is back.
    void tray_noNotificationAreaAtTheMinimise_minimizesNormally() {
        WindowHarness h;
        bool present = false;
        h.trayPresent = [&present] { return present; };
        h.SetSetting("tray", "1");
        MainWindow &window = h.Create({}, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *icon = window.findChild<QSystemTrayIcon *>("trayIcon");
        QVERIFY(icon != nullptr);
        if (!icon->isVisible())
            QSKIP("this platform shows no tray icon at all");
        window.showMinimized();
        QTest::qWait(50);
        QVERIFY(!window.isHidden());
        window.showNormal();
        present = true;
        window.showMinimized();
        QTRY_VERIFY(window.isHidden());
    }

    void tray_startedInTray_firstRestoreIsTheFirstShow() {
        WindowHarness h;
        MainWindow &window = h.Create("tray", true);
        QVERIFY(window.startsHidden());
        QVERIFY(!window.started());
        window.findChild<QAction *>("TrayRestore")->trigger();
        QVERIFY(window.isVisible());
        QVERIFY(window.started());
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
