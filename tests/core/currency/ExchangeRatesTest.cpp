// SPDX-License-Identifier: MIT
// Reading the ECB's rates files, and refusing everything else.
#include "core/currency/ExchangeRates.h"

#include "support/SampleRates.h"

#include <gtest/gtest.h>

#include <string>

using namespace mensurio;
using namespace mensurio::test;

namespace {

std::string Wrapped(const std::string &days) {
    return "<?xml version='1.0'?><gesmes:Envelope><Cube>" + days + "</Cube></gesmes:Envelope>";
}

std::string Day(const std::string &date, const std::string &rates) {
    return "<Cube time='" + date + "'>" + rates + "</Cube>";
}

std::string Rate(const std::string &code, const std::string &rate) {
    return "<Cube currency='" + code + "' rate='" + rate + "'/>";
}

std::string Nested(int depth) {
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    return text;
}

} // namespace

TEST(ReadEcbRates, dailyFile_givesDateAndEveryRateAsWritten) {
    const RatesReading reading = ReadEcbRates(SampleEcbRates("2026-12-08", "1.0876"));
    ASSERT_TRUE(reading.rates) << reading.error;
    EXPECT_EQ(reading.rates->date, "2026-12-08");
    ASSERT_EQ(reading.rates->rates.size(), 5u);
    const CurrencyRate *usd = reading.rates->Find("USD");
    ASSERT_NE(usd, nullptr);
    EXPECT_EQ(usd->text, "1.0876");
    EXPECT_EQ(usd->rate, 1.0876L);
    EXPECT_EQ(reading.rates->Find("IDR")->rate, 17000.5L);
}

struct Accepted {
    const char *name;
    std::string bytes;
    std::string date;
    std::size_t count;
};

class ReadEcbRatesAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ReadEcbRatesAccepts, readsTheNewestDay) {
    const RatesReading reading = ReadEcbRates(GetParam().bytes);
    ASSERT_TRUE(reading.rates) << reading.error;
    EXPECT_EQ(reading.rates->date, GetParam().date);
    EXPECT_EQ(reading.rates->rates.size(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadEcbRatesAccepts,
    ::testing::Values(
        Accepted{"byteOrderMark", "\xEF\xBB\xBF" + SampleEcbRates(), "2026-12-08", 5},
        Accepted{"doubleQuotes",
                 "<Cube><Cube time=\"2026-01-02\"><Cube currency=\"USD\" rate=\"1.1\"/></Cube></Cube>",
                 "2026-01-02", 1},
        Accepted{"history_newestDayWins",
                 Wrapped(Day("2026-12-07", Rate("USD", "1.2")) +
                         Day("2026-12-09", Rate("USD", "1.3") + Rate("JPY", "150")) +
                         Day("2026-12-08", Rate("USD", "1.1"))),
                 "2026-12-09", 2},
        Accepted{"euroRateIgnored", Wrapped(Day("2026-12-08", Rate("EUR", "1") + Rate("USD", "1.2"))),
                 "2026-12-08", 1},
        Accepted{"commentsAndText",
                 "<!-- x --><a><b>Reference &amp; rates</b><![CDATA[<Cube>]]>" +
                     Day("2026-12-08", Rate("USD", "1.2")) + "</a>\n<!-- end -->\n",
                 "2026-12-08", 1},
        Accepted{"ownWrittenForm", WriteEcbRates(*ReadEcbRates(SampleEcbRates()).rates), "2026-12-08", 5}),
    [](const auto &info) { return std::string(info.param.name); });

struct Refused {
    const char *name;
    std::string bytes;
    std::string error; // part of the message
};

class ReadEcbRatesRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(ReadEcbRatesRefuses, withAMessage) {
    const RatesReading reading = ReadEcbRates(GetParam().bytes);
    EXPECT_FALSE(reading.rates);
    EXPECT_NE(reading.error.find(GetParam().error), std::string::npos) << reading.error;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadEcbRatesRefuses,
    ::testing::Values(
        Refused{"empty", "", "empty"}, Refused{"plainText", "USD 1.2\n", "not XML"},
        Refused{"htmlPage", "<!DOCTYPE html><html><body>Please sign in</body></html>", "web page"},
        Refused{"htmlWithoutDoctype", "<HTML><body>Proxy error</body></HTML>", "web page"},
        Refused{"entityDeclaration",
                "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><r>&x;</r>",
                "declarations are not accepted"},
        Refused{"truncated", SampleEcbRates().substr(0, 400), "truncated"},
        Refused{"wrongClosingTag", "<Cube><Cube time='2026-12-08'>" + Rate("USD", "1.2") + "</Cub></Cube>",
                "closes no open element"},
        Refused{"secondDocument", Wrapped(Day("2026-12-08", Rate("USD", "1.2"))) + "<Cube/>",
                "second document"},
        Refused{"noRates", Wrapped(Day("2026-12-08", "")), "no exchange rates"},
        Refused{"rateOutsideADay", Wrapped(Rate("USD", "1.2")), "outside a dated Cube"},
        Refused{"rateWithoutCurrency", Wrapped(Day("2026-12-08", "<Cube rate='1.2'/>")),
                "without a currency"},
        Refused{"currencyWithoutRate", Wrapped(Day("2026-12-08", "<Cube currency='USD'/>")), "has no rate"},
        Refused{"lowerCaseCode", Wrapped(Day("2026-12-08", Rate("usd", "1.2"))), "not a currency code"},
        Refused{"twoRatesOfACurrency", Wrapped(Day("2026-12-08", Rate("USD", "1.2") + Rate("USD", "1.3"))),
                "two rates"},
        Refused{"dayInADay", Wrapped(Day("2026-12-08", Day("2026-12-09", Rate("USD", "1.2")))),
                "inside another"},
        Refused{"impossibleDate", Wrapped(Day("2026-02-30", Rate("USD", "1.2"))), "not a date"},
        Refused{"attributeTwice", "<Cube time='2026-12-08' time='2026-12-09'/>", "given twice"},
        Refused{"unquotedValue", "<Cube time=2026-12-08/>", "not quoted"},
        Refused{"tooLarge", std::string(kMaxRatesFileSize + 1, ' '), "larger than"},
        Refused{"tooDeep", Nested(40), "nested deeper"}),
    [](const auto &info) { return std::string(info.param.name); });

// A rate must be a plain positive decimal number that the program can divide by.
TEST(ReadEcbRates, ratesThatAreNoPositiveDecimalNumbers_areRefused) {
    for (const char *rate : {"0", "0.0000", "-1.2", "+1.2", "1e5", "1E-5", "NaN", "inf", "1,5", "", " 1.2",
                             "1.", ".5", "1.2.3", "0x10", "123456789012345678901234567"}) {
        const RatesReading reading = ReadEcbRates(Wrapped(Day("2026-12-08", Rate("USD", rate))));
        EXPECT_FALSE(reading.rates) << rate;
        EXPECT_NE(reading.error.find("not a positive decimal number"), std::string::npos)
            << rate << ": " << reading.error;
    }
}

// A download cut off anywhere is refused: no prefix of a rates file reads as rates.
TEST(ReadEcbRates, everyCutOfAFile_isRefused) {
    const std::string whole = SampleEcbRates();
    for (std::size_t size = 0; size + 1 < whole.size(); ++size)
        EXPECT_FALSE(ReadEcbRates(whole.substr(0, size)).rates) << size;
}

TEST(ReadEcbRates, refusal_namesTheLine) {
    const RatesReading reading =
        ReadEcbRates("<Cube>\n<Cube time='2026-12-08'>\n<Cube currency='USD' rate='-1'/>");
    EXPECT_EQ(reading.error.rfind("line 3: ", 0), 0u) << reading.error;
}

TEST(RatesNote, namesTheDate_andTheAgeWhenOverAWeek) {
    ExchangeRates rates;
    rates.date = "2026-12-08";
    const long day = *DaysOfDate("2026-12-08");
    EXPECT_EQ(RatesNote(rates, day + 3), "rates of 2026-12-08 (ECB)");
    EXPECT_EQ(RatesNote(rates, day + 7), "rates of 2026-12-08 (ECB)");
    EXPECT_EQ(RatesNote(rates, day + 9), "rates of 2026-12-08 (ECB), 9 days old");
}

TEST(DaysOfDate, countsFrom1970_andRefusesWhatIsNoDate) {
    EXPECT_EQ(DaysOfDate("1999-01-04"), 10595);
    EXPECT_EQ(*DaysOfDate("2028-03-01") - *DaysOfDate("2028-02-28"), 2); // a leap year
    for (const char *text : {"2026-13-01", "2026-00-10", "2026-04-31", "2027-02-29", "1998-12-31",
                             "2026-1-01", "2026/12/08", "26-12-08xx", ""})
        EXPECT_FALSE(DaysOfDate(text)) << text;
}
