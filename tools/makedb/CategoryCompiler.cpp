// SPDX-License-Identifier: MIT
#include "tools/makedb/CategoryCompiler.h"

#include "core/currency/CurrencyCategory.h"
#include "core/db/Cp1252.h"
#include "core/engine/CategoryKind.h"
#include "core/engine/Fractions.h"
#include "core/engine/SpecialCategories.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/UnitAliases.h"
#include "tools/makedb/ValueExpression.h"

#include <quadmath.h>

#include <array>
#include <cmath>
#include <cstdint>

namespace mensurio {

namespace {

using Quad = __float128;

// The temperature routine knows a degree size only for these names.
constexpr std::array<std::string_view, 5> TemperatureUnits = {"Celsius", "Kelvin",
                                                              "R\xE9"
                                                              "aumur",
                                                              "Fahrenheit", "Rankine"};

std::string ToDatabaseName(const std::string &utf8, const std::string &what, const std::string &file,
                           int line) {
    std::string name;
    if (!Cp1252::TryFromUtf8(utf8, name))
        throw SourceError(file, line,
                          what + " '" + utf8 + "' holds a character that Windows-1252 cannot hold");
    if (name.size() > UnitDatabase::MaxNameLength)
        throw SourceError(file, line,
                          what + " '" + utf8 + "' is " + std::to_string(name.size()) +
                              " bytes long in Windows-1252; at most 50 are allowed");
    for (const unsigned char c : name) {
        if (c < 0x20 || c == 0x7F)
            throw SourceError(file, line, what + " '" + utf8 + "' holds a control character");
    }
    return name;
}

/// Per-unit working state while references are followed.
struct PendingUnit {
    const SourceUnit *Source = nullptr;
    Quad Value = 0;
    int Reference = -1;
    enum class State { Open, Visiting, Done } Mark = State::Open;
};

int FindReference(const std::vector<CompiledUnit> &units, const SourceUnit &unit) {
    std::string name;
    if (Cp1252::TryFromUtf8(unit.Reference, name)) {
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (units[i].Name == name)
                return static_cast<int>(i);
        }
    }
    std::string message = "unknown reference '" + unit.Reference + "'";
    for (const CompiledUnit &other : units) {
        if (UnitDatabase::SameNameIgnoringCase(other.Name, name))
            message += " (names are case-sensitive; did you mean '" + Cp1252::ToUtf8(other.Name) + "'?)";
    }
    throw SourceError(unit.File, unit.Line, message);
}

std::string CycleText(const std::vector<PendingUnit> &pending, const std::vector<int> &path, int start) {
    std::string text;
    bool inCycle = false;
    for (const int index : path) {
        inCycle = inCycle || index == start;
        if (inCycle)
            text += pending[index].Source->Name + " -> ";
    }
    return text + pending[start].Source->Name;
}

// Follows the reference chain of one unit and fills ExactFactor along it.
void Resolve(std::vector<PendingUnit> &pending, std::vector<CompiledUnit> &units, int index) {
    std::vector<int> path;
    int current = index;
    while (current >= 0 && pending[current].Mark != PendingUnit::State::Done) {
        if (pending[current].Mark == PendingUnit::State::Visiting) {
            const SourceUnit &unit = *pending[current].Source;
            throw SourceError(unit.File, unit.Line,
                              "cycle of references: " + CycleText(pending, path, current));
        }
        pending[current].Mark = PendingUnit::State::Visiting;
        path.push_back(current);
        current = pending[current].Reference;
    }
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        PendingUnit &unit = pending[*it];
        const Quad base = unit.Reference >= 0 ? units[unit.Reference].ExactFactor : Quad(1);
        units[*it].ExactFactor = unit.Value * base;
        if (isinfq(units[*it].ExactFactor))
            throw SourceError(unit.Source->File, unit.Source->Line, "factor overflows");
        unit.Mark = PendingUnit::State::Done;
    }
}

// A unit of "Fractions" names a way of writing the value, and its factor is the denominator:
// 1 for "as decimal", 0 for "as fraction", n for "nearest 1/n" (the name must say which n).
void CheckFractionsUnit(const SourceUnit &unit, const CompiledUnit &compiled) {
    const long double factor = compiled.Factor;
    if (factor != std::nearbyint(factor) || factor < 0 ||
        factor > static_cast<long double>(kMaxNearestDenominator))
        throw SourceError(
            unit.File, unit.Line,
            "a Fractions unit's factor is its denominator: 1 (as decimal), 0 (as fraction) or n "
            "from 2 to " +
                std::to_string(kMaxNearestDenominator) + " (nearest 1/n)");
    const std::string nearest = "nearest 1/";
    const bool namedNearest = compiled.Name.rfind(nearest, 0) == 0;
    if (factor >= 2 && compiled.Name != nearest + std::to_string(static_cast<std::uint64_t>(factor)))
        throw SourceError(unit.File, unit.Line,
                          "a Fractions unit with factor " +
                              std::to_string(static_cast<std::uint64_t>(factor)) +
                              " rounds to the nearest 1/" +
                              std::to_string(static_cast<std::uint64_t>(factor)) + " and must be named so");
    if (factor < 2 && namedNearest)
        throw SourceError(unit.File, unit.Line, "'" + unit.Name + "' needs its denominator as its factor");
}

// A currency's name ends with its code; the euro is the base, and no other currency may carry a
// factor in the shipped data: exchange rates change daily and are loaded at run time.
void CheckCurrencyUnit(const SourceUnit &unit, const CompiledUnit &compiled) {
    const std::string_view code = CurrencyCodeOf(compiled.Name);
    if (code.empty())
        throw SourceError(
            unit.File, unit.Line,
            "a Currency unit's name ends with its ISO 4217 code in parentheses, as in 'US dollar (USD)'");
    if (code == kBaseCurrencyCode && compiled.Factor != 1)
        throw SourceError(unit.File, unit.Line, "the euro is the base of Currency: its factor is 1");
    if (code != kBaseCurrencyCode && compiled.ExactFactor != 0)
        throw SourceError(unit.File, unit.Line,
                          "no exchange rate is shipped: a currency other than the euro has the value 0 "
                          "(its rate is loaded at run time)");
}

// Every code once, the euro among them.
void CheckCurrencyCodes(const SourceCategory &category, const std::vector<CompiledUnit> &units) {
    bool base = false;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::string_view code = CurrencyCodeOf(units[i].Name);
        base = base || code == kBaseCurrencyCode;
        for (std::size_t j = 0; j < i; ++j) {
            if (CurrencyCodeOf(units[j].Name) == code)
                throw SourceError(category.Units[i].File, category.Units[i].Line,
                                  "currency code " + std::string(code) + " is given twice");
        }
    }
    if (!base)
        throw SourceError(category.File, category.Line, "Currency needs the euro (EUR), its base unit");
}

void CheckFactor(const std::string &category, const SourceUnit &unit, const CompiledUnit &compiled) {
    const long double factor = compiled.Factor;
    if (std::isinf(factor) || (compiled.ExactFactor != 0 && factor == 0) ||
        (factor != 0 && std::fpclassify(factor) == FP_SUBNORMAL))
        throw SourceError(unit.File, unit.Line, "factor outside the range of the 80-bit format");
    if (category == "Temperature") {
        for (const std::string_view name : TemperatureUnits) {
            if (compiled.Name == name)
                return;
        }
        throw SourceError(unit.File, unit.Line,
                          "'" + unit.Name +
                              "' is no temperature scale the converter knows a degree size for");
    }
    if (category == "Numbers") {
        if (factor != std::nearbyint(factor) || factor < 0 || factor == 1 || factor > 36)
            throw SourceError(unit.File, unit.Line,
                              "a number system's factor is its base, 2 to 36, or 0 for Roman");
        return;
    }
    if (category == "Fractions") {
        CheckFractionsUnit(unit, compiled);
        return;
    }
    if (category == kCurrencyCategory) {
        CheckCurrencyUnit(unit, compiled);
        return;
    }
    if (!(factor > 0))
        throw SourceError(unit.File, unit.Line, "factor must be positive");
}

// The converter recognises inverse units by fixed names: listing compares them ignoring letter
// case, converting compares them exactly. A name that differs from a fixed one in letter case
// only would be listed as inverse but converted as a normal unit, and a wavelength under any
// other name would be converted as a frequency; both give wrong results, so neither may exist.
void CheckInverseName(const std::string &category, const SourceUnit &unit, const std::string &name) {
    const std::vector<std::string> &inverseNames = InverseUnitNames(CategoryKindOf(category));
    if (inverseNames.empty())
        return;
    for (const std::string &inverse : inverseNames) {
        if (name == inverse)
            return;
        if (EqualIgnoringAsciiCase(name, inverse))
            throw SourceError(
                unit.File, unit.Line,
                "'" + unit.Name + "' differs from the inverse unit name '" + Cp1252::ToUtf8(inverse) +
                    "' in letter case only; the converter would list it as inverse but convert it "
                    "as a normal unit");
    }
    constexpr std::string_view wavelength = "wavelength in ";
    if (EqualIgnoringAsciiCase(std::string_view(name).substr(0, wavelength.size()), wavelength))
        throw SourceError(unit.File, unit.Line,
                          "'" + unit.Name +
                              "' is not one of the wavelength names the converter treats as inverse");
}

// Checks one unit's name against the earlier ones and evaluates its value.
PendingUnit ReadUnit(const SourceCategory &category, const SourceUnit &unit,
                     std::vector<CompiledUnit> &units) {
    CompiledUnit compiled;
    compiled.Name = ToDatabaseName(unit.Name, "unit name", unit.File, unit.Line);
    CheckInverseName(category.Name, unit, compiled.Name);
    for (const CompiledUnit &earlier : units) {
        if (UnitDatabase::SameNameIgnoringCase(earlier.Name, compiled.Name))
            throw SourceError(unit.File, unit.Line,
                              "duplicate unit name '" + unit.Name + "' in category '" + category.Name + "'");
    }
    PendingUnit state;
    state.Source = &unit;
    std::string error;
    if (!ValueExpression::Evaluate(unit.Value, state.Value, error))
        throw SourceError(unit.File, unit.Line, "malformed value '" + unit.Value + "': " + error);
    compiled.DefaultOrder = static_cast<int>(units.size()) + 1;
    compiled.Source = unit.Source;
    units.push_back(std::move(compiled));
    return state;
}

} // namespace

CompiledCategory CategoryCompiler::Compile(const SourceCategory &category) {
    CompiledCategory result;
    result.Utf8Name = category.Name;
    result.Name = ToDatabaseName(category.Name, "category name", category.File, category.Line);
    if (category.Units.empty())
        throw SourceError(category.File, category.Line, "category '" + category.Name + "' has no units");

    std::vector<PendingUnit> pending;
    for (const SourceUnit &unit : category.Units)
        pending.push_back(ReadUnit(category, unit, result.Units));
    for (std::size_t i = 0; i < pending.size(); ++i) {
        const SourceUnit &unit = *pending[i].Source;
        if (!unit.Reference.empty()) {
            pending[i].Reference = FindReference(result.Units, unit);
            result.Units[i].OriginUnit = result.Units[pending[i].Reference].Name;
        }
    }
    for (std::size_t i = 0; i < pending.size(); ++i) {
        Resolve(pending, result.Units, static_cast<int>(i));
        result.Units[i].Factor = static_cast<long double>(result.Units[i].ExactFactor);
        CheckFactor(result.Name, *pending[i].Source, result.Units[i]);
    }
    if (result.Name == kCurrencyCategory)
        CheckCurrencyCodes(category, result.Units);
    UnitAliases::Compile(category, result);
    return result;
}

std::vector<CompiledCategory> CategoryCompiler::CompileAll(const DataSource &source) {
    std::vector<CompiledCategory> result;
    for (const SourceCategory &category : source.Categories())
        result.push_back(Compile(category));
    return result;
}

void CategoryCompiler::Fill(const std::vector<CompiledCategory> &categories, UnitDatabase &db) {
    for (const CompiledCategory &category : categories) {
        db.AppendCategoryRecord(category.Name, false, false);
        for (const CompiledUnit &unit : category.Units) {
            UnitRecord record;
            record.Name = unit.Name;
            record.OriginUnit = unit.OriginUnit;
            record.Factor = unit.Factor;
            record.DefaultOrder = unit.DefaultOrder;
            db.AppendUnitRecord(category.Name, record, false);
        }
    }
}

} // namespace mensurio
