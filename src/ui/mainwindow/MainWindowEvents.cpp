// SPDX-License-Identifier: MIT
// The events that reach the engine, and the commands of the Action and View menus.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/CategoryTabs.h"
#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/InvertConversion.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/shared/QtCp1252.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTabBar>
#include <QToolBar>

namespace mensurio {

namespace {

bool IsRightButtonClick(const QEvent *event) {
    const QEvent::Type type = event->type();
    return (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
            type == QEvent::MouseButtonDblClick) &&
           static_cast<const QMouseEvent *>(event)->button() == Qt::RightButton;
}

// Ctrl+click on the selected row of a single-selection list deselects it, while the engine still
// converts from the list's current row: that row is selected again.
void KeepSingleSelection(QListWidget &list) {
    if (list.selectionMode() == QAbstractItemView::SingleSelection && list.currentRow() >= 0 &&
        ListWidgetSelection::SelectedCount(list) == 0)
        ListWidgetSelection::SetSelected(list, list.currentRow(), true);
}

// The unit the program selected is shown: the current row of a single-selection list, else the
// lowest selected row.
void ShowSelectedUnit(QListWidget &list) {
    int row = ListWidgetSelection::LowestSelected(list);
    if (list.selectionMode() == QAbstractItemView::SingleSelection && list.currentRow() >= 0)
        row = list.currentRow();
    if (row >= 0)
        list.scrollToItem(list.item(row));
}

} // namespace

void MainWindow::connectEvents() {
    connect(m_valueField, &QLineEdit::textChanged, this, &MainWindow::valueEdited);
    m_valueField->installEventFilter(this);
    m_resultField->installEventFilter(this);
    // A right click in a unit list only opens the category menu (listsArea's context menu).
    m_inputList->viewport()->installEventFilter(this);
    m_outputList->viewport()->installEventFilter(this);
    connect(m_inputList, &QListWidget::itemSelectionChanged, this, &MainWindow::inputListClicked);
    connect(m_outputList, &QListWidget::itemSelectionChanged, this, &MainWindow::outputListClicked);
    connect(m_inputPressure, &QComboBox::currentIndexChanged, this, &MainWindow::inputPressureChanged);
    connect(m_outputPressure, &QComboBox::currentIndexChanged, this, &MainWindow::outputPressureChanged);
    connect(m_categoryTabs, &QTabBar::currentChanged, this,
            [this](int tab) { categoryChosen(m_categoryTabWindow->CategoryOf(tab), m_categoryTabs); });
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_clientArea && event->type() == QEvent::Resize)
        clientAreaResized();
    if ((watched->parent() == m_inputList || watched->parent() == m_outputList) && IsRightButtonClick(event))
        return true;
    if (watched == m_inputList || watched == m_outputList)
        recordKeyFilter(watched, event);
    // Ctrl+A is Add Item in the fields too; select all stays in the Edit menu and the context menu.
    if ((watched == m_valueField || watched == m_resultField) && event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()) == m_actions.addItem->shortcut())
        return true;
    if (watched != m_valueField)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && m_categoryHasUnits)
        Convert();
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_valueField->selectAll(); // the key itself is swallowed
            if (m_record.AddsOnEnter())
                addRecordItem();
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Del is Clear Input Field, not the field's own delete-word key.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::valueEdited() {
    if (m_categoryHasUnits)
        Convert();
}

// The typed compound input follows the input list: terms of deselected units go, and with two
// or more rows selected every newly selected unit gets a "(0) unit" template.
void MainWindow::inputListClicked() {
    KeepSingleSelection(*m_inputList);
    const ListSelection input = ListWidgetSelection::Read(*m_inputList);
    const std::string typed = QtCp1252::FromQString(m_valueField->text());
    if (input.SelectedCount() < 2) {
        if (!isSingleSelectionCategory()) {
            const std::string text = m_engine.RemoveDeselectedUnitTerms(typed, input);
            if (text != typed)
                m_valueField->setText(QtCp1252::ToQString(text));
        }
        Convert();
        return;
    }
    const std::string removed = m_engine.RemoveDeselectedUnitTerms(typed, input);
    const std::string text = m_engine.AppendUnitTemplates(removed, input, m_settings.multiformat);
    if (text != typed)
        m_valueField->setText(QtCp1252::ToQString(text));
}

void MainWindow::outputListClicked() {
    KeepSingleSelection(*m_outputList);
    Convert();
}

void MainWindow::inputPressureChanged(int index) {
    m_settings.com1abs = index == 0;
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::outputPressureChanged(int index) {
    m_settings.com2abs = index == 0;
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::invertConversion() {
    const bool special = isSingleSelectionCategory();
    const int inputs = ListWidgetSelection::SelectedCount(*m_inputList);
    const int outputs = ListWidgetSelection::SelectedCount(*m_outputList);
    if (special || (inputs < 2 && outputs < 2))
        invertSingle(special);
    else if (!invertCombination())
        return;
    ShowSelectedUnit(*m_inputList);
    ShowSelectedUnit(*m_outputList);
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::invertSingle(bool specialCategory) {
    const std::string text = CleanResultText(QtCp1252::FromQString(m_resultField->text()));
    if (specialCategory) {
        const int input = m_inputList->currentRow();
        const int output = m_outputList->currentRow();
        ListWidgetSelection::SetCurrentRow(*m_inputList, output);
        ListWidgetSelection::SetCurrentRow(*m_outputList, input);
    } else {
        ListSelection input = ListWidgetSelection::Read(*m_inputList);
        ListSelection output = ListWidgetSelection::Read(*m_outputList);
        ExchangeLowestRows(input, output);
        ListWidgetSelection::Write(*m_inputList, input);
        ListWidgetSelection::Write(*m_outputList, output);
    }
    if (m_settings.SwopValue && m_engine.ResultValid())
        m_valueField->setText(QtCp1252::ToQString(text));
}

// Returns false when the command must end without any change: under Fixed with Thousands
// Separators a compound result that the output field no longer shows cannot be read back.
bool MainWindow::invertCombination() {
    const std::string shown = QtCp1252::FromQString(m_resultField->text());
    std::string text = shown;
    if (m_settings.ReNumber == ResultFormat::FixedThousands) {
        if (ListWidgetSelection::SelectedCount(*m_outputList) >= 2) {
            if (shown != m_engine.CompoundText())
                return false;
            text = m_engine.CompoundPlainText();
        } else {
            text = CleanResultText(shown);
        }
    }
    if (m_engine.ResultValid()) {
        ListSelection input = ListWidgetSelection::Read(*m_inputList);
        ListSelection output = ListWidgetSelection::Read(*m_outputList);
        ExchangeSelectionSets(input, output);
        ListWidgetSelection::Write(*m_inputList, input);
        ListWidgetSelection::Write(*m_outputList, output);
        m_valueField->setText(QtCp1252::ToQString(text));
    }
    return true;
}

void MainWindow::clearInputField() {
    m_valueField->setText(QString());
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::sortUnitsToggled(bool down) {
    m_settings.GeSoUnit = down;
    const CapturedSelection captured = CaptureSelection();
    RebuildUnitLists(m_settings.AktualCate, captured);
    if (m_categoryHasUnits)
        Convert();
}

void MainWindow::showHiddenToggled(bool checked) {
    m_settings.showhidden = checked;
    m_database.SkipHidden = !checked;
    RebuildLists();
}

// Show All Results, from the button or the menu (one checkable command serves both). The
// output selection is carried through the mode switch by its unit codes.
void MainWindow::showAllResultsToggled(bool down) {
    m_settings.split = down;
    const bool special = isSingleSelectionCategory();
    std::string codes;
    if (!special)
        codes = CaptureOutputCodes();
    if (m_settings.split) {
        m_bridge->SetQuickRepaint(false);
        if (m_categoryHasUnits)
            Convert();
        m_outputList->setMode(OutputUnitList::Mode::TwoColumns);
    } else {
        m_outputList->setMode(OutputUnitList::Mode::Standard);
        m_outputList->clearValues();
    }
    if (!special)
        ApplyOutputCodes(codes);
    if (m_categoryHasUnits)
        Convert();
}

} // namespace mensurio
