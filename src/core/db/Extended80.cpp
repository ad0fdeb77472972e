// SPDX-License-Identifier: MIT
#include "core/db/Extended80.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace mensurio {

namespace {

constexpr int ExponentBias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr std::uint64_t IntegerBit = 0x8000000000000000ULL;

// The x87 extended type of x86, laid out in memory as the file stores it (little-endian, ten
// bytes of sign, exponent and significand with its integer bit).
constexpr bool NativeIsExtended80 = std::numeric_limits<long double>::digits == 64 &&
                                    std::numeric_limits<long double>::max_exponent == 16384 &&
                                    std::endian::native == std::endian::little && sizeof(long double) >= 10;

Extended80::Bytes pack(bool negative, int exponent, std::uint64_t significand) {
    Extended80::Bytes b{};
    for (int i = 0; i < 8; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    b[8] = static_cast<std::uint8_t>(top & 0xFF);
    b[9] = static_cast<std::uint8_t>(top >> 8);
    return b;
}

} // namespace

Extended80::Bytes Extended80::Encode(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return pack(negative, MaxExponent, IntegerBit | (IntegerBit >> 1));
    const long double magnitude = std::fabs(value);
    if (std::isinf(magnitude))
        return pack(negative, MaxExponent, IntegerBit);
    if (magnitude == 0)
        return pack(negative, 0, 0);
    int e = 0;
    const long double m = std::frexp(magnitude, &e); // magnitude = m * 2^e, m in [0.5, 1)
    int biased = e - 1 + ExponentBias;
    if (biased >= MaxExponent)
        return pack(negative, MaxExponent, IntegerBit);
    if (biased <= 0) {
        // Denormal: the stored significand is magnitude * 2^(16382 + 63), exponent field 0.
        const long double scaled = std::ldexp(magnitude, ExponentBias - 1 + 63);
        return pack(negative, 0, static_cast<std::uint64_t>(scaled));
    }
    const long double scaled = std::ldexp(m, 64); // in [2^63, 2^64): exact for a 64-bit significand
    return pack(negative, biased, static_cast<std::uint64_t>(scaled));
}

long double Extended80::Decode(const Bytes &bytes) {
    return Decode(bytes.data());
}

long double Extended80::Decode(const std::uint8_t *bytes) {
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);
    if constexpr (NativeIsExtended80) {
        // A normal number is stored exactly as this platform holds it: the bytes are the value.
        if (exponent != 0 && exponent != MaxExponent && (significand & IntegerBit) != 0) {
            long double value = 0;
            std::memcpy(&value, bytes, 10);
            return value;
        }
    }
    long double value;
    if (exponent == MaxExponent) {
        value = (significand << 1) == 0 ? HUGE_VALL : std::nanl("");
    } else if (exponent == 0) {
        value = std::ldexp(static_cast<long double>(significand), 1 - ExponentBias - 63);
    } else {
        value = std::ldexp(static_cast<long double>(significand), exponent - ExponentBias - 63);
    }
    return negative ? -value : value;
}

} // namespace mensurio
