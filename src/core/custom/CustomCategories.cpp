// SPDX-License-Identifier: MIT
#include "core/custom/CustomCategories.h"

#include "core/custom/CustomTexts.h"
#include "core/custom/CustomUnits.h"
#include "core/db/UnitDatabase.h"

namespace mensurio {

std::vector<std::string> CustomCategories::Names() {
    std::vector<std::string> names;
    for (m_database.FirstCategory(); m_database.HasCategory(); m_database.NextCategory())
        if (m_database.CategoryCustom())
            names.push_back(m_database.CategoryName());
    SortNames(names);
    return names;
}

std::string CustomCategories::UnitCountText(std::string_view category) {
    return "The selected category contains " + std::to_string(m_database.UnitCount(category)) + " units.";
}

EditOutcome CustomCategories::Add(std::string_view name) {
    const PreparedName prepared = PrepareCustomName(name, NameKind::Category);
    if (!prepared.problem.empty())
        return EditOutcome::Refused(prepared.problem);
    if (m_database.CategoryExists(prepared.name))
        return EditOutcome::Refused(CustomTexts::CategoryNameTaken);
    m_database.AddCategory(prepared.name, true);
    m_lastStored = prepared.name;
    return EditOutcome::Done();
}

EditOutcome CustomCategories::Rename(std::string_view category, std::string_view name) {
    const PreparedName prepared = PrepareCustomName(name, NameKind::Category);
    if (!prepared.problem.empty())
        return EditOutcome::Refused(prepared.problem);
    if (!UnitDatabase::SameNameIgnoringCase(prepared.name, category) &&
        m_database.CategoryExists(prepared.name))
        return EditOutcome::Refused(CustomTexts::CategoryNameTaken);
    m_database.RenameCategory(category, prepared.name);
    m_lastStored = prepared.name;
    return EditOutcome::Done();
}

void CustomCategories::Remove(std::string_view category) {
    m_database.DeleteCategory(category);
}

} // namespace mensurio
