// SPDX-License-Identifier: MIT
// The window on the settings file and units database that an earlier build of the program wrote
// (tests/data/earlier): it shows what they hold, and started and closed without a change it
// leaves both files exactly as they were.
#include "support/ScratchDir.h"
#include "ui/support/WindowHarness.h"

#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const std::string kEarlier = MENSURIO_SOURCE_DIR "/tests/data/earlier/";

QByteArray Bytes(const std::string &path) {
    return QByteArray::fromStdString(readFile(path));
}

} // namespace

class TestEarlierFiles : public QObject {
    Q_OBJECT
  private slots:
    void startAndClose_showsTheFilesAndLeavesThemAsTheyWere() {
        WindowHarness h(false);
        const QByteArray settings = Bytes(kEarlier + "mensurio.ini");
        const QByteArray units = Bytes(kEarlier + "units.dat");
        QVERIFY(!settings.isEmpty() && !units.isEmpty());
        writeFile(h.SettingsPath(), settings.toStdString());
        writeFile(h.dir.file("units.dat"), units.toStdString());
        h.Start();
        QCOMPARE(h.Find<QLineEdit>("valueField")->text(), QString("12"));
        QCOMPARE(SelectedNames(h.Find<QListWidget>("inputList")), QStringList{"foot"});
        // The toolbars keep their object names: the settings file has a section of each.
        for (const char *name : {"Toolbar971", "Toolbar972"}) {
            const auto *bar = h.Find<QToolBar>(name);
            QVERIFY2(bar != nullptr && bar->isVisible(), name);
        }
        h.Finish();
        QCOMPARE(Bytes(h.SettingsPath()), settings);
        QCOMPARE(Bytes(h.dir.file("units.dat")), units);
    }
};

QTEST_MAIN(TestEarlierFiles)
#include "tst_earlierfiles.moc"
