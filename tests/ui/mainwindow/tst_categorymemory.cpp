// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CategoryMemory.h"

#include "core/db/Cp1252.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "support/ScratchDir.h"
#include "ui/mainwindow/OutputUnitList.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace mensurio;

namespace {

QString Q(const std::string &cp1252) {
    return QString::fromStdString(Cp1252::ToUtf8(cp1252));
}

const QString kMicrometer = Q("\xB5m"); // a name beyond ASCII: the byte 0xB5 in Windows-1252

std::set<QString> SelectedNames(const QListWidget &list) {
    std::set<QString> names;
    for (const QListWidgetItem *item : list.selectedItems())
        names.insert(item->text());
    return names;
}

int RowOf(const QListWidget &list, const QString &name) {
    const auto found = list.findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list.row(found.front());
}

ListSelection SelectionOf(const QListWidget &list) {
    ListSelection selection;
    for (int row = 0; row < list.count(); ++row)
        selection.selected.push_back(list.item(row)->isSelected());
    selection.current = list.currentRow();
    return selection;
}

// The widgets, settings file and engine a CategoryMemory works with, without the window.
struct Fixture {
    Fixture() {
        database.AddCategory("Length", false);
        for (const char *name : {"meter", "kilometer", "foot", "inch", "yard", "mile", "\xB5m"})
            database.AddUnit("Length", name, "", 1, false);
        database.AddCategory("Temperature", false);
        for (const char *name : {"kelvin", "Celsius", "Fahrenheit"})
            database.AddUnit("Temperature", name, "", 1, false);
        database.AddCategory("Secret", true);
        database.SelectCategory("Secret");
        database.SetCategoryHidden(true);

        CategoryMemory::Hooks hooks;
        hooks.orderView = [this] { return engine.OrderView(); };
        hooks.convert = [this] { ++conversions; };
        hooks.selectFirstCategory = [this] { ++firstCategoryChosen; };
        hooks.database = [this]() -> const UnitDatabase & { return database; };
        memory =
            std::make_unique<CategoryMemory>(&valueField, &inputList, &outputList, &file, &settings, hooks);
    }

    // Fills both lists with the category's units, as a category change does.
    void Fill(const std::string &category, bool sortByName) {
        inputList.clear();
        outputList.clear();
        settings.AktualCate = category;
        memory->SetMultiSelectMode(category);
        for (const UnitRecord &row : engine.LoadCategoryUnits(category, {.sortByName = sortByName})) {
            inputList.addItem(Q(row.Name));
            outputList.addItem(Q(row.Name));
        }
    }

    void Select(QListWidget &list, const std::vector<QString> &names) {
        list.clearSelection();
        for (const QString &name : names)
            list.item(RowOf(list, name))->setSelected(true);
    }

    std::string Stored(const char *category, const char *key) const {
        return file.ReadString(category, key, "?");
    }

    test::ScratchDir dir;
    IniFile file{dir.file("mensurio.ini")};
    ProgramSettings settings;
    UnitDatabase database;
    Engine engine{database};
    QLineEdit valueField;
    QListWidget inputList;
    OutputUnitList outputList;
    int conversions = 0;
    int firstCategoryChosen = 0;
    std::unique_ptr<CategoryMemory> memory;
};

} // namespace

class TestCategoryMemory : public QObject {
    Q_OBJECT
  private slots:
    void saveRestore_linear_keepsUnitsAcrossSorting_data() {
        QTest::addColumn<bool>("sortedWhenSaved");
        QTest::addColumn<bool>("sortedWhenRestored");
        for (const bool before : {false, true})
            for (const bool after : {false, true})
                QTest::addRow("sorted %d then %d", before, after) << before << after;
    }

    void saveRestore_linear_keepsUnitsAcrossSorting() {
        QFETCH(bool, sortedWhenSaved);
        QFETCH(bool, sortedWhenRestored);
        Fixture f;
        f.Fill("Length", sortedWhenSaved);
        f.Select(f.inputList, {"foot"});
        f.Select(f.outputList, {"mile", "inch", kMicrometer});
        f.valueField.setText(QString::fromUtf8("5 \xC2\xB0"));
        f.memory->SaveCategoryMemory();
        QCOMPARE(f.Stored("Length", "list1"), std::string("foot"));
        QCOMPARE(f.Stored("Length", "list2m"), std::string("030506")); // positions of inch, mile, µm
        QVERIFY(f.dir.read("mensurio.ini").find("hodnota=5 \xB0\n") != std::string::npos);

        f.valueField.clear();
        f.Fill("Length", sortedWhenRestored);
        f.memory->RestoreCategoryMemory();
        QCOMPARE(SelectedNames(f.inputList), (std::set<QString>{"foot"}));
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"inch", "mile", kMicrometer}));
        int lowest = f.outputList.count();
        for (const QListWidgetItem *item : f.outputList.selectedItems())
            lowest = std::min(lowest, f.outputList.row(item));
        QCOMPARE(f.outputList.currentRow(), lowest);
        QCOMPARE(f.valueField.text(), QString::fromUtf8("5 \xC2\xB0"));
    }

    void saveRestore_twoInputUnits_leavesTheInputToTheText() {
        Fixture f;
        f.Fill("Length", true);
        f.Select(f.inputList, {"foot", "inch"});
        f.Select(f.outputList, {"meter"});
        f.valueField.setText("5 foot + 3 inch");
        QCOMPARE(f.memory->CaptureSelection().input, std::string("[more]"));
        f.memory->SaveCategoryMemory();

        f.valueField.clear();
        f.Fill("Length", true);
        f.memory->RestoreCategoryMemory();
        QVERIFY(f.inputList.selectedItems().isEmpty());
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"meter"}));

        // The engine reads the restored text and selects the two units it names.
        ConversionRequest request;
        request.inputText = Cp1252::FromUtf8(f.valueField.text().toStdString());
        request.input = SelectionOf(f.inputList);
        request.output = SelectionOf(f.outputList);
        const ConversionResult result = f.engine.Convert(request);
        QVERIFY(result.inputSelection.has_value());
        QCOMPARE(result.inputSelection->SelectedCount(), 2);
        QVERIFY(result.inputSelection->IsSelected(RowOf(f.inputList, "foot")));
        QVERIFY(result.inputSelection->IsSelected(RowOf(f.inputList, "inch")));
    }

    void applyOutputCodes_nothingUsable_selectsRowZero_data() {
        QTest::addColumn<QString>("codes");
        for (const char *codes : {"", "0a", "0", "07", "zz", "Z", "-1"})
            QTest::addRow("\"%s\"", codes) << QString(codes);
    }

    void applyOutputCodes_nothingUsable_selectsRowZero() {
        QFETCH(QString, codes);
        Fixture f;
        f.Fill("Length", true);
        f.memory->ApplyOutputCodes(codes.toStdString());
        QCOMPARE(f.outputList.selectedItems().size(), 1);
        QVERIFY(f.outputList.item(0)->isSelected());
    }

    void applyOutputCodes_addsToTheSelectionAndSkipsBadPairs() {
        Fixture f;
        f.Fill("Length", true);
        f.Select(f.outputList, {"yard"});
        f.memory->ApplyOutputCodes("0a0300");
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"yard", "inch", "meter"}));
        QCOMPARE(f.outputList.currentItem()->text(), QString("inch")); // the lowest row restored
        QCOMPARE(f.memory->CaptureOutputCodes(), std::string("000304"));
    }

    void temperature_namesAtTheCurrentRows() {
        Fixture f;
        f.Fill("Temperature", false);
        QCOMPARE(f.inputList.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(f.outputList.selectionMode(), QAbstractItemView::SingleSelection);
        f.memory->ApplySelection({"celsius", "FAHRENHEIT", "0001"});
        QCOMPARE(f.inputList.currentItem()->text(), QString("Celsius"));
        QCOMPARE(f.outputList.currentItem()->text(), QString("Fahrenheit"));
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"Fahrenheit"}));
        QCOMPARE(f.memory->CaptureSelection(), (CapturedSelection{"Celsius", "Fahrenheit", ""}));

        f.memory->SaveCategoryMemory();
        f.inputList.setCurrentRow(-1);
        f.memory->SaveCategoryMemory(); // an empty capture keeps the stored name
        QCOMPARE(f.Stored("Temperature", "list1"), std::string("Celsius"));
        QCOMPARE(f.Stored("Temperature", "list2"), std::string("Fahrenheit"));

        f.memory->ApplySelection({"Rankine", "", ""});
        QCOMPARE(f.inputList.currentRow(), 0);
        QCOMPARE(f.outputList.currentRow(), 0);
        QCOMPARE(f.outputList.selectedItems().size(), 1);
    }

    void showAllResultsToggle_keepsTheOutputSelection() {
        Fixture f;
        f.Fill("Length", false);
        f.Select(f.outputList, {"kilometer", "yard", "mile"});
        for (const auto mode : {OutputUnitList::Mode::TwoColumns, OutputUnitList::Mode::Standard}) {
            const std::string codes = f.memory->CaptureOutputCodes();
            f.outputList.setMode(mode);
            f.outputList.clearSelection();
            f.memory->ApplyOutputCodes(codes);
            QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"kilometer", "yard", "mile"}));
        }

        f.Fill("Temperature", false);
        f.outputList.setCurrentRow(2);
        f.outputList.setMode(OutputUnitList::Mode::TwoColumns);
        QCOMPARE(f.outputList.currentRow(), 2);
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"Fahrenheit"}));
    }

    void restore_sameText_convertsOnceWithoutChangeEvent() {
        Fixture f;
        f.Fill("Length", false);
        f.file.WriteString("Length", "hodnota", "12");
        QSignalSpy changes(&f.valueField, &QLineEdit::textChanged);
        f.memory->RestoreCategoryMemory();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(f.conversions, 0);
        f.memory->RestoreCategoryMemory();
        QCOMPARE(changes.count(), 1);
        QCOMPARE(f.conversions, 1);
    }

    void restore_withoutCategory_selectsFirstRows() {
        Fixture f;
        f.Fill("Length", false);
        f.settings.AktualCate.clear();
        QCOMPARE(f.memory->CaptureSelection(), CapturedSelection{});
        f.memory->SaveCategoryMemory();
        QVERIFY(!f.dir.exists("mensurio.ini"));
        f.memory->RestoreCategoryMemory();
        QCOMPARE(SelectedNames(f.inputList), (std::set<QString>{"meter"}));
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"meter"}));
    }

    void clearConversionMemory_emptiesEveryCategoryAndStartsOver() {
        Fixture f;
        for (const char *category : {"Length", "Secret", "Temperature"})
            WriteConversionMemory(f.file, category, {{"foot", "kelvin", "0102"}, "9"});
        f.Fill("Length", false);
        f.Select(f.inputList, {"yard", "mile"});
        f.Select(f.outputList, {"inch"});
        f.valueField.setText("3");
        f.memory->ClearConversionMemory();
        for (const char *category : {"Length", "Secret", "Temperature"}) {
            QCOMPARE(f.Stored(category, "list1"), std::string());
            QCOMPARE(f.Stored(category, "hodnota"), std::string());
        }
        QCOMPARE(f.Stored("Length", "list2m"), std::string());
        QCOMPARE(f.Stored("Temperature", "list2"), std::string());
        QCOMPARE(SelectedNames(f.inputList), (std::set<QString>{"meter"}));
        QCOMPARE(SelectedNames(f.outputList), (std::set<QString>{"meter"}));
        QVERIFY(f.valueField.text().isEmpty());
        QCOMPARE(f.firstCategoryChosen, 1);
    }

    void clearConversionMemory_usesTheWindowsUnitSelection() {
        Fixture f;
        std::vector<std::pair<char, int>> calls;
        CategoryMemory::Hooks hooks;
        hooks.orderView = [&f] { return f.engine.OrderView(); };
        hooks.selectInputUnit = [&calls](int row) { calls.emplace_back('i', row); };
        hooks.selectOutputUnit = [&calls](int row) { calls.emplace_back('o', row); };
        CategoryMemory memory(&f.valueField, &f.inputList, &f.outputList, &f.file, &f.settings, hooks);
        f.Fill("Length", false);
        memory.ClearConversionMemory();
        QCOMPARE(calls, (std::vector<std::pair<char, int>>{{'i', 0}, {'o', 0}}));
    }
};

QTEST_MAIN(TestCategoryMemory)
#include "tst_categorymemory.moc"
