// SPDX-License-Identifier: MIT
// The window's side of the per-category conversion memory: CategoryMemory does the work on the
// widgets; the window keeps the selection it sets from being taken for the user's clicks.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/CategoryMemory.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/mainwindow/ValueFieldSelection.h"

#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace mensurio {

namespace {

// Selection changes made from memory are not clicks: the lists stay silent meanwhile. The
// input field is not blocked, so a restored input text converts through its change event.
class ListsSilenced {
  public:
    ListsSilenced(QListWidget *input, QListWidget *output) : m_input(input), m_output(output) {}

  private:
    QSignalBlocker m_input;
    QSignalBlocker m_output;
};

} // namespace

void MainWindow::createCategoryMemory() {
    CategoryMemory::Hooks hooks;
    hooks.orderView = [this] { return m_engine.OrderView(); };
    hooks.convert = [this] {
        if (m_categoryHasUnits)
            Convert();
    };
    hooks.selectInputUnit = [this](int row) { SelectInputUnit(row); };
    hooks.selectOutputUnit = [this](int row) { SelectOutputUnit(row); };
    hooks.selectFirstCategory = [this] { categoryChosen(0, nullptr); };
    hooks.database = [this]() -> const UnitDatabase & { return m_database; };
    m_memory = std::make_unique<CategoryMemory>(m_valueField, m_inputList, m_outputList, &m_settingsFile,
                                                &m_settings, std::move(hooks));
    m_memory->SetFirstStartMemories(m_environment.firstStartMemories);
}

void MainWindow::SetMultiSelectMode(const std::string &category) {
    m_memory->SetMultiSelectMode(category);
}

CapturedSelection MainWindow::CaptureSelection() const {
    return m_memory->CaptureSelection();
}

std::string MainWindow::CaptureOutputCodes() const {
    return m_memory->CaptureOutputCodes();
}

void MainWindow::ApplySelection(const CapturedSelection &selection) {
    const ListsSilenced silenced(m_inputList, m_outputList);
    m_memory->ApplySelection(selection);
}

void MainWindow::ApplyOutputCodes(const std::string &codes) {
    const ListsSilenced silenced(m_inputList, m_outputList);
    m_memory->ApplyOutputCodes(codes);
}

void MainWindow::SaveCategoryMemory() {
    // The category's keys go to the disk together, in one replace of the settings file.
    IniWriteBatch batch(m_settingsFile);
    m_memory->SaveCategoryMemory();
    RunIgnoringRefusedWrites([&] { batch.Commit(); });
}

void MainWindow::RestoreCategoryMemory() {
    const ListsSilenced silenced(m_inputList, m_outputList);
    m_memory->RestoreCategoryMemory();
    // Selected whole, the caret at the start (a long input shows its start, such as a template's
    // first "(0) "), so that typing replaces the restored value.
    ValueFieldSelection::SelectProgramText(*m_valueField);
}

void MainWindow::clearConversionMemory() {
    const ListsSilenced silenced(m_inputList, m_outputList);
    m_memory->ClearConversionMemory();
}

} // namespace mensurio
