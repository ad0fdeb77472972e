// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "core/db/UnitRecord.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/UnitListing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mensurio {

/// Guesses the category of expressions for one command line (its listing options and named
/// units), as CategoryInference::Infer describes. The categories the named units allow are
/// found once; the unit names of an expression are found by scanning every listed name the
/// first time, and from the second expression on through an index of all names by their first
/// bytes, built once, so that a batch of distinct expressions costs per line only what the line
/// holds. The database must not gain or lose categories or units while the guesser is used: it
/// keeps pointers to its records.
class CategoryGuesser {
  public:
    CategoryGuesser(const UnitDatabase &database, UnitListOptions options,
                    const std::vector<std::string> &unitNames);

    /// The category of the expression, or nothing; throws CliUsageError when no category fits.
    std::optional<std::string> Infer(std::string_view expression);

  private:
    struct Candidate {
        const std::string *name = nullptr; // the category's name
        CategoryKind kind = CategoryKind::Ordinary;
        std::vector<const UnitRecord *> listed; // the listed rows, in the database's order
        std::size_t firstHit = 0;               // where its rows' flags start in m_hits
    };
    struct IndexEntry {
        std::string_view name;
        std::uint32_t candidate;
        std::uint32_t row;
    };

    static bool readsNames(CategoryKind kind);
    void clearHits();
    void markHitsByScanning(std::string_view expression);
    void markHitsByIndex(std::string_view expression);
    void buildIndex();
    std::size_t coverage(const Candidate &candidate, std::string_view expression) const;

    UnitListOptions m_options;
    std::vector<std::string> m_names; // the named units, cut to the name length
    std::vector<Candidate> m_candidates;
    std::vector<char> m_hits;                   // per candidate row: its name occurs in the expression
    std::vector<std::uint32_t> m_hitCandidates; // the candidates with a row flagged, in any order
    std::size_t m_guesses = 0;
    bool m_indexed = false;
    std::array<std::vector<IndexEntry>, 256> m_oneByteNames;
    std::unordered_map<std::uint16_t, std::vector<IndexEntry>> m_longerNames; // by their first two bytes
};

} // namespace mensurio
