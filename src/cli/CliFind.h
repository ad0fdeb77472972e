// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/UnitDatabase.h"

#include <iosfwd>
#include <string>

namespace mensurio {

/// --find: prints the Find list's matching display texts (categories and units, hidden ones
/// included) in its order, one per line in UTF-8.
class CliFind {
  public:
    /// Prints the entries that start with the text (contain it, with anywhere); returns the exit status.
    static int Print(const UnitDatabase &database, const std::string &textUtf8, bool anywhere,
                     std::ostream &out);

    /// The Find list's order: the locale's collation (LC_COLLATE) of the texts with letters
    /// turned to lower case, so that letter case does not decide the order.
    static bool CollatesBefore(const std::string &a, const std::string &b);
};

} // namespace mensurio
