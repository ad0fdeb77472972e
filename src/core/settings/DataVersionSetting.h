// SPDX-License-Identifier: MIT
#pragma once

namespace mensurio {

class IniFile;

/// The settings key that records the data version the user's units database holds.
inline constexpr char kDataVersionSection[] = "general";
inline constexpr char kDataVersionKey[] = "DataVersion";
/// What the user is told in front of the list of what was added.
inline constexpr char kBuiltinDataAddedText[] = "Added to your units database: ";

/// The recorded data version; 0 when none is recorded (a database older than the record).
int ReadDataVersion(const IniFile &file);
void WriteDataVersion(IniFile &file, int version);

} // namespace mensurio
