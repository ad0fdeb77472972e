// SPDX-License-Identifier: MIT
#include "core/db/DatabaseFile.h"
#include "core/manage/ManageLists.h"
#include "ui/support/ModalDriver.h"
#include "ui/support/ModalSteps.h"
#include "ui/support/WindowHarness.h"
#include "ui/manage/ManageCheckList.h"
#include "ui/manage/ManageDialog.h"
#include "ui/custom/CustomUnitsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const QStringList kCategories{"Length", "Pressure", "Temperature", "Numbers", "Fractions", "Mass", "Secret"};
const QStringList kLengthUnits{"meter", "kilometer", "foot", "inch", "yard", "mile", "survey foot"};

QStringList names(const TCheckList *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QStringList ticked(const TCheckList *list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            texts.append(list->item(row)->text());
    return texts;
}

QStringList comboItems(const QComboBox *combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

// Drops row `from` on row `to`, as the end of a drag within the list does.
void dropRow(TCheckList *list, int from, int to) {
    std::unique_ptr<QMimeData> data(list->DragData(from));
    list->DropAt(data.get(), list->visualItemRect(list->item(to)).center());
}

void toggle(TCheckList *list, const QString &name) {
    list->setFocus();
    list->setCurrentRow(RowOf(list, name));
    QTest::keyClick(list, Qt::Key_Space);
}

void trigger(QDialog &dialog, const char *action) {
    dialog.findChild<QAction *>(action)->trigger();
}

void click(QDialog &dialog, const char *button) {
    dialog.findChild<QPushButton *>(button)->click();
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
    void manage(const std::function<void(TManageDlg &)> &drive) {
        const bool reached =
            DriveModal<TManageDlg>([this] { harness.Find<QAction>("ManageUnitsandCategories1")->trigger(); },
                                   [&](TManageDlg &dialog) {
                                       drive(dialog);
                                       click(dialog, "BitBtn7");
                                   });
        QVERIFY(reached);
    }
    QStringList windowCategories() { return comboItems(harness.Find<QComboBox>("ComboBox3")); }
    QStringList windowUnits() {
        QStringList texts;
        auto *list = harness.Find<QListWidget>("ListBox1");
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

TCheckList *categories(QDialog &dialog) {
    return dialog.findChild<TCheckList *>("CheckList1");
}
TCheckList *units(QDialog &dialog) {
    return dialog.findChild<TCheckList *>("CheckList2");
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
        QVERIFY(w.harness.Find<QAction>("ManageUnitsandCategories1")->isEnabled());
        QCOMPARE(w.harness.Find<QAction>("ManageUnitsandCategories1")->shortcut(), QKeySequence(Qt::Key_F4));
        w.manage([](TManageDlg &d) {
            QCOMPARE(d.windowTitle(), QString("Manage Units and Categories"));
            QCOMPARE(names(categories(d)), kCategories);
            QVERIFY(!ticked(categories(d)).contains("Secret"));
            QCOMPARE(names(units(d)), kLengthUnits);
            QCOMPARE(label(d, "Label1"), QString("Length"));
            QCOMPARE(label(d, "Label2"), QString("Units/Visible    7/7"));
            QCOMPARE(label(d, "Label7"), QString("7"));
            QCOMPARE(label(d, "Label8"), QString("7"));
            QVERIFY(!d.findChild<QCheckBox *>("CheckBox1")->isChecked());
            QVERIFY(!d.findChild<QCheckBox *>("CheckBox2")->isChecked());
            // A click on Mass counts its units; the unit list stays; Enter shows Mass's units.
            ClickRow(categories(d), "Mass");
            QCOMPARE(label(d, "Label2"), QString("Units/Visible    3/2"));
            QCOMPARE(label(d, "Label1"), QString("Length"));
            QTest::keyClick(categories(d), Qt::Key_Return);
            QCOMPARE(label(d, "Label1"), QString("Mass"));
            QCOMPARE(ticked(units(d)), (QStringList{"kilogram", "gram"}));
            QCOMPARE(label(d, "Label8"), QString("2"));
        });
    }

    void reorderAndAccept_reachesWindowAndFile() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            dropRow(categories(d), 5, 0); // Mass to the top
            QCOMPARE(names(categories(d)).mid(0, 2), (QStringList{"Mass", "Length"}));
            categories(d)->setCurrentRow(RowOf(categories(d), "Numbers"));
            QTest::keyClick(categories(d), Qt::Key_Up, Qt::ControlModifier);
            click(d, "BitBtn1");
            dropRow(units(d), 0, 2); // meter after foot
            units(d)->setCurrentRow(RowOf(units(d), "mile"));
            QTest::keyClick(units(d), Qt::Key_Down, Qt::ControlModifier);
            click(d, "BitBtn2");
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
        w.manage([](TManageDlg &d) {
            toggle(categories(d), "Pressure");
            click(d, "BitBtn1");
            toggle(units(d), "foot");
            click(d, "BitBtn2");
            QCOMPARE(label(d, "Label8"), QString("6"));
            QCOMPARE(label(d, "Label2"), QString("Units/Visible    3/3")); // Pressure has the focus
            ClickRow(categories(d), "Length");
            QCOMPARE(label(d, "Label2"), QString("Units/Visible    7/6"));
        });
        QVERIFY(!w.windowCategories().contains("Pressure"));
        QVERIFY(!w.windowUnits().contains("foot"));
        UnitDatabase saved = w.savedDatabase();
        QVERIFY(saved.IsUnitHidden("Length", "foot"));
        QVERIFY(saved.IsUnitHidden("Pressure", "pascal"));
    }

    void allUnitsCleared_canBeAccepted() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            trigger(d, "UnselectAll2");
            click(d, "BitBtn2");
            QCOMPARE(label(d, "Label8"), QString("0"));
        });
        QVERIFY(w.windowUnits().isEmpty());
    }

    void reset_discardsPendingEdits() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            dropRow(categories(d), 0, 3);
            trigger(d, "InvertSelection1");
            categories(d)->setCurrentRow(RowOf(categories(d), "Mass"));
            click(d, "BitBtn3");
            QCOMPARE(names(categories(d)), kCategories);
            QCOMPARE(ticked(categories(d)).size(), kCategories.size() - 1);
            QCOMPARE(categories(d)->currentItem()->text(), QString("Mass"));
            dropRow(units(d), 6, 0);
            trigger(d, "UnselectAll2");
            click(d, "BitBtn4");
            QCOMPARE(names(units(d)), kLengthUnits);
            QCOMPARE(ticked(units(d)), kLengthUnits);
        });
        QCOMPARE(w.windowCategories(), kCategories.mid(0, 6));
    }

    void defaultOrder_afterAlphabetical_keepsMarksUntilAccepted() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            toggle(units(d), "inch");
            trigger(d, "AlphabeticalOrder2");
            QCOMPARE(names(units(d)),
                     (QStringList{"foot", "inch", "kilometer", "meter", "mile", "survey foot", "yard"}));
            QVERIFY(!ticked(units(d)).contains("inch"));
            trigger(d, "DefaultOrder2");
            QCOMPARE(names(units(d)), kLengthUnits);
            QVERIFY(!ticked(units(d)).contains("inch"));
            trigger(d, "AlphabeticalOrder2");
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
        w.manage([](TManageDlg &d) {
            dropRow(categories(d), 6, 0); // Secret to the top
            toggle(categories(d), "Numbers");
            toggle(units(d), "mile");
            dropRow(units(d), 5, 0);
            categories(d)->setCurrentRow(RowOf(categories(d), "Mass"));
            click(d, "BitBtn5");
            QCOMPARE(names(categories(d)), (QStringList{"Secret", "Length", "Pressure", "Temperature",
                                                        "Numbers", "Fractions", "Mass", "Volume"}));
            QCOMPARE(ticked(categories(d)),
                     (QStringList{"Length", "Pressure", "Temperature", "Fractions", "Mass", "Volume"}));
            QCOMPARE(categories(d)->currentItem()->text(), QString("Mass"));
            QCOMPARE(label(d, "Label1"), QString("Length"));
            QCOMPARE(names(units(d)).first(), QString("mile"));
            QVERIFY(!ticked(units(d)).contains("mile"));
            QVERIFY(d.findChild<QPushButton *>("BitBtn5")->isEnabled());
            QVERIFY(d.findChild<QPushButton *>("BitBtn6")->isEnabled()); // the real units dialog stands in
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
        w.manage([](TManageDlg &d) {
            toggle(units(d), "foot");
            dropRow(units(d), 6, 0);
            click(d, "BitBtn6");
            QCOMPARE(names(units(d)),
                     (QStringList{"survey foot", "meter", "kilometer", "foot", "mile", "thumb", "league"}));
            QVERIFY(!ticked(units(d)).contains("foot"));
            QCOMPARE(ticked(units(d)).size(), 6);
            QCOMPARE(label(d, "Label7"), QString("7"));
            click(d, "BitBtn2");
        });
        QCOMPARE(w.windowUnits(),
                 (QStringList{"survey foot", "meter", "kilometer", "mile", "thumb", "league"}));
    }

    // Units opens Custom Units on the category chosen in the manage dialog, not the window's.
    void unitsButton_opensCustomUnitsOnTheChosenCategory() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            for (const char *category : {"Mass", "Pressure"}) {
                categories(d)->setCurrentRow(RowOf(categories(d), category));
                QString shown;
                const bool reached = DriveModal<TPagesDlg>([&d] { click(d, "BitBtn6"); },
                                                           [&shown](TPagesDlg &custom) {
                                                               shown = QString::fromStdString(custom.CurrentCategory());
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
        QVERIFY(!w.harness.Find<QLineEdit>("Edit2")->text().isEmpty());
        w.harness.window()->SetCustomDialogs(
            [&w] {
                UnitDatabase &db = w.harness.window()->database();
                for (const QString &unit : kLengthUnits)
                    db.DeleteUnit("Length", unit.toStdString());
            },
            {});
        w.manage([](TManageDlg &d) { click(d, "BitBtn6"); });
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Length"));
        QVERIFY(w.windowUnits().isEmpty());
        QCOMPARE(w.harness.Find<QLineEdit>("Edit2")->text(), QString());
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
        w.manage([](TManageDlg &d) {
            const bool ran = ModalSteps()
                                 .Then("TPagesDlg3",
                                       [](QDialog &categories) {
                                           ClickRow(Child<QListWidget>(categories, "ListBox1"), "Fuel");
                                           ClickButton(categories, "BitBtn2");
                                       })
                                 .Then("TPagesDlg4",
                                       [](QDialog &editor) {
                                           TypeInto(editor, "Edit1", "Petrol");
                                           ClickButton(editor, "BitBtn3");
                                       })
                                 .Then("TPagesDlg3", [](QDialog &categories) { ClickButton(categories, "BitBtn6"); })
                                 .Run([&d] { click(d, "BitBtn5"); });
            QVERIFY(ran);
        });
        QCOMPARE(w.harness.window()->currentCategory(), std::string("Petrol"));
        QCOMPARE(w.harness.Find<QToolButton>("ToolbarButton973")->text(), QString("Petrol"));
    }

    void acceptWithNoCategory_warnsAndChangesNothing() {
        ManageWindow w;
        w.manage([&w](TManageDlg &d) {
            trigger(d, "UnselectAll1");
            QVERIFY(ticked(categories(d)).isEmpty());
            click(d, "BitBtn1");
            QVERIFY(w.harness.prompts.log.back() == "warning: You have to choose at least one category.");
        });
        QCOMPARE(w.windowCategories(), kCategories.mid(0, 6));
    }

    void sortOption_sortsListStopsMovingAndSortsDatabaseOnClose() {
        ManageWindow w;
        w.manage([](TManageDlg &d) {
            d.findChild<QCheckBox *>("CheckBox1")->click();
            const QStringList sorted{"Fractions", "Length", "Mass",       "Numbers",
                                     "Pressure",  "Secret", "Temperature"};
            QCOMPARE(names(categories(d)), sorted);
            dropRow(categories(d), 0, 3);
            QCOMPARE(names(categories(d)), sorted);
        });
        QVERIFY(w.harness.window()->settings().GeSoCate);
        QCOMPARE(w.windowCategories(),
                 (QStringList{"Fractions", "Length", "Mass", "Numbers", "Pressure", "Temperature"}));
        QCOMPARE(itemNames(ManageLists::CategoryItems(w.savedDatabase())).first(), QString("Fractions"));
    }

    void showHiddenOption_followsWindowMenuAndLists() {
        ManageWindow w;
        w.manage([&w](TManageDlg &d) {
            d.findChild<QCheckBox *>("CheckBox2")->click();
            QVERIFY(w.harness.Find<QAction>("ShowHidden1")->isChecked());
            QVERIFY(!w.harness.window()->database().SkipHidden);
        });
        QVERIFY(w.harness.window()->settings().showhidden);
        QCOMPARE(w.windowCategories(), kCategories);
    }

    void escape_stillRebuildsWindow() {
        ManageWindow w;
        const bool reached =
            DriveModal<TManageDlg>([&w] { w.harness.Find<QAction>("ManageUnitsandCategories1")->trigger(); },
                                   [](TManageDlg &d) {
                                       toggle(categories(d), "Length");
                                       click(d, "BitBtn1");
                                       QTest::keyClick(&d, Qt::Key_Escape);
                                   });
        QVERIFY(reached);
        QVERIFY(!w.windowCategories().contains("Length"));
    }
};

QTEST_MAIN(TestManageDialog)
#include "tst_managedialog.moc"
