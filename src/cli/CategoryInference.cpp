// SPDX-License-Identifier: MIT
#include "cli/CategoryInference.h"

#include "cli/CategoryGuesser.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"

#include <algorithm>
#include <cstddef>

namespace mensurio {

std::optional<std::string> CategoryInference::ResolveCategory(const UnitDatabase &database,
                                                              std::string_view name) {
    const std::string wanted = UnitDatabase::CutName(name);
    const auto &categories = database.Categories();
    for (const CategoryRecord &c : categories) {
        if (c.Name == wanted)
            return c.Name;
    }
    for (const CategoryRecord &c : categories) {
        if (UnitDatabase::SameNameIgnoringCase(c.Name, wanted))
            return c.Name;
    }
    return std::nullopt;
}

int CategoryInference::ResolveUnit(const std::vector<UnitRecord> &rows, std::string_view name) {
    const std::string wanted = UnitDatabase::CutName(name);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Name == wanted)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (UnitDatabase::SameNameIgnoringCase(rows[i].Name, wanted))
            return static_cast<int>(i);
    }
    return -1;
}

bool CategoryInference::IsPlainValue(std::string_view expression) {
    std::string working(expression);
    std::replace(working.begin(), working.end(), ',', '.');
    if (working.empty())
        return true;
    const ParsedNumber number = ParseNumber(working);
    return number.ok || number.overflow || !EvaluateExpression(working).failed;
}

std::optional<std::string> CategoryInference::Infer(const UnitDatabase &database, UnitListOptions options,
                                                    std::string_view expression,
                                                    const std::vector<std::string> &unitNames) {
    return CategoryGuesser(database, options, unitNames).Infer(expression);
}

} // namespace mensurio
