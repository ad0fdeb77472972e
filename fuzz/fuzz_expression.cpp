// SPDX-License-Identifier: MIT
// Plain arithmetic on arbitrary text. Besides never crashing or hanging, the answer is checked:
// the same text gives the same answer twice, a value written in general notation reads back
// to the same value within its digits, and every text within the limits ends in bounded time.
#include "FuzzCheck.h"

#include "core/engine/ExpressionTree.h"
#include "core/engine/ResultFormatter.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

// Far below libFuzzer's own timeout, far above what the longest text takes: a text within the
// limits that needs longer has found a slow path.
constexpr std::chrono::seconds kTimeBound{3};

bool SameAnswer(const mensurio::EvaluationResult &a, const mensurio::EvaluationResult &b) {
    if (a.failed != b.failed || a.failure != b.failure)
        return false;
    return a.failed || std::memcmp(&a.value, &b.value, 10) == 0; // the 80 bits, so -0 and 0 differ
}

// General notation with all 18 digits, as the result line writes it, read back by the reader the
// value field uses.
void CheckReadsBack(long double value) {
    // Subnormals keep fewer digits than 18; the largest values round up past the range.
    if (!std::isfinite(value) || std::fabs(value) < std::numeric_limits<long double>::min() * 1e20L ||
        std::fabs(value) > std::numeric_limits<long double>::max() / 2)
        return;
    const std::string text = mensurio::FormatGeneral(value, 18, mensurio::NumberSeparators{'.', ','});
    const mensurio::EvaluationResult back = mensurio::EvaluateExpression(text);
    FUZZ_CHECK(!back.failed);
    FUZZ_CHECK(std::fabs(back.value - value) <= std::fabs(value) * 1e-16L);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto start = std::chrono::steady_clock::now();
    const mensurio::EvaluationResult result = mensurio::EvaluateExpression(text);
    FUZZ_CHECK(std::chrono::steady_clock::now() - start < kTimeBound);
    // Faults are reported as failures, so a value that is not a number never comes back.
    FUZZ_CHECK(result.failed || !std::isnan(result.value));
    FUZZ_CHECK(result.failed == (result.failure != mensurio::ExpressionFailure::None));
    if (text.size() > mensurio::kMaxExpressionLength)
        FUZZ_CHECK(result.failure == mensurio::ExpressionFailure::TooLong);
    FUZZ_CHECK(SameAnswer(result, mensurio::EvaluateExpression(text)));
    if (!result.failed)
        CheckReadsBack(result.value);
    return 0;
}
