// SPDX-License-Identifier: MIT
#include "core/export/PdbImage.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace mensurio {

namespace {

// Creation and modification dates of every exported file: fixed, whatever the day of the export.
constexpr char kFixedDate[] = "\xBE\xFD\xA7\xFF";

void appendFourCharacters(std::string &out, const char (&code)[5]) {
    out.append(code, 4);
}

} // namespace

void PdbImage::AppendUint16(std::string &out, std::uint16_t value) {
    out.push_back(static_cast<char>(value >> 8));
    out.push_back(static_cast<char>(value & 0xFF));
}

void PdbImage::AppendUint32(std::string &out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PdbImage::AppendDouble(std::string &out, long double value) {
    static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8);
    const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(value)); // rounds to nearest
    for (int shift = 56; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

std::string PdbImage::Build(const std::string &name, const char (&type)[5], const char (&creator)[5],
                            std::uint16_t version, const std::vector<std::string> &records) {
    if (records.size() > MaxRecords)
        throw std::length_error("too many records for one Palm database");
    std::size_t offset = HeaderSize + EntrySize * records.size() + GapSize;
    std::size_t total = offset;
    for (const std::string &record : records)
        total += record.size();
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("Palm database too large");

    std::string out;
    out.reserve(total);
    std::string paddedName(32, '\0');
    std::memcpy(paddedName.data(), name.data(), std::min<std::size_t>(name.size(), 31));
    out += paddedName;
    AppendUint16(out, 0);       // attributes
    AppendUint16(out, version); // version: the export number
    out.append(kFixedDate, 4);  // creation date
    out.append(kFixedDate, 4);  // modification date
    for (int field = 0; field < 4; ++field)
        AppendUint32(out, 0); // last backup, modification number, application and sort info
    appendFourCharacters(out, type);
    appendFourCharacters(out, creator);
    AppendUint32(out, 0); // unique-ID seed
    AppendUint32(out, 0); // next record list
    AppendUint16(out, static_cast<std::uint16_t>(records.size()));
    for (const std::string &record : records) {
        AppendUint32(out, static_cast<std::uint32_t>(offset));
        AppendUint32(out, 0); // attributes (1 byte) and unique ID (3 bytes)
        offset += record.size();
    }
    AppendUint16(out, 0); // gap
    for (const std::string &record : records)
        out += record;
    return out;
}

} // namespace mensurio
