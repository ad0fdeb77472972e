// SPDX-License-Identifier: MIT
// Conversion memory through the window: category changes, restarts, Show All Results and
// Clear Conversion Memory.
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

class TestMemory : public QObject {
    Q_OBJECT
  private:
    static QListWidget *list1(WindowHarness &h) { return h.Find<QListWidget>("ListBox1"); }
    static TListBoxTwo *list2(WindowHarness &h) { return h.Find<TListBoxTwo>("ListBox2"); }
    static QLineEdit *edit1(WindowHarness &h) { return h.Find<QLineEdit>("Edit1"); }
    static QLineEdit *edit2(WindowHarness &h) { return h.Find<QLineEdit>("Edit2"); }

    // In Length: foot in; kilometer, inch and mile out (default-order positions 1, 3 and 5).
    void selectThreeOutputs(WindowHarness &h) {
        ClickRow(list1(h), "foot");
        ClickRow(list2(h), "kilometer");
        ClickRow(list2(h), "inch", Qt::ControlModifier);
        ClickRow(list2(h), "mile", Qt::ControlModifier);
    }

  private slots:
    // A restored value (at start and on return to a category) is selected whole: the first click
    // keeps it selected and typing replaces it; after the user edits, a click places the caret.
    void restoredValue_firstClickKeepsItSelectedSoTypingReplacesIt() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("hodnota", "30", "Length");
        h.Start();
        QCOMPARE(edit1(h)->text(), QString("30"));
        QCOMPARE(edit1(h)->selectedText(), QString("30"));
        QCOMPARE(edit1(h)->cursorPosition(), 0);
        const QPoint end(edit1(h)->width() - 4, edit1(h)->height() / 2);
        QTest::mouseClick(edit1(h), Qt::LeftButton, {}, end);
        QVERIFY(edit1(h)->hasFocus());
        QCOMPARE(edit1(h)->selectedText(), QString("30"));
        QTest::keyClicks(edit1(h), "12");
        QCOMPARE(edit1(h)->text(), QString("12"));
        // Edited by the user: a click places the caret as usual.
        QTest::mouseClick(edit1(h), Qt::LeftButton, {}, end);
        QCOMPARE(edit1(h)->selectedText(), QString());
        QTest::keyClicks(edit1(h), "5");
        QCOMPARE(edit1(h)->text(), QString("125"));
        // A category change and the way back restore the value selected again.
        h.ChooseCategory("Mass");
        h.ChooseCategory("Length");
        QCOMPARE(edit1(h)->text(), QString("125"));
        QCOMPARE(edit1(h)->selectedText(), QString("125"));
        QTest::mouseClick(edit1(h), Qt::LeftButton, {}, end);
        QTest::keyClicks(edit1(h), "7");
        QCOMPARE(edit1(h)->text(), QString("7"));
    }

    void categoryChange_savesTheLeftCategoryAndRestoresItOnReturn() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        ClickRow(list1(h), "yard");
        ClickRow(list2(h), "foot");
        h.Type("2");
        QCOMPARE(edit2(h)->text(), QString("6"));
        h.ChooseCategory("Mass");
        QCOMPARE(h.Setting("list1", "Length"), std::string("yard"));
        QCOMPARE(h.Setting("list2m", "Length"), std::string("02"));
        QCOMPARE(h.Setting("hodnota", "Length"), std::string("2"));
        QCOMPARE(edit1(h)->text(), QString()); // Mass has no memory yet
        h.ChooseCategory("Length");
        QCOMPARE(SelectedNames(list1(h)), QStringList({"yard"}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"foot"}));
        QCOMPARE(edit1(h)->text(), QString("2"));
        QCOMPARE(edit2(h)->text(), QString("6"));
    }

    // The shipped first-start units on a fresh start, per category and in both list orders;
    // a unit the database lacks leaves the first rows.
    void firstStart_shippedUnitsWhereTheSettingsHoldNoMemory_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("Length") << "Length" << false << "meter" << "foot";
        QTest::newRow("Length sorted") << "Length" << true << "meter" << "foot";
        QTest::newRow("Temperature") << "Temperature" << false << "Celsius" << "Fahrenheit";
        QTest::newRow("Mass: no pound") << "Mass" << false << "kilogram" << "kilogram";
        QTest::newRow("Numbers: no entry") << "Numbers" << false << "decimal" << "decimal";
    }
    void firstStart_shippedUnitsWhereTheSettingsHoldNoMemory() {
        QFETCH(QString, category);
        QFETCH(bool, sorted);
        QFETCH(QString, input);
        QFETCH(QString, output);
        WindowHarness h;
        h.firstStartMemories = ShippedFirstStartMemories();
        h.SetSetting("AktualCate", category.toStdString());
        h.SetSetting("GeSoUnit", sorted ? "1" : "0");
        h.Start();
        QCOMPARE(CurrentName(list1(h)), input);
        QCOMPARE(SelectedNames(list1(h)), QStringList({input}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({output}));
        QCOMPARE(edit1(h)->text(), QString());
    }

    // A memory of the user's wins over the shipped units, also when it names other units;
    // Clear Conversion Memory brings the shipped ones back.
    void firstStart_storedOrClearedMemory() {
        WindowHarness h;
        h.firstStartMemories = ShippedFirstStartMemories();
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("list1", "yard", "Length");
        h.SetSetting("list2m", "03", "Length");
        h.SetSetting("hodnota", "", "Length");
        h.Start();
        QCOMPARE(SelectedNames(list1(h)), QStringList({"yard"}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"inch"}));
        h.Find<QAction>("ClearConversionMemory1")->trigger();
        h.ChooseCategory("Temperature");
        h.ChooseCategory("Length");
        QCOMPARE(SelectedNames(list1(h)), QStringList({"meter"}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"foot"}));
        h.Type("1");
        QCOMPARE(edit2(h)->text(), QString("3.280839895"));
        h.Finish();
        QCOMPARE(h.Setting("list1", "Length"), std::string("meter"));
        QCOMPARE(h.Setting("list2m", "Length"), std::string("02"));
    }

    void restart_restoresThreeOutputUnitsAlsoAfterTheSortChanged() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        selectThreeOutputs(h);
        h.Type("1");
        h.Finish();
        QCOMPARE(h.Setting("list2m", "Length"), std::string("010305"));
        h.SetSetting("GeSoUnit", "0");
        h.Start();
        QCOMPARE(list1(h)->item(0)->text(), QString("meter")); // list order now
        QCOMPARE(SelectedNames(list2(h)), QStringList({"kilometer", "inch", "mile"}));
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot"}));
        QCOMPARE(edit1(h)->text(), QString("1"));
        QVERIFY(edit2(h)->text().contains("inch"));
    }

    void moreThanOneInputUnit_isRememberedAsMoreAndRestoredThroughTheText() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        ClickRow(list2(h), "meter");
        h.Type("(5) foot + (3) inch");
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot", "inch"}));
        h.Finish();
        QCOMPARE(h.Setting("list1", "Length"), std::string("[more]"));
        h.Start();
        QCOMPARE(SelectedNames(list1(h)), QStringList({"foot", "inch"}));
        QCOMPARE(edit2(h)->text(), QString("1.6002"));
    }

    void moreWithATextNamingNoUnit_selectsNoInputAndShowsTheMessage() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("list1", "[more]", "Length");
        h.SetSetting("list2m", "00", "Length");
        h.SetSetting("hodnota", "5", "Length");
        h.Start();
        QVERIFY(SelectedNames(list1(h)).isEmpty());
        QCOMPARE(SelectedNames(list2(h)), QStringList({"meter"}));
        QCOMPARE(edit2(h)->text(), QString("no unit selected"));
    }

    void showAllResults_listsEveryValueAndKeepsSeveralOutputs() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        selectThreeOutputs(h);
        h.Type("3");
        QAction *all = h.Find<QAction>("ShowAllResults1");
        all->trigger();
        QVERIFY(h.window()->settings().split);
        QCOMPARE(list2(h)->mode(), TListBoxTwo::Mode::ttwo);
        QCOMPARE(list2(h)->values().size(), list2(h)->count());
        QCOMPARE(list2(h)->valueAt(RowOf(list2(h), "foot")), QString("3"));
        QCOMPARE(list2(h)->valueAt(RowOf(list2(h), "inch")), QString("36"));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"inch", "kilometer", "mile"}));
        all->trigger();
        QCOMPARE(list2(h)->mode(), TListBoxTwo::Mode::tstandard);
        QVERIFY(list2(h)->values().isEmpty());
        QCOMPARE(SelectedNames(list2(h)), QStringList({"inch", "kilometer", "mile"}));
    }

    void showAllResults_toolbarButtonAndMenuItemStayInStep() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        auto *button = h.Find<QToolButton>("ToolbarButton972");
        QAction *item = h.Find<QAction>("ShowAllResults1");
        button->click();
        QVERIFY(button->isChecked());
        QVERIFY(item->isChecked());
        QVERIFY(h.window()->settings().split);
        item->trigger();
        QVERIFY(!button->isChecked());
        QVERIFY(!h.window()->settings().split);
        h.Finish();
        QCOMPARE(h.Setting("split"), std::string("0"));
    }

    void showAllResults_inTemperatureKeepsTheSingleSelection() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Temperature");
        h.Start();
        list1(h)->setCurrentRow(RowOf(list1(h), "Celsius"));
        list2(h)->setCurrentRow(RowOf(list2(h), "Kelvin"));
        h.Type("0");
        h.Find<QAction>("ShowAllResults1")->trigger();
        QCOMPARE(CurrentName(list2(h)), QString("Kelvin"));
        QCOMPARE(SelectedNames(list2(h)), QStringList({"Kelvin"}));
        QCOMPARE(list2(h)->valueAt(RowOf(list2(h), "Fahrenheit")), QString("32"));
    }

    void temperature_emptyCaptureDoesNotOverwriteStoredNames() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Temperature");
        h.SetSetting("list1", "Kelvin", "Temperature");
        h.SetSetting("list2", "Rankine", "Temperature");
        h.Start();
        QCOMPARE(CurrentName(list1(h)), QString("Kelvin"));
        QCOMPARE(CurrentName(list2(h)), QString("Rankine"));
        h.Finish();
        QCOMPARE(h.Setting("list1", "Temperature"), std::string("Kelvin"));
        QCOMPARE(h.Setting("list2", "Temperature"), std::string("Rankine"));
    }

    void clearConversionMemory_emptiesEveryCategoryAndGoesToTheFirst() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Mass");
        h.SetSetting("hodnota", "7", "Pressure");
        h.SetSetting("list1", "Kelvin", "Temperature");
        h.Start();
        ClickRow(list1(h), "gram");
        h.Type("250");
        h.Find<QAction>("ClearConversionMemory1")->trigger();
        QCOMPARE(h.window()->currentCategory(), std::string("Length"));
        QCOMPARE(h.Find<QComboBox>("ComboBox3")->currentIndex(), 0);
        QCOMPARE(edit1(h)->text(), QString());
        QCOMPARE(SelectedNames(list1(h)), QStringList({list1(h)->item(0)->text()}));
        QCOMPARE(SelectedNames(list2(h)), QStringList({list2(h)->item(0)->text()}));
        QCOMPARE(h.Setting("hodnota", "Pressure"), std::string());
        QCOMPARE(h.Setting("list1", "Temperature"), std::string());
        // Mass was left with its first units (sorted: grain, at default-order position 2) and
        // an empty input.
        QCOMPARE(h.Setting("hodnota", "Mass"), std::string());
        QCOMPARE(h.Setting("list1", "Mass"), std::string("grain"));
        QCOMPARE(h.Setting("list2m", "Mass"), std::string("02"));
    }
};

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
