// SPDX-License-Identifier: MIT
// Names holding any Windows-1252 byte survive being shown and read back by the window.
#include "core/db/DatabaseFile.h"
#include "ui/support/WindowHarness.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

class TestCodePageNames : public QObject {
    Q_OBJECT
  private slots:
    void undefinedByteInNames_categoryAndUnitsStayUsable_data() {
        QTest::addColumn<QByteArray>("byte");
        for (const char byte : {'\x81', '\x8D', '\x8F', '\x90', '\x9D', '\x80', '\xE9'})
            QTest::newRow(QByteArray::number(static_cast<unsigned char>(byte), 16).constData())
                << QByteArray(1, byte);
    }

    void undefinedByteInNames_categoryAndUnitsStayUsable() {
        QFETCH(QByteArray, byte);
        const std::string b = byte.toStdString();
        const std::string category = "Le" + b + "ngth";
        UnitDatabase db;
        db.AddCategory(category, false);
        db.AddUnit(category, "me" + b + "ter", "", 1.0L, false);
        db.AddUnit(category, "foot", "", 0.3048L, false);
        db.AddCategory("Other", false);
        db.AddUnit("Other", "x", "", 1.0L, false);
        WindowHarness h(false);
        h.dir.write("units.dat", DatabaseFile::ToBytes(db, "MNSA"));
        h.Start();
        auto *inputList = h.Find<QListWidget>("inputList");
        auto *outputList = h.Find<QListWidget>("outputList");
        QCOMPARE(inputList->count(), 2); // the first category is current and lists its units
        ClickRow(inputList, 0);          // foot (sorted by name)
        ClickRow(outputList, 1);         // the unit whose name holds the byte
        h.Type("10");
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("3.048"));
        // A compound input naming that unit finds it.
        h.Find<QLineEdit>("valueField")->setText("1 " + outputList->item(1)->text() + " + 1 foot");
        QCOMPARE(h.Find<QLineEdit>("resultField")->text(), QString("1.3048"));
    }
};

QTEST_MAIN(TestCodePageNames)
#include "tst_codepagenames.moc"
