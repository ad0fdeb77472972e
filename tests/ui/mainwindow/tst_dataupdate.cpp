// SPDX-License-Identifier: MIT
// New built-in data reaching a user's units.dat at the start of the window.
#include "core/db/BuiltinHistory.h"
#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"
#include "ui/support/WindowHarness.h"

#include <QLineEdit>
#include <QtTest>

#include <algorithm>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// A units.dat of data version 2 saved by the program of that time, with custom units in
// Length and Fractions, a custom category, a hidden built-in ("chain") and deleted ones.
std::string UnitsOfDataVersion2() {
    return readFile(MENSURIO_SOURCE_DIR "/tests/data/units-data-version-2.dat");
}

void PrepareFolder(WindowHarness &h) {
    h.dir.write("units.dat", UnitsOfDataVersion2());
    h.dir.write("default.dat", readFile(MENSURIO_BIN_DIR "/default.dat"));
}

UnitDatabase SavedDatabase(WindowHarness &h) {
    UnitDatabase db;
    DatabaseFile::LoadFromBytes(db, h.dir.read("units.dat"));
    return db;
}

const UnitRecord *UnitOf(const UnitDatabase &db, const std::string &category, const std::string &name) {
    for (const CategoryRecord &c : db.Categories()) {
        for (const UnitRecord &unit : c.Units) {
            if (c.Name == category && unit.Name == name)
                return &unit;
        }
    }
    return nullptr;
}

QStringList Informations(const WindowHarness &h) {
    QStringList found;
    for (const std::string &entry : h.prompts.log) {
        if (entry.rfind("information: ", 0) == 0)
            found << QString::fromStdString(entry);
    }
    return found;
}

} // namespace

class TestDataUpdate : public QObject {
    Q_OBJECT
  private slots:
    void olderUnitsFile_getsTheNewBuiltInsOnceAndKeepsTheUsersUnits() {
        WindowHarness h(false);
        PrepareFolder(h);
        h.SetSetting("showhidden", "0");
        h.SetSetting("AktualCate", "Fractions");
        h.Start();
        const QStringList told = Informations(h);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.front().startsWith("information: Added to your units database: ") &&
                     told.front().endsWith(" new units, 1 new category."),
                 qPrintable(told.front()));
        // The new units work at once; the replaced one is hidden.
        auto *outputs = h.Find<QListWidget>("outputList");
        QVERIFY(RowOf(outputs, "decimal fraction") < 0);
        QVERIFY(RowOf(outputs, "my eighths") >= 0);
        ClickRow(outputs, "nearest 1/16");
        h.Type("0.3");
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("5/16 (+0.0125)"));
        h.Finish();

        QCOMPARE(h.Setting("DataVersion"), std::to_string(BuiltinDataVersion()));
        const UnitDatabase saved = SavedDatabase(h);
        QVERIFY(UnitOf(saved, "Fractions", "nearest 1/16") != nullptr);
        QCOMPARE(int(UnitOf(saved, "Fractions", "decimal fraction")->Hidden), 1);
        QCOMPARE(int(UnitOf(saved, "Fractions", "my eighths")->Custom), 1);
        QCOMPARE(int(UnitOf(saved, "Length", "stride (mine)")->Custom), 1);
        QCOMPARE(int(UnitOf(saved, "Length", "chain")->Hidden), 1);
        QVERIFY(UnitOf(saved, "Length", "rack unit (U)") == nullptr); // the user's deletion stands

        // The second start adds nothing and says nothing.
        const std::string afterFirst = h.dir.read("units.dat");
        h.prompts.log.clear();
        h.Start();
        h.Finish();
        QVERIFY(Informations(h).isEmpty());
        QCOMPARE(h.dir.read("units.dat"), afterFirst);
    }

    // Without default.dat there is nothing to take new units from: nothing changes, nothing is
    // recorded, and a later start with default.dat still brings them.
    void withoutShippedData_nothingIsRecorded() {
        WindowHarness h(false);
        h.dir.write("units.dat", UnitsOfDataVersion2());
        h.Start();
        h.Finish();
        QVERIFY(Informations(h).isEmpty());
        QCOMPARE(h.Setting("DataVersion"), std::string("<missing>"));
        QVERIFY(UnitOf(SavedDatabase(h), "Fractions", "nearest 1/16") == nullptr);
        h.dir.write("default.dat", readFile(MENSURIO_BIN_DIR "/default.dat"));
        h.Start();
        h.Finish();
        QCOMPARE(Informations(h).size(), 1);
        QVERIFY(UnitOf(SavedDatabase(h), "Fractions", "nearest 1/16") != nullptr);
    }

    // A recorded version is trusted: what shipped up to it is not added again.
    void recordedCurrentVersion_addsNothing() {
        WindowHarness h(false);
        PrepareFolder(h);
        h.SetSetting("DataVersion", std::to_string(BuiltinDataVersion()));
        h.Start();
        h.Finish();
        QVERIFY(Informations(h).isEmpty());
        QCOMPARE(h.dir.read("units.dat").size(), UnitsOfDataVersion2().size());
    }
};

QTEST_MAIN(TestDataUpdate)
#include "tst_dataupdate.moc"
