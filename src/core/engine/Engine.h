// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitRecord.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/CategoryUnit.h"
#include "core/engine/ConversionRequest.h"
#include "core/engine/ConversionResult.h"
#include "core/engine/UnitAliases.h"
#include "core/engine/UnitExpressionText.h"
#include "core/engine/UnitListing.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

class QuantityCalculator;
class UnitDatabase;

/// The conversion engine: holds the listed units of the current category and turns each
/// ConversionRequest into a ConversionResult (linear, compound, special categories, numbers).
class Engine {
  public:
    explicit Engine(UnitDatabase &database);

    /// The symbols and other spellings of the built-in units; takes effect at the next category
    /// load. Without them only full names and unique parenthesised endings are understood.
    void SetBuiltinAliases(std::span<const BuiltinAliasEntry> aliases) { m_builtinAliases = aliases; }
    /// The dimensions of the built-in categories: an input that combines units of other
    /// categories ("100 km / 45 min" in Speed) converts when its dimension is the category's.
    void SetBuiltinDimensions(std::span<const BuiltinDimensionEntry> dimensions) {
        m_builtinDimensions = dimensions;
    }
    /// How a conversion in the Currency category answers when a currency it needs has no
    /// exchange rate (factor 0): the text for that unit's name. Unset: "no exchange rate for NAME".
    void SetMissingRateText(std::function<std::string(const std::string &unitName)> text) {
        m_missingRateText = std::move(text);
    }
    /// The aliases of the current category's units.
    /// Built when first asked for: a conversion that names its units by their full names never
    /// needs them.
    const UnitAliases &Aliases() const;

    // ---- Category change ----------------------------------------------------------------------

    /// Lists the category's units (ListCategoryUnits), loads them and returns the rows the two
    /// unit lists must show. The category name is taken as the database spells it.
    const std::vector<UnitRecord> &LoadCategoryUnits(std::string_view category, UnitListOptions options);
    /// Loads the given rows (one record per list row, in row order) as the current category's
    /// units: marks inverse units, orders the known-unit list and the output order, and repairs
    /// the default order (renumbering the category in the database when it was broken).
    void LoadCategoryRows(std::string_view category, std::vector<UnitRecord> rows);
    /// Forgets the current category's units (the window clears its lists).
    void ClearCategoryUnits();

    // ---- Conversion ---------------------------------------------------------------------------

    /// Converts the request. Every refusal is one line of outputText. A category without listed
    /// units converts nothing.
    ConversionResult Convert(const ConversionRequest &request);

    /// The window's input-list click: the typed text without the terms of units that are no
    /// longer selected (those units are forgotten as used).
    std::string RemoveDeselectedUnitTerms(std::string_view text, const ListSelection &input);
    /// The window's input-list click with two or more rows selected: templates for newly
    /// selected units appended to the text. A text that was read as a plain number (or plain
    /// arithmetic) first gets the name of the unit it was converted from, when that unit is still
    /// selected (else of the lowest selected unit), so "5" in foot becomes "(5) foot + (0) inch".
    std::string AppendUnitTemplates(std::string_view text, const ListSelection &input,
                                    CompoundStyle style) const;

    /// Factor of unit A over factor of unit B in the category, in the general format, for the
    /// custom-unit dialogs. Sets inputFactor and outputFactor. A missing unit B gives "INF"
    /// (or "NAN" when A is missing too), never an error.
    std::string FactorRatioText(std::string_view category, std::string_view unitA, std::string_view unitB,
                                const ResultFormatOptions &format);

    // ---- State --------------------------------------------------------------------------------

    const std::string &CategoryName() const { return m_categoryName; }
    CategoryKind Kind() const { return m_kind; }
    /// The listed rows, in row order.
    const std::vector<UnitRecord> &Rows() const { return m_rows; }
    /// The known-unit list: one entry per row, longest name first.
    const std::vector<CategoryUnit> &CategoryUnits() const { return m_units; }
    /// The entries in compound-output order: normal units by factor, largest first, then inverse
    /// units by factor, smallest first.
    const std::vector<const CategoryUnit *> &OutputOrder() const { return m_outputOrder; }
    /// The order view: for position p in the default order, the row of that unit.
    const std::vector<int> &OrderView() const { return m_orderView; }
    /// The units named by the last compound input, in known-unit order.
    const std::vector<const CategoryUnit *> &UsedUnits() const { return m_usedUnits; }

    bool Compound() const { return m_compound; }
    bool ResultValid() const { return m_resultValid; }
    const std::string &CompoundText() const { return m_compoundText; }
    const std::string &CompoundPlainText() const { return m_compoundPlainText; }
    long double InputFactor() const { return m_inputFactor; }
    long double OutputFactor() const { return m_outputFactor; }
    long double InputValue() const { return m_inputValue; }

  private:
    // One conversion in progress: the request, the input selection as the reading of the input
    // left it, and the result being written.
    struct Run {
        const ConversionRequest &request;
        ListSelection input;
        ConversionResult &result;
        bool Collect() const { return request.collectAll; }
        bool AllResults() const { return request.split || request.collectAll; }
    };

    void Dispatch(Run &run);
    bool ReadInput(Run &run);
    void ReadUnitExpression(Run &run, std::string_view typed, bool &stop);
    std::optional<std::string> ReadEveryday(Run &run, std::string &text);
    bool ReadAcrossCategories(Run &run, std::string &refusal);
    void ConvertLinear(Run &run);
    std::optional<std::string> MissingRateRefusal(const Run &run);
    void ConvertTemperature(Run &run);
    void ConvertInverseKind(Run &run);
    void ConvertNumbers(Run &run);
    void ConvertFractions(Run &run);
    void WriteCompound(Run &run, long double value, bool inputInverse, long double inverseForm);
    void WriteResult(Run &run, long double value);
    void Refuse(Run &run, std::string_view message);
    void ClearAllResults(Run &run);
    void AddAllResults(Run &run, const std::function<long double(const UnitRecord &)> &resultOf);
    void OrderCheck();
    std::string RowName(int row) const;
    long double FactorOfRow(int row);

    UnitDatabase &m_database;

    std::string m_categoryName;
    CategoryKind m_kind = CategoryKind::Ordinary;
    bool m_currency = false; // the Currency category, whose currencies without a rate have factor 0
    std::function<std::string(const std::string &)> m_missingRateText;
    std::vector<UnitRecord> m_rows;
    std::vector<CategoryUnit> m_units;
    std::vector<KnownUnit> m_knownUnits; // m_units as the unit-aware parse wants them
    std::span<const BuiltinAliasEntry> m_builtinAliases;
    std::span<const BuiltinDimensionEntry> m_builtinDimensions;
    mutable std::optional<UnitAliases> m_aliases;
    // Built at the first input that needs it and kept until the next load of a category (every
    // change of the database reloads one), so that keystrokes do not rebuild it.
    std::shared_ptr<const QuantityCalculator> m_quantityCalculator;
    std::vector<const CategoryUnit *> m_outputOrder;
    std::vector<int> m_orderView;

    std::vector<const CategoryUnit *> m_usedUnits;
    int m_plainInputRow = -1; // the input row of the last plain (unit-free, non-empty) input
    std::int32_t m_usedCount = 0;
    std::vector<long double> m_terms; // the compound input's terms in base units
    long double m_inputValue = 0;
    bool m_compound = false;
    bool m_inputInverse = false;

    long double m_inputFactor = 0;
    long double m_outputFactor = 0;
    std::string m_compoundText;
    std::string m_compoundPlainText;
    bool m_resultValid = false;
};

} // namespace mensurio
