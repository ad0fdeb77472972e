// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledDimension.h"
#include "tools/makedb/DataSource.h"

#include <string>
#include <vector>

namespace mensurio {

/// Reads the "dimension:" line of every category: "none", or the exponents of the dimension
/// slots, the SI value of the category's base unit and an optional "preferred" mark. Checks
/// that among the categories of one dimension exactly one is preferred.
class DimensionCompiler {
  public:
    /// Throws SourceError ("file:line: ...") on the first fault found.
    static CompiledDimension Compile(const SourceCategory &category);
    static std::vector<CompiledDimension> CompileAll(const DataSource &source);
    /// The exponents written the way the data writes them, in slot order ("L^2 M T^-2"; "1"
    /// for dimension one).
    static std::string Text(const CompiledDimension &dimension);
};

} // namespace mensurio
