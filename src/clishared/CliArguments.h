// SPDX-License-Identifier: MIT
#pragma once

#include "clishared/CliOptionTable.h"

#include <optional>
#include <string>
#include <vector>

namespace mensurio {

/// One word of a command line read against the option table: an option with its value, or an operand.
struct CliArgument {
    const CliOption *option = nullptr; // null: an operand
    std::string value;                 // the option's value (empty for a flag), or the operand
    int number = 0;                    // a choice: the index of the value; a number: the number
};

/// Reads a command line against the option table. An option's value follows it as the next word
/// (`--to meter`, `-c Length`) or, for a long name, after an equals sign (`--to=meter`). `--` ends
/// the options; a word that starts with a minus sign followed by a digit, a point, a comma or a
/// parenthesis ("-5", "-(2+3)") and "->" are operands. On an unknown option, a missing value, a
/// value given to a flag, or a value that is not one of the option's choices or out of its range,
/// returns nothing and sets `error`.
std::optional<std::vector<CliArgument>> ReadCliArguments(const std::vector<std::string> &args,
                                                         std::string &error);

} // namespace mensurio
