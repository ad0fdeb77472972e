// SPDX-License-Identifier: MIT
#include "core/db/BuiltinUpdate.h"

#include "core/db/DatabaseFile.h"
#include "core/db/UnitDatabase.h"

#include <algorithm>
#include <exception>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace mensurio {

namespace {

// The user's categories by name for the lookups of one update, so that each costs the same
// however many categories the database holds. Categories are only ever added at the end while
// it is used, and told to it.
class CategoryIndex {
  public:
    explicit CategoryIndex(const UnitDatabase &db) : m_db(db) {
        m_exact.reserve(db.Categories().size());
        m_folded.reserve(db.Categories().size());
        for (std::size_t i = 0; i < db.Categories().size(); ++i)
            add(i);
    }

    // The first category spelled exactly so.
    const CategoryRecord *Find(std::string_view name) const {
        const auto found = m_exact.find(std::string(name));
        return found == m_exact.end() ? nullptr : &m_db.Categories()[found->second];
    }
    // Whether a category has this name ignoring letter case.
    bool NameTaken(std::string_view name) const { return m_folded.count(UnitDatabase::FoldCase(name)) > 0; }
    void CategoryAdded() { add(m_db.Categories().size() - 1); }

  private:
    void add(std::size_t index) {
        const std::string &name = m_db.Categories()[index].Name;
        m_exact.try_emplace(name, index);
        m_folded.insert(UnitDatabase::FoldCase(name));
    }

    const UnitDatabase &m_db;
    std::unordered_map<std::string, std::size_t> m_exact;
    std::unordered_set<std::string> m_folded;
};

const UnitRecord *FindUnit(const CategoryRecord &category, std::string_view name) {
    for (const UnitRecord &unit : category.Units) {
        if (unit.Name == name)
            return &unit;
    }
    return nullptr;
}

bool UnitNameTaken(const CategoryRecord &category, std::string_view name) {
    return std::any_of(category.Units.begin(), category.Units.end(),
                       [&](const UnitRecord &u) { return UnitDatabase::SameNameIgnoringCase(u.Name, name); });
}

// The version that first shipped a category (unit empty) or a unit; 1 when not listed.
int VersionOf(std::span<const BuiltinHistoryEntry> history, std::string_view category,
              std::string_view unit) {
    int categoryVersion = 1;
    for (const BuiltinHistoryEntry &entry : history) {
        if (entry.category != category)
            continue;
        if (*entry.unit == '\0')
            categoryVersion = entry.version;
        else if (!unit.empty() && entry.unit == unit)
            return entry.version;
    }
    return categoryVersion;
}

// Adding keeps the user's way of writing names: simplified names stay simplified.
class UserNames {
  public:
    explicit UserNames(const UnitDatabase &user) : m_simplified(user.NamesSimplified) {}
    std::string operator()(std::string_view name) const {
        return m_simplified ? UnitDatabase::SimplifyName(name) : std::string(name);
    }

  private:
    bool m_simplified;
};

void AddUnit(UnitDatabase &user, const std::string &category, const UnitRecord &unit,
             const UserNames &named) {
    user.AddUnit(category, named(unit.Name), named(unit.OriginUnit), unit.Factor, false);
}

void AddNewUnits(UnitDatabase &user, CategoryIndex &index, const CategoryRecord &shipped,
                 std::span<const BuiltinHistoryEntry> history, int userVersion,
                 BuiltinUpdateSummary &summary) {
    const UserNames named(user);
    const std::string category = named(shipped.Name);
    const CategoryRecord *mine = index.Find(category);
    if (mine == nullptr) {
        // A category of the user's version or older that is missing was deleted or renamed.
        if (VersionOf(history, shipped.Name, {}) <= userVersion || index.NameTaken(category))
            return;
        user.AddCategory(category, false);
        index.CategoryAdded();
        for (const UnitRecord &unit : shipped.Units)
            AddUnit(user, category, unit, named);
        summary.units += static_cast<int>(shipped.Units.size());
        ++summary.categories;
        return;
    }
    for (const UnitRecord &unit : shipped.Units) {
        if (VersionOf(history, shipped.Name, unit.Name) <= userVersion ||
            UnitNameTaken(*mine, named(unit.Name)))
            continue;
        AddUnit(user, category, unit, named); // the category record itself stays where it is
        ++summary.units;
    }
}

// Hides the replaced built-in unit once its built-in replacement is in the category.
bool HideReplaced(UnitDatabase &user, const CategoryIndex &index, const BuiltinHistoryEntry &entry) {
    const UserNames named(user);
    const std::string category = named(entry.category);
    const CategoryRecord *mine = index.Find(category);
    if (mine == nullptr)
        return false;
    const UnitRecord *old = FindUnit(*mine, named(entry.replaces));
    const UnitRecord *replacement = FindUnit(*mine, named(entry.unit));
    if (old == nullptr || old->Custom || old->Hidden || replacement == nullptr || replacement->Custom)
        return false;
    const std::string oldName = old->Name;
    user.SelectCategory(category);
    for (user.FirstUnit(); user.HasUnit(); user.NextUnit()) {
        if (user.UnitName() == oldName) {
            user.SetUnitHidden(true);
            return true;
        }
    }
    return false;
}

} // namespace

int BuiltinUpdate::InferredVersion(const UnitDatabase &user, std::span<const BuiltinHistoryEntry> history) {
    const UserNames named(user);
    const CategoryIndex index(user);
    int version = 1;
    for (const BuiltinHistoryEntry &entry : history) {
        const CategoryRecord *category = index.Find(named(entry.category));
        if (category == nullptr || category->Custom)
            continue;
        const UnitRecord *unit = *entry.unit == '\0' ? nullptr : FindUnit(*category, named(entry.unit));
        if (*entry.unit == '\0' || (unit != nullptr && !unit->Custom))
            version = std::max(version, entry.version);
    }
    return version;
}

BuiltinUpdateSummary BuiltinUpdate::Apply(UnitDatabase &user, const UnitDatabase &shipped,
                                          std::span<const BuiltinHistoryEntry> history, int userVersion) {
    BuiltinUpdateSummary summary;
    CategoryIndex index(user);
    for (const CategoryRecord &category : shipped.Categories())
        AddNewUnits(user, index, category, history, userVersion, summary);
    for (const BuiltinHistoryEntry &entry : history) {
        if (entry.version > userVersion && *entry.replaces != '\0' && HideReplaced(user, index, entry))
            ++summary.hidden;
    }
    return summary;
}

std::optional<BuiltinUpdateSummary>
BuiltinUpdate::FromShippedFile(UnitDatabase &user, const std::string &shippedPath, int recordedVersion) {
    if (recordedVersion >= BuiltinDataVersion())
        return std::nullopt;
    UnitDatabase shipped;
    try {
        DatabaseFile::LoadFromPath(shipped, shippedPath);
    } catch (const std::exception &) {
        return std::nullopt;
    }
    const int from = recordedVersion > 0 ? recordedVersion : InferredVersion(user, BuiltinHistory());
    return Apply(user, shipped, BuiltinHistory(), from);
}

std::string BuiltinUpdate::SummaryText(const BuiltinUpdateSummary &summary) {
    std::string text;
    if (summary.units > 0)
        text = std::to_string(summary.units) + (summary.units == 1 ? " new unit" : " new units");
    if (summary.categories > 0)
        text += (text.empty() ? "" : ", ") + std::to_string(summary.categories) +
                (summary.categories == 1 ? " new category" : " new categories");
    return text;
}

} // namespace mensurio
