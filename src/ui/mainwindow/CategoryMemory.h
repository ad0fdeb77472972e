// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/ConversionMemory.h"
#include "core/settings/FirstStartMemory.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QListWidget;

namespace mensurio {

class IniFile;
class OutputUnitList;
class UnitDatabase;
struct ProgramSettings;

/// The conversion window's per-category memory on the real widgets: captures and applies the
/// unit selection of the two unit lists and stores, restores and clears it in the settings file.
/// The window owns one; the widgets, the settings file and the settings must outlive it.
///
/// Unit names cross the widgets as UTF-8 QStrings and are Windows-1252 everywhere else; the
/// input text is stored in the settings file in Windows-1252 as well.
/// Selections are changed programmatically, so the lists emit their selection signals but no
/// click signals; the window converts through its own hooks.
class CategoryMemory {
  public:
    /// What only the window can do.
    struct Hooks {
        /// The engine's order view of the current category: for position p in the default
        /// order, the row of that unit (Engine::OrderView()). Required.
        std::function<std::vector<int>()> orderView;
        /// "Convert when the category has units". Called by RestoreCategoryMemory when the
        /// remembered text equals the text already in valueField, because then setting the text
        /// raises no change event. Optional.
        std::function<void()> convert;
        /// The window's SelectInputUnit / SelectOutputUnit. Optional: when empty, the row is
        /// made the only selected and current row directly.
        std::function<void(int)> selectInputUnit;
        std::function<void(int)> selectOutputUnit;
        /// Makes the first entry of the category selector current and runs categoryChanged
        /// (which saves the memory of the category being left and restores the new one).
        /// Used by ClearConversionMemory. Required for it.
        std::function<void()> selectFirstCategory;
        /// The units database, for ClearConversionMemory's walk over every category. Required
        /// for it.
        std::function<const UnitDatabase &()> database;
    };

    /// valueField is the input field, inputList the input list, outputList the output list. The
    /// current category is settings->AktualCate.
    CategoryMemory(QLineEdit *valueField, QListWidget *inputList, OutputUnitList *outputList,
                   IniFile *settingsFile, ProgramSettings *settings, Hooks hooks);
    CategoryMemory(const CategoryMemory &) = delete;
    CategoryMemory &operator=(const CategoryMemory &) = delete;

    /// Both unit lists allow one selected row in "Temperature" and "Numbers" and extended
    /// selection in every other category; a list whose mode is already right is left alone.
    void SetMultiSelectMode(std::string_view category);

    /// The values list1, list2 and list2m would get for the lists as they are now (all
    /// empty when AktualCate is empty). See CaptureSelectionOf for the rules.
    CapturedSelection CaptureSelection() const;

    /// The selected rows of outputList as unit codes in ascending default order; empty when no
    /// row is selected.
    std::string CaptureOutputCodes() const;

    /// Applies a remembered selection to freshly filled lists. In "Temperature" and "Numbers"
    /// the current rows become the rows named input and output (letter case ignored), else
    /// row 0. Elsewhere the input row named input is selected, else row 0 unless input is
    /// "[more]" (then the input text selects the units when it is converted); then
    /// ApplyOutputCodes(outputCodes).
    void ApplySelection(const CapturedSelection &selection);

    /// Selects in outputList the row of every valid code whose position exists in the order view
    /// (rows already selected stay selected), brings the lowest of them into view and makes it
    /// current; when no row of outputList is selected afterwards, row 0 is selected.
    void ApplyOutputCodes(std::string_view outputCodes);

    /// Stores the memory of AktualCate (the category being left, or the current one when the
    /// window closes): the captured selection and valueField's text. Refused writes end the
    /// saving silently; other errors propagate.
    void SaveCategoryMemory();

    /// Reads the memory of AktualCate, applies its selection (ApplySelection) and puts its
    /// input text into valueField, whose change event converts. A category whose memory is empty
    /// (never stored, or cleared) gets its first-start units when the table has them.
    void RestoreCategoryMemory();

    /// The first-start units RestoreCategoryMemory falls back to; none unless set.
    void SetFirstStartMemories(std::vector<FirstStartUnits> table) { m_firstStart = std::move(table); }

    /// "Clea&r Conversion Memory": empties the memory of every category of the database, then
    /// selects the first-start units of the current category (else its first input and output
    /// unit), empties valueField and makes the first category
    /// current (selectFirstCategory), which stores the current category's now cleared state.
    void ClearConversionMemory();

    /// The names of the rows of a list, in Windows-1252.
    static std::vector<std::string> RowNames(const QListWidget &list);

  private:
    void selectOnlyRow(QListWidget &list, int row, const std::function<void(int)> &hook);
    std::vector<int> currentOrderView() const;

    QLineEdit *m_valueField = nullptr;
    QListWidget *m_inputList = nullptr;
    OutputUnitList *m_outputList = nullptr;
    IniFile *m_settingsFile = nullptr;
    ProgramSettings *m_settings = nullptr;
    Hooks m_hooks;
    std::vector<FirstStartUnits> m_firstStart;
};

} // namespace mensurio
