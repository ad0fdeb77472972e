// SPDX-License-Identifier: MIT
// Damaged and hostile units files: each is refused with the reader's error (and the start falls
// back to the default database) or read correctly where it is valid; nothing is written and
// memory stays bounded by the bytes that are really there.
#include "AllocationProbe.h"

#include "core/db/Cp1252.h"
#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseFileError.h"
#include "core/db/DatabaseLifecycle.h"
#include "core/db/Extended80.h"
#include "support/FakePrompts.h"
#include "support/ScratchDir.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace mensurio {
namespace {

using test::AllocationProbe;
using test::FakePrompts;
using test::ScratchDir;

constexpr const char *kRead = "";

UnitDatabase SampleDatabase() {
    return test::DatabaseOf({{"Length",
                              {{"meter", 1.0L},
                               {"foot", 0.3048L, false, false, "meter"},
                               {std::string(50, 'x'), 12.5L, true, false, "foot"}}},
                             {"Numbers", {{"hexadecimal", 16.0L, true}}, true}});
}

// Reads bytes; gives the error text, or kRead when the file was read.
std::string ReadOutcome(const std::string &bytes, UnitDatabase *into = nullptr) {
    UnitDatabase db;
    std::istringstream in(bytes);
    try {
        DatabaseFile::LoadFromFile(db, in);
    } catch (const DatabaseFileError &error) {
        return error.what();
    }
    if (into != nullptr)
        *into = std::move(db);
    return kRead;
}

// Offsets where the records of a current-form file start, and where the file ends.
std::vector<std::size_t> RecordStarts(const std::string &bytes) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 8; at < bytes.size();) {
        starts.push_back(at);
        at += 20 + static_cast<unsigned char>(bytes[at + 16]) + static_cast<unsigned char>(bytes[at + 17]) +
              static_cast<unsigned char>(bytes[at + 18]);
    }
    starts.push_back(bytes.size());
    return starts;
}

void PutInt32(std::string &bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The start sequence over `unitsBytes`: it falls back to default.dat with the corrupted-file
// message, and leaves the folder exactly as it was.
void ExpectStartRefuses(const std::string &unitsBytes) {
    ScratchDir dir;
    const UnitDatabase fallback = SampleDatabase();
    const std::string defaultBytes = DatabaseFile::ToBytes(fallback, "MNSA");
    dir.write(DatabaseLifecycle::UnitsFile, unitsBytes);
    dir.write(DatabaseLifecycle::DefaultFile, defaultBytes);

    UnitDatabase db;
    FakePrompts prompts;
    ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, true));
    ASSERT_EQ(prompts.log.size(), 2u);
    EXPECT_EQ(prompts.log[0], "beep");
    EXPECT_EQ(prompts.log[1].rfind(std::string("error: ") + DatabaseLifecycle::CorruptedText, 0), 0u)
        << prompts.log[1];
    EXPECT_EQ(DatabaseFile::ToBytes(db, "MNSA"), defaultBytes);
    EXPECT_EQ(dir.read(DatabaseLifecycle::UnitsFile), unitsBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(HostileDatabaseFile, truncatedAtEveryOffset_isRefusedWithItsError) {
    const std::string valid = DatabaseFile::ToBytes(SampleDatabase(), "MNSA");
    const std::vector<std::size_t> starts = RecordStarts(valid);
    for (std::size_t size = 0; size < valid.size(); ++size) {
        const bool atRecordEnd = size >= 8 && std::find(starts.begin(), starts.end(), size) != starts.end();
        EXPECT_EQ(ReadOutcome(valid.substr(0, size)),
                  atRecordEnd ? DatabaseFileError::CountMismatch : DatabaseFileError::ShortRead)
            << "cut at " << size;
    }
    EXPECT_EQ(ReadOutcome(valid), kRead);
}

TEST(HostileDatabaseFile, truncatedAtEveryOffset_startFallsBackAndWritesNothing) {
    const std::string valid = DatabaseFile::ToBytes(SampleDatabase(), "MNSA");
    for (std::size_t size = 0; size < valid.size(); size += 7)
        ExpectStartRefuses(valid.substr(0, size));
}

// What flipping every bit of one byte of a record header does, by its offset in the header.
enum class FlipEffect { Refused, SameDatabase, OrderChanges, FactorChanges, FlagSet };

FlipEffect EffectOfFlip(std::size_t offset, bool categoryRecord) {
    if (offset >= 16 && offset <= 18)
        return FlipEffect::Refused; // a string size above 51
    if (offset == 14 || offset == 15)
        return FlipEffect::FlagSet;
    if (categoryRecord || offset == 19)
        return FlipEffect::SameDatabase; // a category record's order and factor are not used
    return offset < 4 ? FlipEffect::OrderChanges : FlipEffect::FactorChanges;
}

const UnitRecord &NthUnit(const UnitDatabase &db, std::size_t record) {
    for (const auto &category : db.Categories()) {
        if (record-- == 0)
            std::abort(); // a category record
        if (record < category.Units.size())
            return category.Units[record];
        record -= category.Units.size();
    }
    std::abort();
}

TEST(HostileDatabaseFile, everyHeaderByteFlipped_isRefusedOrReadAsItSays) {
    const UnitDatabase original = SampleDatabase();
    const std::string valid = DatabaseFile::ToBytes(original, "MNSA");
    for (std::size_t at = 0; at < 8; ++at) {
        std::string damaged = valid;
        damaged[at] = static_cast<char>(~damaged[at]);
        EXPECT_NE(ReadOutcome(damaged), kRead) << "file header byte " << at;
    }
    const std::vector<std::size_t> starts = RecordStarts(valid);
    for (std::size_t record = 0; record + 1 < starts.size(); ++record) {
        const bool category = valid.compare(starts[record] + 20, 9,
                                            "\x08"
                                            "Category") == 0;
        for (std::size_t offset = 0; offset < 20; ++offset) {
            std::string damaged = valid;
            damaged[starts[record] + offset] = static_cast<char>(~damaged[starts[record] + offset]);
            UnitDatabase db;
            const std::string outcome = ReadOutcome(damaged, &db);
            const FlipEffect effect = EffectOfFlip(offset, category);
            SCOPED_TRACE("record " + std::to_string(record) + ", header byte " + std::to_string(offset));
            if (effect == FlipEffect::Refused) {
                EXPECT_EQ(outcome, DatabaseFileError::ShortRead);
                continue;
            }
            ASSERT_EQ(outcome, kRead);
            if (effect == FlipEffect::SameDatabase) {
                EXPECT_EQ(DatabaseFile::ToBytes(db, "MNSA"), valid);
            } else if (effect == FlipEffect::OrderChanges) {
                const auto flipped = static_cast<std::uint32_t>(NthUnit(original, record).DefaultOrder) ^
                                     (0xFFu << (8 * offset));
                EXPECT_EQ(NthUnit(db, record).DefaultOrder, static_cast<std::int32_t>(flipped));
            } else if (effect == FlipEffect::FactorChanges) {
                const long double expected = Extended80::Decode(
                    reinterpret_cast<const std::uint8_t *>(damaged.data() + starts[record] + 4));
                const long double factor = NthUnit(db, record).Factor;
                EXPECT_TRUE(factor == expected || (std::isnan(factor) && std::isnan(expected)));
            } else {
                std::string expected = valid; // any non-zero flag byte reads as 1
                expected[starts[record] + offset] = 1;
                EXPECT_EQ(DatabaseFile::ToBytes(db, "MNSA"), expected);
            }
        }
    }
}

TEST(HostileDatabaseFile, recordCounts_onlyTheRightOneReads) {
    const std::string valid = DatabaseFile::ToBytes(SampleDatabase(), "MNSA");
    const std::uint32_t actual = 6;
    for (std::uint32_t count : {0u, 51u, 52u, 255u, 0x80000000u, 0x7FFFFFFFu, 0xFFFFFFFFu, actual}) {
        std::string bytes = valid;
        PutInt32(bytes, 4, count);
        AllocationProbe probe;
        EXPECT_EQ(ReadOutcome(bytes), count == actual ? kRead : DatabaseFileError::CountMismatch) << count;
        EXPECT_LT(probe.LargestAllocation(), 4096u) << "allocated from the count " << count;
    }
}

// A current-form file of one unit whose name string has the given size and length byte, with
// `present` bytes of name characters after the length byte.
std::string OneUnitFile(unsigned size, unsigned length, std::size_t present) {
    std::string bytes = DatabaseFile::ToBytes(UnitDatabase(), "MNSA");
    PutInt32(bytes, 4, 1);
    std::string header(20, '\0');
    header[11] = static_cast<char>(0x80);
    header[12] = static_cast<char>(0xFF);
    header[13] = 0x3F; // factor 1
    header[16] = 2;
    header[17] = static_cast<char>(size);
    header[18] = 1;
    bytes += header + "\x01L" + static_cast<char>(length) + std::string(present, 'n') + '\0';
    return bytes;
}

TEST(HostileDatabaseFile, stringSizesAndLengths_outsideTheFormatAreRefused) {
    struct Case {
        unsigned size, length;
        std::size_t present;
        std::optional<std::size_t> nameLength; // nothing: refused
    };
    const Case cases[] = {
        {0, 0, 0, std::nullopt},    {1, 0, 0, 0},
        {51, 50, 50, 50},           {51, 3, 50, 3},
        {51, 51, 50, std::nullopt}, {51, 255, 50, std::nullopt},
        {52, 51, 51, std::nullopt}, {255, 254, 254, std::nullopt},
        {52, 50, 51, std::nullopt}, {200, 50, 10, std::nullopt},
    };
    for (const Case &c : cases) {
        UnitDatabase db;
        const std::string outcome = ReadOutcome(OneUnitFile(c.size, c.length, c.present), &db);
        SCOPED_TRACE("size " + std::to_string(c.size) + ", length " + std::to_string(c.length));
        if (!c.nameLength) {
            EXPECT_EQ(outcome, DatabaseFileError::ShortRead);
            continue;
        }
        ASSERT_EQ(outcome, kRead);
        EXPECT_EQ(db.Categories().at(0).Units.at(0).Name, std::string(*c.nameLength, 'n'));
    }
}

TEST(HostileDatabaseFile, legacyStringSizes_outsideTheFormatAreRefused) {
    for (unsigned size : {0u, 52u, 255u}) {
        std::string bytes("\x01\x00\x00\x00", 4);
        bytes += static_cast<char>(size) + std::string(size, '\x01');
        bytes += std::string(300, '\x01');
        EXPECT_EQ(ReadOutcome(bytes), DatabaseFileError::ShortRead) << size;
    }
}

TEST(HostileDatabaseFile, bytesOutsideTheCodePage_areKeptExactly) {
    std::string odd;
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x00, 0x0A, 0x0D, 0x7F, 0xFF, 0xA0})
        odd += static_cast<char>(b);
    UnitDatabase db;
    db.AddCategory(odd, true);
    db.AddUnit(odd, "unit " + odd, odd, 2.0L, true);
    const std::string bytes = DatabaseFile::ToBytes(db, "MNSA");
    UnitDatabase read;
    ASSERT_EQ(ReadOutcome(bytes, &read), kRead);
    EXPECT_EQ(read.Categories().at(0).Name, odd);
    EXPECT_EQ(read.Categories().at(0).Units.at(0).OriginUnit, odd);
    EXPECT_EQ(DatabaseFile::ToBytes(read, "MNSA"), bytes);
    // Shown through UTF-8 and typed back, every byte but NUL (which stands for what the code page
    // cannot hold) comes back as it was, the five the code page leaves undefined too.
    std::string shown = odd;
    std::erase(shown, '\0');
    std::string back;
    EXPECT_TRUE(Cp1252::TryFromUtf8(Cp1252::ToUtf8(shown), back));
    EXPECT_EQ(back, shown);
}

// A sparse file of zeros of the given size beside a valid default.dat.
std::string ZeroFile(const ScratchDir &dir, const std::string &name, off_t size,
                     const std::string &head = {}) {
    const std::string path = dir.file(name);
    dir.write(name, head);
    EXPECT_EQ(::truncate(path.c_str(), size), 0);
    return path;
}

TEST(HostileDatabaseFile, hundredMegabytesOfZeros_isRefusedAtOnceWithoutReadingIt) {
    constexpr off_t kSize = 100 * 1024 * 1024;
    ScratchDir dir;
    for (const std::string &head : {std::string(), std::string("MNSA\xFF\xFF\xFF\x7F", 8)}) {
        const std::string path = ZeroFile(dir, DatabaseLifecycle::UnitsFile, kSize, head);
        UnitDatabase db;
        AllocationProbe probe;
        try {
            DatabaseFile::LoadFromPath(db, path);
            ADD_FAILURE() << "a file of zeros was read";
        } catch (const DatabaseFileError &error) {
            EXPECT_STREQ(error.what(), DatabaseFileError::ShortRead);
        }
        EXPECT_LT(probe.PeakBytes(), 1024u * 1024u);

        dir.write(DatabaseLifecycle::DefaultFile, DatabaseFile::ToBytes(SampleDatabase(), "MNSA"));
        FakePrompts prompts;
        ASSERT_TRUE(DatabaseLifecycle::LoadDatabaseAtStart(db, dir.path(), prompts, true));
        EXPECT_EQ(prompts.log.size(), 2u);
        EXPECT_EQ(std::filesystem::file_size(path), static_cast<std::uintmax_t>(kSize));
    }
}

} // namespace
} // namespace mensurio
