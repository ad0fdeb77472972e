// SPDX-License-Identifier: MIT
// A portable mensurio-cli beside a units.dat from before Currency shipped: it takes in the
// categories shipped since, in memory, unless the window's settings say the database already
// holds the current data; the database itself is never written.
#include "cli/CliFixture.h"
#include "core/db/BuiltinHistory.h"
#include "support/SampleRates.h"

#include <filesystem>

using namespace mensurio;
using namespace mensurio::test;
namespace fs = std::filesystem;

namespace {

std::string ShippedWithoutCurrency() {
    UnitDatabase db;
    DatabaseFile::LoadFromPath(db, MENSURIO_BIN_DIR "/default.dat");
    db.DeleteCategory("Currency");
    return DatabaseFile::ToBytes(db, "MNSA");
}

struct ShippedDataCase {
    const char *name;
    const char *windowSettings; // nullptr: no mensurio.ini
    bool currencyKnown;
};

void PrintTo(const ShippedDataCase &c, std::ostream *os) {
    *os << c.name;
}

class CliShippedData : public ::testing::TestWithParam<ShippedDataCase> {};

TEST_P(CliShippedData, newCategoriesJoinInMemoryOnly) {
    ScratchDir dir;
    const std::string program = dir.file("mensurio-cli");
    fs::copy_file(MENSURIO_CLI, program);
    fs::copy_file(MENSURIO_BIN_DIR "/default.dat", dir.file("default.dat"));
    const std::string before = ShippedWithoutCurrency();
    dir.write("units.dat", before);
    if (GetParam().windowSettings != nullptr)
        dir.write("mensurio.ini", GetParam().windowSettings);
    dir.write("rates.xml", SampleEcbRates("2026-12-08", "1.25"));
    const auto cli = [&](const std::vector<std::string> &args) {
        return runProcess(program, args, dir.path());
    };

    ASSERT_EQ(cli({"--update-rates", dir.file("rates.xml")}).status, 0);
    const ProcessResult r = cli({"100", "USD", "to", "EUR"});
    if (GetParam().currencyKnown) {
        EXPECT_EQ(r.out, "80\n") << r.err;
        EXPECT_EQ(r.status, 0);
    } else {
        EXPECT_NE(r.err.find("unknown unit"), std::string::npos) << r.err;
        EXPECT_EQ(r.status, 2);
    }
    EXPECT_EQ(readFile(dir.file("units.dat")), before);
    EXPECT_EQ(cli({"1", "foot", "--to", "meter"}).out, "0.3048\n");
}

const std::string kCurrentVersion = "[general]\nDataVersion=" + std::to_string(BuiltinDataVersion()) + "\n";
const std::string kOlderVersion = "[general]\nDataVersion=" + std::to_string(BuiltinDataVersion() - 1) + "\n";

INSTANTIATE_TEST_SUITE_P(Cases, CliShippedData,
                         ::testing::Values(ShippedDataCase{"noWindowSettings", nullptr, true},
                                           ShippedDataCase{"olderDataVersion", kOlderVersion.c_str(), true},
                                           ShippedDataCase{"currentDataVersion", kCurrentVersion.c_str(),
                                                           false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
