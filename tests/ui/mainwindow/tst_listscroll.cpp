// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"
#include "ui/support/WindowHarness.h"

#include <QListWidget>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// One category long enough that most rows lie below the visible part of the lists.
std::string longCategory() {
    UnitDatabase db;
    db.AddCategory("Length", false);
    for (int i = 0; i < 80; ++i)
        db.AddUnit("Length", "unit " + std::to_string(100 + i), "", 1.0L + i, false);
    return DatabaseFile::ToBytes(db, "MNSA");
}

bool rowVisible(QListWidget *list, int row) {
    return list->viewport()->rect().intersects(list->visualItemRect(list->item(row)));
}

} // namespace

class TestListScroll : public QObject {
    Q_OBJECT
  private slots:
    void selectUnit_farDownTheList_scrollsItIntoView() {
        WindowHarness harness(false);
        harness.dir.write("units.dat", longCategory());
        harness.SetSetting("tipbox", "0");
        MainWindow &window = harness.Start();
        auto *input = harness.Find<QListWidget>("inputList");
        auto *output = harness.Find<QListWidget>("outputList");
        QVERIFY(input && output);
        QVERIFY(!rowVisible(input, 75));
        window.SelectInputUnit(75);
        window.SelectOutputUnit(70);
        QVERIFY(rowVisible(input, 75));
        QVERIFY(rowVisible(output, 70));
        harness.Finish();
    }
};

QTEST_MAIN(TestListScroll)
#include "tst_listscroll.moc"
