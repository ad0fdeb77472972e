// SPDX-License-Identifier: MIT
#pragma once

#include "tools/makedb/CompiledCategory.h"
#include "tools/makedb/VersionHistory.h"

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The C++ source of the built-in symbols and spellings (core/engine/BuiltinAliases.h):
/// one constant array with an entry per unit that has a symbol or a spelling, in data order;
/// and of the data versions (core/db/BuiltinHistory.h).
class AliasesSource {
  public:
    static std::string Cpp(const std::vector<CompiledCategory> &categories,
                           const VersionHistory &history = {});
    /// A C++ string literal of the bytes; every byte outside printable ASCII, and '"' and
    /// '\\', as a three-digit octal escape, so no escape can take in the character after it.
    static std::string Literal(std::string_view bytes);
};

} // namespace mensurio
