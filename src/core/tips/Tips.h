// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mensurio {

/// The tips the tip-of-the-day dialog shows, in order; plain Windows-1252 text, one paragraph each.
const std::vector<std::string> &TipsOfTheDay();

/// The tip after `index` among `count` tips, wrapping from the last to the first.
std::size_t NextTip(std::size_t index, std::size_t count);

/// The tip before `index` among `count` tips, wrapping from the first to the last.
std::size_t PreviousTip(std::size_t index, std::size_t count);

} // namespace mensurio
