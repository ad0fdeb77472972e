// SPDX-License-Identifier: MIT
// Invert Conversion: the cleaning of the shown result, the two cases and the rule for
// compound results under Fixed with Thousands Separators.
#include "ui/mainwindow/InvertConversion.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

class TestInvert : public QObject {
    Q_OBJECT
  private:
    static QListWidget *inputList(WindowHarness &h) { return h.Find<QListWidget>("inputList"); }
    static QListWidget *outputList(WindowHarness &h) { return h.Find<QListWidget>("outputList"); }
    static QLineEdit *valueField(WindowHarness &h) { return h.Find<QLineEdit>("valueField"); }
    static QLineEdit *resultField(WindowHarness &h) { return h.Find<QLineEdit>("resultField"); }
    static void invert(WindowHarness &h) { h.Find<QAction>("invertConversionAction")->trigger(); }

    void startIn(WindowHarness &h, const char *category) {
        h.SetSetting("AktualCate", category);
        h.Start();
    }

  private slots:
    void cleanResultText_keepsOnlyTheLastSeparator_data() {
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<QByteArray>("cleaned");
        QTest::newRow("thousands") << QByteArray("1,234,567.89") << QByteArray("1234567.89");
        QTest::newRow("comma decimal") << QByteArray("1.234.567,89") << QByteArray("1234567,89");
        QTest::newRow("spaces") << QByteArray("1 234 567.5") << QByteArray("1234567.5");
        QTest::newRow("no-break spaces") << QByteArray("12\xA0"
                                                       "345,5")
                                         << QByteArray("12345,5");
        QTest::newRow("plain") << QByteArray("1.5E-5") << QByteArray("1.5E-5");
        QTest::newRow("only separators") << QByteArray("1,234") << QByteArray("1,234");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void cleanResultText_keepsOnlyTheLastSeparator() {
        QFETCH(QByteArray, shown);
        QFETCH(QByteArray, cleaned);
        QCOMPARE(QByteArray::fromStdString(CleanResultText(shown.toStdString())), cleaned);
    }

    void exchangeSelections_rules() {
        ListSelection in = ListSelection::Single(4, 1);
        ListSelection out = ListSelection::Single(4, 3);
        ExchangeLowestRows(in, out);
        QCOMPARE(in, ListSelection({{false, false, false, true}, 1}));
        QCOMPARE(out, ListSelection({{false, true, false, false}, 3}));
        ListSelection setIn{{true, true, false, false}, 0};
        ListSelection setOut{{true, false, true, true}, 2};
        ExchangeSelectionSets(setIn, setOut);
        QCOMPARE(setIn.selected, std::vector<bool>({true, false, true, true}));
        QCOMPARE(setOut.selected, std::vector<bool>({true, true, false, false}));
        ListSelection empty;
        ListSelection alsoEmpty;
        ExchangeLowestRows(empty, alsoEmpty); // lists without rows stay as they are
        QCOMPARE(empty.RowCount(), 0);
    }

    void invert_singleLinear_swapsUnitsAndValue() {
        WindowHarness h;
        startIn(h, "Length");
        ClickRow(inputList(h), "foot");
        ClickRow(outputList(h), "meter");
        h.Type("5");
        invert(h);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"meter"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"foot"}));
        QCOMPARE(valueField(h)->text(), QString("1.524"));
        QCOMPARE(resultField(h)->text(), QString("5"));
    }

    void invert_withoutSwopValue_keepsTheInput() {
        WindowHarness h;
        h.SetSetting("SwopValue", "0");
        startIn(h, "Length");
        ClickRow(inputList(h), "foot");
        ClickRow(outputList(h), "inch");
        h.Type("2");
        invert(h);
        QCOMPARE(valueField(h)->text(), QString("2"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"inch"}));
        QCOMPARE(resultField(h)->text(), QString("0.1666666667"));
    }

    void invert_nothingSelected_selectsRowZeroInBoth() {
        WindowHarness h;
        startIn(h, "Length");
        ClickRow(inputList(h), 0, Qt::ControlModifier); // row 0 was selected from the empty memory
        ClickRow(outputList(h), 0, Qt::ControlModifier);
        QVERIFY(SelectedNames(inputList(h)).isEmpty());
        QVERIFY(SelectedNames(outputList(h)).isEmpty());
        h.Type("4");
        invert(h);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({inputList(h)->item(0)->text()}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({outputList(h)->item(0)->text()}));
        QCOMPARE(valueField(h)->text(), QString("4")); // the last conversion showed no result
        QCOMPARE(resultField(h)->text(), QString("4"));
    }

    void invert_temperature_exchangesTheItemIndexes() {
        WindowHarness h;
        startIn(h, "Temperature");
        inputList(h)->setCurrentRow(RowOf(inputList(h), "Celsius"));
        outputList(h)->setCurrentRow(RowOf(outputList(h), "Fahrenheit"));
        h.Type("100");
        QCOMPARE(resultField(h)->text(), QString("212"));
        invert(h);
        QCOMPARE(CurrentName(inputList(h)), QString("Fahrenheit"));
        QCOMPARE(CurrentName(outputList(h)), QString("Celsius"));
        QCOMPARE(valueField(h)->text(), QString("212"));
        QCOMPARE(resultField(h)->text(), QString("100"));
    }

    void invert_combination_exchangesTheSelectionSets() {
        WindowHarness h;
        startIn(h, "Length");
        ClickRow(inputList(h), "inch");
        ClickRow(outputList(h), "foot");
        ClickRow(outputList(h), "inch", Qt::ControlModifier);
        h.Type("66");
        QCOMPARE(resultField(h)->text(), QString("(5) foot + (6) inch"));
        invert(h);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "inch"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"inch"}));
        QCOMPARE(valueField(h)->text(), QString("(5) foot + (6) inch"));
        QCOMPARE(resultField(h)->text(), QString("66"));
    }

    void invert_thousandsFormat_readsBackThePlainCompoundText() {
        WindowHarness h;
        h.SetSetting("ReNumber", "3");
        h.SetSetting("ReDeciPlace", "1");
        startIn(h, "Length");
        ClickRow(inputList(h), "inch");
        ClickRow(outputList(h), "foot");
        ClickRow(outputList(h), "mile", Qt::ControlModifier);
        h.Type("100000");
        QVERIFY(resultField(h)->text().contains("3,053.3"));
        invert(h);
        QVERIFY(!valueField(h)->text().contains(","));
        QVERIFY(valueField(h)->text().contains("3053.3"));
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"foot", "mile"}));
    }

    void invert_thousandsFormat_resultNoLongerShown_changesNothing() {
        WindowHarness h;
        h.SetSetting("ReNumber", "3");
        startIn(h, "Length");
        ClickRow(inputList(h), "inch");
        ClickRow(outputList(h), "foot");
        ClickRow(outputList(h), "mile", Qt::ControlModifier);
        h.Type("100000");
        resultField(h)->setText("something else");
        invert(h);
        QCOMPARE(SelectedNames(inputList(h)), QStringList({"inch"}));
        QCOMPARE(SelectedNames(outputList(h)), QStringList({"foot", "mile"}));
        QCOMPARE(valueField(h)->text(), QString("100000"));
        QCOMPARE(resultField(h)->text(), QString("something else")); // not converted either
    }
};

QTEST_MAIN(TestInvert)
#include "tst_invert.moc"
