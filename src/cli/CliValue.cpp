// SPDX-License-Identifier: MIT
#include "cli/CliValue.h"

#include "cli/CliUsageError.h"
#include "core/db/Cp1252.h"
#include "core/engine/ExpressionTree.h"
#include "core/engine/NumberParser.h"
#include "core/engine/SpecialCategories.h"
#include "core/engine/UnitExpression.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace mensurio {

int PrintTypedValue(std::string_view typedCp1252, const ResultFormatOptions& format, std::ostream& out)
{
    std::string working(typedCp1252);
    std::replace(working.begin(), working.end(), ',', '.');
    long double value = 0; // an empty input field stands for 0
    const ParsedNumber number = ParseNumber(working);
    if (number.overflow) {
        out << kInvalidExpressionMessage << "\n";
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
                out << Cp1252::ToUtf8(UnitExpressionMessage(parsed.code)) << "\n";
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
