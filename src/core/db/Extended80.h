// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace mensurio {

/// Converts between long double and the 10-byte x87 extended layout of the units file
/// (64-bit significand with explicit integer bit, little-endian, then sign and 15-bit exponent).
class Extended80 {
  public:
    using Bytes = std::array<std::uint8_t, 10>;
    static Bytes Encode(long double value);
    static long double Decode(const Bytes &bytes);
    static long double Decode(const std::uint8_t *bytes);
};

} // namespace mensurio
