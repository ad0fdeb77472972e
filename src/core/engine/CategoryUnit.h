// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitRecord.h"

namespace mensurio {

/// The engine's copy of one listed unit of the current category.
struct CategoryUnit {
    UnitRecord record;    // as the database holds it
    bool inverse = false; // an inverse unit of an Efficiency or Reciprocal category
    int listIndex = 0;    // row of the unit in the input list and in the output list
};

} // namespace mensurio
