// SPDX-License-Identifier: MIT
// Selecting a second input unit after typing a plain number keeps the number with its unit.
#include "ui/support/WindowHarness.h"

#include <QLineEdit>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

class TestPlainNumberTemplate : public QObject {
    Q_OBJECT
  private slots:
    void secondInputUnit_keepsTheNumberWithItsUnit_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");
        QTest::newRow("style 0") << "0"
                                 << "5"
                                 << "(5) foot + (0) inch"
                                 << "1.524";
        QTest::newRow("style 1") << "1"
                                 << "5"
                                 << "5 foot + 0 inch"
                                 << "1.524";
        QTest::newRow("style 2") << "2"
                                 << "5"
                                 << "foot (5) + inch (0)"
                                 << "1.524";
        QTest::newRow("style 1, arithmetic") << "1"
                                             << "2*3"
                                             << "(2*3) foot + 0 inch"
                                             << "1.8288";
        QTest::newRow("style 0, decimal comma") << "0"
                                                << "1,5"
                                                << "(1,5) foot + (0) inch"
                                                << "0.4572";
    }

    void secondInputUnit_keepsTheNumberWithItsUnit() {
        QFETCH(QString, style);
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(QString, output);
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.SetSetting("multiformat", style.toStdString());
        h.Start();
        auto *inputList = h.Find<QListWidget>("inputList");
        ClickRow(inputList, "foot");
        ClickRow(h.Find<QListWidget>("outputList"), "meter");
        h.Type(typed);
        ClickRow(inputList, "inch", Qt::ControlModifier);
        QCOMPARE(h.Find<QLineEdit>("valueField")->text(), input);
        QCOMPARE(SelectedNames(inputList), QStringList({"foot", "inch"}));
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), output);
    }

    // The number belongs to the unit it was converted from, also when the new unit lies above it.
    void unitAboveTheNumbersUnit_keepsTheNumberWithItsUnit() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        auto *inputList = h.Find<QListWidget>("inputList");
        ClickRow(inputList, "inch");
        ClickRow(h.Find<QListWidget>("outputList"), "inch");
        h.Type("5");
        ClickRow(inputList, "foot", Qt::ControlModifier);
        QCOMPARE(h.Find<QLineEdit>("valueField")->text(), QString("(5) inch + (0) foot"));
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("5"));
    }
};

QTEST_MAIN(TestPlainNumberTemplate)
#include "tst_plainnumbertemplate.moc"
