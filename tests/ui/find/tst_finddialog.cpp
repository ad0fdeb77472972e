// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"
#include "ui/find/FindDialog.h"
#include "ui/shared/LocaleCollation.h"
#include "ui/shared/QtCp1252.h"
#include "ui/support/DialogHelpers.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// Length: meter, kilometer, foot; Speed: meter/second, kilometer/hour; Mass: kilogram, grain
// (hidden); Old Length: foot, rod; the hidden category Secret: one.
UnitDatabase findFixture() {
    UnitDatabase db;
    const auto add = [&db](const char *category, std::initializer_list<const char *> units) {
        db.AddCategory(category, false);
        long double factor = 1.0L;
        for (const char *unit : units)
            db.AddUnit(category, unit, "", factor++, false);
    };
    add("Length", {"meter", "kilometer", "foot"});
    add("Speed", {"meter/second", "kilometer/hour"});
    add("Mass", {"kilogram", "grain"});
    add("Old Length", {"foot", "rod"});
    add("Secret", {"one"});
    db.SelectCategory("Mass");
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
        if (db.UnitName() == "grain")
            db.SetUnitHidden(true);
    db.SelectCategory("Secret");
    db.SetCategoryHidden(true);
    return db;
}

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

struct FindFixture {
    FindFixture() {
        database = findFixture();
        dialog = std::make_unique<FindDialog>(database, settings);
        edit = dialog->findChild<QLineEdit *>("searchField");
        list = dialog->findChild<QListWidget *>("matchList");
        go = dialog->findChild<QPushButton *>("goButton");
        start = dialog->findChild<QRadioButton *>("searchStartOnly");
        entire = dialog->findChild<QRadioButton *>("searchAnywhere");
    }
    QStringList search(const QString &text) {
        edit->setText(text);
        return Rows(list);
    }
    UnitDatabase database;
    ProgramSettings settings;
    std::unique_ptr<FindDialog> dialog;
    QLineEdit *edit = nullptr;
    QListWidget *list = nullptr;
    QPushButton *go = nullptr;
    QRadioButton *start = nullptr;
    QRadioButton *entire = nullptr;
};

// A window on the find fixture with hidden items not shown.
struct FindWindow {
    FindWindow() : harness(false) {
        harness.dir.write("units.dat", DatabaseFile::ToBytes(findFixture(), "MNSA"));
        harness.SetSetting("tipbox", "0");
        harness.SetSetting("showhidden", "0");
        harness.SetSetting("AktualCate", "Length");
        harness.Start();
    }
    // Ctrl+F, the search text, a click on the row and Go.
    void go(const QString &search, const QString &row, bool anywhere = false) {
        const bool reached = DriveModal<FindDialog>(
            [this] { harness.Find<QAction>("findAction")->trigger(); },
            [&](FindDialog &dialog) {
                dialog.findChild<QRadioButton *>(anywhere ? "searchAnywhere" : "searchStartOnly")->click();
                QTest::keyClicks(dialog.findChild<QLineEdit *>("searchField"), search);
                ClickRow(dialog.findChild<QListWidget *>("matchList"), row);
                dialog.findChild<QPushButton *>("goButton")->click();
            });
        QVERIFY(reached);
    }
    QString category() { return harness.Find<QComboBox>("categoryNames")->currentText(); }
    QStringList selectedInput() { return SelectedNames(harness.Find<QListWidget>("inputList")); }
    bool showHidden() { return harness.Find<QAction>("showHiddenAction")->isChecked(); }
    WindowHarness harness;
};

} // namespace

class TestFindDialog : public QObject {
    Q_OBJECT
  private slots:
    // A long entry is elided in the middle, so its category stays in sight, and hovering shows
    // it whole.
    void longEntry_elidedInTheMiddleWithTheWholeTextOnHover() {
        FindFixture f;
        const std::string longName = "unit with a long name that runs past the list edge"; // 50, the most
        f.database.AddUnit("Length", longName, "", 2.0L, true);
        f.dialog = std::make_unique<FindDialog>(f.database, f.settings);
        f.list = f.dialog->findChild<QListWidget *>("matchList");
        f.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
        QCOMPARE(f.list->textElideMode(), Qt::ElideMiddle);
        const QString entry = QString::fromStdString(longName) + "    [Length]";
        const QList<QListWidgetItem *> found = f.list->findItems(entry, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first()->toolTip(), entry);
        QCOMPARE(f.list->item(0)->toolTip(), f.list->item(0)->text());
    }

    void open_listsEveryEntrySortedByLocale() {
        FindFixture f;
        const QStringList all = Rows(f.list);
        QCOMPARE(all.size(), 5 + 10);
        QVERIFY(all.contains("Length    [Category]"));
        QVERIFY(all.contains("foot    [Old Length]"));
        QVERIFY(all.contains("one    [Secret]"));
        const LocaleCollation collation;
        for (int i = 1; i < all.size(); ++i)
            QVERIFY2(!collation.Less(QtCp1252::FromQString(all[i]), QtCp1252::FromQString(all[i - 1])),
                     qPrintable(all[i]));
        QVERIFY(f.start->isChecked());
        QVERIFY(!f.go->isEnabled());
    }

    void search_examples_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("anywhere");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("met, start") << "met" << false
                                    << QStringList{"meter    [Length]", "meter/second    [Speed]"};
        QTest::newRow("met, entire") << "met" << true
                                     << QStringList{"kilometer    [Length]", "kilometer/hour    [Speed]",
                                                    "meter    [Length]", "meter/second    [Speed]"};
        QTest::newRow("METER, start")
            << "METER" << false << QStringList{"meter    [Length]", "meter/second    [Speed]"};
        QTest::newRow("length, entire")
            << "length" << true
            << QStringList{"foot    [Length]",     "foot    [Old Length]", "kilometer    [Length]",
                           "Length    [Category]", "meter    [Length]",    "Old Length    [Category]",
                           "rod    [Old Length]"};
        QTest::newRow("category, entire")
            << "category" << true
            << QStringList{"Length    [Category]", "Mass    [Category]", "Old Length    [Category]",
                           "Secret    [Category]", "Speed    [Category]"};
        QTest::newRow("pattern characters") << ".*[(" << true << QStringList{};
        QTest::newRow("outside the code page") << QString::fromUtf8("中") << true << QStringList{};
        QTest::newRow("ten thousand characters") << QString(10000, 'm') << true << QStringList{};
    }
    void search_examples() {
        QFETCH(QString, text);
        QFETCH(bool, anywhere);
        QFETCH(QStringList, expected);
        FindFixture f;
        (anywhere ? f.entire : f.start)->click();
        QCOMPARE(sorted(f.search(text)), sorted(expected));
        QVERIFY(!f.go->isEnabled());
    }

    void clearingTheSearch_showsEveryEntryAgainInOrder() {
        FindFixture f;
        const QStringList all = Rows(f.list);
        f.search("kilo");
        QCOMPARE(f.search(QString()), all);
    }

    void searchStyle_storedAndAppliedAtOnce() {
        FindFixture f;
        QCOMPARE(f.search("our").size(), 0);
        f.entire->click();
        QVERIFY(!f.settings.pgsdl5sort);
        QCOMPARE(Rows(f.list), QStringList{"kilometer/hour    [Speed]"});
        f.start->click();
        QVERIFY(f.settings.pgsdl5sort);
        f.settings.pgsdl5sort = false;
        FindDialog again(f.database, f.settings);
        QVERIFY(again.findChild<QRadioButton *>("searchAnywhere")->isChecked());
    }

    void keyboard_downSelectsEnterGoes() {
        FindFixture f;
        f.dialog->show();
        f.search("kilo");
        QTest::keyClick(f.edit, Qt::Key_Down);
        QVERIFY(f.go->isEnabled());
        QCOMPARE(SelectedNames(f.list), QStringList{"kilogram    [Mass]"});
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
            QTest::keyClick(f.edit, key);
        QCOMPARE(SelectedNames(f.list), QStringList{"kilometer    [Length]"});
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QVERIFY(f.dialog->Chosen().has_value());
        QCOMPARE(f.dialog->Chosen()->name, std::string("kilometer"));
        QCOMPARE(f.dialog->Chosen()->category, std::string("Length"));
    }

    void enterWithoutSelection_picksTheFirstMatchExactSymbolsFirst() {
        FindFixture f;
        f.dialog->show();
        f.search("kilometer");
        QVERIFY(!f.go->isEnabled());
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QVERIFY(f.dialog->Chosen().has_value());
        QCOMPARE(f.dialog->Chosen()->name, std::string("kilometer")); // the exact name before kilometer/hour
    }

    void startOfAnyWord_matchesFromTheStart() {
        FindFixture f;
        QVERIFY(f.search("hour").contains("kilometer/hour    [Speed]"));
    }

    void doubleClick_goes() {
        FindFixture f;
        f.dialog->show();
        f.search("rod");
        QListWidgetItem *row = f.list->item(0);
        const QPoint at = f.list->visualItemRect(row).center();
        QTest::mouseClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, at); // the first click
        QTest::mouseDClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QVERIFY(f.dialog->Chosen().has_value());
        QCOMPARE(f.dialog->Chosen()->category, std::string("Old Length"));
    }

    void escape_cancelsWithoutChoice() {
        FindFixture f;
        f.dialog->show();
        QTest::keyClick(f.edit, Qt::Key_Down);
        QTest::keyClick(f.edit, Qt::Key_Escape);
        QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!f.dialog->Chosen().has_value());
    }

    void go_visibleUnit_switchesCategoryKeepsShowHidden() {
        FindWindow w;
        w.go("kilometer/", "kilometer/hour    [Speed]");
        QCOMPARE(w.category(), QString("Speed"));
        QCOMPARE(w.selectedInput(), QStringList{"kilometer/hour"});
        QVERIFY(!w.showHidden());
    }

    void go_hiddenUnit_turnsShowHiddenOnFirst() {
        FindWindow w;
        w.go("grain", "grain    [Mass]");
        QVERIFY(w.showHidden());
        QVERIFY(w.harness.window()->settings().showhidden);
        QCOMPARE(w.category(), QString("Mass"));
        QCOMPARE(w.selectedInput(), QStringList{"grain"});
    }

    void go_hiddenCategory_turnsShowHiddenOnAndSelectsIt() {
        FindWindow w;
        w.go("secret", "Secret    [Category]");
        QVERIFY(w.showHidden());
        QCOMPARE(w.category(), QString("Secret"));
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Secret"));
    }

    void go_unitInTwoCategories_reachesTheChosenOne() {
        FindWindow w;
        w.go("foot", "foot    [Old Length]");
        QCOMPARE(w.category(), QString("Old Length"));
        QCOMPARE(w.selectedInput(), QStringList{"foot"});
        w.go("foot", "foot    [Length]");
        QCOMPARE(w.category(), QString("Length"));
        QCOMPARE(w.selectedInput(), QStringList{"foot"});
    }

    void findAction_enabledOnMenuAndToolbar() {
        FindWindow w;
        QVERIFY(w.harness.Find<QAction>("findAction")->isEnabled());
        QCOMPARE(w.harness.Find<QAction>("findAction")->shortcut(), QKeySequence("Ctrl+F"));
    }
};

QTEST_MAIN(TestFindDialog)
#include "tst_finddialog.moc"
