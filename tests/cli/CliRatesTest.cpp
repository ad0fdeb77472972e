// SPDX-License-Identifier: MIT
// mensurio-cli --update-rates from a file and by download (from a server on this machine), and
// conversions in Currency with and without rates.
#include "core/currency/RatesFile.h"
#include "support/LocalHttpServer.h"
#include "support/RatesDates.h"
#include "support/RunProcess.h"
#include "support/SampleRates.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace mensurio;
using namespace mensurio::test;

namespace {

const std::string kFetch = std::string(MENSURIO_BIN_DIR) + "/mensurio-fetch";

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

/// The shipped database as the user's units.dat in a scratch folder; the rates file goes beside it.
class CliRates : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ::setenv("LC_ALL", "C", 1);
        for (const char *proxy :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            ::unsetenv(proxy);
    }
    void SetUp() override {
        m_dir.write("units.dat", readFile(std::string(MENSURIO_BIN_DIR) + "/default.dat"));
    }
    void TearDown() override { ::unsetenv("MENSURIO_RATES_URL"); }

    ProcessResult cli(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--db", m_dir.file("units.dat")});
        return runProcess(MENSURIO_CLI, args, m_dir.path());
    }
    std::string ratesPath() const { return m_dir.file(RatesFile::FileName); }
    ProcessResult updateFrom(const std::string &bytes) {
        m_dir.write("new.xml", bytes);
        return cli({"--update-rates", m_dir.file("new.xml")});
    }

    ScratchDir m_dir;
};

TEST_F(CliRates, withoutRates_aConversionSaysHowToGetThem) {
    const ProcessResult r = cli({"100", "USD", "to", "EUR"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(Contains(r.out, "no exchange rates loaded: mensurio-cli --update-rates")) << r.out;
    const ProcessResult euro = cli({"100", "EUR", "to", "euro"});
    EXPECT_EQ(euro.status, 0);
    EXPECT_EQ(euro.out, "100\n");
}

TEST_F(CliRates, updateFromFile_convertsWithThoseRates_andNamesTheirDate) {
    const std::string date = DateDaysAgo(2);
    const ProcessResult update = updateFrom(SampleEcbRates(date, "1.25"));
    ASSERT_EQ(update.status, 0) << update.err;
    EXPECT_TRUE(Contains(update.out, "Exchange rates of " + date + " (ECB) loaded: 5 currencies."))
        << update.out;

    const ProcessResult r = cli({"100", "USD", "to", "EUR"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "80\n");
    EXPECT_EQ(r.err, "mensurio-cli: note: rates of " + date + " (ECB)\n");

    const ProcessResult missing = cli({"1", "USD", "to", "BGN"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "no rate for Bulgarian lev (BGN) in the rates of " + date + " (ECB)\n");
}

TEST_F(CliRates, ratesOverAWeekOld_areFlagged) {
    const std::string date = DateDaysAgo(30);
    ASSERT_EQ(updateFrom(SampleEcbRates(date)).status, 0);
    const ProcessResult r = cli({"-c", "Currency", "2", "GBP", "--to", "EUR"});
    EXPECT_EQ(r.out, "2.5\n");
    EXPECT_TRUE(Contains(r.err, "rates of " + date + " (ECB), 30 days old; mensurio-cli --update-rates"))
        << r.err;
}

TEST_F(CliRates, whatIsNoRatesFile_leavesTheRatesInUse) {
    ASSERT_EQ(updateFrom(SampleEcbRates("2026-12-08", "1.25")).status, 0);
    const std::string kept = readFile(ratesPath());
    const struct {
        const char *name;
        std::string bytes;
        const char *says;
    } refused[] = {
        {"truncated", SampleEcbRates("2026-12-09").substr(0, 350), "truncated"},
        {"web page", "<!DOCTYPE html><html><body>Proxy login</body></html>", "web page"},
        {"negative rate", SampleEcbRates("2026-12-09", "-1.1"), "not a positive decimal number"},
        {"empty", "", "empty"},
    };
    for (const auto &file : refused) {
        const ProcessResult r = updateFrom(file.bytes);
        EXPECT_EQ(r.status, 2) << file.name;
        EXPECT_TRUE(Contains(r.err, file.says) && Contains(r.err, "the exchange rates were not changed"))
            << file.name << ": " << r.err;
        EXPECT_EQ(readFile(ratesPath()), kept) << file.name;
    }
    const ProcessResult absent = cli({"--update-rates", m_dir.file("absent.xml")});
    EXPECT_EQ(absent.status, 2);
    EXPECT_EQ(readFile(ratesPath()), kept);
    EXPECT_EQ(cli({"100", "USD", "to", "EUR"}).out, "80\n");
}

struct Download {
    const char *name;
    LocalHttpServer::Response response;
    int status;
    const char *says; // on standard error, or in the success line
};

void PrintTo(const Download &download, std::ostream *os) {
    *os << download.name;
}

class CliRatesDownload : public CliRates, public ::testing::WithParamInterface<Download> {};

TEST_P(CliRatesDownload, keepsOnlyACompleteRatesFile) {
    ASSERT_EQ(updateFrom(SampleEcbRates("2026-12-01", "1.5")).status, 0);
    const std::string before = readFile(ratesPath());
    LocalHttpServer server(GetParam().response);
    ::setenv("MENSURIO_RATES_URL", server.Url().c_str(), 1);
    const ProcessResult r = cli({"--update-rates"});
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(r.status, GetParam().status) << r.out << r.err;
    EXPECT_TRUE(Contains(r.out + r.err, GetParam().says)) << r.out << r.err;
    if (GetParam().status != 0) {
        EXPECT_TRUE(Contains(r.err, "the exchange rates were not changed")) << r.err;
        EXPECT_EQ(readFile(ratesPath()), before);
    } else {
        EXPECT_EQ(cli({"100", "USD", "to", "EUR"}).out, "80\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CliRatesDownload,
    ::testing::Values(
        Download{"success", LocalHttpServer::Ok(SampleEcbRates("2026-12-08", "1.25")), 0,
                 "Exchange rates of 2026-12-08 (ECB) loaded"},
        Download{"notFound", LocalHttpServer::Status(404, "Not Found"), 2, "answered 404 Not Found"},
        Download{"truncatedBody", LocalHttpServer::Truncated(SampleEcbRates(), 200), 2,
                 "broke off after 200 of "},
        Download{"proxyPage",
                 LocalHttpServer::Ok("<html><body>Sign in to continue</body></html>", "text/html"), 2,
                 "web page"},
        Download{"wrongContent", LocalHttpServer::Ok("{\"USD\": 1.2}", "application/json"), 2, "not XML"}),
    [](const auto &info) { return std::string(info.param.name); });

// The downloader itself: it gives up on a silent server, and never fetches plain http from
// another machine (refused before any connection is tried).
TEST(Fetch, silentServer_givesUpAfterTheTimeout) {
    ScratchDir dir;
    LocalHttpServer server(LocalHttpServer::Silent());
    const auto start = std::chrono::steady_clock::now();
    const ProcessResult r = runProcess(kFetch, {"--url", server.Url(), "--timeout", "1"}, dir.path());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(Contains(r.err, "no complete answer from 127.0.0.1 within 1 second")) << r.err;
}

TEST(Fetch, plainHttpToAnotherMachine_isRefused) {
    ScratchDir dir;
    for (const char *url : {"http://example.invalid/eurofxref-daily.xml", "ftp://127.0.0.1/x", "not a url"}) {
        const ProcessResult r = runProcess(kFetch, {"--url", url}, dir.path());
        EXPECT_EQ(r.status, 1) << url;
        EXPECT_EQ(r.out, "") << url;
        EXPECT_FALSE(r.err.empty()) << url;
    }
}

} // namespace
