// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"
#include "core/manage/ManageLists.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/manage/ManageCheckList.h"
#include "ui/manage/ManageDialog.h"
#include "ui/support/DialogHelpers.h"
#include "ui/support/ModalSteps.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const QStringList kCategories{"Length", "Pressure", "Temperature", "Numbers", "Fractions", "Mass", "Secret"};
const QStringList kLengthUnits{"meter", "kilometer", "foot", "inch", "yard", "mile", "survey foot"};

QStringList ticked(const ManageCheckList *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            texts.append(list->item(row)->text());
    return texts;
}

// Drops row `from` on row `to`, as the end of a drag within the list does.
void dropRow(ManageCheckList *list, int from, int to) {
    std::unique_ptr<QMimeData> data(list->DragData(from));
    list->DropAt(data.get(), list->visualItemRect(list->item(to)).center());
}

void toggle(ManageCheckList *list, const QString &name) {
    list->setFocus();
    list->setCurrentRow(RowOf(list, name));
    QTest::keyClick(list, Qt::Key_Space);
}

struct ManageWindow {
    explicit ManageWindow(bool showHidden = false) {
        harness.SetSetting("tipbox", "0");
        harness.SetSetting("GeSoUnit", "0"); // the window lists units in their own order
        harness.SetSetting("showhidden", showHidden ? "1" : "0");
        harness.SetSetting("AktualCate", "Length");
        harness.Start();
    }
    // F4, then `drive` on the open dialog (which is closed afterwards if still open).
    void manage(const std::function<void(ManageDialog &)> &drive) {
        const bool reached = DriveModal<ManageDialog>(
            [this] { harness.Find<QAction>("manageUnitsAndCategoriesAction")->trigger(); },
            [&](ManageDialog &dialog) {
                drive(dialog);
                ClickButton(dialog, "closeButton");
            });
        QVERIFY(reached);
    }
    QStringList windowCategories() { return ComboItems(harness.Find<QComboBox>("categoryNames")); }
    QStringList windowUnits() {
        QStringList texts;
        auto *list = harness.Find<QListWidget>("inputList");
        for (int row = 0; row < list->count(); ++row)
            texts.append(list->item(row)->text());
        return texts;
    }
    // The database as the run left it in units.dat.
    UnitDatabase savedDatabase() {
        harness.Finish();
        UnitDatabase db;
        DatabaseFile::LoadFromPath(db, harness.dir.file("units.dat"));
        return db;
    }
    WindowHarness harness;
};

ManageCheckList *categories(QDialog &dialog) {
    return dialog.findChild<ManageCheckList *>("categoryList");
}
ManageCheckList *units(QDialog &dialog) {
    return dialog.findChild<ManageCheckList *>("unitList");
}
QString label(QDialog &dialog, const char *name) {
    return dialog.findChild<QLabel *>(name)->text();
}

QStringList itemNames(const CheckItems &items) {
    QStringList texts;
    for (const CheckItem &item : items)
        texts.append(QString::fromStdString(item.name));
    return texts;
}

} // namespace

class TestManageDialog : public QObject {
    Q_OBJECT
  private slots:
    void open_showsBothListsCountsAndOptions() {
        ManageWindow w;
        QVERIFY(w.harness.Find<QAction>("manageUnitsAndCategoriesAction")->isEnabled());
        QCOMPARE(w.harness.Find<QAction>("manageUnitsAndCategoriesAction")->shortcut(),
                 QKeySequence(Qt::Key_F4));
        w.manage([](ManageDialog &d) {
            QCOMPARE(d.windowTitle(), QString("Manage Units and Categories"));
            QCOMPARE(Rows(categories(d)), kCategories);
            QVERIFY(!ticked(categories(d)).contains("Secret"));
            QCOMPARE(Rows(units(d)), kLengthUnits);
            QCOMPARE(label(d, "shownCategoryLabel"), QString("Length"));
            QCOMPARE(label(d, "categoryCounts"), QString("Units/Visible    7/7"));
            QCOMPARE(label(d, "unitCount"), QString("7"));
            QCOMPARE(label(d, "visibleCount"), QString("7"));
            QVERIFY(!d.findChild<QCheckBox *>("sortCategories")->isChecked());
            QVERIFY(!d.findChild<QCheckBox *>("showHidden")->isChecked());
            // A click on Mass counts its units; the unit list stays; Enter shows Mass's units.
            ClickRow(categories(d), "Mass");
            QCOMPARE(label(d, "categoryCounts"), QString("Units/Visible    3/2"));
            QCOMPARE(label(d, "shownCategoryLabel"), QString("Length"));
            QTest::keyClick(categories(d), Qt::Key_Return);
            QCOMPARE(label(d, "shownCategoryLabel"), QString("Mass"));
            QCOMPARE(ticked(units(d)), (QStringList{"kilogram", "gram"}));
            QCOMPARE(label(d, "visibleCount"), QString("2"));
        });
    }

    void reorderAndAccept_reachesWindowAndFile() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            dropRow(categories(d), 5, 0); // Mass to the top
            QCOMPARE(Rows(categories(d)).mid(0, 2), (QStringList{"Mass", "Length"}));
            categories(d)->setCurrentRow(RowOf(categories(d), "Numbers"));
            QTest::keyClick(categories(d), Qt::Key_Up, Qt::ControlModifier);
            ClickButton(d, "acceptCategoriesButton");
            dropRow(units(d), 0, 2); // meter after foot
            units(d)->setCurrentRow(RowOf(units(d), "mile"));
            QTest::keyClick(units(d), Qt::Key_Down, Qt::ControlModifier);
            ClickButton(d, "acceptUnitsButton");
        });
        const QStringList order{"Mass", "Length", "Pressure", "Numbers", "Temperature", "Fractions"};
        QCOMPARE(w.windowCategories(), order);
        const QStringList unitOrder{"kilometer", "foot", "meter", "inch", "yard", "survey foot", "mile"};
        QCOMPARE(w.windowUnits(), unitOrder);
        UnitDatabase saved = w.savedDatabase();
        QCOMPARE(itemNames(ManageLists::CategoryItems(saved)), order + QStringList{"Secret"});
        QCOMPARE(itemNames(ManageLists::UnitItems(saved, "Length")), unitOrder);
    }

    void hidingCategoryAndUnit_hidesThemInWindow() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            toggle(categories(d), "Pressure");
            ClickButton(d, "acceptCategoriesButton");
            toggle(units(d), "foot");
            ClickButton(d, "acceptUnitsButton");
            QCOMPARE(label(d, "visibleCount"), QString("6"));
            QCOMPARE(label(d, "categoryCounts"), QString("Units/Visible    3/3")); // Pressure has the focus
            ClickRow(categories(d), "Length");
            QCOMPARE(label(d, "categoryCounts"), QString("Units/Visible    7/6"));
        });
        QVERIFY(!w.windowCategories().contains("Pressure"));
        QVERIFY(!w.windowUnits().contains("foot"));
        UnitDatabase saved = w.savedDatabase();
        QVERIFY(saved.IsUnitHidden("Length", "foot"));
        QVERIFY(saved.IsUnitHidden("Pressure", "pascal"));
    }

    void allUnitsCleared_canBeAccepted() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            TriggerAction(d, "unselectAllUnits");
            ClickButton(d, "acceptUnitsButton");
            QCOMPARE(label(d, "visibleCount"), QString("0"));
        });
        QVERIFY(w.windowUnits().isEmpty());
    }

    void reset_discardsPendingEdits() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            dropRow(categories(d), 0, 3);
            TriggerAction(d, "invertCategorySelection");
            categories(d)->setCurrentRow(RowOf(categories(d), "Mass"));
            ClickButton(d, "resetCategoriesButton");
            QCOMPARE(Rows(categories(d)), kCategories);
            QCOMPARE(ticked(categories(d)).size(), kCategories.size() - 1);
            QCOMPARE(categories(d)->currentItem()->text(), QString("Mass"));
            dropRow(units(d), 6, 0);
            TriggerAction(d, "unselectAllUnits");
            ClickButton(d, "resetUnitsButton");
            QCOMPARE(Rows(units(d)), kLengthUnits);
            QCOMPARE(ticked(units(d)), kLengthUnits);
        });
        QCOMPARE(w.windowCategories(), kCategories.mid(0, 6));
    }

    void defaultOrder_afterAlphabetical_keepsMarksUntilAccepted() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            toggle(units(d), "inch");
            TriggerAction(d, "sortUnitsByName");
            QCOMPARE(Rows(units(d)),
                     (QStringList{"foot", "inch", "kilometer", "meter", "mile", "survey foot", "yard"}));
            QVERIFY(!ticked(units(d)).contains("inch"));
            TriggerAction(d, "defaultUnitOrder");
            QCOMPARE(Rows(units(d)), kLengthUnits);
            QVERIFY(!ticked(units(d)).contains("inch"));
            TriggerAction(d, "sortUnitsByName");
        });
        QCOMPARE(w.windowUnits(), kLengthUnits); // never accepted
    }

    void pendingEdits_surviveCustomCategoriesDialog() {
        ManageWindow w;
        w.harness.window()->SetCustomDialogs({}, [&w] {
            UnitDatabase &db = w.harness.window()->database();
            db.AddCategory("Volume", true);
            db.AddUnit("Volume", "liter", "", 1.0L, true);
        });
        w.manage([](ManageDialog &d) {
            dropRow(categories(d), 6, 0); // Secret to the top
            toggle(categories(d), "Numbers");
            toggle(units(d), "mile");
            dropRow(units(d), 5, 0);
            categories(d)->setCurrentRow(RowOf(categories(d), "Mass"));
            ClickButton(d, "customCategoriesButton");
            QCOMPARE(Rows(categories(d)), (QStringList{"Secret", "Length", "Pressure", "Temperature",
                                                       "Numbers", "Fractions", "Mass", "Volume"}));
            QCOMPARE(ticked(categories(d)),
                     (QStringList{"Length", "Pressure", "Temperature", "Fractions", "Mass", "Volume"}));
            QCOMPARE(categories(d)->currentItem()->text(), QString("Mass"));
            QCOMPARE(label(d, "shownCategoryLabel"), QString("Length"));
            QCOMPARE(Rows(units(d)).first(), QString("mile"));
            QVERIFY(!ticked(units(d)).contains("mile"));
            QVERIFY(d.findChild<QPushButton *>("customCategoriesButton")->isEnabled());
            QVERIFY(d.findChild<QPushButton *>("customUnitsButton")
                        ->isEnabled()); // the real units dialog stands in
        });
        QVERIFY(w.windowCategories().contains("Volume"));
        QCOMPARE(w.windowCategories().first(), QString("Length")); // nothing accepted
    }

    void pendingEdits_surviveCustomUnitsDialog() {
        ManageWindow w;
        w.harness.window()->SetCustomDialogs(
            [&w] {
                UnitDatabase &db = w.harness.window()->database();
                db.AddUnit("Length", "league", "", 4828.032L, true);
                db.DeleteUnit("Length", "yard");
                db.ModifyUnit("Length", "inch", "thumb", "", 0.0254L, false);
            },
            {});
        w.manage([](ManageDialog &d) {
            toggle(units(d), "foot");
            dropRow(units(d), 6, 0);
            ClickButton(d, "customUnitsButton");
            QCOMPARE(Rows(units(d)),
                     (QStringList{"survey foot", "meter", "kilometer", "foot", "mile", "thumb", "league"}));
            QVERIFY(!ticked(units(d)).contains("foot"));
            QCOMPARE(ticked(units(d)).size(), 6);
            QCOMPARE(label(d, "unitCount"), QString("7"));
            ClickButton(d, "acceptUnitsButton");
        });
        QCOMPARE(w.windowUnits(),
                 (QStringList{"survey foot", "meter", "kilometer", "mile", "thumb", "league"}));
    }

    // Units opens Custom Units on the category chosen in the manage dialog, not the window's.
    void unitsButton_opensCustomUnitsOnTheChosenCategory() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            for (const char *category : {"Mass", "Pressure"}) {
                categories(d)->setCurrentRow(RowOf(categories(d), category));
                QString shown;
                const bool reached =
                    DriveModal<CustomUnitsDialog>([&d] { ClickButton(d, "customUnitsButton"); },
                                                  [&shown](CustomUnitsDialog &custom) {
                                                      shown =
                                                          QString::fromStdString(custom.CurrentCategory());
                                                      custom.reject();
                                                  });
                QVERIFY(reached);
                QCOMPARE(shown, QString(category));
            }
        });
    }

    // Every unit of the current category deleted (here by the custom units dialog): the output
    // no longer shows the last result.
    void currentCategoryLosesItsUnits_outputIsCleared() {
        ManageWindow w;
        w.harness.Type("2");
        QVERIFY(!w.harness.Find<QLineEdit>("resultField")->text().isEmpty());
        w.harness.window()->SetCustomDialogs(
            [&w] {
                UnitDatabase &db = w.harness.window()->database();
                for (const QString &unit : kLengthUnits)
                    db.DeleteUnit("Length", unit.toStdString());
            },
            {});
        w.manage([](ManageDialog &d) { ClickButton(d, "customUnitsButton"); });
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Length"));
        QVERIFY(w.windowUnits().isEmpty());
        QCOMPARE(w.harness.Find<QLineEdit>("resultField")->text(), QString());
    }

    // A category renamed through the manage dialog's Categories button stays current.
    void renamedCurrentCategory_staysCurrent() {
        ManageWindow w;
        UnitDatabase &db = w.harness.window()->database();
        db.AddCategory("Fuel", true);
        db.AddUnit("Fuel", "drop", "", 1.0L, true);
        w.harness.window()->RebuildLists();
        w.harness.ChooseCategory("Fuel");
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Fuel"));
        w.manage([](ManageDialog &d) {
            const bool ran = ModalSteps()
                                 .Then("CustomCategoriesDialog",
                                       [](QDialog &categories) {
                                           ClickRow(Child<QListWidget>(categories, "categoryList"), "Fuel");
                                           ClickButton(categories, "renameButton");
                                       })
                                 .Then("CustomCategoryEditor",
                                       [](QDialog &editor) {
                                           TypeInto(editor, "nameField", "Petrol");
                                           ClickButton(editor, "okButton");
                                       })
                                 .Then("CustomCategoriesDialog",
                                       [](QDialog &categories) { ClickButton(categories, "closeButton"); })
                                 .Run([&d] { ClickButton(d, "customCategoriesButton"); });
            QVERIFY(ran);
        });
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Petrol"));
        QCOMPARE(w.harness.Find<QToolButton>("categoryButton")->text(), QString("Petrol"));
    }

    void acceptWithNoCategory_warnsAndChangesNothing() {
        ManageWindow w;
        w.manage([&w](ManageDialog &d) {
            TriggerAction(d, "unselectAllCategories");
            QVERIFY(ticked(categories(d)).isEmpty());
            ClickButton(d, "acceptCategoriesButton");
            QVERIFY(w.harness.prompts.log.back() == "warning: You have to choose at least one category.");
        });
        QCOMPARE(w.windowCategories(), kCategories.mid(0, 6));
    }

    void sortOption_sortsListStopsMovingAndSortsDatabaseOnClose() {
        ManageWindow w;
        w.manage([](ManageDialog &d) {
            d.findChild<QCheckBox *>("sortCategories")->click();
            const QStringList sorted{"Fractions", "Length", "Mass",       "Numbers",
                                     "Pressure",  "Secret", "Temperature"};
            QCOMPARE(Rows(categories(d)), sorted);
            dropRow(categories(d), 0, 3);
            QCOMPARE(Rows(categories(d)), sorted);
        });
        QVERIFY(w.harness.window()->settings().GeSoCate);
        QCOMPARE(w.windowCategories(),
                 (QStringList{"Fractions", "Length", "Mass", "Numbers", "Pressure", "Temperature"}));
        QCOMPARE(itemNames(ManageLists::CategoryItems(w.savedDatabase())).first(), QString("Fractions"));
    }

    void showHiddenOption_followsWindowMenuAndLists() {
        ManageWindow w;
        w.manage([&w](ManageDialog &d) {
            d.findChild<QCheckBox *>("showHidden")->click();
            QVERIFY(w.harness.Find<QAction>("showHiddenAction")->isChecked());
            QVERIFY(!w.harness.window()->database().SkipHidden);
        });
        QVERIFY(w.harness.window()->settings().showhidden);
        QCOMPARE(w.windowCategories(), kCategories);
    }

    void escape_stillRebuildsWindow() {
        ManageWindow w;
        const bool reached = DriveModal<ManageDialog>(
            [&w] { w.harness.Find<QAction>("manageUnitsAndCategoriesAction")->trigger(); },
            [](ManageDialog &d) {
                toggle(categories(d), "Length");
                ClickButton(d, "acceptCategoriesButton");
                QTest::keyClick(&d, Qt::Key_Escape);
            });
        QVERIFY(reached);
        QVERIFY(!w.windowCategories().contains("Length"));
    }
};

QTEST_MAIN(TestManageDialog)
#include "tst_managedialog.moc"
