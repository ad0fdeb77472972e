// SPDX-License-Identifier: MIT
#include "core/engine/RequestSettings.h"

#include "core/settings/ProgramSettings.h"

namespace mensurio {

void ApplyProgramSettings(ConversionRequest &request, const ProgramSettings &settings,
                          NumberSeparators separators) {
    request.format.resultFormat = settings.ReNumber;
    request.format.decimalPlaces = settings.ReDeciPlace;
    request.format.separators = separators;
    request.compoundStyle = settings.multiformat;
    request.split = settings.split;
    request.inputPressureAbsolute = settings.com1abs;
    request.outputPressureAbsolute = settings.com2abs;
}

UnitListOptions UnitListOptionsOf(const ProgramSettings &settings) {
    return {.sortByName = settings.GeSoUnit, .showHidden = settings.showhidden};
}

} // namespace mensurio
