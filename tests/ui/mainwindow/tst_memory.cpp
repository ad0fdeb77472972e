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
    static QListWidget *inputList(WindowHarness &h) { return h.Find<QListWidget>("inputList"); }
    static OutputUnitList *outputList(WindowHarness &h) { return h.Find<OutputUnitList>("outputList"); }
    static QLineEdit *valueField(WindowHarness &h) { return h.Find<QLineEdit>("valueField"); }
    static QLineEdit *resultField(WindowHarness &h) { return h.Find<QLineEdit>("resultField"); }

    // In Length: foot in; kilometer, inch and mile out (default-order positions 1, 3 and 5).
    void selectThreeOutputs(WindowHarness &h) {
        ClickRow(inputList(h), "foot");
        ClickRow(outputList(h), "kilometer");
        ClickRow(outputList(h), "inch", Qt::ControlModifier);
        ClickRow(outputList(h), "mile", Qt::ControlModifier);
    }

  private slots:
    // A restored value (at start and on return to a category) is selected whole: the first click
    // keeps it selected and typing replaces it; after the user edits, a click places the caret.
    void restoredValue_firstClickKeepsItSelectedSoTypingReplacesIt() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("hodnota", "30", "Length");
        h.Start();
        QCOMPARE(valueField(h)->text(), QString("30"));
        QCOMPARE(valueField(h)->selectedText(), QString("30"));
        QCOMPARE(valueField(h)->cursorPosition(), 0);
        const QPoint end(valueField(h)->width() - 4, valueField(h)->height() / 2);
        QTest::mouseClick(valueField(h), Qt::LeftButton, {}, end);
        QVERIFY(valueField(h)->hasFocus());
        QCOMPARE(valueField(h)->selectedText(), QString("30"));
        QTest::keyClicks(valueField(h), "12");
        QCOMPARE(valueField(h)->text(), QString("12"));
        // Edited by the user: a click places the caret as usual.
        QTest::mouseClick(valueField(h), Qt::LeftButton, {}, end);
        QCOMPARE(valueField(h)->selectedText(), QString());
        QTest::keyClicks(valueField(h), "5");
        QCOMPARE(valueField(h)->text(), QString("125"));
        // A category change and the way back restore the value selected again.
        h.ChooseCategory("Mass");
        h.ChooseCategory("Length");
        QCOMPARE(valueField(h)->text(), QString("125"));
        QCOMPARE(valueField(h)->selectedText(), QString("125"));
        QTest::mouseClick(valueField(h), Qt::LeftButton, {}, end);
        QTest::keyClicks(valueField(h), "7");
        QCOMPARE(valueField(h)->text(), QString("7"));
    }

    void categoryChange_savesTheLeftCategoryAndRestoresItOnReturn() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        ClickRow(inputList(h), "yard");
        ClickRow(outputList(h), "foot");
        h.Type("2");
        QCOMPARE(resultField(h)->text(), QString("6"));
        h.ChooseCategory("Mass");
        QCOMPARE(h.Setting("list1", "Length"), std::string("yard"));
        QCOMPARE(h.Setting("list2m", "Length"), std::string("02"));
        QCOMPARE(h.Setting("hodnota", "Length"), std::string("2"));
        QCOMPARE(valueField(h)->text(), QString()); // Mass has no memory yet
        h.ChooseCategory("Length");
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"yard"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"foot"}));
        QCOMPARE(valueField(h)->text(), QString("2"));
        QCOMPARE(resultField(h)->text(), QString("6"));
    }

    // The shipped first-start units on a fresh start, per category and in both list orders;
    // a unit the database lacks leaves the first rows.
    void firstStart_shippedUnitsWhereTheSettingsHoldNoMemory_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("Length") << "Length" << false << "meter"
                                << "foot";
        QTest::newRow("Length sorted") << "Length" << true << "meter"
                                       << "foot";
        QTest::newRow("Temperature") << "Temperature" << false << "Celsius"
                                     << "Fahrenheit";
        QTest::newRow("Mass: no pound") << "Mass" << false << "kilogram"
                                        << "kilogram";
        QTest::newRow("Numbers: no entry") << "Numbers" << false << "decimal"
                                           << "decimal";
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
        QCOMPARE(CurrentName(inputList(h)), input);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({input}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({output}));
        QCOMPARE(valueField(h)->text(), QString());
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
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"yard"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"inch"}));
        h.Find<QAction>("clearConversionMemoryAction")->trigger();
        h.ChooseCategory("Temperature");
        h.ChooseCategory("Length");
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"meter"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"foot"}));
        h.Type("1");
        QCOMPARE(resultField(h)->text(), QString("3.280839895"));
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
        QCOMPARE(inputList(h)->item(0)->text(), QString("meter")); // list order now
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"kilometer", "inch", "mile"}));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot"}));
        QCOMPARE(valueField(h)->text(), QString("1"));
        QVERIFY(resultField(h)->text().contains("inch"));
    }

    void moreThanOneInputUnit_isRememberedAsMoreAndRestoredThroughTheText() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        ClickRow(outputList(h), "meter");
        h.Type("(5) foot + (3) inch");
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "inch"}));
        h.Finish();
        QCOMPARE(h.Setting("list1", "Length"), std::string("[more]"));
        h.Start();
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "inch"}));
        QCOMPARE(resultField(h)->text(), QString("1.6002"));
    }

    void moreWithATextNamingNoUnit_selectsNoInputAndShowsTheMessage() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("list1", "[more]", "Length");
        h.SetSetting("list2m", "00", "Length");
        h.SetSetting("hodnota", "5", "Length");
        h.Start();
        QVERIFY(SelectedNames(inputList(h)).isEmpty());
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"meter"}));
        QCOMPARE(resultField(h)->text(), QString("no unit selected"));
    }

    void showAllResults_listsEveryValueAndKeepsSeveralOutputs() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        selectThreeOutputs(h);
        h.Type("3");
        QAction *all = h.Find<QAction>("showAllResultsAction");
        all->trigger();
        QVERIFY(h.window()->settings().split);
        QCOMPARE(outputList(h)->mode(), OutputUnitList::Mode::TwoColumns);
        QCOMPARE(outputList(h)->values().size(), outputList(h)->count());
        QCOMPARE(outputList(h)->valueAt(RowOf(outputList(h), "foot")), QString("3"));
        QCOMPARE(outputList(h)->valueAt(RowOf(outputList(h), "inch")), QString("36"));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"inch", "kilometer", "mile"}));
        all->trigger();
        QCOMPARE(outputList(h)->mode(), OutputUnitList::Mode::Standard);
        QVERIFY(outputList(h)->values().isEmpty());
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"inch", "kilometer", "mile"}));
    }

    void showAllResults_toolbarButtonAndMenuItemStayInStep() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        auto *button = h.Find<QToolButton>("showAllResultsButton");
        QAction *item = h.Find<QAction>("showAllResultsAction");
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
        inputList(h)->setCurrentRow(RowOf(inputList(h), "Celsius"));
        outputList(h)->setCurrentRow(RowOf(outputList(h), "Kelvin"));
        h.Type("0");
        h.Find<QAction>("showAllResultsAction")->trigger();
        QCOMPARE(CurrentName(outputList(h)), QString("Kelvin"));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"Kelvin"}));
        QCOMPARE(outputList(h)->valueAt(RowOf(outputList(h), "Fahrenheit")), QString("32"));
    }

    void temperature_emptyCaptureDoesNotOverwriteStoredNames() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Temperature");
        h.SetSetting("list1", "Kelvin", "Temperature");
        h.SetSetting("list2", "Rankine", "Temperature");
        h.Start();
        QCOMPARE(CurrentName(inputList(h)), QString("Kelvin"));
        QCOMPARE(CurrentName(outputList(h)), QString("Rankine"));
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
        ClickRow(inputList(h), "gram");
        h.Type("250");
        h.Find<QAction>("clearConversionMemoryAction")->trigger();
        QCOMPARE(h.window()->currentCategory(), std::string("Length"));
        QCOMPARE(h.Find<QComboBox>("categoryNames")->currentIndex(), 0);
        QCOMPARE(valueField(h)->text(), QString());
        QCOMPARE(SelectedNames(inputList(h)), QStringList({inputList(h)->item(0)->text()}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({outputList(h)->item(0)->text()}));
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
