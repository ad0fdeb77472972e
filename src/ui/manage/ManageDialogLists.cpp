// SPDX-License-Identifier: MIT
// The manage dialog's lists: showing, accepting, resetting, ordering, and keeping the pending
// edits across the custom dialogs.
#include "ui/manage/ManageDialog.h"

#include "core/db/UnitDatabase.h"
#include "core/platform/Prompts.h"
#include "core/settings/ProgramSettings.h"
#include "ui/manage/ManageCheckList.h"
#include "ui/shared/QtCp1252.h"

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
void ManageDialog::showUnitsOf(const std::string &category) {
    m_shownCategory =
        ManageLists::SelectCategoryExactly(m_database, category) ? m_database.CategoryName() : std::string();
    m_shownCategoryLabel->setText(QtCp1252::ToQString(m_shownCategory));
    m_unitList->SetItems(ManageLists::UnitItems(m_database, m_shownCategory));
    showCounts(ManageLists::CountUnits(m_database, m_shownCategory));
}

void ManageDialog::showCounts(UnitCounts counts) {
    m_unitCount->setText(QString::number(counts.units));
    m_visibleCount->setText(QString::number(counts.visible));
    if (!m_shownCategory.empty() && m_categoryList->FocusedName() == m_shownCategory)
        m_categoryCounts->setText(QString::fromStdString(ManageLists::UnitsVisibleText(counts)));
}

void ManageDialog::updateCategoryCounts() {
    const std::string focused = m_categoryList->FocusedName();
    m_categoryCounts->setText(focused.empty() ? QString()
                                              : QString::fromStdString(ManageLists::UnitsVisibleText(
                                                    ManageLists::CountUnits(m_database, focused))));
}

void ManageDialog::AcceptCategoriesClick() {
    if (!ManageLists::AcceptCategories(m_database, m_categoryList->Items())) {
        m_prompts.Beep();
        m_prompts.Warning("You have to choose at least one category.");
    }
}

void ManageDialog::AcceptUnitsClick() {
    if (m_shownCategory.empty())
        return;
    showCounts(ManageLists::AcceptUnits(m_database, m_shownCategory, m_unitList->Items()));
}

void ManageDialog::ResetCategoriesClick() {
    m_categoryList->SetItems(ManageLists::CategoryItems(m_database), m_categoryList->FocusedName());
    if (m_sortCategories->isChecked())
        sortCategories();
    updateCategoryCounts();
}

void ManageDialog::ResetUnitsClick() {
    m_unitList->SetItems(ManageLists::UnitItems(m_database, m_shownCategory), m_unitList->FocusedName());
}

// The list only: "Accept" writes the order.
void ManageDialog::sortCategories() {
    CheckItems items = m_categoryList->Items();
    ManageLists::SortByName(items, m_collation.Order(Names(items)));
    m_categoryList->SetItems(items, m_categoryList->FocusedName());
}

void ManageDialog::orderUnits(ManageLists::UnitOrder order) {
    if (m_shownCategory.empty())
        return;
    m_unitList->SetItems(ManageLists::OrderUnits(m_database, m_shownCategory, m_unitList->Items(), order),
                         m_unitList->FocusedName());
}

void ManageDialog::applyTicks(ManageCheckList *list, ManageLists::TickCommand command) {
    CheckItems items = list->Items();
    ManageLists::ApplyTicks(items, command);
    list->SetItems(items, list->FocusedName());
}

void ManageDialog::sortCategoriesToggled(bool checked) {
    m_settings.GeSoCate = checked;
    m_categoryList->SetMovable(!checked);
    if (checked)
        sortCategories();
}

void ManageDialog::showHiddenToggled(bool checked) {
    m_settings.showhidden = checked;
    if (m_hooks.showHiddenChanged)
        m_hooks.showHiddenChanged(checked);
    m_database.SkipHidden = !checked;
}

void ManageDialog::runCustomDialog(const std::function<void()> &dialog) {
    if (!dialog)
        return;
    m_snapshot = ListSnapshot(m_categoryList->Items(), m_unitList->Items());
    const std::string focusedCategory = m_categoryList->FocusedName();
    const std::string focusedUnit = m_unitList->FocusedName();
    const std::string shownBefore = m_shownCategory;
    dialog();
    restoreAfterCustomDialog(focusedCategory, focusedUnit, shownBefore);
}

// The lists come back from the database with the pending order and marks laid over them. The
// unit list keeps showing its category while that exists, so its pending edits survive too.
void ManageDialog::restoreAfterCustomDialog(const std::string &focusedCategory,
                                            const std::string &focusedUnit, const std::string &shownBefore) {
    const CheckItems categories = ManageLists::CategoryItems(m_database);
    const NameOrder sorted =
        m_sortCategories->isChecked() ? m_collation.Order(Names(categories)) : NameOrder();
    m_categoryList->SetItems(ListSnapshot::Restore(m_snapshot.Categories(), categories, sorted),
                             focusedCategory);
    m_shownCategory = CategoryListed(categories, shownBefore) ? shownBefore : m_categoryList->FocusedName();
    CheckItems units = ManageLists::UnitItems(m_database, m_shownCategory);
    if (m_shownCategory == shownBefore)
        units = ListSnapshot::Restore(m_snapshot.Units(), units);
    m_unitList->SetItems(units, focusedUnit);
    m_shownCategoryLabel->setText(QtCp1252::ToQString(m_shownCategory));
    updateCategoryCounts();
    showCounts(ManageLists::CountUnits(m_database, m_shownCategory));
}

} // namespace mensurio
