// SPDX-License-Identifier: MIT
#include "cli/CliValue.h"

#include "cli/CliUsageError.h"
#include "cli/PrintableText.h"
#include "core/db/Cp1252.h"
#include "core/engine/EverydayInput.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/NumberSystems.h"
#include "core/engine/SpecialCategories.h"
#include "core/engine/UnitExpression.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace mensurio {

int PrintTypedValue(std::string_view typed, const ResultFormatOptions &format, std::ostream &out) {
    // Mixed numbers, digit groups and the refusals of ambiguous groupings and numbers side by
    // side apply here as in any category; a word is a unit that no category has.
    const EverydayInput everyday = ReadEverydayInput(typed, {}, UnitAliases(), format.separators.decimal);
    if (!everyday.message.empty()) {
        out << PrintableText::FromCp1252(everyday.message) << "\n";
        return kExitMessage;
    }
    const std::string_view typedCp1252 = everyday.text;
    std::string working(typedCp1252);
    std::replace(working.begin(), working.end(), ',', '.');
    long double value = 0; // an empty input field stands for 0
    const ParsedNumber number = ParseNumber(working);
    if (number.overflow) {
        out << kResultTooLargeMessage << "\n";
        return kExitMessage;
    }
    if (number.ok) {
        value = number.value;
    } else if (!working.empty()) {
        const EvaluationResult plain = EvaluateExpression(working);
        if (plain.failed) {
            // Spaces, implicit products and commas as decimal points: "1 000", "2(3)", "1,5 * 2".
            const UnitExpressionResult parsed = ParseUnitExpression(typedCp1252, {}, false, false);
            if (parsed.code != 0) {
                out << PrintableText::FromCp1252(UnitExpressionMessage(parsed.code)) << "\n";
                return kExitMessage;
            }
            value = parsed.total;
        } else {
            value = plain.value;
        }
    }
    out << Cp1252::ToUtf8(FormatResult(value, false, format)) << "\n";
    return kExitResult;
}

} // namespace mensurio
