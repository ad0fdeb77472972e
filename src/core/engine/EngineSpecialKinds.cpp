// SPDX-License-Identifier: MIT
// The conversions of the categories that do not convert by factors alone: Temperature, the
// Efficiency and Reciprocal kinds with their inverse units, Numbers and Fractions.
#include "core/engine/Engine.h"

#include "core/db/UnitDatabase.h"
#include "core/engine/CheckedArithmetic.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/FractionAnswers.h"
#include "core/engine/NumberParser.h"
#include "core/engine/NumberSystems.h"
#include "core/engine/SpecialCategories.h"
#include "core/engine/UnitExpression.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

namespace mensurio {

namespace {

// A temperature conversion that has no answer (a unit without a degree size, possible only in a
// damaged database) is reported like an invalid operation.
long double TemperatureOrFault(long double value, std::string_view inputName, long double inputFactor,
                               std::string_view outputName, long double outputFactor) {
    const auto result = ConvertTemperatureValue(value, inputName, inputFactor, outputName, outputFactor);
    if (!result)
        throw ArithmeticError(ArithmeticFault::InvalidOperation);
    return *result;
}

// The typed value of the Fractions category: a number, a fraction, a mixed number or an
// expression; a typed decimal number also gives its exact digits.
struct TypedFraction {
    long double value = 0;
    std::optional<Fraction> digits;
    std::string refusal;
};

TypedFraction ReadTypedFraction(std::string_view typed, std::span<const KnownUnit> knownUnits,
                                const UnitAliases &aliases, char decimalMark) {
    TypedFraction read;
    std::string working(typed);
    if (!working.empty()) {
        const EverydayInput everyday = ReadEverydayInput(working, knownUnits, aliases, decimalMark);
        if (!everyday.message.empty()) {
            read.refusal = everyday.message;
            return read;
        }
        working = everyday.text;
    }
    std::replace(working.begin(), working.end(), ',', '.');
    const ParsedNumber number = ParseNumber(working);
    if (number.overflow)
        throw ArithmeticError(ArithmeticFault::Overflow);
    if (number.ok) {
        read.value = number.value;
        read.digits = FractionOfDecimal(working);
    } else if (!working.empty()) {
        // Plain arithmetic first, then the unit-aware form with no units, which also reads a
        // sign before parentheses ("-(1+3/8)", a negative mixed number).
        const EvaluationResult plain = EvaluateExpression(working);
        read.value = plain.value;
        if (plain.failed) {
            const UnitExpressionResult parsed = ParseUnitExpression(working, {}, false, false);
            if (parsed.code != 0 || parsed.hasUnits)
                read.refusal = std::string(kInvalidExpressionMessage);
            read.value = parsed.total;
        }
    }
    return read;
}

} // namespace

// Temperature reads a number or an arithmetic expression, or one number with its scale ("72 °F"),
// which then is the input unit. Both lists are single-selection lists, so their current rows are
// the units.
void Engine::ConvertTemperature(Run &run) {
    std::string working(run.request.inputText);
    if (!working.empty()) {
        const EverydayInput everyday =
            ReadEverydayInput(working, m_knownUnits, Aliases(), run.request.format.separators.decimal);
        if (!everyday.message.empty()) {
            Refuse(run, everyday.message);
            return;
        }
        working = everyday.singleUnit.empty() ? everyday.text : everyday.singleNumber;
        const auto row = std::find_if(m_rows.begin(), m_rows.end(),
                                      [&](const UnitRecord &r) { return r.Name == everyday.singleUnit; });
        if (row != m_rows.end())
            run.input = ListSelection::Single(static_cast<int>(m_rows.size()),
                                              static_cast<int>(row - m_rows.begin()));
    }
    std::replace(working.begin(), working.end(), ',', '.');
    const ParsedNumber number = ParseNumber(working);
    if (number.overflow)
        throw ArithmeticError(ArithmeticFault::Overflow);
    long double value = number.value;
    if (!number.ok) {
        value = 0;
        if (!working.empty()) {
            const EvaluationResult plain = EvaluateExpression(working);
            if (plain.failed) {
                Refuse(run, ExpressionFailureMessage(plain.failure));
                return;
            }
            value = plain.value;
        }
    }
    const std::string inputName = RowName(run.input.CurrentOrFirst());
    const std::string outputName = RowName(run.request.output.CurrentOrFirst());
    m_inputFactor = m_database.UnitFactorOf(m_categoryName, inputName);
    m_outputFactor = m_database.UnitFactorOf(m_categoryName, outputName);
    if (BelowAbsoluteZero(value, inputName, m_inputFactor)) {
        Refuse(run, kBelowAbsoluteZeroMessage);
        return;
    }
    const long double result =
        TemperatureOrFault(value, inputName, m_inputFactor, outputName, m_outputFactor);
    if (!run.Collect())
        WriteResult(run, result);
    const long double inputFactor = m_inputFactor;
    AddAllResults(run, [&](const UnitRecord &unit) {
        return TemperatureOrFault(value, inputName, inputFactor, unit.Name, unit.Factor);
    });
}

// Efficiency and Reciprocal kinds: a value x in an inverse unit with factor k is k / x base units.
void Engine::ConvertInverseKind(Run &run) {
    if (ReadInput(run))
        return;
    long double base = 0;
    long double inverseForm = 0;
    if (m_compound) {
        base = BaseFromCompoundTotal(m_inputValue, m_inputInverse);
    } else {
        const std::string inputName = RowName(run.input.FirstSelected());
        m_inputFactor = m_database.UnitFactorOf(m_categoryName, inputName);
        const InverseInput input =
            InverseInputBase(m_inputValue, m_inputFactor, IsInverseUnit(m_kind, inputName));
        m_inputInverse = input.inputInverse;
        inverseForm = input.inverseForm;
        base = input.base;
    }
    if (!run.Collect()) {
        const int outputs = run.request.output.SelectedCount();
        const bool haveInput = run.input.SelectedCount() > 0 || m_compound;
        if (outputs == 1 && haveInput) {
            const std::string outputName = RowName(run.request.output.FirstSelected());
            m_outputFactor = m_database.UnitFactorOf(m_categoryName, outputName);
            WriteResult(run, InverseAwareResult(base, m_outputFactor, IsInverseUnit(m_kind, outputName)));
        } else if (outputs > 0 && haveInput) {
            WriteCompound(run, base, m_inputInverse, inverseForm);
        } else {
            run.result.outputText = "no unit selected";
        }
    }
    const CategoryKind kind = m_kind;
    AddAllResults(run, [base, kind](const UnitRecord &unit) {
        return InverseAwareResult(base, unit.Factor, IsInverseUnit(kind, unit.Name));
    });
}

// Numbers: whole numbers between number systems and Roman numerals; single-selection lists.
void Engine::ConvertNumbers(Run &run) {
    const std::string inputName = RowName(run.input.CurrentOrFirst());
    const std::string outputName = RowName(run.request.output.CurrentOrFirst());
    m_inputFactor = m_database.UnitFactorOf(m_categoryName, inputName);
    m_outputFactor = m_database.UnitFactorOf(m_categoryName, outputName);
    std::vector<NumberSystemUnit> listed;
    listed.reserve(m_rows.size());
    for (const UnitRecord &row : m_rows)
        listed.push_back({row.Name, row.Factor});
    NumbersConversion conversion = ConvertNumberText(run.request.inputText, {inputName, m_inputFactor},
                                                     {outputName, m_outputFactor}, listed);
    if (conversion.outcome == NumbersOutcome::InvalidInput) {
        if (!run.Collect())
            run.result.outputText = conversion.outputText;
        if (run.AllResults())
            run.result.allResults.emplace(); // cleared while collecting too
        return;
    }
    if (!run.Collect()) {
        if (conversion.outcome == NumbersOutcome::Converted)
            m_resultValid = true;
        run.result.outputText = conversion.outputText;
    }
    if (!run.AllResults())
        return;
    if (!run.Collect())
        run.result.allResults.emplace();
    if (!conversion.hasAllResults)
        return;
    if (run.Collect())
        run.result.collected = std::move(conversion.allResults);
    else
        run.result.allResults = std::move(conversion.allResults);
}

// Fractions: every unit writes the typed value its own way (its factor is the denominator);
// the input list is not used. The output is the answer of the selected unit (the current one
// when several are selected).
void Engine::ConvertFractions(Run &run) {
    const TypedFraction typed = ReadTypedFraction(run.request.inputText, m_knownUnits, Aliases(),
                                                  run.request.format.separators.decimal);
    if (!typed.refusal.empty()) {
        Refuse(run, typed.refusal);
        return;
    }
    m_inputValue = typed.value;
    const FractionAnswers answers(typed.value, typed.digits, run.request.format);
    const auto answerOf = [&answers](const UnitRecord &unit) {
        return answers.AnswerFor(unit.Factor).value_or(FractionAnswers::InvalidUnitMessage(unit.Name));
    };
    if (!run.Collect()) {
        if (run.request.output.SelectedCount() == 0) {
            run.result.outputText = "no unit selected";
        } else {
            const int row = run.request.output.FirstSelected();
            m_outputFactor = FactorOfRow(row);
            const std::optional<std::string> answer = answers.AnswerFor(m_outputFactor);
            m_resultValid = answer.has_value();
            run.result.outputText = answer.value_or(FractionAnswers::InvalidUnitMessage(RowName(row)));
        }
    }
    if (!run.AllResults())
        return;
    std::vector<std::string> values;
    values.reserve(m_rows.size());
    for (const UnitRecord &row : m_rows)
        values.push_back(answerOf(row));
    if (run.Collect())
        run.result.collected = std::move(values);
    else
        run.result.allResults = std::move(values);
}

} // namespace mensurio
