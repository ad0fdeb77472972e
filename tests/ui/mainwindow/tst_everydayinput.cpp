// SPDX-License-Identifier: MIT
// Everyday input in the window on the shipped database: symbols and sums side by side in the value
// field, quantities written with units of other categories, and Find by symbol.
#include "ui/support/WindowHarness.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include <fstream>
#include <sstream>

using namespace mensurio;
using namespace mensurio::test;

class TestEverydayInput : public QObject {
    Q_OBJECT
  private:
    // The shipped database as the user's units.dat, the window on the category.
    static void startIn(WindowHarness &h, const char *category, const QString &from, const QString &to) {
        std::ifstream in(std::string(MENSURIO_BIN_DIR) + "/default.dat", std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        h.dir.write("units.dat", bytes.str());
        h.SetSetting("AktualCate", category);
        h.Start();
        ClickRow(h.Find<QListWidget>("inputList"), from);
        ClickRow(h.Find<QListWidget>("outputList"), to);
    }
    static QString output(WindowHarness &h) { return h.Find<QLineEdit>("resultField")->text(); }

  private slots:
    void valueField_readsEverydayInput_data() {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("symbols side by side") << "Length"
                                              << "meter"
                                              << "inch"
                                              << "5 ft 3 in"
                                              << "63";
        QTest::newRow("plural in capitals") << "Length"
                                            << "meter"
                                            << "foot"
                                            << "3 FEET"
                                            << "3";
        QTest::newRow("mixed number") << "Length"
                                      << "inch"
                                      << "millimeter"
                                      << "1 3/4"
                                      << "44.45";
        QTest::newRow("greek mu") << "Length"
                                  << "meter"
                                  << "nanometer" << QString::fromUtf8("1 \u03bcm") << "1000";
        QTest::newRow("scale with the value") << "Temperature"
                                              << "Kelvin"
                                              << "Celsius" << QString::fromUtf8("212 \u00b0F") << "100";
        QTest::newRow("ambiguous grouping") << "Length"
                                            << "meter"
                                            << "foot"
                                            << "1,000"
                                            << "'1,000' is ambiguous: 1000 or 1?";
        QTest::newRow("unknown word") << "Length"
                                      << "meter"
                                      << "foot"
                                      << "5 feeet"
                                      << "unknown unit 'feeet'; did you mean foot (ft)?";
        QTest::newRow("other categories, same dimension") << "Speed"
                                                          << "meter/second"
                                                          << "kilometer/hour (km/h)"
                                                          << "90 km / 45 min"
                                                          << "120";
        QTest::newRow("other dimension") << "Speed"
                                         << "meter/second"
                                         << "kilometer/hour (km/h)"
                                         << "5 kg"
                                         << "5 kg is a mass (M); kilometer/hour (km/h) is a speed (L T^-1)";
    }
    void valueField_readsEverydayInput() {
        QFETCH(QString, category);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        WindowHarness h(false);
        startIn(h, category.toStdString().c_str(), from, to);
        h.Find<QLineEdit>("valueField")->setText(typed); // as typed or pasted, symbols included
        QCOMPARE(output(h), expected);
    }
};

QTEST_MAIN(TestEverydayInput)
#include "tst_everydayinput.moc"
