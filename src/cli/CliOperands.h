// SPDX-License-Identifier: MIT
#pragma once

#include "cli/CliOptions.h"

#include <functional>
#include <string>
#include <string_view>

namespace mensurio {

/// Turns the operands of a one-shot conversion into EXPRESSION [FROM-UNIT] and the --to units:
/// - two operands of which the second names a unit keep the form EXPRESSION FROM-UNIT;
/// - otherwise all operands are joined by spaces into one text, and when no --to is given a
///   separate word "to" or "->" splits it into the quantity and the target ("5 ft 3 in to cm");
/// namesUnit tells whether a UTF-8 text names a unit. Throws CliUsageError for an empty target.
void ReadOperands(CliOptions &options, const std::function<bool(std::string_view)> &namesUnit);

/// The text with each hexadecimal, octal and binary literal written in decimal ("0x1F" gives
/// "31", "0o17" gives "15", "0b1010" gives "10"); other text is kept as it is.
std::string WithRadixLiteralsInDecimal(std::string_view text);

} // namespace mensurio
