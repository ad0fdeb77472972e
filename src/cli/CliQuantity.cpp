// SPDX-License-Identifier: MIT
#include "cli/CliQuantity.h"

#include "cli/CliConversion.h"
#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/QuantityCalculator.h"
#include "core/engine/ResultFormatter.h"
#include "core/engine/UnitExpression.h"

#include <algorithm>
#include <ostream>

namespace mensurio {

CliQuantity::CliQuantity(const UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
                         std::ostream &out)
    : m_database(database), m_options(options), m_separators(separators), m_out(out) {}

std::optional<int> CliQuantity::TryRun(const std::string &expression) const {
    if (m_options.toUnits.size() > 1 || m_options.all || m_options.positional.size() > 1)
        return std::nullopt;
    const QuantityCalculator calculator(m_database, BuiltinAliases(), BuiltinDimensions());
    const ProgramSettings settings = CliConversion::SettingsOf(m_options);
    const ResultFormatOptions format{settings.ReNumber, settings.ReDeciPlace, m_separators};
    const char decimal = m_separators.decimal;
    const QuantityCalculator::Reading reading = calculator.Evaluate(expression, decimal);
    if (!reading.quantity || reading.unitWords == 0)
        return std::nullopt;
    if (!m_options.toUnits.empty()) {
        const std::string target = Cp1252::FromTypedUtf8(m_options.toUnits.front());
        const QuantityCalculator::Reading unit = calculator.Evaluate(target, decimal);
        if (!unit.quantity)
            return std::nullopt;
        const QuantityCalculator::Conversion conversion = calculator.Convert(expression, target, decimal);
        m_out << PrintableText::FromCp1252(conversion.value ? FormatResult(*conversion.value, false, format)
                                                            : conversion.message)
              << "\n";
        return conversion.value ? kExitResult : kExitMessage;
    }
    const std::optional<QuantityCalculator::Preferred> preferred =
        calculator.PreferredFor(reading.quantity->dimension);
    if (!preferred) {
        m_out << Cp1252::ToUtf8(FormatResult(reading.quantity->value, false, format)) << " (SI units of "
              << DimensionFormula(reading.quantity->dimension) << ")\n";
        return kExitResult;
    }
    const long double value = reading.quantity->value / preferred->unitInSi;
    m_out << PrintableText::FromCp1252(FormatResult(value, false, format) + " " + preferred->unit + " (" +
                                       preferred->category + ")")
          << "\n";
    return kExitResult;
}

bool CliQuantity::ReadsIn(const UnitDatabase &database, const std::string &category,
                          const std::string &expression, char decimalMark) {
    const auto found = std::find_if(database.Categories().begin(), database.Categories().end(),
                                    [&](const CategoryRecord &c) { return c.Name == category; });
    if (found == database.Categories().end())
        return false;
    const std::vector<KnownUnit> known = KnownUnitsLongestFirst(found->Units);
    std::vector<std::string> names;
    for (const UnitRecord &unit : found->Units)
        names.push_back(unit.Name);
    const EverydayInput read =
        ReadEverydayInput(expression, known, UnitAliases(BuiltinAliases(), category, names), decimalMark);
    if (!read.message.empty())
        return false;
    return ParseUnitExpression(read.text, known, false, false).code == 0;
}

} // namespace mensurio
