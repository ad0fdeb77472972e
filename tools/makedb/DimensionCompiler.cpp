// SPDX-License-Identifier: MIT
#include "tools/makedb/DimensionCompiler.h"

#include "core/db/Cp1252.h"
#include "core/engine/CategoryKind.h"
#include "tools/makedb/SourceError.h"
#include "tools/makedb/SourceText.h"
#include "tools/makedb/ValueExpression.h"

#include <quadmath.h>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace mensurio {

namespace {

using Quad = __float128;

// The symbols of the dimension slots, in slot order; the temperature symbol is the Greek
// capital theta in UTF-8.
constexpr std::array<std::string_view, kDimensionSlots> SlotSymbols = {
    "L", "M", "T", "I", "\xCE\x98", "N", "J", "angle", "solidangle", "bit"};
constexpr std::string_view NoDimension = "none";
constexpr std::string_view DimensionOne = "1";
constexpr std::string_view PreferredMark = "preferred";
constexpr int MaxExponent = 99;
constexpr const char *ExpectedForm =
    "expected 'dimension: <exponents> | <SI value of the base unit>', optionally "
    "followed by '| preferred', or 'dimension: none'";

// The parts of text between separators, trimmed; with keepEmpty false, empty parts are dropped
// (words separated by runs of spaces).
std::vector<std::string_view> Split(std::string_view text, char separator, bool keepEmpty) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        const std::string_view part = TrimSourceText(text.substr(0, end));
        if (keepEmpty || !part.empty())
            parts.push_back(part);
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

[[noreturn]] void Fail(const SourceCategory &category, const std::string &message) {
    throw SourceError(category.File, category.DimensionLine, message);
}

int FindSlot(std::string_view symbol) {
    for (std::size_t slot = 0; slot < SlotSymbols.size(); ++slot) {
        if (SlotSymbols[slot] == symbol)
            return static_cast<int>(slot);
    }
    return -1;
}

// A whole exponent with an optional sign, 1 to MaxExponent in magnitude.
bool ReadExponent(std::string_view text, int &exponent) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return false;
    int magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size() || magnitude == 0 || magnitude > MaxExponent)
        return false;
    exponent = negative ? -magnitude : magnitude;
    return true;
}

void ReadExponents(std::string_view field, const SourceCategory &category, CompiledDimension &dimension) {
    std::string spaced(field);
    std::replace(spaced.begin(), spaced.end(), '\t', ' ');
    const std::vector<std::string_view> words = Split(spaced, ' ', false);
    if (words.empty())
        Fail(category, "no exponents before the SI value; " + std::string(ExpectedForm));
    if (words.size() == 1 && words[0] == DimensionOne)
        return;
    std::array<bool, kDimensionSlots> seen{};
    for (const std::string_view word : words) {
        const std::size_t caret = word.find('^');
        const std::string symbol(word.substr(0, caret));
        if (symbol.empty())
            Fail(category, "exponent '" + std::string(word) + "' without a symbol before it");
        if (symbol == DimensionOne)
            Fail(category, "'1' stands alone, for a quantity of dimension one");
        const int slot = FindSlot(symbol);
        if (slot < 0)
            Fail(category, "unknown dimension symbol '" + symbol +
                               "'; the symbols are L M T I \xCE\x98 N J angle solidangle bit");
        if (seen[slot])
            Fail(category, "dimension symbol '" + symbol + "' given twice");
        int exponent = 1;
        if (caret != std::string_view::npos && !ReadExponent(word.substr(caret + 1), exponent))
            Fail(category, "bad exponent in '" + std::string(word) + "': a whole number from -" +
                               std::to_string(MaxExponent) + " to " + std::to_string(MaxExponent) +
                               ", not 0");
        seen[slot] = true;
        dimension.Exponents[slot] = exponent;
    }
}

void ReadSiValue(std::string_view field, const SourceCategory &category, CompiledDimension &dimension) {
    std::string error;
    if (!ValueExpression::Evaluate(field, dimension.ExactBaseInSi, error))
        Fail(category, "malformed SI value '" + std::string(field) + "': " + error);
    if (!(dimension.ExactBaseInSi > 0) || isinfq(dimension.ExactBaseInSi))
        Fail(category, "the SI value of the base unit must be positive and finite");
    dimension.SiValueText = field;
    dimension.BaseInSi = static_cast<long double>(dimension.ExactBaseInSi);
    if (std::isinf(dimension.BaseInSi) || std::fpclassify(dimension.BaseInSi) != FP_NORMAL)
        Fail(category, "SI value outside the range of the 80-bit format");
}

void ReadNone(const std::vector<std::string_view> &fields, const SourceCategory &category) {
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (fields[i] == PreferredMark)
            Fail(category, "'preferred' on a category without a dimension ('none')");
    }
    if (fields.size() > 1)
        Fail(category, "'none' takes no SI value");
}

std::string CategoryList(const std::vector<CompiledDimension> &dimensions,
                         const std::vector<std::size_t> &group) {
    std::string text;
    for (const std::size_t index : group)
        text += (text.empty() ? "'" : ", '") + dimensions[index].Utf8Category + "'";
    return text;
}

// Marks the preferred category of the dimension of dimensions[first] and of every later
// category with the same exponents; done records them.
void ResolveGroup(std::vector<CompiledDimension> &dimensions, std::size_t first, std::vector<bool> &done) {
    std::vector<std::size_t> group;
    std::vector<std::size_t> marked;
    for (std::size_t i = first; i < dimensions.size(); ++i) {
        if (!dimensions[i].Proportional || dimensions[i].Exponents != dimensions[first].Exponents)
            continue;
        group.push_back(i);
        done[i] = true;
        if (dimensions[i].MarkedPreferred)
            marked.push_back(i);
    }
    const std::string dimensionText = DimensionCompiler::Text(dimensions[first]);
    if (group.size() == 1) {
        dimensions[first].Preferred = true;
        return;
    }
    if (marked.empty())
        throw SourceError(dimensions[first].File, dimensions[first].Line,
                          "categories " + CategoryList(dimensions, group) + " share the dimension " +
                              dimensionText + "; mark exactly one of them 'preferred'");
    if (marked.size() > 1) {
        const CompiledDimension &earlier = dimensions[marked[0]];
        const CompiledDimension &later = dimensions[marked[1]];
        throw SourceError(later.File, later.Line,
                          "'" + later.Utf8Category + "' is marked 'preferred', but so is '" +
                              earlier.Utf8Category + "' (" + earlier.File + ":" +
                              std::to_string(earlier.Line) + ") of the same dimension " + dimensionText);
    }
    dimensions[marked[0]].Preferred = true;
}

} // namespace

CompiledDimension DimensionCompiler::Compile(const SourceCategory &category) {
    CompiledDimension dimension;
    dimension.Utf8Category = category.Name;
    dimension.File = category.File;
    dimension.Line = category.DimensionLine;
    if (!Cp1252::TryFromUtf8(category.Name, dimension.Category))
        throw SourceError(category.File, category.Line,
                          "category name '" + category.Name +
                              "' holds a character that Windows-1252 cannot hold");
    if (category.DimensionLine == 0)
        throw SourceError(category.File, category.Line,
                          "category '" + category.Name +
                              "' has no 'dimension:' line; write one before its units");
    const std::vector<std::string_view> fields = Split(category.Dimension, '|', true);
    if (fields[0] == NoDimension) {
        ReadNone(fields, category);
        return dimension;
    }
    if (CategoryKindOf(dimension.Category) != CategoryKind::Ordinary)
        Fail(category, "the converter does not convert '" + category.Name +
                           "' by factors alone, so it takes part in no products: write 'dimension: none'");
    if (fields.size() < 2 || fields.size() > 3)
        Fail(category, ExpectedForm);
    ReadExponents(fields[0], category, dimension);
    ReadSiValue(fields[1], category, dimension);
    if (fields.size() == 3) {
        if (fields[2] != PreferredMark)
            Fail(category,
                 "unknown mark '" + std::string(fields[2]) + "'; only 'preferred' may follow the SI value");
        dimension.MarkedPreferred = true;
    }
    dimension.Proportional = true;
    return dimension;
}

std::vector<CompiledDimension> DimensionCompiler::CompileAll(const DataSource &source) {
    std::vector<CompiledDimension> result;
    for (const SourceCategory &category : source.Categories())
        result.push_back(Compile(category));
    std::vector<bool> done(result.size(), false);
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (result[i].Proportional && !done[i])
            ResolveGroup(result, i, done);
    }
    return result;
}

std::string DimensionCompiler::Text(const CompiledDimension &dimension) {
    if (!dimension.Proportional)
        return std::string(NoDimension);
    std::string text;
    for (std::size_t slot = 0; slot < SlotSymbols.size(); ++slot) {
        const int exponent = dimension.Exponents[slot];
        if (exponent == 0)
            continue;
        text += (text.empty() ? "" : " ") + std::string(SlotSymbols[slot]);
        if (exponent != 1)
            text += "^" + std::to_string(exponent);
    }
    return text.empty() ? std::string(DimensionOne) : text;
}

} // namespace mensurio
