// SPDX-License-Identifier: MIT
// The text side of compound input: deleting the terms of deselected units and appending
// templates for newly selected ones (declared in CompoundConversion.h).
#include "core/engine/CompoundConversion.h"

#include <algorithm>
#include <cstddef>

namespace mensurio {

namespace {

// The shadow of the typed text holds the text's bytes (0..255) and, over unit names, one of two
// markers that no typed byte can equal.
using Shadow = std::vector<int>;
constexpr int kKeptName = 256;    // a used unit that is still selected
constexpr int kRemovedName = 257; // a used unit that was deselected

bool IsMarker(int c) {
    return c >= kKeptName;
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

// Characters a term reaches over besides balanced parentheses and exponent signs.
bool IsTermCharacter(int c) {
    return IsDigit(c) || c == ' ' || c == '.' || c == ',' || c == '*' || c == '/' || c == '^' || c == 'e' ||
           c == 'E';
}

// A '+' or '-' at pos that is the sign of an exponent, as in 1.5e-3.
bool IsExponentSign(const Shadow &shadow, std::size_t pos) {
    if (pos < 2 || pos + 1 >= shadow.size())
        return false;
    const int before = shadow[pos - 2];
    return (shadow[pos - 1] == 'e' || shadow[pos - 1] == 'E') && (IsDigit(before) || before == '.') &&
           IsDigit(shadow[pos + 1]);
}

void MarkName(Shadow &shadow, std::string_view name, int marker) {
    if (name.empty())
        return;
    for (std::size_t i = 0; i + name.size() <= shadow.size();) {
        const bool match =
            std::equal(name.begin(), name.end(), shadow.begin() + static_cast<std::ptrdiff_t>(i),
                       [](char a, int b) { return static_cast<unsigned char>(a) == b; });
        if (!match) {
            ++i;
            continue;
        }
        std::fill_n(shadow.begin() + static_cast<std::ptrdiff_t>(i), name.size(), marker);
        i += name.size();
    }
}

enum class Stop { Edge, Operator, Parenthesis, Other };

// Moves left from pos (exclusive) over the term; returns where it stopped.
Stop ScanLeft(const Shadow &shadow, std::size_t &pos) {
    int depth = 0;
    for (; pos > 0; --pos) {
        const int c = shadow[pos - 1];
        if (IsMarker(c))
            return Stop::Other;
        if (c == ')') {
            ++depth;
        } else if (c == '(') {
            if (depth == 0)
                return Stop::Parenthesis;
            --depth;
        } else if (c == '+' || c == '-') {
            if (depth == 0 && !IsExponentSign(shadow, pos - 1))
                return Stop::Operator;
        } else if (!IsTermCharacter(c)) {
            return Stop::Other;
        }
    }
    return Stop::Edge;
}

// Moves right from pos (inclusive) over the term; returns where it stopped.
Stop ScanRight(const Shadow &shadow, std::size_t &pos) {
    int depth = 0;
    for (; pos < shadow.size(); ++pos) {
        const int c = shadow[pos];
        if (IsMarker(c))
            return Stop::Other;
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0)
                return Stop::Parenthesis;
            --depth;
        } else if (c == '+' || c == '-') {
            if (depth == 0 && !IsExponentSign(shadow, pos))
                return Stop::Operator;
        } else if (!IsTermCharacter(c)) {
            return Stop::Other;
        }
    }
    return Stop::Edge;
}

// Deletes the term around the name occupying [nameBegin, nameEnd), with the operator before it.
void DeleteTerm(std::string &text, Shadow &shadow, std::size_t nameBegin, std::size_t nameEnd) {
    std::size_t left = nameBegin;
    std::size_t right = nameEnd;
    Stop leftStop = ScanLeft(shadow, left);
    Stop rightStop = ScanRight(shadow, right);
    // A term wrapped in its own parentheses grows past them, as often as it is wrapped.
    while (leftStop == Stop::Parenthesis && rightStop == Stop::Parenthesis) {
        --left;
        ++right;
        leftStop = ScanLeft(shadow, left);
        rightStop = ScanRight(shadow, right);
    }
    if (leftStop == Stop::Operator)
        --left;
    text.erase(left, right - left);
    shadow.erase(shadow.begin() + static_cast<std::ptrdiff_t>(left),
                 shadow.begin() + static_cast<std::ptrdiff_t>(right));
}

std::string TrimSpaces(std::string text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

std::string RemoveDeselectedUnitTerms(std::string_view text, std::vector<const CategoryUnit *> &usedUnits,
                                      const ListSelection &input) {
    std::string result(text);
    Shadow shadow(result.begin(), result.end());
    std::transform(result.begin(), result.end(), shadow.begin(),
                   [](char c) { return static_cast<int>(static_cast<unsigned char>(c)); });
    for (const CategoryUnit *unit : usedUnits)
        MarkName(shadow, unit->record.Name, input.IsSelected(unit->listIndex) ? kKeptName : kRemovedName);
    std::erase_if(usedUnits, [&](const CategoryUnit *unit) { return !input.IsSelected(unit->listIndex); });

    for (auto found = std::find(shadow.begin(), shadow.end(), kRemovedName); found != shadow.end();
         found = std::find(shadow.begin(), shadow.end(), kRemovedName)) {
        const auto begin = static_cast<std::size_t>(found - shadow.begin());
        const auto end = static_cast<std::size_t>(
            std::find_if(found, shadow.end(), [](int c) { return c != kRemovedName; }) - shadow.begin());
        DeleteTerm(result, shadow, begin, end);
    }

    const std::size_t first = result.find_first_not_of(' ');
    if (first != std::string::npos && result[first] == '+')
        result.erase(first, 1);
    return TrimSpaces(std::move(result));
}

std::string AppendUnitTemplates(std::string_view text, std::span<const CategoryUnit> categoryUnits,
                                std::span<const CategoryUnit *const> usedUnits, const ListSelection &input,
                                CompoundStyle style) {
    std::vector<const CategoryUnit *> newUnits;
    for (const CategoryUnit &unit : categoryUnits) {
        const bool used = std::find(usedUnits.begin(), usedUnits.end(), &unit) != usedUnits.end();
        if (input.IsSelected(unit.listIndex) && !used)
            newUnits.push_back(&unit);
    }
    std::stable_sort(newUnits.begin(), newUnits.end(), [](const CategoryUnit *a, const CategoryUnit *b) {
        return a->listIndex < b->listIndex;
    });

    std::string templates;
    for (const CategoryUnit *unit : newUnits) {
        const bool first = unit == newUnits.front() && usedUnits.empty();
        const std::string &name = unit->record.Name;
        if (style == CompoundStyle::UnitFirst)
            templates += (first ? "" : " + ") + name + " (0)";
        else if (style == CompoundStyle::PlainValue)
            templates += (first ? "0 " : " + 0 ") + name;
        else
            templates += (first ? "(0) " : " + (0) ") + name;
    }
    std::string result(text);
    const std::size_t last = result.find_last_not_of(' ');
    result.erase(last == std::string::npos ? 0 : last + 1);
    return result + templates;
}

} // namespace mensurio
