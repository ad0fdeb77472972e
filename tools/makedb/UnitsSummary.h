// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledCategory.h"

#include <string>
#include <vector>

namespace mensurio {

/// The Markdown overview of the built-in units: every category with its unit count and the
/// number of its units that have a symbol.
class UnitsSummary {
public:
    static std::string Markdown(const std::vector<CompiledCategory>& categories);
};

} // namespace mensurio
