// SPDX-License-Identifier: MIT
// The rates file beside units.dat, the rates reaching the currencies, and conversions without
// a rate.
#include "core/currency/RatesFile.h"

#include "core/currency/CurrencyCategory.h"
#include "core/db/UnitDatabase.h"
#include "core/engine/Engine.h"
#include "support/SampleRates.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

using namespace mensurio;
using namespace mensurio::test;

namespace {

// Currency as shipped (the euro, and three currencies without a rate), a custom currency, and a
// custom category of the same name in another letter case that must be left alone.
UnitDatabase CurrencyDatabase() {
    UnitDatabase db;
    db.AddCategory("Currency", false);
    db.AddUnit("Currency", "euro (EUR)", "", 1.0L, false);
    db.AddUnit("Currency", "US dollar (USD)", "", 0.0L, false);
    db.AddUnit("Currency", "pound sterling (GBP)", "", 0.0L, false);
    db.AddUnit("Currency", "Bulgarian lev (BGN)", "", 0.0L, false);
    db.AddUnit("Currency", "my token (USD)", "euro (EUR)", 2.5L, true);
    db.AddCategory("currency", true);
    db.AddUnit("currency", "dollar (USD)", "", 7.0L, true);
    return db;
}

long double FactorOf(UnitDatabase &db, const char *category, const char *unit) {
    return db.UnitFactorOf(category, unit);
}

ExchangeRates Sample(const std::string &usd = "1.25") {
    return *ReadEcbRates(SampleEcbRates("2026-12-08", usd)).rates;
}

} // namespace

TEST(ApplyExchangeRates, ratedCurrenciesGetOneOverTheRate_othersZero_customUnitsKeepTheirs) {
    UnitDatabase db = CurrencyDatabase();
    const ExchangeRates rates = Sample();
    EXPECT_EQ(ApplyExchangeRates(db, &rates), 2); // USD, GBP; the sample has no lev
    EXPECT_EQ(FactorOf(db, "Currency", "US dollar (USD)"), 1.0L / 1.25L);
    EXPECT_EQ(FactorOf(db, "Currency", "pound sterling (GBP)"), 1.0L / 0.8L);
    EXPECT_EQ(FactorOf(db, "Currency", "Bulgarian lev (BGN)"), 0.0L);
    EXPECT_EQ(FactorOf(db, "Currency", "euro (EUR)"), 1.0L);
    EXPECT_EQ(FactorOf(db, "Currency", "my token (USD)"), 2.5L);
    EXPECT_EQ(FactorOf(db, "currency", "dollar (USD)"), 7.0L);

    EXPECT_EQ(ApplyExchangeRates(db, nullptr), 0);
    EXPECT_EQ(FactorOf(db, "Currency", "US dollar (USD)"), 0.0L);
    EXPECT_EQ(FactorOf(db, "Currency", "euro (EUR)"), 1.0L);
    EXPECT_EQ(FactorOf(db, "Currency", "my token (USD)"), 2.5L);
}

TEST(RatesFile, update_keepsOnlyRates_andAnythingElseLeavesTheOldFile) {
    ScratchDir dir;
    const std::string path = RatesFile::PathIn(dir.path());
    std::string error;
    ASSERT_TRUE(RatesFile::Update(path, SampleEcbRates("2026-12-08", "1.25"), error)) << error;
    const std::string kept = readFile(path);
    EXPECT_EQ(RatesFile::Load(path).rates->Find("USD")->text, "1.25");

    for (const std::string &bad : {std::string(), SampleEcbRates().substr(0, 300),
                                   std::string("<html></html>"), SampleEcbRates("2026-12-09", "-3")}) {
        EXPECT_FALSE(RatesFile::Update(path, bad, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(readFile(path), kept);
    }
}

TEST(RatesFile, load_missingFileIsNoError_damagedFileNamesItself) {
    ScratchDir dir;
    const std::string path = RatesFile::PathIn(dir.path());
    RatesReading reading = RatesFile::Load(path);
    EXPECT_FALSE(reading.rates);
    EXPECT_EQ(reading.error, "");
    writeFile(path, "<Cube>");
    reading = RatesFile::Load(path);
    EXPECT_FALSE(reading.rates);
    EXPECT_EQ(reading.error.rfind(path + ", line 1: ", 0), 0u) << reading.error;
}

// ---- Conversions in Currency ------------------------------------------------------------------

class CurrencyConversion : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.SetMissingRateText([](const std::string &unit) { return "needs a rate: " + unit; });
        Load();
    }
    void Load() { engine.LoadCategoryUnits("Currency", {}); }
    // Rows: 0 euro, 1 US dollar, 2 pound sterling, 3 Bulgarian lev, 4 my token.
    ConversionResult Convert(const std::string &text, int input, std::vector<int> outputs, bool all = false) {
        ConversionRequest request;
        request.inputText = text;
        request.input = ListSelection::Single(5, input);
        request.output = ListSelection::Single(5, -1);
        for (const int row : outputs)
            request.output.Select(row, true);
        request.split = all;
        request.format.separators = {'.', ','};
        return engine.Convert(request);
    }

    UnitDatabase db = CurrencyDatabase();
    Engine engine{db};
};

TEST_F(CurrencyConversion, withoutRates_aConversionNeedingOneSaysSo_theEuroAndCustomUnitsConvert) {
    EXPECT_EQ(Convert("100", 1, {0}).outputText, "needs a rate: US dollar (USD)");
    EXPECT_EQ(Convert("100", 0, {2}).outputText, "needs a rate: pound sterling (GBP)");
    EXPECT_EQ(Convert("100", 0, {0, 3}).outputText, "needs a rate: Bulgarian lev (BGN)");
    EXPECT_EQ(Convert("2 US dollar (USD) + 1 euro (EUR)", 0, {0}).outputText,
              "needs a rate: US dollar (USD)");
    const ConversionResult custom = Convert("2", 4, {0});
    EXPECT_TRUE(custom.resultValid);
    EXPECT_EQ(custom.outputText, "5");
}

TEST_F(CurrencyConversion, withRates_convertsByThem_andListsNoRateForTheOthers) {
    const ExchangeRates rates = Sample("1.25");
    ApplyExchangeRates(db, &rates);
    Load();
    EXPECT_EQ(Convert("100", 1, {0}).outputText, "80");
    EXPECT_EQ(Convert("100", 0, {1}).outputText, "125");
    EXPECT_EQ(Convert("100 US dollar (USD)", 0, {2}).outputText, "64");
    EXPECT_EQ(Convert("100", 1, {3}).outputText, "needs a rate: Bulgarian lev (BGN)");
    const ConversionResult all = Convert("100", 0, {1}, true);
    ASSERT_TRUE(all.allResults);
    EXPECT_EQ(*all.allResults,
              (std::vector<std::string>{"100", "125", "80", std::string(kNoRateText), "40"}));
}
