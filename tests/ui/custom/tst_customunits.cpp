// SPDX-License-Identifier: MIT
// The custom units list and its editor, driven on their real widgets.
#include "core/custom/CustomTexts.h"
#include "core/custom/CustomUnits.h"
#include "ui/custom/CustomUnitEditor.h"
#include "ui/custom/CustomUnitsDialog.h"
#include "ui/support/ModalSteps.h"
#include "ui/support/WindowHarness.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <memory>

using namespace mensurio;
using namespace mensurio::test;

namespace {

QString Info(const char *text) {
    return QStringLiteral("information: ") + QString::fromLatin1(text);
}

UnitRecord UnitOf(UnitDatabase &db, const std::string &category, const std::string &name) {
    db.SelectCategory(category);
    for (db.FirstUnit(); db.HasUnit(); db.NextUnit())
        if (db.UnitName() == name)
            return db.CurrentUnitRecord();
    return {};
}

} // namespace

class TestCustomUnits : public QObject {
    Q_OBJECT

    UnitDatabase db;
    FakePrompts prompts;
    std::unique_ptr<CustomUnits> units;

    // An editor on Length, shown as the list dialog shows it.
    std::unique_ptr<CustomUnitEditor> Editor(UnitEditorMode mode, const std::string &unit = {},
                                             const std::string &category = "Length") {
        auto editor = std::make_unique<CustomUnitEditor>(*units, prompts, category, mode, unit);
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor.get()))
            qWarning("editor not exposed");
        return editor;
    }

    std::unique_ptr<CustomUnitsDialog> List(const std::string &category) {
        auto list = std::make_unique<CustomUnitsDialog>(db, prompts, category);
        list->show();
        if (!QTest::qWaitForWindowExposed(list.get()))
            qWarning("list not exposed");
        return list;
    }

    // Adds through the editor as the user does; true when the editor closed.
    bool AddThroughEditor(const QString &name, const QString &value, const QString &origin) {
        auto editor = Editor(UnitEditorMode::Add);
        TypeInto(*editor, "nameField", name);
        TypeInto(*editor, "amountField", value);
        auto *origins = Child<QComboBox>(*editor, "originChoice");
        origins->setCurrentIndex(origins->findText(origin));
        ClickButton(*editor, "okButton");
        return editor->result() == QDialog::Accepted && !editor->isVisible();
    }

  private slots:
    void init() {
        db = FixtureDatabase();
        db.AddCategory("Game money", true);
        prompts = FakePrompts();
        units = std::make_unique<CustomUnits>(db, NumberSeparators{});
    }

    void emptyCategory_firstUnitIsTheBaseUnit() {
        auto list = List("Game money");
        QCOMPARE(Child<QComboBox>(*list, "categoryChoice")->currentText(), QString("Game money"));
        const bool ran = ModalSteps()
                             .Then("CustomUnitEditor",
                                   [](QDialog &editor) {
                                       QCOMPARE(editor.windowTitle(), QString("Add custom unit"));
                                       auto *value = Child<QLineEdit>(editor, "amountField");
                                       QCOMPARE(value->text(), QString("(Base Unit)"));
                                       QVERIFY(!value->isEnabled());
                                       QVERIFY(!Child<QComboBox>(editor, "originChoice")->isEnabled());
                                       QCOMPARE(editor.focusWidget(), Child<QLineEdit>(editor, "nameField"));
                                       TypeInto(editor, "nameField", "gold");
                                       ClickButton(editor, "okButton");
                                   })
                             .Run([&] { ClickButton(*list, "addButton"); });
        QVERIFY(ran);
        auto *rows = Child<QListWidget>(*list, "unitList");
        QCOMPARE(Rows(rows), QStringList{"gold"});
        QVERIFY(rows->selectedItems().isEmpty());
        QVERIFY(!Child<QPushButton>(*list, "modifyButton")->isEnabled());
        ClickRow(rows, "gold");
        QCOMPARE(Child<QLabel>(*list, "description")->text(), QString("gold is the base unit."));
        QCOMPARE(UnitOf(db, "Game money", "gold").Factor, 1.0L);
        QCOMPARE(UnitOf(db, "Game money", "gold").OriginUnit, std::string());
    }

    void furlong_factorAndDescription() {
        QVERIFY(AddThroughEditor("furlong", "201.168", "meter"));
        QCOMPARE(UnitOf(db, "Length", "furlong").Factor, 201.168L);
        auto list = List("Length");
        ClickRow(Child<QListWidget>(*list, "unitList"), "furlong");
        QCOMPARE(Child<QLabel>(*list, "description")->text(), QString("1 furlong = 201.168 meter"));
        QVERIFY(Child<QPushButton>(*list, "modifyButton")->isEnabled());
        QVERIFY(Child<QPushButton>(*list, "removeButton")->isEnabled());
    }

    void values_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<double>("feet");
        QTest::newRow("comma") << "0,5"
                               << "" << 0.5;
        QTest::newRow("expression") << "1/3"
                                    << "" << 1.0 / 3.0;
        QTest::newRow("negative") << "-2"
                                  << "" << -2.0;
        QTest::newRow("letters") << "abc" << Info(CustomTexts::InvalidValue) << 0.0;
        QTest::newRow("zero") << "0" << Info(CustomTexts::ZeroValue) << 0.0;
        QTest::newRow("zero point zero") << "0.0" << Info(CustomTexts::ZeroValue) << 0.0;
        QTest::newRow("overflow") << "1e5000" << Info(CustomTexts::InvalidValue) << 0.0;
        QTest::newRow("division by zero") << "1/0" << Info(CustomTexts::InvalidValue) << 0.0;
    }

    void values() {
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(double, feet);
        auto editor = Editor(UnitEditorMode::Add);
        TypeInto(*editor, "nameField", "pace");
        TypeInto(*editor, "amountField", value);
        auto *origins = Child<QComboBox>(*editor, "originChoice");
        origins->setCurrentIndex(origins->findText("foot"));
        ClickButton(*editor, "okButton");
        if (message.isEmpty()) {
            QVERIFY(!editor->isVisible());
            QCOMPARE(static_cast<double>(UnitOf(db, "Length", "pace").Factor / 0.3048L), feet);
            QVERIFY(prompts.log.empty());
            return;
        }
        QVERIFY(editor->isVisible()); // stays open with the text as typed
        QCOMPARE(Child<QLineEdit>(*editor, "amountField")->text(), value);
        QCOMPARE(prompts.log.size(), size_t(2));
        QCOMPARE(QString::fromStdString(prompts.log[0]), QString("beep"));
        QCOMPARE(QString::fromStdString(prompts.log[1]), message);
        QVERIFY(!db.UnitExists("Length", "pace"));
    }

    void names_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("other case of meter") << "Meter" << Info(CustomTexts::UnitNameTaken);
        QTest::newRow("spaces only") << "   " << Info(CustomTexts::BlankUnitName);
        QTest::newRow("outside the code page")
            << QString::fromUtf8("snow\u2603man") << Info(CustomTexts::UnstorableName);
    }

    void names() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        auto editor = Editor(UnitEditorMode::Add);
        TypeInto(*editor, "nameField", name);
        TypeInto(*editor, "amountField", "2");
        ClickButton(*editor, "okButton");
        QVERIFY(editor->isVisible());
        QCOMPARE(QString::fromStdString(prompts.log.back()), message);
        QCOMPARE(db.UnitCount("Length"), 7);
    }

    void okButton_enabledExactlyWithBothFields_andFieldsLimited() {
        auto editor = Editor(UnitEditorMode::Add);
        auto *ok = Child<QPushButton>(*editor, "okButton");
        QVERIFY(!ok->isEnabled());
        TypeInto(*editor, "nameField", "x");
        QVERIFY(!ok->isEnabled());
        TypeInto(*editor, "amountField", "1");
        QVERIFY(ok->isEnabled());
        TypeInto(*editor, "nameField", "");
        QVERIFY(!ok->isEnabled());
        // A pasted page of text is cut by the fields' limits.
        QApplication::clipboard()->setText(QString(10000, QChar('7')));
        for (const char *field : {"nameField", "amountField"}) {
            auto *edit = Child<QLineEdit>(*editor, field);
            edit->clear();
            edit->setFocus();
            edit->paste();
        }
        QCOMPARE(Child<QLineEdit>(*editor, "nameField")->text().size(), 40);
        QCOMPARE(Child<QLineEdit>(*editor, "amountField")->text().size(), 80);
    }

    void modify_offersOtherUnits_caseOnlyRenameAccepted() {
        QVERIFY(AddThroughEditor("furlong", "201.168", "meter"));
        auto editor = Editor(UnitEditorMode::Modify, "furlong");
        QCOMPARE(editor->windowTitle(), QString("Modify custom unit"));
        auto *origins = Child<QComboBox>(*editor, "originChoice");
        QVERIFY(!ComboItems(origins).contains("furlong"));
        QCOMPARE(origins->currentText(), QString("meter"));
        QCOMPARE(Child<QLineEdit>(*editor, "amountField")->text(), QString("201.168"));
        QCOMPARE(Child<QLineEdit>(*editor, "nameField")->selectedText(), QString("furlong"));
        TypeInto(*editor, "nameField", "Furlong");
        ClickButton(*editor, "okButton");
        QVERIFY(!editor->isVisible());
        QCOMPARE(UnitOf(db, "Length", "Furlong").Factor, 201.168L);
    }

    void modify_renamedOrigin_updatesDescriptions() {
        QVERIFY(AddThroughEditor("furlong", "201.168", "meter"));
        QVERIFY(AddThroughEditor("league8", "8", "furlong"));
        auto list = List("Length");
        auto *rows = Child<QListWidget>(*list, "unitList");
        ClickRow(rows, "furlong");
        const bool ran = ModalSteps()
                             .Then("CustomUnitEditor",
                                   [](QDialog &editor) {
                                       TypeInto(editor, "nameField", "stadium");
                                       ClickButton(editor, "okButton");
                                   })
                             .Run([&] { ClickButton(*list, "modifyButton"); });
        QVERIFY(ran);
        QCOMPARE(Rows(rows), (QStringList{"league8", "stadium"}));
        QVERIFY(rows->selectedItems().isEmpty());
        ClickRow(rows, "league8");
        QCOMPARE(Child<QLabel>(*list, "description")->text(), QString("1 league8 = 8 stadium"));
    }

    void temperature_refusesCustomUnits() {
        auto list = List("Temperature");
        auto *rows = Child<QListWidget>(*list, "unitList");
        auto check = [&](bool refused) {
            QCOMPARE(rows->isEnabled(), !refused);
            QCOMPARE(Child<QPushButton>(*list, "addButton")->isEnabled(), !refused);
            QVERIFY(!Child<QPushButton>(*list, "modifyButton")->isEnabled());
            QVERIFY(!Child<QPushButton>(*list, "removeButton")->isEnabled());
            QCOMPARE(Child<QLabel>(*list, "description")->text(),
                     refused ? QString("You cannot add custom units to this category.") : QString());
        };
        check(true);
        QCOMPARE(rows->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        auto *categories = Child<QComboBox>(*list, "categoryChoice");
        QVERIFY(ComboItems(categories).contains("Secret")); // hidden categories are offered too
        categories->setCurrentIndex(categories->findText("Length"));
        check(false);
        categories->setCurrentIndex(categories->findText("Numbers"));
        check(true);
    }

    void remove_cancelKeeps_yesRemoves() {
        QVERIFY(AddThroughEditor("furlong", "201.168", "meter"));
        auto list = List("Length");
        auto *rows = Child<QListWidget>(*list, "unitList");
        prompts.answers = {false, true};
        ClickRow(rows, "furlong");
        ClickButton(*list, "removeButton");
        QCOMPARE(Rows(rows), QStringList{"furlong"});
        QVERIFY(rows->selectedItems().isEmpty());
        QVERIFY(!Child<QPushButton>(*list, "removeButton")->isEnabled());
        QCOMPARE(Child<QLabel>(*list, "description")->text(), QString());
        const std::vector<std::string> asked{"beep",
                                             "confirm: Are you sure you want to remove the selected unit?"};
        QCOMPARE(prompts.log, asked);
        ClickRow(rows, "furlong");
        ClickButton(*list, "removeButton");
        QCOMPARE(rows->count(), 0);
        QVERIFY(!db.UnitExists("Length", "furlong"));
        QCOMPARE(db.UnitCount("Length"), 7);
    }
};

QTEST_MAIN(TestCustomUnits)
#include "tst_customunits.moc"
