// SPDX-License-Identifier: MIT
// Custom units and categories from the conversion window: the commands, conversions with a new
// unit at once, and a round trip through units.dat to the next run and to mensurio-cli.
#include "support/RunProcess.h"
#include "ui/support/ModalSteps.h"
#include "ui/support/WindowHarness.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QListWidget *InputList(WindowHarness &h) {
    return h.Find<QListWidget>("inputList");
}
QListWidget *OutputList(WindowHarness &h) {
    return h.Find<QListWidget>("outputList");
}
QString Output(WindowHarness &h) {
    return h.Find<QLineEdit>("resultField")->text();
}

// Adds a unit through the editor the custom units list opened.
ModalSteps::Step AddUnitStep(const QString &name, const QString &value = {}, const QString &origin = {}) {
    return [=](QDialog &editor) {
        TypeInto(editor, "nameField", name);
        if (!value.isEmpty())
            TypeInto(editor, "amountField", value);
        if (!origin.isEmpty()) {
            auto *origins = Child<QComboBox>(editor, "originChoice");
            origins->setCurrentIndex(origins->findText(origin));
        }
        ClickButton(editor, "okButton");
    };
}

} // namespace

class TestCustomWindow : public QObject {
    Q_OBJECT
  private slots:
    void commands_areAvailableFromMenuAndToolbar() {
        WindowHarness h;
        h.Start();
        for (const char *name : {"customUnitsAction", "customCategoriesAction"})
            QVERIFY2(h.Find<QAction>(name)->isEnabled(), name);
        for (const char *name : {"customUnitsButton", "customCategoriesButton"})
            QVERIFY2(h.Find<QToolButton>(name)->isEnabled(), name);
    }

    void newUnit_convertsAtOnce_andIsRemembered() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        const bool ran = ModalSteps()
                             .Then("CustomUnitsDialog",
                                   [](QDialog &units) {
                                       QCOMPARE(Child<QComboBox>(units, "categoryChoice")->currentText(),
                                                QString("Length"));
                                       ClickButton(units, "addButton");
                                   })
                             .Then("CustomUnitEditor", AddUnitStep("furlong", "201.168", "meter"))
                             .Then("CustomUnitsDialog", ClickStep("closeButton"))
                             .Run([&] { h.Find<QAction>("customUnitsAction")->trigger(); });
        QVERIFY(ran);
        QVERIFY(RowOf(InputList(h), "furlong") >= 0);
        ClickRow(OutputList(h), "meter");
        h.Type("3 furlong + 2 meter");
        QCOMPARE(Output(h), QString("605.504"));
        ClickRow(InputList(h), "furlong");
        h.Type("1");
        ClickRow(OutputList(h), "foot");
        QCOMPARE(Output(h), QString("660"));
        h.ChooseCategory("Mass");
        h.ChooseCategory("Length");
        QCOMPARE(SelectedNames(InputList(h)), QStringList{"furlong"});
        QCOMPARE(Output(h), QString("660"));
    }

    // The manage dialog's Units button opens the real custom units dialog; the new unit joins the
    // pending list and reaches the window when the manage dialog closes.
    void manageDialog_opensCustomUnits_andListsTheNewUnit() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        const bool ran = ModalSteps()
                             .Then("ManageDialog", ClickStep("customUnitsButton"))
                             .Then("CustomUnitsDialog",
                                   [](QDialog &units) {
                                       QCOMPARE(Child<QComboBox>(units, "categoryChoice")->currentText(),
                                                QString("Length"));
                                       ClickButton(units, "addButton");
                                   })
                             .Then("CustomUnitEditor", AddUnitStep("furlong", "201.168", "meter"))
                             .Then("CustomUnitsDialog", ClickStep("closeButton"))
                             .Then("ManageDialog",
                                   [](QDialog &manage) {
                                       auto *list = Child<QListWidget>(manage, "unitList");
                                       QVERIFY(list != nullptr);
                                       QVERIFY(RowOf(list, "furlong") >= 0);
                                       ClickButton(manage, "closeButton");
                                   })
                             .Run([&] { h.Find<QAction>("manageUnitsAndCategoriesAction")->trigger(); });
        QVERIFY(ran);
        QVERIFY(RowOf(InputList(h), "furlong") >= 0);
    }

    void roundTrip_categoryAndTwoUnits_reachTheNextRunAndTheCommandLine() {
        WindowHarness h;
        h.Start();
        const bool ran =
            ModalSteps()
                .Then("CustomCategoriesDialog", ClickStep("addButton"))
                .Then("CustomCategoryEditor",
                      [](QDialog &editor) {
                          TypeInto(editor, "nameField", "Game money");
                          ClickButton(editor, "okButton");
                      })
                .Then("CustomCategoriesDialog", ClickStep("unitsButton")) // the new category is selected
                .Then("CustomUnitsDialog", ClickStep("addButton"))
                .Then("CustomUnitEditor", AddUnitStep("gold"))
                .Then("CustomUnitsDialog", ClickStep("addButton"))
                .Then("CustomUnitEditor", AddUnitStep("silver", "0,1", "gold"))
                .Then("CustomUnitsDialog", ClickStep("closeButton"))
                .Then("CustomCategoriesDialog", ClickStep("closeButton"))
                .Run([&] { h.Find<QAction>("customCategoriesAction")->trigger(); });
        QVERIFY(ran);
        QVERIFY(h.Find<QComboBox>("categoryNames")->findText("Game money") >= 0);
        h.Finish();

        h.Start();
        UnitDatabase &db = h.window()->database();
        QCOMPARE(db.UnitFactorOf("Game money", "gold"), 1.0L);
        QCOMPARE(db.UnitFactorOf("Game money", "silver"), 0.1L);
        QCOMPARE(db.UnitOriginOf("Game money", "silver"), std::string("gold"));
        h.ChooseCategory("Game money");
        ClickRow(InputList(h), "gold");
        ClickRow(OutputList(h), "silver");
        h.Type("3");
        QCOMPARE(Output(h), QString("30"));
        h.Finish();

        const ProcessResult cli = runProcess(
            MENSURIO_BIN_DIR "/mensurio-cli",
            {"--db", h.dir.file("units.dat"), "3 gold + 5 silver", "--to", "silver"}, h.dir.path());
        QCOMPARE(QString::fromStdString(cli.err), QString());
        QCOMPARE(QString::fromStdString(cli.out), QString("35\n"));
        QCOMPARE(cli.status, 0);
    }

    void renamedCurrentCategory_staysCurrent() {
        WindowHarness h;
        h.Start();
        ModalSteps()
            .Then("CustomCategoriesDialog", ClickStep("addButton"))
            .Then("CustomCategoryEditor",
                  [](QDialog &editor) {
                      TypeInto(editor, "nameField", "Fuel");
                      ClickButton(editor, "okButton");
                  })
            .Then("CustomCategoriesDialog", ClickStep("closeButton"))
            .Run([&] { h.Find<QAction>("customCategoriesAction")->trigger(); });
        h.ChooseCategory("Fuel");
        QCOMPARE(h.window()->currentCategory(), std::string("Fuel"));
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
                             .Then("CustomCategoriesDialog", ClickStep("closeButton"))
                             .Run([&] { h.Find<QAction>("customCategoriesAction")->trigger(); });
        QVERIFY(ran);
        QCOMPARE(h.window()->currentCategory(), std::string("Petrol"));
        QCOMPARE(h.Find<QToolButton>("categoryButton")->text(), QString("Petrol"));
    }
};

QTEST_MAIN(TestCustomWindow)
#include "tst_customwindow.moc"
