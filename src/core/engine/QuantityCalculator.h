// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class UnitDatabase;

/// Exponents of the dimension slots (see DimensionSlot).
using Dimension = std::array<int, kDimensionSlots>;

/// A value in SI units with its dimension.
struct Quantity {
    long double value = 0.0L;
    Dimension dimension{};
};

/// Evaluates expressions whose units come from any categories that have a dimension:
/// "60 kWh/100 km", "10 kg * 9.81 m/s^2", "N m". A number with its units is one quantity, binding
/// tighter than '*' and '/'; unit words side by side multiply; '^' with a whole exponent applies
/// to the unit word (or the parenthesised group) before it; quantities side by side, each with a
/// number, add up; '+' and '-' need equal dimensions. Texts are Windows-1252.
class QuantityCalculator {
  public:
    QuantityCalculator(const UnitDatabase &database, std::span<const BuiltinAliasEntry> aliases,
                       std::span<const BuiltinDimensionEntry> dimensions);

    /// The quantity the text denotes, or the message why it denotes none.
    struct Reading {
        std::optional<Quantity> quantity;
        std::string message;
        int unitWords = 0; // how many unit words the text holds
    };
    Reading Evaluate(std::string_view text, char decimalMark) const;

    /// The text converted to the target (a unit or a unit expression): the number of targets, or
    /// the message why it cannot be ("... is a force (M L T^-2); mile is a length (L)").
    struct Conversion {
        std::optional<long double> value;
        std::string message;
    };
    Conversion Convert(std::string_view text, std::string_view target, char decimalMark) const;

    /// The dimension of a category, when it has one.
    std::optional<Dimension> DimensionOf(std::string_view category) const;
    /// SI value of one base unit of a category with a dimension (1 when it has none).
    long double BaseInSi(std::string_view category) const;
    /// The category results of the dimension are given in, and its SI unit ("newton" in Force);
    /// nothing when no category has the dimension.
    struct Preferred {
        std::string category;
        std::string unit;
        long double unitInSi = 1.0L;
    };
    std::optional<Preferred> PreferredFor(const Dimension &dimension) const;
    /// "a force (M L T^-2)", "a quantity of dimension M L^3".
    std::string Describe(const Dimension &dimension) const;

  private:
    struct Meaning {
        std::size_t category; // index into m_categories
        std::string unit;
        long double inSi = 0.0L;
    };
    struct Word {
        std::string text;
        bool caseSensitive = true; // symbols and full names; spellings match ignoring case
        bool fullName = false;     // full names match without a word end, as unit names always have
        std::vector<Meaning> meanings;
    };
    struct Category {
        std::string name;
        Dimension dimension{};
        long double baseInSi = 1.0L;
        bool preferred = false;
    };
    class Parser;

    void addCategory(const struct CategoryRecord &category, const BuiltinDimensionEntry &entry,
                     std::span<const BuiltinAliasEntry> aliases);
    void addWord(const std::string &text, bool caseSensitive, bool fullName, Meaning meaning);

    std::vector<Category> m_categories;
    std::vector<Word> m_words; // longest text first once built
};

/// "M L T^-2": the non-zero exponents in the order M L T I K N J rad sr bit; "1" for none.
std::string DimensionFormula(const Dimension &dimension);

} // namespace mensurio
