// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledDimension.h"

#include <string>
#include <vector>

namespace mensurio {

/// The C++ source of the built-in dimensions (core/engine/BuiltinDimensions.h): one constant
/// array with an entry per category that has a dimension, in data order.
class DimensionsSource {
  public:
    static std::string Cpp(const std::vector<CompiledDimension> &dimensions);
    /// A hexadecimal floating literal of a positive normal long double with the L suffix
    /// ("0x1.999999999999999ap-4L" for 0.1L), which the compiler reads back exactly.
    static std::string HexLiteral(long double value);
};

} // namespace mensurio
