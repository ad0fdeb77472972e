// SPDX-License-Identifier: MIT
#include "core/engine/ResultFormatter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace mensurio {
namespace {

constexpr NumberSeparators kPointComma{'.', ','};
constexpr NumberSeparators kCommaPoint{',', '.'};

// The expected text for the comma/point locale: the two separators trade places.
std::string SwapSeparators(std::string text) {
    for (char &c : text) {
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
    }
    return text;
}

using enum ResultFormat;

constexpr ResultFormat kEveryFormat[] = {Auto, Scientific, Fixed, FixedThousands};

struct FormatCase {
    long double value;
    ResultFormat resultFormat;
    int decimalPlaces;
    const char *expected; // with the point as decimal and the comma as thousands separator
};

std::ostream &operator<<(std::ostream &os, const FormatCase &c) {
    return os << "format " << static_cast<int>(c.resultFormat) << ", places " << c.decimalPlaces
              << ", expecting " << c.expected;
}

class FormatResultTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTable, FormatResult_pointCommaLocale_matchesTable) {
    const FormatCase &c = GetParam();
    const ResultFormatOptions options{c.resultFormat, c.decimalPlaces, kPointComma};
    EXPECT_EQ(FormatResult(c.value, false, options), c.expected);
}

TEST_P(FormatResultTable, FormatResult_commaPointLocale_swapsSeparators) {
    const FormatCase &c = GetParam();
    const ResultFormatOptions options{c.resultFormat, c.decimalPlaces, kCommaPoint};
    EXPECT_EQ(FormatResult(c.value, false, options), SwapSeparators(c.expected));
}

const FormatCase kAutoFormatCases[] = {
    {1234.5678L, Auto, 9, "1234.5678"},
    {9999999999.0L, Auto, 9, "9999999999"},
    {9999999999.5L, Auto, 9, "1E10"},
    {1e10L, Auto, 9, "1E10"},
    {123456789012.0L, Auto, 9, "1.23456789E11"},
    {12345678905.0L, Auto, 9, "1.234567891E10"},
    {-12345678905.0L, Auto, 9, "-1.234567891E10"},
    {0.0001L, Auto, 9, "0.0001"},
    {0.00009L, Auto, 9, "9E-5"},
    {0.000099999999999L, Auto, 9, "0.0001"},
    {0.00012345L, Auto, 9, "0.00012345"},
    {1.5e20L, Auto, 9, "1.5E20"},
    {-2.5e-7L, Auto, 9, "-2.5E-7"},
    {1e-300L, Auto, 9, "1E-300"},
    {1e4000L, Auto, 9, "1E4000"},
    {0.0L, Auto, 9, "0"},
    {-0.0L, Auto, 9, "0"},
    {100.0L, Auto, 9, "100"},
    {1e9L, Auto, 9, "1000000000"},
    {-1234.5L, Auto, 9, "-1234.5"},
    {1.0L / 3.0L, Auto, 9, "0.3333333333"},
    {2.0L / 3.0L, Auto, 9, "0.6666666667"},
    {0.99999999999L, Auto, 9, "1"},
    {0.05L, Auto, 3, "0.05"},
};
INSTANTIATE_TEST_SUITE_P(AutoFormat, FormatResultTable, ::testing::ValuesIn(kAutoFormatCases));

const FormatCase kScientificCases[] = {
    {1234.5678L, Scientific, 0, "1.2E+003"},
    {1234.5678L, Scientific, 1, "1.2E+003"},
    {1234.5678L, Scientific, 2, "1.2E+003"},
    {1234.5678L, Scientific, 9, "1.23456780E+003"},
    {1234.5678L, Scientific, 12, "1.23456780000E+003"},
    {0.0L, Scientific, 0, "0.0E+000"},
    {0.0L, Scientific, 2, "0.0E+000"},
    {-0.0L, Scientific, 1, "0.0E+000"},
    {0.0L, Scientific, 5, "0.0000E+000"},
    {-0.00012345L, Scientific, 3, "-1.23E-004"},
    {9.96L, Scientific, 2, "1.0E+001"},
    {1.25L, Scientific, 2, "1.3E+000"},
    {-1.25L, Scientific, 2, "-1.3E+000"},
    {1.5e20L, Scientific, 4, "1.500E+020"},
    {1e4000L, Scientific, 2, "1.0E+4000"},
    {1e-4000L, Scientific, 3, "1.00E-4000"},
    {999.95L, Scientific, 4, "1.000E+003"},
};
INSTANTIATE_TEST_SUITE_P(Scientific, FormatResultTable, ::testing::ValuesIn(kScientificCases));

const FormatCase kFixedCases[] = {
    {1234.5678L, Fixed, 2, "1234.57"},
    {1234.5678L, Fixed, 0, "1235"},
    {2.5L, Fixed, 0, "3"},
    {0.5L, Fixed, 0, "1"},
    {-0.4L, Fixed, 0, "-0"},
    {-2.5L, Fixed, 0, "-3"},
    {0.0L, Fixed, 2, "0.00"},
    {-0.0L, Fixed, 2, "0.00"},
    {-0.004L, Fixed, 2, "-0.00"},
    {-0.005L, Fixed, 2, "-0.01"},
    {-0.0001L, Fixed, 2, "0.00"},
    {-0.0009L, Fixed, 2, "0.00"},
    {0.0049L, Fixed, 2, "0.00"},
    {0.006L, Fixed, 2, "0.01"},
    {1.005L, Fixed, 2, "1.01"},
    {0.125L, Fixed, 2, "0.13"},
    {9.999L, Fixed, 2, "10.00"},
    {1e-10L, Fixed, 12, "0.000000000100"},
    {1.0L / 3.0L, Fixed, 12, "0.333333333333"},
    {1234567.5L, Fixed, 1, "1234567.5"},
    {123456789012345678.0L, Fixed, 2, "123456789012345678.00"},
    {999999999999999999.0L, Fixed, 0, "999999999999999999"},
    {1e18L, Fixed, 2, "1E18"},
    {1.5e20L, Fixed, 2, "1.5E20"},
    {-1.5e20L, Fixed, 2, "-1.5E20"},
    {1e4000L, Fixed, 2, "1E4000"},
};
INSTANTIATE_TEST_SUITE_P(Fixed, FormatResultTable, ::testing::ValuesIn(kFixedCases));

const FormatCase kThousandsCases[] = {
    {1234567.89987654321L, FixedThousands, 2, "1,234,567.90"},
    {1234.5678L, FixedThousands, 2, "1,234.57"},
    {999.995L, FixedThousands, 2, "1,000.00"},
    {-1234567.0L, FixedThousands, 0, "-1,234,567"},
    {123.0L, FixedThousands, 0, "123"},
    {123456.0L, FixedThousands, 1, "123,456.0"},
    {0.5L, FixedThousands, 0, "1"},
    {-0.004L, FixedThousands, 2, "-0.00"},
    {-0.0001L, FixedThousands, 2, "0.00"},
    {123456789012345678.0L, FixedThousands, 0, "123,456,789,012,345,678"},
    {1.5e20L, FixedThousands, 2, "1.5E20"},
};
INSTANTIATE_TEST_SUITE_P(Thousands, FormatResultTable, ::testing::ValuesIn(kThousandsCases));

// Decimal places outside 0..12 behave as 9, in every format that uses them.
const FormatCase kOutOfRangePlacesCases[] = {
    {1234.5678L, Scientific, -1, "1.23456780E+003"},   {1234.5678L, Scientific, 13, "1.23456780E+003"},
    {1.0L / 3.0L, Fixed, 13, "0.333333333"},           {1.0L / 3.0L, Fixed, -5, "0.333333333"},
    {1234.5L, FixedThousands, 100, "1,234.500000000"},
};
INSTANTIATE_TEST_SUITE_P(OutOfRangePlaces, FormatResultTable, ::testing::ValuesIn(kOutOfRangePlacesCases));

// Non-finite values. (A ReNumber that no format has reads as AutoFormat: ProgramSettingsTest.)
const FormatCase kSpecialCases[] = {
    {std::numeric_limits<long double>::infinity(), Auto, 9, "INF"},
    {-std::numeric_limits<long double>::infinity(), Scientific, 2, "-INF"},
    {std::numeric_limits<long double>::infinity(), Fixed, 2, "INF"},
    {-std::numeric_limits<long double>::infinity(), FixedThousands, 2, "-INF"},
    {std::numeric_limits<long double>::quiet_NaN(), Auto, 9, "NAN"},
    {-std::numeric_limits<long double>::quiet_NaN(), Fixed, 2, "NAN"},
    {std::numeric_limits<long double>::quiet_NaN(), FixedThousands, 2, "NAN"},
    {std::numeric_limits<long double>::quiet_NaN(), Scientific, 2, "NAN"},
};
INSTANTIATE_TEST_SUITE_P(Special, FormatResultTable, ::testing::ValuesIn(kSpecialCases));

TEST(FormatResult, FormatResult_forceGeneral_ignoresResultFormat) {
    for (const ResultFormat format : kEveryFormat) {
        const ResultFormatOptions options{format, 2, kPointComma};
        EXPECT_EQ(FormatResult(1234.5678L, true, options), "1234.5678") << static_cast<int>(format);
        EXPECT_EQ(FormatResult(123456789012.0L, true, options), "1.23456789E11") << static_cast<int>(format);
    }
}

TEST(FormatResult, FormatFixed_anyResultFormat_writesPlainFixed) {
    for (const ResultFormat format : kEveryFormat) {
        const ResultFormatOptions options{format, 2, kPointComma};
        EXPECT_EQ(FormatFixed(1234567.891L, options), "1234567.89") << static_cast<int>(format);
    }
    EXPECT_EQ(FormatFixed(1234567.891L, {FixedThousands, 13, kCommaPoint}), "1234567,891000000");
    EXPECT_EQ(FormatFixed(-0.004L, {FixedThousands, 2, kPointComma}), "-0.00");
}

TEST(FormatResult, FormatResult_otherSeparators_usesThemAsGiven) {
    const NumberSeparators spaceComma{',', static_cast<char>(160)};
    EXPECT_EQ(FormatResult(1234567.5L, false, {FixedThousands, 1, spaceComma}), "1\xA0"
                                                                                "234\xA0"
                                                                                "567,5");
    const NumberSeparators apostrophePoint{'.', '\''};
    EXPECT_EQ(FormatResult(-9876543.21L, false, {FixedThousands, 2, apostrophePoint}), "-9'876'543.21");
    EXPECT_EQ(FormatResult(0.00009L, false, {Auto, 9, spaceComma}), "9E-5");
    EXPECT_EQ(FormatResult(1.5L, false, {Scientific, 3, spaceComma}), "1,50E+000");
}

// Rounding half away from zero at the last shown decimal, for every number of decimal places:
// 1.0…05 rounds up, 1.0…0499 rounds down, and the negative values mirror them.
TEST(FormatResult, FormatResult_everyDecimalPlaces_roundsHalfAwayFromZero) {
    for (int places = 0; places <= 12; ++places) {
        const std::string zeros(static_cast<size_t>(places), '0');
        const long double half = std::strtold(("1." + zeros + "5").c_str(), nullptr);
        const long double belowHalf = std::strtold(("1." + zeros + "499").c_str(), nullptr);
        const std::string up = places == 0 ? "2" : "1." + zeros.substr(1) + "1";
        const std::string down = places == 0 ? "1" : "1." + zeros;
        for (const NumberSeparators &separators : {kPointComma, kCommaPoint}) {
            const auto expect = [&](const std::string &text) {
                return separators.decimal == '.' ? text : SwapSeparators(text);
            };
            for (const ResultFormat format : {ResultFormat::Fixed, ResultFormat::FixedThousands}) {
                const ResultFormatOptions options{format, places, separators};
                EXPECT_EQ(FormatResult(half, false, options), expect(up)) << places;
                EXPECT_EQ(FormatResult(-half, false, options), expect("-" + up)) << places;
                EXPECT_EQ(FormatResult(belowHalf, false, options), expect(down)) << places;
                EXPECT_EQ(FormatResult(-belowHalf, false, options), expect("-" + down)) << places;
            }
        }
    }
}

// Scientific keeps max(places, 2) significant digits: the rounding digit moves with them.
TEST(FormatResult, FormatResult_scientificEveryDecimalPlaces_roundsAtLastDigit) {
    for (int places = 0; places <= 12; ++places) {
        const int digits = places < 2 ? 2 : places;
        const std::string zeros(static_cast<size_t>(digits - 2), '0');
        const long double half = std::strtold(("7." + zeros + "15e-20").c_str(), nullptr);
        const long double belowHalf = std::strtold(("7." + zeros + "149e-20").c_str(), nullptr);
        for (const NumberSeparators &separators : {kPointComma, kCommaPoint}) {
            const ResultFormatOptions options{ResultFormat::Scientific, places, separators};
            const std::string dot(1, separators.decimal);
            EXPECT_EQ(FormatResult(half, false, options), "7" + dot + zeros + "2E-020") << places;
            EXPECT_EQ(FormatResult(-half, false, options), "-7" + dot + zeros + "2E-020") << places;
            EXPECT_EQ(FormatResult(belowHalf, false, options), "7" + dot + zeros + "1E-020") << places;
        }
    }
}

// A carry through all nines adds a digit before the point and, in scientific, moves the exponent.
TEST(FormatResult, FormatResult_carryThroughNines_addsDigit) {
    for (int places = 0; places <= 12; ++places) {
        const std::string nines(static_cast<size_t>(places + 1), '9');
        const long double value = std::strtold(("99." + nines).c_str(), nullptr);
        const std::string fixed =
            places == 0 ? "100" : "100." + std::string(static_cast<size_t>(places), '0');
        EXPECT_EQ(FormatResult(value, false, {ResultFormat::Fixed, places, kPointComma}), fixed) << places;
        EXPECT_EQ(FormatResult(-value, false, {ResultFormat::FixedThousands, places, kCommaPoint}),
                  "-" + SwapSeparators(fixed))
            << places;
    }
    EXPECT_EQ(FormatResult(9.99999999999L, false, {ResultFormat::Scientific, 9, kPointComma}),
              "1.00000000E+001");
    EXPECT_EQ(FormatResult(999999.9999L, false, {ResultFormat::FixedThousands, 3, kPointComma}),
              "1,000,000.000");
}

// Every finite value is first cut to 18 significant digits: the long double nearest to
// 0.125000000000000000049 (beyond the 18th digit) still rounds as an exact half.
TEST(FormatResult, FormatResult_digitsBeyondEighteenth_areDropped) {
    const long double value = std::strtold("0.12500000000000000049", nullptr);
    EXPECT_EQ(FormatResult(value, false, {ResultFormat::Fixed, 2, kPointComma}), "0.13");
    const long double justBelow = std::strtold("0.124999999999999999", nullptr);
    EXPECT_EQ(FormatResult(justBelow, false, {ResultFormat::Fixed, 2, kPointComma}), "0.12");
    EXPECT_EQ(FormatGeneral(std::strtold("1.23456789012345678901", nullptr), 18, kPointComma),
              "1.23456789012345679");
}

TEST(FormatResult, FormatGeneral_extremeValues_stayWithinTheirNotation) {
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::max(), 10, kPointComma), "1.189731495E4932");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::denorm_min(), 10, kPointComma),
              "3.645199532E-4951");
    EXPECT_EQ(FormatFixedPoint(std::numeric_limits<long double>::denorm_min(), 12, true, kPointComma),
              "0.000000000000");
    EXPECT_EQ(FormatScientific(-std::numeric_limits<long double>::max(), 18, kPointComma),
              "-1.18973149535723177E+4932");
}

} // namespace
} // namespace mensurio
