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
        auto *edit1 = h.Find<QLineEdit>("Edit1");
        auto *edit2 = h.Find<QLineEdit>("Edit2");
        ClickRow(h.Find<QListWidget>("ListBox1"), "foot");
        ClickRow(h.Find<QListWidget>("ListBox2"), "inch");

        QApplication::clipboard()->setText(QString(100000, '1'));
        QElapsedTimer timer;
        timer.start();
        edit1->clear();
        edit1->paste();
        QVERIFY(timer.elapsed() < kHangMilliseconds);
        // The field keeps what it can hold; the parser refuses that much text with a message.
        QCOMPARE(edit1->text().size(), edit1->maxLength());
        QVERIFY(!edit2->text().isEmpty());
        QVERIFY(!edit2->text().startsWith('1'));

        h.Type("2");
        QCOMPARE(edit2->text(), QString("24"));
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
        auto *list1 = h.Find<QListWidget>("ListBox1");
        auto *list2 = h.Find<TListBoxTwo>("ListBox2");
        QCOMPARE(list1->count(), kBigCategory);
        ClickRow(list1, "unit 0");
        h.Type("6");
        QVERIFY(timer.elapsed() < kHangMilliseconds);
        QCOMPARE(list2->values().size(), kBigCategory);
        QCOMPARE(list2->valueAt(RowOf(list2, "unit 5")), QString("1"));
    }
};

QTEST_MAIN(TestWindowLimits)
#include "tst_windowlimits.moc"
