// SPDX-License-Identifier: MIT
#include "core/engine/CompoundConversion.h"

#include "core/engine/CheckedArithmetic.h"
#include "core/engine/SpecialCategories.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace mensurio {

namespace {

// The extended value nearest to 1.0000000000000001: a value this close below a whole number
// counts as that number, so a split never shows 0.99999... with the rest carried onward.
constexpr long double kNearWhole = 1.0000000000000001L;

// A remainder smaller than this fraction of its value is dropped.
constexpr long double kNegligibleRatio = 1e12L;

long double Int(long double x) {
    return std::trunc(x);
}

// Int(x), or the next whole number away from zero when x lies a hair short of it; a negative value
// is the mirror of its positive counterpart, so a split of -x is the split of x negated.
long double WholeCountingNearMisses(long double x) {
    const long double whole = Int(x);
    const long double next = x < 0 ? whole - 1 : whole + 1;
    if (Int(CheckedMultiply(x, kNearWhole)) == next)
        return next;
    return whole;
}

// Converting to and from a unit's scale: multiply by the factor in the normal form, divide in the
// inverse form (and the other way round for ToUnit).
struct Scale {
    bool inverse = false;
    long double ToBase(long double x, long double factor) const {
        return inverse ? CheckedDivide(x, factor) : CheckedMultiply(x, factor);
    }
    long double ToUnit(long double x, long double factor) const {
        return inverse ? CheckedMultiply(x, factor) : CheckedDivide(x, factor);
    }
};

void Distribute(long double value, std::span<const long double> f, const Scale &scale,
                std::vector<long double> &parts) {
    const std::size_t n = f.size();
    long double x = scale.ToUnit(value, f[0]);
    for (std::size_t i = 1;; ++i) {
        if (i == n) {
            parts[n - 1] = CheckedAdd(parts[n - 1], x);
            return;
        }
        if (const long double whole = WholeCountingNearMisses(x); whole != Int(x))
            x = whole;
        parts[i - 1] = CheckedAdd(parts[i - 1], Int(x));
        x = scale.ToBase(CheckedSubtract(x, Int(x)), f[i - 1]);
        if (x == 0)
            return;
        if (CheckedDivide(value, x) > kNegligibleRatio)
            return;
        x = scale.ToUnit(x, f[i]);
    }
}

// Makes part i a whole number by moving what the separate values left over into the smaller units.
void Carry(std::size_t i, std::span<const long double> f, const Scale &scale,
           std::vector<long double> &parts) {
    const std::size_t n = f.size();
    long double sum = 0;
    for (std::size_t j = i; j < n; ++j)
        sum = CheckedAdd(sum, scale.ToBase(parts[j], f[j]));
    const long double m = WholeCountingNearMisses(scale.ToUnit(sum, f[i]));
    long double partial = 0;
    std::size_t k = n - 1;
    for (std::size_t j = i; j < n; ++j) {
        partial = CheckedAdd(partial, scale.ToBase(parts[j], f[j]));
        if (Int(scale.ToUnit(partial, f[i])) == m) {
            k = j;
            break;
        }
    }
    parts[i] = m;
    for (std::size_t j = i + 1; j < k; ++j)
        parts[j] = 0;
    const long double rest = CheckedSubtract(partial, scale.ToBase(m, f[i]));
    if (k == i)
        parts[i + 1] = CheckedAdd(parts[i + 1], scale.ToUnit(rest, f[i + 1]));
    else
        parts[k] = scale.ToUnit(rest, f[k]);
}

} // namespace

SelectedOutputs SelectOutputs(std::span<const CategoryUnit *const> outputOrder, const ListSelection &output,
                              bool checkInverse) {
    SelectedOutputs selected;
    for (const CategoryUnit *unit : outputOrder) {
        if (output.IsSelected(unit->listIndex))
            selected.units.push_back(unit);
    }
    if (!checkInverse || selected.units.empty())
        return selected;
    selected.outputInverse = selected.units.front()->inverse;
    selected.mixed = std::any_of(selected.units.begin(), selected.units.end(), [&](const CategoryUnit *unit) {
        return unit->inverse != selected.outputInverse;
    });
    if (selected.mixed)
        selected.outputInverse = false;
    return selected;
}

std::vector<long double> SplitCompound(std::span<const long double> values,
                                       std::span<const long double> factors, bool inverseForm) {
    const std::size_t n = factors.size();
    std::vector<long double> parts(n, 0.0L);
    if (n == 0)
        return parts;
    const Scale scale{inverseForm};
    for (long double value : values)
        Distribute(value, factors, scale, parts);
    for (std::size_t i = 0; i + 1 < n; ++i)
        Carry(i, factors, scale, parts);
    for (long double &part : parts) {
        if (part == 0)
            part = 0.0L; // a part of a negative value that came to nothing is shown as 0, not -0
    }
    return parts;
}

void CarryShownParts(std::vector<long double> &parts, std::span<const long double> factors, bool inverseForm,
                     const ResultFormatOptions &format) {
    const Scale scale{inverseForm};
    for (std::size_t i = std::min(parts.size(), factors.size()); i-- > 1;) {
        const long double shown = ShownValue(parts[i], format);
        const long double oneLarger = scale.ToUnit(scale.ToBase(1.0L, factors[i - 1]), factors[i]);
        // The residue rule of CheckedSubtract lets 12 inch equal the 12.000000000000000001 inch
        // that a foot comes to in binary.
        if (!std::isfinite(shown) || CheckedSubtract(std::fabs(shown), oneLarger) < 0)
            continue;
        const long double sign = shown < 0 ? -1.0L : 1.0L;
        parts[i - 1] = CheckedAdd(parts[i - 1], sign);
        // The rest of what was shown: 11.99999999999 inch shown as 12 leaves 0, not -1E-11.
        parts[i] = CheckedSubtract(shown, sign * oneLarger);
        if (ShownValue(parts[i], format) == 0)
            parts[i] = 0.0L;
    }
}

CompoundTexts RenderCompound(std::span<const CategoryUnit *const> units, std::span<const long double> parts,
                             CompoundStyle style, const ResultFormatOptions &format) {
    const bool unitFirst = style == CompoundStyle::UnitFirst;
    const std::string open = style == CompoundStyle::PlainValue ? "" : "(";
    const std::string close = style == CompoundStyle::PlainValue ? "" : ")";
    const bool withPlain = format.resultFormat == ResultFormat::FixedThousands;
    CompoundTexts texts;
    const auto append = [&](std::string &out, const std::string &name, const std::string &value) {
        if (unitFirst)
            out += name + " " + open + value + close;
        else
            out += open + value + close + " " + name;
    };
    for (std::size_t i = 0; i < units.size() && i < parts.size(); ++i) {
        if (i > 0) {
            texts.text += " + ";
            if (withPlain)
                texts.plainText += " + ";
        }
        append(texts.text, units[i]->record.Name, FormatResult(parts[i], false, format));
        if (withPlain)
            append(texts.plainText, units[i]->record.Name, FormatFixed(parts[i], format));
    }
    return texts;
}

CompoundTexts CompoundOutput(std::vector<long double> inputValues, bool inputInverse,
                             const SelectedOutputs &outputs, CompoundStyle style,
                             const ResultFormatOptions &format) {
    if (outputs.outputInverse != inputInverse) {
        for (long double &value : inputValues)
            value = FiniteReciprocal(value);
    }
    std::vector<long double> factors;
    factors.reserve(outputs.units.size());
    for (const CategoryUnit *unit : outputs.units)
        factors.push_back(unit->record.Factor);
    std::vector<long double> parts = SplitCompound(inputValues, factors, outputs.outputInverse);
    CarryShownParts(parts, factors, outputs.outputInverse, format);
    return RenderCompound(outputs.units, parts, style, format);
}

ListSelection SyncInputSelection(const ListSelection &input, bool compound,
                                 std::span<const CategoryUnit *const> usedUnits) {
    ListSelection synced = input;
    // A half-typed expression ("5*") fails to parse and names no unit; wiping the user's
    // selection then would leave "no unit selected" once the expression is complete.
    if (compound && usedUnits.empty())
        return synced;
    if (compound) {
        std::fill(synced.selected.begin(), synced.selected.end(), false);
        for (const CategoryUnit *unit : usedUnits)
            synced.Select(unit->listIndex, true);
        return synced;
    }
    if (input.SelectedCount() < 2)
        return synced;
    const int lowest = input.LowestSelected();
    synced.current = lowest;
    for (int row = lowest + 1; row < synced.RowCount(); ++row)
        synced.Select(row, false);
    return synced;
}

} // namespace mensurio
