// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledCategory.h"
#include "tools/makedb/CompiledDimension.h"

#include <string>
#include <vector>

namespace mensurio {

/// The Markdown overview of the built-in units: every category with its unit count, the
/// number of its units that have a symbol, its dimension and the SI value of its base unit.
class UnitsSummary {
  public:
    /// dimensions holds one entry per category, in the same order.
    static std::string Markdown(const std::vector<CompiledCategory> &categories,
                                const std::vector<CompiledDimension> &dimensions);
};

} // namespace mensurio
