// SPDX-License-Identifier: MIT
// The manage dialog's lists: showing, accepting, resetting, ordering, and keeping the pending
// edits across the custom dialogs.
#include "ui/manage/ManageDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"
#include "ui/shared/QtCp1252.h"
#include "ui/manage/ManageCheckList.h"

#include <QCheckBox>
#include <QLabel>

namespace mensurio {

namespace {

std::vector<std::string> Names(const CheckItems &items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const CheckItem &item : items)
        names.push_back(item.name);
    return names;
}

bool CategoryListed(const CheckItems &items, const std::string &name) {
    for (const CheckItem &item : items)
        if (item.name == name)
            return true;
    return false;
}

} // namespace

// Double click or Enter on a category: its units from the database replace the unit list,
// whose pending edits are dropped.
void TManageDlg::showUnitsOf(const std::string &category) {
    m_shownCategory =
        ManageLists::SelectCategoryExactly(m_database, category) ? m_database.CategoryName() : std::string();
    Label1->setText(QtCp1252::ToQString(m_shownCategory));
    CheckList2->SetItems(ManageLists::UnitItems(m_database, m_shownCategory));
    showCounts(ManageLists::CountUnits(m_database, m_shownCategory));
}

void TManageDlg::showCounts(UnitCounts counts) {
    Label7->setText(QString::number(counts.units));
    Label8->setText(QString::number(counts.visible));
    if (!m_shownCategory.empty() && CheckList1->FocusedName() == m_shownCategory)
        Label2->setText(QString::fromStdString(ManageLists::UnitsVisibleText(counts)));
}

void TManageDlg::updateCategoryCounts() {
    const std::string focused = CheckList1->FocusedName();
    Label2->setText(focused.empty() ? QString()
                                    : QString::fromStdString(ManageLists::UnitsVisibleText(
                                          ManageLists::CountUnits(m_database, focused))));
}

void TManageDlg::AcceptCategoriesClick() {
    if (!ManageLists::AcceptCategories(m_database, CheckList1->Items())) {
        m_prompts.Beep();
        m_prompts.Warning("You have to choose at least one category.");
    }
}

void TManageDlg::AcceptUnitsClick() {
    if (m_shownCategory.empty())
        return;
    showCounts(ManageLists::AcceptUnits(m_database, m_shownCategory, CheckList2->Items()));
}

void TManageDlg::ResetCategoriesClick() {
    CheckList1->SetItems(ManageLists::CategoryItems(m_database), CheckList1->FocusedName());
    if (CheckBox1->isChecked())
        sortCategories();
    updateCategoryCounts();
}

void TManageDlg::ResetUnitsClick() {
    CheckList2->SetItems(ManageLists::UnitItems(m_database, m_shownCategory), CheckList2->FocusedName());
}

// The list only: "Accept" writes the order.
void TManageDlg::sortCategories() {
    CheckItems items = CheckList1->Items();
    ManageLists::SortByName(items, m_collation.Order(Names(items)));
    CheckList1->SetItems(items, CheckList1->FocusedName());
}

void TManageDlg::orderUnits(ManageLists::UnitOrder order) {
    if (m_shownCategory.empty())
        return;
    CheckList2->SetItems(ManageLists::OrderUnits(m_database, m_shownCategory, CheckList2->Items(), order),
                         CheckList2->FocusedName());
}

void TManageDlg::applyTicks(TCheckList *list, ManageLists::TickCommand command) {
    CheckItems items = list->Items();
    ManageLists::ApplyTicks(items, command);
    list->SetItems(items, list->FocusedName());
}

void TManageDlg::CheckBox1Click(bool checked) {
    m_settings.GeSoCate = checked;
    CheckList1->SetMovable(!checked);
    if (checked)
        sortCategories();
}

void TManageDlg::CheckBox2Click(bool checked) {
    m_settings.showhidden = checked;
    if (m_hooks.showHiddenChanged)
        m_hooks.showHiddenChanged(checked);
    m_database.SkipHidden = !checked;
}

void TManageDlg::runCustomDialog(const std::function<void()> &dialog) {
    if (!dialog)
        return;
    m_snapshot = ListSnapshot(CheckList1->Items(), CheckList2->Items());
    const std::string focusedCategory = CheckList1->FocusedName();
    const std::string focusedUnit = CheckList2->FocusedName();
    const std::string shownBefore = m_shownCategory;
    dialog();
    restoreAfterCustomDialog(focusedCategory, focusedUnit, shownBefore);
}

// The lists come back from the database with the pending order and marks laid over them. The
// unit list keeps showing its category while that exists, so its pending edits survive too.
void TManageDlg::restoreAfterCustomDialog(const std::string &focusedCategory, const std::string &focusedUnit,
                                          const std::string &shownBefore) {
    const CheckItems categories = ManageLists::CategoryItems(m_database);
    const NameOrder sorted = CheckBox1->isChecked() ? m_collation.Order(Names(categories)) : NameOrder();
    CheckList1->SetItems(ListSnapshot::Restore(m_snapshot.Categories(), categories, sorted), focusedCategory);
    m_shownCategory = CategoryListed(categories, shownBefore) ? shownBefore : CheckList1->FocusedName();
    CheckItems units = ManageLists::UnitItems(m_database, m_shownCategory);
    if (m_shownCategory == shownBefore)
        units = ListSnapshot::Restore(m_snapshot.Units(), units);
    CheckList2->SetItems(units, focusedUnit);
    Label1->setText(QtCp1252::ToQString(m_shownCategory));
    updateCategoryCounts();
    showCounts(ManageLists::CountUnits(m_database, m_shownCategory));
}

} // namespace mensurio
