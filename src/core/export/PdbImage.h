// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mensurio {

/// Lays out one Palm OS database file: the 78-byte header, the record list, two gap bytes and
/// the records back to back, every number big-endian.
class PdbImage {
  public:
    static constexpr std::size_t HeaderSize = 78;
    static constexpr std::size_t EntrySize = 8;
    static constexpr std::size_t GapSize = 2;
    static constexpr std::size_t MaxRecords = 0xFFFF;

    /// The file's bytes. `name` is NUL-padded to 32 bytes (cut to 31), `type` and `creator`
    /// are four characters. Throws std::length_error for more records than the header can count
    /// or a file larger than its 32-bit offsets can address.
    static std::string Build(const std::string &name, const char (&type)[5], const char (&creator)[5],
                             std::uint16_t version, const std::vector<std::string> &records);

    static void AppendUint16(std::string &out, std::uint16_t value);
    static void AppendUint32(std::string &out, std::uint32_t value);
    /// The IEEE 754 double nearest to `value`, most significant byte first.
    static void AppendDouble(std::string &out, long double value);
};

} // namespace mensurio
