// SPDX-License-Identifier: MIT
#include "cli/CategoryInference.h"

#include "cli/CliUsageError.h"
#include "core/db/Cp1252.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/SpecialCategories.h"
#include "core/engine/UnitExpression.h"
#include "core/engine/UnitExpressionText.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace mensurio {

namespace {

struct Candidate {
    std::string name;
    std::vector<UnitRecord> rows;
};

// The category's units as the unit-aware parse wants them: longer names first, inverse units
// marked, exactly as the engine loads them.
std::vector<KnownUnit> KnownUnitsOf(const Candidate& candidate)
{
    const CategoryKind kind = CategoryKindOf(candidate.name);
    std::vector<std::string> names;
    names.reserve(candidate.rows.size());
    for (const UnitRecord& row : candidate.rows)
        names.push_back(row.Name);
    const std::vector<bool> inverse = MarkInverseUnits(kind, names);
    std::vector<KnownUnit> known;
    known.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        known.push_back({names[i], candidate.rows[i].Factor, i < inverse.size() && inverse[i]});
    std::stable_sort(known.begin(), known.end(),
                     [](const KnownUnit& a, const KnownUnit& b) { return a.name.size() > b.name.size(); });
    return known;
}

// How many characters of the expression are names of the category's units, found as the
// unit-aware parse finds them (exactly, longer names first, none inside another). Only marks
// names, builds no expression tree, so that guessing among many categories stays cheap.
std::size_t NameCoverage(const Candidate& candidate, std::string_view expression)
{
    const CategoryKind kind = CategoryKindOf(candidate.name);
    // These kinds read no unit names in the typed text.
    if (kind == CategoryKind::Temperature || kind == CategoryKind::Numbers || kind == CategoryKind::Fractions)
        return 0;
    const bool anyName = std::any_of(candidate.rows.begin(), candidate.rows.end(), [&](const UnitRecord& row) {
        return !row.Name.empty() && expression.find(row.Name) != std::string_view::npos;
    });
    if (!anyName)
        return 0;
    const ShadowText marked = MarkUnitNames(expression, KnownUnitsOf(candidate));
    return static_cast<std::size_t>(std::count(marked.shadow.begin(), marked.shadow.end(), kUnitNameMarker));
}

bool HoldsAll(const Candidate& candidate, const std::vector<std::string>& names, bool exact)
{
    return std::all_of(names.begin(), names.end(), [&](const std::string& name) {
        return std::any_of(candidate.rows.begin(), candidate.rows.end(), [&](const UnitRecord& row) {
            return exact ? row.Name == name : UnitDatabase::SameNameIgnoringCase(row.Name, name);
        });
    });
}

std::vector<Candidate> Filter(const std::vector<Candidate>& from, const auto& keep)
{
    std::vector<Candidate> kept;
    std::copy_if(from.begin(), from.end(), std::back_inserter(kept), keep);
    return kept;
}

// The categories named units narrow the choice to: every category when there are none.
std::vector<Candidate> CandidatesForNames(std::vector<Candidate> all, const std::vector<std::string>& names)
{
    if (names.empty())
        return all;
    std::vector<Candidate> exact = Filter(all, [&](const Candidate& c) { return HoldsAll(c, names, true); });
    if (!exact.empty())
        return exact;
    return Filter(all, [&](const Candidate& c) { return HoldsAll(c, names, false); });
}

std::string JoinedNames(const std::vector<std::string>& names)
{
    constexpr std::size_t shown = 8;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i)
        text += (i > 0 ? ", " : "") + Cp1252::ToUtf8(names[i]);
    if (names.size() > shown)
        text += ", ...";
    return text;
}

[[noreturn]] void ThrowNoFit(const std::vector<std::string>& names)
{
    throw CliUsageError("no category holds every named unit (" + JoinedNames(names) + ")");
}

} // namespace

std::optional<std::string> CategoryInference::ResolveCategory(const UnitDatabase& database, std::string_view name)
{
    const std::string wanted = UnitDatabase::CutName(name);
    const auto& categories = database.Categories();
    for (const CategoryRecord& c : categories) {
        if (c.Name == wanted)
            return c.Name;
    }
    for (const CategoryRecord& c : categories) {
        if (UnitDatabase::SameNameIgnoringCase(c.Name, wanted))
            return c.Name;
    }
    return std::nullopt;
}

int CategoryInference::ResolveUnit(const std::vector<UnitRecord>& rows, std::string_view name)
{
    const std::string wanted = UnitDatabase::CutName(name);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Name == wanted)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (UnitDatabase::SameNameIgnoringCase(rows[i].Name, wanted))
            return static_cast<int>(i);
    }
    return -1;
}

bool CategoryInference::IsPlainValue(std::string_view expression)
{
    std::string working(expression);
    std::replace(working.begin(), working.end(), ',', '.');
    if (working.empty())
        return true;
    const ParsedNumber number = ParseNumber(working);
    return number.ok || number.overflow || !EvaluateExpression(working).failed;
}

std::optional<std::string> CategoryInference::Infer(const UnitDatabase& database, UnitListOptions options,
                                                    std::string_view expression,
                                                    const std::vector<std::string>& unitNames)
{
    std::vector<std::string> names;
    for (const std::string& name : unitNames)
        names.push_back(UnitDatabase::CutName(name));
    std::vector<Candidate> all;
    for (const CategoryRecord& c : database.Categories())
        all.push_back({c.Name, ListCategoryUnits(database, c.Name, options)});
    std::vector<Candidate> candidates = CandidatesForNames(std::move(all), names);

    if (!IsPlainValue(expression)) {
        // The categories whose unit names the expression holds, the one whose names cover the
        // most of it first (a category the expression is written in covers every name in it);
        // the conversion then parses the expression once, in the category chosen.
        std::vector<std::pair<std::size_t, Candidate>> named;
        for (Candidate& c : candidates) {
            if (const std::size_t coverage = NameCoverage(c, expression); coverage > 0)
                named.emplace_back(coverage, std::move(c));
        }
        std::stable_sort(named.begin(), named.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        if (!named.empty()) {
            candidates.clear();
            for (auto& [coverage, c] : named)
                candidates.push_back(std::move(c));
        } else if (names.empty()) {
            return std::nullopt; // the expression names no unit of any category
        }
    } else if (names.empty()) {
        return std::nullopt;
    }
    // Several categories may hold the same names (meter is in Length and in Typography):
    // the first in database order wins, as in the category selector.
    if (candidates.empty())
        ThrowNoFit(names);
    return candidates.front().name;
}

} // namespace mensurio
