// SPDX-License-Identifier: MIT
// The window at the sizes it promises to handle: a pasted page of text in the input field and a
// category of 20,000 units with the all-results column.
#include "core/db/DatabaseFile.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// Far above what these steps take, so only a hang fails here.
constexpr qint64 kHangMilliseconds = 30000;
constexpr int kBigCategory = 20000;

} // namespace

class TestWindowLimits : public QObject {
    Q_OBJECT
  private slots:
    void pastedText_isCutToTheFieldsLimitAndAnswered() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        auto *valueField = h.Find<QLineEdit>("valueField");
        auto *resultField = h.Find<QLineEdit>("resultField");
        ClickRow(h.Find<QListWidget>("inputList"), "foot");
        ClickRow(h.Find<QListWidget>("outputList"), "inch");

        QApplication::clipboard()->setText(QString(100000, '1'));
        QElapsedTimer timer;
        timer.start();
        valueField->clear();
        valueField->paste();
        QVERIFY(timer.elapsed() < kHangMilliseconds);
        // The field keeps what it can hold; the parser refuses that much text with a message.
        QCOMPARE(valueField->text().size(), valueField->maxLength());
        QVERIFY(!resultField->text().isEmpty());
        QVERIFY(!resultField->text().startsWith('1'));

        h.Type("2");
        QCOMPARE(resultField->text(), QString("24"));
    }

    void categoryOf20000Units_fillsTheListsAndEveryResult() {
        WindowHarness h(false);
        UnitDatabase db;
        db.AddCategory("Big", false);
        for (int i = 0; i < kBigCategory; ++i)
            db.AddUnit("Big", "unit " + std::to_string(i), "", 1.0L + i, false);
        h.dir.write("units.dat", DatabaseFile::ToBytes(db, "MNSA"));
        h.SetSetting("AktualCate", "Big");
        h.SetSetting("split", "1");

        QElapsedTimer timer;
        timer.start();
        h.Start();
        auto *inputList = h.Find<QListWidget>("inputList");
        auto *outputList = h.Find<OutputUnitList>("outputList");
        QCOMPARE(inputList->count(), kBigCategory);
        ClickRow(inputList, "unit 0");
        h.Type("6");
        QVERIFY(timer.elapsed() < kHangMilliseconds);
        QCOMPARE(outputList->values().size(), kBigCategory);
        QCOMPARE(outputList->valueAt(RowOf(outputList, "unit 5")), QString("1"));
    }
};

QTEST_MAIN(TestWindowLimits)
#include "tst_windowlimits.moc"
