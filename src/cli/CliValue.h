// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ResultFormatter.h"

#include <iosfwd>
#include <string_view>

namespace mensurio {

/// Reads a typed value the way the input field does when no unit is involved (a number, then
/// an arithmetic expression, then the unit-aware form with no units known) and prints it with
/// the result format; an unreadable value prints the parser's message. Returns the exit status.
int PrintTypedValue(std::string_view typedCp1252, const ResultFormatOptions &format, std::ostream &out);

} // namespace mensurio
