// SPDX-License-Identifier: MIT
// The category selector and the unit lists: filling, rebuilding and selecting.
#include "ui/mainwindow/MainWindow.h"

#include "core/engine/RequestSettings.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/mainwindow/CategoryTabs.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/mainwindow/OutputUnitList.h"
#include "ui/mainwindow/UnitSymbolDelegate.h"
#include "ui/shared/QtCp1252.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace mensurio {

namespace {

// Room beside the category name on its toolbar button (the menu arrow and the padding).
constexpr int kCategoryButtonMargin = 25;

// The category's name on the button, elided in the middle when the button is too narrow for it;
// the tooltip always holds the whole name.
void ShowCategoryCaption(QToolButton &button, const QString &name) {
    const int room = button.maximumWidth() - kCategoryButtonMargin;
    const bool fitted = button.maximumWidth() < QWIDGETSIZE_MAX;
    const QString shown = fitted ? button.fontMetrics().elidedText(name, Qt::ElideMiddle, room) : name;
    button.setText(CategoryMenu::Caption(shown));
    button.setToolTip(name);
}

} // namespace

void MainWindow::fillCategoryList() {
    if (!m_categoryMenu)
        m_categoryMenu = std::make_unique<CategoryMenu>(
            *m_categoryPopup, [this](int index) { categoryChosen(index, nullptr); });
    const QSignalBlocker comboBlocked(m_categoryNames);
    QStringList names;
    for (m_database.FirstVisibleCategory(); m_database.HasVisibleCategory();
         m_database.NextVisibleCategory()) {
        const QString name = QtCp1252::ToQString(m_database.CategoryName());
        m_categoryMenu->AddItem(name);
        names.append(name);
    }
    m_categoryNames->addItems(names); // in one insertion: the list's model is told once
    if (m_settings.GeDiCate)
        m_categoryTabWindow->SetCategories(names);
}

void MainWindow::clearCategoryList() {
    const QSignalBlocker comboBlocked(m_categoryNames);
    m_categoryTabWindow->Clear();
    if (m_categoryMenu)
        m_categoryMenu->Clear();
    m_categoryNames->clear();
}

// The stored category when the database has it (even hidden), else the first one shown.
void MainWindow::selectCurrentCategoryAtStart() {
    if (m_database.CategoryExists(m_settings.AktualCate) &&
        m_database.SelectCategory(m_settings.AktualCate)) {
        m_settings.AktualCate = m_database.CategoryName();
        return;
    }
    if (m_categoryNames->count() == 0) {
        m_settings.AktualCate.clear(); // a database without categories: nothing to show
        return;
    }
    const QSignalBlocker comboBlocked(m_categoryNames);
    m_categoryNames->setCurrentIndex(0);
    m_database.SelectCategory(QtCp1252::FromQString(m_categoryNames->itemText(0)));
    m_settings.AktualCate = m_database.CategoryName();
}

void MainWindow::followCurrentCategory(bool moveTab) {
    const QString name = QtCp1252::ToQString(m_settings.AktualCate);
    const int index = m_categoryNames->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    {
        const QSignalBlocker comboBlocked(m_categoryNames);
        m_categoryNames->setCurrentIndex(index);
    }
    ShowCategoryCaption(*m_categoryButton, name);
    // A current category that is not listed (a hidden one) gets a tab of its own at the end while
    // it is current, so that the tab strip never shows another category as the current one.
    if (m_settings.GeDiCate)
        m_categoryTabWindow->Follow(index, name, moveTab);
}

// Both lists show the same rows, and the engine gets one record per row in row order.
void MainWindow::fillUnitLists(const std::string &category) {
    m_categoryHasUnits = false;
    const std::vector<UnitRecord> &rows = m_engine.LoadCategoryUnits(category, UnitListOptionsOf(m_settings));
    const QSignalBlocker inputBlocked(m_inputList);
    const QSignalBlocker outputBlocked(m_outputList);
    for (const UnitRecord &row : rows) {
        const QString name = QtCp1252::ToQString(row.Name);
        m_inputList->addItem(name);
        m_outputList->addItem(name);
        // The symbol shows beside the name where the row has room for it.
        const QString symbol = QString::fromStdString(m_engine.Aliases().DisplaySymbol(row.Name));
        if (!symbol.isEmpty() && !name.contains(QStringLiteral("(") + symbol + QStringLiteral(")"))) {
            for (QListWidget *list :
                 {static_cast<QListWidget *>(m_inputList), static_cast<QListWidget *>(m_outputList)})
                list->item(list->count() - 1)->setData(UnitSymbolDelegate::UnitSymbolRole, symbol);
        }
    }
    m_categoryHasUnits = !rows.empty();
}

void MainWindow::clearUnitLists() {
    const QSignalBlocker inputBlocked(m_inputList);
    const QSignalBlocker outputBlocked(m_outputList);
    m_inputList->clear();
    m_outputList->clear();
    m_outputList->clearValues();
    m_engine.ClearCategoryUnits();
    m_categoryHasUnits = false;
}

void MainWindow::categoryChanged(QObject *sender) {
    if (m_categoryNames->currentIndex() < 0)
        return;
    SaveCategoryMemory();
    clearUnitLists();
    m_resultField->clear();
    const std::string category = QtCp1252::FromQString(m_categoryNames->currentText());
    SetMultiSelectMode(category);
    fillUnitLists(category);
    m_settings.AktualCate = m_engine.CategoryName();
    RestoreCategoryMemory();
    LayoutForCategory();
    followCurrentCategory(sender != m_categoryTabs);
    if (m_categoryHasUnits)
        Convert();
    m_inputList->update();
}

void MainWindow::categoryChosen(int index, QObject *sender) {
    if (index < 0 || index >= m_categoryNames->count())
        return;
    {
        const QSignalBlocker comboBlocked(m_categoryNames);
        m_categoryNames->setCurrentIndex(index);
    }
    categoryChanged(sender);
}

void MainWindow::categoryPopupAboutToShow() {
    m_categoryMenu->MoveCheck(m_categoryNames->currentIndex());
}

void MainWindow::SplitCategoryMenu() {
    m_categoryMenu->SplitColumns();
}

// As wide as the widest category name, within the room the other buttons leave on the toolbar at
// the window's width: a longer name is elided on the button (ShowCategoryCaption) instead of
// pushing the toolbar past the window.
void MainWindow::FitCategoryButton() {
    const int others = m_toolbar->sizeHint().width() - m_categoryButton->width();
    const int room = std::max(DesignWidth, width()) - others;
    const int wanted = m_categoryMenu->WidestCaption(m_categoryButton->font()) + kCategoryButtonMargin;
    m_categoryButton->setFixedWidth(std::max(111, std::min(wanted, room)));
    ShowCategoryCaption(*m_categoryButton, QtCp1252::ToQString(m_settings.AktualCate));
}

void MainWindow::RebuildLists() {
    if (m_settings.GeSoCate)
        m_database.SortCategoriesByName();
    const std::string remembered = m_settings.AktualCate;
    const CapturedSelection captured = CaptureSelection();
    clearCategoryList();
    clearUnitLists();
    fillCategoryList();
    std::string category = remembered;
    if (!m_database.CategoryExists(remembered))
        category = m_categoryNames->count() > 0 ? QtCp1252::FromQString(m_categoryNames->itemText(0))
                                                : std::string();
    if (m_database.SelectCategory(category))
        category = m_database.CategoryName();
    SetMultiSelectMode(category);
    fillUnitLists(category);
    m_settings.AktualCate = category;
    followCurrentCategory(true);
    if (m_settings.AktualCate != remembered)
        RestoreCategoryMemory();
    else
        ApplySelection(captured);
    SplitCategoryMenu();
    FitCategoryButton();
    LayoutWindow();
    if (m_categoryHasUnits)
        Convert();
    else
        m_resultField->clear(); // no unit left to convert from: the last result no longer stands
}

void MainWindow::RebuildCategoryList() {
    clearCategoryList();
    fillCategoryList();
    followCurrentCategory(true);
    SplitCategoryMenu();
}

void MainWindow::RebuildUnitLists(const std::string &category, const CapturedSelection &selection) {
    clearUnitLists();
    SetMultiSelectMode(m_settings.AktualCate);
    fillUnitLists(m_settings.AktualCate);
    if (m_settings.AktualCate != category)
        RestoreCategoryMemory();
    else
        ApplySelection(selection);
}

void MainWindow::SelectInputUnit(int index) {
    if (m_inputList->count() == 0)
        return;
    if (index < 0 || index >= m_inputList->count())
        index = 0;
    if (isSingleSelectionCategory()) {
        ListWidgetSelection::SetCurrentRow(*m_inputList, index);
    } else {
        ListSelection only = ListSelection::Single(m_inputList->count(), index);
        only.current = -1; // the item index stays where it is
        ListWidgetSelection::Write(*m_inputList, only);
    }
    m_inputList->scrollToItem(m_inputList->item(index)); // a remembered or found unit is shown
}

void MainWindow::SelectOutputUnit(int index) {
    if (m_outputList->count() == 0)
        return;
    if (index < 0 || index >= m_outputList->count())
        index = 0;
    if (isSingleSelectionCategory()) {
        ListWidgetSelection::SetCurrentRow(*m_outputList, index);
    } else {
        ListSelection only = ListSelection::Single(m_outputList->count(), index);
        only.current = -1;
        ListWidgetSelection::Write(*m_outputList, only);
    }
    m_outputList->scrollToItem(m_outputList->item(index));
}

int MainWindow::FirstSelectedInput() const {
    return ListWidgetSelection::Read(*m_inputList).FirstSelected();
}

int MainWindow::FirstSelectedOutput() const {
    return ListWidgetSelection::Read(*m_outputList).FirstSelected();
}

} // namespace mensurio
