// SPDX-License-Identifier: MIT
#pragma once

#include "core/engine/ConversionRequest.h"
#include "core/engine/Separators.h"
#include "core/engine/UnitListing.h"

namespace mensurio {

struct ProgramSettings;

/// Copies the settings a conversion reads into the request: ReNumber, ReDeciPlace, multiformat,
/// split and the pressure selectors com1abs and com2abs, with the locale's separators.
void ApplyProgramSettings(ConversionRequest &request, const ProgramSettings &settings,
                          NumberSeparators separators);

/// How the unit lists show a category under the settings GeSoUnit and showhidden.
UnitListOptions UnitListOptionsOf(const ProgramSettings &settings);

} // namespace mensurio
