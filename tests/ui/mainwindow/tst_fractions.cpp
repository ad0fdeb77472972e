// SPDX-License-Identifier: MIT
// The Fractions category in the window: typed values answered in the chosen way of writing
// them, the all-results column as a fraction chart, and the record.
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QListWidget *Outputs(WindowHarness &h) {
    return h.Find<QListWidget>("outputList");
}
QString Answer(WindowHarness &h) {
    return h.Find<QLineEdit>("resultField")->text();
}

} // namespace

class TestFractions : public QObject {
    Q_OBJECT
  private slots:
    void typedValue_isAnsweredInTheChosenUnit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("nearest sixteenth") << "nearest 1/16"
                                           << "0.3"
                                           << "5/16 (+0.0125)";
        QTest::newRow("negative mirrored") << "nearest 1/16"
                                           << "-0.3"
                                           << "-5/16 (-0.0125)";
        QTest::newRow("exact hit") << "nearest 1/8"
                                   << "1 3/8"
                                   << "1 3/8";
        QTest::newRow("mixed number as decimal") << "as decimal"
                                                 << "1 3/8"
                                                 << "1.375";
        QTest::newRow("decimal as fraction") << "as fraction"
                                             << "2.5"
                                             << "2 1/2";
        QTest::newRow("expression as fraction") << "as fraction"
                                                << "1/3 + 1/6"
                                                << "1/2";
        QTest::newRow("unreadable") << "as fraction"
                                    << "3/"
                                    << "invalid or incomplete expression";
    }
    void typedValue_isAnsweredInTheChosenUnit() {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        WindowHarness h;
        h.Start();
        h.ChooseCategory("Fractions");
        QVERIFY(!h.Find<QListWidget>("inputList")->isVisible());
        QVERIFY(h.Find<QLabel>("fractionsHint")->isVisible());
        ClickRow(Outputs(h), unit);
        h.Type(typed);
        QCOMPARE(Answer(h), answer);
    }

    void outputClick_answersAgainInTheNewUnit() {
        WindowHarness h;
        h.Start();
        h.ChooseCategory("Fractions");
        ClickRow(Outputs(h), "nearest 1/8");
        h.Type("0.3");
        QCOMPARE(Answer(h), QString("1/4 (-0.05)"));
        ClickRow(Outputs(h), "as fraction");
        QCOMPARE(Answer(h), QString("3/10"));
    }

    void showAllResults_listsEveryUnitsAnswer() {
        WindowHarness h;
        h.SetSetting("GeSoUnit", "0"); // the units in list order
        h.Start();
        h.ChooseCategory("Fractions");
        ClickRow(Outputs(h), "as decimal");
        h.Find<QAction>("showAllResultsAction")->trigger();
        h.Type("0.3");
        auto *list = h.Find<OutputUnitList>("outputList");
        QCOMPARE(list->values(), (QStringList{"0.3", "3/10", "1/4 (-0.05)", "5/16 (+0.0125)"}));
        h.Type("3/");
        QVERIFY(list->values().isEmpty());
    }

    void record_takesTheValueTheAnswerAndTheUnit() {
        WindowHarness h;
        MainWindow &window = h.Start();
        h.ChooseCategory("Fractions");
        ClickRow(Outputs(h), "nearest 1/16");
        h.Type("0.3");
        h.Find<QAction>("addItemAction")->trigger();
        QCOMPARE(QString::fromStdString(window.record().RecordText()),
                 QString("0.3 = 5/16 (+0.0125) nearest 1/16"));
    }
};

QTEST_MAIN(TestFractions)
#include "tst_fractions.moc"
