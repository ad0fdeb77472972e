// SPDX-License-Identifier: MIT
#pragma once

#include "core/settings/FontSettings.h"

namespace mensurio {

/// What the user touched in the Preferences dialog: one flag per kind of change (a second click
/// does not clear it) and the fonts chosen.
struct PreferenceChanges {
    bool tabs = false;
    bool toolbars = false;
    bool anyFont = false;
    bool fieldFont = false;
    bool tabFont = false;
    bool sortUnits = false;
    bool allResults = false;
    bool tray = false;
    bool startUp = false;

    FontSpec newFieldFont; // taken when fieldFont is set
    FontSpec newTabFont;   // taken when tabFont is set
};

} // namespace mensurio
