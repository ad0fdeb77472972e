// SPDX-License-Identifier: MIT
#include "ui/mainwindow/CategoryMemory.h"

#include "core/settings/IniFile.h"
#include "core/settings/ProgramSettings.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/QtCp1252.h"

#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <utility>

namespace mensurio {

namespace {

ListSelection SelectionOf(const QListWidget &list) {
    ListSelection selection;
    selection.selected.assign(static_cast<std::size_t>(list.count()), false);
    for (int row = 0; row < list.count(); ++row)
        selection.selected[static_cast<std::size_t>(row)] = list.item(row)->isSelected();
    selection.current = list.currentRow();
    return selection;
}

bool HasRow(const QListWidget &list, int row) {
    return row >= 0 && row < list.count();
}

bool AnySelected(const QListWidget &list) {
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->isSelected())
            return true;
    }
    return false;
}

} // namespace

CategoryMemory::CategoryMemory(QLineEdit *valueField, QListWidget *inputList, OutputUnitList *outputList,
                               IniFile *settingsFile, ProgramSettings *settings, Hooks hooks)
    : m_valueField(valueField), m_inputList(inputList), m_outputList(outputList),
      m_settingsFile(settingsFile), m_settings(settings), m_hooks(std::move(hooks)) {}

std::vector<std::string> CategoryMemory::RowNames(const QListWidget &list) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row)
        names.push_back(QtCp1252::FromQString(list.item(row)->text()));
    return names;
}

std::vector<int> CategoryMemory::currentOrderView() const {
    return m_hooks.orderView ? m_hooks.orderView() : std::vector<int>{};
}

void CategoryMemory::SetMultiSelectMode(std::string_view category) {
    const auto mode = IsSingleSelectionCategory(category) ? QAbstractItemView::SingleSelection
                                                          : QAbstractItemView::ExtendedSelection;
    for (QListWidget *list : {m_inputList, static_cast<QListWidget *>(m_outputList)}) {
        if (list->selectionMode() != mode)
            list->setSelectionMode(mode);
    }
}

CapturedSelection CategoryMemory::CaptureSelection() const {
    return CaptureSelectionOf(m_settings->AktualCate, RowNames(*m_inputList), SelectionOf(*m_inputList),
                              SelectionOf(*m_outputList), currentOrderView());
}

std::string CategoryMemory::CaptureOutputCodes() const {
    return EncodeOutputCodes(currentOrderView(), SelectionOf(*m_outputList));
}

void CategoryMemory::ApplySelection(const CapturedSelection &selection) {
    if (IsSingleSelectionCategory(m_settings->AktualCate)) {
        const int input = RememberedSingleRow(RowNames(*m_inputList), selection.input);
        if (input >= 0)
            m_inputList->setCurrentRow(input, QItemSelectionModel::ClearAndSelect);
        const int output = RememberedSingleRow(RowNames(*m_outputList), selection.output);
        if (output >= 0)
            m_outputList->setCurrentRow(output, QItemSelectionModel::ClearAndSelect);
        return;
    }
    const int input = RememberedInputRow(RowNames(*m_inputList), selection.input);
    if (input >= 0)
        m_inputList->setCurrentRow(input, QItemSelectionModel::Select);
    ApplyOutputCodes(selection.outputCodes);
}

void CategoryMemory::ApplyOutputCodes(std::string_view outputCodes) {
    int lowest = -1;
    for (const int row : DecodeOutputCodes(outputCodes, currentOrderView())) {
        // The order view belongs to the lists just filled; a row outside the list can only come
        // from a view that is out of step with them, and is skipped rather than trusted.
        if (!HasRow(*m_outputList, row))
            continue;
        m_outputList->item(row)->setSelected(true);
        lowest = lowest < 0 ? row : std::min(lowest, row);
    }
    if (lowest >= 0) {
        m_outputList->setCurrentRow(lowest, QItemSelectionModel::Select);
        m_outputList->scrollToItem(m_outputList->item(lowest));
    }
    if (!AnySelected(*m_outputList) && m_outputList->count() > 0)
        m_outputList->setCurrentRow(0, QItemSelectionModel::Select);
}

void CategoryMemory::SaveCategoryMemory() {
    const ConversionMemory memory{CaptureSelection(), QtCp1252::FromQString(m_valueField->text())};
    WriteConversionMemory(*m_settingsFile, m_settings->AktualCate, memory);
}

void CategoryMemory::RestoreCategoryMemory() {
    ConversionMemory memory = ReadConversionMemory(*m_settingsFile, m_settings->AktualCate);
    if (memory == ConversionMemory{}) {
        if (auto first = FirstStartSelection(m_firstStart, m_settings->AktualCate, RowNames(*m_inputList),
                                             currentOrderView()))
            memory.selection = std::move(*first);
    }
    ApplySelection(memory.selection);
    const QString text = QtCp1252::ToQString(memory.inputText);
    // Setting the same text raises no change event; the restore still converts once.
    if (m_valueField->text() == text) {
        if (m_hooks.convert)
            m_hooks.convert();
        return;
    }
    m_valueField->setText(text);
}

void CategoryMemory::selectOnlyRow(QListWidget &list, int row, const std::function<void(int)> &hook) {
    if (hook) {
        hook(row);
        return;
    }
    if (list.count() == 0)
        return;
    list.setCurrentRow(HasRow(list, row) ? row : 0, QItemSelectionModel::ClearAndSelect);
}

void CategoryMemory::ClearConversionMemory() {
    if (m_hooks.database)
        ClearAllCategoryMemory(*m_settingsFile, m_hooks.database());
    // The current category starts over as on a first start: its shipped units, else the first rows.
    const auto rows = FirstStartRowsOf(m_firstStart, m_settings->AktualCate, RowNames(*m_inputList));
    selectOnlyRow(*m_inputList, rows ? rows->input : 0, m_hooks.selectInputUnit);
    selectOnlyRow(*m_outputList, rows ? rows->output : 0, m_hooks.selectOutputUnit);
    m_valueField->setText(QString());
    if (m_hooks.selectFirstCategory)
        m_hooks.selectFirstCategory();
}

} // namespace mensurio
