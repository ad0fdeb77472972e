// SPDX-License-Identifier: MIT
#include "core/engine/Fractions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace mensurio {
namespace {

std::string Text(const std::optional<Fraction> &fraction) {
    return fraction ? MixedNumberText(*fraction) : "none";
}

TEST(Fractions, FractionOfDecimal_givesTheExactDigitsInLowestTerms) {
    const std::pair<const char *, const char *> cases[] = {
        {"0.375", "3/8"},
        {"0.1", "1/10"},
        {"2.5", "2 1/2"},
        {"-2.5e-1", "-1/4"},
        {"+.5", "1/2"},
        {"7.", "7"},
        {"-0", "0"},
        {"0.000", "0"},
        {"1e30", "1000000000000000000000000000000"},
        {"1.5E+2", "150"},
        {"0.3750000000000000000000000000000000000000000", "3/8"}, // trailing zeros cost nothing
        {"0.12345678901234567890123456789012345678",
         "6172839450617283945061728394506172839/50000000000000000000000000000000000000"},
        {"0.123456789012345678901234567890123456789", "none"}, // 39 digits
        {"1e39", "none"},
        {"1e-39", "none"},
        {"1e99999", "none"},
        {"1/2", "none"},
        {"1 000", "none"},
        {"", "none"},
        {".", "none"},
        {"1e", "none"},
        {"1.2.3", "none"},
        {"--1", "none"},
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(Text(FractionOfDecimal(text)), expected) << text;
}

TEST(Fractions, SimplestFractionOf_findsTheFractionTheValueIs) {
    struct Case {
        long double value;
        const char *text;
        bool exact;
    };
    const Case cases[] = {
        {1.0L / 3, "1/3", true},
        {-1.0L / 3, "-1/3", true},
        {0.1L, "1/10", true},
        {0.5L, "1/2", true}, // a power of two: its lower neighbour is nearer
        {0.25L, "1/4", true},
        {22.0L / 7, "3 1/7", true},
        {1.0L / 999999937, "1/999999937", true},
        {1e20L, "100000000000000000000", true},
        {0.0L, "0", true},
        {std::sqrt(2.0L), "1 318281039/768398401", false},
        {1e-12L, "0", false},
        {std::ldexp(1.0L, -31), "0", false}, // below the smallest denominator's reach, not 0 itself
    };
    for (const Case &c : cases) {
        const auto found = SimplestFractionOf(c.value, kMaxFractionDenominator);
        ASSERT_TRUE(found.has_value()) << c.text;
        EXPECT_EQ(MixedNumberText(found->fraction), c.text);
        EXPECT_EQ(found->exact, c.exact) << c.text;
    }
    EXPECT_FALSE(SimplestFractionOf(std::ldexp(1.0L, 200), kMaxFractionDenominator).has_value());
    EXPECT_FALSE(SimplestFractionOf(INFINITY, kMaxFractionDenominator).has_value());
}

// Every p/q with a small denominator, computed in 80 bits, is found again as p/q.
TEST(Fractions, SimplestFractionOf_recoversEveryComputedQuotient) {
    for (std::uint64_t q = 1; q <= 400; ++q) {
        for (std::uint64_t p = 0; p <= 3 * q; p += 1 + q / 50) {
            const long double value = static_cast<long double>(p) / static_cast<long double>(q);
            const auto found = SimplestFractionOf(value, kMaxFractionDenominator);
            ASSERT_TRUE(found && found->exact) << p << "/" << q;
            const Fraction expected = Fraction{false, p, q}.Reduced();
            ASSERT_TRUE(found->fraction.numerator == expected.numerator &&
                        found->fraction.denominator == expected.denominator)
                << p << "/" << q << " gave " << MixedNumberText(found->fraction);
        }
    }
}

// The limit is honoured: a quotient whose denominator lies beyond it gives its nearest
// fraction below the limit, which is not exact.
TEST(Fractions, SimplestFractionOf_respectsTheDenominatorLimit) {
    const auto found = SimplestFractionOf(1.0L / 1000003, 1000000);
    ASSERT_TRUE(found.has_value());
    EXPECT_FALSE(found->exact);
    EXPECT_EQ(MixedNumberText(found->fraction), "1/1000000");
    const auto third = SimplestFractionOf(0.3333L, 10);
    EXPECT_EQ(MixedNumberText(third->fraction), "1/3");
}

TEST(Fractions, NearestMultipleOf_roundsHalfAwayFromZeroAndGivesTheDifference) {
    struct Case {
        const char *value;
        std::uint64_t n;
        const char *multiple;
        const char *difference;
    };
    const Case cases[] = {
        {"0.3", 16, "5/16", "1/80"},
        {"-0.3", 16, "-5/16", "-1/80"},
        {"0.03125", 16, "1/16", "1/32"},
        {"-0.03125", 16, "-1/16", "-1/32"},
        {"0.0312", 16, "0", "-39/1250"},
        {"1.9999", 8, "2", "1/10000"},
        {"5", 64, "5", "0"},
        {"0.5", 3, "2/3", "1/6"},
    };
    for (const Case &c : cases) {
        const auto nearest = NearestMultipleOf(*FractionOfDecimal(c.value), c.n);
        ASSERT_TRUE(nearest.has_value()) << c.value;
        EXPECT_EQ(MixedNumberText(nearest->multiple), c.multiple) << c.value;
        EXPECT_EQ(MixedNumberText(nearest->difference), c.difference) << c.value;
    }
    // 38 digits times 2n no longer fit: the caller falls back to the binary value.
    EXPECT_FALSE(
        NearestMultipleOf(*FractionOfDecimal("99999999999999999999999999999999999999"), 64).has_value());
}

TEST(Fractions, BinaryFractionOf_isTheExactBinaryValueWithinItsRange) {
    EXPECT_EQ(Text(BinaryFractionOf(0.375L)), "3/8");
    EXPECT_EQ(Text(BinaryFractionOf(-1.5L)), "-1 1/2");
    EXPECT_EQ(Text(BinaryFractionOf(0.0L)), "0");
    EXPECT_EQ(BinaryFractionOf(0.1L)->Value(), 0.1L);
    EXPECT_FALSE(BinaryFractionOf(1e-12L).has_value());
    EXPECT_FALSE(BinaryFractionOf(1e20L).has_value());
}

} // namespace
} // namespace mensurio
