// SPDX-License-Identifier: MIT
#include "cli/CategoryGuesser.h"

#include "cli/CategoryInference.h"
#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/engine/UnitExpressionText.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace mensurio {

namespace {

bool HoldsAll(const std::vector<const UnitRecord *> &rows, const std::vector<std::string> &names,
              bool exact) {
    return std::all_of(names.begin(), names.end(), [&](const std::string &name) {
        return std::any_of(rows.begin(), rows.end(), [&](const UnitRecord *row) {
            return exact ? row->Name == name : UnitDatabase::SameNameIgnoringCase(row->Name, name);
        });
    });
}

// The rows the unit lists show for a category, hidden ones only when asked for.
std::vector<const UnitRecord *> ListedRows(const CategoryRecord &category, bool showHidden) {
    std::vector<const UnitRecord *> rows;
    rows.reserve(category.Units.size());
    for (const UnitRecord &unit : category.Units) {
        if (showHidden || unit.Hidden == 0)
            rows.push_back(&unit);
    }
    return rows;
}

std::string JoinedNames(const std::vector<std::string> &names) {
    constexpr std::size_t shown = 8;
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < shown; ++i)
        text += (i > 0 ? ", " : "") + PrintableText::FromCp1252(names[i]);
    if (names.size() > shown)
        text += ", ...";
    return text;
}

// Whether a name can be found in marked text although the typed text does not hold it: only
// across a parenthesis put around a found name, which ends or starts the name, as the masked
// characters beside it match nothing.
bool MatchesAcrossMarks(const std::string &name) {
    return !name.empty() && (name.front() == ')' || name.back() == '(');
}

std::uint16_t FirstTwoBytes(const char *p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(p[0]) |
                                      (static_cast<unsigned char>(p[1]) << 8));
}

} // namespace

CategoryGuesser::CategoryGuesser(const UnitDatabase &database, UnitListOptions options,
                                 const std::vector<std::string> &unitNames)
    : m_options(options) {
    for (const std::string &name : unitNames)
        m_names.push_back(UnitDatabase::CutName(name));
    // The unit lists of a category show the units of the first category whose name matches
    // its own ignoring letter case: the later of two such categories lists the earlier's units.
    const std::vector<CategoryRecord> &categories = database.Categories();
    std::unordered_map<std::string, std::size_t> firstByFoldedName;
    firstByFoldedName.reserve(categories.size());
    std::vector<Candidate> all;
    all.reserve(categories.size());
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const CategoryRecord &c = categories[i];
        const std::size_t shown =
            firstByFoldedName.try_emplace(UnitDatabase::FoldCase(c.Name), i).first->second;
        Candidate &candidate = all.emplace_back();
        candidate.name = &c.Name;
        candidate.kind = CategoryKindOf(c.Name);
        candidate.listed = ListedRows(categories[shown], options.showHidden);
    }
    // The categories the named units narrow the choice to: those holding every name exactly,
    // else those holding every name ignoring letter case; every category when none is named.
    for (const bool exact : {true, false}) {
        for (Candidate &c : all) {
            if (HoldsAll(c.listed, m_names, exact))
                m_candidates.push_back(std::move(c));
        }
        if (!m_candidates.empty() || m_names.empty())
            break;
    }
    std::size_t rows = 0;
    for (Candidate &c : m_candidates) {
        c.firstHit = rows;
        rows += c.listed.size();
    }
    m_hits.assign(rows, 0);
}

bool CategoryGuesser::readsNames(CategoryKind kind) {
    // These kinds read no unit names in the typed text.
    return kind != CategoryKind::Temperature && kind != CategoryKind::Numbers &&
           kind != CategoryKind::Fractions;
}

std::optional<std::string> CategoryGuesser::Infer(std::string_view expression) {
    if (!CategoryInference::IsPlainValue(expression)) {
        // The category whose unit names cover the most of the expression, the first in database
        // order of equals (a category the expression is written in covers every name in it);
        // the conversion then parses the expression once, in the category chosen.
        clearHits();
        if (m_guesses++ == 0)
            markHitsByScanning(expression);
        else
            markHitsByIndex(expression);
        std::sort(m_hitCandidates.begin(), m_hitCandidates.end());
        std::size_t best = 0;
        const Candidate *chosen = nullptr;
        for (const std::uint32_t index : m_hitCandidates) {
            if (const std::size_t covered = coverage(m_candidates[index], expression); covered > best) {
                best = covered;
                chosen = &m_candidates[index];
            }
        }
        if (chosen)
            return *chosen->name;
        if (m_names.empty())
            return std::nullopt; // the expression names no unit of any category
    } else if (m_names.empty()) {
        return std::nullopt;
    }
    // Several categories may hold the same names (meter is in Length and in Typography):
    // the first in database order wins, as in the category selector.
    if (m_candidates.empty())
        throw CliUsageError("no category holds every named unit (" + JoinedNames(m_names) + ")");
    return *m_candidates.front().name;
}

void CategoryGuesser::clearHits() {
    for (const std::uint32_t index : m_hitCandidates) {
        const Candidate &c = m_candidates[index];
        std::fill_n(m_hits.begin() + static_cast<std::ptrdiff_t>(c.firstHit), c.listed.size(), 0);
    }
    m_hitCandidates.clear();
}

void CategoryGuesser::markHitsByScanning(std::string_view expression) {
    for (std::size_t index = 0; index < m_candidates.size(); ++index) {
        const Candidate &c = m_candidates[index];
        if (!readsNames(c.kind))
            continue;
        bool any = false;
        for (std::size_t row = 0; row < c.listed.size(); ++row) {
            const std::string &name = c.listed[row]->Name;
            if (!name.empty() && expression.find(name) != std::string_view::npos) {
                m_hits[c.firstHit + row] = 1;
                any = true;
            }
        }
        if (any)
            m_hitCandidates.push_back(static_cast<std::uint32_t>(index));
    }
}

void CategoryGuesser::buildIndex() {
    for (std::size_t index = 0; index < m_candidates.size(); ++index) {
        const Candidate &c = m_candidates[index];
        if (!readsNames(c.kind))
            continue;
        for (std::size_t row = 0; row < c.listed.size(); ++row) {
            const std::string &name = c.listed[row]->Name;
            const IndexEntry entry{name, static_cast<std::uint32_t>(index), static_cast<std::uint32_t>(row)};
            if (name.size() == 1)
                m_oneByteNames[static_cast<unsigned char>(name[0])].push_back(entry);
            else if (name.size() > 1)
                m_longerNames[FirstTwoBytes(name.data())].push_back(entry);
        }
    }
    m_indexed = true;
}

void CategoryGuesser::markHitsByIndex(std::string_view expression) {
    if (!m_indexed)
        buildIndex();
    auto mark = [this](const IndexEntry &entry) {
        char &hit = m_hits[m_candidates[entry.candidate].firstHit + entry.row];
        if (hit)
            return;
        hit = 1;
        if (std::find(m_hitCandidates.begin(), m_hitCandidates.end(), entry.candidate) ==
            m_hitCandidates.end())
            m_hitCandidates.push_back(entry.candidate);
    };
    const std::size_t size = expression.size();
    for (std::size_t pos = 0; pos < size; ++pos) {
        for (const IndexEntry &entry : m_oneByteNames[static_cast<unsigned char>(expression[pos])])
            mark(entry);
        if (pos + 1 == size)
            break;
        const auto found = m_longerNames.find(FirstTwoBytes(expression.data() + pos));
        if (found == m_longerNames.end())
            continue;
        for (const IndexEntry &entry : found->second) {
            const std::size_t length = entry.name.size();
            if (length <= size - pos &&
                std::memcmp(entry.name.data() + 2, expression.data() + pos + 2, length - 2) == 0)
                mark(entry);
        }
    }
}

// How many characters of the expression are names of the category's units, found as the
// unit-aware parse finds them (exactly, longer names first, none inside another). Only the
// names the expression holds are tried, with those that can be found across the marks of
// others: a name of neither kind would find nothing, so leaving it out changes no mark. The
// order of the names tried is that of the whole list, of which they are a part.
std::size_t CategoryGuesser::coverage(const Candidate &candidate, std::string_view expression) const {
    std::vector<std::uint32_t> tried;
    for (std::uint32_t row = 0; row < candidate.listed.size(); ++row) {
        if (m_hits[candidate.firstHit + row] || MatchesAcrossMarks(candidate.listed[row]->Name))
            tried.push_back(row);
    }
    // Longer names first; names of one length in list order, which is alphabetical (ignoring
    // letter case, equal names in row order) when the lists sort by name.
    const bool byName = m_options.sortByName;
    std::sort(tried.begin(), tried.end(), [&](std::uint32_t a, std::uint32_t b) {
        const std::string &nameA = candidate.listed[a]->Name;
        const std::string &nameB = candidate.listed[b]->Name;
        if (nameA.size() != nameB.size())
            return nameA.size() > nameB.size();
        if (byName) {
            if (UnitDatabase::NameLess(nameA, nameB))
                return true;
            if (UnitDatabase::NameLess(nameB, nameA))
                return false;
        }
        return a < b;
    });
    std::vector<KnownUnit> known;
    known.reserve(tried.size());
    for (const std::uint32_t row : tried)
        known.push_back({candidate.listed[row]->Name, 0.0L, false});
    const ShadowText marked = MarkUnitNames(expression, known);
    return static_cast<std::size_t>(std::count(marked.shadow.begin(), marked.shadow.end(), kUnitNameMarker));
}

} // namespace mensurio
