// SPDX-License-Identifier: MIT
#pragma once

#include "core/db/BuiltinHistory.h"

#include <optional>
#include <span>
#include <string>

namespace mensurio {

class UnitDatabase;

/// What bringing the built-in data up to date added to the user's database.
struct BuiltinUpdateSummary {
    int units = 0;      // units added, those of new categories included
    int categories = 0; // categories added
    int hidden = 0;     // replaced built-in units hidden

    bool Changed() const { return units != 0 || categories != 0 || hidden != 0; }
};

/// Brings the categories and units shipped since a data version into the user's database,
/// matching names exactly. The user's own units, factors, order, hidden flags and deletions of
/// built-ins of that version or older are left alone; a replaced built-in unit is hidden once
/// its replacement is in.
class BuiltinUpdate {
  public:
    /// The data version a database most likely came from when the settings record none: the
    /// newest version of which it holds a built-in category or unit, else 1.
    static int InferredVersion(const UnitDatabase &user, std::span<const BuiltinHistoryEntry> history);

    /// Adds to `user` what `shipped` (default.dat) holds that first shipped after userVersion:
    /// a new category with all its units at the end of the categories, a new unit at the end of
    /// its category (not when the user deleted or renamed that category). A name the user's
    /// category already holds in any letter case is not added again.
    static BuiltinUpdateSummary Apply(UnitDatabase &user, const UnitDatabase &shipped,
                                      std::span<const BuiltinHistoryEntry> history, int userVersion);

    /// Brings `user` up to the shipped data version from the default.dat at `shippedPath`, since
    /// `recordedVersion` (0 when none is recorded: since the version the database most likely
    /// came from). Nothing when the recorded version is current, or when default.dat does not
    /// load (the next start tries again); else what was added.
    static std::optional<BuiltinUpdateSummary>
    FromShippedFile(UnitDatabase &user, const std::string &shippedPath, int recordedVersion);

    /// What the user is told: "27 new units, 1 new category".
    static std::string SummaryText(const BuiltinUpdateSummary &summary);
};

} // namespace mensurio
