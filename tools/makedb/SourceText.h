// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensurio {

/// The text without spaces, tabs and line ends at either end.
std::string_view TrimSourceText(std::string_view text);

/// The '|'-separated fields of a line of the units data source, each trimmed.
std::vector<std::string> SplitSourceFields(std::string_view line);

} // namespace mensurio
