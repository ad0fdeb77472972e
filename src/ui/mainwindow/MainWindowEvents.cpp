// SPDX-License-Identifier: MIT
// The events that reach the engine, and the commands of the Action and View menus.
#include "ui/mainwindow/MainWindow.h"

#include "ui/mainwindow/ConversionBridge.h"
#include "ui/mainwindow/InvertConversion.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/shared/QtCp1252.h"
#include "ui/mainwindow/OutputUnitList.h"

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

void TForm1::connectEvents() {
    connect(Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    // A right click in a unit list only opens the category menu (Panel2's context menu).
    ListBox1->viewport()->installEventFilter(this);
    ListBox2->viewport()->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm1::ListBox1Click);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &TForm1::ListBox2Click);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TForm1::ComboBox2Change);
    connect(TabControl1, &QTabBar::currentChanged, this,
            [this](int index) { categoryChosen(index, TabControl1); });
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Panel1 && event->type() == QEvent::Resize)
        panel1Resized();
    if ((watched->parent() == ListBox1 || watched->parent() == ListBox2) && IsRightButtonClick(event))
        return true;
    if (watched == ListBox1 || watched == ListBox2)
        recordKeyFilter(watched, event);
    // Ctrl+A is Add Item in the fields too; select all stays in the Edit menu and the context menu.
    if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::ShortcutOverride &&
        QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()) == m_actions.AddItem1->shortcut())
        return true;
    if (watched != Edit1)
        return QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn && m_categoryHasUnits)
        Convert();
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Edit1->selectAll(); // the key itself is swallowed
            if (m_record.AddsOnEnter())
                AddItem1Click();
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

void TForm1::Edit1Change() {
    if (m_categoryHasUnits)
        Convert();
}

// The typed compound input follows the input list: terms of deselected units go, and with two
// or more rows selected every newly selected unit gets a "(0) unit" template.
void TForm1::ListBox1Click() {
    KeepSingleSelection(*ListBox1);
    const ListSelection input = ListWidgetSelection::Read(*ListBox1);
    const std::string typed = QtCp1252::FromQString(Edit1->text());
    if (input.SelectedCount() < 2) {
        if (!isSingleSelectionCategory()) {
            const std::string text = m_engine.RemoveDeselectedUnitTerms(typed, input);
            if (text != typed)
                Edit1->setText(QtCp1252::ToQString(text));
        }
        Convert();
        return;
    }
    const std::string removed = m_engine.RemoveDeselectedUnitTerms(typed, input);
    const std::string text = m_engine.AppendUnitTemplates(removed, input, m_settings.multiformat);
    if (text != typed)
        Edit1->setText(QtCp1252::ToQString(text));
}

void TForm1::ListBox2Click() {
    KeepSingleSelection(*ListBox2);
    Convert();
}

void TForm1::ComboBox1Change(int index) {
    m_settings.com1abs = index == 0;
    if (m_categoryHasUnits)
        Convert();
}

void TForm1::ComboBox2Change(int index) {
    m_settings.com2abs = index == 0;
    if (m_categoryHasUnits)
        Convert();
}

void TForm1::InvertConversion1Click() {
    const bool special = isSingleSelectionCategory();
    const int inputs = ListWidgetSelection::SelectedCount(*ListBox1);
    const int outputs = ListWidgetSelection::SelectedCount(*ListBox2);
    if (special || (inputs < 2 && outputs < 2))
        invertSingle(special);
    else if (!invertCombination())
        return;
    ShowSelectedUnit(*ListBox1);
    ShowSelectedUnit(*ListBox2);
    if (m_categoryHasUnits)
        Convert();
}

void TForm1::invertSingle(bool specialCategory) {
    const std::string text = CleanResultText(QtCp1252::FromQString(Edit2->text()));
    if (specialCategory) {
        const int input = ListBox1->currentRow();
        const int output = ListBox2->currentRow();
        ListWidgetSelection::SetCurrentRow(*ListBox1, output);
        ListWidgetSelection::SetCurrentRow(*ListBox2, input);
    } else {
        ListSelection input = ListWidgetSelection::Read(*ListBox1);
        ListSelection output = ListWidgetSelection::Read(*ListBox2);
        ExchangeLowestRows(input, output);
        ListWidgetSelection::Write(*ListBox1, input);
        ListWidgetSelection::Write(*ListBox2, output);
    }
    if (m_settings.SwopValue && m_engine.ResultValid())
        Edit1->setText(QtCp1252::ToQString(text));
}

// Returns false when the command must end without any change: under Fixed with Thousands
// Separators a compound result that the output field no longer shows cannot be read back.
bool TForm1::invertCombination() {
    const std::string shown = QtCp1252::FromQString(Edit2->text());
    std::string text = shown;
    if (m_settings.ReNumber == kFormatThousands) {
        if (ListWidgetSelection::SelectedCount(*ListBox2) >= 2) {
            if (shown != m_engine.CompoundText())
                return false;
            text = m_engine.CompoundPlainText();
        } else {
            text = CleanResultText(shown);
        }
    }
    if (m_engine.ResultValid()) {
        ListSelection input = ListWidgetSelection::Read(*ListBox1);
        ListSelection output = ListWidgetSelection::Read(*ListBox2);
        ExchangeSelectionSets(input, output);
        ListWidgetSelection::Write(*ListBox1, input);
        ListWidgetSelection::Write(*ListBox2, output);
        Edit1->setText(QtCp1252::ToQString(text));
    }
    return true;
}

void TForm1::ClearInputField1Click() {
    Edit1->setText(QString());
    if (m_categoryHasUnits)
        Convert();
}

void TForm1::ToolbarButton971Click(bool down) {
    m_settings.GeSoUnit = down;
    const CapturedSelection captured = CaptureSelection();
    RebuildUnitLists(m_settings.AktualCate, captured);
    if (m_categoryHasUnits)
        Convert();
}

void TForm1::ShowHidden1Click(bool checked) {
    m_settings.showhidden = checked;
    m_database.SkipHidden = !checked;
    RebuildLists();
}

// Show All Results, from the button or the menu (one checkable command serves both). The
// output selection is carried through the mode switch by its unit codes.
void TForm1::ToolbarButton972Click(bool down) {
    m_settings.split = down;
    const bool special = isSingleSelectionCategory();
    std::string codes;
    if (!special)
        codes = CaptureOutputCodes();
    if (m_settings.split) {
        m_bridge->SetQuickRepaint(false);
        if (m_categoryHasUnits)
            Convert();
        ListBox2->setMode(TListBoxTwo::Mode::ttwo);
    } else {
        ListBox2->setMode(TListBoxTwo::Mode::tstandard);
        ListBox2->clearValues();
    }
    if (!special)
        ApplyOutputCodes(codes);
    if (m_categoryHasUnits)
        Convert();
}

} // namespace mensurio
