// SPDX-License-Identifier: MIT
// The units database reader on arbitrary bytes: every input is read or refused with
// DatabaseFileError, and whatever is read writes back to a file that reads to the same database.
#include "FuzzCheck.h"

#include "core/db/DatabaseFile.h"
#include "core/db/DatabaseFileError.h"
#include "core/db/UnitDatabase.h"

#include <cstdint>
#include <sstream>
#include <string>

namespace {

bool Load(mensurio::UnitDatabase &db, const std::string &bytes) {
    std::istringstream in(bytes);
    try {
        mensurio::DatabaseFile::LoadFromFile(db, in);
        return true;
    } catch (const mensurio::DatabaseFileError &) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    mensurio::UnitDatabase db;
    if (!Load(db, std::string(reinterpret_cast<const char *>(data), size)))
        return 0;
    const std::string written = mensurio::DatabaseFile::ToBytes(db, "MNSA");
    mensurio::UnitDatabase reread;
    FUZZ_CHECK(Load(reread, written));
    FUZZ_CHECK(mensurio::DatabaseFile::ToBytes(reread, "MNSA") == written);
    return 0;
}
