// SPDX-License-Identifier: MIT
// The category selector and the unit lists: filling, rebuilding and selecting.
#include "ui/mainwindow/MainWindow.h"

#include "core/engine/RequestSettings.h"
#include "ui/mainwindow/CategoryMenu.h"
#include "ui/mainwindow/ListWidgetSelection.h"
#include "ui/mainwindow/UnitSymbolDelegate.h"
#include "ui/shared/QtCp1252.h"
#include "ui/mainwindow/OutputUnitList.h"

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

void TForm1::fillCategoryList() {
    if (!m_categoryMenu)
        m_categoryMenu = std::make_unique<CategoryMenu>(
            *PopupMenu1, [this](int index) { categoryChosen(index, nullptr); });
    const QSignalBlocker tabsBlocked(TabControl1);
    const QSignalBlocker comboBlocked(ComboBox3);
    for (m_database.FirstVisibleCategory(); m_database.HasVisibleCategory();
         m_database.NextVisibleCategory()) {
        const QString name = QtCp1252::ToQString(m_database.CategoryName());
        m_categoryMenu->AddItem(name);
        ComboBox3->addItem(name);
        if (m_settings.GeDiCate)
            TabControl1->addTab(CategoryMenu::Caption(name));
    }
}

void TForm1::clearCategoryList() {
    const QSignalBlocker tabsBlocked(TabControl1);
    const QSignalBlocker comboBlocked(ComboBox3);
    while (TabControl1->count() > 0)
        TabControl1->removeTab(TabControl1->count() - 1);
    if (m_categoryMenu)
        m_categoryMenu->Clear();
    ComboBox3->clear();
}

// The stored category when the database has it (even hidden), else the first one shown.
void TForm1::selectCurrentCategoryAtStart() {
    if (m_database.CategoryExists(m_settings.AktualCate) &&
        m_database.SelectCategory(m_settings.AktualCate)) {
        m_settings.AktualCate = m_database.CategoryName();
        return;
    }
    if (ComboBox3->count() == 0) {
        m_settings.AktualCate.clear(); // a database without categories: nothing to show
        return;
    }
    const QSignalBlocker comboBlocked(ComboBox3);
    ComboBox3->setCurrentIndex(0);
    m_database.SelectCategory(QtCp1252::FromQString(ComboBox3->itemText(0)));
    m_settings.AktualCate = m_database.CategoryName();
}

void TForm1::followCurrentCategory(bool moveTab) {
    const QString name = QtCp1252::ToQString(m_settings.AktualCate);
    const int index = ComboBox3->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    {
        const QSignalBlocker comboBlocked(ComboBox3);
        ComboBox3->setCurrentIndex(index);
    }
    ShowCategoryCaption(*ToolbarButton973, name);
    const QSignalBlocker tabsBlocked(TabControl1);
    // A current category that is not listed (a hidden one) gets a tab of its own at the end while
    // it is current, so that the tab strip never shows another category as the current one.
    while (TabControl1->count() > ComboBox3->count())
        TabControl1->removeTab(TabControl1->count() - 1);
    if (m_settings.GeDiCate && index < 0 && !name.isEmpty())
        TabControl1->setCurrentIndex(TabControl1->addTab(CategoryMenu::Caption(name)));
    else if (moveTab && m_settings.GeDiCate && index >= 0)
        TabControl1->setCurrentIndex(index);
}

// Both lists show the same rows, and the engine gets one record per row in row order.
void TForm1::fillUnitLists(const std::string &category) {
    m_categoryHasUnits = false;
    const std::vector<UnitRecord> &rows = m_engine.LoadCategoryUnits(category, UnitListOptionsOf(m_settings));
    const QSignalBlocker inputBlocked(ListBox1);
    const QSignalBlocker outputBlocked(ListBox2);
    for (const UnitRecord &row : rows) {
        const QString name = QtCp1252::ToQString(row.Name);
        ListBox1->addItem(name);
        ListBox2->addItem(name);
        // The symbol shows beside the name where the row has room for it.
        const QString symbol = QString::fromStdString(m_engine.Aliases().DisplaySymbol(row.Name));
        if (!symbol.isEmpty() && !name.contains(QStringLiteral("(") + symbol + QStringLiteral(")"))) {
            for (QListWidget *list : {static_cast<QListWidget *>(ListBox1), static_cast<QListWidget *>(ListBox2)})
                list->item(list->count() - 1)->setData(UnitSymbolDelegate::UnitSymbolRole, symbol);
        }
    }
    m_categoryHasUnits = !rows.empty();
}

void TForm1::clearUnitLists() {
    const QSignalBlocker inputBlocked(ListBox1);
    const QSignalBlocker outputBlocked(ListBox2);
    ListBox1->clear();
    ListBox2->clear();
    ListBox2->clearValues();
    m_engine.ClearCategoryUnits();
    m_categoryHasUnits = false;
}

void TForm1::ComboBox3Change(QObject *sender) {
    if (ComboBox3->currentIndex() < 0)
        return;
    SaveCategoryMemory();
    clearUnitLists();
    Edit2->clear();
    const std::string category = QtCp1252::FromQString(ComboBox3->currentText());
    SetMultiSelectMode(category);
    fillUnitLists(category);
    m_settings.AktualCate = m_engine.CategoryName();
    RestoreCategoryMemory();
    LayoutForCategory();
    followCurrentCategory(sender != TabControl1);
    if (m_categoryHasUnits)
        Convert();
    ListBox1->update();
}

void TForm1::categoryChosen(int index, QObject *sender) {
    if (index < 0 || index >= ComboBox3->count())
        return;
    {
        const QSignalBlocker comboBlocked(ComboBox3);
        ComboBox3->setCurrentIndex(index);
    }
    ComboBox3Change(sender);
}

void TForm1::PopupMenu1Popup() {
    m_categoryMenu->MoveCheck(ComboBox3->currentIndex());
}

void TForm1::SplitCategoryMenu() {
    m_categoryMenu->SplitColumns();
}

// As wide as the widest category name, within the room the other buttons leave on the toolbar at
// the window's width: a longer name is elided on the button (ShowCategoryCaption) instead of
// pushing the toolbar past the window.
void TForm1::FitCategoryButton() {
    const int others = Toolbar971->sizeHint().width() - ToolbarButton973->width();
    const int room = std::max(DesignWidth, width()) - others;
    const int wanted = m_categoryMenu->WidestCaption(ToolbarButton973->font()) + kCategoryButtonMargin;
    ToolbarButton973->setFixedWidth(std::max(111, std::min(wanted, room)));
    ShowCategoryCaption(*ToolbarButton973, QtCp1252::ToQString(m_settings.AktualCate));
}

void TForm1::RebuildLists() {
    if (m_settings.GeSoCate)
        m_database.SortCategoriesByName();
    const std::string remembered = m_settings.AktualCate;
    const CapturedSelection captured = CaptureSelection();
    clearCategoryList();
    clearUnitLists();
    fillCategoryList();
    std::string category = remembered;
    if (!m_database.CategoryExists(remembered))
        category = ComboBox3->count() > 0 ? QtCp1252::FromQString(ComboBox3->itemText(0)) : std::string();
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
        Edit2->clear(); // no unit left to convert from: the last result no longer stands
}

void TForm1::RebuildCategoryList() {
    clearCategoryList();
    fillCategoryList();
    followCurrentCategory(true);
    SplitCategoryMenu();
}

void TForm1::RebuildUnitLists(const std::string &category, const CapturedSelection &selection) {
    clearUnitLists();
    SetMultiSelectMode(m_settings.AktualCate);
    fillUnitLists(m_settings.AktualCate);
    if (m_settings.AktualCate != category)
        RestoreCategoryMemory();
    else
        ApplySelection(selection);
}

void TForm1::SelectInputUnit(int index) {
    if (ListBox1->count() == 0)
        return;
    if (index < 0 || index >= ListBox1->count())
        index = 0;
    if (isSingleSelectionCategory()) {
        ListWidgetSelection::SetCurrentRow(*ListBox1, index);
    } else {
        ListSelection only = ListSelection::Single(ListBox1->count(), index);
        only.current = -1; // the item index stays where it is
        ListWidgetSelection::Write(*ListBox1, only);
    }
    ListBox1->scrollToItem(ListBox1->item(index)); // a remembered or found unit is shown
}

void TForm1::SelectOutputUnit(int index) {
    if (ListBox2->count() == 0)
        return;
    if (index < 0 || index >= ListBox2->count())
        index = 0;
    if (isSingleSelectionCategory()) {
        ListWidgetSelection::SetCurrentRow(*ListBox2, index);
    } else {
        ListSelection only = ListSelection::Single(ListBox2->count(), index);
        only.current = -1;
        ListWidgetSelection::Write(*ListBox2, only);
    }
    ListBox2->scrollToItem(ListBox2->item(index));
}

int TForm1::FirstSelectedInput() const {
    return ListWidgetSelection::Read(*ListBox1).FirstSelected();
}

int TForm1::FirstSelectedOutput() const {
    return ListWidgetSelection::Read(*ListBox2).FirstSelected();
}

} // namespace mensurio
