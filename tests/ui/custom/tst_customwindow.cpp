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
    return h.Find<QListWidget>("ListBox1");
}
QListWidget *OutputList(WindowHarness &h) {
    return h.Find<QListWidget>("ListBox2");
}
QString Output(WindowHarness &h) {
    return h.Find<QLineEdit>("Edit2")->text();
}

// Adds a unit through the editor the custom units list opened.
ModalSteps::Step AddUnitStep(const QString &name, const QString &value = {}, const QString &origin = {}) {
    return [=](QDialog &editor) {
        TypeInto(editor, "Edit1", name);
        if (!value.isEmpty())
            TypeInto(editor, "Edit2", value);
        if (!origin.isEmpty()) {
            auto *origins = Child<QComboBox>(editor, "ComboBox1");
            origins->setCurrentIndex(origins->findText(origin));
        }
        ClickButton(editor, "BitBtn1");
    };
}

ModalSteps::Step Click(const char *button) {
    return [button](QDialog &dialog) { ClickButton(dialog, button); };
}

} // namespace

class TestCustomWindow : public QObject {
    Q_OBJECT
  private slots:
    void commands_areAvailableFromMenuAndToolbar() {
        WindowHarness h;
        h.Start();
        for (const char *name : {"Units1", "Categories1"})
            QVERIFY2(h.Find<QAction>(name)->isEnabled(), name);
        for (const char *name : {"SpeedButton1", "SpeedButton2"})
            QVERIFY2(h.Find<QToolButton>(name)->isEnabled(), name);
    }

    void newUnit_convertsAtOnce_andIsRemembered() {
        WindowHarness h;
        h.SetSetting("AktualCate", "Length");
        h.Start();
        const bool ran =
            ModalSteps()
                .Then("TPagesDlg",
                      [](QDialog &units) {
                          QCOMPARE(Child<QComboBox>(units, "ComboBox1")->currentText(), QString("Length"));
                          ClickButton(units, "BitBtn1");
                      })
                .Then("TPagesDlg1", AddUnitStep("furlong", "201.168", "meter"))
                .Then("TPagesDlg", Click("BitBtn2"))
                .Run([&] { h.Find<QAction>("Units1")->trigger(); });
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
                             .Then("TManageDlg", Click("BitBtn6"))
                             .Then("TPagesDlg",
                                   [](QDialog &units) {
                                       QCOMPARE(Child<QComboBox>(units, "ComboBox1")->currentText(),
                                                QString("Length"));
                                       ClickButton(units, "BitBtn1");
                                   })
                             .Then("TPagesDlg1", AddUnitStep("furlong", "201.168", "meter"))
                             .Then("TPagesDlg", Click("BitBtn2"))
                             .Then("TManageDlg",
                                   [](QDialog &manage) {
                                       auto *list = Child<QListWidget>(manage, "CheckList2");
                                       QVERIFY(list != nullptr);
                                       QVERIFY(RowOf(list, "furlong") >= 0);
                                       ClickButton(manage, "BitBtn7");
                                   })
                             .Run([&] { h.Find<QAction>("ManageUnitsandCategories1")->trigger(); });
        QVERIFY(ran);
        QVERIFY(RowOf(InputList(h), "furlong") >= 0);
    }

    void roundTrip_categoryAndTwoUnits_reachTheNextRunAndTheCommandLine() {
        WindowHarness h;
        h.Start();
        const bool ran = ModalSteps()
                             .Then("TPagesDlg3", Click("BitBtn1"))
                             .Then("TPagesDlg4",
                                   [](QDialog &editor) {
                                       TypeInto(editor, "Edit1", "Game money");
                                       ClickButton(editor, "BitBtn3");
                                   })
                             .Then("TPagesDlg3", Click("BitBtn4")) // the new category is selected
                             .Then("TPagesDlg", Click("BitBtn1"))
                             .Then("TPagesDlg1", AddUnitStep("gold"))
                             .Then("TPagesDlg", Click("BitBtn1"))
                             .Then("TPagesDlg1", AddUnitStep("silver", "0,1", "gold"))
                             .Then("TPagesDlg", Click("BitBtn2"))
                             .Then("TPagesDlg3", Click("BitBtn6"))
                             .Run([&] { h.Find<QAction>("Categories1")->trigger(); });
        QVERIFY(ran);
        QVERIFY(h.Find<QComboBox>("ComboBox3")->findText("Game money") >= 0);
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
            .Then("TPagesDlg3", Click("BitBtn1"))
            .Then("TPagesDlg4",
                  [](QDialog &editor) {
                      TypeInto(editor, "Edit1", "Fuel");
                      ClickButton(editor, "BitBtn3");
                  })
            .Then("TPagesDlg3", Click("BitBtn6"))
            .Run([&] { h.Find<QAction>("Categories1")->trigger(); });
        h.ChooseCategory("Fuel");
        QCOMPARE(h.window()->currentCategory(), std::string("Fuel"));
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
                             .Then("TPagesDlg3", Click("BitBtn6"))
                             .Run([&] { h.Find<QAction>("Categories1")->trigger(); });
        QVERIFY(ran);
        QCOMPARE(h.window()->currentCategory(), std::string("Petrol"));
        QCOMPARE(h.Find<QToolButton>("ToolbarButton973")->text(), QString("Petrol"));
    }
};

QTEST_MAIN(TestCustomWindow)
#include "tst_customwindow.moc"
