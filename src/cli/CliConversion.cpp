// SPDX-License-Identifier: MIT
#include "cli/CliConversion.h"

#include "cli/CategoryInference.h"
#include "cli/CliRates.h"
#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/engine/BuiltinAliases.h"
#include "core/engine/BuiltinDimensions.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/Engine.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/NumberSystems.h"
#include "core/engine/RequestSettings.h"
#include "core/settings/StoredChoices.h"

#include <algorithm>
#include <cstddef>
#include <ostream>

namespace mensurio {

namespace {

// Temperature and Numbers show single-selection lists: one input and one output unit.
bool IsSingleSelection(CategoryKind kind) {
    return kind == CategoryKind::Temperature || kind == CategoryKind::Numbers;
}

std::string Quoted(const std::string &cp1252) {
    return "'" + PrintableText::FromCp1252(cp1252) + "'";
}

} // namespace

CliConversion::CliConversion(UnitDatabase &database, const CliOptions &options, NumberSeparators separators,
                             std::ostream &out)
    : m_database(database), m_options(options), m_separators(separators), m_out(out) {}

ProgramSettings CliConversion::SettingsOf(const CliOptions &options) {
    ProgramSettings settings;
    if (options.resultFormat)
        settings.ReNumber = FromStoredNumber(*options.resultFormat, settings.ReNumber);
    if (options.places)
        settings.ReDeciPlace = *options.places;
    if (options.style)
        settings.multiformat = FromStoredNumber(*options.style, settings.multiformat);
    settings.split = options.all;
    settings.com1abs = !options.inputGauge;
    settings.com2abs = !options.outputGauge;
    return settings;
}

int CliConversion::Run(const std::string &category) {
    Engine engine(m_database);
    engine.SetBuiltinAliases(BuiltinAliases());
    engine.SetBuiltinDimensions(BuiltinDimensions());
    if (m_rates != nullptr)
        m_rates->Prepare(engine);
    engine.LoadCategoryUnits(category, UnitListOptionsOf(SettingsOf(m_options)));
    return RunLoaded(engine, category);
}

int CliConversion::RunLoaded(Engine &engine, const std::string &category) {
    const ProgramSettings settings = SettingsOf(m_options);
    const std::vector<UnitRecord> &rows = engine.Rows();
    if (rows.empty())
        throw CliUsageError("the category " + Quoted(category) + " has no units");

    ConversionRequest request;
    ApplyProgramSettings(request, settings, m_separators);
    request.inputText = Cp1252::FromTypedUtf8(m_options.positional.front());
    std::vector<std::string> inputNames;
    if (m_options.positional.size() > 1)
        inputNames.push_back(m_options.positional[1]);
    request.input = selectionOf(engine, inputNames, category);
    if (request.input.SelectedCount() == 0 && IsSingleSelection(engine.Kind()))
        request.input = unitTypedWithTheValue(engine, request.inputText).value_or(request.input);
    request.output = selectionOf(engine, m_options.toUnits, category);
    if (IsSingleSelection(engine.Kind())) {
        if (request.input.SelectedCount() == 0)
            throw CliUsageError("the category " + Quoted(category) + " needs an input unit (FROM-UNIT)");
        if (m_options.toUnits.size() > 1)
            throw CliUsageError("the category " + Quoted(category) + " takes only one --to unit");
        if (m_options.toUnits.empty() && !m_options.all)
            throw CliUsageError("the category " + Quoted(category) + " needs an output unit (--to)");
        if (m_options.all)
            request.output = request.input; // the list always has a current row; the input unit will do
    }
    if (engine.Kind() == CategoryKind::Fractions)
        checkFractionsUnits(category); // the typed value needs no unit; the answer one --to unit
    const ConversionResult result = engine.Convert(request);
    if (m_rates != nullptr)
        m_rates->NoteUse(category, m_options.all ? result.allResults && !result.allResults->empty()
                                                 : result.resultValid);
    return m_options.all ? printAllResults(rows, result) : printOutputField(category, result);
}

void CliConversion::checkFractionsUnits(const std::string &category) const {
    if (m_options.toUnits.size() > 1)
        throw CliUsageError("the category " + Quoted(category) + " takes only one --to unit");
    if (m_options.toUnits.empty() && !m_options.all)
        throw CliUsageError("the category " + Quoted(category) + " needs an output unit (--to)");
}

// The list selection for unit names given on the command line: each name's row selected, the
// first one current (the row a single-selection list shows).
ListSelection CliConversion::selectionOf(const Engine &engine, const std::vector<std::string> &names,
                                         const std::string &category) const {
    const std::vector<UnitRecord> &rows = engine.Rows();
    ListSelection selection;
    selection.selected.assign(rows.size(), false);
    for (const std::string &utf8 : names) {
        const std::string typed = Cp1252::FromTypedUtf8(utf8);
        int row = CategoryInference::ResolveUnit(rows, typed);
        if (row < 0) {
            const std::string alias = engine.Aliases().UnitNamed(typed);
            if (!alias.empty())
                row = CategoryInference::ResolveUnit(rows, alias);
        }
        if (row < 0) {
            std::string message = "no unit named '" + utf8 + "' in the category " + Quoted(category);
            const std::vector<std::string> closest = ClosestUnits(typed, engine.Aliases());
            for (std::size_t i = 0; i < closest.size(); ++i)
                message += (i == 0 ? "; did you mean " : ", ") + PrintableText::FromCp1252(closest[i]);
            throw CliUsageError(closest.empty() ? message : message + "?");
        }
        selection.Select(row, true);
        if (selection.current < 0)
            selection.current = row;
    }
    return selection;
}

// The input unit of "72 °F": one number followed by the one unit it is in.
std::optional<ListSelection> CliConversion::unitTypedWithTheValue(const Engine &engine,
                                                                  const std::string &typed) const {
    const std::vector<UnitRecord> &rows = engine.Rows();
    const std::vector<KnownUnit> known = KnownUnitsLongestFirst(rows);
    const EverydayInput read = ReadEverydayInput(typed, known, engine.Aliases(), m_separators.decimal);
    const int row = read.singleUnit.empty() ? -1 : CategoryInference::ResolveUnit(rows, read.singleUnit);
    if (row < 0)
        return std::nullopt;
    return ListSelection::Single(static_cast<int>(rows.size()), row);
}

int CliConversion::printOutputField(const std::string &category, const ConversionResult &result) {
    if (!result.outputText)
        throw CliUsageError("nothing converts in the category " + Quoted(category));
    m_out << Cp1252::ToUtf8(*result.outputText) << "\n";
    // A Roman numeral beyond the largest one the engine writes is shown in the result's place,
    // but it is a refusal all the same.
    if (!result.resultValid || *result.outputText == kResultTooLargeMessage)
        return kExitMessage;
    return kExitResult;
}

// Every listed unit's result, "value<TAB>unit name"; a refusal clears the column and leaves
// its message in the output field.
int CliConversion::printAllResults(const std::vector<UnitRecord> &rows, const ConversionResult &result) {
    if (result.allResults && !result.allResults->empty()) {
        const std::size_t count = std::min(rows.size(), result.allResults->size());
        for (std::size_t i = 0; i < count; ++i)
            m_out << Cp1252::ToUtf8((*result.allResults)[i]) << "\t"
                  << PrintableText::FromCp1252(rows[i].Name) << "\n";
        return kExitResult;
    }
    m_out << Cp1252::ToUtf8(result.outputText.value_or(std::string())) << "\n";
    return kExitMessage;
}

} // namespace mensurio
