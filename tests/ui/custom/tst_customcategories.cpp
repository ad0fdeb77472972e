// SPDX-License-Identifier: MIT
// The custom categories list and its name editor, driven on their real widgets.
#include "core/custom/CustomTexts.h"
#include "ui/custom/CustomCategoriesDialog.h"
#include "ui/support/ModalSteps.h"
#include "ui/support/WindowHarness.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QtTest>

#include <memory>

using namespace mensurio;
using namespace mensurio::test;

namespace {} // namespace

class TestCustomCategories : public QObject {
    Q_OBJECT

    UnitDatabase db;
    FakePrompts prompts;
    std::unique_ptr<CustomCategoriesDialog> dialog;

    QListWidget *List() { return Child<QListWidget>(*dialog, "categoryList"); }
    QString CountText() { return Child<QLabel>(*dialog, "unitCount")->text(); }

    // Opens the name editor with `button`, types `name` and clicks OK; the editor is closed by
    // force when it stays open. Returns whether OK closed it.
    bool EditName(const char *button, const QString &name, const QString &expectedTitle) {
        bool closedByOk = false;
        ModalSteps()
            .Then("CustomCategoryEditor",
                  [&](QDialog &editor) {
                      QCOMPARE(editor.windowTitle(), expectedTitle);
                      TypeInto(editor, "nameField", name);
                      ClickButton(editor, "okButton");
                      closedByOk = !editor.isVisible();
                      if (!closedByOk)
                          editor.reject();
                  })
            .Run([&] { ClickButton(*dialog, button); });
        return closedByOk;
    }

    void Select(const QString &name) { ClickRow(List(), name); }

    void CheckNothingSelected() {
        QVERIFY(List()->selectedItems().isEmpty());
        for (const char *button : {"renameButton", "removeButton", "unitsButton"})
            QVERIFY2(!Child<QPushButton>(*dialog, button)->isEnabled(), button);
        QCOMPARE(CountText(), QString());
    }

  private slots:
    void init() {
        db = FixtureDatabase();
        db.AddCategory("Fuel", true);
        db.AddUnit("Fuel", "tank", "", 1.0L, true);
        db.AddUnit("Fuel", "can", "tank", 0.1L, true);
        db.SelectCategory("Fuel");
        db.FirstUnit();
        db.SetUnitHidden(true);
        prompts = FakePrompts();
        dialog = std::make_unique<CustomCategoriesDialog>(db, prompts);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    void cleanup() { dialog.reset(); }

    void opens_withCustomCategoriesOnly_nothingSelected() {
        QCOMPARE(dialog->windowTitle(), QString("Custom Categories"));
        QCOMPARE(Rows(List()), QStringList{"Fuel"});
        CheckNothingSelected();
        Select("Fuel");
        QCOMPARE(CountText(), QString("The selected category contains 2 units.")); // hidden one counted
        QVERIFY(Child<QPushButton>(*dialog, "unitsButton")->isEnabled());
    }

    void add_sixtyCharacters_listedWithFifty_lastInTheDatabase() {
        QVERIFY(EditName("addButton", QString(60, QChar('w')), "Add Custom Category"));
        QCOMPARE(Rows(List()), (QStringList{"Fuel", QString(50, QChar('w'))}));
        std::string last;
        for (db.FirstCategory(); db.HasCategory(); db.NextCategory())
            last = db.CategoryName();
        QCOMPARE(QString::fromStdString(last), QString(50, QChar('w')));
        QCOMPARE(CountText(), QString("The selected category contains 0 units.")); // the new one is selected
    }

    void add_existingName_refusedInAnyCase_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("built-in") << "Length" << QString(CustomTexts::CategoryNameTaken);
        QTest::newRow("other case") << "LENGTH" << QString(CustomTexts::CategoryNameTaken);
        QTest::newRow("hidden category") << "secret" << QString(CustomTexts::CategoryNameTaken);
        QTest::newRow("spaces only") << "  " << QString(CustomTexts::BlankCategoryName);
        QTest::newRow("reserved by the file") << "Category" << QString(CustomTexts::ReservedCategoryName);
    }

    void add_existingName_refusedInAnyCase() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QVERIFY(!EditName("addButton", name, "Add Custom Category"));
        QCOMPARE(prompts.log, (std::vector<std::string>{"beep", "information: " + message.toStdString()}));
        QCOMPARE(Rows(List()), QStringList{"Fuel"});
    }

    void editor_okEnabledOnlyWithText() {
        ModalSteps()
            .Then("CustomCategoryEditor",
                  [](QDialog &editor) {
                      auto *ok = Child<QPushButton>(editor, "okButton");
                      QVERIFY(!ok->isEnabled());
                      TypeInto(editor, "nameField", "x");
                      QVERIFY(ok->isEnabled());
                      TypeInto(editor, "nameField", "");
                      QVERIFY(!ok->isEnabled());
                      editor.reject();
                  })
            .Run([&] { ClickButton(*dialog, "addButton"); });
        QCOMPARE(Rows(List()), QStringList{"Fuel"});
    }

    void rename_caseOnlyAccepted_otherCategoryRefused() {
        Select("Fuel");
        QVERIFY(!EditName("renameButton", "Mass", "Rename Custom Category"));
        QCOMPARE(prompts.log.back(), "information: " + std::string(CustomTexts::CategoryNameTaken));
        Select("Fuel");
        QVERIFY(EditName("renameButton", "FUEL", "Rename Custom Category"));
        QCOMPARE(Rows(List()), QStringList{"FUEL"});
        QCOMPARE(dialog->CurrentNameOf("Fuel"), std::string("FUEL"));
        QVERIFY(EditName("renameButton", "Petrol", "Rename Custom Category"));
        QCOMPARE(dialog->CurrentNameOf("Fuel"), std::string("Petrol"));
        QCOMPARE(db.UnitCount("Petrol"), 2);
    }

    void remove_cancelKeeps_yesRemovesWithUnits() {
        prompts.answers = {false, true};
        Select("Fuel");
        ClickButton(*dialog, "removeButton");
        QCOMPARE(Rows(List()), QStringList{"Fuel"});
        QCOMPARE(prompts.log, (std::vector<std::string>{
                                  "beep", "confirm: " + std::string(CustomTexts::ConfirmRemoveCategory)}));
        ClickButton(*dialog, "removeButton");
        QCOMPARE(List()->count(), 0);
        CheckNothingSelected();
        QVERIFY(!db.CategoryExists("Fuel"));
    }

    void units_opensTheUnitsListOnTheCategory_offset_andCountFollows() {
        Select("Fuel");
        QPoint unitsAt;
        const bool ran =
            ModalSteps()
                .Then("CustomUnitsDialog",
                      [&](QDialog &units) {
                          unitsAt = units.pos();
                          QCOMPARE(Child<QComboBox>(units, "categoryChoice")->currentText(), QString("Fuel"));
                          ClickButton(units, "addButton");
                      })
                .Then("CustomUnitEditor",
                      [](QDialog &editor) {
                          TypeInto(editor, "nameField", "drum");
                          TypeInto(editor, "amountField", "2");
                          ClickButton(editor, "okButton");
                      })
                .Then("CustomUnitsDialog", [](QDialog &units) { ClickButton(units, "closeButton"); })
                .Run([&] { ClickButton(*dialog, "unitsButton"); });
        QVERIFY(ran);
        const int offset = dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dialog.get()) +
                           dialog->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, dialog.get());
        QCOMPARE(unitsAt, dialog->pos() + QPoint(offset, offset));
        QCOMPARE(CountText(), QString("The selected category contains 3 units."));
    }
};

QTEST_MAIN(TestCustomCategories)
#include "tst_customcategories.moc"
