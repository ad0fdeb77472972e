// SPDX-License-Identifier: MIT
#include "core/custom/CustomUnits.h"

#include "core/currency/CurrencyCategory.h"
#include "core/custom/CustomTexts.h"
#include "core/custom/UnitValue.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/ResultFormatter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mensurio {

namespace {

constexpr std::array<std::string_view, 7> kRefusingCategories{
    "Temperature",          "Fractions",          "Fuel Efficiency", "HVAC Efficiency", "Numbers",
    "Frequency Wavelength", "Thermal Resistivity"};

int IndexOf(const std::vector<std::string> &names, std::string_view name) {
    auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end())
        at = std::find_if(names.begin(), names.end(), [name](const std::string &n) {
            return UnitDatabase::SameNameIgnoringCase(n, name);
        });
    return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

} // namespace

void SortNames(std::vector<std::string> &names) {
    std::stable_sort(names.begin(), names.end(), UnitDatabase::NameLess);
}

CustomUnits::CustomUnits(UnitDatabase &database, NumberSeparators separators)
    : m_database(database), m_engine(database), m_separators(separators) {}

bool CustomUnits::RefusesCustomUnits(std::string_view category) {
    return std::find(kRefusingCategories.begin(), kRefusingCategories.end(), category) !=
           kRefusingCategories.end();
}

std::vector<std::string> CustomUnits::CategoryNames() {
    std::vector<std::string> names;
    for (m_database.FirstCategory(); m_database.HasCategory(); m_database.NextCategory())
        names.push_back(m_database.CategoryName());
    SortNames(names);
    return names;
}

std::vector<std::string> CustomUnits::UnitNames(std::string_view category) {
    std::vector<std::string> names;
    if (!m_database.SelectCategory(category))
        return names;
    for (m_database.FirstUnit(); m_database.HasUnit(); m_database.NextUnit())
        if (m_database.UnitCustom())
            names.push_back(m_database.UnitName());
    SortNames(names);
    return names;
}

std::vector<std::string> CustomUnits::AllUnitNames(std::string_view category) {
    std::vector<std::string> names;
    if (!m_database.SelectCategory(category))
        return names;
    for (m_database.FirstUnit(); m_database.HasUnit(); m_database.NextUnit())
        names.push_back(m_database.UnitName());
    return names;
}

std::string CustomUnits::RatioText(std::string_view category, std::string_view unitA,
                                   std::string_view unitB) {
    return m_engine.FactorRatioText(category, unitA, unitB,
                                    ResultFormatOptions{ResultFormat::Auto, 9, m_separators});
}

std::string CustomUnits::Description(std::string_view category, std::string_view unit) {
    std::string origin = m_database.UnitOriginOf(category, unit);
    if (!m_database.UnitExists(category, origin)) {
        const std::vector<std::string> units = AllUnitNames(category);
        if (units.size() == 1)
            return std::string(unit) + CustomTexts::IsBaseUnit;
        const auto other =
            std::find_if(units.begin(), units.end(), [unit](const std::string &n) { return n != unit; });
        origin = other == units.end() ? std::string() : *other;
    }
    return "1 " + std::string(unit) + " = " + RatioText(category, unit, origin) + " " + origin;
}

UnitEditorSetup CustomUnits::AddSetup(std::string_view category) {
    UnitEditorSetup setup;
    setup.origins = AllUnitNames(category);
    SortNames(setup.origins);
    setup.selectedOrigin = setup.origins.empty() ? -1 : 0;
    setup.baseUnit = setup.origins.empty();
    if (setup.baseUnit)
        setup.value = CustomTexts::BaseUnitValue;
    return setup;
}

UnitEditorSetup CustomUnits::ModifySetup(std::string_view category, std::string_view unit) {
    UnitEditorSetup setup;
    setup.origins = AllUnitNames(category);
    SortNames(setup.origins);
    setup.name = std::string(unit);
    if (m_database.UnitCount(category) == 1) {
        setup.baseUnit = true;
        setup.value = CustomTexts::BaseUnitValue;
        return setup;
    }
    const auto self = std::find(setup.origins.begin(), setup.origins.end(), unit);
    if (self != setup.origins.end())
        setup.origins.erase(self);
    const std::string origin = m_database.UnitOriginOf(category, unit);
    setup.selectedOrigin = 0;
    if (m_database.UnitExists(category, origin))
        setup.selectedOrigin = std::max(0, IndexOf(setup.origins, origin));
    if (!setup.origins.empty())
        setup.value =
            RatioText(category, unit, setup.origins[static_cast<std::size_t>(setup.selectedOrigin)]);
    return setup;
}

EditOutcome CustomUnits::FactorOf(std::string_view category, std::string_view value, std::string_view origin,
                                  long double &factor) {
    const UnitValue read = ReadUnitValue(value);
    if (read.status == UnitValueStatus::Invalid)
        return EditOutcome::Refused(CustomTexts::InvalidValue);
    if (read.status == UnitValueStatus::Zero)
        return EditOutcome::Refused(CustomTexts::ZeroValue);
    // The product can leave the range even when both numbers are in it: never store such a factor.
    const long double originFactor = m_database.UnitFactorOf(category, origin);
    if (originFactor == 0 && category == kCurrencyCategory && m_database.UnitExists(category, origin))
        return EditOutcome::Refused(CustomTexts::OriginWithoutRate);
    factor = originFactor * read.value;
    if (!std::isfinite(factor))
        return EditOutcome::Refused(CustomTexts::InvalidValue);
    if (factor == 0)
        return EditOutcome::Refused(CustomTexts::ZeroValue);
    return EditOutcome::Done();
}

EditOutcome CustomUnits::Add(std::string_view category, std::string_view name, std::string_view value,
                             std::string_view origin) {
    if (RefusesCustomUnits(category)) // the list dialog offers no Add there; other callers are held too
        return EditOutcome::Refused(CustomTexts::RefusedCategory);
    const PreparedName prepared = PrepareCustomName(name, NameKind::Unit);
    if (!prepared.problem.empty())
        return EditOutcome::Refused(prepared.problem);
    if (value == CustomTexts::BaseUnitValue) {
        if (m_database.UnitNameTaken(category, prepared.name))
            return EditOutcome::Refused(CustomTexts::UnitNameTaken);
        m_database.AddUnit(category, prepared.name, "", 1.0L, true);
        return EditOutcome::Done();
    }
    long double factor = 0;
    if (EditOutcome refused = FactorOf(category, value, origin, factor); !refused.done)
        return refused;
    if (m_database.UnitNameTaken(category, prepared.name))
        return EditOutcome::Refused(CustomTexts::UnitNameTaken);
    m_database.AddUnit(category, prepared.name, origin, factor, true);
    return EditOutcome::Done();
}

EditOutcome CustomUnits::Modify(std::string_view category, std::string_view unit, std::string_view name,
                                std::string_view value, std::string_view origin, bool valueLocked) {
    const PreparedName prepared = PrepareCustomName(name, NameKind::Unit);
    if (!prepared.problem.empty())
        return EditOutcome::Refused(prepared.problem);
    if (valueLocked && value == CustomTexts::BaseUnitValue) {
        m_database.ModifyUnit(category, unit, prepared.name, "", 1.0L, true);
        return EditOutcome::Done();
    }
    long double factor = 0;
    if (EditOutcome refused = FactorOf(category, value, origin, factor); !refused.done)
        return refused;
    // The editor shows the ratio with 10 digits only: when that text is left as it was shown,
    // the unit keeps its exact factor instead of the rounded one.
    if (value == RatioText(category, unit, origin))
        factor = m_database.UnitFactorOf(category, unit);
    if (!UnitDatabase::SameNameIgnoringCase(prepared.name, unit) &&
        m_database.UnitNameTaken(category, prepared.name))
        return EditOutcome::Refused(CustomTexts::UnitNameTaken);
    m_database.ModifyUnit(category, unit, prepared.name, origin, factor, true);
    return EditOutcome::Done();
}

void CustomUnits::Remove(std::string_view category, std::string_view unit) {
    m_database.DeleteUnit(category, unit);
}

} // namespace mensurio
