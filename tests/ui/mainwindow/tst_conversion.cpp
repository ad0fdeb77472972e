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
        ClickRow(list1(h), "foot");
        ClickRow(list2(h), "meter");
    }
    static QListWidget *list1(WindowHarness &h) { return h.Find<QListWidget>("ListBox1"); }
    static QListWidget *list2(WindowHarness &h) { return h.Find<QListWidget>("ListBox2"); }
    static QLineEdit *edit1(WindowHarness &h) { return h.Find<QLineEdit>("Edit1"); }
    static QLineEdit *edit2(WindowHarness &h) { return h.Find<QLineEdit>("Edit2"); }

  private slots:
    void typing_convertsAtEveryChange() {
        WindowHarness h;
        startInLength(h);
        h.Type("5");
        QCOMPARE(edit2(h)->text(), QString("1.524"));
        QTest::keyClicks(edit1(h), "0");
        QCOMPARE(edit2(h)->text(), QString("15.24"));
        edit1(h)->setText("(5+5)*2");
        QCOMPARE(edit2(h)->text(), QString("6.096"));
        QTest::keyClicks(edit1(h), "+");
        QCOMPARE(edit2(h)->text(), QString("invalid or incomplete expression"));
    }

    void clickInOutputList_converts() {
        WindowHarness h;
        startInLength(h);
        h.Type("1");
        ClickRow(list2(h), "inch");
        QCOMPARE(edit2(h)->text(), QString("12"));
    }

    void compoundInput_selectsItsUnits() {
        WindowHarness h;
        startInLength(h);
        h.Type("5 foot + 3 inch");
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot", "inch"}));
        QCOMPARE(edit2(h)->text(), QString("1.6002"));
    }

    void secondInputUnit_appendsTemplate_deselectingRemovesIt() {
        WindowHarness h;
        startInLength(h);
        h.Type("(5) foot");
        ClickRow(list1(h), "inch", Qt::ControlModifier);
        QCOMPARE(edit1(h)->text(), QString("(5) foot + (0) inch"));
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot", "inch"}));
        QCOMPARE(edit2(h)->text(), QString("1.524"));
        ClickRow(list1(h), "inch", Qt::ControlModifier);
        QCOMPARE(edit1(h)->text(), QString("(5) foot"));
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot"}));
    }

    void enterInInput_selectsTheWholeText() {
        WindowHarness h;
        startInLength(h);
        h.Type("12.5");
        QTest::keyClick(edit1(h), Qt::Key_Return);
        QCOMPARE(edit1(h)->selectedText(), QString("12.5"));
        QCOMPARE(edit1(h)->text(), QString("12.5"));
    }

    void clearInputField_emptiesTheInputAndConverts() {
        WindowHarness h;
        startInLength(h);
        h.Type("5");
        h.Find<QAction>("ClearInputField1")->trigger();
        QCOMPARE(edit1(h)->text(), QString());
        QCOMPARE(edit2(h)->text(), QString("0"));
    }

    void pressureSelectors_switchTheReferenceAndConvert() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        h.Start();
        ClickRow(list1(h), "bar");
        ClickRow(list2(h), "pascal");
        h.Type("2");
        QCOMPARE(edit2(h)->text(), QString("200000"));
        h.Find<QComboBox>("ComboBox2")->setCurrentIndex(1); // gauge output
        QVERIFY(!h.window()->settings().com2abs);
        QVERIFY(edit2(h)->text() != QString("200000"));
    }

    void categoryChange_refillsTheListsAndFollowsEverywhere() {
        WindowHarness h;
        startInLength(h);
        h.ChooseCategory("Temperature");
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->currentText(), QString("Temperature"));
        QCOMPARE(h.Find<QToolButton>("ToolbarButton973")->text(), QString("Temperature"));
        QCOMPARE(list1(h)->count(), 4);
        QCOMPARE(list1(h)->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list2(h)->selectionMode(), QAbstractItemView::SingleSelection);
        list1(h)->setCurrentRow(RowOf(list1(h), "Celsius"));
        list2(h)->setCurrentRow(RowOf(list2(h), "Fahrenheit"));
        h.Type("100");
        QCOMPARE(edit2(h)->text(), QString("212"));
        h.ChooseCategory("Fractions");
        QVERIFY(!list1(h)->isVisible());
        QVERIFY(h.Find<QLabel>("Label1")->isVisible());
        h.ChooseCategory("Length");
        QCOMPARE(list1(h)->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(list1(h)->isVisible());
    }

    void tabClick_changesTheCategory() {
        WindowHarness h;
        startInLength(h);
        auto *tabs = h.Find<QTabBar>("TabControl1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
        QCOMPARE(h.window()->currentCategory(), std::string("Numbers"));
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->currentIndex(), 3);
        QCOMPARE(list1(h)->count(), 3);
    }

    void categoryMenu_checkMarkFollowsTheCurrentCategory() {
        WindowHarness h;
        startInLength(h);
        auto *menu = h.Find<QMenu>("PopupMenu1");
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
        auto *menu = h.Find<QMenu>("PopupMenu1");
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
        QCOMPARE(h.Find<QToolButton>("ToolbarButton973")->width(), 111);
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
        ClickRow(list2(h), "yard", Qt::ControlModifier);
        h.Type("3");
        const QString before = edit2(h)->text();
        auto *sort = h.Find<QAction>("SortUnits1");
        QVERIFY(sort->isChecked());
        sort->trigger(); // off: list order
        QVERIFY(!h.window()->settings().GeSoUnit);
        QCOMPARE(list1(h)->item(0)->text(), QString("meter"));
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot"}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"meter", "yard"}));
        QCOMPARE(edit2(h)->text(), before);
    }

    void showHidden_toggleRebuildsListsWithoutHiddenEntries() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Mass");
        h.Start();
        QCOMPARE(list1(h)->count(), 3);
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->count(), 7);
        ClickRow(list1(h), "kilogram");
        ClickRow(list2(h), "gram");
        h.Type("2");
        h.Find<QAction>("ShowHidden1")->trigger();
        QVERIFY(!h.window()->settings().showhidden);
        QVERIFY(h.window()->database().SkipHidden);
        QCOMPARE(list1(h)->count(), 2);
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->count(), 6);
        QCOMPARE(h.window()->currentCategory(), std::string("Mass"));
        QCOMPARE(SelectedNames(list1(h)), QStringList({"kilogram"}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"gram"}));
        QCOMPARE(edit2(h)->text(), QString("2000"));
    }

    void selectUnit_selectsExactlyOneRowAndFallsBackToRowZero() {
        WindowHarness h;
        startInLength(h);
        ClickRow(list2(h), "yard", Qt::ControlModifier);
        h.window()->SelectOutputUnit(2);
        QCOMPARE(SelectedNames(list2(h)), QStringList({list2(h)->item(2)->text()}));
        QCOMPARE(h.window()->FirstSelectedOutput(), 2);
        h.window()->SelectInputUnit(99);
        QCOMPARE(SelectedNames(list1(h)), QStringList({list1(h)->item(0)->text()}));
        QCOMPARE(h.window()->FirstSelectedInput(), 0);
        h.ChooseCategory("Numbers");
        h.window()->SelectInputUnit(2);
        QCOMPARE(list1(h)->currentRow(), 2);
        QCOMPARE(SelectedNames(list1(h)), QStringList({list1(h)->item(2)->text()}));
    }

    void rebuildCategoryList_followsTheTabSettingAndKeepsTheCategory() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Pressure");
        h.Start();
        h.window()->settings().GeDiCate = false;
        h.window()->RebuildCategoryList();
        QCOMPARE(h.Find<QTabBar>("TabControl1")->count(), 0);
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->currentText(), QString("Pressure"));
        h.window()->settings().GeDiCate = true;
        h.window()->RebuildCategoryList();
        QCOMPARE(h.Find<QTabBar>("TabControl1")->currentIndex(), 1);
        QCOMPARE(list1(h)->count(), 3);
    }

    void categoryWithoutVisibleUnits_leavesOutputEmpty() {
        WindowHarness h;
        UnitDatabase db = FixtureDatabase();
        db.AddCategory("Empty", false);
        h.dir.write("units.dat", DatabaseFile::ToBytes(db, "MNSA"));
        h.SetSetting("AktualCate", "Empty");
        h.Start();
        h.Type("5");
        QCOMPARE(list1(h)->count(), 0);
        QCOMPARE(edit2(h)->text(), QString());
        QVERIFY(!h.window()->categoryHasUnits());
    }
};

QTEST_MAIN(TestConversion)
#include "tst_conversion.moc"
