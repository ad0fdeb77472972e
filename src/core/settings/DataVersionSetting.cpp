// SPDX-License-Identifier: MIT
#include "core/settings/DataVersionSetting.h"

#include "core/settings/IniFile.h"

#include <algorithm>

namespace mensurio {

int ReadDataVersion(const IniFile &file) {
    return std::max(0, file.ReadInteger(kDataVersionSection, kDataVersionKey, 0));
}

void WriteDataVersion(IniFile &file, int version) {
    file.WriteInteger(kDataVersionSection, kDataVersionKey, version);
}

} // namespace mensurio
