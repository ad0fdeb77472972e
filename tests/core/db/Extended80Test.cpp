// SPDX-License-Identifier: MIT
#include "core/db/Extended80.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace mensurio;

namespace {

std::string hex(const Extended80::Bytes &b) {
    static const char *digits = "0123456789ABCDEF";
    std::string s;
    for (auto byte : b) {
        s += digits[byte >> 4];
        s += digits[byte & 15];
    }
    return s;
}

struct KnownPattern {
    long double value;
    const char *bytes; // file order
};

class Extended80Known : public ::testing::TestWithParam<KnownPattern> {};

} // namespace

TEST_P(Extended80Known, encodesAndDecodesTheStoredBytes) {
    const auto &p = GetParam();
    const auto encoded = Extended80::Encode(p.value);
    EXPECT_EQ(hex(encoded), p.bytes);
    const long double back = Extended80::Decode(encoded);
    EXPECT_EQ(back, p.value);
    EXPECT_EQ(std::signbit(back), std::signbit(p.value));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Extended80Known,
    ::testing::Values(KnownPattern{1.0L, "0000000000000080FF3F"}, KnownPattern{-1.0L, "0000000000000080FFBF"},
                      KnownPattern{0.0L, "00000000000000000000"}, KnownPattern{-0.0L, "00000000000000000080"},
                      KnownPattern{2.0L, "00000000000000800040"}, KnownPattern{0.5L, "0000000000000080FE3F"},
                      // 0.3048 rounded to 64 bits: 0x9C0EBEDFA43FE5C9 * 2^-65
                      KnownPattern{0.3048L, "C9E53FA4DFBE0E9CFD3F"},
                      KnownPattern{std::numeric_limits<long double>::denorm_min(), "01000000000000000000"},
                      KnownPattern{std::numeric_limits<long double>::infinity(), "0000000000000080FF7F"},
                      KnownPattern{-std::numeric_limits<long double>::infinity(), "0000000000000080FFFF"},
                      KnownPattern{std::numeric_limits<long double>::max(), "FFFFFFFFFFFFFFFFFE7F"},
                      KnownPattern{std::numeric_limits<long double>::min(), "00000000000000800100"}));

TEST(Extended80, NaN_roundTripsAsNaN) {
    EXPECT_TRUE(std::isnan(Extended80::Decode(Extended80::Encode(std::nanl("")))));
}

TEST(Extended80, RoundTrip_preservesEveryBitOfAssortedValues) {
    for (long double v :
         {1.609344L, 4.54609e-3L, 1e-4930L, 6.02214076e23L, 1.0L / 3.0L, 1e4000L, -2.5e-4940L}) {
        EXPECT_EQ(Extended80::Decode(Extended80::Encode(v)), v) << static_cast<double>(v);
    }
}

// A damaged file may hold encodings the processor does not take as numbers: an exponent with
// the integer bit clear, or a zero exponent with it set. They read as significand times power of two.
TEST(Extended80, Decode_encodingsWithoutTheirIntegerBit_readAsSignificandTimesPowerOfTwo) {
    const Extended80::Bytes unnormal = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}; // 2^62 * 2^(16383-16383-63)
    EXPECT_EQ(Extended80::Decode(unnormal), 0.5L);
    const Extended80::Bytes negativeUnnormal = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0xBF};
    EXPECT_EQ(Extended80::Decode(negativeUnnormal), -0.5L);
    const Extended80::Bytes pseudoDenormal = {0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_EQ(Extended80::Decode(pseudoDenormal), std::ldexp(1.0L, -16382));
}
