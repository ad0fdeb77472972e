// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"
#include "tools/makedb/CompiledCategory.h"
#include "tools/makedb/DataSource.h"

#include <vector>

namespace mensurio {

/// Turns parsed source categories into database categories: checks the names,
/// evaluates every value in quad precision, follows references (factor = value x
/// factor of the reference, in chains), rounds each factor once, and reads the units'
/// symbols and spellings (UnitAliases).
class CategoryCompiler {
  public:
    /// Throws SourceError ("file:line: ...") on the first fault found.
    static CompiledCategory Compile(const SourceCategory &category);
    static std::vector<CompiledCategory> CompileAll(const DataSource &source);
    /// Fills an empty database with the compiled categories, in order.
    static void Fill(const std::vector<CompiledCategory> &categories, UnitDatabase &db);
};

} // namespace mensurio
