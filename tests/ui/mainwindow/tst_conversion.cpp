// SPDX-License-Identifier: MIT
// Conversion as the user types and clicks: the events that reach the engine.
#include "core/db/DatabaseFile.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

class TestConversion : public QObject {
    Q_OBJECT
  private:
    // Length with foot in and meter out (the lists are sorted by name by default).
    void startInLength(WindowHarness &h) {
        h.SetSetting("AktualCate", "Length");
        h.Start();
        ClickRow(inputList(h), "foot");
        ClickRow(outputList(h), "meter");
    }
    static QListWidget *inputList(WindowHarness &h) { return h.Find<QListWidget>("inputList"); }
    static QListWidget *outputList(WindowHarness &h) { return h.Find<QListWidget>("outputList"); }
    static QLineEdit *valueField(WindowHarness &h) { return h.Find<QLineEdit>("valueField"); }
    static QLineEdit *resultField(WindowHarness &h) { return h.Find<QLineEdit>("resultField"); }

  private slots:
    void typing_convertsAtEveryChange() {
        WindowHarness h;
        startInLength(h);
        h.Type("5");
        QCOMPARE(resultField(h)->text(), QString("1.524"));
        QTest::keyClicks(valueField(h), "0");
        QCOMPARE(resultField(h)->text(), QString("15.24"));
        valueField(h)->setText("(5+5)*2");
        QCOMPARE(resultField(h)->text(), QString("6.096"));
        QTest::keyClicks(valueField(h), "+");
        QCOMPARE(resultField(h)->text(), QString("invalid or incomplete expression"));
    }

    void clickInOutputList_converts() {
        WindowHarness h;
        startInLength(h);
        h.Type("1");
        ClickRow(outputList(h), "inch");
        QCOMPARE(resultField(h)->text(), QString("12"));
    }

    void compoundInput_selectsItsUnits() {
        WindowHarness h;
        startInLength(h);
        h.Type("5 foot + 3 inch");
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "inch"}));
        QCOMPARE(resultField(h)->text(), QString("1.6002"));
    }

    void secondInputUnit_appendsTemplate_deselectingRemovesIt() {
        WindowHarness h;
        startInLength(h);
        h.Type("(5) foot");
        ClickRow(inputList(h), "inch", Qt::ControlModifier);
        QCOMPARE(valueField(h)->text(), QString("(5) foot + (0) inch"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "inch"}));
        QCOMPARE(resultField(h)->text(), QString("1.524"));
        ClickRow(inputList(h), "inch", Qt::ControlModifier);
        QCOMPARE(valueField(h)->text(), QString("(5) foot"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot"}));
    }

    void enterInInput_selectsTheWholeText() {
        WindowHarness h;
        startInLength(h);
        h.Type("12.5");
        QTest::keyClick(valueField(h), Qt::Key_Return);
        QCOMPARE(valueField(h)->selectedText(), QString("12.5"));
        QCOMPARE(valueField(h)->text(), QString("12.5"));
    }

    void clearInputField_emptiesTheInputAndConverts() {
        WindowHarness h;
        startInLength(h);
        h.Type("5");
        h.Find<QAction>("clearInputFieldAction")->trigger();
        QCOMPARE(valueField(h)->text(), QString());
        QCOMPARE(resultField(h)->text(), QString("0"));
    }

    void pressureSelectors_switchTheReferenceAndConvert() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        h.Start();
        ClickRow(inputList(h), "bar");
        ClickRow(outputList(h), "pascal");
        h.Type("2");
        QCOMPARE(resultField(h)->text(), QString("200000"));
        h.Find<QComboBox>("outputPressure")->setCurrentIndex(1); // gauge output
        QVERIFY(!h.window()->settings().com2abs);
        QVERIFY(resultField(h)->text() != QString("200000"));
    }

    void categoryChange_refillsTheListsAndFollowsEverywhere() {
        WindowHarness h;
        startInLength(h);
        h.ChooseCategory("Temperature");
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentText(), QString("Temperature"));
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), QString("Temperature"));
        QCOMPARE(inputList(h)->count(), 4);
        QCOMPARE(inputList(h)->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(outputList(h)->selectionMode(), QAbstractItemView::SingleSelection);
        inputList(h)->setCurrentRow(RowOf(inputList(h), "Celsius"));
        outputList(h)->setCurrentRow(RowOf(outputList(h), "Fahrenheit"));
        h.Type("100");
        QCOMPARE(resultField(h)->text(), QString("212"));
        h.ChooseCategory("Fractions");
        QVERIFY(!inputList(h)->isVisible());
        QVERIFY(h.Find<QLabel>("fractionsHint")->isVisible());
        h.ChooseCategory("Length");
        QCOMPARE(inputList(h)->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(inputList(h)->isVisible());
    }

    void tabClick_changesTheCategory() {
        WindowHarness h;
        startInLength(h);
        auto *tabs = h.Find<QTabBar>("categoryTabs");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
        QCOMPARE(h.window()->currentCategory(), std::string("Numbers"));
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentIndex(), 3);
        QCOMPARE(inputList(h)->count(), 3);
    }

    void categoryMenu_checkMarkFollowsTheCurrentCategory() {
        WindowHarness h;
        startInLength(h);
        auto *menu = h.Find<QMenu>("categoryPopup");
        h.ChooseCategory("Numbers");
        emit menu->aboutToShow();
        QStringList checked;
        for (const QAction *item : menu->actions()) {
            if (item->isChecked())
                checked.append(item->data().toString());
        }
        QCOMPARE(checked, QStringList({"Numbers"}));
    }

    void longCategoryList_showsTheMenuAsAGridWhoseButtonsChooseCategories() {
        WindowHarness h;
        UnitDatabase db = FixtureDatabase();
        for (const char *name : {"Area", "Volume", "Speed", "Time"}) {
            db.AddCategory(name, false);
            db.AddUnit(name, "unit", "", 1.0L, false);
        }
        h.dir.write("units.dat", DatabaseFile::ToBytes(db, "MNSA"));
        h.Start();
        auto *menu = h.Find<QMenu>("categoryPopup");
        emit menu->aboutToShow(); // its items are made as it opens
        QCOMPARE(menu->actions().size(), 1);
        auto *grid = qobject_cast<QWidgetAction *>(menu->actions().front());
        QVERIFY(grid != nullptr);
        QToolButton *mass = nullptr;
        for (QToolButton *button : grid->defaultWidget()->findChildren<QToolButton *>()) {
            if (button->text() == "Mass")
                mass = button;
        }
        QVERIFY(mass != nullptr);
        QCOMPARE(grid->defaultWidget()->findChildren<QToolButton *>().size(), 11);
        mass->click();
        QCOMPARE(h.window()->currentCategory(), std::string("Mass"));
        emit menu->aboutToShow();
        QVERIFY(mass->isChecked());
    }

    void categoryButton_isAtLeast111PixelsWide() {
        WindowHarness h;
        h.Start();
        QCOMPARE(h.Find<QToolButton>("categoryButton")->width(), 111);
    }

    void categoryMenu_columnStarts() {
        const std::pair<int, std::vector<int>> cases[] = {{9, {}},      {10, {4, 8}},  {11, {4, 8}},
                                                          {12, {4, 8}}, {13, {5, 10}}, {30, {10, 20}}};
        for (const auto &[items, starts] : cases)
            QCOMPARE(CategoryMenu::ColumnStarts(items), starts);
    }

    void sortUnits_keepsTheSelectionOfTheUnits() {
        WindowHarness h;
        startInLength(h);
        ClickRow(outputList(h), "yard", Qt::ControlModifier);
        h.Type("3");
        const QString before = resultField(h)->text();
        auto *sort = h.Find<QAction>("sortUnitsAction");
        QVERIFY(sort->isChecked());
        sort->trigger(); // off: list order
        QVERIFY(!h.window()->settings().GeSoUnit);
        QCOMPARE(inputList(h)->item(0)->text(), QString("meter"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"meter", "yard"}));
        QCOMPARE(resultField(h)->text(), before);
    }

    void showHidden_toggleRebuildsListsWithoutHiddenEntries() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Mass");
        h.Start();
        QCOMPARE(inputList(h)->count(), 3);
        QCOMPARE(h.Find<QComboBox>("categoryNames")->count(), 7);
        ClickRow(inputList(h), "kilogram");
        ClickRow(outputList(h), "gram");
        h.Type("2");
        h.Find<QAction>("showHiddenAction")->trigger();
        QVERIFY(!h.window()->settings().showhidden);
        QVERIFY(h.window()->database().SkipHidden);
        QCOMPARE(inputList(h)->count(), 2);
        QCOMPARE(h.Find<QComboBox>("categoryNames")->count(), 6);
        QCOMPARE(h.window()->currentCategory(), std::string("Mass"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"kilogram"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"gram"}));
        QCOMPARE(resultField(h)->text(), QString("2000"));
    }

    void selectUnit_selectsExactlyOneRowAndFallsBackToRowZero() {
        WindowHarness h;
        startInLength(h);
        ClickRow(outputList(h), "yard", Qt::ControlModifier);
        h.window()->SelectOutputUnit(2);
        QCOMPARE(SelectedNames(outputList(h)), QStringList({outputList(h)->item(2)->text()}));
        QCOMPARE(h.window()->FirstSelectedOutput(), 2);
        h.window()->SelectInputUnit(99);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({inputList(h)->item(0)->text()}));
        QCOMPARE(h.window()->FirstSelectedInput(), 0);
        h.ChooseCategory("Numbers");
        h.window()->SelectInputUnit(2);
        QCOMPARE(inputList(h)->currentRow(), 2);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({inputList(h)->item(2)->text()}));
    }

    void rebuildCategoryList_followsTheTabSettingAndKeepsTheCategory() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        h.Start();
        h.window()->settings().GeDiCate = false;
        h.window()->RebuildCategoryList();
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->count(), 0);
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentText(), QString("Pressure"));
        h.window()->settings().GeDiCate = true;
        h.window()->RebuildCategoryList();
        QCOMPARE(h.Find<QTabBar>("categoryTabs")->currentIndex(), 1);
        QCOMPARE(inputList(h)->count(), 3);
    }

    void categoryWithoutVisibleUnits_leavesOutputEmpty() {
        WindowHarness h;
        UnitDatabase db = FixtureDatabase();
        db.AddCategory("Empty", false);
        h.dir.write("units.dat", DatabaseFile::ToBytes(db, "MNSA"));
        h.SetSetting("AktualCate", "Empty");
        h.Start();
        h.Type("5");
        QCOMPARE(inputList(h)->count(), 0);
        QCOMPARE(resultField(h)->text(), QString());
        QVERIFY(!h.window()->categoryHasUnits());
    }
};

QTEST_MAIN(TestConversion)
#include "tst_conversion.moc"
