// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace mensurio {

/// One row of a check list in the manage dialog: a category or unit name and whether it is
/// ticked (ticked means visible).
struct CheckItem {
    std::string name;
    bool ticked = true;

    bool operator==(const CheckItem &) const = default;
};

using CheckItems = std::vector<CheckItem>;

} // namespace mensurio
