// SPDX-License-Identifier: MIT
// Plain arithmetic on arbitrary text: a value or a failure, never a crash or a hang.
#include "FuzzCheck.h"

#include "core/engine/ExpressionTree.h"

#include <cmath>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const mensurio::EvaluationResult result = mensurio::EvaluateExpression(text);
    // Faults are reported as failures, so a value that is not a number never comes back.
    FUZZ_CHECK(result.failed || !std::isnan(result.value));
    return 0;
}
