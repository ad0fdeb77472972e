// SPDX-License-Identifier: MIT
#include "core/engine/Engine.h"

#include "core/currency/CurrencyCategory.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/CheckedArithmetic.h"
#include "core/engine/CompoundConversion.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/QuantityCalculator.h"
#include "core/engine/SpecialCategories.h"
#include "core/engine/UnitExpression.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace mensurio {

namespace {

constexpr std::string_view kNoUnitSelected = "no unit selected";

std::string CommasToPoints(std::string_view text) {
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), ',', '.');
    return copy;
}

// A plain value written with its unit in the compound style: "(5) foot", "5 foot" or "foot (5)".
// The plain-value style keeps parentheses around anything but a plain number, so that "1+2"
// stays one value.
std::string WithUnitName(std::string_view value, const std::string &name, CompoundStyle style) {
    std::string trimmed(value);
    trimmed.erase(trimmed.find_last_not_of(' ') + 1);
    if (style == CompoundStyle::UnitFirst)
        return name + " (" + trimmed + ")";
    if (style == CompoundStyle::PlainValue && ParseNumber(CommasToPoints(trimmed)).ok)
        return trimmed + " " + name;
    return "(" + trimmed + ") " + name;
}

} // namespace

Engine::Engine(UnitDatabase &database) : m_database(database) {}

const UnitAliases &Engine::Aliases() const {
    if (!m_aliases) {
        std::vector<std::string> names;
        names.reserve(m_rows.size());
        for (const UnitRecord &row : m_rows)
            names.push_back(row.Name);
        m_aliases.emplace(m_builtinAliases, m_categoryName, names);
    }
    return *m_aliases;
}

// ---- Category change ------------------------------------------------------------------------

const std::vector<UnitRecord> &Engine::LoadCategoryUnits(std::string_view category, UnitListOptions options) {
    std::string name(category);
    if (m_database.SelectCategory(category))
        name = m_database.CategoryName();
    LoadCategoryRows(name, ListCategoryUnits(m_database, name, options));
    return m_rows;
}

void Engine::LoadCategoryRows(std::string_view category, std::vector<UnitRecord> rows) {
    ClearCategoryUnits();
    m_categoryName = std::string(category);
    m_kind = CategoryKindOf(m_categoryName);
    m_currency = m_categoryName == kCurrencyCategory;
    m_rows = std::move(rows);

    std::vector<std::string> names;
    names.reserve(m_rows.size());
    for (const UnitRecord &row : m_rows)
        names.push_back(row.Name);
    const std::vector<bool> inverse = MarkInverseUnits(m_kind, names);
    m_units.reserve(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row)
        m_units.push_back({m_rows[row], row < inverse.size() && inverse[row], static_cast<int>(row)});

    // Longer names first, so that the unit-aware parse never finds a name inside a longer one.
    std::stable_sort(m_units.begin(), m_units.end(), [](const CategoryUnit &a, const CategoryUnit &b) {
        return a.record.Name.size() > b.record.Name.size();
    });
    for (const CategoryUnit &unit : m_units) {
        m_knownUnits.push_back({unit.record.Name, unit.record.Factor, unit.inverse});
        m_outputOrder.push_back(&unit);
    }
    m_aliases.reset();
    m_quantityCalculator.reset();
    std::stable_sort(
        m_outputOrder.begin(), m_outputOrder.end(), [](const CategoryUnit *a, const CategoryUnit *b) {
            if (a->inverse != b->inverse)
                return !a->inverse;
            return a->inverse ? a->record.Factor < b->record.Factor : a->record.Factor > b->record.Factor;
        });
    OrderCheck();
}

// Gives the listed units the default orders 1..n in their present default order (ties keep row
// order) and renumbers the category in the database when any of them was off.
void Engine::OrderCheck() {
    std::vector<CategoryUnit *> byOrder;
    byOrder.reserve(m_units.size());
    for (CategoryUnit &unit : m_units)
        byOrder.push_back(&unit);
    std::stable_sort(byOrder.begin(), byOrder.end(), [](const CategoryUnit *a, const CategoryUnit *b) {
        if (a->record.DefaultOrder != b->record.DefaultOrder)
            return a->record.DefaultOrder < b->record.DefaultOrder;
        return a->listIndex < b->listIndex;
    });
    bool changed = false;
    m_orderView.clear();
    for (std::size_t position = 0; position < byOrder.size(); ++position) {
        CategoryUnit &unit = *byOrder[position];
        const auto wanted = static_cast<std::int32_t>(position + 1);
        if (unit.record.DefaultOrder != wanted) {
            unit.record.DefaultOrder = wanted;
            m_rows[static_cast<std::size_t>(unit.listIndex)].DefaultOrder = wanted;
            changed = true;
        }
        m_orderView.push_back(unit.listIndex);
    }
    if (changed)
        m_database.RenumberUnits(m_categoryName);
}

void Engine::ClearCategoryUnits() {
    m_rows.clear();
    m_units.clear();
    m_knownUnits.clear();
    m_aliases.reset();
    m_quantityCalculator.reset();
    m_outputOrder.clear();
    m_orderView.clear();
    m_usedUnits.clear();
    m_plainInputRow = -1;
    m_usedCount = 0;
    m_terms.clear();
    m_compound = false;
    m_inputInverse = false;
}

// ---- Conversion -----------------------------------------------------------------------------

ConversionResult Engine::Convert(const ConversionRequest &request) {
    ConversionResult result;
    Run run{request, request.input, result};
    if (!run.Collect())
        m_resultValid = false;
    if (!m_rows.empty()) {
        try {
            Dispatch(run);
        } catch (const ArithmeticError &error) {
            // Overflow, division by zero, an invalid operation or the reciprocal of zero anywhere
            // in the conversion.
            Refuse(run, ArithmeticFaultMessage(error.fault()));
        }
    }
    if (run.input != request.input)
        result.inputSelection = run.input;
    result.compound = m_compound;
    result.resultValid = m_resultValid;
    result.compoundText = m_compoundText;
    result.compoundPlainText = m_compoundPlainText;
    result.inputFactor = m_inputFactor;
    result.outputFactor = m_outputFactor;
    return result;
}

void Engine::Dispatch(Run &run) {
    switch (m_kind) {
    case CategoryKind::Ordinary:
        ConvertLinear(run);
        break;
    case CategoryKind::Fractions:
        ConvertFractions(run);
        break;
    case CategoryKind::Numbers:
        ConvertNumbers(run);
        break;
    case CategoryKind::Temperature:
        ConvertTemperature(run);
        break;
    case CategoryKind::Efficiency:
    case CategoryKind::Reciprocal:
        ConvertInverseKind(run);
        break;
    }
}

// Reads the input as a number, an arithmetic expression or an expression naming units, in that
// order. Returns true when the conversion must stop (a message has been written).
bool Engine::ReadInput(Run &run) {
    m_usedUnits.clear();
    m_usedCount = 0;
    m_terms.clear();
    m_compound = false;
    m_inputInverse = false;
    std::string typed = run.request.inputText;
    if (std::optional<std::string> refusal = ReadEveryday(run, typed)) {
        if (ReadAcrossCategories(run, *refusal))
            return false;
        // As with a failed parse, the units the text names count as used and get selected.
        m_compound = !m_usedUnits.empty();
        run.input = SyncInputSelection(run.input, m_compound, m_usedUnits);
        m_plainInputRow = -1;
        Refuse(run, *refusal);
        return true;
    }
    const std::string working = CommasToPoints(typed);
    bool stop = false;
    const ParsedNumber number = ParseNumber(working);
    if (number.overflow)
        throw ArithmeticError(ArithmeticFault::Overflow);
    if (number.ok) {
        m_inputValue = number.value;
    } else {
        m_inputValue = 0;
        if (!typed.empty())
            ReadUnitExpression(run, typed, stop);
    }
    run.input = SyncInputSelection(run.input, m_compound, m_usedUnits);
    m_plainInputRow = m_compound || typed.empty() ? -1 : run.input.FirstSelected();
    if (stop)
        return true;
    if (run.input.SelectedCount() == 0 && !m_compound) {
        Refuse(run, kNoUnitSelected);
        return true;
    }
    return false;
}

// Rewrites the typed text into the form the parse reads (symbols, mixed numbers, sums of
// quantities, grouped digits); returns the refusal when the text cannot be read.
std::optional<std::string> Engine::ReadEveryday(Run &run, std::string &text) {
    if (text.empty())
        return std::nullopt;
    // Full names alone first: most input names its units so, and then the symbols and spellings
    // of the category are never gathered. Anything that does not read so is read again with them.
    static const UnitAliases noAliases;
    const char decimal = run.request.format.separators.decimal;
    EverydayInput everyday = ReadEverydayInput(text, m_knownUnits, noAliases, decimal);
    if (!everyday.message.empty())
        everyday = ReadEverydayInput(text, m_knownUnits, Aliases(), decimal);
    if (!everyday.message.empty()) {
        for (const CategoryUnit &unit : m_units) {
            if (std::find(everyday.namedUnits.begin(), everyday.namedUnits.end(), unit.record.Name) !=
                everyday.namedUnits.end())
                m_usedUnits.push_back(&unit);
        }
        m_usedCount = static_cast<std::int32_t>(m_usedUnits.size());
        return everyday.message;
    }
    text = std::move(everyday.text);
    return std::nullopt;
}

void Engine::ReadUnitExpression(Run &run, std::string_view typed, bool &stop) {
    const EvaluationResult plain = EvaluateExpression(CommasToPoints(typed));
    if (!plain.failed) {
        m_inputValue = plain.value;
        return;
    }
    const bool checkInverse = m_kind == CategoryKind::Efficiency || m_kind == CategoryKind::Reciprocal;
    const bool wantTerms = run.request.output.SelectedCount() > 1;
    UnitExpressionResult parsed = ParseUnitExpression(typed, m_knownUnits, checkInverse, wantTerms);
    m_inputValue = parsed.total;
    // A failed parse counts as naming units: its message stands, and the units it found are
    // selected in the input list.
    m_compound = parsed.code != 0 || parsed.hasUnits;
    m_inputInverse = parsed.inverse;
    m_usedCount = parsed.usedCount;
    m_terms = std::move(parsed.terms);
    for (std::size_t index : parsed.usedUnits) {
        if (index < m_units.size())
            m_usedUnits.push_back(&m_units[index]);
    }
    if (parsed.code != 0) {
        std::string refusal = UnitExpressionMessage(parsed.code);
        if (ReadAcrossCategories(run, refusal))
            return;
        Refuse(run, refusal);
        stop = true;
    }
}

// An input the category's own units cannot read may still be a quantity of the category's
// dimension written with units of other categories. Returns whether it was; a quantity of
// another dimension replaces the refusal with a message that names both dimensions.
bool Engine::ReadAcrossCategories(Run &run, std::string &refusal) {
    if (m_builtinDimensions.empty() || m_kind != CategoryKind::Ordinary)
        return false;
    if (!m_quantityCalculator)
        m_quantityCalculator =
            std::make_shared<const QuantityCalculator>(m_database, m_builtinAliases, m_builtinDimensions);
    const QuantityCalculator &calculator = *m_quantityCalculator;
    const std::optional<Dimension> dimension = calculator.DimensionOf(m_categoryName);
    const char decimal = run.request.format.separators.decimal;
    const QuantityCalculator::Reading reading = calculator.Evaluate(run.request.inputText, decimal);
    if (!dimension || !reading.quantity || reading.unitWords == 0)
        return false;
    if (reading.quantity->dimension != *dimension) {
        // Named after the one output unit when there is one, else after the category.
        const int output = run.request.output.SelectedCount() == 1 ? run.request.output.FirstSelected() : -1;
        const std::string wanted = output >= 0 ? RowName(output) : m_categoryName;
        refusal = run.request.inputText + " is " + calculator.Describe(reading.quantity->dimension) + "; " +
                  wanted + " is " + calculator.Describe(*dimension);
        return false;
    }
    m_usedUnits.clear();
    m_usedCount = 1;
    m_compound = true;
    m_inputValue = CheckedDivide(reading.quantity->value, calculator.BaseInSi(m_categoryName));
    m_terms = {m_inputValue};
    run.input = SyncInputSelection(run.input, m_compound, m_usedUnits);
    m_plainInputRow = -1;
    return true;
}

void Engine::ConvertLinear(Run &run) {
    if (ReadInput(run))
        return;
    if (m_currency) {
        if (const std::optional<std::string> refusal = MissingRateRefusal(run)) {
            Refuse(run, *refusal);
            return;
        }
    }
    long double base = m_inputValue;
    if (!m_compound) {
        m_inputFactor = FactorOfRow(run.input.FirstSelected());
        base = CheckedMultiply(m_inputValue, m_inputFactor);
    }
    if (BelowPerfectVacuum(m_categoryName, base, run.request.inputPressureAbsolute)) {
        Refuse(run, kBelowPerfectVacuumMessage);
        return;
    }
    const long double offset =
        PressureOffset(m_categoryName, run.request.inputPressureAbsolute, run.request.outputPressureAbsolute);
    const long double value = CheckedAdd(base, offset);
    if (!run.Collect()) {
        const int outputs = run.request.output.SelectedCount();
        const bool haveInput = run.input.SelectedCount() > 0 || m_compound;
        if (outputs == 1 && haveInput) {
            m_outputFactor = FactorOfRow(run.request.output.FirstSelected());
            WriteResult(run, CheckedDivide(value, m_outputFactor));
        } else if (outputs > 0 && haveInput) {
            // The pressure offset joins the typed terms as one more term, so that a compound input
            // split over several units shows the same pressure as the single result.
            if (m_compound && offset != 0)
                m_terms.push_back(offset);
            WriteCompound(run, value, false, value);
        } else {
            run.result.outputText = std::string(kNoUnitSelected);
        }
    }
    AddAllResults(run, [value](const UnitRecord &unit) { return CheckedDivide(value, unit.Factor); });
}

// A currency without an exchange rate (factor 0) converts nothing: the answer names the first
// such currency among the input and the selected outputs.
std::optional<std::string> Engine::MissingRateRefusal(const Run &run) {
    std::string unrated;
    if (m_compound) {
        for (const CategoryUnit *unit : m_usedUnits) {
            if (unrated.empty() && unit->record.Factor == 0)
                unrated = unit->record.Name;
        }
    } else if (FactorOfRow(run.input.FirstSelected()) == 0) {
        unrated = RowName(run.input.FirstSelected());
    }
    for (int row = 0; unrated.empty() && !run.Collect() && row < run.request.output.RowCount(); ++row) {
        if (run.request.output.IsSelected(row) && FactorOfRow(row) == 0)
            unrated = RowName(row);
    }
    if (unrated.empty())
        return std::nullopt;
    return m_missingRateText ? m_missingRateText(unrated) : "no exchange rate for " + unrated;
}

// Splits the input over the selected output units (at least two) and shows the compound result.
// A compound input splits its own terms; a plain one the value (or its inverse form).
void Engine::WriteCompound(Run &run, long double value, bool inputInverse, long double inverseForm) {
    const bool checkInverse = m_kind == CategoryKind::Efficiency || m_kind == CategoryKind::Reciprocal;
    const SelectedOutputs outputs = SelectOutputs(m_outputOrder, run.request.output, checkInverse);
    if (checkInverse) {
        const int inputUnits = m_compound ? m_usedCount : 1;
        if (const auto refusal = InverseOutputRefusal(outputs.mixed, inputInverse, outputs.outputInverse,
                                                      static_cast<int>(outputs.units.size()), inputUnits)) {
            run.result.outputText = *refusal;
            return;
        }
    }
    std::vector<long double> values =
        m_compound ? m_terms : std::vector<long double>{inputInverse ? inverseForm : value};
    const CompoundTexts texts = CompoundOutput(std::move(values), inputInverse, outputs,
                                               run.request.compoundStyle, run.request.format);
    m_compoundText = texts.text;
    m_compoundPlainText = texts.plainText;
    m_resultValid = true;
    run.result.outputText = texts.text;
}

void Engine::WriteResult(Run &run, long double value) {
    m_resultValid = true;
    run.result.outputText = FormatResult(value, false, run.request.format);
}

void Engine::Refuse(Run &run, std::string_view message) {
    run.result.outputText = std::string(message);
    ClearAllResults(run);
}

void Engine::ClearAllResults(Run &run) {
    if (run.Collect())
        run.result.collected.clear();
    else
        run.result.allResults.emplace();
}

// Every listed unit's result in row order, into the all-results column or, collecting, the
// collect list.
void Engine::AddAllResults(Run &run, const std::function<long double(const UnitRecord &)> &resultOf) {
    if (!run.AllResults())
        return;
    std::vector<std::string> values;
    values.reserve(m_rows.size());
    for (const UnitRecord &row : m_rows) {
        if (m_currency && row.Factor == 0) {
            values.emplace_back(kNoRateText);
            continue;
        }
        try {
            values.push_back(FormatResult(resultOf(row), false, run.request.format));
        } catch (const ArithmeticError &error) {
            // Zero in an inverse unit: that one unit has no value, the others still do.
            if (error.fault() != ArithmeticFault::NoFiniteValue)
                throw;
            values.emplace_back(kNoFiniteValueMessage);
        }
    }
    if (run.Collect())
        run.result.collected = std::move(values);
    else
        run.result.allResults = std::move(values);
}

std::string Engine::RowName(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return {};
    return m_rows[static_cast<std::size_t>(row)].Name;
}

long double Engine::FactorOfRow(int row) {
    return m_database.UnitFactorOf(m_categoryName, RowName(row));
}

// ---- Input text editing and the ratio text ------------------------------------------------

std::string Engine::RemoveDeselectedUnitTerms(std::string_view text, const ListSelection &input) {
    return mensurio::RemoveDeselectedUnitTerms(text, m_usedUnits, input);
}

std::string Engine::AppendUnitTemplates(std::string_view text, const ListSelection &input,
                                        CompoundStyle style) const {
    const std::size_t first = text.find_first_not_of(' ');
    if (!m_usedUnits.empty() || m_plainInputRow < 0 || first == std::string_view::npos)
        return mensurio::AppendUnitTemplates(text, m_units, m_usedUnits, input, style);
    // A plain number keeps its unit: appending templates to it would glue digits together.
    const int row = input.IsSelected(m_plainInputRow) ? m_plainInputRow : input.LowestSelected();
    const auto unit = std::find_if(m_units.begin(), m_units.end(),
                                   [row](const CategoryUnit &u) { return u.listIndex == row; });
    if (unit == m_units.end())
        return mensurio::AppendUnitTemplates(text, m_units, m_usedUnits, input, style);
    const std::vector<const CategoryUnit *> used = {&*unit};
    const std::string withUnit = WithUnitName(text.substr(first), unit->record.Name, style);
    return mensurio::AppendUnitTemplates(withUnit, m_units, used, input, style);
}

std::string Engine::FactorRatioText(std::string_view category, std::string_view unitA, std::string_view unitB,
                                    const ResultFormatOptions &format) {
    m_inputFactor = m_database.UnitFactorOf(category, unitA);
    m_outputFactor = m_database.UnitFactorOf(category, unitB);
    // A missing unit B (factor 0) shows as INF, or NAN when A is missing too, instead of failing.
    long double ratio = std::numeric_limits<long double>::quiet_NaN();
    if (m_outputFactor != 0)
        ratio = m_inputFactor / m_outputFactor;
    else if (m_inputFactor != 0)
        ratio = std::numeric_limits<long double>::infinity();
    return FormatResult(ratio, true, format);
}

} // namespace mensurio
