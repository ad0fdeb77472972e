// SPDX-License-Identifier: MIT
// A split of a negative value is the mirror of the split of the positive one.
#include "core/engine/CompoundConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace mensurio {
namespace {

constexpr long double kMile = 1609.344L;
constexpr long double kYard = 0.9144L;
constexpr long double kFoot = 0.3048L;
constexpr long double kInch = 0.0254L;

std::vector<long double> negated(std::vector<long double> values) {
    for (long double &value : values)
        value = -value;
    return values;
}

struct MirrorCase {
    const char *name;
    std::vector<long double> values;
    std::vector<long double> parts; // the split of the values as given; their negation splits to -parts
};

class NegativeSplit : public ::testing::TestWithParam<MirrorCase> {};

TEST_P(NegativeSplit, SplitCompound_negativeValue_givesNegatedParts) {
    const std::vector<long double> factors = GetParam().name[0] == 'T'
                                                 ? std::vector<long double>{3600, 60, 1}
                                                 : std::vector{kMile, kYard, kFoot, kInch};
    const std::vector<long double> positive = SplitCompound(GetParam().values, factors, false);
    const std::vector<long double> negative = SplitCompound(negated(GetParam().values), factors, false);
    ASSERT_EQ(positive.size(), GetParam().parts.size());
    for (std::size_t i = 0; i < positive.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(positive[i]), static_cast<double>(GetParam().parts[i]), 1e-9) << i;
        EXPECT_EQ(negative[i], -positive[i]) << i;
        EXPECT_FALSE(std::signbit(negative[i]) && negative[i] == 0) << "part " << i << " shows as -0";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NegativeSplit,
                         ::testing::Values(MirrorCase{"Time 1.3 hour", {1.3L * 3600}, {1, 18, 0}},
                                           MirrorCase{"Time 2.7 hour", {2.7L * 3600}, {2, 42, 0}},
                                           MirrorCase{"Length 3 yard", {3 * kYard}, {0, 3, 0, 0}},
                                           MirrorCase{"Length 1 foot 1 inch", {kFoot, kInch}, {0, 0, 1, 1}},
                                           MirrorCase{
                                               "Length foot minus inch", {kFoot, -kInch}, {0, 0, 0, 11}}));

// Values of the same kind as typed ones (a few decimals, small whole numbers of a unit, sums of
// terms) in both forms and over several unit sets.
TEST(NegativeSplit, SplitCompound_manyValuesBothForms_negationMirrorsEveryPart) {
    const std::vector<std::vector<long double>> unitSets = {
        {3600, 60, 1}, {kMile, kYard, kFoot, kInch}, {kYard, kFoot}, {1000, 1, 0.001L}, {0.001L, 100}};
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> digits(0, 99999);
    std::uniform_int_distribution<int> termCount(1, 3);
    for (int round = 0; round < 4000; ++round) {
        const std::vector<long double> &factors = unitSets[static_cast<std::size_t>(round) % unitSets.size()];
        const bool inverse = round % 2 == 1;
        std::vector<long double> values;
        for (int t = termCount(random); t > 0; --t) {
            const long double amount = digits(random) / (round % 3 == 0 ? 10.0L : 1000.0L);
            const long double factor = factors[static_cast<std::size_t>(digits(random)) % factors.size()];
            const long double sign = digits(random) % 4 == 0 ? -1 : 1;
            values.push_back(inverse ? sign * amount / factor : sign * amount * factor);
        }
        const std::vector<long double> positive = SplitCompound(values, factors, inverse);
        const std::vector<long double> negative = SplitCompound(negated(values), factors, inverse);
        for (std::size_t i = 0; i < positive.size(); ++i)
            ASSERT_EQ(negative[i], -positive[i]) << "round " << round << " part " << i;
    }
}

} // namespace
} // namespace mensurio
